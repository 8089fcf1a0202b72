// Text pieces the mission page wizards share: line breaks of a memo, and their HTML form.
#pragma once

#include <QString>

namespace WizardText {

inline const QString kCrLf = QStringLiteral("\r\n");

// A multi-line field's text (lines apart by LF, as Qt's text boxes give it) with CR LF breaks.
QString withCrLf(const QString &plain);

// Every CR LF becomes "<br>" and CR LF; nothing else is touched, nothing is escaped.
QString textToHtml(const QString &text);

} // namespace WizardText
