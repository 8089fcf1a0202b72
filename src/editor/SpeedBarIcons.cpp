// Theme names and our own SVG files of the speed-bar images.
#include "editor/SpeedBarIcons.h"

#include "common/ProgramIcons.h"

#include <QStandardPaths>
#include <QStringList>
#include <array>

namespace {

const QString kFallbackTheme = QStringLiteral("breeze");

struct Image
{
    std::array<const char *, 2> themeNames; // tried in order; freedesktop names first
    const char *ownFile;                    // in the resources' icons folder
};

const std::array<Image, 27> kImages = {{
    {{"document-new"}, nullptr},                      // 0 new
    {{"document-open"}, nullptr},                     // 1 open
    {{"document-save"}, nullptr},                     // 2 save
    {{"application-exit"}, nullptr},                  // 3 save and exit
    {{"edit-copy"}, nullptr},                         // 4
    {{"edit-cut"}, nullptr},                          // 5
    {{"edit-paste"}, nullptr},                        // 6
    {{"edit-undo"}, nullptr},                         // 7
    {{"edit-redo"}, nullptr},                         // 8
    {{"edit-find"}, nullptr},                         // 9
    {{"edit-find-replace"}, nullptr},                 // 10
    {{"go-jump"}, nullptr},                           // 11 go to line
    {{}, "repair-layout.svg"},                        // 12
    {{}, "repair-case.svg"},                          // 13
    {{"text-wrap", "format-justify-fill"}, nullptr},  // 14 word wrap
    {{}, "game-ofp.svg"},                             // 15
    {{}, "game-arma.svg"},                            // 16
    {{}, "wizard-overview.svg"},                      // 17
    {{}, "wizard-briefing.svg"},                      // 18
    {{}, "wizard-description.svg"},                   // 19
    {{}, "wizard-unit.svg"},                          // 20
    {{}, "wizard-crate.svg"},                         // 21
    {{"preferences-system", "configure"}, nullptr},   // 22 settings
    {{"help-contents"}, nullptr},                     // 23
    {{}, "wizard-stringtable.svg"},                   // 24
    {{}, "select-stream.svg"},                        // 25 normal selection
    {{}, "select-column.svg"},                        // 26 column selection
}};

} // namespace

namespace SpeedBarIcons {

void setUpTheme()
{
    QIcon::setFallbackThemeName(kFallbackTheme);
    QStringList paths = QIcon::themeSearchPaths();
    const QStringList system =
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"), QStandardPaths::LocateDirectory);
    for (const QString &dir : system)
        if (!paths.contains(dir))
            paths.append(dir);
    QIcon::setThemeSearchPaths(paths);
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(kFallbackTheme);
}

QIcon icon(int index)
{
    if (index < 0 || index >= int(kImages.size()))
        return {};
    const Image &image = kImages[index];
    for (const char *name : image.themeNames)
        if (name && QIcon::hasThemeIcon(QLatin1String(name)))
            return QIcon::fromTheme(QLatin1String(name));
    if (image.ownFile)
        return ProgramIcons::own(QLatin1String(image.ownFile));
    return {};
}

} // namespace SpeedBarIcons
