// Conversion of "description|masks" filter pairs.
#include "text/FileFilters.h"

#include <QRegularExpression>

namespace FileFilters {

QStringList toQtNameFilters(const QString &filter)
{
    static const QRegularExpression trailingMasks(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList masks;
        for (const QString &mask : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            const QString m = mask.trimmed();
            masks.append(m == QLatin1String("*.*") ? QStringLiteral("*") : m);
        }
        // A description that shows its masks already shows them the way Qt reads them.
        QString description = parts[i];
        description.remove(trailingMasks);
        out.append(description + QStringLiteral(" (") + masks.join(u' ') + u')');
    }
    return out;
}

} // namespace FileFilters
