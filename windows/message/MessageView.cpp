#include "windows/message/MessageView.h"

#include "platform/runtime/FixedText.h"
#include "platform/widgets/FocusChain.h"
#include "platform/widgets/TextWidth.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>

namespace vl {

namespace {

QPushButton* Button(const QString& text, const QString& tip, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setToolTip(tip);
    return button;
}

// A message in a right-to-left script reads from the right edge: the text
// takes the direction of its first letter that has one, as shown and as
// typed.
void FollowTextDirection(QPlainTextEdit& text)
{
    const Qt::LayoutDirection direction = text.toPlainText().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    QTextOption option = text.document()->defaultTextOption();
    if (option.textDirection() == direction)
        return;
    option.setTextDirection(direction);
    // The layout does not mirror an alignment by itself.
    option.setAlignment(direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    text.document()->setDefaultTextOption(option);
}

} // namespace

MessageView::MessageView(QWidget* parent) : QWidget(parent)
{
    title_ = new QLineEdit(this);
    LimitToWidth(title_, kMessageTitleWidth);
    text_ = new QPlainTextEdit(this);
    TabLeavesText(*text_);
    connect(text_, &QPlainTextEdit::textChanged, this, [this] { FollowTextDirection(*text_); });
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
