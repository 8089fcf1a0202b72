// Order and storage of the recent-files list.
#include "settings/RecentFileList.h"

#include "settings/IniFile.h"

#include <algorithm>

namespace {
const QString kSection = QStringLiteral("MRU List");
}

void RecentFileList::setMaxFiles(int value)
{
    m_maxFiles = std::clamp(value, 1, 8);
    while (m_files.size() > m_maxFiles)
        m_files.removeLast();
}

bool RecentFileList::add(const QString &path)
{
    const qsizetype at = m_files.indexOf(path);
    if (at == 0)
        return false;
    if (at > 0)
        m_files.removeAt(at);
    m_files.prepend(path);
    while (m_files.size() > m_maxFiles)
        m_files.removeLast();
    return true;
}

void RecentFileList::moveToTop(int index)
{
    if (index > 0 && index < m_files.size())
        m_files.move(index, 0);
}

void RecentFileList::removeAt(int index)
{
    if (index >= 0 && index < m_files.size())
        m_files.removeAt(index);
}

void RecentFileList::load(const IniFile &ini)
{
    m_files.clear();
    for (int n = 1; n <= m_maxFiles; ++n) {
        const QString file = ini.readString(kSection, QString::number(n), QString());
        if (file.isEmpty())
            break;
        m_files.append(file);
    }
}

void RecentFileList::save(IniFile &ini) const
{
    for (int n = 1; n <= m_maxFiles; ++n)
        ini.writeString(kSection, QString::number(n), m_files.value(n - 1));
}
