#include "pim/ContactText.h"

#include "platform/runtime/FixedText.h"

namespace vl {

QString ContactClipboardText(const ContactRecord& contact)
{
    const QString labelled[][2] = {
        {QStringLiteral("Work Phone: "), contact.WorkDayPhone},
        {QStringLiteral("Home Phone: "), contact.HomeEveningPhone},
        {QStringLiteral("Fax: "), contact.Fax},
        {QStringLiteral("Other Phone: "), contact.OtherPhone},
        {QStringLiteral("Email: "), contact.Email},
        {QStringLiteral("Web Site: "), contact.WebSite},
        {QStringLiteral("Category: "), contact.ContactCategory},
    };
    const QString newLine = QStringLiteral("\r\n");
    QString text;
    for (const QString* line : {&contact.LastName, &contact.FirstName, &contact.AddressLine1, &contact.AddressLine2,
                                &contact.AddressLine3, &contact.PostalCode})
        text += Clip(*line) + newLine;
    for (const auto& [label, value] : labelled)
        text += Clip(label + value) + newLine;
    return text;
}

} // namespace vl
