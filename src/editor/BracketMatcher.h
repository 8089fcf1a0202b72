// The bracket beside the caret and its partner: painted in the bracket colours, jumped between
// (Alt+G) and selected up to by a double click.
#pragma once

#include "script/LineRanges.h"

#include <QColor>
#include <QObject>

class QsciScintilla;
class ScriptLexer;
class ScriptText;
class SettingsInForce;

class BracketMatcher : public QObject
{
    Q_OBJECT
public:
    // The colours are the settings' bracket colours.
    BracketMatcher(QsciScintilla *editor, ScriptLexer *highlighter, const SettingsInForce &settings);

    // Moves the caret before the partner of the bracket beside it; nothing with a selection.
    void jumpToPartner();

    // The byte positions painted now: the bracket and its partner, -1 where none.
    qsizetype paintedBracket() const { return m_painted[0]; }
    qsizetype paintedPartner() const { return m_painted[1]; }
    // The colours the two indicators paint with now.
    QColor paintColor() const { return m_colors[0]; }
    QColor paintBackground() const { return m_colors[1]; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The bracket beside the caret at `caret` (BracketMatch::chooseBracket), read without touching
    // the rest of the text; -1 when there is none.
    qsizetype bracketBeside(qsizetype caret) const;
    template <class Use>
    void withScript(Use &&use);
    void refresh();
    void applyColors();
    void noteChange(int position, int type);
    bool doubleClick(QObject *viewport, QEvent *event);
    bool wordSelected() const;

    QsciScintilla *m_editor;
    // Compared as it stands: while the editor is being destroyed its viewport still sends events.
    const QObject *m_viewport;
    ScriptLexer *m_highlighter;
    const SettingsInForce &m_settings;
    int m_textIndicator;       // the bracket's text colour
    int m_backgroundIndicator; // the box behind it
    qsizetype m_painted[2] = {-1, -1};
    QColor m_colors[2];
    qsizetype m_refreshedCaret = -1; // the caret and selection at the last refresh
    bool m_refreshedSelected = false;
    bool m_textChanged = true;
    // What is open at each line start, kept from one search to the next. Each change notice with
    // a place is paired with the text change it announces; a change without one (made with the
    // notices off) leaves this above 0, and then nothing kept can be trusted.
    LineRanges m_ranges;
    int m_changesNotPlaced = 0;
    bool m_inDoubleClick = false;
};
