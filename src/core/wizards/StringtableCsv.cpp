// Building stringtable.csv and editing the table of strings.
#include "wizards/StringtableCsv.h"

#include "text/FileText.h"
#include "wizards/WizardText.h"

#include <algorithm>

using WizardText::kCrLf;

namespace Stringtable {

const QStringList &languageNames()
{
    static const QStringList names{QStringLiteral("English"), QStringLiteral("Russian"), QStringLiteral("German"),
                                   QStringLiteral("Czech"),   QStringLiteral("French"),  QStringLiteral("Italian"),
                                   QStringLiteral("Spanish")};
    return names;
}

QList<int> chosenLanguages(const Languages &languages)
{
    QList<int> chosen;
    for (int i = 0; i < kLanguageCount; ++i)
        if (languages[i])
            chosen << i;
    return chosen;
}

namespace {

constexpr int kIdColumn = -1, kNoColumn = -2;

// What a grid column shows: kIdColumn, a language index, or kNoColumn.
int columnContent(const Languages &languages, int column)
{
    if (column == 0)
        return kIdColumn;
    const QList<int> chosen = chosenLanguages(languages);
    return column > 0 && column <= chosen.size() ? chosen[column - 1] : kNoColumn;
}

} // namespace

QString cell(const StringtableForm &form, qsizetype row, int column)
{
    const int content = columnContent(form.languages, column);
    if (row < 0 || row >= form.rows.size() || content == kNoColumn)
        return {};
    const Row &r = form.rows[row];
    return content == kIdColumn ? r.id : r.texts[content];
}

void setCell(StringtableForm &form, qsizetype row, int column, const QString &text)
{
    const int content = columnContent(form.languages, column);
    if (row < 0 || row >= form.rows.size() || content == kNoColumn)
        return;
    Row &r = form.rows[row];
    (content == kIdColumn ? r.id : r.texts[content]) = text;
}

bool insertBlankRow(StringtableForm &form, qsizetype at)
{
    if (at < 0 || at > form.rows.size())
        return false;
    Row row;
    row.id = QStringLiteral(" ");
    for (int language : chosenLanguages(form.languages))
        row.texts[language] = QStringLiteral(" ");
    form.rows.insert(at, row);
    return true;
}

void deleteRow(StringtableForm &form, qsizetype at)
{
    if (form.rows.size() <= 1 || at < 0)
        clearRow(form, 0);
    else if (at < form.rows.size())
        form.rows.removeAt(at);
}

void clearRow(StringtableForm &form, qsizetype at)
{
    if (at >= 0 && at < form.rows.size())
        form.rows[at] = Row{};
}

bool moveRow(StringtableForm &form, qsizetype from, qsizetype to)
{
    const qsizetype size = form.rows.size();
    if (from < 0 || from >= size || to < 0 || to >= size)
        return false;
    form.rows.move(from, to);
    return true;
}

bool isUniqueId(const StringtableForm &form, const QString &id)
{
    return std::none_of(form.rows.begin(), form.rows.end(), [&id](const Row &row) { return row.id == id; });
}

} // namespace Stringtable

std::optional<QString> buildStringtableCsv(const StringtableForm &form)
{
    const QList<int> chosen = Stringtable::chosenLanguages(form.languages);
    if (chosen.isEmpty())
        return std::nullopt;
    QString text = QStringLiteral("LANGUAGE");
    for (int language : chosen)
        text += QStringLiteral(",\"%1\"").arg(Stringtable::languageNames()[language]);
    text += kCrLf + kCrLf;
    for (const Stringtable::Row &row : form.rows) {
        text += row.id + u',';
        for (int language : chosen)
            text += u'"' + row.texts[language] + QStringLiteral("\",");
        text += kCrLf;
    }
    // A row with every cell empty becomes an empty line. Each match eats the break that ends the
    // empty line, so of several such rows in a row only every other one is caught.
    for (int k = 1; k <= Stringtable::kLanguageCount; ++k)
        text = replaceAll(text, kCrLf + u',' + QStringLiteral("\"\",").repeated(k) + kCrLf, kCrLf + kCrLf);
    return text;
}
