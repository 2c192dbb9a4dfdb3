#pragma once
// Runs a send on a worker thread while the calling thread goes on processing
// its events, so a window that sends stays painted and usable; the call
// returns to its caller only when the send is done. Callers guard their own
// controls against a second send while one is running.

#include "platform/mail/SendMail.h"

namespace vl {

MailOutcome SendInBackground(const MailLibrary& library, const MailRequest& request, MailProgress& progress);

} // namespace vl
