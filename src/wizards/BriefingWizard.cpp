// The briefing.html wizard: notes, plan, eight objectives and three endings, and a helper that
// makes marker links for the clipboard.
#include "wizards/BriefingWizard.h"

#include "platform/Clipboard.h"
#include "ui_BriefingWizard.h"
#include "wizards/BriefingPage.h"
#include "wizards/WizardOutput.h"
#include "wizards/WizardSaveDialog.h"
#include "wizards/WizardText.h"

namespace {

QString memoText(const QPlainTextEdit *memo)
{
    return WizardText::withCrLf(memo->toPlainText());
}

} // namespace

BriefingWizard::BriefingWizard(const CurrentGame &game, QWidget *parent)
    : WizardWindow(parent), m_game(game), ui(std::make_unique<Ui::BriefingWizard>()),
      m_saveDialog(this, {"SVD", QStringLiteral("Сохранить брифинг как"), QStringLiteral("briefing"),
                          QStringLiteral("Брифинг (*.html)|*.html|Все файлы|*"), QStringLiteral(".html")})
{
    ui->setupUi(this);
    connectControls();
}

BriefingWizard::~BriefingWizard() = default;

std::array<QCheckBox *, 8> BriefingWizard::objectiveBoxes() const
{
    return {ui->OBJ1, ui->OBJ2, ui->OBJ3, ui->OBJ4, ui->OBJ5, ui->OBJ6, ui->OBJ7, ui->OBJ8};
}

std::array<QPlainTextEdit *, 8> BriefingWizard::objectiveTexts() const
{
    return {ui->ED1, ui->ED2, ui->ED3, ui->ED4, ui->ED5, ui->ED6, ui->ED7, ui->ED8};
}

std::array<QCheckBox *, 3> BriefingWizard::endingBoxes() const
{
    return {ui->END1, ui->END2, ui->END3};
}

std::array<QLineEdit *, 3> BriefingWizard::endingTitles() const
{
    return {ui->EndTitle1, ui->EndTitle2, ui->EndTitle3};
}

std::array<QPlainTextEdit *, 3> BriefingWizard::endingTexts() const
{
    return {ui->EndText1, ui->EndText2, ui->EndText3};
}

void BriefingWizard::connectControls()
{
    const auto objectives = objectiveBoxes();
    for (size_t i = 0; i < objectives.size(); ++i)
        connect(objectives[i], &QCheckBox::toggled, this, [this, i](bool on) { objectiveToggled(i, on); });
    const auto endings = endingBoxes();
    for (size_t i = 0; i < endings.size(); ++i)
        connect(endings[i], &QCheckBox::toggled, this, [this, i](bool on) { endingToggled(i, on); });
    connect(ui->Edit3, &QLineEdit::textChanged, this, &BriefingWizard::updateUtilityButtons);
    connect(ui->Edit4, &QLineEdit::textChanged, this, &BriefingWizard::updateUtilityButtons);
    connect(ui->Memo1, &QLineEdit::textChanged, this, &BriefingWizard::updateUtilityButtons);
    connect(ui->Button4, &QPushButton::clicked, this, &BriefingWizard::makeMarkerLink);
    connect(ui->Button6, &QPushButton::clicked, this, &BriefingWizard::copyMarkerLink);
    connect(ui->Button3, &QPushButton::clicked, this, &BriefingWizard::insertIntoEditor);
    connect(ui->Button2, &QPushButton::clicked, this, &BriefingWizard::saveToFile);
    connect(ui->Button5, &QPushButton::clicked, this, &BriefingWizard::clearAll);
    connect(ui->Button1, &QPushButton::clicked, this, &QWidget::hide);
}

void BriefingWizard::objectiveToggled(size_t index, bool on)
{
    const auto boxes = objectiveBoxes();
    const auto texts = objectiveTexts();
    if (on) {
        texts[index]->setEnabled(true);
        texts[index]->setFocus();
        if (index + 1 < boxes.size())
            boxes[index + 1]->setEnabled(true);
        return;
    }
    // Texts stay in their boxes; they only leave the page.
    for (size_t j = index; j < texts.size(); ++j)
        texts[j]->setEnabled(false);
    for (size_t j = index + 1; j < boxes.size(); ++j) {
        boxes[j]->setChecked(false);
        boxes[j]->setEnabled(false);
    }
}

void BriefingWizard::endingToggled(size_t index, bool on)
{
    const auto boxes = endingBoxes();
    const auto titles = endingTitles();
    const auto texts = endingTexts();
    if (on) {
        titles[index]->setEnabled(true);
        titles[index]->setFocus();
        texts[index]->setEnabled(true);
        if (index + 1 < boxes.size())
            boxes[index + 1]->setEnabled(true);
        return;
    }
    for (size_t j = index + 1; j < boxes.size(); ++j)
        boxes[j]->setChecked(false);
    titles[index]->setEnabled(false);
    texts[index]->setEnabled(false);
    for (size_t j = index + 1; j < boxes.size(); ++j) {
        boxes[j]->setEnabled(false);
        titles[j]->setEnabled(false);
        texts[j]->setEnabled(false);
    }
}

void BriefingWizard::updateUtilityButtons()
{
    ui->Button4->setEnabled(!ui->Edit3->text().isEmpty() && !ui->Edit4->text().isEmpty());
    ui->Button6->setEnabled(!ui->Memo1->text().isEmpty());
}

void BriefingWizard::makeMarkerLink()
{
    ui->Memo1->setText(markerLink(ui->Edit3->text(), ui->Edit4->text()));
}

void BriefingWizard::copyMarkerLink()
{
    copyTextToClipboard(ui->Memo1->text());
}

void BriefingWizard::clearAll()
{
    ui->OBJ1->setChecked(false);
    ui->END1->setChecked(false);
    ui->Edit1->clear();
    ui->Edit2->clear();
    for (QPlainTextEdit *text : objectiveTexts())
        text->clear();
    for (QLineEdit *title : endingTitles())
        title->clear();
    for (QPlainTextEdit *text : endingTexts())
        text->clear();
    ui->Edit3->clear();
    ui->Edit4->clear();
    ui->Memo1->clear();
}

BriefingForm BriefingWizard::form() const
{
    BriefingForm f;
    f.notes = memoText(ui->Edit2);
    f.plan = memoText(ui->Edit1);
    const auto boxes = objectiveBoxes();
    const auto texts = objectiveTexts();
    for (size_t i = 0; i < boxes.size(); ++i) {
        f.objectiveOn[i] = boxes[i]->isChecked();
        f.objectives[i] = memoText(texts[i]);
    }
    const auto endings = endingBoxes();
    for (size_t i = 0; i < endings.size(); ++i)
        f.endings[i] = {endings[i]->isChecked(), endingTitles()[i]->text(), memoText(endingTexts()[i])};
    return f;
}

void BriefingWizard::insertIntoEditor()
{
    insertAndHide(buildBriefingPage(form()), QStringLiteral("Брифинг успешно создан и вставлен в позицию курсора."));
}

void BriefingWizard::saveToFile()
{
    WizardOutput::chooseAndSave(this, m_saveDialog,
                                {buildBriefingPage(form()), Games::usesUtf8(m_game.game()),
                                 QStringLiteral("Брифинг сохранен."), WizardOutput::Report::Plain});
}
