#pragma once
// The rules of the stored-message form, apart from its window: which
// controls a message type shows, the defaults remembered from the last saved
// message of each type, the recipient taken from a contact, what entering a
// category or an attachment fills in, the required fields, storing, and what
// a script item shows of the message it sends.

#include "core/dictionary/ContactRecord.h"
#include "core/dictionary/MessagesRecord.h"
#include "pim/StoredMessageSend.h"
#include "platform/data/Table.h"
#include "platform/ui/FormRequest.h"

#include <QString>

namespace vl {

inline constexpr char kMessagesCaption[] = "E-mail Messages";
// Configuration keys of the remembered defaults.
inline constexpr char kLastEmailKey[] = "LastEmail";
inline constexpr char kLastNewsgroupKey[] = "LastNewsgroup";
inline constexpr char kLastMassMailingKey[] = "LastMassMailing";

// What the form shows for a type.
struct MessageLayout {
    QString recipientPrompt; // "*To:" or "*Newsgroup:"
    bool recipient = true;   // the recipient entry and its prompt
    bool contactPick = true; // the button that picks a contact
    bool category = false;   // the category entry and its button
    bool copies = true;      // name, CC and BCC
};
MessageLayout LayoutOfType(const QString& mailType);

// A news message with no newsgroup takes the last one saved, a mass mailing
// with no category the last category saved.
void FillRememberedDefault(MessagesRecord& message);
// After the message is saved: the newsgroup, category or e-mail address is
// remembered for its type, when not blank.
void RememberDefault(const MessagesRecord& message);

// "First Last", left-justified.
QString ContactName(const ContactRecord& contact);
// The contact becomes the recipient: its ID, address and name.
void TakeContact(MessagesRecord& message, const ContactRecord& contact);
// The contact with the ID becomes the recipient; false when there is none.
bool TakeContactById(Table<ContactRecord>& contacts, MessagesRecord& message, int32_t contactId);
// A typed address that belongs to a contact (the first by e-mail order)
// names the message's contact, when the message has no recipient name yet.
void MatchContactByAddress(Table<ContactRecord>& contacts, MessagesRecord& message);

// A category entered without a recipient makes the recipient "N/A".
void CategoryEntered(MessagesRecord& message);
// An attachment entered without a subject gives the subject its file name.
void AttachmentEntered(MessagesRecord& message);

// Why the message cannot be saved as it is (a required field is blank, the
// text is longer than the 10,000 characters a message keeps), or an empty
// text.
QString MissingField(const MessagesRecord& message);
// Completes the form's request: adds, writes back or deletes the message. A
// blank required field or a file error is shown and gives false; the stored
// data and the caller's record stay as they were.
bool StoreMessage(Table<MessagesRecord>& messages, FormRequest request, MessagesRecord& message);

// What "&Send Now" shows: the caption and text of its box.
struct SendNowReport {
    QString caption;
    QString text;
};
SendNowReport ReportOfSendNow(const MessagesRecord& message, const StoredMessageOutcome& outcome);

// What a "Send Email" script item shows of its message: the subject, " - "
// and the recipient.
QString MessageItemDescription(const MessagesRecord& message);

} // namespace vl
