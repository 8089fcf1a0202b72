// The files of freedesktop.org's shared MIME database, desktop entries and mimeapps.list.
#include "system/FileTypeRegistration.h"

#include "text/FileText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray readIfExists(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The folder first: saveTextToFile reports the file when the folder cannot be made.
void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    saveTextToFile(bytes, path);
}

QString xmlEscaped(const char *text)
{
    return QString::fromUtf8(text).toHtmlEscaped();
}

} // namespace

const std::array<FileType, 5> &FileTypeRegistration::types()
{
    static const std::array<FileType, 5> kTypes = {{
        {"SQS", "sqs", "sqs_script", "text/x-sqs", true},
        {"SQF", "sqf", "sqf_script", "text/x-sqf", true},
        {"EXT", "ext", "description", "text/x-description-ext", true},
        {"CSV", "csv", "stringtable", "text/csv", false},
        {"SQM", "sqm", "mission", "text/x-sqm", true},
    }};
    return kTypes;
}

FileTypeRegistration::FileTypeRegistration(QString dataHome, QString configHome, QString executable)
    : m_dataHome(std::move(dataHome)), m_configHome(std::move(configHome)), m_executable(std::move(executable))
{
}

QString FileTypeRegistration::packagePath(const FileType &type) const
{
    return m_dataHome + QStringLiteral("/mime/packages/velmora-") + QLatin1String(type.extension)
        + QStringLiteral(".xml");
}

QString FileTypeRegistration::desktopEntryPath() const
{
    return m_dataHome + QStringLiteral("/applications/") + kDesktopId;
}

QString FileTypeRegistration::mimeAppsPath() const
{
    return m_configHome + QStringLiteral("/mimeapps.list");
}

void FileTypeRegistration::registerType(const FileType &type) const
{
    const QString mimeType = QLatin1String(type.mimeType);
    if (type.ownMimeType)
        writeFile(packagePath(type), mimePackage(type));
    QStringList mimeTypes = mimeTypesOf(readIfExists(desktopEntryPath()));
    if (!mimeTypes.contains(mimeType))
        mimeTypes.append(mimeType);
    writeFile(desktopEntryPath(), desktopEntry(m_executable, mimeTypes));
    writeFile(mimeAppsPath(), withDefaultApplication(readIfExists(mimeAppsPath()), mimeType, kDesktopId));
}

QByteArray FileTypeRegistration::mimePackage(const FileType &type)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>%2</comment>\n"
                          "    <sub-class-of type=\"text/plain\"/>\n"
                          "    <glob pattern=\"*.%3\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(xmlEscaped(type.mimeType), xmlEscaped(type.programId), xmlEscaped(type.extension))
        .toUtf8();
}

QByteArray FileTypeRegistration::desktopEntry(const QString &executable, const QStringList &mimeTypes)
{
    QString exec = execArgument(executable) + QStringLiteral(" %f");
    // The string escapes of the file format come on top of the Exec quoting.
    exec.replace(u'\\', QStringLiteral("\\\\"));
    exec.replace(u'\n', QStringLiteral("\\n"));
    exec.replace(u'\t', QStringLiteral("\\t"));
    exec.replace(u'\r', QStringLiteral("\\r"));
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Velmora\n"
                          "Comment=Редактор скриптов для игр Operation Flashpoint и Armed Assault\n"
                          "Exec=%1\n"
                          "Icon=accessories-text-editor\n"
                          "Terminal=false\n"
                          "MimeType=%2;\n")
        .arg(exec, mimeTypes.join(u';'))
        .toUtf8();
}

QString FileTypeRegistration::execArgument(const QString &path)
{
    static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = path.isEmpty();
    for (QChar c : path)
        quote = quote || kReserved.contains(c);
    QString arg;
    for (QChar c : path) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            arg += u'\\';
        arg += c;
        if (c == u'%')
            arg += u'%'; // a field code otherwise
    }
    return quote ? u'"' + arg + u'"' : arg;
}

QByteArray FileTypeRegistration::withDefaultApplication(const QByteArray &mimeApps, const QString &mimeType,
                                                        const QString &desktopId)
{
    QStringList lines = QString::fromUtf8(mimeApps).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QString entry = mimeType + u'=' + desktopId;
    qsizetype section = -1, insertAt = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith(u'[')) {
            if (section >= 0)
                break;
            if (line == u"[Default Applications]")
                section = insertAt = i + 1;
            continue;
        }
        if (section < 0)
            continue;
        if (line.section(u'=', 0, 0).trimmed() == mimeType) {
            lines[i] = entry;
            return (lines.join(u'\n') + u'\n').toUtf8();
        }
        if (!line.isEmpty())
            insertAt = i + 1;
    }
    if (section >= 0) {
        lines.insert(insertAt, entry);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines.append(QStringLiteral("[Default Applications]"));
        lines.append(entry);
    }
    return (lines.join(u'\n') + u'\n').toUtf8();
}

QStringList FileTypeRegistration::mimeTypesOf(const QByteArray &desktopEntry)
{
    for (const QString &line : QString::fromUtf8(desktopEntry).split(u'\n'))
        if (line.startsWith(QStringLiteral("MimeType=")))
            return line.mid(9).trimmed().split(u';', Qt::SkipEmptyParts);
    return {};
}
