// The editor's text form: lines joined by CR LF, a NUL ends the text. A text that ends with a
// line break has an empty last line, so the break is written back as it was read.
#pragma once

#include <QString>
#include <QStringList>

namespace EditorText {

// Splits at CR LF, CR or LF; a break at the very end makes no empty last line (a printed page
// shows no extra line for it); stops at a NUL.
QStringList splitLines(QStringView text);

// The text in the editor's form: every CR LF, CR or LF becomes CR LF, the final one included,
// and the text stops at a NUL. Applying it again changes nothing.
QString normalize(QStringView text);
// The same for a text already in the form: no copy.
QString normalize(const QString &text);

// The same for UTF-8 (or any ASCII-compatible) bytes, as the editor holds them.
QByteArray normalize(const QByteArray &bytes);

} // namespace EditorText
