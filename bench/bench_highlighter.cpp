// Highlighter speed on a generated 5 MB SQF text: the scanner alone, and styling in a QsciScintilla
// with our highlighter against the same editor with QScintilla's own C++ lexer.
#include "editor/ScriptLexer.h"
#include "script/SqsScanner.h"
#include "ScriptText.h"

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

using ScriptText::keywordText;

// About 5 MB of script in the editor's form.
const QByteArray &document()
{
    static const QByteArray text = ScriptText::generatedScript(5'000'000);
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
