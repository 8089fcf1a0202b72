// Windows paths of programs run under Wine, found on this computer's file system.
#pragma once

#include <QString>
#include <QStringView>

namespace WinePaths {

// The Unix path of a Windows path such as "C:\Games\OFP\arma.exe" inside the prefix: the drive
// through the prefix's dosdevices link (C: also through drive_c when the link is missing), then
// each name matched without regard to case, as Windows programs expect. A name that exists in
// no case is kept as written, so the result names the missing file. Empty for a path without a
// drive letter.
QString toUnixPath(const QString &prefix, QStringView windowsPath);

// The existing entry of `folder` whose name equals `name` without regard to case (the exact
// name first), or the name as given when there is none. A separator ending `folder` ('/' or
// '\') is kept and no second one added; an empty `folder` is the current one.
QString childPath(const QString &folder, const QString &name);

} // namespace WinePaths
