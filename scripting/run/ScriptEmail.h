#pragma once
// The "Send Email" step: a stored message (Messages) sent by its ID, as an
// e-mail to its recipients or, for a "News" message, as a news article.

#include "pim/MailSender.h"

#include <cstdint>

namespace vl {

inline constexpr int32_t kEmailUnreadable = 1;
// The result when the program has no server to send through.
inline constexpr int32_t kEmailNotSetUp = 2;

// 0 when sent; kEmailUnreadable when no message has the ID (logged "Script",
// "Error sending message"); kEmailNotSetUp after the notice "Email not
// setup." when no mail (or news) server is set; else the sender's result.
// Mass mailings are not sent by scripts: they give the sender's "no
// recipient" result and the log line "Mass mailing not sent".
int32_t SendMessageEmail(int32_t emailId, MailSender& sender);

} // namespace vl
