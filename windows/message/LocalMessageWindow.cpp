#include "windows/message/LocalMessageWindow.h"
#include "platform/widgets/WindowPosition.h"

#include "core/dictionary/Dictionary.h"
#include "message/MessageActions.h"
#include "windows/message/MessageView.h"
#include "core/base/Globals.h"
#include "windows/pim/ForwardWindow.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/ThreadRegistry.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

namespace {

LocalMessageWindow* Open(const ShownMessage& message, bool topmost)
{
    auto* window = new LocalMessageWindow(message, topmost);
    Threads().Register(window); // deleted when closed
    window->show();
    return window;
}

} // namespace

LocalMessageWindow::LocalMessageWindow(const ShownMessage& message, bool topmost, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(MessageCaption(message.title));
    KeepWindowPosition(*this, QStringLiteral("ShowMessage"));
    if (topmost)
        setWindowFlag(Qt::WindowStaysOnTopHint);
    view_ = new MessageView(this);
    view_->Show(message);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    resize(460, 300);

    connect(view_->SnoozeButton(), &QPushButton::clicked, this, &LocalMessageWindow::Snooze);
    connect(view_->ToDoButton(), &QPushButton::clicked, this, &LocalMessageWindow::ToDo);
    connect(view_->EmailButton(), &QPushButton::clicked, this, &LocalMessageWindow::Email);
    connect(view_->CloseButton(), &QPushButton::clicked, this, &QWidget::close);

    LogShownMessage(message);
    alarm_.Arm(message.soundFile, RepeatAlarmInterval, MaxAlarmTime);
}

void LocalMessageWindow::Snooze()
{
    if (SnoozeMessage(view_->Current(), SnoozeInterval, Tables().Schedule))
        close();
}

void LocalMessageWindow::ToDo()
{
    if (MessageToToDo(view_->Current(), Tables().Todo))
        Prompt::Message(QStringLiteral("Added to To Do List"), QStringLiteral("Status"));
}

void LocalMessageWindow::Email()
{
    const ShownMessage current = view_->Current();
    ForwardWindow* forward = GenerateEmail(this, current.title, current.text);
    connect(forward, &ForwardWindow::Forwarded, this, [this](const QString& title, const QString& text) {
        ShownMessage edited = view_->Current();
        edited.title = title;
        edited.text = text;
        view_->Show(edited);
    });
}

LocalMessageWindow* ReminderWindow(const ShownMessage& message)
{
    return Open(message, true);
}

LocalMessageWindow* MessageWindow(const ShownMessage& message)
{
    return Open(message, false);
}

} // namespace vl
