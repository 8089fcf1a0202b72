// The password database's entry of the process's user.
#include "platform/UserName.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace UserName {
namespace {

QString &overrideName()
{
    static QString name;
    return name;
}

} // namespace

QString current()
{
    if (!overrideName().isEmpty())
        return overrideName();
    passwd entry{};
    passwd *result = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result && result->pw_name)
        return QString::fromLocal8Bit(result->pw_name);
    const QString fromEnvironment = qEnvironmentVariable("USER");
    return fromEnvironment.isEmpty() ? QStringLiteral("Unknown") : fromEnvironment;
}

void setOverride(const QString &name)
{
    overrideName() = name;
}

} // namespace UserName
