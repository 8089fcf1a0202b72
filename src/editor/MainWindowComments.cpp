// Comment styles: which comment attributes carry the comment look, SQS ';' or C '//'.
#include "editor/MainWindow.h"

#include "editor/ProgramState.h"
#include "editor/ScriptLexer.h"

void MainWindow::applyCommentStyle(bool sqs, const TextLook &look)
{
    m_lexer->setCommentStyle(sqs, look);
    ProgramState::sqsCommentMode = sqs;
}

// The comment keys of config.ini in the given style; a missing key means what the style's attribute holds.
void MainWindow::applyCommentKeys(bool sqs)
{
    applyCommentStyle(sqs, m_commentKeysRead.lookFor(sqs, m_lexer->commentLook(sqs).color));
}

// An opened file's style carries the comment look of the style in force. The style the settings
// keep becomes the one in force before the switch, as the settings dialog would have shown it.
void MainWindow::setCommentStyle(bool sqs)
{
    m_commentStyleSetting = ProgramState::sqsCommentMode;
    applyCommentStyle(sqs, m_lexer->commentLook(ProgramState::sqsCommentMode));
}
