// Highlighter speed on a generated 5 MB SQF text: the scanner alone, and styling in a QsciScintilla
// with our highlighter against the same editor with QScintilla's own C++ lexer.
#include "editor/ScriptLexer.h"
#include "script/SqsScanner.h"

#include <QApplication>
#include <Qsci/qscilexercpp.h>
#include <Qsci/qsciscintilla.h>
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <type_traits>
#include <vector>

namespace {

using Sci = QsciScintillaBase;

const char *const kCommands[] = {
    "hint", "setPos", "getPos", "addWeapon", "removeAllWeapons", "addMagazine", "setDammage", "alive",
    "sideChat", "globalChat", "format", "select", "count", "player", "vehicle", "moveInDriver", "doMove",
    "setBehaviour", "setCombatMode", "setSpeedMode", "createUnit", "deleteVehicle", "exitWith", "if", "then",
    "else", "forEach", "while", "do", "private", "call", "spawn", "sleep", "waitUntil", "goto", "abs",
    "random", "round", "floor", "distance", "setDir", "getDir", "playMove", "switchMove", "say", "titleText",
};

const QString &keywordText()
{
    static const QString text = [] {
        QString t;
        for (const char *c : kCommands)
            t += QLatin1String(c) + u'\n';
        return t;
    }();
    return text;
}

// About 5 MB of script in the editor's form: UTF-8, CR LF, no break after the last line.
const QByteArray &document()
{
    static const QByteArray text = [] {
        std::mt19937 rng(1);
        const auto pick = [&rng](auto &list) { return list[rng() % std::size(list)]; };
        const char *const vars[] = {"_unit", "_pos", "_i", "_group", "_veh", "_target", "_time"};
        const char *const strings[] = {"\"M16\"", "\"Привет, солдат\"", "\"%1 of %2\"", "\"\"", "\"loop\""};
        QByteArray t;
        t.reserve(5'300'000);
        int line = 0;
        while (t.size() < 5'000'000) {
            switch (rng() % 10) {
            case 0:
                t += "// ";
                t += pick(kCommands);
                t += " the unit to its place, then wait; комментарий";
                break;
            case 1:
                t += "/* block comment\r\n   over several lines */ ";
                t += pick(vars);
                t += " = 0;";
                break;
            case 2:
                t += "if (alive ";
                t += pick(vars);
                t += ") then {";
                t += pick(vars);
                t += " setPos [getPos player select 0, 12.5, 0x1F]};";
                break;
            case 3:
                t += "\t";
                t += pick(vars);
                t += " sideChat format [";
                t += pick(strings);
                t += ", ";
                t += pick(vars);
                t += ", time];";
                break;
            case 4:
                t += "~";
                t += QByteArray::number(int(rng() % 100)) + ".5";
                break;
            case 5:
                t += "#label";
                t += QByteArray::number(line);
                break;
            default:
                t += pick(vars);
                t += " = ";
                t += pick(vars);
                t += " ";
                t += pick(kCommands);
                t += " ";
                t += QByteArray::number(int(rng() % 1000));
                t += "; ";
                t += pick(kCommands);
                t += " ";
                t += pick(strings);
                t += ";";
                break;
            }
            t += "\r\n";
            ++line;
        }
        t.chop(2);
        return t;
    }();
    return text;
}

void BM_ScannerThroughput(benchmark::State &state)
{
    const QByteArray &text = document();
    std::vector<std::pair<qsizetype, qsizetype>> lines;
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = text.indexOf("\r\n", start);
        if (end < 0)
            end = text.size();
        lines.emplace_back(start, end - start);
        start = end + 2;
    }
    SqsScanner scanner;
    scanner.setKeyWords(keywordText());
    std::vector<char> styles(std::size_t(text.size()));
    for (auto _ : state) {
        RangeState range = rsNone;
        for (const auto &[start, length] : lines)
            range = scanner.styleLine(QByteArrayView(text).sliced(start, length), range, styles.data() + start);
        benchmark::DoNotOptimize(range);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * text.size());
    state.counters["lines"] = double(lines.size());
}
BENCHMARK(BM_ScannerThroughput)->Unit(benchmark::kMillisecond);

struct Editor
{
    QsciScintilla edit;

    explicit Editor(QsciLexer *lexer)
    {
        edit.setUtf8(true);
        edit.SendScintilla(Sci::SCI_SETTEXT, document().constData());
        edit.setLexer(lexer);
    }
    ~Editor() { edit.setLexer(nullptr); }
};

struct NoLexer
{
};

template <class Lexer>
std::unique_ptr<QsciLexer> makeLexer()
{
    if constexpr (std::is_same_v<Lexer, NoLexer>) {
        return nullptr;
    } else {
        auto lexer = std::make_unique<Lexer>();
        if constexpr (std::is_same_v<Lexer, ScriptLexer>)
            lexer->setKeyWords(keywordText());
        return lexer;
    }
}

// Styling the whole text from scratch, as after opening the file and scrolling to its end.
template <class Lexer>
void BM_StyleWholeDocument(benchmark::State &state)
{
    const auto lexer = makeLexer<Lexer>();
    Editor e(lexer.get());
    for (auto _ : state) {
        state.PauseTiming();
        e.edit.SendScintilla(Sci::SCI_CLEARDOCUMENTSTYLE);
        state.ResumeTiming();
        e.edit.SendScintilla(Sci::SCI_COLOURISE, 0UL, -1L);
    }
    state.SetBytesProcessed(state.iterations() * document().size());
}
BENCHMARK_TEMPLATE(BM_StyleWholeDocument, ScriptLexer)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_TEMPLATE(BM_StyleWholeDocument, QsciLexerCPP)->Unit(benchmark::kMillisecond)->UseRealTime();

// One keystroke in the middle of the text and the repaint of one screen below it; NoLexer is the
// editor's own cost of the edit.
template <class Lexer>
void BM_KeystrokeAndRepaint(benchmark::State &state)
{
    const auto lexer = makeLexer<Lexer>();
    Editor e(lexer.get());
    e.edit.SendScintilla(Sci::SCI_COLOURISE, 0UL, -1L);
    const long line = e.edit.SendScintilla(Sci::SCI_GETLINECOUNT) / 2;
    const long pos = e.edit.SendScintilla(Sci::SCI_POSITIONFROMLINE, line);
    const long screenEnd = e.edit.SendScintilla(Sci::SCI_POSITIONFROMLINE, line + 60);
    bool insert = true;
    for (auto _ : state) {
        if (insert)
            e.edit.SendScintilla(Sci::SCI_INSERTTEXT, uintptr_t(pos), "x");
        else
            e.edit.SendScintilla(Sci::SCI_DELETERANGE, pos, 1L);
        insert = !insert;
        e.edit.SendScintilla(Sci::SCI_COLOURISE, e.edit.SendScintilla(Sci::SCI_GETENDSTYLED), screenEnd);
    }
}
BENCHMARK_TEMPLATE(BM_KeystrokeAndRepaint, ScriptLexer)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_KeystrokeAndRepaint, QsciLexerCPP)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_KeystrokeAndRepaint, NoLexer)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
