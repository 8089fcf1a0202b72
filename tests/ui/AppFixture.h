// A program folder of the test's own, the answers to message boxes, and the windows.
#pragma once

#include "AppPaths.h"
#include "mainwindow/AppStart.h"
#include "mainwindow/Unit1.h"
#include "platform/Dialogs.h"
#include "text/FileText.h"

#include <QDir>
#include <QDirIterator>
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
        const QString fixture = QStringLiteral(VELMORA_SOURCE_DIR "/tests/fixtures/exe");
        for (QDirIterator it(fixture, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString from = it.next(), to = dir.path() + from.mid(fixture.size());
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
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

    QString path(const QString &name) const { return dir.filePath(name); }
    QString configPath() const { return path(QStringLiteral("config.ini")); }
    void writeConfig(const QByteArray &text) { SaveTextToFile(text, configPath()); }
    QString config() const { return QString::fromUtf8(LoadFileToString(configPath())); }
    void put(const QString &name, const QByteArray &bytes) { SaveTextToFile(bytes, path(name)); }
    QByteArray bytes(const QString &name) const { return LoadFileToString(path(name)); }
    QString text() const { return Form1->editorText(); }
    void type(const QString &s) { Form1->SynEdit1->insert(s); }
    QString gamePanel() const { return Form1->StatusBar1->panelText(TStatusBar::kGameModePanel); }

    QTemporaryDir dir;
    std::unique_ptr<AppStart::Windows> windows;
    std::vector<Dialogs::Message> messages;
    std::deque<Dialogs::Answer> answers; // none left means Ok
};
