// How a document's bytes become the editor's text and back.
#pragma once

#include <QByteArray>
#include <QString>

namespace DocumentCodec {

// A byte-order mark selects UTF-8 for the rest; otherwise valid UTF-8 is decoded as such
// and anything else read as Windows-1251. The result is in the editor's text form.
QString decode(QByteArrayView bytes);

} // namespace DocumentCodec
