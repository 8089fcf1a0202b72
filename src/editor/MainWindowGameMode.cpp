// The game mode: which half of data.dat the editor works with.
#include "editor/MainWindow.h"

#include "editor/ProgramState.h"
#include "editor/StatusBar.h"
#include "ui_MainWindow.h"

#include "AppError.h"
#include "AppPaths.h"
#include "gamedata/GameDataFile.h"
#include "editor/ScriptLexer.h"
#include "reference/CompletionList.h"
#include "platform/Dialogs.h"

#include <QFileInfo>

namespace {

QString dataFilePath()
{
    return AppPaths::dataFile(QStringLiteral("data.dat"));
}

void reportMissing(QWidget *parent, const QString &path)
{
    Dialogs::error(parent, QStringLiteral("Файл \"%1\" не найден. Операция прервана.").arg(path),
                   QStringLiteral("Ошибка"));
}

// The file's lines; empty, after one message, when the file is missing.
QStringList readDataFile(QWidget *parent)
{
    const QString path = dataFilePath();
    if (!QFileInfo::exists(path)) {
        reportMissing(parent, path);
        return {};
    }
    return GameDataFile::loadLines(path);
}

} // namespace

void MainWindow::setGameMode(bool arma)
{
    // Everything is read before anything changes, so a file that cannot be read leaves the
    // previous game in force.
    GameData game;
    QStringList lines;
    try {
        lines = readDataFile(this);
        game = GameData::fromLines(lines, arma ? QStringLiteral("ARMA") : QStringLiteral("OFP"));
    } catch (const AppError &error) {
        Dialogs::showError(this, error);
        const bool wasArma = ui->StatusBar1->panelText(StatusBar::kGameModePanel) == QLatin1String("ArmA");
        ui->OFP1->setChecked(!wasArma);
        ui->ArmA1->setChecked(wasArma);
        return;
    }

    ui->N53->setText(arma ? QStringLiteral("Запустить/Развернуть ArmA   ") : QStringLiteral("Запустить/Развернуть OFP   "));
    setSpeedItemImage(ui->RunBTN, arma ? 16 : 15);
    ProgramState::gameMode = arma ? QStringLiteral("ArmA") : QStringLiteral("OFP");
    ui->StatusBar1->setPanelText(StatusBar::kGameModePanel, ProgramState::gameMode);
    ui->OFP1->setChecked(!arma);
    ui->ArmA1->setChecked(arma);

    m_completion->insertTexts = GameDataFile::entries(game.commands);
    m_lexer->setKeyWords(game.commands);
    m_completion->shownTexts = GameDataFile::entries(game.commandItems);
    ProgramState::weaponList = game.weapons;
    ProgramState::animationList = game.animations;
    ProgramState::magazineList = game.magazines;

    // Off and on again: the editor restyles every line with the new keywords.
    m_lexer->setEnabled(false);
    m_lexer->setEnabled(true);

    buildTree(lines, arma);
    ProgramState::lastPRIndex = ProgramState::lastSWIndex = ProgramState::lastHGIndex = 0;
}
