#pragma once
// Result codes of one send through the mail library. 1 to 14 come from the
// library itself; 15 is given by the caller's mail class when it has no TO
// recipient and so never calls the library. A result above 1000 is counted
// as sent by that class.

namespace vl {

enum MailResult : int {
    kMailSent = 0,
    kMailBadArguments = 1,        // blank host or sender, unusable address or value
    kMailCannotReadAttachment = 2,
    kMailSocketsFailed = 3,       // libcurl could not be started
    kMailResolveFailed = 4,
    kMailNoSocket = 5,            // not produced on this platform
    kMailConnectFailed = 6,
    kMailSendFailed = 7,
    kMailReceiveFailed = 8,
    kMailServerError = 9,         // a 4xx/5xx reply; its text is handed back
    kMailResolveNameFailed = 10,  // not produced on this platform
    kMailOutOfMemory = 11,
    kMailTempFileFailed = 12,     // not produced on this platform
    kMailUnknownError = 13,
    kMailUserCancel = 14,
    kMailNoRecipients = 15,
};

} // namespace vl
