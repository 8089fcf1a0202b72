// The game mode: which half of data.dat the editor works with.
#include "editor/MainWindow.h"

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

void MainWindow::setGame(Game game)
{
    // Everything is read before anything changes, so a file that cannot be read leaves the
    // previous game in force.
    GameData loaded;
    QStringList lines;
    try {
        lines = readDataFile(this);
        loaded = GameData::fromLines(lines, Games::dataSuffix(game));
    } catch (const AppError &error) {
        Dialogs::showError(this, error);
        showGame(m_game.game()); // the menu item just checked goes back
        return;
    }

    m_completion->insertTexts = GameDataFile::entries(loaded.commands);
    m_lexer->setKeyWords(loaded.commands);
    m_completion->shownTexts = GameDataFile::entries(loaded.commandItems);
    m_gameData = std::move(loaded);

    // Off and on again: the editor restyles every line with the new keywords.
    m_lexer->setEnabled(false);
    m_lexer->setEnabled(true);

    buildTree(lines, game);
    m_game.set(game);
}

// What shows the game in force: the two menu items, the launch item and button, the last panel.
void MainWindow::showGame(Game game)
{
    const bool isArma = game == Game::Arma;
    ui->N53->setText(QStringLiteral("Запустить/Развернуть %1   ").arg(Games::displayName(game)));
    setSpeedItemImage(ui->RunBTN, isArma ? 16 : 15);
    ui->StatusBar1->setPanelText(StatusBar::kGameModePanel, Games::displayName(game));
    ui->OFP1->setChecked(!isArma);
    ui->ArmA1->setChecked(isArma);
}
