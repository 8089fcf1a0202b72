// The stringtable row dialog: an identifier and one text per chosen language.
#include "wizards/StringtableRowDialog.h"

#include "common/ToolWindow.h"
#include "common/WindowPosition.h"
#include "platform/Dialogs.h"
#include "platform/ModalDialogs.h"
#include "ui_StringtableRowDialog.h"
#include "wizards/StringtableWizard.h"

#include <QMenu>
#include <QScreen>

namespace {

constexpr int kWidth = 501;                  // as designed
constexpr int kPairStep = 40;                // from one caption to the next
constexpr int kBaseHeight = 190;             // the whole window's height, plus 30 a language
constexpr int kHeightPerLanguage = 30;
constexpr int kHeightWithoutLanguages = 400; // the fields keep their last layout then
constexpr int kButtonsAboveBottom = 60;
// Its own place, below and right of the crate wizard's, wholly on the screen.
constexpr QPoint kPlace(200, 140);

} // namespace

StringtableRowDialog::StringtableRowDialog(StringtableWizard &wizard, const QWidget *framed, QWidget *parent)
    : QDialog(parent, kToolWindow), m_wizard(wizard), m_framed(framed), ui(std::make_unique<Ui::StringtableRowDialog>()),
      m_menu(new QMenu(this))
{
    ui->setupUi(this);
    // Each caption stands right above its field, a pair every 40 pixels.
    for (QLabel *caption : labels()) {
        caption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        caption->setFixedHeight(std::max(caption->sizeHint().height(), kPairStep - ui->e1->sizeHint().height()));
    }
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *duplicateAction = m_menu->addAction(QStringLiteral("Дублировать"));
    duplicateAction->setObjectName(QStringLiteral("N1"));
    connect(duplicateAction, &QAction::triggered, this, &StringtableRowDialog::duplicate);
    for (QLineEdit *field : fields())
        connect(field, &QLineEdit::customContextMenuRequested, this,
                [this, field](const QPoint &at) { showDuplicateMenu(field, at); });
    connect(ui->SpeedButton1, &QToolButton::clicked, this, [this] {
        Dialogs::information(this, QStringLiteral("Если вы хотите продублировать строку в каждое поле, просто нажмите "
                                                  "на строку правой кнопкой и выберете пункт дублировать."));
    });
    connect(ui->Button1, &QPushButton::clicked, this, &StringtableRowDialog::confirm);
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

StringtableRowDialog::~StringtableRowDialog() = default;

std::array<QLabel *, 7> StringtableRowDialog::labels() const
{
    return {ui->l1, ui->l2, ui->L3, ui->l4, ui->l5, ui->l6, ui->l7};
}

std::array<QLineEdit *, 7> StringtableRowDialog::fields() const
{
    return {ui->e1, ui->e2, ui->e3, ui->e4, ui->e5, ui->e6, ui->e7};
}

void StringtableRowDialog::addRow()
{
    layOut(m_wizard.chosenLanguageNames());
    for (QLineEdit *field : fields())
        field->clear();
    ui->eID->setText(QStringLiteral("STR_"));
    ui->eID->selectAll();
    ui->eID->setFocus();
    if (isHidden())
        WindowPosition::putAt(this, kPlace, screen()->availableGeometry(), desktopFrame());
    setResult(QDialog::Rejected);
    ModalDialogs::confirm(*this);
}

void StringtableRowDialog::layOut(const QStringList &languages)
{
    const auto captions = labels();
    const auto edits = fields();
    // With no language the fields stay as the last layout left them.
    for (qsizetype i = 0; i < qsizetype(captions.size()); ++i) {
        if (i < languages.size())
            captions[i]->setText(languages[i]);
        if (!languages.isEmpty()) {
            captions[i]->setVisible(i < languages.size());
            edits[i]->setVisible(i < languages.size());
        }
    }
    fitHeight(languages.isEmpty() ? kHeightWithoutLanguages
                                  : kBaseHeight + kHeightPerLanguage * int(languages.size()));
}

// The height is that of the whole window, the desktop's frame included, and the buttons' top
// stands 60 pixels above its bottom edge. A font too large for that height makes it taller.
void StringtableRowDialog::fitHeight(int outerHeight)
{
    const QMargins frame = desktopFrame();
    QMargins margins = layout()->contentsMargins();
    margins.setBottom(std::max(0, kButtonsAboveBottom - frame.bottom() - ui->Button1->sizeHint().height()));
    layout()->setContentsMargins(margins);
    layout()->activate();
    const int height = std::max(outerHeight - frame.top() - frame.bottom(), minimumSizeHint().height());
    setFixedSize(kWidth, height);
}

// The frame the desktop draws around the program's windows. This window's own is not known
// before it is on the screen, and Qt keeps what it found when asked earlier; the main window,
// on the screen from the start, has the same frame.
QMargins StringtableRowDialog::desktopFrame() const
{
    return WindowPosition::frameOf(m_framed);
}

void StringtableRowDialog::confirm()
{
    const QString id = ui->eID->text();
    if (!m_wizard.isUniqueId(id)) {
        Dialogs::warning(this, QStringLiteral("Внимание! Строка с таким идентификатором уже существует."));
        return;
    }
    QStringList cells{id};
    const auto edits = fields();
    for (qsizetype i = 0; i < m_wizard.chosenLanguageNames().size(); ++i)
        cells << edits[i]->text();
    m_wizard.insertFilledRow(cells);
    accept();
}

void StringtableRowDialog::showDuplicateMenu(QLineEdit *field, const QPoint &at)
{
    m_menuField = field;
    m_menu->popup(field->mapToGlobal(at));
}

void StringtableRowDialog::duplicate()
{
    if (!m_menuField)
        return;
    const QString text = m_menuField->text();
    for (QLineEdit *field : fields())
        if (!field->isHidden())
            field->setText(text);
}
