// The recent-files menu: the last files opened, as numbered items of a menu, kept in the settings file.
#pragma once

#include "settings/RecentFileList.h"

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;

class RecentFiles : public QObject
{
    Q_OBJECT
public:
    explicit RecentFiles(QObject *owner);
    ~RecentFiles() override; // saves the list

    void setMaxFiles(int value);
    void setShowFullPath(bool value);
    void setOwnerMenu(QMenu *menu);
    void setIniFile(const QString &path); // loads the list

    const QStringList &files() const { return m_list.files(); }

    void addFile(const QString &fileName);
    // Runs the item's file: moves it to the top and asks for it to be opened, or drops it when it is gone.
    void menuItemClick(QAction *item);

signals:
    // The full path of the file chosen in the menu, already moved to the top of the list.
    void fileOpenRequested(const QString &fileName);

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
