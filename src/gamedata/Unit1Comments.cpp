// Comment styles: which comment attributes carry the comment colour, SQS ';' or C '//'.
#include "mainwindow/Unit1.h"

#include "gamedata/SynSQSHighlighter.h"
#include "mainwindow/TColorBox.h"
#include "mainwindow/Unit7.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {

using Attr = TSynHighlighterAttributes;

Attr::TFontStyles styleOf(bool bold, bool italic)
{
    Attr::TFontStyles style;
    style.setFlag(Attr::fsBold, bold);
    style.setFlag(Attr::fsItalic, italic);
    return style;
}

} // namespace

void TForm1::InitHigOptions()
{
    const Attr *comment = SQSCommentMode ? SQSHighlighter->CommentAttri : SQSHighlighter->SdotAttri;
    (SQSCommentMode ? Form7->SQSC : Form7->SQFC)->setChecked(true);
    Form7->COMM->setSelected(comment->Foreground());
    Form7->COMMB->setChecked(comment->Style().testFlag(Attr::fsBold));
    Form7->COMMI->setChecked(comment->Style().testFlag(Attr::fsItalic));
}

void TForm1::SetComment(bool sqs, bool fromFile)
{
    if (fromFile)
        InitHigOptions();
    const TColor color = Form7->COMM->Selected();
    const Attr::TFontStyles style = styleOf(Form7->COMMB->isChecked(), Form7->COMMI->isChecked());
    auto &h = *SQSHighlighter;
    if (sqs) {
        h.CommentAttri->SetForeground(color);
        h.CommentAttri->SetStyle(style);
        h.SdotAttri->SetForeground(Colors::clNone);
        h.SdotAttri->SetStyle(h.IdentifierAttri->Style());
        h.DSLAttri->SetForeground(Colors::clNone);
        h.DSLAttri->SetStyle(h.SdotAttri->Style());
        SQSCommentMode = true;
        return;
    }
    for (Attr *attr : {h.SdotAttri, h.DSLAttri}) {
        attr->SetForeground(color);
        attr->SetStyle(style);
    }
    h.CommentAttri->SetForeground(Colors::clNone);
    h.CommentAttri->SetStyle(h.IdentifierAttri->Style());
    SQSCommentMode = false;
}
