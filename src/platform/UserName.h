// The name the user logged in with.
#pragma once

#include <QString>

namespace UserName {

// The login name of the process's user; "Unknown" when the system cannot tell.
QString current();

// Tests: a fixed name, or an empty one to ask the system again.
void setOverride(const QString &name);

} // namespace UserName
