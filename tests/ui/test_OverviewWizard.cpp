// The overview wizard: the picture check, insert and save in both games.
#include "../JpegMaker.h"
#include "WizardFixture.h"

#include "text/Cp1251.h"
#include "wizards/OverviewPage.h"
#include "wizards/OverviewWizard.h"

#include <QPlainTextEdit>
#include <QSpinBox>

class OverviewWizardTest : public WizardFixture
{
protected:
    void SetUp() override
    {
        WizardFixture::SetUp();
        start();
        open(windows->overviewWizard());
    }
    QSize sides() { return {control<QSpinBox>("Wid")->value(), control<QSpinBox>("Hei")->value()}; }
    void setSides(int width, int height)
    {
        control<QSpinBox>("Wid")->setValue(width);
        control<QSpinBox>("Hei")->setValue(height);
    }
};

// Which sides are powers of two, which extensions pass and how JPEG data fails is checked in
// the core tests; here the window reads the chosen picture and shows what it found.
TEST_F(OverviewWizardTest, PictureCheck)
{
    const QByteArray good = makeJpeg(512, 256);
    const std::tuple<const char *, QByteArray, QSize, QString> cases[] = {
        // the name, the bytes, the sides afterwards (7 x 9 before), how the message begins
        {"good.jpg", good, {512, 256}, {}},
        {"wide.jpg", makeJpeg(500, 256), {500, 256},
         u"Внимание! Найдены следующие ошибки:\r\n"
         u"Ширина картинки не является степенью числа 2. Текущее значение:500\r\n"_qs},
        {"photo.jpeg", good, {7, 9},
         u"Внимание! Неправильное расширение файла. Поддерживаются только следующие расширения: .jpg .paa .pac"_qs},
        {"cut.jpg", good.left(good.size() / 2), {7, 9}, "JPEG error #"},
    };
    for (const auto &[name, content, size, message] : cases) {
        put(QStringLiteral("mission/") + name, content);
        setSides(7, 9);
        messages.clear();
        chosen.push_back(path(QStringLiteral("mission/") + name));
        click("FilenameEdit1Browse");
        EXPECT_EQ(fieldText("FilenameEdit1"), QString(name));
        EXPECT_EQ(sides(), size) << name;
        ASSERT_EQ(messages.size(), message.isEmpty() ? 0u : 1u) << name;
        EXPECT_TRUE(message.isEmpty() || messages[0].text.startsWith(message)) << name;
    }
    EXPECT_EQ(newBeeps(), 1); // the wrong extension

    // A typed name is looked for where the last picture was chosen; a missing one says nothing.
    put(QStringLiteral("mission/other.jpg"), makeJpeg(64, 32));
    messages.clear();
    setText("FilenameEdit1", QStringLiteral("\"other.jpg\""));
    EXPECT_EQ(fieldText("FilenameEdit1"), QStringLiteral("other.jpg"));
    EXPECT_EQ(sides(), QSize(64, 32));
    setText("FilenameEdit1", QStringLiteral("missing.jpg"));
    EXPECT_EQ(sides(), QSize(64, 32));
    EXPECT_TRUE(messages.empty());
}

TEST_F(OverviewWizardTest, AQuotedPictureNameIsRefusedAPlainOneInsertedAndSavedInBothGames)
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
    messages.clear();

    setText("Edit1", QStringLiteral("Рассвет"));
    control<QPlainTextEdit>("Memo1")->setPlainText(QStringLiteral("one\ntwo"));
    setText("FilenameEdit1", QStringLiteral("pic.jpg"));
    setSides(256, 128);
    const QString page = buildOverviewPage({QStringLiteral("Рассвет"), QStringLiteral("one\r\ntwo"),
                                            QStringLiteral("pic.jpg"), 256, 128});

    click("Button2");
    EXPECT_EQ(text(), page);
    EXPECT_EQ(takeMessages(), QStringList{u"Оверьвью создан и вставлен в позицию курсора."_qs});
    EXPECT_FALSE(scope->isVisible());

    saveAs("Button3", QStringLiteral("ofp.html"));
    EXPECT_EQ(bytes(QStringLiteral("ofp.html")), Cp1251::encode(page));

    mainWindow()->setGame(Game::Arma);
    saveAs("Button3", QStringLiteral("arma.html"));
    EXPECT_EQ(bytes(QStringLiteral("arma.html")), page.toUtf8());
    EXPECT_EQ(takeMessages(), QStringList(2, u"Файл овервью успешно сохранен"_qs));

    click("Button3"); // cancelled: nothing written, nothing said
    EXPECT_TRUE(messages.empty());
}
