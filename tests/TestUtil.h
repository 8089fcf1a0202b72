// Helpers shared by the core and window tests.
#pragma once

#include "AppError.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

// The message of the AppError that f throws, or "<no error>".
template<class F>
QString thrown(F f)
{
    try {
        f();
    } catch (const AppError &e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

// A file holding exactly `bytes`, in a folder removed when the tests end; its path. Written
// without the flush to disk of the program's own saves, which would slow the random tests down.
inline QString tempFile(const QString &name, const QByteArray &bytes)
{
    static const QTemporaryDir dir;
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw AppError("Cannot write the test file " + file.fileName());
    return file.fileName();
}

// While it lives, writing a file past `bytes` fails, for root as for anyone.
struct FileSizeLimit
{
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, handler);
    }
    rlimit old{};
    void (*handler)(int) = std::signal(SIGXFSZ, SIG_IGN); // the signal would end the tests
};

// Root passes every permission check; for the file system to refuse, a save runs as nobody.
struct AsUnprivilegedUser
{
    AsUnprivilegedUser() : switched(geteuid() == 0 && seteuid(65534) == 0) {}
    ~AsUnprivilegedUser()
    {
        if (switched && seteuid(0) != 0)
            std::abort(); // the rest of the tests would run without their rights
    }
    AsUnprivilegedUser(const AsUnprivilegedUser &) = delete;
    AsUnprivilegedUser &operator=(const AsUnprivilegedUser &) = delete;
    bool switched;
};

// Lines `first` to `last` of `pattern`, %1 each one's number, joined by CR LF.
inline QString numberedLines(const QString &pattern, int first, int last)
{
    QStringList lines;
    for (int i = first; i <= last; ++i)
        lines << pattern.arg(i);
    return lines.join(QStringLiteral("\r\n"));
}

// Random bytes for the robustness tests of the readers: up to maxLength of them, mostly taken from
// `alphabet` (the characters the reader's rules care about), now and then any byte at all.
inline QByteArray randomBytes(std::mt19937 &rng, qsizetype maxLength, QByteArrayView alphabet)
{
    QByteArray bytes(qsizetype(rng() % (maxLength + 1)), Qt::Uninitialized);
    for (char &c : bytes)
        c = rng() % 4 == 0 ? char(rng()) : alphabet[qsizetype(rng() % alphabet.size())];
    return bytes;
}

// Whole generated files are kept in tests/fixtures/golden/. After a change that is meant to alter
// them, rewrite them with VELMORA_REGENERATE_GOLDEN=1 ctest, and read the difference in git.
inline QString goldenPath(const QString &name)
{
    return QStringLiteral(VELMORA_SOURCE_DIR "/tests/fixtures/golden/") + name;
}
inline ::testing::AssertionResult matchesGolden(const QByteArray &actual, const QString &name)
{
    QFile file(goldenPath(name));
    if (qEnvironmentVariableIsSet("VELMORA_REGENERATE_GOLDEN")) {
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(actual) != actual.size())
            return ::testing::AssertionFailure() << "cannot write " << file.fileName().toStdString();
        return ::testing::AssertionSuccess();
    }
    if (!file.open(QIODevice::ReadOnly))
        return ::testing::AssertionFailure() << "no golden file " << file.fileName().toStdString();
    const QByteArray expected = file.readAll();
    if (expected == actual)
        return ::testing::AssertionSuccess();
    qsizetype at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    return ::testing::AssertionFailure() << name.toStdString() << " differs from byte " << at << ": expected \""
                                         << expected.mid(at, 60).toStdString() << "\", got \""
                                         << actual.mid(at, 60).toStdString() << "\"";
}
