// Helpers shared by the core and window tests.
#pragma once

#include "AppError.h"

#include <QString>
#include <QStringList>
#include <ostream>
#include <csignal>
#include <sys/resource.h>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i) {
        *os << (i ? ", " : "");
        PrintTo(list[i], os);
    }
    *os << '}';
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
