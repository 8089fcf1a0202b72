// Saving where the file system refuses: the old file stays whole, the text stays modified, the
// error names the file and the reason, and nothing is reported as saved. For a document, a
// wizard's file and config.ini at exit.
#include "WizardFixture.h"

#include "wizards/BriefingWizard.h"

#include <cerrno>
#include <sys/stat.h>

class SaveFailures : public WizardFixture
{
protected:
    // One way the file system refuses: it prepares the file at `file` (holding "old" where a file
    // can be) and runs the save under its condition.
    struct Refusal
    {
        const char *what;
        const char *folder; // where the file goes, made afresh for each save
        int reason; // the system's error, whose text the message gives; 0: any
        std::function<void(SaveFailures &, const QString &file)> prepare;
        std::function<void(const std::function<void()> &save)> during = [](const auto &save) { save(); };
    };

    static void asNobody(const std::function<void()> &save)
    {
        const AsUnprivilegedUser nobody;
        save();
    }
    // The refusals this user can bring about: only root can own a file another user may write.
    static std::vector<Refusal> refusals()
    {
        std::vector<Refusal> rows = {
            {"a read-only folder", "locked", EACCES,
             [](SaveFailures &t, const QString &file) {
                 t.put(file, "old");
                 chmod(QFile::encodeName(t.dir.path()).constData(), 0755);
                 chmod(QFile::encodeName(QFileInfo(t.path(file)).path()).constData(), 0555);
             },
             asNobody},
            {"a full disk", "full", EFBIG, [](SaveFailures &t, const QString &file) { t.put(file, "old"); },
             [](const auto &save) {
                 const FileSizeLimit full(4);
                 save();
             }},
            {"a folder that vanished", "gone", ENOENT,
             [](SaveFailures &t, const QString &) { QDir(t.path("gone")).removeRecursively(); }},
            {"a folder where the file was", "folder", 0,
             [](SaveFailures &t, const QString &file) { QDir().mkpath(t.path(file)); }},
        };
        // Root's file in a sticky folder: nobody writes the temporary file beside it in full, but may
        // not rename it over another user's file, so the save fails only as it ends.
        if (geteuid() == 0)
            rows.push_back({"another user's file in a sticky folder", "sticky", EPERM,
                            [](SaveFailures &t, const QString &file) {
                                t.put(file, "old");
                                chmod(QFile::encodeName(t.path(file)).constData(), 0666);
                                chmod(QFile::encodeName(t.dir.path()).constData(), 0755);
                                chmod(QFile::encodeName(QFileInfo(t.path(file)).path()).constData(), 01777);
                            },
                            asNobody});
        return rows;
    }
    static constexpr const char *kNotRoot = "not root: a file replaced only at the end of the save was not tried";
    // The file of one save under a refusal, in a folder of its own.
    QString prepared(const Refusal &r, const QString &name)
    {
        const QString file = QLatin1String(r.folder) + u'/' + name;
        QDir(dir.path()).mkpath(QLatin1String(r.folder));
        r.prepare(*this, file);
        return file;
    }

    // One error naming the file and the reason; no other message; the old bytes where they were.
    void expectRefused(const Refusal &r, const QString &file, const char *old)
    {
        ASSERT_EQ(messages.size(), 1u) << r.what;
        EXPECT_EQ(messages[0].kind, Dialogs::Kind::Error) << r.what;
        EXPECT_TRUE(messages[0].text.contains(path(file))) << r.what << ": " << messages[0].text.toStdString();
        if (r.reason != 0) {
            EXPECT_TRUE(messages[0].text.endsWith(qt_error_string(r.reason))) << r.what << ": " << messages[0].text.toStdString();
        }
        if (QFileInfo(path(file)).isFile()) {
            EXPECT_EQ(bytes(file), QByteArray(old)) << r.what;
        }
        messages.clear();
    }
};

TEST_F(SaveFailures, ADocumentStaysModifiedAndTheOldFileWhole)
{
    for (const Refusal &r : refusals()) {
        start();
        const QString file = prepared(r, "doc.sqs");
        mainWindow()->setEditorText("new text");
        mainWindow()->nameDocument(path(file));
        bool saved = true;
        r.during([&] { saved = mainWindow()->save(); });
        EXPECT_FALSE(saved) << r.what;
        EXPECT_TRUE(mainWindow()->modified()) << r.what;
        expectRefused(r, file, "old");
        windows.reset();
    }
    if (geteuid() != 0)
        GTEST_SKIP() << kNotRoot;
}

// A file deleted while it is open is no failure: Save writes it anew.
TEST_F(SaveFailures, AFileDeletedWhileOpenIsWrittenAnew)
{
    startWith("doc.sqs", "old");
    QFile::remove(path("doc.sqs"));
    editor()->insert("new ");
    ASSERT_TRUE(mainWindow()->save());
    EXPECT_EQ(bytes("doc.sqs"), QByteArray("new old"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(SaveFailures, AWizardReportsNothingAsSavedAndStaysOpen)
{
    for (const Refusal &r : refusals()) {
        start();
        const QString file = prepared(r, "briefing.html");
        scope = windows->briefingWizard();
        scope->show();
        chosen.push_back(path(file));
        const bool replacing = QFileInfo(path(file)).isFile();
        if (replacing)
            answers.push_back(Dialogs::Answer::Yes);
        r.during([&] { click(kBriefingSave); });
        if (replacing) { // the user agreed to replace the file first
            ASSERT_FALSE(messages.empty()) << r.what;
            EXPECT_EQ(messages[0].kind, Dialogs::Kind::Question) << r.what;
            messages.erase(messages.begin());
        }
        expectRefused(r, file, "old");
        EXPECT_TRUE(scope->isVisible()) << r.what;
        windows.reset();
    }
    if (geteuid() != 0)
        GTEST_SKIP() << kNotRoot;
}

// The settings cannot be kept, but the user can still quit.
TEST_F(SaveFailures, AnUnwritableConfigIsReportedAndTheProgramCloses)
{
    const QByteArray old = "[options]\r\nwrap=1\r\n";
    writeConfig(old);
    start();
    EXPECT_TRUE([this] {
        const FileSizeLimit full(8);
        return closeMain();
    }());
    EXPECT_TRUE(onlyMessage(Dialogs::Kind::Error).contains(configPath()));
    EXPECT_EQ(bytes("config.ini"), old);
    windows.reset();
    QFile::remove(configPath());
    QDir().mkpath(configPath()); // a folder in its place
    start();
    EXPECT_TRUE(closeMain());
    EXPECT_TRUE(onlyMessage(Dialogs::Kind::Error).contains(configPath()));
}
