// The edited document's name: the file Save writes, and whether the text has one yet.
#pragma once

#include <QString>

class Document
{
public:
    // Full path of the file; empty until the first open or Save As. A new text keeps the last one,
    // whose folder the next Save As starts in.
    const QString &path() const { return m_path; }
    // Never saved nor opened: Save asks for a name.
    bool isNew() const { return m_new; }

    // The text is the file at `path` from here on.
    void name(const QString &path)
    {
        m_path = path;
        m_new = false;
    }
    void renew() { m_new = true; }

private:
    QString m_path;
    bool m_new = true;
};
