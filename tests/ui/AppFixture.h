// A program folder of the test's own, the answers to message boxes and file dialogs, and the windows.
#pragma once

#include "../TestUtil.h"
#include "AppPaths.h"
#include "Names.h"
#include "app/AppWindows.h"
#include "editor/MainWindow.h"
#include "editor/ScriptLexer.h"
#include "editor/StatusBar.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/ModalDialogs.h"
#include "text/FileText.h"

#include <QtTest>
#include <QtWidgets>
#include <Qsci/qsciscintilla.h>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

class AppFixture : public ::testing::Test
{
protected:
    static constexpr const char *kEnvironment[] = {"WINEPREFIX", "XDG_DATA_HOME", "XDG_CONFIG_HOME"};
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
        for (const char *name : kEnvironment) // the Wine prefix and the desktop's files: the test's own
            qputenv(name, path(name).toUtf8());
        beeps = Dialogs::beepCount();
        Dialogs::setHandler([this](const Dialogs::Message &m) {
            messages.push_back(m);
            if (answers.empty())
                return Dialogs::Answer::Ok;
            const Dialogs::Answer a = answers.front();
            answers.pop_front();
            return a;
        });
        ModalDialogs::setFileHandler([this](QFileDialog &dialog) {
            fileDialogs.push_back(&dialog);
            if (inFileDialog)
                inFileDialog(dialog);
            if (chosen.empty())
                return QString();
            const QString picked = chosen.front();
            chosen.pop_front();
            return picked;
        });
    }

    void TearDown() override
    {
        windows.reset();
        Dialogs::setHandler(nullptr);
        ModalDialogs::setFileHandler(nullptr);
        ModalDialogs::setConfirmHandler(nullptr);
        Launcher::setHandler(nullptr);
        AppPaths::setExeDirOverride(QString());
        for (const char *name : kEnvironment)
            qunsetenv(name);
    }

    void start(const QStringList &arguments = {})
    {
        windows = std::make_unique<AppWindows>(arguments);
        QObject::connect(mainWindow(), &MainWindow::exitRequested, [this] { ++terminations; });
    }
    // Starts with a file of the test's folder, holding `bytes`, named on the command line.
    void startWith(const QString &name, const QByteArray &bytes)
    {
        put(name, bytes);
        start({path(name)});
    }
    // Closes the program as the user would and starts it again on the config.ini it wrote.
    void restart()
    {
        ASSERT_TRUE(closeMain());
        windows.reset();
        start();
    }
    MainWindow *mainWindow() const { return windows->mainWindow(); }
    QsciScintilla *editor() const { return mainWindow()->editor(); }
    // What a test reads must be there: a missing one fails the test, which GoogleTest reports from
    // the exception, instead of crashing it.
    template <class T>
    static T *existing(T *found, const QString &what)
    {
        if (!found)
            throw std::runtime_error("missing: " + what.toStdString());
        return found;
    }
    // A control of any of the program's windows, by its objectName; the name must be unique
    // among them (several windows have a "Button1": look those up in their own window).
    template <class T = QWidget>
    T *find(const char *name) const
    {
        QSet<T *> found; // a dialog is a top-level window and its owner's child
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *self = qobject_cast<T *>(top); self && top->objectName() == QLatin1String(name))
                found.insert(self);
            for (T *child : top->findChildren<T *>(QLatin1String(name)))
                found.insert(child);
        }
        if (found.size() > 1)
            ADD_FAILURE() << found.size() << " controls named " << name;
        return existing(found.isEmpty() ? nullptr : *found.begin(), name);
    }
    // A control of one window, by its objectName: several windows share names such as "Button1".
    template <class T = QWidget>
    static T *control(const QObject *window, const char *name)
    {
        return existing(window ? window->findChild<T *>(QLatin1String(name)) : nullptr,
                        QString(name) + " in " + (window ? window->objectName() : QStringLiteral("no window")));
    }
    // The same, the window named by its objectName.
    template <class T = QWidget>
    T *control(const char *window, const char *name) const { return control<T>(find(window), name); }
    QAction *action(const char *name) const { return find<QAction>(name); }
    QMenu *menu(const char *name) const { return find<QMenu>(name); }
    // The captions of a menu's items, in order.
    QStringList menuTexts(const char *name) const
    {
        QStringList texts;
        for (const QAction *item : menu(name)->actions())
            texts << item->text();
        return texts;
    }
    // Item `index` of a menu, counted from its end when negative.
    QAction *menuItem(const char *name, qsizetype index) const
    {
        const QList<QAction *> items = menu(name)->actions();
        return existing(items.value(index < 0 ? items.size() + index : index), QString("item %1 of %2").arg(index).arg(name));
    }
    // The item of a menu captioned `caption`.
    QAction *menuItem(const char *name, const QString &caption) const
    {
        return existing(menu(name)->actions().value(menuTexts(name).indexOf(caption)), caption + " in " + name);
    }
    static void press(const QObject *window, const char *button) { control<QAbstractButton>(window, button)->click(); }
    // The main window shown and active, as the keys of its menus need it.
    void showActive()
    {
        mainWindow()->show();
        mainWindow()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow()));
    }
    // Closes the main window as the user would; true when it closed.
    bool closeMain()
    {
        mainWindow()->show();
        return mainWindow()->close();
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    QString configPath() const { return path(QStringLiteral("config.ini")); }
    void writeConfig(const QByteArray &text) { saveTextToFile(text, configPath()); }
    QString config() const { return QString::fromUtf8(loadFileToString(configPath())); }
    // What config.ini holds of the settings, the window placements after them left out.
    QByteArray writtenSettings() const
    {
        const QByteArray written = loadFileToString(configPath());
        return written.first(written.indexOf("[position]"));
    }
    // A file of the test's folder, in folders made as needed.
    void put(const QString &name, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path(name)).path());
        saveTextToFile(bytes, path(name));
    }
    QByteArray bytes(const QString &name) const { return loadFileToString(path(name)); }
    QString text() const { return mainWindow()->editorText(); }
    void type(const QString &s) { editor()->insert(s); }
    QString gamePanel() const { return mainWindow()->statusPanels()->panelText(StatusBar::kGameModePanel); }
    int newBeeps() const { return Dialogs::beepCount() - beeps; } // since the test began
    // The file name the last file dialog proposed.
    QString proposedName() const
    {
        return fileDialogs.empty() ? QString() : QFileInfo(fileDialogs.back()->selectedFiles().value(0)).fileName();
    }
    // The text of the one message shown since the last look, which must be of `kind`; then forgets it.
    QString onlyMessage(Dialogs::Kind kind)
    {
        EXPECT_EQ(messages.size(), 1u);
        const QString text = messages.empty() ? QString() : messages[0].text;
        EXPECT_TRUE(!messages.empty() && messages[0].kind == kind) << text.toStdString();
        messages.clear();
        return text;
    }
    // The texts of the messages shown so far, then forgets them.
    QStringList takeMessages()
    {
        QStringList texts;
        for (const Dialogs::Message &m : messages)
            texts << m.text;
        messages.clear();
        return texts;
    }

    QTemporaryDir dir;
    std::unique_ptr<AppWindows> windows;
    std::vector<Dialogs::Message> messages;
    std::deque<Dialogs::Answer> answers; // none left means Ok
    int beeps = 0;
    int terminations = 0; // the program's ends asked for, which the tests do not carry out
    std::deque<QString> chosen;             // the user's picks in file dialogs; none left: Cancel
    std::vector<QFileDialog *> fileDialogs; // every file dialog shown, in order
    std::function<void(QFileDialog &)> inFileDialog; // what the user does in a file dialog first
};
