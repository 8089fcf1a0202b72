// The recent-files menu: the last files opened, as numbered items of a menu, kept in the settings file.
#pragma once

#include "settings/RecentFileList.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QMenu;

class RecentFiles : public QObject
{
    Q_OBJECT
public:
    // The full path of the chosen file.
    using MenuEvent = std::function<void(const QString &fileName)>;

    explicit RecentFiles(QObject *owner);
    ~RecentFiles() override; // saves the list

    void setMaxFiles(int value);
    void setShowFullPath(bool value);
    void setOwnerMenu(QMenu *menu);
    void setIniFile(const QString &path); // loads the list
    MenuEvent onMenuClick;
    MenuEvent onFileNotExist;

    const QStringList &files() const { return m_list.files(); }

    void addFile(const QString &fileName);
    // Runs the item's file: moves it to the top and reports it, or drops it when it is gone.
    void menuItemClick(QAction *item);

private:
    void rebuildMenu();
    void loadFromIni();
    void saveToIni();

    RecentFileList m_list;
    bool m_showFullPath = false;
    QPointer<QMenu> m_owner;
    QString m_iniFile;
    QList<QAction *> m_items; // the menu items of the list, in its order
};
