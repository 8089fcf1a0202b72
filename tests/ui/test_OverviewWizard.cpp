// The overview wizard: the picture check, insert and save in both games.
#include "../JpegMaker.h"
#include "WizardFixture.h"

#include "text/Cp1251.h"
#include "wizards/OverviewPage.h"
#include "wizards/OverviewWizard.h"

constexpr const char *kInsert = "Button2"; // Создать в редакторе
constexpr const char *kSave = "Button3";   // Сохранить как
constexpr const char *kTitle = "Edit1";
constexpr const char *kText = "Memo1";

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
    // The form filled as the page below has it.
    QString fill()
    {
        setText(kTitle, QStringLiteral("Рассвет"));
        control<QPlainTextEdit>(kText)->setPlainText(QStringLiteral("one\ntwo"));
        setText("FilenameEdit1", QStringLiteral("pic.jpg"));
        setSides(256, 128);
        return buildOverviewPage({u"Рассвет"_qs, QStringLiteral("one\r\ntwo"), QStringLiteral("pic.jpg"), 256, 128});
    }
};

// Which sides are powers of two, which extensions pass and how JPEG data fails is checked in
// the core tests; here the window reads the chosen picture and shows what it found.
TEST_F(OverviewWizardTest, TheChosenPictureIsReadForItsSides)
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
        chosen.push_back(path(QStringLiteral("mission/") + name));
        click("FilenameEdit1Browse");
        EXPECT_EQ(fieldText("FilenameEdit1"), QString(name));
        EXPECT_EQ(sides(), size) << name;
        const QStringList said = takeMessages();
        ASSERT_EQ(said.size(), message.isEmpty() ? 0 : 1) << name;
        EXPECT_TRUE(message.isEmpty() || said[0].startsWith(message)) << name;
    }
    EXPECT_EQ(newBeeps(), 1); // the wrong extension
}

// A missing one says nothing.
TEST_F(OverviewWizardTest, ATypedPictureNameIsLookedForWhereTheLastWasChosen)
{
    put(QStringLiteral("mission/good.jpg"), makeJpeg(16, 16));
    put(QStringLiteral("mission/other.jpg"), makeJpeg(64, 32));
    chosen.push_back(path(QStringLiteral("mission/good.jpg")));
    click("FilenameEdit1Browse");
    setText("FilenameEdit1", QStringLiteral("\"other.jpg\""));
    EXPECT_EQ(fieldText("FilenameEdit1"), QStringLiteral("other.jpg"));
    EXPECT_EQ(sides(), QSize(64, 32));
    setText("FilenameEdit1", QStringLiteral("missing.jpg"));
    EXPECT_EQ(sides(), QSize(64, 32));
    EXPECT_TRUE(messages.empty());
}

TEST_F(OverviewWizardTest, APictureNameWithAQuoteInsideIsRefusedByBothOutputs)
{
    setText("FilenameEdit1", QStringLiteral("\"a\"b\".jpg"));
    EXPECT_EQ(fieldText("FilenameEdit1"), QStringLiteral("ab\".jpg"));
    click(kInsert);
    click(kSave);
    EXPECT_EQ(text(), QString());
    EXPECT_TRUE(fileDialogs.empty());
    ASSERT_EQ(messages.size(), 3u);
    for (const Dialogs::Message &m : messages)
        EXPECT_EQ(m.kind, Dialogs::Kind::Error);
    EXPECT_TRUE(scope->isVisible());
}

TEST_F(OverviewWizardTest, InsertWritesThePageAtTheCaretAndCloses)
{
    const QString page = fill();
    click(kInsert);
    EXPECT_EQ(text(), page);
    EXPECT_EQ(takeMessages(), QStringList{u"Оверьвью создан и вставлен в позицию курсора."_qs});
    EXPECT_FALSE(scope->isVisible());
}

// A cancelled save writes nothing and says nothing.
TEST_F(OverviewWizardTest, SaveWritesTheGamesEncoding)
{
    const QString page = fill();
    saveAs(kSave, QStringLiteral("ofp.html"));
    EXPECT_EQ(bytes(QStringLiteral("ofp.html")), Cp1251::encode(page));
    mainWindow()->setGame(Game::Arma);
    saveAs(kSave, QStringLiteral("arma.html"));
    EXPECT_EQ(bytes(QStringLiteral("arma.html")), page.toUtf8());
    EXPECT_EQ(takeMessages(), QStringList(2, u"Файл овервью успешно сохранен"_qs));
    click(kSave);
    EXPECT_TRUE(messages.empty());
}
