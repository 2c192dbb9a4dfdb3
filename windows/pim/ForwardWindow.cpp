#include "windows/pim/ForwardWindow.h"

#include "platform/widgets/TextWidth.h"
#include "platform/widgets/WindowPosition.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"
#include "resources/ProgramIcons.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr int kSubjectWidth = 60;
constexpr int kTextWidth = 4096;

QLineEdit* Entry(const QString& value, int width, const QString& tip, QWidget* parent)
{
    auto* entry = new QLineEdit(CutTo(value, width), parent);
    LimitToWidth(entry, width);
    entry->setToolTip(tip);
    return entry;
}

} // namespace

ForwardWindow::ForwardWindow(const QString& title, const QString& text, ForwardPlacement placement, QWidget* parent)
    : QDialog(parent), placement_(placement)
{
    setWindowTitle(QLatin1String(kForwardWindowCaption));
    setWindowIcon(LoadIcon(QStringLiteral("mail.ico")));
    const ForwardRecipient recipient = LoadForwardRecipient();
    address_ = Entry(recipient.address, kRecipientAddressWidth, QStringLiteral("Email address"), this);
    name_ = Entry(recipient.name, kRecipientNameWidth, QStringLiteral("Recipient Name"), this);
    subject_ = Entry(Clip(title), kSubjectWidth, QStringLiteral("Title"), this);
    text_ = new QPlainTextEdit(CutTo(text, kTextWidth), this);
    text_->setToolTip(QStringLiteral("Message"));
    ok_ = new QPushButton(LoadIcon(QStringLiteral("ok.ico")), QStringLiteral("&OK"), this);
    cancel_ = new QPushButton(LoadIcon(QStringLiteral("cancel.ico")), QStringLiteral("Cancel"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &ForwardWindow::Send);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Recipient's E-mail address:"), address_);
    fields->addRow(QStringLiteral("Recipient's Name:"), name_);
    fields->addRow(QStringLiteral("Subject:"), subject_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(text_);
    layout->addLayout(buttons);

    resize(480, 360);
    if (placement_ == ForwardPlacement::Saved)
        RestoreWindowPosition(IniFile(QLatin1String(kPositionIniFile)), *this, QLatin1String(kForwardWindowProcedure));
}

void ForwardWindow::done(int result)
{
    // The window cannot close while its send is running.
    if (sending_)
        return;
    if (placement_ == ForwardPlacement::Saved && isVisible()) {
        IniFile positions{QLatin1String(kPositionIniFile)};
        SaveWindowPosition(positions, *this, QLatin1String(kForwardWindowProcedure));
    }
    QDialog::done(result);
}

void ForwardWindow::Send()
{
    const ForwardRecipient recipient = CompleteRecipient({address_->text(), name_->text()});
    name_->setText(recipient.name);
    const QString title = Clip(subject_->text());
    const QString text = CutTo(text_->toPlainText(), kTextWidth);

    // The send keeps the event loop running: nothing here may be pressed
    // again until it returns.
    sending_ = true;
    ok_->setEnabled(false);
    cancel_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    MailSender sender;
    const int result = SendForwardedMessage(sender, title, text, recipient);
    QApplication::restoreOverrideCursor();
    const QString status = ForwardStatusText(result, sender.ErrorText(result));
    sender.Release();
    sending_ = false;
    ok_->setEnabled(true);
    cancel_->setEnabled(true);

    Prompt::Message(status, QStringLiteral("Status"));
    SaveForwardRecipient(recipient);
    emit Forwarded(title, text);
    accept();
}

ForwardWindow* GenerateEmail(QWidget* parent, const QString& title, const QString& text, ForwardPlacement placement)
{
    auto* window = new ForwardWindow(title, text, placement, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    window->open();
    return window;
}

} // namespace vl
