#include "exchange/windows/EnterPicture.h"

#include "platform/ui/PromptService.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace vl {
namespace {

const char kCaption[] = "Enter Picture...";
const char kInvalidCaption[] = "Invalid Picture!";
const char kInvalidText[] = "Pictures must begin with \"@\"";
constexpr int kPictureWidth = 30;

} // namespace

EnterPictureDialog::EnterPictureDialog(const QString& picture, QWidget* parent)
    : QDialog(parent), entry_(new QLineEdit(picture.trimmed(), this))
{
    setWindowTitle(QLatin1String(kCaption));
    entry_->setMaxLength(kPictureWidth);
    entry_->setMinimumWidth(entry_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 16);
    auto* form = new QFormLayout(this);
    form->addRow(tr("Picture:"), entry_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

QString EnterPictureDialog::Picture() const
{
    return entry_->text().trimmed();
}

bool EnterPictureDialog::Check()
{
    if (Picture().startsWith(QLatin1Char('@')))
        return true;
    Prompt::Message(QLatin1String(kInvalidText), QLatin1String(kInvalidCaption), PromptIcon::Information);
    entry_->setFocus();
    return false;
}

void EnterPictureDialog::accept()
{
    if (Check())
        QDialog::accept();
}

QString EnterPicture(const QString& picture, QWidget* parent)
{
    EnterPictureDialog dialog(picture, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.Picture() : QString();
}

} // namespace vl
