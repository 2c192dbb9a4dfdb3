#pragma once
// Who sends and who receives: the checks a request must pass before anything
// is sent (failures are result 1).

#include "platform/mail/MailAddress.h"
#include "platform/mail/MailRequest.h"

#include <QString>
#include <QStringList>

namespace vl {

struct MailEnvelope {
    Mailbox from;           // the From header
    QString sender;         // the envelope sender (SMTP MAIL FROM)
    QStringList recipients; // TO, CC and BCC addresses (mail only)
};

// Trims the blanks around every address of the request and resolves the
// sender: the return path when given, else the From address. A From without
// an address shows the return path. Returns the reason the request cannot be
// sent, or an empty text when it can.
QString PrepareEnvelope(MailRequest& request, MailEnvelope& envelope);

} // namespace vl
