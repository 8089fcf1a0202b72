// The recent-files list: most recent first, at most `maxFiles` paths, kept in section "MRU List".
#pragma once

#include <QString>
#include <QStringList>

class IniFile;

class RecentFileList
{
public:
    // 1..8; a smaller maximum drops the oldest entries.
    void setMaxFiles(int value);
    int maxFiles() const { return m_maxFiles; }
    const QStringList &files() const { return m_files; }

    // Puts the path at the top; a path already listed moves there (Linux names differ by case).
    // False when it was on top already.
    bool add(const QString &path);
    void moveToTop(int index);
    void removeAt(int index);

    // Keys "1".."maxFiles"; reading stops at the first empty one.
    void load(const IniFile &ini);
    void save(IniFile &ini) const;

private:
    QStringList m_files;
    int m_maxFiles = 4;
};
