// config.ini: the read order at start-up and the write order at close, key by key.
#include "editor/MainWindow.h"

#include "editor/ProgramState.h"
#include "ui_MainWindow.h"

#include "editor/ScriptLexer.h"
#include "editor/EditorLook.h"
#include "reference/CompletionList.h"
#include "dialogs/SettingsDialog.h"
#include "platform/Dialogs.h"
#include "settings/IniFile.h"
#include "AppError.h"


namespace {

const QString kOptions = QStringLiteral("options");
const QString kHighlighter = QStringLiteral("HIGHLIGHTER");
const QString kFont = QStringLiteral("txfont");

// The seven attributes with their key stems, in the order of the keys.
struct NamedAttribute
{
    const char *stem;
    LexerAttributes *ScriptLexer::*attribute;
};
const NamedAttribute kAttributes[] = {
    {"Comd", &ScriptLexer::keyAttri},          {"Cifr", &ScriptLexer::numberAttri},
    {"String", &ScriptLexer::stringAttri},     {"Resh", &ScriptLexer::preprocessorAttri},
    {"Text", &ScriptLexer::identifierAttri},   {"Var", &ScriptLexer::underlineAttri},
    {"Tilda", &ScriptLexer::tildaAttri},
};
constexpr bool kBoldDefaults[] = {true, true, false, true, false, false, false};

// A colour that is neither an identifier nor a number is reported and the key keeps its
// value, so one bad line does not stop the rest of start-up.
ColorValue readColorKey(QWidget *parent, const IniFile &ini, const QString &section, const QString &key, ColorValue current)
{
    try {
        return ini.readColor(section, key, current);
    } catch (const AppError &error) {
        Dialogs::showError(parent, error);
        return current;
    }
}

// Adds or removes one style flag, leaving the attribute's others as they are.
void setStyleFlag(LexerAttributes *attr, LexerAttributes::FontStyle flag, bool on)
{
    attr->setStyle(attr->style().setFlag(flag, on));
}

QString key(const char *stem, const char *suffix)
{
    return QLatin1String(stem) + QLatin1String(suffix);
}

} // namespace

void MainWindow::readSettings(IniFile &ini)
{
    ui->N4->setChecked(ini.readBool(kOptions, QStringLiteral("showrow"), true));
    ui->N52->setChecked(ini.readBool(kOptions, QStringLiteral("showbar"), true));
    ui->N36->setChecked(ini.readBool(kOptions, QStringLiteral("showcmd"), true));
    ini.readBool(kOptions, QStringLiteral("BigToolbarButtons"), true) ? setBigSpeedButtons() : setSmallSpeedButtons();
    m_completion->shortCut = ini.readInteger(kOptions, QStringLiteral("cmdhotkey"), 9);
    ui->N54->setChecked(ini.readBool(kOptions, QStringLiteral("wrap"), false));
    m_look.setGutterVisible(ui->SynEdit1, ini.readBool(kOptions, QStringLiteral("showrow"), true));
    ui->Panel1->setVisible(ini.readBool(kOptions, QStringLiteral("showcmd"), true));
    m_look.setSplitterVisible(ui->Splitter1, ini.readBool(kOptions, QStringLiteral("showcmd"), true));
    ui->ToolBar1->setVisible(ini.readBool(kOptions, QStringLiteral("showbar"), true));
    m_look.setWordWrap(ui->SynEdit1, ini.readBool(kOptions, QStringLiteral("wrap"), false));

    loadFont(ini.fileName(), kFont, m_look.font, m_look.fontColor, m_look.fontCharSet);
    m_look.selBackground = readColorKey(this, ini, kOptions, QStringLiteral("SelBackground"), m_look.selBackground);
    m_look.selForeground = readColorKey(this, ini, kOptions, QStringLiteral("SelForeground"), m_look.selForeground);
    m_look.activeLineColor = readColorKey(this, ini, kOptions, QStringLiteral("ActiveLineColor"), m_look.activeLineColor);
    m_look.color = readColorKey(this, ini, kOptions, QStringLiteral("bgcolour"), m_look.color);
    m_look.apply(ui->SynEdit1, m_lexer);
    ProgramState::bracketFgColor = readColorKey(this, ini, kHighlighter, QStringLiteral("ForegroundBr"), Colors::clRed);
    ProgramState::bracketBgColor = readColorKey(this, ini, kHighlighter, QStringLiteral("BackgroundBr"), Colors::clNone);
    ProgramState::ofpExePath = ini.readString(kOptions, QStringLiteral("OFPpath"), QString());
    ProgramState::armaExePath = ini.readString(kOptions, QStringLiteral("AApath"), QString());
    ProgramState::saveBeforeRun = ini.readBool(kOptions, QStringLiteral("SaveBeforeRun"), false);
    ini.readBool(kOptions, QStringLiteral("smblock"), false) ? setColumnSelection() : setNormalSelection();
    setGameMode(ini.readBool(kOptions, QStringLiteral("armamode"), false));

    for (const auto &a : kAttributes) {
        LexerAttributes *attr = m_lexer->*a.attribute;
        attr->setForeground(readColorKey(this, ini, kHighlighter, key(a.stem, "Color"), attr->foreground()));
    }
    for (std::size_t i = 0; i < std::size(kAttributes); ++i)
        setStyleFlag(m_lexer->*kAttributes[i].attribute, LexerAttributes::Bold,
                     ini.readBool(kHighlighter, key(kAttributes[i].stem, "IsBold"), kBoldDefaults[i]));
    for (const auto &a : kAttributes)
        setStyleFlag(m_lexer->*a.attribute, LexerAttributes::Italic,
                     ini.readBool(kHighlighter, key(a.stem, "IsItalic"), false));
    setTabsToSpaces(ini.readBool(kOptions, QStringLiteral("TabsToSpaces"), false));
    m_sqsCommentsRead = ini.readBool(kOptions, QStringLiteral("SQScomments"), true);
    readCommentKeys(ini, m_sqsCommentsRead);
}

// The comment colour and style go to the attributes of the chosen style; the others are
// neutralised to plain text.
void MainWindow::readCommentKeys(const IniFile &ini, bool sqs)
{
    auto &h = *m_lexer;
    const QString color = QStringLiteral("CommColor");
    const QString bold = QStringLiteral("CommIsBold");
    const QString italic = QStringLiteral("CommIsItalic");
    if (sqs) {
        h.commentAttri->setForeground(readColorKey(this, ini, kHighlighter, color, h.commentAttri->foreground()));
        setStyleFlag(h.commentAttri, LexerAttributes::Bold, ini.readBool(kHighlighter, bold, false));
        setStyleFlag(h.commentAttri, LexerAttributes::Italic, ini.readBool(kHighlighter, italic, true));
        ProgramState::sqsCommentMode = true;
        for (LexerAttributes *other : {h.sdotAttri, h.dslAttri}) {
            other->setForeground(Colors::clNone);
            other->setStyle(h.identifierAttri->style());
        }
        return;
    }
    h.sdotAttri->setForeground(readColorKey(this, ini, kHighlighter, color, h.sdotAttri->foreground()));
    h.dslAttri->setForeground(readColorKey(this, ini, kHighlighter, color, h.dslAttri->foreground()));
    for (LexerAttributes *attr : {h.sdotAttri, h.dslAttri}) {
        setStyleFlag(attr, LexerAttributes::Bold, ini.readBool(kHighlighter, bold, false));
        setStyleFlag(attr, LexerAttributes::Italic, ini.readBool(kHighlighter, italic, false));
    }
    h.commentAttri->setForeground(Colors::clNone);
    h.commentAttri->setStyle(h.identifierAttri->style());
    ProgramState::sqsCommentMode = false;
}

void MainWindow::writeSettings(IniFile &ini)
{
    ini.writeInteger(kOptions, QStringLiteral("cmdhotkey"), m_completion->shortCut);
    ini.writeBool(kOptions, QStringLiteral("showrow"), ui->N4->isChecked());
    ini.writeBool(kOptions, QStringLiteral("BigToolbarButtons"), ui->N84->isChecked());
    ini.writeBool(kOptions, QStringLiteral("showbar"), ui->N52->isChecked());
    ini.writeBool(kOptions, QStringLiteral("wrap"), ui->N54->isChecked());
    ini.writeBool(kOptions, QStringLiteral("showcmd"), ui->N36->isChecked());
    ini.writeBool(kOptions, QStringLiteral("SQScomments"), m_settingsDialog ? m_settingsDialog->sqsComments() : ProgramState::sqsCommentMode);
    saveFont(ini.fileName(), kFont, m_look.font, m_look.fontColor, m_look.fontCharSet);
    ini.writeColor(kOptions, QStringLiteral("bgcolour"), m_look.color);
    ini.writeColor(kOptions, QStringLiteral("SelBackground"), m_look.selBackground);
    ini.writeColor(kOptions, QStringLiteral("SelForeground"), m_look.selForeground);
    ini.writeColor(kOptions, QStringLiteral("ActiveLineColor"), m_look.activeLineColor);
    ini.writeColor(kHighlighter, QStringLiteral("ForegroundBr"), ProgramState::bracketFgColor);
    ini.writeColor(kHighlighter, QStringLiteral("BackgroundBr"), ProgramState::bracketBgColor);
    ini.writeBool(kOptions, QStringLiteral("smblock"), ui->N66->isChecked());
    ini.writeBool(kOptions, QStringLiteral("armamode"), ui->ArmA1->isChecked());

    const LexerAttributes *comment =
        ProgramState::sqsCommentMode ? m_lexer->commentAttri : m_lexer->sdotAttri;
    ini.writeColor(kHighlighter, QStringLiteral("CommColor"), comment->foreground());
    for (const auto &a : kAttributes)
        ini.writeColor(kHighlighter, key(a.stem, "Color"), (m_lexer->*a.attribute)->foreground());
    ini.writeString(kOptions, QStringLiteral("OFPpath"), ProgramState::ofpExePath);
    ini.writeString(kOptions, QStringLiteral("AApath"), ProgramState::armaExePath);
    ini.writeBool(kHighlighter, QStringLiteral("CommIsBold"), comment->style().testFlag(LexerAttributes::Bold));
    for (const auto &a : kAttributes)
        ini.writeBool(kHighlighter, key(a.stem, "IsBold"), (m_lexer->*a.attribute)->style().testFlag(LexerAttributes::Bold));
    ini.writeBool(kHighlighter, QStringLiteral("CommIsItalic"), comment->style().testFlag(LexerAttributes::Italic));
    for (const auto &a : kAttributes)
        ini.writeBool(kHighlighter, key(a.stem, "IsItalic"), (m_lexer->*a.attribute)->style().testFlag(LexerAttributes::Italic));
    ini.writeBool(kOptions, QStringLiteral("SaveBeforeRun"), ProgramState::saveBeforeRun);
    ini.writeBool(kOptions, QStringLiteral("TabsToSpaces"), tabsToSpaces());
}

void MainWindow::setTabsToSpaces(bool on)
{
    ui->SynEdit1->setIndentationsUseTabs(!on);
}

bool MainWindow::tabsToSpaces() const
{
    return !ui->SynEdit1->indentationsUseTabs();
}
