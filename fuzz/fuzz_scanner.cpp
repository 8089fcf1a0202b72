// The script scanner: any bytes as a script; tokens cover each line exactly, and styling the
// lines one at a time agrees with the token scan.
#include "FuzzInput.h"
#include "script/SqsScanner.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static SqsScanner scanner = [] {
        SqsScanner s;
        s.setKeyWords(QStringLiteral("hint\nif\nthen\ngoto\naddWeapon\n_x\n#bad"));
        return s;
    }();
    const QByteArray text = fuzzBytes(data, size);
    RangeState byTokens = rsNone, byStyles = rsNone;
    std::vector<SqsToken> tokens;
    std::vector<char> styles;
    for (const QByteArray &line : text.split('\n')) {
        byTokens = scanner.scanLine(line, byTokens, tokens);
        qsizetype at = 0;
        for (const SqsToken &t : tokens) {
            FUZZ_CHECK(t.start == at && t.length >= 0);
            at += t.length;
        }
        FUZZ_CHECK(at == line.size());
        FUZZ_CHECK(!tokens.empty() && tokens.back().kind == tkNull);
        styles.assign(std::size_t(line.size()), char(-1));
        byStyles = scanner.styleLine(line, byStyles, styles.data());
        FUZZ_CHECK(byStyles == byTokens);
        for (const SqsToken &t : tokens)
            for (qsizetype i = t.start; i < t.start + t.length; ++i)
                FUZZ_CHECK(styles[std::size_t(i)] == char(t.kind));
    }
    return 0;
}
