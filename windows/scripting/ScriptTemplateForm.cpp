#include "windows/scripting/ScriptTemplateForm.h"

#include "platform/browse/KeyOrders.h"
#include "core/dictionary/Dictionary.h"
#include "platform/data/ViewOrder.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/TextWidth.h"
#include "platform/widgets/WindowPosition.h"
#include "scripting/items/DescribeScriptItem.h"
#include "scripting/items/ScriptListRules.h"
#include "scripting/items/TaskScripts.h"
#include "scripting/items/WholeScript.h"
#include "scripting/templates/TemplateCopy.h"
#include "scripting/templates/TemplateStore.h"
#include "windows/scripting/PrintScript.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace vl {

namespace {

constexpr char kTokenHelp[] =
    "Items of a template may ask for information when the template is added to a task's script:\n"
    "[? File Prompt]  asks for a file path and name\n"
    "[? Window Prompt]  asks for a window title\n"
    "[? Text Prompt]  asks for a text\n"
    "[?]  repeats the last answer\n"
    "[? Prompt]  repeats the answer given to the same prompt, or asks for a text";

} // namespace

ScriptTemplateForm::ScriptTemplateForm(FormRequest request, const ScriptTemplatesRecord& record, int32_t copySource,
                                       TemplateItemForm itemForm, QWidget* parent)
    : QDialog(parent), request_(request), record_(record), itemForm_(std::move(itemForm))
{
    setObjectName(QLatin1String(kUpdateScriptTemplateProcedure));
    Dictionary& tables = Tables();
    if (!OpenTable(tables.ScriptTemplates)) {
        Prompt::Message(tables.ScriptTemplates.LastError().Describe(), QLatin1String(kTemplateCaption),
                        PromptIcon::Stop);
        return;
    }
    if (!OpenTable(tables.ScriptTemplateDetails)) {
        Prompt::Message(tables.ScriptTemplateDetails.LastError().Describe(), QLatin1String(kTemplateCaption),
                        PromptIcon::Stop);
        tables.ScriptTemplates.Close();
        return;
    }
    tablesOpen_ = true;
    if (request_ == FormRequest::Insert) {
        record_ = ScriptTemplatesRecord();
        record_.WIZ_ID = NewTemplateId(tables);
        if (record_.WIZ_ID == 0)
            return;
        // A copy the user cancelled cancels the new template.
        if (copySource != 0
            && CopyScriptTemplateDetails(tables.ScriptTemplateDetails, copySource, record_.WIZ_ID)
                == TemplateCopied::Cancelled)
            return;
    }
    opened_ = true;
    setWindowTitle(request_ == FormRequest::Insert ? QStringLiteral("New Script Template")
                                                   : QStringLiteral("Edit Script Template ") + record_.DESCRIPTION);
    auto* sheet = new QTabWidget;
    sheet->addTab(GeneralPage(), QStringLiteral("General"));
    sheet->addTab(DetailsPage(), QStringLiteral("Details"));
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sheet, 1);
    layout->addWidget(buttons);
    // Deleting shows the template as it is; "&OK" confirms.
    if (request_ == FormRequest::Delete) {
        description_->setReadOnly(true);
        cancel->setFocus();
    } else {
        ok->setDefault(true);
    }
    UpdateButtons();
    KeepWindowPosition(*this, QLatin1String(kUpdateScriptTemplateProcedure));
}

ScriptTemplateForm::~ScriptTemplateForm()
{
    delete items_;
    if (tablesOpen_) {
        Tables().ScriptTemplateDetails.Close();
        Tables().ScriptTemplates.Close();
    }
}

QWidget* ScriptTemplateForm::GeneralPage()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    auto* help = new QLabel(QLatin1String(kTokenHelp));
    help->setWordWrap(true);
    description_ = new QLineEdit(record_.DESCRIPTION);
    LimitToWidth(description_, 60);
    auto* prompt = new QLabel(QStringLiteral("Description:"));
    prompt->setBuddy(description_);
    layout->addWidget(help, 0, 0, 1, 2);
    layout->addWidget(prompt, 1, 0);
    layout->addWidget(description_, 1, 1);
    layout->setRowStretch(2, 1);
    return page;
}

QPushButton* ScriptTemplateForm::AddButton(const QString& text, const QString& tip,
                                           void (ScriptTemplateForm::*action)())
{
    auto* button = new QPushButton(text);
    button->setAutoDefault(false);
    button->setToolTip(tip);
    if (action)
        connect(button, &QPushButton::clicked, this, action);
    return button;
}

QWidget* ScriptTemplateForm::DetailsPage()
{
    Table<ScriptTemplateDetailsRecord>& details = Tables().ScriptTemplateDetails;
    model_ = std::make_unique<BrowseModel>(details);
    const TableDef& def = details.Definition();
    BrowseColumn described;
    described.header = QStringLiteral("Details");
    described.compute = [&def](const ViewRow& row) -> FieldValue {
        ScriptTemplateDetailsRecord item;
        row.Fill(def, item);
        return ScriptItemDetail(item);
    };
    model_->SetColumns({{QStringLiteral("VLD:Action"), QStringLiteral("Action"), QStringLiteral("@s27")}, described});
    AddKeyOrder(*model_, QStringLiteral("By Sequence"), VLD_K_WIZ_ID);
    model_->SetRange(ViewRange{{FieldValue(int64_t{record_.WIZ_ID})}, std::nullopt, std::nullopt});

    auto* page = new QWidget;
    items_ = new BrowseList(page);
    items_->SetBrowseModel(model_.get());
    items_->horizontalHeader()->setStretchLastSection(true);
    add_ = AddButton(QStringLiteral("&Add"), QString(), &ScriptTemplateForm::NewItem);
    copy_ = AddButton(QStringLiteral("Cop&y"), QString(), &ScriptTemplateForm::CopyItem);
    edit_ = AddButton(QStringLiteral("&Edit"), QString(), &ScriptTemplateForm::EditItem);
    delete_ = AddButton(QStringLiteral("&Delete"), QString(), &ScriptTemplateForm::DeleteItem);
    up_ = AddButton(QStringLiteral("Up"), QStringLiteral("Move record up one"), nullptr);
    top_ = AddButton(QStringLiteral("Top"), QStringLiteral("Move record to the top"), nullptr);
    down_ = AddButton(QStringLiteral("Down"), QStringLiteral("Move record down one"), nullptr);
    bottom_ = AddButton(QStringLiteral("Bottom"), QStringLiteral("Move record to the bottom"), nullptr);
    const std::pair<QPushButton*, ScriptItemMove> moves[] = {{up_, ScriptItemMove::UpOne},
                                                             {top_, ScriptItemMove::ToTop},
                                                             {down_, ScriptItemMove::DownOne},
                                                             {bottom_, ScriptItemMove::ToBottom}};
    for (const auto& [button, move] : moves)
        connect(button, &QPushButton::clicked, this, [this, move = move] { Move(move); });
    import_ = AddButton(QStringLiteral("&Import"), QStringLiteral("Add the items of a script file to this template"),
                        &ScriptTemplateForm::Import);
    export_ = AddButton(QStringLiteral("E&xport"), QStringLiteral("Write this template's items to a script file"),
                        &ScriptTemplateForm::Export);
    clear_ = AddButton(QStringLiteral("Clear"), QString(), &ScriptTemplateForm::Clear);
    print_ = AddButton(QStringLiteral("&Print"), QString(), &ScriptTemplateForm::Print);

    auto* side = new QGridLayout;
    const std::pair<QPushButton*, QPushButton*> pairs[] = {{add_, copy_},  {edit_, delete_},     {top_, up_},
                                                           {bottom_, down_}, {import_, export_}, {print_, clear_}};
    int row = 0;
    for (const auto& [left, right] : pairs) {
        side->addWidget(left, row, 0);
        side->addWidget(right, row++, 1);
    }
    side->setRowStretch(row, 1);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(items_, 1);
    layout->addLayout(side);

    connect(items_, &BrowseList::insertPressed, add_, &QPushButton::click);
    connect(items_, &BrowseList::deletePressed, delete_, &QPushButton::click);
    connect(items_, &BrowseList::enterPressed, edit_, &QPushButton::click);
    connect(items_, &BrowseList::rowDoubleClicked, edit_, &QPushButton::click);
    connect(model_.get(), &QAbstractItemModel::modelReset, this, &ScriptTemplateForm::UpdateButtons);
    connect(model_.get(), &QAbstractItemModel::layoutChanged, this, &ScriptTemplateForm::UpdateButtons);
    connect(model_.get(), &QAbstractItemModel::rowsInserted, this, &ScriptTemplateForm::UpdateButtons);
    connect(model_.get(), &QAbstractItemModel::rowsRemoved, this, &ScriptTemplateForm::UpdateButtons);
    connect(items_->selectionModel(), &QItemSelectionModel::currentChanged, this, &ScriptTemplateForm::UpdateButtons);
    if (model_->rowCount() > 0)
        items_->SelectRow(0);
    return page;
}

void ScriptTemplateForm::UpdateButtons()
{
    if (!add_)
        return;
    // The script list's rules, with the template in place of the task; a
    // template being deleted is shown only.
    ScriptListButtons enabled = EnabledScriptListButtons(record_.WIZ_ID, model_->rowCount(), items_->CurrentRow());
    const bool changing = request_ != FormRequest::Delete;
    add_->setEnabled(enabled.add && changing);
    copy_->setEnabled(enabled.onItem && changing);
    edit_->setEnabled(enabled.onItem && changing);
    delete_->setEnabled(enabled.onItem && changing);
    clear_->setEnabled(enabled.onItem && changing);
    print_->setEnabled(enabled.onItem);
    import_->setEnabled(enabled.add && changing);
    export_->setEnabled(enabled.add);
    for (QPushButton* button : {up_, top_})
        button->setEnabled(enabled.earlier && changing);
    for (QPushButton* button : {down_, bottom_})
        button->setEnabled(enabled.later && changing);
}

bool ScriptTemplateForm::CurrentItem(ScriptTemplateDetailsRecord& item)
{
    if (model_->Record(items_->CurrentRow(), item) && Tables().ScriptTemplateDetails.Get(item.RecordPointer, item))
        return true;
    items_->Refresh();
    return false;
}

int32_t ScriptTemplateForm::CurrentSequence()
{
    ScriptTemplateDetailsRecord item;
    return model_->Record(items_->CurrentRow(), item) ? item.Sequence : 0;
}

void ScriptTemplateForm::ShowItem(int32_t sequence)
{
    items_->Refresh();
    ScriptTemplateDetailsRecord item;
    item.WIZ_ID = record_.WIZ_ID;
    item.Sequence = sequence;
    if (Tables().ScriptTemplateDetails.Get(VLD_K_WIZ_ID, item))
        items_->SelectRow(model_->RowOf(ViewRow::From(model_->Definition(), item)));
    items_->setFocus();
    UpdateButtons();
}

void ScriptTemplateForm::NewItem()
{
    if (add_->isEnabled())
        Insert(ScriptTemplateDetailsRecord());
}

void ScriptTemplateForm::CopyItem()
{
    ScriptTemplateDetailsRecord item;
    if (!copy_->isEnabled() || !CurrentItem(item))
        return;
    item.RecordPointer = 0;
    item.Sequence = 0;
    Insert(item);
}

void ScriptTemplateForm::Insert(ScriptTemplateDetailsRecord item)
{
    const int32_t remembered = CurrentSequence();
    item.WIZ_ID = record_.WIZ_ID;
    if (!itemForm_(FormRequest::Insert, item, record_.WIZ_ID, this)) {
        items_->Refresh();
        return;
    }
    std::optional<int32_t> placed = item.Sequence;
    if (remembered != 0 && item.Sequence != remembered + 1)
        placed = MoveScriptItem(Tables().ScriptTemplateDetails, record_.WIZ_ID, item.Sequence,
                                ScriptItemMove::AfterRemembered, remembered);
    ShowItem(placed.value_or(item.Sequence));
}

void ScriptTemplateForm::EditItem()
{
    ScriptTemplateDetailsRecord item;
    if (!edit_->isEnabled() || !CurrentItem(item))
        return;
    itemForm_(FormRequest::Change, item, record_.WIZ_ID, this);
    ShowItem(item.Sequence);
}

void ScriptTemplateForm::DeleteItem()
{
    ScriptTemplateDetailsRecord item;
    if (!delete_->isEnabled() || !CurrentItem(item))
        return;
    const int32_t remembered = item.Sequence;
    if (itemForm_(FormRequest::Delete, item, record_.WIZ_ID, this))
        CloseScriptItemGap(Tables().ScriptTemplateDetails, record_.WIZ_ID, remembered);
    ShowItem(remembered);
}

void ScriptTemplateForm::Move(ScriptItemMove move)
{
    const int32_t sequence = CurrentSequence();
    if (sequence == 0)
        return;
    const std::optional<int32_t> moved = MoveScriptItem(Tables().ScriptTemplateDetails, record_.WIZ_ID, sequence, move);
    ShowItem(moved.value_or(sequence));
}

void ScriptTemplateForm::Clear()
{
    if (!clear_->isEnabled())
        return;
    ClearScriptItems(Tables().ScriptTemplateDetails, record_.WIZ_ID);
    items_->Refresh();
    UpdateButtons();
}

void ScriptTemplateForm::Print()
{
    if (print_->isEnabled())
        PrintCurrentScriptTemplateDetails(record_, this);
}

void ScriptTemplateForm::accept()
{
    if (!opened_)
        return;
    Dictionary& tables = Tables();
    if (request_ == FormRequest::Delete) {
        if (DeleteTemplate(tables, record_.WIZ_ID))
            QDialog::accept();
        return;
    }
    ScriptTemplatesRecord edited = record_;
    edited.DESCRIPTION = description_->text();
    if (!SaveTemplate(tables, edited))
        return; // the form stays open with what was typed
    record_ = edited;
    QDialog::accept();
}

void ScriptTemplateForm::reject()
{
    // A new template that is not kept takes its items along.
    if (opened_ && request_ == FormRequest::Insert && !ReadTemplate(Tables(), record_.WIZ_ID))
        DeleteScriptItems(Tables().ScriptTemplateDetails, record_.WIZ_ID);
    QDialog::reject();
}

} // namespace vl
