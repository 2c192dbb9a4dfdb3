#pragma once
// Header values of a message: every value is reduced to one line first, so
// that a CR or LF in a subject, a name or a file name can never start a
// header of its own; text beyond ASCII travels in encoded words (UTF-8,
// base64), each at most 75 characters and on a folded line of its own.

#include "platform/mail/MailAddress.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace vl {

// CR LF, CR, LF and every other control character become one blank each.
QString SingleLine(const QString& text);

// An unstructured value (subject, organisation, mailer).
QByteArray EncodeHeaderText(const QString& text);

// A mailbox: the bare address when the name is blank or the address itself,
// otherwise the name (quoted, or in encoded words) and the address in "<>".
QByteArray FormatMailbox(const Mailbox& mailbox);

// Entries of an address or newsgroup list, one folded line each.
QByteArray JoinHeaderList(const QList<QByteArray>& entries);

// The name and filename parameters of an attachment part.
QByteArray AttachmentNameParameter(const QString& baseName);
QByteArray AttachmentFileNameParameter(const QString& baseName);

} // namespace vl
