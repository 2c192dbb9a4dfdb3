#include "windows/pim/BrowseMessages.h"

#include "core/base/UserDate.h"
#include "core/cycle/SchedulerRoutines.h"
#include "core/dictionary/Dictionary.h"
#include "pim/MessageForm.h"
#include "pim/MessageQueue.h"
#include "pim/StoredMessageSend.h"
#include "platform/widgets/TableChangeWatch.h"
#include "windows/lists/ListColumns.h"
#include "windows/lists/RecordForms.h"
#include "windows/pim/UpdateMessages.h"
#include "platform/ui/PromptService.h"
#include "resources/ProgramIcons.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>

namespace vl {

namespace {

// The list's columns; the contact ID is carried in the row, not shown.
const std::vector<ListColumn> kColumns = {
    {"M_:EmailID", "E-mail ID", "@n11", "Unique ID", 44},
    {"M_:EmailTo", "E-mail To", "@s254", "Recipient (Email Address)", 77},
    {"M_:EMAILTONAME", "E-mail To Name", "@s254", "Recipient (Name)", 75},
    {"M_:Subject", "Subject", "@s254", "Subject", 83},
    {"M_:LastDateSent", "Last Date Sent", "@d3b", "Last Date Sent", 54, kUserDateColumn | kBlankZeroDate},
    {"M_:CC", "CC", "@s254", "Carbon Copy", 80},
    {"M_:BCC", "BCC", "@s254", "Blind Carbon Copy", 80},
    {"M_:ATTACHMENT", "Attachment", "@s254", "Attachment file name", 80},
    {"M_:CONTACTID", "Contact ID", "@n-13", "Related Contact (Internal System ID)", 50, kHiddenColumn},
};

// The tabs and the keys of their orders; "Controls" keeps the ID order.
const std::pair<const char*, KeyRef> kTabs[] = {
    {"E-mail ID", M_KEYEMAILID},   {"E-mail To (Contact)", M_KEYCONTACT}, {"Subject", M_KEYSUBJECT},
    {"Last Date Sent", M_KEYLASTDATESENT}, {"Controls", M_KEYEMAILID},
};

} // namespace

BrowseMessages::BrowseMessages(bool selectMode, QWidget* parent)
    : ListWindow(parent, Tables().Messages, kBrowseMessagesProcedure, QLatin1String(kMessagesCaption))
{
    setWindowIcon(LoadIcon(QStringLiteral("MAIL.ICO")));
    Model()->SetColumns(BrowseColumnsOf(kColumns));
    Model()->SetUserDatePicture(UserDatePicture() + QLatin1Char('b'));
    tabs_ = new QTabBar(this);
    for (const auto& [name, key] : kTabs) {
        tabOrders_.push_back(AddKeyOrder(*Model(), QLatin1String(name), key));
        tabs_->addTab(QLatin1String(name));
    }

    auto* row = new QHBoxLayout;
    send_ = AddListButton(this, "Send E-&mail", *row);
    send_->setIcon(LoadIcon(QStringLiteral("MAIL.ICO")));
    send_->setToolTip(QStringLiteral("Send highlighted e-mail message"));
    send_->setVisible(!selectMode);
    connect(send_, &QPushButton::clicked, this, &BrowseMessages::Send);
    BrowseButtons buttons;
    buttons.select = selectMode ? AddListButton(this, "&Select", *row) : nullptr;
    buttons.insert = AddListButton(this, "&New", *row);
    buttons.copy = AddListButton(this, "Cop&y", *row);
    buttons.change = AddListButton(this, "&Edit", *row);
    buttons.remove = AddListButton(this, "&Delete", *row);
    (selectMode ? buttons.select : buttons.change)->setDefault(true);
    if (buttons.select)
        connect(buttons.select, &QPushButton::clicked, this, &BrowseMessages::Select);
    row->addStretch();
    QPushButton* close = AddListButton(this, "Cl&ose", *row);
    close->setIcon(LoadIcon(QStringLiteral("EXIT.ICO")));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    LayOut(row, {tabs_});
    setTabOrder(tabs_, List());

    pane_.UseButtons(buttons, [this](FormRequest request, bool copy) { OpenForm(request, copy); });
    pane_.ViewCopy()->SetSelectMode(selectMode);
    pane_.Enhance(std::make_unique<ColumnTableXplore>(kColumns, this),
                  {QLatin1String(kBrowseMessagesProcedure), QStringLiteral("?Browse:1"), SortMarkStyle::Underline});
    connect(tabs_, &QTabBar::currentChanged, this, &BrowseMessages::ShowTab);
    // The tick sends a queued message through the script runner; without one
    // a queued message would wait for ever.
    const bool runner = static_cast<bool>(TickRoutines().runDueScriptItem);
    if (!runner)
        send_->setToolTip(QLatin1String(kNoScriptRunnerTip));
    const auto enableSend = [this, runner] {
        send_->setEnabled(runner && pane_.TableOpened() && List()->CurrentRow() >= 0);
    };
    connect(Model(), &QAbstractItemModel::modelReset, this, enableSend);
    connect(List()->selectionModel(), &QItemSelectionModel::currentChanged, this, enableSend);
    if (Model()->rowCount() > 0)
        List()->SelectRow(0);
    enableSend();
    buttons.insert->setEnabled(pane_.TableOpened());
    // A send stamps the date sent: the row shows it as soon as it is done.
    changeWatch_ = pane_.WatchTable();
    sendWatch_ = std::make_unique<StoredMessageSendWatch>(
        [this](const MessagesRecord&, const StoredMessageOutcome&) { changeWatch_->Check(); });
    KeepListWindowPlace(*this, kBrowseMessagesProcedure, {720, 380});
}

BrowseMessages::~BrowseMessages() = default;

void BrowseMessages::ShowTab(int tab)
{
    if (tab >= 0 && tab < static_cast<int>(tabOrders_.size()))
        Enhancement()->UseKeyOrder(tabOrders_[tab]);
    List()->setFocus();
}

std::optional<MessagesRecord> BrowseMessages::Current()
{
    MessagesRecord message;
    if (!pane_.TableOpened() || !Model()->Record(List()->CurrentRow(), message))
        return std::nullopt;
    if (Tables().Messages.Get(message.RecordPointer, message))
        return message;
    // Gone meanwhile (another window or program deleted it): show the list as it is.
    List()->Refresh();
    return std::nullopt;
}

void BrowseMessages::OpenForm(FormRequest request, bool copy)
{
    MessagesRecord message;
    if (request == FormRequest::Insert && !copy)
        Tables().Messages.Prime(message);
    else if (const std::optional<MessagesRecord> current = Current())
        message = *current;
    else
        return;
    if (copy) {
        // A new message: numbered when stored, never sent.
        message.RecordPointer = 0;
        message.EmailID = 0;
        message.LastDateSent = 0;
    }
    auto* form = OpenPaneForm(pane_, new UpdateMessages(request, message, 0, this), [this] { List()->setFocus(); });
    connect(form, &QDialog::rejected, List(), [this] { List()->Refresh(); });
}

void BrowseMessages::Send()
{
    if (const std::optional<MessagesRecord> message = send_->isEnabled() ? Current() : std::nullopt)
        QueueMessageSend(message->EmailID);
}

void BrowseMessages::Select()
{
    selected_ = Current();
    if (selected_)
        accept();
}

std::optional<MessagesRecord> SelectMessage(QWidget* parent)
{
    BrowseMessages list(true, parent);
    if (list.exec() != QDialog::Accepted)
        return std::nullopt;
    return list.Selected();
}

bool NewMessage(QWidget* parent)
{
    if (!OpenTable(Tables().Messages)) {
        Prompt::Message(Tables().Messages.LastError().Describe(), QLatin1String(kMessagesCaption), PromptIcon::Stop);
        return false;
    }
    MessagesRecord message;
    Tables().Messages.Prime(message);
    UpdateMessages form(FormRequest::Insert, message, 0, parent);
    const bool stored = form.exec() == QDialog::Accepted;
    Tables().Messages.Close();
    return stored;
}

} // namespace vl
