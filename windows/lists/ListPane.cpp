#include "windows/lists/ListPane.h"

#include "core/dictionary/ListTableOpen.h"
#include "platform/data/TableFile.h"
#include "platform/widgets/TableChangeWatch.h"
#include "platform/widgets/WindowPosition.h"
#include "xplore/windows/ListAppearanceIO.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace vl {

HeldTable::HeldTable(TableFile& file, const TableOpener& open) : file_(file)
{
    if (open) {
        opened_ = open(file_);
        held_ = opened_;
        return;
    }
    OpenListTable(file_);
    opened_ = file_.IsOpen();
}

HeldTable::~HeldTable()
{
    if (held_)
        file_.Close();
}

ListPane::ListPane(QWidget& window, TableFile& table, const TableOpener& open)
    : window_(window), held_(table, open), model_(std::make_unique<BrowseModel>(table)),
      list_(std::make_unique<BrowseList>(&window))
{
    list_->SetBrowseModel(model_.get());
}

ListPane::~ListPane() = default;

const BrowseButtons& ListPane::AddButtons(QBoxLayout& row, const ListButtonTexts& texts,
                                          ViewCopyBrowse::AskForm askForm)
{
    buttons_ = MakeListButtons(&window_, texts, row);
    if (!askForm)
        return buttons_;
    if (buttons_.change)
        buttons_.change->setDefault(true);
    return UseButtons(buttons_, std::move(askForm));
}

const BrowseButtons& ListPane::UseButtons(const BrowseButtons& buttons, ViewCopyBrowse::AskForm askForm)
{
    buttons_ = buttons;
    viewCopy_ = new ViewCopyBrowse(list_.get(), buttons_, std::move(askForm));
    return buttons_;
}

void ListPane::Enhance(std::unique_ptr<Xplore> xplore, const Xplore::Options& options,
                       const std::function<void(QMenu&)>& addItems, bool buttonItems)
{
    xplore_ = std::move(xplore);
    xplore_->SetupForBrowse(list_.get(), model_.get(), &window_, options);
    if (viewCopy_ && buttonItems)
        viewCopy_->AddPopupItems(*xplore_->Popup());
    if (addItems)
        addItems(*xplore_->Popup());
    xplore_->Activate();
}

QSize ListPane::WideEnoughForColumns(QSize size) const
{
    if (!xplore_)
        return size;
    const DialogUnits units(list_->font());
    int columns = 0;
    for (const XploreColumn& column : xplore_->Columns().Shown())
        columns += units.ToPixelsX(column.width);
    const QMargins margins = window_.layout() ? window_.layout()->contentsMargins() : QMargins();
    const int needed = columns + 2 * list_->frameWidth()
        + list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_.get()) + margins.left()
        + margins.right();
    return {std::max(size.width(), needed), size.height()};
}

TableChangeWatch* ListPane::WatchTable()
{
    return new TableChangeWatch(held_.File(), *list_, window_);
}

void SetUpListWindow(QWidget& window, const char* procedure, const QString& title)
{
    window.setWindowTitle(title);
    window.setObjectName(QLatin1String(procedure));
    window.setAttribute(Qt::WA_DeleteOnClose, !qobject_cast<QDialog*>(&window));
}

void KeepListWindowPlace(QWidget& window, const char* procedure, QSize size)
{
    window.resize(size);
    KeepWindowPosition(window, QLatin1String(procedure));
}

QPushButton* AddCloseButton(QWidget& window, QBoxLayout& row)
{
    QPushButton* close = AddListButton(&window, "Cl&ose", row);
    QObject::connect(close, &QPushButton::clicked, &window, &QWidget::close);
    return close;
}

} // namespace vl
