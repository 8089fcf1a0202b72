// The encoding strip of the save dialog and the running of the dialog.
#include "editor/SaveDialog.h"

#include "platform/ModalDialogs.h"
#include "text/FileFilters.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace {

template <class W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

SaveDialog::SaveDialog(QWidget *owner) : QFileDialog(owner)
{
    // The strip needs Qt's own dialog: a desktop's native one cannot carry it.
    setOption(DontUseNativeDialog, true);

    auto *strip = named(new QFrame(this), "CaptionPanel");
    strip->setFrameShape(QFrame::NoFrame);
    auto *label = named(new QLabel(QStringLiteral("Кодировка:"), strip), "KodingLabel");
    m_auto = named(new QRadioButton(QStringLiteral("Авто"), strip), "AUTORADIO");
    m_auto->setToolTip(QStringLiteral("Автоматически выбрать кодировку"));
    m_auto->setChecked(true);
    m_ansi = named(new QRadioButton(QStringLiteral("ANSI"), strip), "ANSIRADIO");
    m_ansi->setToolTip(
        QStringLiteral("ANSI (Win-1251) - стандартная кодировка Windows. Используется в Operation Flashpoint"));
    m_utf8 = named(new QRadioButton(QStringLiteral("UTF-8"), strip), "UTFRRADIO");
    m_utf8->setToolTip(QStringLiteral("UFT-8 - кодировка, используемая в Armed Assault"));
    m_signature = named(new QCheckBox(QStringLiteral("Вставить сигнатуру"), strip), "SignatureBox");
    m_signature->setToolTip(QStringLiteral("Сигнатура - это своеобразная метка, по которой различные программы "
                                           "определяют кодировку файла.\n\rНо в Armed Assault её наличие может "
                                           "вызывать различные проблемы."));
    m_signature->setEnabled(false);

    // Left to right: the label, "Авто", "ANSI" above "UTF-8", the signature box.
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(m_auto);
    auto *column = new QVBoxLayout;
    column->addWidget(m_ansi);
    column->addWidget(m_utf8);
    row->addLayout(column);
    row->addWidget(m_signature);
    row->addStretch(1);

    // Below the standard controls, across the dialog.
    if (auto *grid = qobject_cast<QGridLayout *>(layout()))
        grid->addWidget(strip, grid->rowCount(), 0, 1, grid->columnCount());

    for (QRadioButton *radio : {m_auto, m_ansi, m_utf8})
        connect(radio, &QRadioButton::toggled, this, &SaveDialog::updateSignatureBox);
}

void SaveDialog::setFilter(const QString &filter)
{
    setNameFilters(FileFilters::toQtNameFilters(filter));
}

SaveDialog::Encoding SaveDialog::encoding() const
{
    if (m_utf8->isChecked())
        return Encoding::Utf8;
    if (m_ansi->isChecked())
        return Encoding::Ansi;
    return Encoding::Auto;
}

void SaveDialog::updateSignatureBox()
{
    m_signature->setEnabled(m_utf8->isChecked());
}

bool SaveDialog::signatureWanted() const
{
    return m_signature->isEnabled() && m_signature->isChecked();
}

QString SaveDialog::choosePath(const QString &name, const QString &folder, int filterIndex)
{
    m_shown = true;
    setAcceptMode(AcceptSave);
    setFileMode(AnyFile);
    const QStringList filters = nameFilters();
    if (filterIndex > 0)
        m_filterIndex = filterIndex;
    if (m_filterIndex >= 1 && m_filterIndex <= filters.size())
        selectNameFilter(filters[m_filterIndex - 1]);
    if (!folder.isEmpty())
        setDirectory(folder);
    selectFile(name);
    const QString chosen = ModalDialogs::chooseFile(*this);
    if (chosen.isEmpty())
        return {};
    const qsizetype index = filters.indexOf(selectedNameFilter());
    if (index >= 0)
        m_filterIndex = int(index) + 1;
    return chosen;
}
