// The encoding strip of the file dialogs and the running of the dialogs.
#include "mainwindow/PBPreview.h"

#include "platform/ModalDialogs.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>

QStringList qtNameFilters(const QString &filter)
{
    static const QRegularExpression trailingMasks(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList masks;
        for (const QString &mask : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            const QString m = mask.trimmed();
            masks.append(m == QLatin1String("*.*") ? QStringLiteral("*") : m);
        }
        // A description that shows its masks already shows them the way Qt reads them.
        QString description = parts[i];
        description.remove(trailingMasks);
        out.append(description + QStringLiteral(" (") + masks.join(u' ') + u')');
    }
    return out;
}

TPBOpenPreviewDialog::TPBOpenPreviewDialog(QWidget *owner) : QFileDialog(owner)
{
    // The strip needs Qt's own dialog: a desktop's native one cannot carry it.
    setOption(DontUseNativeDialog, true);

    CaptionPanel = new QFrame(this);
    CaptionPanel->setObjectName(QStringLiteral("CaptionPanel"));
    CaptionPanel->setFrameShape(QFrame::NoFrame);
    KodingLabel = new QLabel(QStringLiteral("Кодировка:"), CaptionPanel);
    KodingLabel->setObjectName(QStringLiteral("KodingLabel"));
    AUTORADIO = new QRadioButton(QStringLiteral("Авто"), CaptionPanel);
    AUTORADIO->setObjectName(QStringLiteral("AUTORADIO"));
    AUTORADIO->setToolTip(QStringLiteral("Автоматически выбрать кодировку"));
    AUTORADIO->setChecked(true);
    ANSIRADIO = new QRadioButton(QStringLiteral("ANSI"), CaptionPanel);
    ANSIRADIO->setObjectName(QStringLiteral("ANSIRADIO"));
    ANSIRADIO->setToolTip(
        QStringLiteral("ANSI (Win-1251) - стандартная кодировка Windows. Используется в Operation Flashpoint"));
    UTFRRADIO = new QRadioButton(QStringLiteral("UTF-8"), CaptionPanel);
    UTFRRADIO->setObjectName(QStringLiteral("UTFRRADIO"));
    UTFRRADIO->setToolTip(QStringLiteral("UFT-8 - кодировка, используемая в Armed Assault"));
    SignatureBox = new QCheckBox(QStringLiteral("Вставить сигнатуру"), CaptionPanel);
    SignatureBox->setObjectName(QStringLiteral("SignatureBox"));
    SignatureBox->setToolTip(QStringLiteral("Сигнатура - это своеобразная метка, по которой различные программы "
                                            "определяют кодировку файла.\n\rНо в Armed Assault её наличие может "
                                            "вызывать различные проблемы."));
    SignatureBox->setEnabled(false);

    // Left to right: the label, "Авто", "ANSI" above "UTF-8", the signature box.
    auto *row = new QHBoxLayout(CaptionPanel);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(KodingLabel);
    row->addWidget(AUTORADIO);
    auto *column = new QVBoxLayout;
    column->addWidget(ANSIRADIO);
    column->addWidget(UTFRRADIO);
    row->addLayout(column);
    row->addWidget(SignatureBox);
    row->addStretch(1);

    // Below the standard controls, across the dialog.
    if (auto *grid = qobject_cast<QGridLayout *>(layout()))
        grid->addWidget(CaptionPanel, grid->rowCount(), 0, 1, grid->columnCount());

    for (QRadioButton *radio : {AUTORADIO, ANSIRADIO, UTFRRADIO})
        connect(radio, &QRadioButton::toggled, this, &TPBOpenPreviewDialog::EncodingClick);
}

void TPBOpenPreviewDialog::setFilter(const QString &filter)
{
    m_filter = filter;
    setNameFilters(qtNameFilters(filter));
}

int TPBOpenPreviewDialog::GetEncoding() const
{
    int encoding = 0;
    if (AUTORADIO->isChecked())
        encoding = 0;
    if (ANSIRADIO->isChecked())
        encoding = 1;
    if (UTFRRADIO->isChecked())
        encoding = 2;
    return encoding;
}

void TPBOpenPreviewDialog::EncodingClick()
{
    SignatureBox->setEnabled(UTFRRADIO->isChecked());
}

bool TPBOpenPreviewDialog::signatureWanted() const
{
    return SignatureBox->isEnabled() && SignatureBox->isChecked();
}

bool TPBOpenPreviewDialog::run(AcceptMode mode)
{
    setAcceptMode(mode);
    setFileMode(mode == AcceptSave ? AnyFile : ExistingFile);
    const QStringList filters = nameFilters();
    if (FilterIndex >= 1 && FilterIndex <= filters.size())
        selectNameFilter(filters[FilterIndex - 1]);
    if (!InitialDir.isEmpty())
        setDirectory(InitialDir);
    selectFile(FileName);
    const QString chosen = ModalDialogs::chooseFile(*this);
    if (chosen.isEmpty())
        return false;
    FileName = chosen;
    const qsizetype index = filters.indexOf(selectedNameFilter());
    if (index >= 0)
        FilterIndex = int(index) + 1;
    return true;
}

bool TPBOpenPreviewDialog::Execute()
{
    return run(AcceptOpen);
}

bool TPBSavePreviewDialog::Execute()
{
    return run(AcceptSave);
}
