// Bracket features over the editor's bytes: the partner found by our own search (Scintilla's pairs
// brackets by style), painted with two indicators so that the token's own font stays.
#include "editor/BracketMatcher.h"

#include "common/EditorBytes.h"
#include "common/QtColor.h"
#include "editor/ScriptLexer.h"
#include "script/BracketMatch.h"
#include "settings/SettingsInForce.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <Qsci/qsciscintilla.h>

namespace {
using Sci = QsciScintillaBase;
}

BracketMatcher::BracketMatcher(QsciScintilla *editor, ScriptLexer *highlighter, const SettingsInForce &settings)
    : QObject(editor), m_editor(editor), m_viewport(editor->viewport()), m_highlighter(highlighter),
      m_settings(settings)
{
    setObjectName(QStringLiteral("BracketMatcher"));
    m_editor->setBraceMatching(QsciScintilla::NoBraceMatch);
    m_backgroundIndicator = m_editor->indicatorDefine(QsciScintilla::FullBoxIndicator);
    m_editor->setIndicatorDrawUnder(true, m_backgroundIndicator);
    m_textIndicator = m_editor->indicatorDefine(QsciScintilla::TextColorIndicator);
    applyColors();
    connect(m_editor, &QsciScintillaBase::SCN_UPDATEUI, this, &BracketMatcher::refresh);
    connect(m_editor, &QsciScintilla::textChanged, this, [this] {
        m_textChanged = true;
        ++m_changesNotPlaced;
    });
    connect(m_editor, &QsciScintillaBase::SCN_MODIFIED, this, &BracketMatcher::noteChange);
    m_editor->viewport()->installEventFilter(this);
}

void BracketMatcher::noteChange(int position, int type)
{
    if (!(type & (Sci::SC_MOD_INSERTTEXT | Sci::SC_MOD_DELETETEXT)))
        return;
    m_ranges.changedFrom(position);
    --m_changesNotPlaced;
}

// The script text as the highlighter sees it, with what is open at each line start kept from
// one call to the next, whether the highlighter is on or off.
template <class Use>
void BracketMatcher::withScript(Use &&use)
{
    if (m_changesNotPlaced != 0) {
        m_ranges.clear();
        m_changesNotPlaced = 0;
    }
    const ScriptText script(EditorBytes::text(m_editor), m_highlighter->scanner(), &m_ranges);
    use(script);
}

qsizetype BracketMatcher::bracketBeside(qsizetype caret) const
{
    // The whole text as one piece would move Scintilla's gap to its end at every keystroke.
    const char around[2] = {EditorBytes::byteAt(m_editor, caret - 1), EditorBytes::byteAt(m_editor, caret)};
    const qsizetype at = BracketMatch::chooseBracket(QByteArrayView(around, 2), 1);
    return at < 0 ? -1 : caret - 1 + at;
}

void BracketMatcher::jumpToPartner()
{
    if (EditorBytes::hasSelection(m_editor))
        return;
    const qsizetype bracket = bracketBeside(EditorBytes::caret(m_editor));
    if (bracket < 0)
        return;
    withScript([&](const ScriptText &script) {
        const qsizetype partner = BracketMatch::partner(script, bracket);
        if (partner >= 0)
            EditorBytes::moveCaret(m_editor, partner);
    });
}

void BracketMatcher::refresh()
{
    const qsizetype caret = EditorBytes::caret(m_editor);
    const bool selected = EditorBytes::hasSelection(m_editor);
    // Scrolling and restyling leave the brackets where they are.
    if (!m_textChanged && caret == m_refreshedCaret && selected == m_refreshedSelected)
        return;
    m_refreshedCaret = caret;
    m_refreshedSelected = selected;
    qsizetype painted[2] = {-1, -1};
    const qsizetype bracket = selected ? -1 : bracketBeside(caret);
    if (bracket >= 0) {
        withScript([&](const ScriptText &script) {
            if (!BracketMatch::isPainted(script, bracket))
                return;
            painted[0] = bracket;
            painted[1] = BracketMatch::partner(script, bracket);
        });
    }
    if (!m_textChanged && painted[0] == m_painted[0] && painted[1] == m_painted[1])
        return;
    m_textChanged = false;
    const long length = m_editor->length();
    for (int indicator : {m_textIndicator, m_backgroundIndicator}) {
        m_editor->SendScintilla(Sci::SCI_SETINDICATORCURRENT, indicator);
        m_editor->SendScintilla(Sci::SCI_INDICATORCLEARRANGE, 0, length);
        for (qsizetype at : painted)
            if (at >= 0)
                m_editor->SendScintilla(Sci::SCI_INDICATORFILLRANGE, at, 1);
    }
    m_painted[0] = painted[0];
    m_painted[1] = painted[1];
}

// Read at every paint: a colour of clNone follows the editor's look, which may change after them.
void BracketMatcher::applyColors()
{
    const EditorSettings &s = m_settings.values();
    const QColor text = toQColor(s.bracketForeground, m_highlighter->defaultColor());
    const QColor paper = toQColor(s.bracketBackground, m_highlighter->defaultPaper());
    if (text == m_colors[0] && paper == m_colors[1])
        return;
    m_colors[0] = text;
    m_colors[1] = paper;
    m_editor->setIndicatorForegroundColor(text, m_textIndicator);
    m_editor->setIndicatorForegroundColor(paper, m_backgroundIndicator);
    m_editor->setIndicatorOutlineColor(paper, m_backgroundIndicator);
}

bool BracketMatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_viewport)
        return false;
    if (event->type() == QEvent::Paint)
        applyColors();
    else if (event->type() == QEvent::MouseButtonDblClick && !m_inDoubleClick
             && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        return doubleClick(watched, event);
    return false;
}

// The editor's own double click comes first. It selects a run of one kind of character: a word
// stays selected, but a run of brackets, other marks or blanks is no word, and beside a bracket
// the double click selects up to its partner instead, or nothing when it has none.
bool BracketMatcher::doubleClick(QObject *viewport, QEvent *event)
{
    const bool selectedBefore = EditorBytes::hasSelection(m_editor);
    const qsizetype caret = EditorBytes::caret(m_editor); // where the click put it
    m_inDoubleClick = true;
    QCoreApplication::sendEvent(viewport, event);
    m_inDoubleClick = false;
    const qsizetype bracket = bracketBeside(caret);
    if (selectedBefore || bracket < 0 || wordSelected())
        return true;
    withScript([&](const ScriptText &script) {
        const auto selection = BracketMatch::selectionToPartner(caret, bracket, BracketMatch::partner(script, bracket));
        if (selection)
            EditorBytes::select(m_editor, selection->anchor, selection->caret);
        else
            EditorBytes::moveCaret(m_editor, caret);
    });
    return true;
}

bool BracketMatcher::wordSelected() const
{
    const long start = long(EditorBytes::selectionStart(m_editor));
    return EditorBytes::hasSelection(m_editor)
           && m_editor->SendScintilla(Sci::SCI_WORDENDPOSITION, (unsigned long)start, long(true)) > start;
}
