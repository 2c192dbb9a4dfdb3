#pragma once
// Addresses as the envelope and the headers carry them, and the sender's
// parts taken from a From text.

#include <QString>

namespace vl {

struct Mailbox {
    QString name;    // display name, may be empty
    QString address; // may be empty when the text named no address
};

// Leading and trailing blanks removed.
QString TrimBlanks(const QString& text);

// An address may go into the envelope or a header: not empty and free of
// control characters (CR, LF and DEL among them), "<", ">" and blanks, so it
// can neither end a command nor start one.
bool IsAcceptableAddress(const QString& address);

// The parts of a From text: '"name" <address>' or 'name <address>', a bare
// address (an "@" and no blank), or a name alone.
Mailbox SplitFromText(const QString& from);

} // namespace vl
