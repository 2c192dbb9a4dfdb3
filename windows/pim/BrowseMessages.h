#pragma once
// "E-mail Messages" (BrowseMessages): the stored messages, with the list
// enhancement (header sorting, layout, filters, popup) saved under
// "BrowseMessages". The tabs choose the order: by ID ("E-mail ID" and
// "Controls"), by contact, by subject, by the date last sent. "&New",
// "Cop&y", "&Edit" and "&Delete" open the message form; "Send E-&mail" puts
// the highlighted message on the script queue, which the frame's tick sends
// through the script runner (disabled, saying why, while none is installed);
// a notice says how the send went. The list reads the messages again
// whenever they change (a send stamps the date sent), keeping the highlight.
// In select mode (the script item editor's "Select &Message") "&Select"
// closes the list with the highlighted message and "Send E-&mail" is hidden.

#include "core/dictionary/MessagesRecord.h"
#include "windows/lists/ListWindow.h"

#include <memory>
#include <optional>

class QPushButton;
class QTabBar;

namespace vl {

class StoredMessageSendWatch;

inline constexpr char kBrowseMessagesProcedure[] = "BrowseMessages";
inline constexpr char kNoScriptRunnerTip[] =
    "Not available: this version runs no script steps, so a message queued for sending would never be sent.";

class BrowseMessages : public ListWindow<QDialog> {
    Q_OBJECT
public:
    explicit BrowseMessages(bool selectMode, QWidget* parent = nullptr);
    ~BrowseMessages() override;

    QTabBar* Tabs() const { return tabs_; }
    QPushButton* SendButton() const { return send_; }
    // The message "&Select" chose, as stored then.
    const std::optional<MessagesRecord>& Selected() const { return selected_; }

private:
    // The highlighted message as stored now; nothing when there is none or
    // it is gone (the list is read again).
    std::optional<MessagesRecord> Current();
    void ShowTab(int tab);
    void OpenForm(FormRequest request, bool copy);
    void Send();
    void Select();

    std::vector<int> tabOrders_;
    QTabBar* tabs_ = nullptr;
    QPushButton* send_ = nullptr;
    TableChangeWatch* changeWatch_ = nullptr;
    std::unique_ptr<StoredMessageSendWatch> sendWatch_;
    std::optional<MessagesRecord> selected_;
};

// The list in select mode, modal to the parent: the message chosen with
// "&Select", nothing when the list was closed.
std::optional<MessagesRecord> SelectMessage(QWidget* parent);

// A new message through the form, modal to the parent; true when stored.
bool NewMessage(QWidget* parent);

} // namespace vl
