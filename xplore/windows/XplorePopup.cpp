// Xplore: the popup menu, its commands, and the filters from the current cell.
#include "xplore/windows/Xplore.h"

#include "platform/browse/BrowseModel.h"
#include "platform/ui/PromptService.h"
#include "xplore/XploreCommands.h"
#include "xplore/windows/XploreMenu.h"
#include "xplore/windows/XploreProcedures.h"

#include <QHeaderView>
#include <QMenu>

namespace vl {

namespace {

using namespace XploreCommand;

// The named filter the list's view keeps Xplore's conditions under.
const QString kFilterName = QStringLiteral("Xplore");

// The procedure a command opens, and its argument.
struct ProcedureOf {
    int command;
    const char* name;
    const char* argument;
};
constexpr ProcedureOf kProcedures[] = {
    {kGraph, XploreProcedure::kGraphWindow, ""},
    {kPrintAll, XploreProcedure::kPrintList, "View"},
    {kPrintPage, XploreProcedure::kPrintList, "Page"},
    {kExportAscii, XploreProcedure::kExportAscii, ""},
    {kExportHtml, XploreProcedure::kExportHtml, ""},
    {kProperties, XploreProcedure::kFormatListboxWindow, ""},
    {kColours, XploreProcedure::kColumnColorsWindow, ""},
};

const ProcedureOf* FindProcedure(int command)
{
    for (const ProcedureOf& procedure : kProcedures) {
        if (procedure.command == command)
            return &procedure;
    }
    return nullptr;
}

} // namespace

void Xplore::HandleRightClick(int column, const QPoint& globalPos)
{
    // Outside every column no column's items are prepared.
    currentColumn_ = column >= 0 ? PositionOfSection(column) : 0;
    PrepareItems();
    popup_->popup(globalPos);
}

void Xplore::PrepareItems()
{
    PopupContext context;
    context.column = columns_.ShownAt(currentColumn_);
    const int row = list_->CurrentRow();
    context.rowSelected = row >= 0;
    if (context.column && row >= 0)
        context.cell = model_->index(row, SectionOf(*context.column)).data().toString();
    context.shownColumns = columns_.ShownCount();
    context.inclusiveBounds = inclusiveBounds_;
    context.graph = options_.graph;
    context.printAll = options_.printAll;
    context.printPage = options_.printPage;
    context.hScroll = list_->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    context.vScroll = list_->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    context.available = [](int command) {
        const ProcedureOf* procedure = FindProcedure(command);
        return !procedure || XploreWindowProcedures().Has(QString::fromLatin1(procedure->name));
    };
    vl::PrepareItems(items_, context);
    menu_->Update(items_);
    // Say why a window that is not part of this program yet cannot open.
    for (const ProcedureOf& procedure : kProcedures) {
        QAction* action = menu_->ActionFor(procedure.command);
        if (action && !XploreWindowProcedures().Has(QString::fromLatin1(procedure.name))) {
            action->setToolTip(tr("Not available in this version of the program."));
            action->setStatusTip(action->toolTip());
        }
    }
}

void Xplore::ShowPopupAtColumn()
{
    if (list_->selectionBehavior() != QAbstractItemView::SelectItems || !list_->currentIndex().isValid())
        return;
    const int section = list_->currentIndex().column();
    currentColumn_ = PositionOfSection(section);
    if (currentColumn_ == 0)
        return;
    QHeaderView* header = list_->horizontalHeader();
    const int middle = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
    const QPoint at(list_->viewport()->mapToGlobal(QPoint(middle, 0)).x(),
                    list_->mapToGlobal(QPoint(0, list_->height())).y());
    PrepareItems();
    popup_->popup(at);
}

void Xplore::HandleListEvent(int command)
{
    switch (command) {
    case kMoveLeft:
    case kMoveRight:
        if (options_.features & kMovableColumns)
            MoveColumn(command == kMoveLeft ? -1 : 1);
        break;
    case kDefault:
        RestoreOriginalFormat();
        break;
    case kHeaderLeft:
    case kHeaderRight:
    case kHeaderCenter:
    case kHeaderDecimal:
    case kDataLeft:
    case kDataRight:
    case kDataCenter:
    case kDataDecimal:
    case kFixed:
    case kUnderline:
    case kBorder:
    case kResize:
    case kHScroll:
    case kVScroll:
    case kInclusiveBounds:
        ToggleColumnAttribute(command);
        break;
    case kWidth:
    case kHeaderOffset:
    case kDataOffset:
    case kListX:
    case kListY:
    case kListWidth:
    case kListHeight:
    case kLineHeight:
        OpenAttributeWindow(command);
        break;
    case kHeaderText:
        OpenHeaderTextWindow();
        break;
    case kFont:
        ChooseFont();
        break;
    case kHide:
        HideColumn();
        break;
    case kAdjustAll:
        FitAllColumnWidths();
        break;
    case kSortOn:
        SortOnColumn(currentColumn_);
        break;
    case kFilterEqual:
    case kFilterBelow:
    case kFilterAbove:
    case kFilterDifferent:
    case kVoidFilter:
        Filter(command);
        break;
    default:
        RunProcedure(command);
        break;
    }
}

void Xplore::RunProcedure(int command)
{
    const ProcedureOf* procedure = FindProcedure(command);
    if (!procedure)
        return;
    ReadColumnsFromList();
    XploreWindowProcedures().Run(QString::fromLatin1(procedure->name), *this, QString::fromLatin1(procedure->argument));
    ShowColumns();
}

void Xplore::Filter(int command)
{
    const ColumnFilters previous = filters_;
    if (command == kVoidFilter) {
        filters_.Clear();
        InstallFilter(previous);
        return;
    }
    const XploreColumn* column = columns_.ShownAt(currentColumn_);
    const int row = list_->CurrentRow();
    const int field = column ? model_->Definition().FieldIndex(column->field) : -1;
    ViewRow values;
    if (!column || !column->viewField || row < 0 || field < 0 || !model_->RowValues(row, values))
        return;
    const FieldValue& value = values.values.at(field);
    switch (command) {
    case kFilterEqual:
        filters_.SetEqual(column->field, value, false);
        break;
    case kFilterDifferent:
        filters_.SetEqual(column->field, value, true);
        break;
    case kFilterBelow:
        filters_.SetUpperBound(column->field, value, inclusiveBounds_);
        break;
    case kFilterAbove:
        filters_.SetLowerBound(column->field, value, inclusiveBounds_);
        break;
    }
    InstallFilter(previous);
}

void Xplore::InstallFilter(const ColumnFilters& previous)
{
    if (filters_.IsEmpty()) {
        model_->RemoveFilter(kFilterName);
        return;
    }
    if (!model_->SetFilter(kFilterName, filters_.ToFilter())) {
        filters_ = previous;
        Prompt::Message(tr("The list cannot be filtered on this value.|%1").arg(model_->Error()), tr("Filter"),
                        PromptIcon::Exclamation);
    }
}

} // namespace vl
