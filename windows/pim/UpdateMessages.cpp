#include "windows/pim/UpdateMessages.h"

#include "core/dictionary/Dictionary.h"
#include "pim/MessageForm.h"
#include "platform/widgets/TextWidth.h"
#include "windows/pim/BrowseContacts.h"
#include "windows/pim/SelectContactCategories.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/FormMode.h"
#include "platform/widgets/StatusTipLine.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace vl {

namespace {

constexpr int kWideEntry = 254;
constexpr int kGroupEntry = 20;
const QKeySequence kFieldHistoryKey{Qt::CTRL | Qt::Key_Apostrophe};

// The last message a message form saved, for the field-history key.
std::optional<MessagesRecord>& LastSaved()
{
    static std::optional<MessagesRecord> last;
    return last;
}

QLineEdit* Entry(QWidget* parent, int width, const char* tip)
{
    auto* entry = new QLineEdit(parent);
    LimitToWidth(entry, width);
    entry->setToolTip(QLatin1String(tip));
    return entry;
}

QToolButton* PickButton(QWidget* parent, const char* tip)
{
    auto* button = new QToolButton(parent);
    button->setText(QStringLiteral("..."));
    button->setToolTip(QLatin1String(tip));
    return button;
}

} // namespace

UpdateMessages::UpdateMessages(FormRequest request, const MessagesRecord& message, int32_t contactId, QWidget* parent)
    : QDialog(parent), request_(request), message_(message), editing_(message)
{
    setWindowTitle(FormCaption(request, QStringLiteral("New E-mail Message"), QStringLiteral("Edit E-mail Message")));
    setWindowIcon(LoadIcon(QStringLiteral("MAIL.ICO")));
    setObjectName(QLatin1String(kUpdateMessagesProcedure));
    messagesOpened_ = OpenTable(Tables().Messages);
    contactsOpened_ = OpenTable(Tables().Contact);
    if (contactId != 0 && contactsOpened_)
        TakeContactById(Tables().Contact, editing_, contactId);
    // A stored message opened for a change fills a blank newsgroup or category as a new one does.
    if (request == FormRequest::Insert || request == FormRequest::Change)
        FillRememberedDefault(editing_);

    tabs_ = new QTabWidget(this);
    tabs_->addTab(GeneralPage(), QStringLiteral("General"));
    text_ = new QPlainTextEdit(this);
    text_->setToolTip(QStringLiteral("Message"));
    tabs_->addTab(text_, QStringLiteral("Message"));

    sendNow_ = new QPushButton(LoadIcon(QStringLiteral("MAIL.ICO")), QStringLiteral("&Send Now"), this);
    sendNow_->setAutoDefault(false);
    connect(sendNow_, &QPushButton::clicked, this, &UpdateMessages::SendNow);
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &UpdateMessages::accept);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, &UpdateMessages::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(sendNow_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    layout->addWidget(new StatusTipLine(*this));

    Show();
    ApplyLayout();
    ApplyFormMode(request,
                  {type_, to_, contactPick_, category_, categoryPick_, name_, cc_, bcc_, subject_, attachment_, filePick_, text_}, ok_,
                  cancel_, LoadIcon(QStringLiteral("close")));
    resize(520, 380);
    KeepWindowPosition(*this, QLatin1String(kUpdateMessagesProcedure));
}

UpdateMessages::~UpdateMessages()
{
    if (contactsOpened_)
        Tables().Contact.Close();
    if (messagesOpened_)
        Tables().Messages.Close();
}

QWidget* UpdateMessages::GeneralPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(1, 1);
    int row = 0;
    auto addRow = [&](QLabel* prompt, QWidget* control, QWidget* button = nullptr) {
        prompt->setBuddy(control);
        grid->addWidget(prompt, row, 0);
        grid->addWidget(control, row, 1);
        if (button)
            grid->addWidget(button, row, 2);
        ++row;
    };
    grid->addWidget(new QLabel(QStringLiteral("* indicates required field"), page), row++, 0, 1, 3);

    type_ = new QComboBox(page);
    type_->addItems({QStringLiteral("Email"), QStringLiteral("News"), QStringLiteral("Mass Mailing")});
    type_->setToolTip(QStringLiteral("Mail Type"));
    type_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(type_, &QComboBox::activated, this, &UpdateMessages::TypeChosen);
    addRow(new QLabel(QStringLiteral("Mail Type:"), page), type_);

    toPrompt_ = new QLabel(page);
    to_ = Entry(page, kWideEntry, "Recipient (Email Address)");
    connect(to_, &QLineEdit::editingFinished, this, &UpdateMessages::RecipientEntered);
    contactPick_ = PickButton(page, "Select Contact to email");
    connect(contactPick_, &QToolButton::clicked, this, &UpdateMessages::PickContact);
    addRow(toPrompt_, to_, contactPick_);

    categoryPrompt_ = new QLabel(QStringLiteral("Cate&gory:"), page);
    category_ = Entry(page, kGroupEntry, "Email to Contact Group");
    category_->setStatusTip(QStringLiteral("Email to Group (Contact Category)"));
    connect(category_, &QLineEdit::editingFinished, this, &UpdateMessages::CategoryEntryDone);
    categoryPick_ = PickButton(page, "Select Contact Category");
    connect(categoryPick_, &QToolButton::clicked, this, &UpdateMessages::PickCategory);
    addRow(categoryPrompt_, category_, categoryPick_);

    name_ = Entry(page, kWideEntry, "Recipient (Name)");
    cc_ = Entry(page, kWideEntry, "Carbon Copy");
    bcc_ = Entry(page, kWideEntry, "Blind Carbon Copy");
    const std::pair<const char*, QLineEdit*> copies[] = {{"&Name:", name_}, {"&CC:", cc_}, {"&BCC:", bcc_}};
    for (const auto& [prompt, entry] : copies) {
        auto* label = new QLabel(QLatin1String(prompt), page);
        copyRows_ << label << entry;
        addRow(label, entry);
    }

    subject_ = Entry(page, kWideEntry, "Subject");
    addRow(new QLabel(QStringLiteral("*S&ubject:"), page), subject_);
    attachment_ = Entry(page, kWideEntry, "Attachment file name");
    connect(attachment_, &QLineEdit::editingFinished, this, &UpdateMessages::AttachmentEntryDone);
    filePick_ = PickButton(page, "Select file");
    connect(filePick_, &QToolButton::clicked, this, &UpdateMessages::PickFile);
    addRow(new QLabel(QStringLiteral("&Attachment:"), page), attachment_, filePick_);
    grid->setRowStretch(row, 1);
    return page;
}

MessagesRecord UpdateMessages::Gathered() const
{
    MessagesRecord message = editing_;
    message.MAILTYPE = type_->currentText();
    message.EmailTo = to_->text();
    message.EMAILTOGROUP = category_->text();
    message.EMAILTONAME = name_->text();
    message.CC = cc_->text();
    message.BCC = bcc_->text();
    message.Subject = subject_->text();
    message.ATTACHMENT = attachment_->text();
    message.Message = text_->toPlainText();
    return message;
}

void UpdateMessages::Show()
{
    const int type = type_->findText(Clip(editing_.MAILTYPE), Qt::MatchFixedString);
    type_->setCurrentIndex(type < 0 ? 0 : type);
    to_->setText(Clip(editing_.EmailTo));
    category_->setText(Clip(editing_.EMAILTOGROUP));
    name_->setText(Clip(editing_.EMAILTONAME));
    cc_->setText(Clip(editing_.CC));
    bcc_->setText(Clip(editing_.BCC));
    subject_->setText(Clip(editing_.Subject));
    attachment_->setText(Clip(editing_.ATTACHMENT));
    if (text_->toPlainText() != Clip(editing_.Message))
        text_->setPlainText(Clip(editing_.Message));
}

void UpdateMessages::ApplyLayout()
{
    const MessageLayout layout = LayoutOfType(type_->currentText());
    toPrompt_->setText(layout.recipientPrompt);
    for (QWidget* widget : {static_cast<QWidget*>(toPrompt_), static_cast<QWidget*>(to_)})
        widget->setVisible(layout.recipient);
    contactPick_->setVisible(layout.contactPick);
    for (QWidget* widget : {static_cast<QWidget*>(categoryPrompt_), static_cast<QWidget*>(category_),
                            static_cast<QWidget*>(categoryPick_)})
        widget->setVisible(layout.category);
    for (QWidget* widget : copyRows_)
        widget->setVisible(layout.copies);
}

void UpdateMessages::TypeChosen()
{
    editing_ = Gathered();
    FillRememberedDefault(editing_);
    Show();
    ApplyLayout();
}

void UpdateMessages::RecipientEntered()
{
    if (!contactsOpened_ || request_ == FormRequest::View || request_ == FormRequest::Delete)
        return;
    editing_ = Gathered();
    MatchContactByAddress(Tables().Contact, editing_);
    Show();
}

void UpdateMessages::CategoryEntryDone()
{
    editing_ = Gathered();
    CategoryEntered(editing_);
    Show();
}

void UpdateMessages::AttachmentEntryDone()
{
    editing_ = Gathered();
    AttachmentEntered(editing_);
    Show();
}

void UpdateMessages::PickContact()
{
    auto* picker = new BrowseContacts(this, true);
    connect(picker, &BrowseContacts::Selected, this, [this](const ContactRecord& contact) {
        editing_ = Gathered();
        TakeContact(editing_, contact);
        Show();
    });
    picker->show();
}

void UpdateMessages::PickCategory()
{
    auto* picker = new SelectContactCategories(this);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    connect(picker, &QDialog::accepted, this, [this, picker] {
        category_->setText(Clip(picker->Chosen().CONTACTCATEGORY));
        CategoryEntryDone();
    });
    picker->open();
}

void UpdateMessages::PickFile()
{
    const QString chosen =
        Prompt::OpenFile(QStringLiteral("Choose a File"), QStringLiteral("All Files|*.*"), attachment_->text());
    if (chosen.isEmpty())
        return;
    attachment_->setText(chosen);
    AttachmentEntryDone();
}

void UpdateMessages::SendNow()
{
    if (sending_)
        return;
    editing_ = Gathered();
    // The send lets this window's events run: nothing may close or send again meanwhile.
    sending_ = true;
    const bool okEnabled = ok_->isEnabled();
    for (QPushButton* button : {sendNow_, ok_, cancel_})
        button->setEnabled(false);
    MailSender sender;
    const StoredMessageOutcome outcome = SendLoadedMessage(editing_, sender);
    sending_ = false;
    sendNow_->setEnabled(true);
    ok_->setEnabled(okEnabled);
    cancel_->setEnabled(true);
    const SendNowReport report = ReportOfSendNow(editing_, outcome);
    Prompt::Message(report.text, report.caption,
                    outcome.result == kMailSent ? PromptIcon::Information : PromptIcon::Exclamation);
}

void UpdateMessages::PutBackLastSaved()
{
    const std::optional<MessagesRecord>& last = LastSaved();
    if (!last || request_ == FormRequest::View || request_ == FormRequest::Delete)
        return;
    QWidget* focused = focusWidget();
    const std::pair<QLineEdit*, const QString*> fields[] = {
        {to_, &last->EmailTo}, {category_, &last->EMAILTOGROUP}, {name_, &last->EMAILTONAME}, {cc_, &last->CC},
        {bcc_, &last->BCC},    {subject_, &last->Subject},       {attachment_, &last->ATTACHMENT}};
    for (const auto& [entry, value] : fields) {
        if (focused == entry)
            entry->setText(Clip(*value));
    }
    if (focused == text_)
        text_->setPlainText(Clip(last->Message));
    if (focused == type_) {
        editing_ = Gathered();
        editing_.MAILTYPE = last->MAILTYPE;
        Show();
        ApplyLayout();
    }
}

void UpdateMessages::keyPressEvent(QKeyEvent* event)
{
    if (QKeySequence(event->keyCombination()) == kFieldHistoryKey) {
        PutBackLastSaved();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void UpdateMessages::accept()
{
    if (sending_)
        return;
    if (request_ == FormRequest::View) {
        reject();
        return;
    }
    MessagesRecord edited = request_ == FormRequest::Delete ? message_ : Gathered();
    if (!messagesOpened_) {
        Prompt::Message(Tables().Messages.LastError().Describe(), QLatin1String(kMessagesCaption), PromptIcon::Stop);
        return;
    }
    if (!StoreMessage(Tables().Messages, request_, edited))
        return;
    message_ = edited;
    if (request_ != FormRequest::Delete) {
        RememberDefault(message_);
        LastSaved() = message_;
    }
    QDialog::accept();
}

void UpdateMessages::reject()
{
    if (!sending_)
        QDialog::reject();
}

} // namespace vl
