// The settings dialog's comment-style controls.
#include "mainwindow/Unit7.h"

#include "mainwindow/TColorBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

TForm7 *Form7 = nullptr;

TForm7::TForm7(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Velmora.Настройки"));

    auto *group = new QGroupBox(QStringLiteral("Коментарии как в :"), this);
    SQSC = new QRadioButton(QStringLiteral("SQS"), group);
    SQSC->setObjectName(QStringLiteral("SQSC"));
    SQSC->setChecked(true);
    SQFC = new QRadioButton(QStringLiteral("SQF"), group);
    SQFC->setObjectName(QStringLiteral("SQFC"));
    COMM = new TColorBox(group);
    COMM->setObjectName(QStringLiteral("COMM"));
    COMMB = new QCheckBox(QStringLiteral("Жирный"), group);
    COMMB->setObjectName(QStringLiteral("COMMB"));
    COMMI = new QCheckBox(QStringLiteral("Курсив"), group);
    COMMI->setObjectName(QStringLiteral("COMMI"));

    auto *box = new QVBoxLayout(group);
    for (QWidget *w : {static_cast<QWidget *>(SQSC), static_cast<QWidget *>(SQFC),
                       static_cast<QWidget *>(COMM), static_cast<QWidget *>(COMMB),
                       static_cast<QWidget *>(COMMI)})
        box->addWidget(w);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
}
