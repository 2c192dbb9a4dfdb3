#pragma once
// The test e-mail of the Options window: one message from the user's e-mail
// settings (Email::Sender, Email::SenderName, Email::Host,
// Email::Organization) to the user alone. The outcome is shown through the
// prompt service.

#include "core/base/Globals.h"
#include "pim/MailSender.h"

namespace vl {

// Shows an error and sends nothing when the reply-to address or the mail
// host is blank. Returns the send's result (a MailResult code; -1 when
// nothing was sent).
int SendTestEmail(MailSender& sender);

} // namespace vl
