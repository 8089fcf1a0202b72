// The editor's highlighter of mission scripts: the scanner's tokens painted with the attributes' colours and fonts.
#pragma once

#include "editor/LexerAttributes.h"
#include "script/SqsScanner.h"
#include "settings/EditorSettings.h"

#include <Qsci/qscilexercustom.h>

#include <array>
#include <vector>

// A thin QsciLexerCustom over SqsScanner. Style number N paints the tokens of kind N (TokenKind);
// style PlainStyle (tkNull) is plain text in the editor's font and colours.
//
// Use:
//   editor->setLexer(highlighter);   // adopts the editor's font, text colour and paper at that moment
//   highlighter->setEditorLook(font, text, paper);  // later changes of them go through the highlighter:
//                                    // QsciScintilla ignores its own setFont/setColor/setPaper while
//                                    // a lexer is attached
//   highlighter->keyword->setForeground(Colors::clRed);   // repaints at once
//
// Styling is incremental: Scintilla asks for the lines from its first unstyled position on, each line
// starts from the range the line before left (kept in the line state), and whatever follows a restyled
// part counts as unstyled, so an opened or closed "/*" reaches the lines below as they are shown.
class ScriptLexer : public QsciLexerCustom
{
    Q_OBJECT
public:
    static constexpr int PlainStyle = tkNull;

    explicit ScriptLexer(QObject *parent = nullptr);
    ~ScriptLexer() override;

    // Display attributes, owned by the highlighter; names and defaults (colour, style):
    LexerAttributes *sqsComment;   // "Comment": ';' comments; clGray, italic
    LexerAttributes *lineComment;  // "DSL": "//" comments; clNone
    LexerAttributes *blockComment; // "Sdot": "/* */" comments; clNone
    LexerAttributes *identifier;   // "Identifier": other words, unknown characters; clNone
    LexerAttributes *keyword;      // "Reserved Word": keywords; clBlack, bold
    LexerAttributes *number;       // "Number": clTeal, bold
    LexerAttributes *space;        // "Space": blanks; clNone
    LexerAttributes *string;       // "String": clGreen
    LexerAttributes *preprocessor; // "Preprocessor": '#' labels; clMaroon, bold
    LexerAttributes *variable;     // "Underline": '_' variables; clNavy
    LexerAttributes *delay;        // "TildaNumber": '~' times; clPurple

    // The attributes the settings name, in the order of KeyedAttribute.
    std::array<LexerAttributes *, kKeyedAttributeCount> keyedAttributes() const;

    // Comment styles: the ';' style paints sqsComment, the C style lineComment and blockComment. The
    // look goes to the attributes of the chosen style; the other style's become plain text.
    TextLook commentLook(bool sqs) const;
    void setCommentStyle(bool sqs, const TextLook &look);
    // The comment style in force: true for ';', false for "//" and "/* */".
    bool sqsComments() const { return m_sqsComments; }

    // The editor's font, text colour and paper, which every style builds on: a style takes the font
    // with its attribute's bold, italic, underline and strike-out, and the text colour or paper where
    // its attribute's colour is clNone. Also sets the editor widget's font, for whoever reads it.
    void setEditorLook(const QFont &font, const QColor &text, const QColor &paper);

    // Replaces the keyword list by the lines of `text` (one command a line) and restyles the editor:
    // the lines on screen at once, the others when they are shown.
    void setKeyWords(const QString &text);

    // Switched off, all text is painted as PlainStyle; the attributes keep their values.
    // Switching restyles the editor like setKeyWords().
    bool enabled() const { return m_enabled; }
    void setEnabled(bool on);

    // The scanner with the current keyword list, for code that needs the tokens the editor shows.
    const SqsScanner &scanner() const { return m_scanner; }

    // QsciLexer
    const char *language() const override; // "SQS"
    QString description(int style) const override;
    QColor color(int style) const override;
    QColor paper(int style) const override;
    QFont font(int style) const override;
    bool caseSensitive() const override;
    const char *wordCharacters() const override;
    void setEditor(QsciScintilla *editor) override;
    void refreshProperties() override;
    void styleText(int start, int end) override;

public slots:
    // With style -1 (or STYLE_DEFAULT), one part of setEditorLook(). Token styles follow their
    // attributes, so a single token style cannot be set here.
    void setColor(const QColor &c, int style = -1) override;
    void setPaper(const QColor &c, int style = -1) override;
    void setFont(const QFont &f, int style = -1) override;

private:
    LexerAttributes *attributeOf(int style) const;
    void applyStyle(int style);
    void applyAllStyles();
    void restyle();
    void storeDefaultPaper(const QColor &paper);

    SqsScanner m_scanner;
    bool m_sqsComments = true;
    std::array<LexerAttributes *, 14> m_styleAttributes{};
    std::vector<char> m_styles; // reused styling buffer
    bool m_enabled = true;
    bool m_storingPaper = false;
};
