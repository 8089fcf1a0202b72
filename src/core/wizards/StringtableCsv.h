// The stringtable.csv text, and the table of strings the stringtable wizard edits.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace Stringtable {

constexpr int kLanguageCount = 7;

// "English", "Russian", "German", "Czech", "French", "Italian", "Spanish": the order of the
// file's columns, whatever order the user chose them in.
const QStringList &languageNames();

using Languages = std::array<bool, kLanguageCount>;

// One string: its identifier and its text in every language. A text belongs to its language,
// so choosing languages off and on again never moves it to another one.
struct Row
{
    QString id;
    std::array<QString, kLanguageCount> texts;
};

} // namespace Stringtable

// What the stringtable wizard's form holds. Row 0 is the first data row.
struct StringtableForm
{
    Stringtable::Languages languages{};
    QList<Stringtable::Row> rows{Stringtable::Row{}};
};

// nullopt when no language is chosen.
std::optional<QString> buildStringtableCsv(const StringtableForm &form);

namespace Stringtable {

// The chosen languages as indexes into languageNames(), in the file's order.
QList<int> chosenLanguages(const Languages &languages);

// The grid's view of a row: column 0 the identifier, column i the i-th chosen language.
QString cell(const StringtableForm &form, qsizetype row, int column);
void setCell(StringtableForm &form, qsizetype row, int column, const QString &text);

// A row whose shown cells hold one blank each, put at `at` (0..rows); false outside that range.
bool insertBlankRow(StringtableForm &form, qsizetype at);
// Removes the row; the last one left is emptied instead, so the table never loses its only row.
void deleteRow(StringtableForm &form, qsizetype at);
// Empties every text of the row, its identifier included.
void clearRow(StringtableForm &form, qsizetype at);
// Moves a row to another place, the rows between shifting by one; false when either is outside.
bool moveRow(StringtableForm &form, qsizetype from, qsizetype to);
// True unless a row has exactly this identifier (letter case counts, nothing trimmed).
bool isUniqueId(const StringtableForm &form, const QString &id);

} // namespace Stringtable
