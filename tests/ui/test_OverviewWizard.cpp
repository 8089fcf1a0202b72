// The overview wizard: the picture check, insert and save in both games.
#include "../JpegMaker.h"
#include "WizardFixture.h"

#include "text/Cp1251.h"
#include "wizards/OverviewPage.h"
#include "wizards/OverviewWizard.h"

#include <QPlainTextEdit>
#include <QSpinBox>

namespace {

class OverviewWizardTest : public WizardFixture
{
protected:
    void SetUp() override
    {
        WizardFixture::SetUp();
        QDir().mkpath(path(QStringLiteral("mission")));
        start();
        scope = windows->overviewWizard();
        scope->show();
    }
    QString picture(const QString &name) const { return path(QStringLiteral("mission/") + name); }
    int width() { return control<QSpinBox>("Wid")->value(); }
    int height() { return control<QSpinBox>("Hei")->value(); }
    void choose(const QString &name)
    {
        chosen.push_back(picture(name));
        click("FilenameEdit1Browse");
    }
};

const QString kWidthLine = QStringLiteral("Ширина картинки не является степенью числа 2. Текущее значение:");
const QString kHeightLine = QStringLiteral("Высота картинки не является степенью числа 2. Текущее значение:");
const QString kWarning = QStringLiteral("Внимание! Найдены следующие ошибки:\r\n");
const QString kBadExtension = QStringLiteral("Внимание! Неправильное расширение файла. Поддерживаются только "
                                             "следующие расширения: .jpg .paa .pac");

} // namespace

TEST_F(OverviewWizardTest, PictureCheck)
{
    const QByteArray good = makeJpeg(512, 256);
    struct Case
    {
        const char *name;
        QByteArray bytes;
        int width, height; // the sides afterwards; 7 x 9 is what they held before
        QStringList messages;
    };
    const Case cases[] = {
        {"good.jpg", good, 512, 256, {}},
        {"wide.jpg", makeJpeg(500, 256), 500, 256, {kWarning + kWidthLine + "500\r\n"}},
        {"dot.jpg", makeJpeg(1, 1), 1, 1, {kWarning + kWidthLine + "1\r\n" + kHeightLine + "1\r\n"}},
        {"PIC.JPG", good, 512, 256, {}},
        {"map.jpg.bak", good, 512, 256, {}},
        {"photo.jpeg", good, 7, 9, {kBadExtension}},
        {"cut.jpg", good.left(good.size() / 2), 7, 9, {"JPEG error #"}},
        {"texture.paa", QByteArray("\x01\x00\x02GGAT", 7), 7, 9, {"JPEG error #"}},
    };
    const int beeps = Dialogs::beepCount();
    for (const Case &c : cases) {
        const QString name = QString::fromLatin1(c.name);
        put(QStringLiteral("mission/") + name, c.bytes);
        control<QSpinBox>("Wid")->setValue(7);
        control<QSpinBox>("Hei")->setValue(9);
        messages.clear();
        choose(name);
        EXPECT_EQ(fieldText("FilenameEdit1"), name);
        EXPECT_EQ(width(), c.width) << c.name;
        EXPECT_EQ(height(), c.height) << c.name;
        ASSERT_EQ(messages.size(), size_t(c.messages.size())) << c.name;
        if (!c.messages.isEmpty()) {
            EXPECT_TRUE(messages[0].text.startsWith(c.messages[0])) << c.name;
        }
    }
    EXPECT_EQ(Dialogs::beepCount() - beeps, 1); // the wrong extension

    // A typed name is looked for where the last picture was chosen; a missing one says nothing.
    put(QStringLiteral("mission/other.jpg"), makeJpeg(64, 32));
    messages.clear();
    setText("FilenameEdit1", QStringLiteral("\"other.jpg\""));
    EXPECT_EQ(fieldText("FilenameEdit1"), QStringLiteral("other.jpg"));
    EXPECT_EQ(width(), 64);
    setText("FilenameEdit1", QStringLiteral("missing.jpg"));
    EXPECT_EQ(width(), 64);
    EXPECT_TRUE(messages.empty());
}

TEST_F(OverviewWizardTest, QuotedPictureNameIsRefused)
{
    setText("FilenameEdit1", QStringLiteral("\"a\"b\".jpg"));
    EXPECT_EQ(fieldText("FilenameEdit1"), QStringLiteral("ab\".jpg"));
    click("Button2");
    click("Button3");
    EXPECT_EQ(text(), QString());
    EXPECT_TRUE(fileDialogs.empty());
    ASSERT_EQ(messages.size(), 3u);
    for (const Dialogs::Message &m : messages)
        EXPECT_EQ(m.kind, Dialogs::Kind::Error);
    EXPECT_TRUE(scope->isVisible());
}

TEST_F(OverviewWizardTest, InsertAndSaveInBothGames)
{
    setText("Edit1", QStringLiteral("Рассвет"));
    control<QPlainTextEdit>("Memo1")->setPlainText(QStringLiteral("one\ntwo"));
    setText("FilenameEdit1", QStringLiteral("pic.jpg"));
    control<QSpinBox>("Wid")->setValue(256);
    control<QSpinBox>("Hei")->setValue(128);
    const QString page = buildOverviewPage({QStringLiteral("Рассвет"), QStringLiteral("one\r\ntwo"),
                                            QStringLiteral("pic.jpg"), 256, 128});
    ASSERT_TRUE(page.contains(QStringLiteral("one<br>\r\ntwo")));

    click("Button2");
    EXPECT_EQ(text(), page);
    EXPECT_EQ(takeMessages(), QStringList{u"Оверьвью создан и вставлен в позицию курсора."_qs});
    EXPECT_FALSE(scope->isVisible());

    ProgramState::gameMode = QStringLiteral("OFP");
    chosen.push_back(path(QStringLiteral("ofp.html")));
    click("Button3");
    ASSERT_EQ(fileDialogs.size(), 1u);
    EXPECT_EQ(fileDialogs[0]->objectName(), QStringLiteral("SAVD"));
    EXPECT_EQ(bytes(QStringLiteral("ofp.html")), Cp1251::encode(page));
    EXPECT_TRUE(bytes(QStringLiteral("ofp.html")).contains("\r\n\xD0\xE0\xF1\xF1\xE2\xE5\xF2\r\n"));

    ProgramState::gameMode = QStringLiteral("ArmA");
    chosen.push_back(path(QStringLiteral("arma.html")));
    click("Button3");
    EXPECT_EQ(bytes(QStringLiteral("arma.html")), page.toUtf8());
    EXPECT_EQ(takeMessages(), QStringList(2, u"Файл овервью успешно сохранен"_qs));

    click("Button3"); // cancelled: nothing written, nothing said
    EXPECT_TRUE(messages.empty());
}
