// Building the reference tree from data.dat's lines.
#include "gamedata/ReferenceTree.h"

#include <array>
#include <optional>
#include <utility>

namespace {

const std::array<std::pair<const char *, const char16_t *>, 7> kCaptions = {{
    {"COMMANDS", u"Команды"},
    {"ANIMATIONS", u"Анимации"},
    {"MAN", u"Люди"},
    {"INFANTRY WEAPONS", u"Оружие пехоты"},
    {"VEHICLE/STATIC WEAPONS", u"Транспортное/Статическое оружие"},
    {"VEHICLES", u"Транспорт"},
    {"EQUIPMENT", u"Снаряжение"},
}};

const std::array<const char *, 4> kHiddenHeaders = {"[CMDIL ARMA]", "[CMDIL OFP]", "[INFANTRY MAGAZINES ARMA]",
                                                    "[INFANTRY MAGAZINES OFP]"};

bool isHiddenHeader(const QString &line)
{
    for (const char *header : kHiddenHeaders)
        if (line == QLatin1String(header))
            return true;
    return false;
}

bool holdsLowerLatin(QStringView line)
{
    for (QChar c : line)
        if (c >= u'a' && c <= u'z')
            return true;
    return false;
}

// The game a header names, none for a section of both; OFP wins when a header names both games.
std::optional<Game> gameOfHeader(const QString &line)
{
    const QByteArray upper = line.toUtf8().toUpper(); // ASCII letters only
    if (upper.contains("OFP"))
        return Game::Ofp;
    if (upper.contains("ARMA"))
        return Game::Arma;
    return std::nullopt;
}

QString captionOf(const QString &header)
{
    for (const auto &[name, caption] : kCaptions) {
        const QString section = u'[' + QLatin1String(name) + u' ';
        if (header == section + QLatin1String("OFP]") || header == section + QLatin1String("ARMA]"))
            return QString::fromUtf16(caption);
    }
    QString text = header.mid(1);
    if (!text.isEmpty() && text.indexOf(u']') == text.size() - 1)
        text.chop(1);
    return text;
}

// Adds the lines of one game to the tree as they come.
class TreeBuilder
{
public:
    explicit TreeBuilder(Game game) : m_game(game) {}

    void add(const QString &line)
    {
        if (isHiddenHeader(line)) {
            m_skipping = true;
            return;
        }
        if (m_skipping) {
            if (!line.startsWith(u'[') || holdsLowerLatin(line))
                return;
            m_skipping = false;
        }
        if (line.startsWith(u'['))
            m_sectionGame = gameOfHeader(line);
        if ((m_sectionGame && *m_sectionGame != m_game) || line.isEmpty())
            return;
        if (line.startsWith(u'[')) {
            m_top.push_back({captionOf(line), {}});
            m_hasCurrent = true;
        } else if (line.startsWith(u' ') && m_hasCurrent && !m_top.back().children.empty()) {
            m_top.back().children.back().children.push_back({line.mid(1), {}});
        } else {
            // A blank-led line with no entry above it to belong to stands as an entry of its own.
            const QString text = line.startsWith(u' ') ? line.mid(1) : line;
            (m_hasCurrent ? m_top.back().children : m_top).push_back({text, {}});
        }
    }

    std::vector<ReferenceNode> take() { return std::move(m_top); }

private:
    Game m_game;
    bool m_skipping = false;
    bool m_hasCurrent = false; // a header has been seen: m_top.back() is the current top node
    std::optional<Game> m_sectionGame; // the game of the section the lines are in
    std::vector<ReferenceNode> m_top;
};

} // namespace

namespace ReferenceTree {

QString commandsCaption()
{
    return QString::fromUtf16(kCaptions[0].second);
}

std::vector<ReferenceNode> build(const QStringList &lines, Game game)
{
    TreeBuilder builder(game);
    for (const QString &line : lines)
        builder.add(line);
    return builder.take();
}

QString quotedName(const QString &line, qsizetype caret, const QString &name)
{
    const auto isQuoteAt = [&](qsizetype i) { return i >= 0 && i < line.size() && line[i] == u'"'; };
    QString text = name;
    if (!isQuoteAt(caret - 1))
        text.prepend(u'"');
    if (!isQuoteAt(caret))
        text.append(u'"');
    return text;
}

} // namespace ReferenceTree
