// Window launchers, the game launch and its clipboard file, the external formatter and the request
// for the settings dialog.
#include "editor/MainWindow.h"

#include "AppError.h"
#include "editor/ScriptLexer.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/FormatterLibrary.h"
#include "platform/Launcher.h"
#include "platform/UserName.h"
#include "platform/WindowFinder.h"
#include "platform/WinePrefix.h"
#include "reference/CompletionList.h"
#include "system/GameTarget.h"
#include "text/Cp1251.h"
#include "text/EditorText.h"
#include "text/FileText.h"
#include "ui_MainWindow.h"

#include <QFileInfo>
#include <QUrl>

namespace {

bool fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace

void MainWindow::connectToolActions()
{
    connectWindowLaunchers();
    connect(ui->N40, &QAction::triggered, this, &MainWindow::openSettings);
    connect(ui->btnSettings, &QAction::triggered, this, &MainWindow::openSettings);
    connect(ui->N53, &QAction::triggered, this, &MainWindow::runGame);
    connect(ui->RunBTN, &QAction::triggered, this, &MainWindow::runGame);
    connect(ui->N44, &QAction::triggered, this, &MainWindow::openClipboardFile);
    connect(ui->N46, &QAction::triggered, this, &MainWindow::copyClipboardFile);
    connect(ui->N92, &QAction::triggered, this, &MainWindow::formatWholeText);
    connect(ui->N93, &QAction::triggered, this, &MainWindow::formatSelection);
    // Menus whose items follow the state each time they open.
    connect(ui->N23, &QMenu::aboutToShow, this,
            [this] { ui->NCB->menuAction()->setEnabled(fileExists(currentGame().clipboardFile)); });
    connect(ui->N13, &QMenu::aboutToShow, this,
            [this] { ui->N90->menuAction()->setEnabled(!m_lexer->sqsComments()); });
    connect(ui->N90, &QMenu::aboutToShow, this, [this] { ui->N93->setEnabled(ui->SynEdit1->hasSelectedText()); });
    setSpeedItemImage(ui->btnSettings, 22);
}

void MainWindow::connectWindowLaunchers()
{
    const auto launch = [this](Window window, std::initializer_list<QAction *> items) {
        for (QAction *item : items)
            connect(item, &QAction::triggered, this, [this, window] { emit windowRequested(window); });
    };
    launch(Window::GoToLine, {ui->N49, ui->btnGoTo});
    launch(Window::ShortcutList, {ui->N51});
    launch(Window::About, {ui->N42});
    launch(Window::Briefing, {ui->N64, ui->ToolButton3});
    launch(Window::Overview, {ui->N73, ui->ToolButton2});
    launch(Window::Description, {ui->N76, ui->ToolButton4});
    launch(Window::Crate, {ui->N75, ui->ToolButton6});
    launch(Window::Stringtable, {ui->Stringtable1, ui->SpeedItem1});
    launch(Window::Unit, {ui->N74, ui->ToolButton5});
    const std::pair<QAction *, int> images[] = {{ui->ToolButton3, 18}, {ui->ToolButton2, 17}, {ui->ToolButton4, 19},
                                                {ui->ToolButton6, 21}, {ui->SpeedItem1, 24},  {ui->ToolButton5, 20},
                                                {ui->btnGoTo, 11}};
    for (const auto &[item, image] : images)
        setSpeedItemImage(item, image);
}

void MainWindow::openSettings()
{
    keepCommentStyleInForce();
    emit windowRequested(Window::Settings);
}

GameTarget MainWindow::currentGame() const
{
    const EditorSettings &s = m_settings.values();
    return GameTarget::forGame(m_game.game(), {s.ofpExePath, s.armaExePath, WinePrefix::path(), UserName::current()});
}

void MainWindow::runGame()
{
    const GameTarget game = currentGame();
    const WindowFinder::WindowId gameWindow = WindowFinder::find(game.windowTitle);
    // Whatever comes of the save, the game is started or shown.
    if (m_settings.values().saveBeforeRun)
        save();
    if (gameWindow) {
        WindowFinder::restore(gameWindow);
        return;
    }
    if (!fileExists(game.executable)) {
        Dialogs::error(this, QStringLiteral("Невозможно найти exe файл игры.\nУстановите необходимые параметры в опциях"));
        return;
    }
    const QFileInfo exe(game.executable);
    if (!Launcher::startProgram(exe.absoluteFilePath(), {QStringLiteral("-nosplash")}, exe.absolutePath()))
        Dialogs::error(this, QStringLiteral("Не удалось запустить игру \"%1\".").arg(game.executable));
}

void MainWindow::openClipboardFile()
{
    const GameTarget game = currentGame();
    if (!fileExists(game.clipboardFile)) {
        reportMissingClipboardFile(game);
        return;
    }
    if (!Launcher::openWithDesktop(QUrl::fromLocalFile(game.clipboardFile)))
        Dialogs::error(this, QStringLiteral("Не удалось открыть файл \"%1\".").arg(game.clipboardFile));
}

// The game writes the file in the ANSI code page.
void MainWindow::copyClipboardFile()
{
    const GameTarget game = currentGame();
    if (!fileExists(game.clipboardFile)) {
        reportMissingClipboardFile(game);
        return;
    }
    try {
        copyTextToClipboard(Cp1251::decode(loadFileToString(game.clipboardFile)));
    } catch (const AppError &error) {
        Dialogs::showError(this, error);
    }
}

void MainWindow::reportMissingClipboardFile(const GameTarget &game)
{
    const QString path = game.clipboardFile.isEmpty() ? QStringLiteral("clipboard.txt") : game.clipboardFile;
    Dialogs::error(this, QStringLiteral("Ошибка!\nФайл \"%1\" не найден").arg(path));
}

void MainWindow::formatWholeText()
{
    formatText(editorText(), true);
}

void MainWindow::formatSelection()
{
    if (ui->SynEdit1->hasSelectedText())
        formatText(ui->SynEdit1->selectedText(), false);
}

// The formatter sees the text up to its first NUL, as UTF-8; its result replaces the text as
// one step to undo, and a failure leaves the text as it was.
void MainWindow::formatText(const QString &text, bool whole)
{
    const qsizetype nul = text.indexOf(QChar(0));
    const FormatterLibrary::Result result = FormatterLibrary::format((nul < 0 ? text : text.left(nul)).toUtf8());
    const QString library = FormatterLibrary::kFileName;
    switch (result.status) {
    case FormatterLibrary::Status::NoLibrary:
        Dialogs::showError(this, AppError(QStringLiteral("Невозможно загрузить библиотеку ") + library));
        return;
    case FormatterLibrary::Status::NoEntryPoints:
        Dialogs::showError(
            this, AppError(QStringLiteral("Ошибка нахождения точек входа в процедуры библиотеки ") + library));
        return;
    case FormatterLibrary::Status::NoResult:
        Dialogs::showError(this, AppError(QStringLiteral("Библиотека %1 не вернула текст. Текст не изменен.").arg(library)));
        return;
    case FormatterLibrary::Status::Formatted:
        break;
    }
    const QString formatted = QString::fromUtf8(result.text);
    if (whole)
        replaceTextUndoably(EditorText::normalize(formatted));
    else
        ui->SynEdit1->replaceSelectedText(EditorText::normalize(formatted));
}
