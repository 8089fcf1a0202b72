// Column layout of a tree row's text.
#include "text/ColumnText.h"

namespace ColumnText {

QList<Part> layout(const QString &text, const QString &separator, const QList<int> &widths, const Row &row)
{
    QList<Part> parts;
    QStringView rest = text;
    int left = row.textLeft;
    int right = 0;
    for (int i = 0;; ++i) {
        const bool hasColumn = i < widths.size();
        const int width = hasColumn ? widths[i] : row.rowRight - row.origin;
        right = i == 0 ? row.origin + width : left + width;
        const qsizetype at = separator.isEmpty() ? -1 : rest.indexOf(separator);
        QStringView part = rest;
        if (at >= 0) {
            part = rest.left(at);
            rest = rest.mid(at + separator.size());
        } else {
            rest = {};
            if (!hasColumn)
                right = row.rowRight;
        }
        parts.append({part.toString(), i, left, right - row.gap});
        left = right;
        if (rest.isEmpty())
            return parts;
    }
}

int sectionAt(const QList<int> &widths, int x)
{
    int sum = 0;
    int added = 0;
    while (added < widths.size() && sum < x)
        sum += widths[added++];
    return added - 1;
}

} // namespace ColumnText
