// The XDG files that make the editor the program of the mission file types.
#include "../TestUtil.h"
#include "system/FileTypeRegistration.h"
#include "text/FileText.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

namespace {

const FileType &typeNamed(const char *name)
{
    for (const FileType &t : FileTypeRegistration::types())
        if (qstrcmp(t.name, name) == 0)
            return t;
    throw std::logic_error(name);
}

QMap<QString, QByteArray> filesUnder(const QString &root)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files.insert(path.mid(root.size()), loadFileToString(path));
    }
    return files;
}

} // namespace

TEST(FileTypes, ExecArgumentDefaultApplicationLinesAndOnlyTheChosenTypesWithTheSameFilesTwice)
{
    const std::pair<const char *, const char *> cases[] = {
        {"/usr/bin/velmora", "/usr/bin/velmora"},
        {"/opt/my apps/velmora", "\"/opt/my apps/velmora\""},
        {"/opt/Ed \"x\"/velmora", "\"/opt/Ed \\\"x\\\"/velmora\""},
        {"/opt/100%/velmora", "/opt/100%%/velmora"},
        {"/opt/a$b/`c`\\d", "\"/opt/a\\$b/\\`c\\`\\\\d\""},
        {"/opt/it's", "\"/opt/it's\""},
    };
    for (const auto &[path, exec] : cases)
        EXPECT_EQ(FileTypeRegistration::execArgument(QString(path)), QString(exec)) << path;
    // The file format's own escapes come on top: a quoted backslash is written twice over.
    EXPECT_TRUE(FileTypeRegistration::desktopEntry("/a b/\"v\"", {"text/x-sqs"})
                    .contains("\nExec=\"/a b/\\\\\"v\\\\\"\" %f\n"));
    const std::pair<const char *, const char *> mimeApps[] = {
        {"", "[Default Applications]\ntext/x-sqs=velmora.desktop\n"},
        {"[Added Associations]\ntext/plain=a.desktop;\n",
         "[Added Associations]\ntext/plain=a.desktop;\n\n[Default Applications]\ntext/x-sqs=velmora.desktop\n"},
        {"[Default Applications]\ntext/plain=a.desktop\n\n[Other]\nx=y\n",
         "[Default Applications]\ntext/plain=a.desktop\ntext/x-sqs=velmora.desktop\n\n[Other]\nx=y\n"},
        {"[Default Applications]\ntext/x-sqs=kate.desktop\ntext/x-sqsx=b.desktop\n",
         "[Default Applications]\ntext/x-sqs=velmora.desktop\ntext/x-sqsx=b.desktop\n"},
        {"[Other]\ntext/x-sqs=kate.desktop", "[Other]\ntext/x-sqs=kate.desktop\n\n[Default Applications]\ntext/x-sqs=velmora.desktop\n"},
    };
    for (const auto &[before, after] : mimeApps)
        EXPECT_EQ(FileTypeRegistration::withDefaultApplication(before, "text/x-sqs", "velmora.desktop"), after)
            << before;
    QTemporaryDir dir;
    const FileTypeRegistration reg(dir.filePath("data"), dir.filePath("config"), "/opt/my apps/velmora");
    reg.registerType(typeNamed("SQF"));
    const auto once = filesUnder(dir.path());
    EXPECT_EQ(once.keys(), QStringList({"/config/mimeapps.list", "/data/applications/velmora.desktop",
                                        "/data/mime/packages/velmora-sqf.xml"}));
    EXPECT_TRUE(matchesGolden(once["/data/mime/packages/velmora-sqf.xml"], "velmora-sqf.xml"));
    EXPECT_TRUE(matchesGolden(once["/data/applications/velmora.desktop"], "velmora.desktop"));
    EXPECT_EQ(once["/config/mimeapps.list"], "[Default Applications]\ntext/x-sqf=velmora.desktop\n");
    reg.registerType(typeNamed("SQF"));
    EXPECT_EQ(filesUnder(dir.path()), once);
    reg.registerType(typeNamed("CSV")); // the desktop's own type: no package
    const auto twice = filesUnder(dir.path());
    EXPECT_EQ(twice.size(), 3);
    EXPECT_TRUE(twice["/data/applications/velmora.desktop"].contains("\nMimeType=text/x-sqf;text/csv;\n"));
    EXPECT_EQ(twice["/config/mimeapps.list"],
              "[Default Applications]\ntext/x-sqf=velmora.desktop\ntext/csv=velmora.desktop\n");
}

