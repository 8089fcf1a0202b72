// Which comment style a file's extension selects.
#pragma once

#include <QString>

enum class CommentStyle { Unchanged, Sqs, C };

// ext without the dot, any case: "sqs" gives Sqs; "sqf", "ext", "cpp", "db", "h", "hpp" give C.
CommentStyle commentStyleOfExtension(const QString &ext);

// The extension of a path: after the last '.' that follows the last folder separator.
QString fileExtension(const QString &path);
