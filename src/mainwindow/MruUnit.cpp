// The recent-files list: its order, its menu items and its ini section.
#include "mainwindow/MruUnit.h"

#include "AppError.h"
#include "AppPaths.h"
#include "platform/Dialogs.h"
#include "settings/IniFile.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>

TMostRecentFiles *MRU = nullptr;

namespace {

const QString kSection = QStringLiteral("MRU List");
const char *const kTagProperty = "Tag";

bool isOurs(const QAction *action)
{
    return action->property(kTagProperty).toInt() == TMostRecentFiles::kItemTag;
}

// Linux file names differ by letter case, so the list does too.
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;

} // namespace

TMostRecentFiles::TMostRecentFiles(QObject *owner) : QObject(owner) {}

TMostRecentFiles::~TMostRecentFiles()
{
    try {
        SaveToIni();
    } catch (const AppError &) {
        // The list is simply not kept for the next run.
    }
    if (MRU == this)
        MRU = nullptr;
}

void TMostRecentFiles::setMaxFiles(unsigned value)
{
    if (value == m_maxFiles)
        return;
    m_maxFiles = std::clamp(value, 1u, 8u);
    RebuildMenu();
}

void TMostRecentFiles::setShowFullPath(bool value)
{
    if (value == m_showFullPath)
        return;
    m_showFullPath = value;
    RebuildMenu();
}

void TMostRecentFiles::setOwnerMenuItem(QMenu *menu)
{
    m_owner = menu;
    RebuildMenu();
}

void TMostRecentFiles::setIniFile(const QString &value)
{
    m_iniFile = value;
    LoadFromIni();
}

QString TMostRecentFiles::iniPath() const
{
    if (m_iniFile.isEmpty())
        return AppPaths::exeDir() + u'/' + QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
               + QStringLiteral(".ini");
    if (!m_iniFile.contains(u'/'))
        return AppPaths::exeDir() + u'/' + m_iniFile;
    return m_iniFile;
}

int TMostRecentFiles::indexOf(const QString &fileName) const
{
    for (int i = 0; i < m_files.size(); ++i)
        if (m_files[i].compare(fileName, kPathCase) == 0)
            return i;
    return -1;
}

void TMostRecentFiles::AddFile(const QString &fileName)
{
    if (!m_owner)
        return;
    const int at = indexOf(fileName);
    if (at == 0)
        return;
    if (at > 0)
        m_files.removeAt(at);
    m_files.prepend(fileName);
    while (m_files.size() > qsizetype(m_maxFiles))
        m_files.removeAt(m_maxFiles);
    RebuildMenu();
}

void TMostRecentFiles::RebuildMenu()
{
    if (!m_owner)
        return;
    const QList<QAction *> children = m_owner->actions();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (!isOurs(*it))
            continue;
        m_owner->removeAction(*it);
        // The clicked item may be the one going: it is still inside its own signal.
        (*it)->deleteLater();
    }
    auto newItem = [this](const QString &text) {
        auto *item = new QAction(text, m_owner);
        item->setProperty(kTagProperty, kItemTag);
        return item;
    };
    auto separator = [&] {
        QAction *item = newItem(QString());
        item->setSeparator(true);
        return item;
    };
    if (!m_files.isEmpty()) {
        QList<QAction *> current = m_owner->actions();
        qsizetype p = std::min<qsizetype>(current.size(), MenuPosition);
        auto insertAt = [&](qsizetype pos, QAction *item) {
            m_owner->insertAction(m_owner->actions().value(pos), item);
        };
        if (p > 0 && !current[p - 1]->isSeparator())
            insertAt(p++, separator());
        for (int n = 0; n < m_files.size(); ++n) {
            const QString &path = m_files[n];
            const QString shown = m_showFullPath ? path : QFileInfo(path).fileName();
            QAction *item = newItem(QStringLiteral("&%1  %2").arg(n + 1).arg(shown));
            connect(item, &QAction::triggered, this, [this, item] { MenuItemClick(item); });
            insertAt(p++, item);
        }
        current = m_owner->actions();
        if (p < current.size() && !current[p]->isSeparator())
            insertAt(p, separator());
    }
    // The menu itself, not only its entry in the parent menu: a disabled menu takes no clicks.
    m_owner->setEnabled(!m_owner->actions().isEmpty());
}

void TMostRecentFiles::MenuItemClick(QAction *sender)
{
    if (!sender || !m_owner || !OnMenuClick)
        return;
    const QList<QAction *> children = m_owner->actions();
    const qsizetype itemIndex = children.indexOf(sender);
    if (itemIndex < 0)
        return;
    qsizetype base = -1;
    for (qsizetype i = 0; i < children.size() && base < 0; ++i)
        if (isOurs(children[i]))
            base = i;
    if (base < 0)
        return;
    if (children[base]->isSeparator())
        ++base;
    const qsizetype entry = itemIndex - base;
    if (entry < 0 || entry >= m_files.size())
        return;

    const QString path = m_files[entry];
    if (QFileInfo::exists(path)) {
        if (entry != 0) {
            m_files.move(entry, 0);
            RebuildMenu();
        }
        OnMenuClick(sender, path);
        return;
    }
    if (OnFileNotExist)
        OnFileNotExist(sender, path);
    else
        Dialogs::information(qobject_cast<QWidget *>(parent()), QStringLiteral("The file ...\n\"%1\"\nno longer exists.").arg(path),
                             QApplication::applicationDisplayName());
    m_files.removeAt(entry);
    RebuildMenu();
}

void TMostRecentFiles::LoadFromIni()
{
    m_files.clear();
    const QString path = iniPath();
    if (QFileInfo::exists(path)) {
        const ::IniFile ini(path);
        for (unsigned n = 1; n <= m_maxFiles; ++n) {
            const QString file = ini.readString(kSection, QString::number(n), QString());
            if (file.isEmpty())
                break;
            m_files.append(file);
        }
    }
    RebuildMenu();
}

void TMostRecentFiles::SaveToIni()
{
    ::IniFile ini(iniPath());
    for (unsigned n = 1; n <= m_maxFiles; ++n)
        ini.writeString(kSection, QString::number(n), m_files.value(n - 1));
}
