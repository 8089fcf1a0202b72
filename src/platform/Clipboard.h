// Putting plain text on the desktop clipboard.
#pragma once

#include <QString>

// The text up to its first NUL character, as plain text.
void copyTextToClipboard(const QString &text);
