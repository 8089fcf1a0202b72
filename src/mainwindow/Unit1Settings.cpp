// config.ini: the read order at start-up and the write order at close, key by key.
#include "mainwindow/Unit1.h"

#include "gamedata/SynSQSHighlighter.h"
#include "mainwindow/EditorLook.h"
#include "mainwindow/TSynCompletionProposal.h"
#include "mainwindow/Unit7.h"
#include "platform/Dialogs.h"
#include "settings/IniFile.h"
#include "AppError.h"

#include <QRadioButton>

namespace {

const QString kOptions = QStringLiteral("options");
const QString kHighlighter = QStringLiteral("HIGHLIGHTER");
const QString kFont = QStringLiteral("txfont");

// The seven attributes with their key stems, in the order of the keys.
struct NamedAttribute
{
    const char *stem;
    TSynHighlighterAttributes *TSynSQSHighlighter::*attribute;
};
const NamedAttribute kAttributes[] = {
    {"Comd", &TSynSQSHighlighter::KeyAttri},          {"Cifr", &TSynSQSHighlighter::NumberAttri},
    {"String", &TSynSQSHighlighter::StringAttri},     {"Resh", &TSynSQSHighlighter::PreprocessorAttri},
    {"Text", &TSynSQSHighlighter::IdentifierAttri},   {"Var", &TSynSQSHighlighter::UnderlineAttri},
    {"Tilda", &TSynSQSHighlighter::TildaAttri},
};
constexpr bool kBoldDefaults[] = {true, true, false, true, false, false, false};

// A colour that is neither an identifier nor a number is reported and the key keeps its
// value, so one bad line does not stop the rest of start-up.
TColor readColorKey(const IniFile &ini, const QString &section, const QString &key, TColor current)
{
    try {
        return ini.readColor(section, key, current);
    } catch (const AppError &error) {
        Dialogs::showError(Form1, error);
        return current;
    }
}

// Adds or removes one style flag, leaving the attribute's others as they are.
void setStyleFlag(TSynHighlighterAttributes *attr, TSynHighlighterAttributes::FontStyle flag, bool on)
{
    attr->SetStyle(attr->Style().setFlag(flag, on));
}

QString key(const char *stem, const char *suffix)
{
    return QLatin1String(stem) + QLatin1String(suffix);
}

} // namespace

void TForm1::ReadSettings(IniFile &ini)
{
    N4->setChecked(ini.readBool(kOptions, QStringLiteral("showrow"), true));
    N52->setChecked(ini.readBool(kOptions, QStringLiteral("showbar"), true));
    N36->setChecked(ini.readBool(kOptions, QStringLiteral("showcmd"), true));
    ini.readBool(kOptions, QStringLiteral("BigToolbarButtons"), true) ? N84Click() : N85Click();
    SynCompletionProposal1->ShortCut = ini.readInteger(kOptions, QStringLiteral("cmdhotkey"), 9);
    N54->setChecked(ini.readBool(kOptions, QStringLiteral("wrap"), false));
    Look.setGutterVisible(SynEdit1, ini.readBool(kOptions, QStringLiteral("showrow"), true));
    Panel1->setVisible(ini.readBool(kOptions, QStringLiteral("showcmd"), true));
    Look.setSplitterVisible(Splitter1, ini.readBool(kOptions, QStringLiteral("showcmd"), true));
    ToolBar1->setVisible(ini.readBool(kOptions, QStringLiteral("showbar"), true));
    Look.setWordWrap(SynEdit1, ini.readBool(kOptions, QStringLiteral("wrap"), false));

    LoadFont(ini.fileName(), kFont, Look.Font, Look.FontColor, Look.FontCharSet);
    Look.SelBackground = readColorKey(ini, kOptions, QStringLiteral("SelBackground"), Look.SelBackground);
    Look.SelForeground = readColorKey(ini, kOptions, QStringLiteral("SelForeground"), Look.SelForeground);
    Look.ActiveLineColor = readColorKey(ini, kOptions, QStringLiteral("ActiveLineColor"), Look.ActiveLineColor);
    Look.Color = readColorKey(ini, kOptions, QStringLiteral("bgcolour"), Look.Color);
    Look.apply(SynEdit1, SQSHighlighter);
    BracketFgColor = readColorKey(ini, kHighlighter, QStringLiteral("ForegroundBr"), Colors::clRed);
    BracketBgColor = readColorKey(ini, kHighlighter, QStringLiteral("BackgroundBr"), Colors::clNone);
    OFPExePath = ini.readString(kOptions, QStringLiteral("OFPpath"), QString());
    ArmAExePath = ini.readString(kOptions, QStringLiteral("AApath"), QString());
    SaveBeforeRunFlag = ini.readBool(kOptions, QStringLiteral("SaveBeforeRun"), false);
    ini.readBool(kOptions, QStringLiteral("smblock"), false) ? N66Click() : N65Click();
    SetGameMode(ini.readBool(kOptions, QStringLiteral("armamode"), false));

    for (const auto &a : kAttributes) {
        TSynHighlighterAttributes *attr = SQSHighlighter->*a.attribute;
        attr->SetForeground(readColorKey(ini, kHighlighter, key(a.stem, "Color"), attr->Foreground()));
    }
    for (std::size_t i = 0; i < std::size(kAttributes); ++i)
        setStyleFlag(SQSHighlighter->*kAttributes[i].attribute, TSynHighlighterAttributes::fsBold,
                     ini.readBool(kHighlighter, key(kAttributes[i].stem, "IsBold"), kBoldDefaults[i]));
    for (const auto &a : kAttributes)
        setStyleFlag(SQSHighlighter->*a.attribute, TSynHighlighterAttributes::fsItalic,
                     ini.readBool(kHighlighter, key(a.stem, "IsItalic"), false));
    SetTabsToSpaces(ini.readBool(kOptions, QStringLiteral("TabsToSpaces"), false));
    SQScommentsRead = ini.readBool(kOptions, QStringLiteral("SQScomments"), true);
    ReadCommentKeys(ini, SQScommentsRead);
}

// The comment colour and style go to the attributes of the chosen style; the others are
// neutralised to plain text.
void TForm1::ReadCommentKeys(const IniFile &ini, bool sqs)
{
    auto &h = *SQSHighlighter;
    const QString color = QStringLiteral("CommColor");
    const QString bold = QStringLiteral("CommIsBold");
    const QString italic = QStringLiteral("CommIsItalic");
    if (sqs) {
        h.CommentAttri->SetForeground(readColorKey(ini, kHighlighter, color, h.CommentAttri->Foreground()));
        setStyleFlag(h.CommentAttri, TSynHighlighterAttributes::fsBold, ini.readBool(kHighlighter, bold, false));
        setStyleFlag(h.CommentAttri, TSynHighlighterAttributes::fsItalic, ini.readBool(kHighlighter, italic, true));
        SQSCommentMode = true;
        for (TSynHighlighterAttributes *other : {h.SdotAttri, h.DSLAttri}) {
            other->SetForeground(Colors::clNone);
            other->SetStyle(h.IdentifierAttri->Style());
        }
        return;
    }
    h.SdotAttri->SetForeground(readColorKey(ini, kHighlighter, color, h.SdotAttri->Foreground()));
    h.DSLAttri->SetForeground(readColorKey(ini, kHighlighter, color, h.DSLAttri->Foreground()));
    for (TSynHighlighterAttributes *attr : {h.SdotAttri, h.DSLAttri}) {
        setStyleFlag(attr, TSynHighlighterAttributes::fsBold, ini.readBool(kHighlighter, bold, false));
        setStyleFlag(attr, TSynHighlighterAttributes::fsItalic, ini.readBool(kHighlighter, italic, false));
    }
    h.CommentAttri->SetForeground(Colors::clNone);
    h.CommentAttri->SetStyle(h.IdentifierAttri->Style());
    SQSCommentMode = false;
}

void TForm1::WriteSettings(IniFile &ini)
{
    ini.writeInteger(kOptions, QStringLiteral("cmdhotkey"), SynCompletionProposal1->ShortCut);
    ini.writeBool(kOptions, QStringLiteral("showrow"), N4->isChecked());
    ini.writeBool(kOptions, QStringLiteral("BigToolbarButtons"), N84->isChecked());
    ini.writeBool(kOptions, QStringLiteral("showbar"), N52->isChecked());
    ini.writeBool(kOptions, QStringLiteral("wrap"), N54->isChecked());
    ini.writeBool(kOptions, QStringLiteral("showcmd"), N36->isChecked());
    ini.writeBool(kOptions, QStringLiteral("SQScomments"), Form7 ? Form7->SQSC->isChecked() : SQSCommentMode);
    SaveFont(ini.fileName(), kFont, Look.Font, Look.FontColor, Look.FontCharSet);
    ini.writeColor(kOptions, QStringLiteral("bgcolour"), Look.Color);
    ini.writeColor(kOptions, QStringLiteral("SelBackground"), Look.SelBackground);
    ini.writeColor(kOptions, QStringLiteral("SelForeground"), Look.SelForeground);
    ini.writeColor(kOptions, QStringLiteral("ActiveLineColor"), Look.ActiveLineColor);
    ini.writeColor(kHighlighter, QStringLiteral("ForegroundBr"), BracketFgColor);
    ini.writeColor(kHighlighter, QStringLiteral("BackgroundBr"), BracketBgColor);
    ini.writeBool(kOptions, QStringLiteral("smblock"), N66->isChecked());
    ini.writeBool(kOptions, QStringLiteral("armamode"), ArmA1->isChecked());

    const TSynHighlighterAttributes *comment =
        SQSCommentMode ? SQSHighlighter->CommentAttri : SQSHighlighter->SdotAttri;
    ini.writeColor(kHighlighter, QStringLiteral("CommColor"), comment->Foreground());
    for (const auto &a : kAttributes)
        ini.writeColor(kHighlighter, key(a.stem, "Color"), (SQSHighlighter->*a.attribute)->Foreground());
    ini.writeString(kOptions, QStringLiteral("OFPpath"), OFPExePath);
    ini.writeString(kOptions, QStringLiteral("AApath"), ArmAExePath);
    ini.writeBool(kHighlighter, QStringLiteral("CommIsBold"), comment->Style().testFlag(TSynHighlighterAttributes::fsBold));
    for (const auto &a : kAttributes)
        ini.writeBool(kHighlighter, key(a.stem, "IsBold"), (SQSHighlighter->*a.attribute)->Style().testFlag(TSynHighlighterAttributes::fsBold));
    ini.writeBool(kHighlighter, QStringLiteral("CommIsItalic"), comment->Style().testFlag(TSynHighlighterAttributes::fsItalic));
    for (const auto &a : kAttributes)
        ini.writeBool(kHighlighter, key(a.stem, "IsItalic"), (SQSHighlighter->*a.attribute)->Style().testFlag(TSynHighlighterAttributes::fsItalic));
    ini.writeBool(kOptions, QStringLiteral("SaveBeforeRun"), SaveBeforeRunFlag);
    ini.writeBool(kOptions, QStringLiteral("TabsToSpaces"), GetTabsToSpaces());
}

void TForm1::SetTabsToSpaces(bool on)
{
    SynEdit1->setIndentationsUseTabs(!on);
}

bool GetTabsToSpaces()
{
    return !Form1->SynEdit1->indentationsUseTabs();
}
