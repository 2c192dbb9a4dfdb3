#include "platform/mail/MailEnvelope.h"

namespace vl {
namespace {

bool HasLineBreakOrControl(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() < 32 || c.unicode() == 127)
            return true;
    return false;
}

QString TrimAndCheck(QList<MailRecipient>& recipients)
{
    for (MailRecipient& r : recipients) {
        r.address = TrimBlanks(r.address);
        if (!IsAcceptableAddress(r.address))
            return "Unusable address \"" + r.address + "\"";
    }
    return {};
}

} // namespace

QString PrepareEnvelope(MailRequest& request, MailEnvelope& envelope)
{
    const bool news = request.serverMode == static_cast<int>(ServerMode::News);
    for (QList<MailRecipient>* list : {&request.to, &request.cc, &request.bcc}) {
        const QString problem = TrimAndCheck(*list);
        if (!problem.isEmpty())
            return problem;
    }
    if (news && request.to.isEmpty())
        return "No newsgroup";
    if (!news && request.to.isEmpty() && request.cc.isEmpty() && request.bcc.isEmpty())
        return "No recipient";

    request.returnPath = TrimBlanks(request.returnPath);
    envelope.from = SplitFromText(request.from);
    envelope.from.address = TrimBlanks(envelope.from.address);
    if (envelope.from.address.isEmpty())
        envelope.from.address = request.returnPath;
    envelope.sender = request.returnPath.isEmpty() ? envelope.from.address : request.returnPath;
    if (envelope.sender.isEmpty())
        return "No sender address";
    if (!IsAcceptableAddress(envelope.sender) || !IsAcceptableAddress(envelope.from.address))
        return "Unusable sender address";

    if (HasLineBreakOrControl(request.userName) || HasLineBreakOrControl(request.password))
        return "Unusable login";

    envelope.recipients.clear();
    if (!news) {
        for (const QList<MailRecipient>* list : {&request.to, &request.cc, &request.bcc})
            for (const MailRecipient& r : *list)
                envelope.recipients.append(r.address);
    }
    return {};
}

} // namespace vl
