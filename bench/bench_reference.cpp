// The reference tree and the completion: filling the tree from both games' data and switching the
// game, against a bare QTreeWidget filled with the same rows; opening the argument completion.
#include "AppPaths.h"
#include "app/AppWindows.h"
#include "editor/MainWindow.h"
#include "gamedata/GameDataFile.h"
#include "gamedata/ReferenceTree.h"
#include "platform/Dialogs.h"
#include "reference/CommandTree.h"
#include "reference/CompletionList.h"
#include "reference/TreeList.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>
#include <Qsci/qsciscintilla.h>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The shipped data.dat, as the build copies it beside the executable.
QString dataFile()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../data/data.dat");
}

const QStringList &dataLines()
{
    static const QStringList lines = GameDataFile::loadLines(dataFile());
    return lines;
}

int rowCount(const std::vector<ReferenceNode> &nodes)
{
    int rows = 0;
    for (const ReferenceNode &node : nodes)
        rows += 1 + rowCount(node.children);
    return rows;
}

QTreeWidgetItem *bareItem(const ReferenceNode &node)
{
    auto *item = new QTreeWidgetItem(QStringList(node.text));
    for (const ReferenceNode &child : node.children)
        item->addChild(bareItem(child));
    return item;
}

// The tree as the panel shows it: one game's data read and put into the tree, the visible rows
// painted; the games alternate.
void BM_FillReferenceTree(benchmark::State &state)
{
    TreeList tree;
    tree.resize(300, 600);
    tree.show();
    Game game = Game::Ofp;
    for (auto _ : state) {
        CommandTree::fill(&tree, ReferenceTree::build(dataLines(), game));
        tree.viewport()->repaint();
        game = game == Game::Ofp ? Game::Arma : Game::Ofp;
    }
    state.counters["ofpRows"] = rowCount(ReferenceTree::build(dataLines(), Game::Ofp));
    state.counters["armaRows"] = rowCount(ReferenceTree::build(dataLines(), Game::Arma));
}
BENCHMARK(BM_FillReferenceTree)->Unit(benchmark::kMillisecond);

// Reading the rows alone, without the tree.
void BM_ReadTreeRows(benchmark::State &state)
{
    Game game = Game::Ofp;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReferenceTree::build(dataLines(), game));
        game = game == Game::Ofp ? Game::Arma : Game::Ofp;
    }
}
BENCHMARK(BM_ReadTreeRows)->Unit(benchmark::kMillisecond);

// The same rows, already read, into a plain QTreeWidget with its own drawing.
void BM_FillBareTree(benchmark::State &state)
{
    const std::vector<ReferenceNode> games[] = {ReferenceTree::build(dataLines(), Game::Ofp),
                                                ReferenceTree::build(dataLines(), Game::Arma)};
    QTreeWidget tree;
    tree.setHeaderHidden(true);
    tree.resize(300, 600);
    tree.show();
    int game = 0;
    for (auto _ : state) {
        tree.clear();
        QList<QTreeWidgetItem *> top;
        for (const ReferenceNode &node : games[game])
            top.append(bareItem(node));
        tree.addTopLevelItems(top);
        tree.viewport()->repaint();
        game = 1 - game;
    }
}
BENCHMARK(BM_FillBareTree)->Unit(benchmark::kMillisecond);

// The program in a folder of its own with the shipped data.dat.
struct Program
{
    QTemporaryDir dir;
    std::unique_ptr<AppWindows> windows;

    Program()
    {
        QDir().mkpath(dir.filePath("data"));
        QFile::copy(dataFile(), dir.filePath("data/data.dat"));
        AppPaths::setExeDirOverride(dir.path());
        Dialogs::setHandler([](const Dialogs::Message &) { return Dialogs::Answer::No; });
        windows = std::make_unique<AppWindows>(QStringList());
        windows->mainWindow()->show();
    }
    ~Program()
    {
        windows.reset();
        Dialogs::setHandler(nullptr);
        AppPaths::setExeDirOverride(QString());
    }
    MainWindow *main() const { return windows->mainWindow(); }
};

// The whole game switch: every list, the keywords with the editor restyled, and the tree.
void BM_SwitchGame(benchmark::State &state)
{
    Program program;
    Game game = Game::Arma;
    for (auto _ : state) {
        program.main()->setGame(game);
        QApplication::processEvents();
        game = game == Game::Ofp ? Game::Arma : Game::Ofp;
    }
}
BENCHMARK(BM_SwitchGame)->Unit(benchmark::kMillisecond);

// A key typed at the end of `line` in ArmA mode, up to the list painted beside the caret.
void openList(benchmark::State &state, const char *listName, const QString &line, QKeyEvent &key)
{
    Program program;
    program.main()->setGame(Game::Arma);
    QsciScintilla *editor = program.main()->editor();
    const auto *list = program.main()->findChild<CompletionList *>(QLatin1String(listName));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    for (auto _ : state) {
        state.PauseTiming();
        editor->setText(line);
        editor->setCursorPosition(0, int(line.size()));
        state.ResumeTiming();
        QApplication::sendEvent(editor, &key);
        list->popup()->repaint();
        state.PauseTiming();
        if (!list->isOpen())
            state.SkipWithError("the list did not open");
        QApplication::sendEvent(editor, &escape);
        state.ResumeTiming();
    }
    state.counters["entries"] = double(list->shownItems().size());
}

// A double quote after "addWeapon ": ArmA's weapons.
void BM_OpenArgumentCompletion(benchmark::State &state)
{
    QKeyEvent quote(QEvent::KeyPress, Qt::Key_QuoteDbl, Qt::NoModifier, QStringLiteral("\""));
    openList(state, "WeapCompleter", QStringLiteral("player addWeapon "), quote);
}
BENCHMARK(BM_OpenArgumentCompletion)->Unit(benchmark::kMicrosecond);

// Tab on an empty line: every ArmA command.
void BM_OpenCommandCompletion(benchmark::State &state)
{
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    openList(state, "SynCompletionProposal1", QString(), tab);
}
BENCHMARK(BM_OpenCommandCompletion)->Unit(benchmark::kMicrosecond);

} // namespace
