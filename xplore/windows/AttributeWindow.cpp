#include "xplore/windows/AttributeWindow.h"

#include <QCursor>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vl {

namespace {

// The prompt and the entry above a close button, at the mouse pointer.
void Arrange(QDialog& window, const AttributePrompt& prompt, QWidget* entry, QWidget* parent)
{
    window.setWindowTitle(prompt.caption);
    window.setObjectName(QStringLiteral("Attribute"));
    if (parent)
        window.setFont(parent->window()->font());
    window.setWindowModality(Qt::WindowModal);
    window.setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(&window);
    auto* form = new QFormLayout;
    auto* label = new QLabel(prompt.prompt, &window);
    label->setBuddy(entry);
    form->addRow(label, entry);
    layout->addLayout(form);
    auto* close = new QPushButton(QObject::tr("&Close"), &window);
    close->setAutoDefault(false);
    QObject::connect(close, &QPushButton::clicked, &window, &QDialog::close);
    layout->addWidget(close, 0, Qt::AlignRight);
    window.move(QCursor::pos());
}

} // namespace

AttributeWindow::AttributeWindow(const AttributePrompt& prompt, QWidget* parent, std::function<void(int)> apply)
    : QDialog(parent), entry_(new QSpinBox(this))
{
    entry_->setRange(0, prompt.maximum);
    entry_->setValue(prompt.value);
    entry_->setKeyboardTracking(true);
    Arrange(*this, prompt, entry_, parent);
    connect(entry_, &QSpinBox::valueChanged, this, [apply = std::move(apply)](int value) { apply(value); });
}

HeaderTextWindow::HeaderTextWindow(const AttributePrompt& prompt, const QString& header, QWidget* parent,
                                   std::function<void(const QString&)> apply)
    : QDialog(parent), entry_(new QLineEdit(this))
{
    entry_->setMaxLength(prompt.maximum);
    // "~" closes a header in the saved layout, so a header cannot hold one.
    entry_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^~]*")), entry_));
    entry_->setText(header.left(prompt.maximum));
    entry_->setMinimumWidth(entry_->fontMetrics().averageCharWidth() * (prompt.maximum + 2));
    Arrange(*this, prompt, entry_, parent);
    connect(entry_, &QLineEdit::returnPressed, this,
            [this, apply = std::move(apply)] { apply(entry_->text()); });
}

} // namespace vl
