// A program folder of the test's own, the answers to message boxes, and the windows.
#pragma once

#include "AppPaths.h"
#include "mainwindow/AppStart.h"
#include "mainwindow/Unit1.h"
#include "platform/Dialogs.h"
#include "text/FileText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

class AppFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        copyTree(QStringLiteral(VELMORA_SOURCE_DIR "/tests/fixtures/exe"), dir.path());
        AppPaths::setExeDirOverride(dir.path());
        Dialogs::setHandler([this](const Dialogs::Message &m) {
            messages.push_back(m);
            if (answers.empty())
                return Dialogs::Answer::Ok;
            const Dialogs::Answer a = answers.front();
            answers.pop_front();
            return a;
        });
    }

    void TearDown() override
    {
        windows.reset();
        Dialogs::setHandler(nullptr);
        AppPaths::setExeDirOverride(QString());
    }

    void start(const QStringList &arguments = {}) { windows = std::make_unique<AppStart::Windows>(arguments); }

    // Closes the main window as the user would; true when it closed.
    bool closeMain()
    {
        Form1->show();
        return Form1->close();
    }

    QString configPath() const { return dir.filePath(QStringLiteral("config.ini")); }
    void writeConfig(const QByteArray &text) { SaveTextToFile(text, configPath()); }
    QString config() const { return QString::fromUtf8(LoadFileToString(configPath())); }
    QString path(const QString &name) const { return dir.filePath(name); }

    static void copyTree(const QString &from, const QString &to)
    {
        QDir source(from);
        QDir().mkpath(to);
        for (const QString &f : source.entryList(QDir::Files))
            QFile::copy(source.filePath(f), to + u'/' + f);
        for (const QString &d : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            copyTree(source.filePath(d), to + u'/' + d);
    }

    QTemporaryDir dir;
    std::unique_ptr<AppStart::Windows> windows;
    std::vector<Dialogs::Message> messages;
    std::deque<Dialogs::Answer> answers;
};
