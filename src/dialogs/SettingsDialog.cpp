// The settings dialog's controls.
#include "dialogs/SettingsDialog.h"

#include "dialogs/ColorBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

SettingsDialog::SettingsDialog(AppWindows &windows, QWidget *parent) : QDialog(parent), m_windows(windows)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Velmora.Настройки"));

    auto *group = new QGroupBox(QStringLiteral("Коментарии как в :"), this);
    m_sqs = new QRadioButton(QStringLiteral("SQS"), group);
    m_sqs->setObjectName(QStringLiteral("SQSC"));
    m_sqs->setChecked(true);
    m_sqf = new QRadioButton(QStringLiteral("SQF"), group);
    m_sqf->setObjectName(QStringLiteral("SQFC"));
    m_commentColor = new ColorBox(group);
    m_commentColor->setObjectName(QStringLiteral("COMM"));
    m_commentBold = new QCheckBox(QStringLiteral("Жирный"), group);
    m_commentBold->setObjectName(QStringLiteral("COMMB"));
    m_commentItalic = new QCheckBox(QStringLiteral("Курсив"), group);
    m_commentItalic->setObjectName(QStringLiteral("COMMI"));

    auto *box = new QVBoxLayout(group);
    for (QWidget *w : std::initializer_list<QWidget *>{m_sqs, m_sqf, m_commentColor, m_commentBold, m_commentItalic})
        box->addWidget(w);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
}

SettingsDialog::CommentLook SettingsDialog::commentLook() const
{
    return {m_sqs->isChecked(), m_commentColor->selected(), m_commentBold->isChecked(), m_commentItalic->isChecked()};
}

void SettingsDialog::setCommentLook(const CommentLook &look)
{
    setSqsComments(look.sqs);
    m_commentColor->setSelected(look.color);
    m_commentBold->setChecked(look.bold);
    m_commentItalic->setChecked(look.italic);
}

bool SettingsDialog::sqsComments() const
{
    return m_sqs->isChecked();
}

void SettingsDialog::setSqsComments(bool sqs)
{
    (sqs ? m_sqs : m_sqf)->setChecked(true);
}
