#include "windows/message/MessageView.h"

#include "platform/runtime/FixedText.h"
#include "platform/widgets/TextWidth.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

namespace {

QPushButton* Button(const QString& text, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setToolTip(tip);
    return button;
}

} // namespace

MessageView::MessageView(QWidget* parent) : QWidget(parent)
{
    title_ = new QLineEdit(this);
    LimitToWidth(title_, kMessageTitleWidth);
    text_ = new QPlainTextEdit(this);
    snooze_ = Button(QStringLiteral("&Snooze"), QStringLiteral("Have this message reappear in a few minutes"), this);
    toDo_ = Button(QStringLiteral("&To Do"), QStringLiteral("Add this to your to do list"), this);
    email_ = Button(QStringLiteral("&Email"), QStringLiteral("Send this as an email message"), this);
    close_ = Button(QStringLiteral("Cl&ose"), QStringLiteral("Close this message window"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(snooze_);
    buttons->addWidget(toDo_);
    buttons->addWidget(email_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title_);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
}

void MessageView::Show(const ShownMessage& message)
{
    title_->setText(CutTo(Clip(message.title), kMessageTitleWidth));
    text_->setPlainText(CutTo(message.text, kMessageTextWidth));
    soundFile_ = message.soundFile;
}

ShownMessage MessageView::Current() const
{
    return {Clip(title_->text()), CutTo(text_->toPlainText(), kMessageTextWidth), soundFile_};
}

} // namespace vl
