// The editor's text form: lines joined by CR LF, no break after the last, a NUL ends the text.
#pragma once

#include <QString>
#include <QStringList>

namespace EditorText {

// Splits at CR LF, CR or LF; a break at the very end makes no empty last line; stops at a NUL.
QStringList splitLines(QStringView text);

// The text in the editor's form.
QString normalize(QStringView text);

} // namespace EditorText
