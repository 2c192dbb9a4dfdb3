#include "windows/scripting/ScriptList.h"

#include "platform/browse/KeyOrders.h"
#include "core/base/Globals.h"
#include "core/dictionary/Dictionary.h"
#include "platform/data/ViewOrder.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/WindowPosition.h"
#include "scripting/items/DescribeScriptItem.h"
#include "scripting/items/ScriptListRules.h"
#include "scripting/items/TaskScripts.h"
#include "scripting/text/ScriptExchange.h"
#include "windows/scripting/BrowseScripting.h"
#include "windows/scripting/BrowseScriptTemplates.h"
#include "windows/scripting/PrintScript.h"
#include "windows/scripting/ScriptTextWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>
#include <vector>

namespace vl {

namespace {

constexpr char kTemplateTip[] = "Add the items of a script template to the end of this script";
constexpr char kTextTip[] = "Edit the whole script as text, one command a line";
constexpr char kCompletedEmptyText[] =
    "This task has completed, and the script items of a task are removed when it completes. "
    "To keep them, tick \"Save script information on completed tasks\" on the Scripting page of Options.";

} // namespace

ScriptList::ScriptList(ScheduleRecord& task, ScriptListItemForm editor, QWidget* parent)
    : QDialog(parent), task_(task), editor_(std::move(editor))
{
    setObjectName(QLatin1String(kBrowseScriptingProcedure));
    Table<ScriptingRecord>& scripting = Tables().Scripting;
    opened_ = OpenTable(scripting);
    if (task_.ID == 0)
        Prompt::Message(QLatin1String(kNoTaskIdText), QLatin1String(kNoTaskIdCaption), PromptIcon::Stop);
    FillScriptTaskTexts(task_);
    setWindowTitle(ScriptListCaption(task_));

    model_ = std::make_unique<BrowseModel>(scripting);
    const TableDef& def = scripting.Definition();
    BrowseColumn details;
    details.header = QStringLiteral("Details");
    details.compute = [&def](const ViewRow& row) -> FieldValue {
        ScriptingRecord item;
        row.Fill(def, item);
        return ScriptItemDetail(item);
    };
    model_->SetColumns({{QStringLiteral("SCR:Action"), QStringLiteral("Action"), QStringLiteral("@s20")}, details});
    AddKeyOrder(*model_, QStringLiteral("By Sequence"), SCR_KEYID);
    model_->SetRange(ViewRange{{FieldValue(int64_t{task_.ID})}, std::nullopt, std::nullopt});
    BuildWindow();
    if (model_->rowCount() > 0)
        list_->SelectRow(0);
    UpdateButtons();
    KeepWindowPosition(*this, QLatin1String(kBrowseScriptingProcedure));
}

ScriptList::~ScriptList()
{
    // The list goes before the model it shows.
    delete list_;
    if (opened_)
        Tables().Scripting.Close();
}

QPushButton* ScriptList::AddButton(const char* text, const char* tip, void (ScriptList::*action)())
{
    auto* button = new QPushButton(QLatin1String(text), this);
    button->setAutoDefault(false);
    // Room for the whole text in every style, mnemonic aside.
    const QString shown = QString(QLatin1String(text)).remove(QLatin1Char('&'));
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(shown) + 4 * button->fontMetrics().averageCharWidth());
    if (tip)
        button->setToolTip(QLatin1String(tip));
    if (action)
        connect(button, &QPushButton::clicked, this, action);
    return button;
}

void ScriptList::BuildWindow()
{
    list_ = new BrowseList(this);
    list_->SetBrowseModel(model_.get());
    list_->setColumnWidth(0, list_->fontMetrics().horizontalAdvance(QString(20, QLatin1Char('n'))));
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setMinimumWidth(list_->fontMetrics().horizontalAdvance(QString(60, QLatin1Char('n'))));

    new_ = AddButton("&New", nullptr, &ScriptList::NewItem);
    copy_ = AddButton("Cop&y", nullptr, &ScriptList::CopyItem);
    edit_ = AddButton("&Edit", nullptr, &ScriptList::EditItem);
    delete_ = AddButton("&Delete", nullptr, &ScriptList::DeleteItem);
    up_ = AddButton("Up", "Move record up one", &ScriptList::MoveUp);
    top_ = AddButton("Top", "Move record to the top", &ScriptList::MoveToTop);
    down_ = AddButton("Down", "Move record down one", &ScriptList::MoveDown);
    bottom_ = AddButton("Bottom", "Move record to the bottom", &ScriptList::MoveToBottom);
    import_ = AddButton("&Import", "Add the items of a script file to this script", &ScriptList::Import);
    export_ = AddButton("E&xport", "Write this script to a script file", &ScriptList::Export);
    clear_ = AddButton("Clear", nullptr, &ScriptList::Clear);
    print_ = AddButton("&Print", nullptr, &ScriptList::Print);
    template_ = AddButton("&Template", kTemplateTip, &ScriptList::AddTemplate);
    editAsText_ = AddButton("Edit as &Text", kTextTip, &ScriptList::EditAsText);
    QPushButton* close = AddButton("Cl&ose", nullptr, nullptr);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    edit_->setDefault(true);

    // Beside the list, in pairs: the item buttons, the moves, the script
    // buttons, and Close at the foot.
    auto* side = new QGridLayout;
    const std::vector<std::pair<QPushButton*, QPushButton*>> pairs{
        {new_, copy_}, {edit_, delete_}, {nullptr, nullptr}, {top_, up_}, {bottom_, down_}, {nullptr, nullptr},
        {import_, export_}, {template_, editAsText_}, {print_, clear_}};
    for (int row = 0; row < static_cast<int>(pairs.size()); ++row) {
        if (!pairs[row].first) {
            side->setRowMinimumHeight(row, 8);
            continue;
        }
        side->addWidget(pairs[row].first, row, 0);
        side->addWidget(pairs[row].second, row, 1);
    }
    const int foot = static_cast<int>(pairs.size()) + 1;
    side->setRowStretch(foot - 1, 1);
    side->addWidget(close, foot, 1);
    emptyNote_ = new QLabel(QLatin1String(kCompletedEmptyText), this);
    emptyNote_->setWordWrap(true);
    emptyNote_->hide();
    auto* listSide = new QVBoxLayout;
    listSide->addWidget(emptyNote_);
    listSide->addWidget(list_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(listSide, 1);
    layout->addLayout(side);

    popup_ = new QMenu(this);
    for (QPushButton* button : {template_, editAsText_, print_, import_, export_, copy_}) {
        QAction* action = popup_->addAction(button->text(), button, &QPushButton::click);
        action->setToolTip(button->toolTip());
        connect(popup_, &QMenu::aboutToShow, action, [action, button] { action->setEnabled(button->isEnabled()); });
    }
    popup_->setToolTipsVisible(true);

    connect(list_, &BrowseList::rightClicked, this, [this](int, int, const QPoint& at) { ShowPopup(at); });
    connect(list_, &BrowseList::insertPressed, new_, &QPushButton::click);
    connect(list_, &BrowseList::deletePressed, delete_, &QPushButton::click);
    connect(list_, &BrowseList::enterPressed, edit_, &QPushButton::click);
    connect(list_, &BrowseList::rowDoubleClicked, edit_, &QPushButton::click);
    connect(model_.get(), &QAbstractItemModel::modelReset, this, &ScriptList::UpdateButtons);
    connect(model_.get(), &QAbstractItemModel::layoutChanged, this, &ScriptList::UpdateButtons);
    connect(model_.get(), &QAbstractItemModel::rowsInserted, this, &ScriptList::UpdateButtons);
    connect(model_.get(), &QAbstractItemModel::rowsRemoved, this, &ScriptList::UpdateButtons);
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, &ScriptList::UpdateButtons);
    resize(760, 420);
}

void ScriptList::UpdateButtons()
{
    const ScriptListButtons enabled = EnabledScriptListButtons(task_.ID, model_->rowCount(), list_->CurrentRow());
    new_->setEnabled(enabled.add);
    for (QPushButton* button : {copy_, edit_, delete_, clear_, print_})
        button->setEnabled(enabled.onItem);
    up_->setEnabled(enabled.earlier);
    top_->setEnabled(enabled.earlier);
    down_->setEnabled(enabled.later);
    bottom_->setEnabled(enabled.later);
    template_->setEnabled(enabled.add);
    import_->setEnabled(enabled.add);
    export_->setEnabled(enabled.add);
    editAsText_->setEnabled(enabled.add);
    emptyNote_->setVisible(task_.Completed != 0 && SaveScripts == 0 && model_->rowCount() == 0);
}

void ScriptList::ShowPopup(const QPoint& globalPos)
{
    popup_->popup(globalPos);
}

ScriptItemSite ScriptList::Site()
{
    return {this, list_, model_.get(), task_.ID, editor_, [this] { UpdateButtons(); }};
}

void ScriptList::NewItem()
{
    if (new_->isEnabled())
        NewScriptItem(Site());
}

void ScriptList::CopyItem()
{
    if (copy_->isEnabled())
        CopyScriptItem(Site());
}

void ScriptList::EditItem()
{
    if (edit_->isEnabled())
        EditScriptItem(Site());
}

void ScriptList::DeleteItem()
{
    if (delete_->isEnabled())
        DeleteScriptItem(Site());
}

void ScriptList::Move(ScriptItemMove move)
{
    const int32_t sequence = CurrentSequence();
    if (sequence == 0)
        return;
    const std::optional<int32_t> moved = MoveScriptItem(Tables().Scripting, task_.ID, sequence, move);
    ShowItem(moved.value_or(sequence));
}

void ScriptList::Print()
{
    if (print_->isEnabled())
        PrintCurrentScript(task_, this);
}

void ScriptList::Import()
{
    if (!import_->isEnabled())
        return;
    const int32_t remembered = CurrentSequence();
    if (ImportScript(Tables().Scripting, task_.ID))
        ShowItem(remembered);
}

void ScriptList::Export()
{
    if (export_->isEnabled())
        ExportScript(Tables().Scripting, task_.ID);
}

void ScriptList::AddTemplate()
{
    if (!template_->isEnabled())
        return;
    if (const std::optional<int32_t> chosen = SelectScriptTemplate(this))
        CopyTemplateIntoScript(*chosen, task_.ID, answers_, this);
    list_->Refresh();
    UpdateButtons();
}

void ScriptList::EditAsText()
{
    if (!editAsText_->isEnabled())
        return;
    const int32_t remembered = CurrentSequence();
    EditScriptAsText(task_.ID, this);
    ShowItem(remembered);
}

void ScriptList::Clear()
{
    if (!clear_->isEnabled())
        return;
    ClearScriptItems(Tables().Scripting, task_.ID);
    list_->Refresh();
    UpdateButtons();
}

} // namespace vl
