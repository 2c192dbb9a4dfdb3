#include "xplore/windows/Xplore.h"

#include "platform/browse/BrowseModel.h"
#include "platform/runtime/IniFile.h"
#include "platform/ui/EventNumbers.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/NumberedEvents.h"
#include "xplore/AttributePrompts.h"
#include "xplore/XploreCommands.h"
#include "xplore/windows/AttributeWindow.h"
#include "xplore/windows/ColumnDelegate.h"
#include "xplore/windows/HeaderStyle.h"
#include "xplore/windows/ListAppearanceIO.h"
#include "xplore/windows/XploreMenu.h"
#include "xplore/windows/XploreProcedures.h"

#include <QApplication>
#include <QFontDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

namespace vl {

namespace {

using namespace XploreCommand;

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

Xplore::Xplore(QObject* parent) : QObject(parent) {}

Xplore::~Xplore() = default;

ViewOrder Xplore::DefineSortOrder(const ColumnOrder& column)
{
    return ViewOrder{{OrderPart{column.field, column.descending, column.noCase}}};
}

void Xplore::SortColumnChanged(const QString&) {}

void Xplore::SetupForBrowse(BrowseList* list, BrowseModel* model, QWidget* window, const Options& options)
{
    list_ = list;
    model_ = model;
    window_ = window;
    options_ = options;
    sort_ = HeaderSort(options.style);
    filters_ = ColumnFilters(options.upper);
    const std::vector<ColumnDefinition> definitions = DefineColumns();
    if (static_cast<int>(definitions.size()) != model->columnCount())
        qFatal("Xplore list %s defines %d columns for a model of %d", qPrintable(options.procedure),
               static_cast<int>(definitions.size()), model->columnCount());
    definedColumns_ = static_cast<int>(definitions.size());
    columns_.Load(definitions);
    designedFormat_ = columns_.DesignedFormatString();
    formats_ = {designedFormat_};
    popup_ = new QMenu(list);
}

void Xplore::Activate()
{
    DefineOrders();
    items_ = BuildPopupItems(options_.features, options_.asciiFile, options_.htmlFile);
    menu_ = std::make_unique<XploreMenu>(*popup_, items_, [this](int command) { HandleListEvent(command); });
    headerMenu_ = new QMenu(list_);
    headerMenu_->addAction(tr("Escape"));
    connect(headerMenu_->addAction(tr("Key Sequence")), &QAction::triggered, this, [this] { KeySequence(false); });
    connect(headerMenu_->addAction(tr("File Sequence")), &QAction::triggered, this, [this] { KeySequence(true); });
    headerStyle_ = new HeaderStyle;
    headerStyle_->setParent(this);
    list_->horizontalHeader()->setStyle(headerStyle_);
    for (int section = 0; section < definedColumns_; ++section) {
        auto* delegate = new ColumnDelegate(this);
        list_->setItemDelegateForColumn(section, delegate);
        delegates_.push_back(delegate);
    }
    ConnectList();
    ShowColumns();
}

void Xplore::DefineOrders()
{
    defaultOrder_ = model_->CurrentOrder();
    defaultViewOrder_ = model_->Order();
    for (const XploreColumn& column : columns_.All()) {
        if (!column.sortable)
            continue;
        const ViewOrder ascending = DefineSortOrder(OrderOfColumn(column, false, options_.upper));
        const ViewOrder descending = DefineSortOrder(OrderOfColumn(column, true, options_.upper));
        const int number = model_->AddOrder(ViewOrderText(ascending), ascending);
        const bool paired = number >= 0 && model_->AddOrder(ViewOrderText(descending), descending) == number + 1;
        columns_.SetSortOrder(column.fieldNumber, paired ? number : 0);
    }
    SelectListOrder();
}

void Xplore::ConnectList()
{
    QHeaderView* header = list_->horizontalHeader();
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    // A column is as narrow as its widest value, however narrow that is.
    header->setMinimumSectionSize(1);
    list_->setShowGrid(false);
    // A double-click on a border fits the column to its rows, not to its header.
    disconnect(header, &QHeaderView::sectionHandleDoubleClicked, list_, nullptr);
    connect(header, &QHeaderView::sectionHandleDoubleClicked, this, &Xplore::FitColumnWidth);
    connect(header, &QHeaderView::sectionResized, this, [this] {
        if (!applying_)
            ReadColumnsFromList();
    });
    connect(list_, &BrowseList::headerClicked, this, [this](int section) { HandleHeaderClick(section); });
    connect(list_, &BrowseList::headerRightClicked, this,
            [this](int, const QPoint& globalPos) { HandleHeaderRightClick(globalPos); });
    connect(list_, &BrowseList::rightClicked, this,
            [this](int, int column, const QPoint& globalPos) { HandleRightClick(column, globalPos); });
    // A reset of the model (new order, filter, refresh) gives the header its
    // default sections again.
    connect(model_, &QAbstractItemModel::modelReset, this, &Xplore::ShowColumns);
    list_->installEventFilter(this);
    window_->installEventFilter(this);
    connect(NumberedEvents::Of(window_), &NumberedEvents::Received, this, [this](int number) {
        if (number == EventNumber::kWindowOpened || number == EventNumber::kBringForward)
            ReadColumnsFromList();
    });
}

bool Xplore::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::AltModifier && AltKey(key->key()))
            return true;
    } else if (watched == window_ && event->type() == QEvent::Show && !opened_) {
        RestoreLayout();
        PostNumberedEvent(window_, EventNumber::kWindowOpened);
    } else if (watched == window_ && event->type() == QEvent::Close) {
        SaveLayout();
    }
    return QObject::eventFilter(watched, event);
}

bool Xplore::AltKey(int key)
{
    switch (key) {
    case Qt::Key_F11:
        FitAllColumnWidths();
        return true;
    case Qt::Key_F12:
        RestoreOriginalFormat();
        return true;
    case Qt::Key_R:
        ToggleColumnSelect();
        return true;
    case Qt::Key_M:
        ShowPopupAtColumn();
        return true;
    default:
        return false;
    }
}

int Xplore::SectionOf(const XploreColumn& column) const
{
    return column.tableOrder - 1;
}

int Xplore::PositionOfSection(int section) const
{
    for (const XploreColumn& column : columns_.Shown()) {
        if (SectionOf(column) == section)
            return column.position;
    }
    return 0;
}

void Xplore::ShowColumns()
{
    if (!list_ || !model_)
        return;
    applying_ = true;
    QHeaderView* header = list_->horizontalHeader();
    const DialogUnits units(list_->font());
    for (int section = 0; section < definedColumns_; ++section)
        header->setSectionHidden(section, PositionOfSection(section) == 0);
    for (const XploreColumn& column : columns_.Shown()) {
        const int section = SectionOf(column);
        header->moveSection(header->visualIndex(section), column.position - 1);
        list_->setColumnWidth(section, units.ToPixelsX(column.width));
        header->setSectionResizeMode(section, column.resizable ? QHeaderView::Interactive : QHeaderView::Fixed);
        model_->setHeaderData(section, Qt::Horizontal, column.header, Qt::DisplayRole);
        headerStyle_->SetSection(section, {ColumnDelegate::Alignment(column.headerJust), column.underline});
        delegates_[section]->SetColumn(column, units);
    }
    header->viewport()->update();
    list_->viewport()->update();
    applying_ = false;
}

void Xplore::ReadColumnsFromList()
{
    if (!list_ || applying_)
        return;
    const DialogUnits units(list_->font());
    for (const XploreColumn& column : columns_.Shown())
        columns_.SetWidth(column.position, units.FromPixelsX(list_->columnWidth(SectionOf(column))));
}

void Xplore::RestoreLayout()
{
    designed_ = ReadAppearance(*list_);
    const IniFile ini(options_.iniFile);
    const RestoredLayout restored = RestoreListLayout(ini, options_.procedure, options_.control, designedFormat_,
                                                      designed_, 1, options_.restorePlace);
    formats_ = restored.formats;
    if (!restored.designChanged) {
        // A saved format string that is not one of this list's keeps the design.
        if (!columns_.ApplyFormatString(formats_.front()))
            formats_.front() = designedFormat_;
        ApplyAppearance(*list_, restored.appearance, designed_, options_.restorePlace);
    }
    sort_.RestoreDirection(restored.descending);
    opened_ = true;
    ShowColumns();
}

void Xplore::SaveLayout()
{
    if (!opened_)
        return;
    ReadColumnsFromList();
    sort_.ClearSortMark(columns_);
    formats_.front() = columns_.BuildFormatString();
    SavedLayout layout;
    layout.formats = formats_;
    layout.designedFormat = designedFormat_;
    layout.appearance = ReadAppearance(*list_);
    if (sort_.ColumnOrderActive()) {
        layout.sortPosition = sort_.SortPosition(columns_);
        if (const XploreColumn* column = columns_.ShownAt(layout.sortPosition))
            layout.descending = column->descending;
    }
    IniFile ini(options_.iniFile);
    if (!SaveListLayout(ini, options_.procedure, options_.control, layout))
        Prompt::Message(tr("The layout of this list could not be saved in %1.").arg(ini.Path()), tr("Save Layout"),
                        PromptIcon::Exclamation);
    sort_.ShowSortMark(columns_);
    ShowColumns();
}

void Xplore::SelectListOrder()
{
    if (sort_.ColumnOrderActive())
        model_->SelectOrder(sort_.OrderNumber(columns_));
    else if (sort_.FileSequence())
        model_->SetOrder(ViewOrder{});
    else if (defaultOrder_ >= 0)
        model_->SelectOrder(defaultOrder_);
    else
        model_->SetOrder(defaultViewOrder_);
}

void Xplore::HandleHeaderClick(int section)
{
    currentColumn_ = PositionOfSection(section);
    const XploreColumn* column = columns_.ShownAt(currentColumn_);
    if (!column)
        return;
    if (column->sortable)
        SortOnColumn(currentColumn_);
    else
        Prompt::Message(NotSortableMessage(*column), QString::fromLatin1(kNotSortableCaption),
                        PromptIcon::Information);
}

void Xplore::SortOnColumn(int position)
{
    const XploreColumn* column = columns_.ShownAt(position);
    if (!column || !column->sortable)
        return;
    ReadColumnsFromList();
    sort_.SortOnColumn(columns_, position);
    SortColumnChanged(column->field);
    SelectListOrder();
    sort_.ShowSortMark(columns_);
    ShowColumns();
}

void Xplore::KeySequence(bool fileSequence)
{
    ReadColumnsFromList();
    sort_.KeySequence(columns_, fileSequence);
    SortColumnChanged(QString());
    SelectListOrder();
    ShowColumns();
}

void Xplore::HandleHeaderRightClick(const QPoint& globalPos)
{
    headerMenu_->popup(globalPos);
}

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

void Xplore::ToggleColumnSelect()
{
    if (list_->selectionBehavior() == QAbstractItemView::SelectItems) {
        list_->setSelectionBehavior(QAbstractItemView::SelectRows);
        if (list_->currentIndex().isValid())
            list_->selectRow(list_->currentIndex().row());
    } else {
        list_->setSelectionBehavior(QAbstractItemView::SelectItems);
        if (list_->currentIndex().isValid())
            list_->setCurrentIndex(list_->currentIndex());
    }
}

void Xplore::HandleListEvent(int command)
{
    switch (command) {
    case kMoveLeft:
    case kMoveRight:
        if (options_.features & 0x2000)
            Move(command == kMoveLeft ? -1 : 1);
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
        ToggleAttribute(command);
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
        Hide();
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

bool Xplore::RunProcedure(int command)
{
    const ProcedureOf* procedure = FindProcedure(command);
    if (!procedure)
        return false;
    ReadColumnsFromList();
    const bool ran = XploreWindowProcedures().Run(QString::fromLatin1(procedure->name), *this,
                                                  QString::fromLatin1(procedure->argument));
    ShowColumns();
    return ran;
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

void Xplore::Hide()
{
    if (columns_.ShownCount() <= 1 || !columns_.ShownAt(currentColumn_))
        return;
    ReadColumnsFromList();
    sort_.ClearSortMark(columns_);
    columns_.Hide(currentColumn_);
    sort_.ShowSortMark(columns_);
    ShowColumns();
}

void Xplore::Move(int step)
{
    ReadColumnsFromList();
    sort_.ClearSortMark(columns_);
    if (columns_.Move(currentColumn_, step))
        currentColumn_ += step;
    else
        QApplication::beep();
    sort_.ShowSortMark(columns_);
    ShowColumns();
}

void Xplore::ToggleAttribute(int command)
{
    if (command == kInclusiveBounds) {
        inclusiveBounds_ = !inclusiveBounds_;
        return;
    }
    if (command == kHScroll || command == kVScroll) {
        const bool horizontal = command == kHScroll;
        const Qt::ScrollBarPolicy policy =
            horizontal ? list_->horizontalScrollBarPolicy() : list_->verticalScrollBarPolicy();
        const Qt::ScrollBarPolicy flipped =
            policy == Qt::ScrollBarAlwaysOff ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
        if (horizontal)
            list_->setHorizontalScrollBarPolicy(flipped);
        else
            list_->setVerticalScrollBarPolicy(flipped);
        return;
    }
    XploreColumn* column = columns_.ShownAt(currentColumn_);
    if (!column)
        return;
    switch (command) {
    case kHeaderLeft:
        column->headerJust = u'L';
        break;
    case kHeaderRight:
        column->headerJust = u'R';
        break;
    case kHeaderCenter:
        column->headerJust = u'C';
        break;
    case kHeaderDecimal:
        column->headerJust = u'D';
        break;
    case kDataLeft:
        column->dataJust = u'L';
        break;
    case kDataRight:
        column->dataJust = u'R';
        break;
    case kDataCenter:
        column->dataJust = u'C';
        break;
    case kDataDecimal:
        column->dataJust = u'D';
        break;
    case kFixed:
        column->fixed = !column->fixed;
        break;
    case kUnderline:
        column->underline = !column->underline;
        break;
    case kBorder:
        column->border = !column->border;
        break;
    case kResize:
        column->resizable = !column->resizable;
        break;
    }
    ShowColumns();
}

void Xplore::OpenAttributeWindow(int command)
{
    const QString code = AttributeCode(command);
    const int position = currentColumn_;
    const auto prompt = AttributePromptFor(code, columns_.ShownAt(position), ReadAppearance(*list_));
    if (!prompt)
        return;
    auto* window = new AttributeWindow(*prompt, window_, [this, code, position, ofColumn = prompt->ofColumn](int value) {
        ListAppearance appearance = ReadAppearance(*list_);
        ApplyAttribute(code, value, columns_.ShownAt(position), appearance);
        if (ofColumn)
            ShowColumns();
        else
            ApplyAppearance(*list_, appearance, designed_, code != u"LHI");
    });
    window->open();
}

void Xplore::OpenHeaderTextWindow()
{
    const int position = currentColumn_;
    const XploreColumn* column = columns_.ShownAt(position);
    if (!column)
        return;
    auto* window =
        new HeaderTextWindow(HeaderTextPrompt(*column), column->header, window_, [this, position](const QString& text) {
            if (XploreColumn* column = columns_.ShownAt(position)) {
                column->header = text.left(kHeaderTextWidth);
                ShowColumns();
            }
        });
    window->open();
}

void Xplore::ChooseFont()
{
    auto* dialog = new QFontDialog(list_->font(), window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFontDialog::fontSelected, this, [this](const QFont& font) {
        list_->setFont(font);
        ShowColumns();
    });
    dialog->open();
}

int Xplore::MeasureColumn(const XploreColumn& column) const
{
    const int section = SectionOf(column);
    const int rows = model_->rowCount();
    if (rows == 0)
        return 0;
    int first = list_->rowAt(0);
    int last = list_->rowAt(list_->viewport()->height() - 1);
    first = first < 0 ? 0 : first;
    last = last < 0 ? rows - 1 : last;
    QFont font = list_->font();
    font.setUnderline(column.underline);
    const QFontMetrics metrics(font);
    int widest = 0;
    for (int row = first; row <= last; ++row)
        widest = std::max(widest, metrics.horizontalAdvance(model_->index(row, section).data().toString()));
    const DialogUnits units(list_->font());
    // Rounded up, so the widest text is never cut.
    return units.FromPixelsX(widest) + (units.ToPixelsX(units.FromPixelsX(widest)) < widest ? 1 : 0);
}

int Xplore::ColumnPadding(const XploreColumn& column) const
{
    int padding = 1;
    if (column.dataJust == u'L' || column.dataJust == u'R')
        padding += column.dataOffset;
    else if (column.dataJust == u'D')
        padding += 1;
    if (column.hasIcon)
        padding += 11;
    return padding;
}

void Xplore::FitColumnWidth(int section)
{
    const int position = PositionOfSection(section);
    if (XploreColumn* column = columns_.ShownAt(position)) {
        columns_.SetWidth(position, MeasureColumn(*column) + ColumnPadding(*column));
        ShowColumns();
    }
}

void Xplore::FitAllColumnWidths()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const XploreColumn& column : columns_.Shown())
        columns_.SetWidth(column.position, MeasureColumn(column) + ColumnPadding(column));
    ShowColumns();
    QApplication::restoreOverrideCursor();
}

void Xplore::RestoreOriginalFormat()
{
    sort_.ClearSortMark(columns_);
    columns_.ApplyFormatString(designedFormat_);
    if (opened_)
        ApplyAppearance(*list_, designed_, designed_, options_.restorePlace);
    sort_.ShowSortMark(columns_);
    ShowColumns();
}

} // namespace vl
