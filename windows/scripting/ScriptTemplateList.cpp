#include "windows/scripting/ScriptTemplateList.h"

#include "platform/browse/KeyOrders.h"
#include "core/dictionary/Dictionary.h"
#include "platform/data/ViewOrder.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/WindowPosition.h"
#include "scripting/templates/TemplateCopy.h"
#include "scripting/templates/TemplateStore.h"
#include "windows/scripting/PrintScript.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace vl {

ScriptTemplateList::ScriptTemplateList(bool selectMode, TemplateFormRunner form, QWidget* parent)
    : QDialog(parent), selectMode_(selectMode), form_(std::move(form))
{
    setObjectName(QLatin1String(kBrowseScriptTemplatesProcedure));
    setWindowTitle(QStringLiteral("Script Templates"));
    Table<ScriptTemplatesRecord>& templates = Tables().ScriptTemplates;
    opened_ = OpenTable(templates);
    if (!opened_)
        Prompt::Message(templates.LastError().Describe(), QLatin1String(kTemplateCaption), PromptIcon::Stop);
    model_ = std::make_unique<BrowseModel>(templates);
    model_->SetColumns({{QStringLiteral("VLT:DESCRIPTION"), QStringLiteral("Description"), QStringLiteral("@s60")}});
    AddKeyOrder(*model_, QStringLiteral("Description"), VLT_K_DESCRIPTION);

    list_ = new BrowseList(this);
    list_->SetBrowseModel(model_.get());
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setMinimumWidth(list_->fontMetrics().horizontalAdvance(QString(60, QLatin1Char('n'))));
    QPushButton* add = AddButton(QStringLiteral("&New"), &ScriptTemplateList::New);
    copy_ = AddButton(QStringLiteral("Cop&y"), &ScriptTemplateList::Copy);
    edit_ = AddButton(QStringLiteral("&Edit"), &ScriptTemplateList::Edit);
    delete_ = AddButton(QStringLiteral("&Delete"), &ScriptTemplateList::Delete);
    print_ = AddButton(QStringLiteral("&Print"), &ScriptTemplateList::Print);
    auto* side = new QVBoxLayout;
    for (QPushButton* button : {add, copy_, edit_, delete_, print_})
        side->addWidget(button);
    if (selectMode_) {
        select_ = AddButton(QStringLiteral("&Select"), &ScriptTemplateList::Select);
        select_->setDefault(true);
        side->addWidget(select_);
    } else {
        edit_->setDefault(true);
    }
    side->addStretch();
    QPushButton* close = AddButton(QStringLiteral("Cl&ose"), nullptr);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    side->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(side);

    QPushButton* onEnter = selectMode_ ? select_ : edit_;
    connect(list_, &BrowseList::insertPressed, add, &QPushButton::click);
    connect(list_, &BrowseList::deletePressed, delete_, &QPushButton::click);
    connect(list_, &BrowseList::enterPressed, onEnter, &QPushButton::click);
    connect(list_, &BrowseList::rowDoubleClicked, onEnter, &QPushButton::click);
    connect(model_.get(), &QAbstractItemModel::modelReset, this, &ScriptTemplateList::UpdateButtons);
    connect(model_.get(), &QAbstractItemModel::rowsInserted, this, &ScriptTemplateList::UpdateButtons);
    connect(model_.get(), &QAbstractItemModel::rowsRemoved, this, &ScriptTemplateList::UpdateButtons);
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, &ScriptTemplateList::UpdateButtons);
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, &ScriptTemplateList::Highlight);
    connect(model_.get(), &QAbstractItemModel::modelReset, this, &ScriptTemplateList::Highlight);
    if (model_->rowCount() > 0)
        list_->SelectRow(0);
    Highlight();
    UpdateButtons();
    add->setEnabled(opened_);
    KeepWindowPosition(*this, QLatin1String(kBrowseScriptTemplatesProcedure));
}

ScriptTemplateList::~ScriptTemplateList()
{
    delete list_;
    if (opened_)
        Tables().ScriptTemplates.Close();
}

QPushButton* ScriptTemplateList::AddButton(const QString& text, void (ScriptTemplateList::*action)())
{
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    if (action)
        connect(button, &QPushButton::clicked, this, action);
    return button;
}

void ScriptTemplateList::UpdateButtons()
{
    const bool onRow = opened_ && list_->CurrentRow() >= 0;
    for (QPushButton* button : {copy_, edit_, delete_, print_, select_}) {
        if (button)
            button->setEnabled(onRow);
    }
}

void ScriptTemplateList::Highlight()
{
    ScriptTemplatesRecord record;
    highlighted_.reset();
    if (model_->Record(list_->CurrentRow(), record))
        highlighted_ = record;
}

std::optional<ScriptTemplatesRecord> ScriptTemplateList::Current()
{
    if (!highlighted_)
        return std::nullopt;
    if (std::optional<ScriptTemplatesRecord> stored = ReadTemplate(Tables(), highlighted_->WIZ_ID))
        return stored;
    Prompt::Message(QLatin1String(kTemplateGoneText), QLatin1String(kTemplateGoneCaption), PromptIcon::Exclamation);
    list_->Refresh();
    UpdateButtons();
    return std::nullopt;
}

void ScriptTemplateList::Run(FormRequest request, const ScriptTemplatesRecord& record, int32_t copySource)
{
    form_(request, record, copySource, this);
    // Another window may have changed the list too: read it all again.
    list_->Refresh();
    UpdateButtons();
    list_->setFocus();
}

void ScriptTemplateList::New()
{
    if (opened_)
        Run(FormRequest::Insert, ScriptTemplatesRecord(), 0);
}

void ScriptTemplateList::Copy()
{
    if (const std::optional<ScriptTemplatesRecord> source = copy_->isEnabled() ? Current() : std::nullopt)
        Run(FormRequest::Insert, ScriptTemplatesRecord(), source->WIZ_ID);
}

void ScriptTemplateList::Edit()
{
    if (const std::optional<ScriptTemplatesRecord> record = edit_->isEnabled() ? Current() : std::nullopt)
        Run(FormRequest::Change, *record, 0);
}

void ScriptTemplateList::Delete()
{
    if (const std::optional<ScriptTemplatesRecord> record = delete_->isEnabled() ? Current() : std::nullopt)
        Run(FormRequest::Delete, *record, 0);
}

void ScriptTemplateList::Print()
{
    if (const std::optional<ScriptTemplatesRecord> record = print_->isEnabled() ? Current() : std::nullopt) {
        PrintCurrentScriptTemplateDetails(*record, this);
        list_->Refresh();
    }
}

void ScriptTemplateList::Select()
{
    if (!select_ || !select_->isEnabled())
        return;
    selected_ = Current();
    if (selected_)
        accept();
}

} // namespace vl
