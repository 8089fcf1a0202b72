// The search expression: the first line of the input is a pattern (rewritten for the Russian
// ranges, compiled by PCRE2), the rest the text. Matches lie inside the text, in order, and
// never hang; a pattern that does not compile fails cleanly.
#include "FuzzInput.h"
#include "search/SearchExpression.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const qsizetype cut = bytes.indexOf('\n');
    const QString pattern = QString::fromUtf8(cut < 0 ? bytes : bytes.left(cut));
    const QByteArray text = cut < 0 ? QByteArray() : bytes.mid(cut + 1);
    withRussianRanges(pattern);
    for (bool ignoreCase : {false, true}) {
        const SearchExpression expression(pattern, {ignoreCase, SearchExpression::Syntax::Expression});
        if (!expression.isValid())
            continue;
        qsizetype last = -1;
        bool failed = false;
        for (const SearchMatch &m : expression.matches(text, &failed)) {
            FUZZ_CHECK(m.start >= 0 && m.length >= 0 && m.end() <= text.size());
            FUZZ_CHECK(m.start > last || (m.start == last && m.length > 0) || last < 0);
            last = m.start;
        }
    }
    const SearchExpression plain(pattern, {false, SearchExpression::Syntax::PlainText});
    FUZZ_CHECK(plain.isValid() || pattern.isEmpty());
    if (plain.isValid())
        plain.matches(text);
    return 0;
}
