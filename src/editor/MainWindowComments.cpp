// Comment styles: which comment attributes carry the comment colour, SQS ';' or C '//'.
#include "editor/MainWindow.h"

#include "editor/ScriptLexer.h"
#include "dialogs/SettingsDialog.h"
#include "editor/ProgramState.h"

namespace {

using Attr = LexerAttributes;

Attr::FontStyles styleOf(bool bold, bool italic)
{
    Attr::FontStyles style;
    style.setFlag(Attr::Bold, bold);
    style.setFlag(Attr::Italic, italic);
    return style;
}

} // namespace

void MainWindow::fillCommentControls()
{
    if (!m_settingsDialog)
        return;
    const Attr *comment = ProgramState::sqsCommentMode ? m_lexer->commentAttri : m_lexer->sdotAttri;
    m_settingsDialog->setCommentLook({ProgramState::sqsCommentMode, comment->foreground(),
                                      comment->style().testFlag(Attr::Bold), comment->style().testFlag(Attr::Italic)});
}

void MainWindow::setCommentStyle(bool sqs, bool fromFile)
{
    if (fromFile)
        fillCommentControls();
    SettingsDialog::CommentLook look;
    if (m_settingsDialog)
        look = m_settingsDialog->commentLook();
    const Attr::FontStyles style = styleOf(look.bold, look.italic);
    auto &h = *m_lexer;
    if (sqs) {
        h.commentAttri->setForeground(look.color);
        h.commentAttri->setStyle(style);
        h.sdotAttri->setForeground(Colors::clNone);
        h.sdotAttri->setStyle(h.identifierAttri->style());
        h.dslAttri->setForeground(Colors::clNone);
        h.dslAttri->setStyle(h.sdotAttri->style());
        ProgramState::sqsCommentMode = true;
        return;
    }
    for (Attr *attr : {h.sdotAttri, h.dslAttri}) {
        attr->setForeground(look.color);
        attr->setStyle(style);
    }
    h.commentAttri->setForeground(Colors::clNone);
    h.commentAttri->setStyle(h.identifierAttri->style());
    ProgramState::sqsCommentMode = false;
}
