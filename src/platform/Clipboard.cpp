// The clipboard through Qt; it keeps its own copy of the text.
#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void copyTextToClipboard(const QString &text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    QGuiApplication::clipboard()->setText(nul >= 0 ? text.left(nul) : text);
}
