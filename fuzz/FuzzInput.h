// Shared helpers of the fuzz targets: the input as text, as lines, and as a file on disk.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A file holding exactly the input, for readers that take a path; removed with the folder.
class FuzzFile
{
public:
    FuzzFile(const uint8_t *data, size_t size, const char *name = "input")
    {
        m_path = m_dir.filePath(QLatin1String(name));
        QFile file(m_path);
        if (file.open(QIODevice::WriteOnly))
            file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const QString &path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// A broken invariant is a finding: stop so the fuzzer keeps the input.
#define FUZZ_CHECK(condition) \
    do {                      \
        if (!(condition))     \
            std::abort();     \
    } while (0)
