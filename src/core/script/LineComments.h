// Commenting and uncommenting whole lines in the two comment styles, and the separator comment.
#pragma once

#include <QString>
#include <QStringList>

namespace LineComments {

// One line toggled. SQS: a ';' in the first column is removed, any other non-empty line gains
// one. C: "//" as the first non-blank characters is removed (the blanks around it stay), any
// other non-empty line gains "//" in front. An empty line stays empty.
QString toggle(QStringView line, bool sqs);

// Every line toggled on its own, each followed by CR LF, the last one too.
QString toggleLines(const QStringList &lines, bool sqs);

// The separator comment of the style, without a line break.
QString separator(bool sqs);

} // namespace LineComments
