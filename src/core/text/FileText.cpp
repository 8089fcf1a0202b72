// Reading and writing whole files, with the system's reason in every error.
#include "text/FileText.h"

#include "AppError.h"

#include <QFile>
#include <QSaveFile>

QByteArray loadFileToString(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    return bytes;
}

QString writeWholeFile(const QByteArray &bytes, const QString &fileName)
{
    QSaveFile file(fileName);
    // Unbuffered, so that a failing write shows here: a buffered one fails only while
    // committing, and the truncated file would replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // A short write (a full disk, a size limit) sets no error; writing the rest does.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        written += n;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

void saveTextToFile(const QByteArray &bytes, const QString &fileName)
{
    const QString reason = writeWholeFile(bytes, fileName);
    if (!reason.isEmpty())
        throw AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, reason));
}

QString replaceAll(const QString &text, const QString &pattern, const QString &replacement)
{
    if (pattern.isEmpty())
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype at; (at = text.indexOf(pattern, from)) >= 0; from = at + pattern.size()) {
        result.append(QStringView(text).mid(from, at - from));
        result.append(replacement);
    }
    result.append(QStringView(text).mid(from));
    return result;
}
