#include "xplore/windows/Xplore.h"

#include "platform/browse/BrowseModel.h"
#include "platform/ui/EventNumbers.h"
#include "platform/widgets/NumberedEvents.h"
#include "xplore/ColumnTitles.h"
#include "xplore/windows/ColumnDelegate.h"
#include "xplore/windows/HeaderDrag.h"
#include "xplore/windows/HeaderStyle.h"
#include "xplore/windows/ListAppearanceIO.h"
#include "xplore/windows/XploreMenu.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

namespace vl {

Xplore::Xplore(QObject* parent) : QObject(parent) {}

Xplore::~Xplore() = default;

QString Xplore::TitleOf(const XploreColumn& column) const
{
    return ColumnTitle(column, sort_.UnmarkedHeader(column));
}

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
    popup_->setToolTipsVisible(true);
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
    // The header and the list keep the style and the delegates: they live as
    // long as the list does.
    headerStyle_ = new HeaderStyle;
    headerStyle_->setParent(list_->horizontalHeader());
    list_->horizontalHeader()->setStyle(headerStyle_);
    for (int section = 0; section < definedColumns_; ++section) {
        auto* delegate = new ColumnDelegate(list_);
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
    drag_ = new HeaderDrag(header, [this](int section, int step) {
        if (options_.features & kMovableColumns) {
            currentColumn_ = PositionOfSection(section);
            MoveColumn(step);
        }
    });
    connect(list_, &BrowseList::headerClicked, this, [this](int section) {
        if (!drag_->EndedDrag())
            HandleHeaderClick(section);
    });
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
    } else if (watched == list_ && event->type() == QEvent::FontChange) {
        // Widths are dialog units of the list's font: they grow and shrink with it.
        ShowColumns();
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

} // namespace vl
