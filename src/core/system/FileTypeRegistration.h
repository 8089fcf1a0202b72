// Making this editor the desktop's program for the mission file types, in the user's own XDG
// folders: a MIME package per type, one .desktop entry and the default-application lines.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

struct FileType
{
    const char *name;       // as the dialog shows it: "SQS"
    const char *extension;  // "sqs"
    const char *programId;  // the type's name in the program's registrations: "sqs_script"
    const char *mimeType;   // "text/x-sqs"
    bool ownMimeType;       // false for a type the desktop already knows (CSV)
};

class FileTypeRegistration
{
public:
    // The five types, in the order of the dialog's check boxes.
    static const std::array<FileType, 5> &types();

    static inline const QString kDesktopId = QStringLiteral("velmora.desktop");

    // dataHome: $XDG_DATA_HOME; configHome: $XDG_CONFIG_HOME; executable: the program to start.
    FileTypeRegistration(QString dataHome, QString configHome, QString executable);

    // Writes the type's files; registering again rewrites the same content. Earlier types stay
    // registered. Throws AppError naming the file that could not be written.
    void registerType(const FileType &type) const;

    QString packagePath(const FileType &type) const;
    QString desktopEntryPath() const;
    QString mimeAppsPath() const;

    // The pieces, for the tests.
    static QByteArray mimePackage(const FileType &type);
    static QByteArray desktopEntry(const QString &executable, const QStringList &mimeTypes);
    // The program path as one argument of an Exec line, quoted and escaped as desktop entries require.
    static QString execArgument(const QString &path);
    // mimeapps.list with `mimeType` going to `desktopId`; every other line kept.
    static QByteArray withDefaultApplication(const QByteArray &mimeApps, const QString &mimeType,
                                             const QString &desktopId);
    // The MimeType list of an existing entry.
    static QStringList mimeTypesOf(const QByteArray &desktopEntry);

private:
    QString m_dataHome;
    QString m_configHome;
    QString m_executable;
};
