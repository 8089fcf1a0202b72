// The recent-files menu items and their clicks.
#include "editor/RecentFiles.h"

#include "AppError.h"
#include "platform/Dialogs.h"
#include "settings/IniFile.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>

RecentFiles::RecentFiles(QObject *owner) : QObject(owner) {}

RecentFiles::~RecentFiles()
{
    try {
        saveToIni();
    } catch (const AppError &) {
        // The list is simply not kept for the next run.
    }
}

void RecentFiles::setMaxFiles(int value)
{
    m_list.setMaxFiles(value);
    rebuildMenu();
}

void RecentFiles::setShowFullPath(bool value)
{
    m_showFullPath = value;
    rebuildMenu();
}

void RecentFiles::setOwnerMenu(QMenu *menu)
{
    m_owner = menu;
    rebuildMenu();
}

void RecentFiles::setIniFile(const QString &path)
{
    m_iniFile = path;
    loadFromIni();
}

void RecentFiles::addFile(const QString &fileName)
{
    if (!m_owner)
        return;
    if (m_list.add(fileName))
        rebuildMenu();
}

void RecentFiles::rebuildMenu()
{
    if (!m_owner)
        return;
    for (QAction *item : std::as_const(m_items)) {
        m_owner->removeAction(item);
        // The clicked item may be the one going: it is still inside its own signal.
        item->deleteLater();
    }
    m_items.clear();
    const QStringList &files = m_list.files();
    for (int n = 0; n < files.size(); ++n) {
        const QString shown = m_showFullPath ? files[n] : QFileInfo(files[n]).fileName();
        auto *item = new QAction(QStringLiteral("&%1  %2").arg(n + 1).arg(shown), m_owner);
        connect(item, &QAction::triggered, this, [this, item] { menuItemClick(item); });
        m_owner->addAction(item);
        m_items.append(item);
    }
    // The menu itself, not only its entry in the parent menu: a disabled menu takes no clicks.
    m_owner->setEnabled(!m_owner->actions().isEmpty());
}

void RecentFiles::menuItemClick(QAction *item)
{
    const int entry = int(m_items.indexOf(item));
    if (entry < 0 || entry >= m_list.files().size())
        return;
    const QString path = m_list.files().at(entry);
    if (QFileInfo::exists(path)) {
        m_list.moveToTop(entry);
        rebuildMenu();
        emit fileOpenRequested(path);
        return;
    }
    Dialogs::information(qobject_cast<QWidget *>(parent()),
                         QStringLiteral("The file ...\n\"%1\"\nno longer exists.").arg(path),
                         Dialogs::applicationTitle());
    m_list.removeAt(entry);
    rebuildMenu();
}

void RecentFiles::loadFromIni()
{
    if (!m_iniFile.isEmpty() && QFileInfo::exists(m_iniFile))
        m_list.load(IniFile(m_iniFile));
    rebuildMenu();
}

void RecentFiles::saveToIni()
{
    if (m_iniFile.isEmpty())
        return;
    IniFile ini(m_iniFile);
    m_list.save(ini);
}
