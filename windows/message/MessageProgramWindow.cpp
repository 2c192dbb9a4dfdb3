#include "windows/message/MessageProgramWindow.h"

#include "message/MessageActions.h"
#include "windows/message/MessageView.h"
#include "core/base/Globals.h"
#include "windows/message/SnoozeMinutesWindow.h"
#include "windows/pim/ForwardWindow.h"
#include "platform/runtime/FixedText.h"
#include "platform/widgets/WindowPosition.h"

#include <QAction>
#include <QFontDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

namespace {

struct SnoozeChoice {
    const char* text;
    int32_t minutes;
};

constexpr SnoozeChoice kSnoozeChoices[] = {
    {"10 Minutes", 10}, {"30 Minutes", 30}, {"1 Hour", 60}, {"1 Day", 1440}};

} // namespace

MessageProgramWindow::MessageProgramWindow(MessageProgramTables& tables, const MessageFont& font, QWidget* parent)
    : QWidget(parent, Qt::Window), tables_(tables), font_(font)
{
    setWindowTitle(QStringLiteral("Message"));
    view_ = new MessageView(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    resize(460, 300);
    // The message program keeps no place of its own; wherever the desktop
    // puts the window, and at any scale, it stays on the screen.
    KeepOnScreen(*this);

    QPlainTextEdit* text = view_->TextBox();
    text->setToolTip(QStringLiteral("Message (Right-click for options)"));
    text->setContextMenuPolicy(Qt::CustomContextMenu);
    BuildPopup();
    connect(text, &QWidget::customContextMenuRequested, this,
            [this, text](const QPoint& at) { popup_->popup(text->viewport()->mapToGlobal(at)); });

    if (Clip(font_.typeface).isEmpty())
        font_ = MessageFontOf(text->font(), text->palette().color(QPalette::Text));
    else
        ApplyFont();

    connect(view_->SnoozeButton(), &QPushButton::clicked, this, [this] { SnoozeFor(snoozeMinutes_); });
    connect(view_->ToDoButton(), &QPushButton::clicked, this, &MessageProgramWindow::ToDo);
    connect(view_->EmailButton(), &QPushButton::clicked, this, &MessageProgramWindow::Email);
    connect(view_->CloseButton(), &QPushButton::clicked, this, &QWidget::close);
}

void MessageProgramWindow::BuildPopup()
{
    popup_ = new QMenu(this);
    connect(popup_->addAction(QStringLiteral("Set Message &Font")), &QAction::triggered, this,
            &MessageProgramWindow::ChooseMessageFont);
    popup_->addSeparator();
    QMenu* snooze = popup_->addMenu(QStringLiteral("&Snooze"));
    for (const SnoozeChoice& choice : kSnoozeChoices) {
        const int32_t minutes = choice.minutes;
        connect(snooze->addAction(QLatin1String(choice.text)), &QAction::triggered, this, [this, minutes] {
            // The choice stays the snooze minutes for the rest of the run.
            snoozeMinutes_ = minutes;
            SnoozeFor(minutes);
        });
    }
    connect(snooze->addAction(QStringLiteral("Other")), &QAction::triggered, this,
            &MessageProgramWindow::AskSnoozeMinutes);
    sendEmail_ = popup_->addAction(QStringLiteral("Send &Email"));
    connect(sendEmail_, &QAction::triggered, this, &MessageProgramWindow::Email);
    connect(popup_->addAction(QStringLiteral("&Add to To Do List")), &QAction::triggered, this,
            &MessageProgramWindow::ToDo);
    popup_->addSeparator();
    connect(popup_->addAction(QStringLiteral("E&xit")), &QAction::triggered, this, &QWidget::close);
}

QAction* MessageProgramWindow::PopupAction(const QString& text) const
{
    const QList<QAction*> actions = popup_->findChildren<QAction*>();
    for (QAction* action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void MessageProgramWindow::Present(const ShownMessage& message)
{
    view_->Show(message);
    setWindowTitle(MessageCaption(message.title));
    snoozeMinutes_ = SnoozeInterval;
    // Forwarding needs a sender and a mail host; the popup's entry follows
    // the button.
    const bool canMail = !Clip(Email::Sender).isEmpty() && !Clip(Email::Host).isEmpty();
    view_->EmailButton()->setEnabled(canMail);
    sendEmail_->setEnabled(canMail);
    alarm_.Arm(message.soundFile, RepeatAlarmInterval, MaxAlarmTime);

    if (UseModalMessage != 0)
        setWindowFlag(Qt::WindowStaysOnTopHint);
    show();
    if (UseModalMessage == 0) {
        raise();
        activateWindow();
    }
}

void MessageProgramWindow::ApplyFont()
{
    QPlainTextEdit* text = view_->TextBox();
    text->setFont(FontOf(font_));
    QPalette palette = text->palette();
    palette.setColor(QPalette::Text, ColourOf(font_));
    text->setPalette(palette);
}

void MessageProgramWindow::ChooseMessageFont()
{
    auto* dialog = new QFontDialog(FontOf(font_), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QString());
    connect(dialog, &QFontDialog::fontSelected, this, [this](const QFont& chosen) {
        // The dialog has no colour of its own: the stored one stays.
        font_ = MessageFontOf(chosen, ColourOf(font_));
        ApplyFont();
    });
    dialog->open();
}

void MessageProgramWindow::AskSnoozeMinutes()
{
    auto* dialog = new SnoozeMinutesWindow(view_->Current().title, snoozeMinutes_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        snoozeMinutes_ = dialog->Minutes();
        SnoozeFor(snoozeMinutes_);
    });
    dialog->open();
}

void MessageProgramWindow::SnoozeFor(int32_t minutes)
{
    if (SnoozeMessage(view_->Current(), minutes, tables_.schedule))
        close();
}

void MessageProgramWindow::ToDo()
{
    MessageToToDo(view_->Current(), tables_.todo);
}

void MessageProgramWindow::Email()
{
    if (!view_->EmailButton()->isEnabled())
        return;
    const ShownMessage current = view_->Current();
    ForwardWindow* forward = GenerateEmail(this, current.title, current.text, ForwardPlacement::Unsaved);
    connect(forward, &ForwardWindow::Forwarded, this, [this](const QString& title, const QString& text) {
        ShownMessage edited = view_->Current();
        edited.title = title;
        edited.text = text;
        view_->Show(edited);
    });
}

} // namespace vl
