// Status-bar panel texts and the viewed percentage.
#include "text/StatusTexts.h"

#include <cmath>

namespace StatusTexts {

QString caretPosition(qsizetype line, qsizetype column)
{
    return QStringLiteral("  %1:%2").arg(line).arg(column);
}

QString lockKey(const char *name, bool on)
{
    return on ? QStringLiteral("  ") + QLatin1String(name) : QStringLiteral("   ");
}

QString insertMode(bool overwrite)
{
    return overwrite ? QStringLiteral("  Замена") : QStringLiteral("  Вставка");
}

QString time(const QString &localTime)
{
    return QStringLiteral("  ") + localTime;
}

QString memoryLoad(int percent)
{
    return QStringLiteral("  Память загружена на %1 %").arg(percent);
}

QString viewed(int percent)
{
    return QStringLiteral("%1% просмотрено").arg(percent);
}

int viewedPercent(qsizetype topLine, qsizetype linesInWindow, qsizetype lineCount)
{
    if (lineCount <= 0)
        return 0;
    const double seen = double(topLine + linesInWindow) / (double(lineCount) / 100.0);
    // The default rounding mode takes a half to the even neighbour: 2.5 gives 2.
    return int(std::nearbyint(std::min(seen, 100.0)));
}

QString withoutTimeZone(const QString &format)
{
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        out += c;
    }
    return out.trimmed();
}

} // namespace StatusTexts
