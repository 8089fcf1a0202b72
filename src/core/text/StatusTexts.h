// The texts of the status bar's first eight panels, from plain values.
#pragma once

#include <QString>

namespace StatusTexts {

// Panel 0: two blanks, line ":" column, both counted from 1.
QString caretPosition(qsizetype line, qsizetype column);
// Panels 1 to 3: "  CAP", "  NUM", "  SCRL" when the lock is on, else three blanks.
QString lockKey(const char *name, bool on);
// Panel 4: "  Замена" in overwrite mode, else "  Вставка".
QString insertMode(bool overwrite);
// Panel 5: two blanks and the time as the locale writes it.
QString time(const QString &localTime);
// Panel 6: the memory load in percent.
QString memoryLoad(int percent);
// Panel 7: the viewed percentage.
QString viewed(int percent);

// How much of the text has been seen: (top line + whole lines in the window) against the line
// count, in percent, at most 100, rounded half to even; 0 for a text of no lines.
int viewedPercent(qsizetype topLine, qsizetype linesInWindow, qsizetype lineCount);

// A locale's time format without its time-zone part ("t"), which the panel has no room for.
QString withoutTimeZone(const QString &format);

} // namespace StatusTexts
