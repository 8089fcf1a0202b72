// Reads MemTotal and MemAvailable, in kB, from the kernel's memory summary.
#include "platform/MemoryLoad.h"

#include <QFile>

namespace {

QString &meminfoPath()
{
    static QString path = QStringLiteral("/proc/meminfo");
    return path;
}

// The number after "name:" at a line start; -1 when there is none.
qint64 field(QByteArrayView text, QByteArrayView name)
{
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = text.indexOf('\n', at);
        if (end < 0)
            end = text.size();
        const QByteArrayView line = text.sliced(at, end - at);
        if (line.startsWith(name) && line.size() > name.size() && line[name.size()] == ':') {
            QByteArrayView number = line.sliced(name.size() + 1).trimmed(); // "16308856 kB"
            const qsizetype blank = number.indexOf(' ');
            if (blank >= 0)
                number = number.first(blank);
            bool ok = false;
            const qint64 value = number.toLongLong(&ok);
            return ok ? value : -1;
        }
        at = end + 1;
    }
    return -1;
}

} // namespace

namespace MemoryLoad {

int percentFromMeminfo(QByteArrayView text)
{
    const qint64 total = field(text, "MemTotal");
    const qint64 available = field(text, "MemAvailable");
    if (total <= 0 || available < 0)
        return -1;
    return int((qMax<qint64>(0, total - available) * 100) / total);
}

int percent()
{
    QFile file(meminfoPath());
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return qMax(0, percentFromMeminfo(file.read(64 * 1024)));
}

void setMeminfoPath(const QString &path)
{
    meminfoPath() = path.isEmpty() ? QStringLiteral("/proc/meminfo") : path;
}

} // namespace MemoryLoad
