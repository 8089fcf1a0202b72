// Line breaks of the wizards' texts.
#include "wizards/WizardText.h"

#include "text/FileText.h"

namespace WizardText {

QString withCrLf(const QString &plain)
{
    return replaceAll(plain, QStringLiteral("\n"), kCrLf);
}

QString textToHtml(const QString &text)
{
    return replaceAll(text, kCrLf, QStringLiteral("<br>\r\n"));
}

} // namespace WizardText
