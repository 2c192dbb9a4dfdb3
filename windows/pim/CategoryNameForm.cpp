#include "windows/pim/CategoryNameForm.h"

#include "platform/widgets/FormMode.h"
#include "platform/widgets/StatusTipLine.h"
#include "platform/widgets/TextWidth.h"
#include "platform/widgets/WindowPosition.h"
#include "resources/ProgramIcons.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr int kNameWidth = 20;

} // namespace

CategoryNameForm::CategoryNameForm(FormRequest request, const QString& name, const CategoryFormTexts& texts,
                                   QWidget* parent)
    : QDialog(parent), request_(request), lastSaved_(texts.lastSaved)
{
    setWindowTitle(FormCaption(request, texts.insertCaption, texts.changeCaption));
    setObjectName(QLatin1String(texts.procedure));

    name_ = new QLineEdit(name, this);
    if (texts.maxLength > 0)
        LimitToWidth(name_, texts.maxLength);
    name_->setMinimumWidth(name_->fontMetrics().horizontalAdvance(QString(kNameWidth + 4, QLatin1Char('n'))));
    if (!texts.statusTip.isEmpty())
        name_->setStatusTip(texts.statusTip);
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &CategoryNameForm::accept);
    connect(cancel_, &QPushButton::clicked, this, &CategoryNameForm::reject);
    if (!texts.historyKey.isEmpty() && lastSaved_) {
        auto* history = new QShortcut(texts.historyKey, name_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(history, &QShortcut::activated, this, [this] {
            if (name_->isEnabled() && !lastSaved_->isEmpty())
                name_->setText(*lastSaved_);
        });
    }

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Category:"), name_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);
    if (!texts.statusTip.isEmpty())
        layout->addWidget(new StatusTipLine(*this));

    ApplyFormMode(request, {name_}, ok_, cancel_, LoadIcon(QStringLiteral("close")));
    KeepWindowPosition(*this, QLatin1String(texts.procedure));
}

void CategoryNameForm::accept()
{
    if (request_ == FormRequest::View) {
        reject();
        return;
    }
    QString name = name_->text();
    const bool stored = Store(name);
    if (request_ != FormRequest::Delete) {
        if (!stored)
            name_->setText(name); // a refused rename has the old name back
        else if (lastSaved_)
            *lastSaved_ = name;
    }
    if (stored)
        QDialog::accept();
}

} // namespace vl
