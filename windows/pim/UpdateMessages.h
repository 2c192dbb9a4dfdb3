#pragma once
// The stored-message form ("Update the Messages File"): the type, the
// recipient (address, newsgroup or contact category by type), name, CC, BCC,
// subject and attachment on "General", the text on "Message". Choosing a type
// lays the form out again (MessageForm.h). "&Send Now" sends the message as
// it stands, saved or not, and says how it went; "&OK" stores it and
// remembers its recipient for the type. Ctrl+' puts back, into the field
// that has the focus, its value from the last message this form saved.
//
// The contact button picks the recipient from the contacts list (its
// address and name); the category button picks a contact category.

#include "core/dictionary/MessagesRecord.h"
#include "platform/ui/FormRequest.h"

#include <QDialog>

#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace vl {

inline constexpr char kUpdateMessagesProcedure[] = "UpdateMessages";

class UpdateMessages : public QDialog {
    Q_OBJECT
public:
    // contactId: a contact (not 0) whose address the message takes on opening.
    UpdateMessages(FormRequest request, const MessagesRecord& message, int32_t contactId = 0,
                   QWidget* parent = nullptr);
    ~UpdateMessages() override;

    // The message as stored (after OK) or as the form opened with.
    const MessagesRecord& Record() const { return message_; }

    QComboBox* TypeChoice() const { return type_; }
    QLabel* RecipientPrompt() const { return toPrompt_; }
    QLineEdit* RecipientEntry() const { return to_; }
    QToolButton* ContactButton() const { return contactPick_; }
    QLineEdit* CategoryEntry() const { return category_; }
    QToolButton* CategoryButton() const { return categoryPick_; }
    QLineEdit* NameEntry() const { return name_; }
    QLineEdit* CcEntry() const { return cc_; }
    QLineEdit* BccEntry() const { return bcc_; }
    QLineEdit* SubjectEntry() const { return subject_; }
    QLineEdit* AttachmentEntry() const { return attachment_; }
    QToolButton* FileButton() const { return filePick_; }
    QPlainTextEdit* TextEntry() const { return text_; }
    QTabWidget* Tabs() const { return tabs_; }
    QPushButton* SendNowButton() const { return sendNow_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    void accept() override; // "&OK"
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* GeneralPage();
    // The record from the controls, and the controls from the record.
    MessagesRecord Gathered() const;
    void Show();
    void ApplyLayout();
    void TypeChosen();
    void RecipientEntered();
    void CategoryEntryDone();
    void AttachmentEntryDone();
    // The recipient picked from the contacts list.
    void PickContact();
    void PickCategory();
    void PickFile();
    void SendNow();
    void PutBackLastSaved();

    FormRequest request_;
    MessagesRecord message_;
    MessagesRecord editing_;
    bool messagesOpened_ = false;
    bool contactsOpened_ = false;
    bool sending_ = false;
    QTabWidget* tabs_ = nullptr;
    QComboBox* type_ = nullptr;
    QLabel* toPrompt_ = nullptr;
    QLineEdit* to_ = nullptr;
    QToolButton* contactPick_ = nullptr;
    QLabel* categoryPrompt_ = nullptr;
    QLineEdit* category_ = nullptr;
    QToolButton* categoryPick_ = nullptr;
    QList<QWidget*> copyRows_;
    QLineEdit* name_ = nullptr;
    QLineEdit* cc_ = nullptr;
    QLineEdit* bcc_ = nullptr;
    QLineEdit* subject_ = nullptr;
    QLineEdit* attachment_ = nullptr;
    QToolButton* filePick_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* sendNow_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace vl
