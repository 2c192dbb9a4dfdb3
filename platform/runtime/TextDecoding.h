#pragma once
// The text of a file written by another program: the encoding is read from
// a byte-order mark (UTF-8, UTF-16 LE or BE), else UTF-8 when the bytes are
// valid UTF-8, else Windows-1252.

#include <QByteArray>
#include <QString>

namespace vl {

QString DecodeText(const QByteArray& bytes);

} // namespace vl
