// The whole program against the plain components it is built from: a 10 MB script opened to the
// first paint, start-up to the first idle moment, the memory the document takes, one keystroke
// in the middle of it with the status bar's refresh after it, and the caret moved beside brackets.
#include "AppPaths.h"
#include "ScriptText.h"
#include "app/AppWindows.h"
#include "editor/MainWindow.h"
#include "gamedata/GameDataFile.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <Qsci/qsciscintilla.h>
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr qsizetype kDocumentSize = 10'000'000;
const QSize kWindowSize(1000, 700);

// A program folder of the benchmark's own, with the bundled data, so config.ini goes there.
class ProgramFolder
{
public:
    ProgramFolder()
    {
        const QString from = QStringLiteral(VELMORA_BINARY_DIR);
        for (const char *sub : {"data", "cmd", "templates"}) {
            for (QDirIterator it(from + u'/' + QLatin1String(sub), QDir::Files); it.hasNext();) {
                const QString file = it.next();
                const QString to = m_dir.path() + file.mid(from.size());
                QDir().mkpath(QFileInfo(to).path());
                QFile::copy(file, to);
            }
        }
        AppPaths::setExeDirOverride(m_dir.path());
        Dialogs::setHandler([](const Dialogs::Message &) { return Dialogs::Answer::No; });
        m_script = m_dir.filePath(QStringLiteral("big.sqf"));
        QFile out(m_script);
        if (out.open(QIODevice::WriteOnly))
            out.write(ScriptText::generatedScript(kDocumentSize));
    }
    const QString &script() const { return m_script; }

private:
    QTemporaryDir m_dir;
    QString m_script;
};

const ProgramFolder &folder()
{
    static const ProgramFolder f;
    return f;
}

// Lets the event loop handle what is queued and fall idle once, as after a user's action.
void waitForIdle()
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

long residentBytes()
{
    long pages = 0, resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// The program's windows, made once and shown, for the benchmarks that use an open document.
AppWindows &program()
{
    static std::unique_ptr<AppWindows> windows = [] {
        folder();
        auto w = std::make_unique<AppWindows>(QStringList());
        w->mainWindow()->resize(kWindowSize);
        w->mainWindow()->show();
        waitForIdle();
        return w;
    }();
    return *windows;
}

QsciScintilla &bareEditor()
{
    static QsciScintilla editor;
    if (!editor.isVisible()) {
        editor.setUtf8(true);
        editor.resize(kWindowSize);
        editor.show();
        waitForIdle();
    }
    return editor;
}

void loadBare(QsciScintilla &editor)
{
    QFile file(folder().script());
    if (file.open(QIODevice::ReadOnly))
        editor.setText(QString::fromUtf8(file.readAll()));
}

void BM_OpenToFirstPaint_Velmora(benchmark::State &state)
{
    MainWindow &main = *program().mainWindow();
    for (auto _ : state) {
        main.loadFile(folder().script());
        main.editor()->viewport()->repaint();
    }
    state.SetBytesProcessed(state.iterations() * kDocumentSize);
}
BENCHMARK(BM_OpenToFirstPaint_Velmora)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenToFirstPaint_BareEditor(benchmark::State &state)
{
    QsciScintilla &editor = bareEditor();
    for (auto _ : state) {
        loadBare(editor);
        editor.viewport()->repaint();
    }
    state.SetBytesProcessed(state.iterations() * kDocumentSize);
}
BENCHMARK(BM_OpenToFirstPaint_BareEditor)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Startup_Velmora(benchmark::State &state)
{
    folder();
    for (auto _ : state) {
        auto windows = std::make_unique<AppWindows>(QStringList());
        windows->mainWindow()->show();
        waitForIdle();
        state.PauseTiming(); // the exit writes config.ini: not start-up
        windows.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Startup_Velmora)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Startup_BareEditor(benchmark::State &state)
{
    for (auto _ : state) {
        QsciScintilla editor;
        editor.show();
        waitForIdle();
    }
}
BENCHMARK(BM_Startup_BareEditor)->Unit(benchmark::kMillisecond)->UseRealTime();

// Where start-up goes: the main window alone (settings, game data, tree, templates), and the
// game data file read and split for one game.
void BM_StartupPart_MainWindow(benchmark::State &state)
{
    folder();
    for (auto _ : state) {
        CurrentGame game;
        MainWindow main(game);
        main.start({});
    }
}
BENCHMARK(BM_StartupPart_MainWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartupPart_GameData(benchmark::State &state)
{
    const QString path = AppPaths::dataFile(QStringLiteral("data.dat"));
    folder();
    for (auto _ : state)
        benchmark::DoNotOptimize(GameData::fromLines(GameDataFile::loadLines(path), QStringLiteral("OFP")));
}
BENCHMARK(BM_StartupPart_GameData)->Unit(benchmark::kMillisecond)->UseRealTime();

// Resident memory the open document adds above the empty editor, once for each.
template <class Open>
void measureDocumentMemory(benchmark::State &state, QWidget *view, Open open)
{
    for (auto _ : state) {
        waitForIdle();
        malloc_trim(0); // what earlier benchmarks freed goes back to the system first
        const long before = residentBytes();
        open();
        view->repaint();
        waitForIdle();
        malloc_trim(0); // what the load freed on the way is not the document's
        const long after = residentBytes();
        state.counters["MB_above_empty"] = double(after - before) / 1e6;
        state.counters["times_file_size"] = double(after - before) / double(kDocumentSize);
    }
}

void BM_DocumentMemory_Velmora(benchmark::State &state)
{
    MainWindow &main = *program().mainWindow();
    main.newDocument();
    measureDocumentMemory(state, main.editor()->viewport(), [&] { main.loadFile(folder().script()); });
    main.newDocument();
}
BENCHMARK(BM_DocumentMemory_Velmora)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_DocumentMemory_BareEditor(benchmark::State &state)
{
    QsciScintilla &editor = bareEditor();
    editor.clear();
    editor.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    measureDocumentMemory(state, editor.viewport(), [&] { loadBare(editor); });
    editor.clear();
}
BENCHMARK(BM_DocumentMemory_BareEditor)->Iterations(1)->Unit(benchmark::kMillisecond);

// One character typed in the middle of the document and taken back on the next round, each
// followed by the idle moment (our status bar's refresh) and a repaint.
void typeInTheMiddle(benchmark::State &state, QsciScintilla &editor)
{
    editor.setCursorPosition(editor.lines() / 2, 3);
    editor.setFocus();
    bool typeNext = true;
    for (auto _ : state) {
        QTest::keyClick(editor.viewport(), typeNext ? Qt::Key_X : Qt::Key_Backspace);
        typeNext = !typeNext;
        waitForIdle();
        editor.viewport()->repaint();
    }
}

void BM_Keystroke_Velmora(benchmark::State &state)
{
    MainWindow &main = *program().mainWindow();
    main.loadFile(folder().script());
    typeInTheMiddle(state, *main.editor());
    main.newDocument();
}
BENCHMARK(BM_Keystroke_Velmora)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Keystroke_BareEditor(benchmark::State &state)
{
    QsciScintilla &editor = bareEditor();
    loadBare(editor);
    typeInTheMiddle(state, editor);
    editor.clear();
}
BENCHMARK(BM_Keystroke_BareEditor)->Unit(benchmark::kMillisecond)->UseRealTime();

// The caret moved back and forth between two brackets near the end of the text, each move followed
// by the editor's update notice, as Scintilla sends it when it next paints: our bracket marks find
// the partner and mark both brackets. The paint itself is left out: it costs the editor alone
// tens of milliseconds on this text, and would hide what the marks cost.
void moveBesideBrackets(benchmark::State &state, QsciScintilla &editor)
{
    const QByteArray text = ScriptText::generatedScript(kDocumentSize);
    const qsizetype round = text.lastIndexOf("if (alive ") + 3;
    const qsizetype square = text.indexOf('[', round);
    editor.setFocus();
    waitForIdle();
    bool toRound = true;
    for (auto _ : state) {
        editor.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, (unsigned long)(toRound ? round : square));
        emit editor.SCN_UPDATEUI(QsciScintillaBase::SC_UPDATE_SELECTION);
        toRound = !toRound;
    }
}

void BM_CaretBesideBracket_Velmora(benchmark::State &state)
{
    MainWindow &main = *program().mainWindow();
    main.loadFile(folder().script());
    QAction *highlighting = main.findChild<QAction *>(QStringLiteral("N77"));
    highlighting->trigger(); // off
    moveBesideBrackets(state, *main.editor());
    highlighting->trigger();
    main.newDocument();
}
BENCHMARK(BM_CaretBesideBracket_Velmora)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_CaretBesideBracket_BareEditor(benchmark::State &state)
{
    QsciScintilla &editor = bareEditor();
    loadBare(editor);
    moveBesideBrackets(state, editor);
    editor.clear();
}
BENCHMARK(BM_CaretBesideBracket_BareEditor)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
