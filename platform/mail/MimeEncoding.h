#pragma once
// Transfer encodings of message bodies.

#include <QByteArray>
#include <QString>

namespace vl {

// The text as UTF-8 with every line break (CR LF, CR, LF) made CR LF.
QByteArray CrlfUtf8(const QString& text);

// True when CR LF text cannot travel as 7bit: a byte beyond ASCII, a control
// character other than tab, or a line longer than 998 bytes.
bool NeedsQuotedPrintable(const QByteArray& crlfText);

// Quoted-printable of CR LF text; output lines at most 76 characters.
QByteArray QuotedPrintable(const QByteArray& crlfText);

// Base64 in lines of 76 characters, each ended by CR LF.
QByteArray Base64Lines(const QByteArray& data);

} // namespace vl
