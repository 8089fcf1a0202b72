// A Windows-style ini file: every call reads or writes the file itself, so several
// objects (and the user's editor between runs) can share it without losing keys.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Decimal, "$" hexadecimal or "0x" hexadecimal, as 32-bit signed; nothing for other text.
std::optional<qint32> parseIniInteger(QStringView text);

class IniFile
{
public:
    explicit IniFile(QString fileName) : m_fileName(std::move(fileName)) {}

    const QString &fileName() const { return m_fileName; }

    // Section and key names compare without case; a missing file reads as empty.
    QString readString(const QString &section, const QString &key, const QString &def) const;
    qint32 readInteger(const QString &section, const QString &key, qint32 def) const;
    bool readBool(const QString &section, const QString &key, bool def) const;
    // Throws AppError for a value that is neither a colour identifier nor a number.
    qint32 readColor(const QString &section, const QString &key, qint32 def) const;
    bool valueExists(const QString &section, const QString &key) const;
    QStringList readSectionKeys(const QString &section) const;

    // Each write rewrites the file; failure throws AppError "Unable to write to ...".
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, qint32 value);
    void writeBool(const QString &section, const QString &key, bool value);
    void writeColor(const QString &section, const QString &key, qint32 value);
    void deleteKey(const QString &section, const QString &key);
    void eraseSection(const QString &section);

private:
    QStringList loadLines() const;
    void saveLines(const QStringList &lines);

    QString m_fileName;
};
