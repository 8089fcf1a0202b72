// Comment styles: which comment attributes carry the comment look, SQS ';' or C '//'.
#include "editor/MainWindow.h"

#include "editor/ScriptLexer.h"

// The style in force carries `look`; the settings keep the look the style in force has.
void MainWindow::applyCommentStyle(bool sqs, const TextLook &look)
{
    m_lexer->setCommentStyle(sqs, look);
    m_settings.change([this](EditorSettings &s) { s.comment = commentKeysInForce(); });
}

CommentKeys MainWindow::commentKeysInForce() const
{
    const TextLook look = m_lexer->commentLook(m_lexer->sqsComments());
    return {look.color, look.bold, look.italic};
}

// The comment keys of config.ini in the given style; a missing key means what the style's attribute holds.
void MainWindow::applyCommentKeys(bool sqs)
{
    applyCommentStyle(sqs, m_commentKeysRead.lookFor(sqs, m_lexer->commentLook(sqs).color));
}

// The style the settings keep is the one the user last saw in force: taken when the settings dialog
// opens, and before an opened file switches the style. A file's own style is not the user's choice.
void MainWindow::keepCommentStyleInForce()
{
    const bool sqs = m_lexer->sqsComments();
    m_settings.change([sqs](EditorSettings &s) { s.sqsComments = sqs; });
}

// An opened file's style carries the comment look of the style in force.
void MainWindow::setCommentStyle(bool sqs)
{
    keepCommentStyleInForce();
    applyCommentStyle(sqs, m_lexer->commentLook(m_lexer->sqsComments()));
}
