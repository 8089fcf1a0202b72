// Search speed on a generated 10 MB script with 100 000 matches: F3 from the top and Replace All,
// each against the bare PCRE2 run over the same bytes with the same compiled expression options.
#include "editor/EditorKeys.h"
#include "editor/SearchController.h"
#include "search/TextSearch.h"

#include <Qsci/qsciscintilla.h>
#include <benchmark/benchmark.h>

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <random>

namespace {

constexpr int kMatches = 100'000;
const QString kPattern = QStringLiteral("setDammage [0-9]+");
const QByteArray kPatternBytes = kPattern.toUtf8();
const QString kReplacement = QStringLiteral("setDamage 0");

// About 10 MB of script in the editor's form (UTF-8, CR LF), holding exactly kMatches matches.
const QByteArray &document()
{
    static const QByteArray text = [] {
        std::mt19937 rng(5);
        const char *const filler[] = {
            "_unit setPos [getPos player select 0, 12.5, 0];",
            "hint format [\"Привет, %1 солдат\", _count]; // сообщение",
            "if (alive _veh) then {_veh setDir 90};",
            "~2.5",
            "_group = group player; _pos = getPos leader _group;",
            "/* setDamage block */ _x setBehaviour \"AWARE\";",
        };
        QByteArray t;
        t.reserve(10'600'000);
        const qint64 target = 10'000'000;
        int placed = 0;
        while (placed < kMatches || t.size() < target) {
            const bool match = placed < kMatches && (t.size() * qint64(kMatches) >= qint64(placed) * target);
            if (match) {
                t += "_unit setDammage ";
                t += QByteArray::number(int(rng() % 100));
                t += ";";
                ++placed;
            } else {
                t += filler[rng() % std::size(filler)];
            }
            t += "\r\n";
        }
        t.chop(2);
        return t;
    }();
    return text;
}

struct BareExpression
{
    pcre2_code *code;
    pcre2_match_data *data;

    // The flags and newline convention the editor's search compiles with; JIT when available.
    BareExpression()
    {
        pcre2_compile_context *context = pcre2_compile_context_create(nullptr);
        pcre2_set_newline(context, PCRE2_NEWLINE_ANYCRLF);
        int error = 0;
        PCRE2_SIZE offset = 0;
        code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(kPatternBytes.constData()), PCRE2_SIZE(kPatternBytes.size()),
                             PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_DOTALL, &error, &offset, context);
        pcre2_compile_context_free(context);
        pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
        data = pcre2_match_data_create_from_pattern(code, nullptr);
    }
    ~BareExpression()
    {
        pcre2_match_data_free(data);
        pcre2_code_free(code);
    }
};

void BM_FindNextFromTop_Ours(benchmark::State &state)
{
    const QByteArray &text = document();
    for (auto _ : state) {
        MatchList matches;
        const TextSearch::Outcome outcome = TextSearch::find(text, 0, TextSearch::quickFind(kPattern), &matches);
        benchmark::DoNotOptimize(outcome.match.start);
        if (matches.size() != std::size_t(kMatches))
            state.SkipWithError("wrong number of matches");
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_FindNextFromTop_Ours)->Unit(benchmark::kMillisecond);

void BM_FindNextFromTop_BarePcre2(benchmark::State &state)
{
    const QByteArray &text = document();
    const auto *subject = reinterpret_cast<PCRE2_SPTR>(text.constData());
    for (auto _ : state) {
        const BareExpression e;
        int count = 0;
        for (PCRE2_SIZE from = 0;;) {
            if (pcre2_match(e.code, subject, PCRE2_SIZE(text.size()), from, 0, e.data, nullptr) < 0)
                break;
            const PCRE2_SIZE *ov = pcre2_get_ovector_pointer(e.data);
            ++count;
            from = ov[1] > ov[0] ? ov[1] : ov[1] + 1;
        }
        if (count != kMatches)
            state.SkipWithError("wrong number of matches");
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_FindNextFromTop_BarePcre2)->Unit(benchmark::kMillisecond);

void BM_ReplaceAll_Ours(benchmark::State &state)
{
    const QByteArray &text = document();
    for (auto _ : state) {
        const TextSearch::Replacement r = TextSearch::replaceAll(text, 0, {kPattern, true, false, true}, kReplacement);
        const QByteArray span = r.replacedSpan(text);
        benchmark::DoNotOptimize(span.constData());
        if (r.count() != kMatches)
            state.SkipWithError("wrong number of matches");
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ReplaceAll_Ours)->Unit(benchmark::kMillisecond);

void BM_ReplaceAll_BareSubstitute(benchmark::State &state)
{
    const QByteArray &text = document();
    const QByteArray with = kReplacement.toUtf8();
    std::vector<PCRE2_UCHAR> out(std::size_t(text.size()) + 16);
    for (auto _ : state) {
        const BareExpression e;
        PCRE2_SIZE length = out.size();
        const int count = pcre2_substitute(e.code, reinterpret_cast<PCRE2_SPTR>(text.constData()),
                                           PCRE2_SIZE(text.size()), 0, PCRE2_SUBSTITUTE_GLOBAL, e.data, nullptr,
                                           reinterpret_cast<PCRE2_SPTR>(with.constData()), PCRE2_SIZE(with.size()),
                                           out.data(), &length);
        benchmark::DoNotOptimize(out.data());
        if (count != kMatches)
            state.SkipWithError("wrong number of matches");
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ReplaceAll_BareSubstitute)->Unit(benchmark::kMillisecond);

// The whole command as the user runs it: the one pass, then each match replaced in the editor
// inside one undo step. The text is put back outside the timing.
void BM_ReplaceAll_InEditor(benchmark::State &state)
{
    const QByteArray &text = document();
    QsciScintilla editor;
    editor.setUtf8(true);
    editor.setEolMode(QsciScintilla::EolWindows);
    for (auto _ : state) {
        state.PauseTiming();
        editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, text.constData());
        editor.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
        state.ResumeTiming();
        const QByteArrayView bytes(reinterpret_cast<const char *>(
                                       editor.SendScintilla(QsciScintillaBase::SCI_GETCHARACTERPOINTER)),
                                   editor.length());
        const TextSearch::Replacement r = TextSearch::replaceAll(bytes, 0, {kPattern, true, false, true}, kReplacement);
        SearchController::apply(&editor, r);
    }
}
BENCHMARK(BM_ReplaceAll_InEditor)->Unit(benchmark::kMillisecond)->UseRealTime();

// Undo of that Replace All, as the menu's Undo runs it: one step of 100 000 edits.
void BM_UndoReplaceAll_InEditor(benchmark::State &state)
{
    const QByteArray &text = document();
    QsciScintilla editor;
    editor.setUtf8(true);
    for (auto _ : state) {
        state.PauseTiming();
        editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, text.constData());
        editor.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
        const QByteArrayView bytes(reinterpret_cast<const char *>(
                                       editor.SendScintilla(QsciScintillaBase::SCI_GETCHARACTERPOINTER)),
                                   editor.length());
        SearchController::apply(&editor, TextSearch::replaceAll(bytes, 0, {kPattern, true, false, true}, kReplacement));
        state.ResumeTiming();
        EditorKeys::undo(&editor);
    }
    if (editor.length() != text.size())
        state.SkipWithError("undo did not restore the text");
}
BENCHMARK(BM_UndoReplaceAll_InEditor)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
