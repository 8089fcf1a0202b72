// Line commenting, keyboard layout and case repair.
#include "editor/MainWindow.h"

#include "ui_MainWindow.h"

#include "editor/ScriptLexer.h"
#include "editor/SelectionEdits.h"
#include "platform/Dialogs.h"
#include "script/LineComments.h"
#include "text/KeyboardRepair.h"

void MainWindow::connectEditingActions()
{
    for (QAction *comment : {ui->N72, ui->N69})
        connect(comment, &QAction::triggered, this, &MainWindow::toggleLineComments);
    connect(ui->N68, &QAction::triggered, this, &MainWindow::insertSeparator);
    for (QAction *layout : {ui->eng1, ui->Eng2, ui->btnrte})
        connect(layout, &QAction::triggered, this, &MainWindow::repairKeyboardLayout);
    for (QAction *letterCase : {ui->a1, ui->cAPSCaps1, ui->btncps})
        connect(letterCase, &QAction::triggered, this, &MainWindow::repairLetterCase);
}

void MainWindow::toggleLineComments()
{
    SelectionEdits::toggleLineComments(ui->SynEdit1, m_lexer->sqsComments());
}

void MainWindow::insertSeparator()
{
    SelectionEdits::replaceSelection(ui->SynEdit1, LineComments::separator(m_lexer->sqsComments()));
}

void MainWindow::repairKeyboardLayout()
{
    repairSelection(&KeyboardRepair::switchLayout,
                    QStringLiteral("Сначала выделите участок, набранный в неправильной раскладке."));
}

void MainWindow::repairLetterCase()
{
    repairSelection(&KeyboardRepair::switchCase,
                    QStringLiteral("Сначала выделите участок, набранный при неправильном положении Caps Lock"));
}

void MainWindow::repairSelection(QString (*convert)(QStringView), const QString &message)
{
    if (SelectionEdits::convertSelection(ui->SynEdit1, convert))
        return;
    Dialogs::beep();
    Dialogs::plain(this, message);
}
