// The recent-files list: the last files opened, as numbered items of a menu, kept in an ini file.
#pragma once

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class QAction;

// Registry storage is left out: on this desktop the list always lives in the ini file.
class TMostRecentFiles : public QObject
{
    Q_OBJECT
public:
    // The clicked menu item and the full path of its file.
    using TMRUMenuEvent = std::function<void(QAction *sender, const QString &fileName)>;

    // Marks the menu items this list made, among the owner's other children.
    static constexpr int kItemTag = 0x0BAD1DEA;

    explicit TMostRecentFiles(QObject *owner);
    ~TMostRecentFiles() override; // saves the list

    unsigned MaxFiles() const { return m_maxFiles; }
    void setMaxFiles(unsigned value);
    bool ShowFullPath() const { return m_showFullPath; }
    void setShowFullPath(bool value);
    QMenu *OwnerMenuItem() const { return m_owner; }
    void setOwnerMenuItem(QMenu *menu);
    unsigned MenuPosition = 0;
    QString IniFile() const { return m_iniFile; }
    void setIniFile(const QString &value); // loads the list
    TMRUMenuEvent OnMenuClick;
    TMRUMenuEvent OnFileNotExist;

    const QStringList &files() const { return m_files; }

    void AddFile(const QString &fileName);
    void RebuildMenu();
    void MenuItemClick(QAction *sender);
    void LoadFromIni();
    void SaveToIni();

private:
    QString iniPath() const;
    int indexOf(const QString &fileName) const;

    QStringList m_files; // most recent first
    unsigned m_maxFiles = 4;
    bool m_showFullPath = false;
    QPointer<QMenu> m_owner;
    QString m_iniFile;
};

extern TMostRecentFiles *MRU;
