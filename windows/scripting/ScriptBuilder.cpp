#include "windows/scripting/ScriptBuilder.h"

#include "platform/browse/KeyOrders.h"
#include "core/dictionary/Dictionary.h"
#include "platform/data/ViewOrder.h"
#include "platform/widgets/BrowseList.h"
#include "scripting/items/DescribeScriptItem.h"
#include "scripting/items/ScriptListRules.h"
#include "scripting/items/TaskScripts.h"
#include "scripting/text/ScriptExchange.h"
#include "windows/scripting/BrowseScriptTemplates.h"
#include "windows/scripting/ScriptTextWindow.h"
#include "windows/scripting/UpdateScripting.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr char kIntroText[] =
    "A script consists of one or several actions, which can be added one at a time or en masse through templates.";
constexpr char kTextTip[] = "Edit the whole script as text, one command a line";
constexpr char kImportTip[] =
    "Import script items from a text file - backup and transfer scripts, or use your own editor";
constexpr char kExportTip[] =
    "Export script items to a text file - backup and transfer scripts, or use your own editor";

} // namespace

ScriptBuilder::ScriptBuilder(int32_t taskId, QWidget* parent)
    : QWidget(parent), taskId_(taskId), form_(&UpdateScripting)
{
    scriptingOpened_ = OpenTable(Tables().Scripting);
    templatesOpened_ = OpenTable(Tables().ScriptTemplates);
    BuildLists();
    BuildWindow();
    if (itemModel_->rowCount() > 0)
        items_->SelectRow(0);
    if (templateModel_->rowCount() > 0)
        templates_->SelectRow(0);
    UpdateButtons();
}

ScriptBuilder::~ScriptBuilder()
{
    // The lists go before the models they show.
    delete templates_;
    delete items_;
    if (scriptingOpened_)
        Tables().Scripting.Close();
    if (templatesOpened_)
        Tables().ScriptTemplates.Close();
}

void ScriptBuilder::BuildLists()
{
    Table<ScriptTemplatesRecord>& templates = Tables().ScriptTemplates;
    templateModel_ = std::make_unique<BrowseModel>(templates);
    templateModel_->SetColumns(
        {{QStringLiteral("VLT:DESCRIPTION"), QStringLiteral("Script Templates"), QStringLiteral("@s60")}});
    AddKeyOrder(*templateModel_, QStringLiteral("Description"), VLT_K_DESCRIPTION);

    Table<ScriptingRecord>& scripting = Tables().Scripting;
    itemModel_ = std::make_unique<BrowseModel>(scripting);
    const TableDef& def = scripting.Definition();
    BrowseColumn details;
    details.header = QStringLiteral("Details");
    details.compute = [&def](const ViewRow& row) -> FieldValue {
        ScriptingRecord item;
        row.Fill(def, item);
        return ScriptItemDetail(item);
    };
    itemModel_->SetColumns({{QStringLiteral("SCR:Action"), QStringLiteral("Action"), QStringLiteral("@s27")}, details});
    AddKeyOrder(*itemModel_, QStringLiteral("By Sequence"), SCR_KEYID);
    itemModel_->SetRange(ViewRange{{FieldValue(int64_t{taskId_})}, std::nullopt, std::nullopt});

    templates_ = new BrowseList(this);
    templates_->SetBrowseModel(templateModel_.get());
    templates_->horizontalHeader()->setStretchLastSection(true);
    templates_->setMinimumWidth(templates_->fontMetrics().horizontalAdvance(QString(24, QLatin1Char('n'))));
    items_ = new BrowseList(this);
    items_->SetBrowseModel(itemModel_.get());
    items_->setColumnWidth(0, items_->fontMetrics().horizontalAdvance(QString(18, QLatin1Char('n'))));
    items_->horizontalHeader()->setStretchLastSection(true);
    items_->setMinimumWidth(items_->fontMetrics().horizontalAdvance(QString(44, QLatin1Char('n'))));
}

QPushButton* ScriptBuilder::AddButton(const char* text, const char* tip, void (ScriptBuilder::*action)())
{
    auto* button = new QPushButton(QLatin1String(text), this);
    button->setAutoDefault(false);
    if (tip)
        button->setToolTip(QLatin1String(tip));
    if (action)
        connect(button, &QPushButton::clicked, this, action);
    return button;
}

void ScriptBuilder::BuildWindow()
{
    addTemplate_ = AddButton("&Add template to script",
                             "Copy from highlighted script template onto the end of the current script",
                             &ScriptBuilder::AddTemplate);
    add_ = AddButton("Add", "Add script item", &ScriptBuilder::NewItem);
    copy_ = AddButton("Cop&y", "Copy script item", &ScriptBuilder::CopyItem);
    edit_ = AddButton("&Edit", "Edit script item", &ScriptBuilder::EditItem);
    delete_ = AddButton("&Delete", "Delete script item", &ScriptBuilder::DeleteItem);
    import_ = AddButton("Import", kImportTip, &ScriptBuilder::Import);
    export_ = AddButton("E&xport", kExportTip, &ScriptBuilder::Export);
    clear_ = AddButton("Delete All", "Delete all script items", &ScriptBuilder::Clear);
    up_ = AddButton("Up", "Move record up one", &ScriptBuilder::MoveUp);
    top_ = AddButton("Top", "Move record to the top", &ScriptBuilder::MoveToTop);
    down_ = AddButton("Down", "Move record down one", &ScriptBuilder::MoveDown);
    bottom_ = AddButton("Bottom", "Move record to the bottom", &ScriptBuilder::MoveToBottom);
    editAsText_ = AddButton("Edit as &Text", kTextTip, &ScriptBuilder::EditAsText);

    auto* left = new QVBoxLayout;
    left->addWidget(templates_, 1);
    left->addWidget(addTemplate_);
    // Beside the items: the item buttons, the moves in pairs, the script's.
    auto* side = new QGridLayout;
    int row = 0;
    for (QPushButton* button : {add_, copy_, edit_, delete_})
        side->addWidget(button, row++, 0, 1, 2);
    side->setRowMinimumHeight(row++, 6);
    side->addWidget(top_, row, 0);
    side->addWidget(up_, row++, 1);
    side->addWidget(bottom_, row, 0);
    side->addWidget(down_, row++, 1);
    side->setRowMinimumHeight(row++, 6);
    for (QPushButton* button : {import_, export_, clear_, editAsText_})
        side->addWidget(button, row++, 0, 1, 2);
    side->setRowStretch(row, 1);
    auto* lists = new QHBoxLayout;
    lists->addLayout(left, 2);
    lists->addWidget(items_, 3);
    lists->addLayout(side);
    auto* intro = new QLabel(QLatin1String(kIntroText));
    intro->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(intro);
    layout->addLayout(lists, 1);

    popup_ = new QMenu(this);
    for (QPushButton* button : std::initializer_list<QPushButton*>{addTemplate_, editAsText_, nullptr, import_,
                                                                   export_, nullptr, copy_}) {
        if (!button) {
            popup_->addSeparator();
            continue;
        }
        QAction* action = popup_->addAction(button->text(), button, &QPushButton::click);
        action->setToolTip(button->toolTip());
        connect(popup_, &QMenu::aboutToShow, action, [action, button] { action->setEnabled(button->isEnabled()); });
    }
    popup_->setToolTipsVisible(true);

    connect(templates_, &BrowseList::rowDoubleClicked, addTemplate_, &QPushButton::click);
    connect(templates_, &BrowseList::enterPressed, addTemplate_, &QPushButton::click);
    connect(items_, &BrowseList::rightClicked, this, [this](int, int, const QPoint& at) { popup_->popup(at); });
    connect(items_, &BrowseList::insertPressed, add_, &QPushButton::click);
    connect(items_, &BrowseList::deletePressed, delete_, &QPushButton::click);
    connect(items_, &BrowseList::enterPressed, edit_, &QPushButton::click);
    connect(items_, &BrowseList::rowDoubleClicked, edit_, &QPushButton::click);
    for (BrowseModel* model : {itemModel_.get(), templateModel_.get()}) {
        connect(model, &QAbstractItemModel::modelReset, this, &ScriptBuilder::UpdateButtons);
        connect(model, &QAbstractItemModel::layoutChanged, this, &ScriptBuilder::UpdateButtons);
        connect(model, &QAbstractItemModel::rowsInserted, this, &ScriptBuilder::UpdateButtons);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &ScriptBuilder::UpdateButtons);
    }
    connect(items_->selectionModel(), &QItemSelectionModel::currentChanged, this, &ScriptBuilder::UpdateButtons);
    connect(templates_->selectionModel(), &QItemSelectionModel::currentChanged, this, &ScriptBuilder::UpdateButtons);
}

void ScriptBuilder::UpdateButtons()
{
    const ScriptListButtons enabled =
        EnabledScriptListButtons(scriptingOpened_ ? taskId_ : 0, itemModel_->rowCount(), items_->CurrentRow());
    for (QPushButton* button : {add_, import_, export_})
        button->setEnabled(enabled.add);
    for (QPushButton* button : {copy_, edit_, delete_, clear_})
        button->setEnabled(enabled.onItem);
    up_->setEnabled(enabled.earlier);
    top_->setEnabled(enabled.earlier);
    down_->setEnabled(enabled.later);
    bottom_->setEnabled(enabled.later);
    addTemplate_->setEnabled(enabled.add && templates_->CurrentRow() >= 0);
    editAsText_->setEnabled(enabled.add);
}

ScriptItemSite ScriptBuilder::Site()
{
    return {this, items_, itemModel_.get(), taskId_, form_, [this] { UpdateButtons(); }};
}

void ScriptBuilder::AddTemplate()
{
    ScriptTemplatesRecord chosen;
    if (!addTemplate_->isEnabled() || !templateModel_->Record(templates_->CurrentRow(), chosen))
        return;
    CopyTemplateIntoScript(chosen.WIZ_ID, taskId_, answers_, this);
    templates_->Refresh();
    ShowItem(CurrentSequence());
}

void ScriptBuilder::NewItem()
{
    if (add_->isEnabled())
        NewScriptItem(Site());
}

void ScriptBuilder::CopyItem()
{
    if (copy_->isEnabled())
        CopyScriptItem(Site());
}

void ScriptBuilder::EditItem()
{
    if (edit_->isEnabled())
        EditScriptItem(Site());
}

void ScriptBuilder::DeleteItem()
{
    if (delete_->isEnabled())
        DeleteScriptItem(Site());
}

void ScriptBuilder::Import()
{
    const int32_t remembered = CurrentSequence();
    if (import_->isEnabled() && ImportScript(Tables().Scripting, taskId_))
        ShowItem(remembered);
}

void ScriptBuilder::Export()
{
    if (export_->isEnabled())
        ExportScript(Tables().Scripting, taskId_);
}

void ScriptBuilder::EditAsText()
{
    if (!editAsText_->isEnabled())
        return;
    EditScriptAsText(taskId_, this);
    // Stored or not, the items as they are now.
    items_->Refresh();
}

void ScriptBuilder::Clear()
{
    if (clear_->isEnabled() && ClearScriptItems(Tables().Scripting, taskId_))
        ShowItem(0);
}

void ScriptBuilder::Move(ScriptItemMove move)
{
    const int32_t sequence = CurrentSequence();
    if (sequence == 0)
        return;
    const std::optional<int32_t> moved = MoveScriptItem(Tables().Scripting, taskId_, sequence, move);
    ShowItem(moved.value_or(sequence));
}

} // namespace vl
