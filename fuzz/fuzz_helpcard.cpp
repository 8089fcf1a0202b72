// Help cards: any bytes as a card give exactly seven rows; any name stays inside the cards' folder.
#include "FuzzInput.h"
#include "gamedata/HelpCard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const QStringList rows = HelpCard::rows(bytes);
    FUZZ_CHECK(rows.size() == HelpCard::kRows);
    for (const QString &row : rows)
        HelpCard::stripFirstTags(row);
    static const QTemporaryDir dir;
    const QString found = HelpCard::findFile(dir.path(), QString::fromUtf8(bytes));
    FUZZ_CHECK(found.isEmpty() || found.startsWith(dir.path() + u'/'));
    return 0;
}
