#include "windows/scripting/WindowContentPicker.h"

#include "platform/widgets/TextWidth.h"
#include "platform/widgets/WindowPosition.h"
#include "scripting/WindowLists.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

WindowContentPicker::WindowContentPicker(const QString& procedure, WindowHandle window, const QString& text,
                                         QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Advanced Settings"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Many application windows contain at least some text that\n"
                                    "can be examined by Velmora.  This is typically\n"
                                    "the text on buttons and error messages."),
                                 this));
    auto* prompt = new QLabel(tr("Window must contain this text:"), this);
    layout->addWidget(prompt);
    content_ = new QComboBox(this);
    content_->setEditable(true);
    content_->setInsertPolicy(QComboBox::NoInsert);
    content_->setToolTip(tr("Contents of window to locate"));
    LimitToWidth(content_->lineEdit(), kWindowContentWidth);
    content_->setMinimumContentsLength(40);
    content_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    prompt->setBuddy(content_);
    ChildWindowQueue children;
    if (window != 0)
        ListChildWindows(children, window);
    for (const ChildWindowEntry& child : children)
        content_->addItem(child.LINE);
    content_->setCurrentIndex(-1);
    content_->setEditText(text.left(kWindowContentWidth));
    layout->addWidget(content_);
    layout->addWidget(new QLabel(tr("Do not use this in conjunction with the \"~\" reversal\nswitch."), this));
    close_ = new QPushButton(tr("Cl&ose"), this);
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close_, 0, Qt::AlignRight);
    KeepWindowPosition(*this, procedure);
}

QString WindowContentPicker::Text() const { return content_->currentText(); }

QString PickWindowContent(const QString& procedure, WindowHandle window, const QString& text, QWidget* parent)
{
    WindowContentPicker picker(procedure, window, text, parent);
    picker.exec();
    return picker.Text();
}

} // namespace vl
