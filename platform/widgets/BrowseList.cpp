#include "platform/widgets/BrowseList.h"

#include "platform/data/DataFileName.h"
#include "platform/ui/PromptService.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vl {

namespace {

// A read of the list's model failed: the notice names the data file. The
// model's message is the table's file name ("file\!table"), ": " and the
// error.
void SayReadFailed(const QString& message, const QString& label)
{
    const qsizetype split = message.indexOf(QLatin1String(": "));
    const QString file = ResolveDataFileName(message.left(split), label).path;
    Prompt::Notify(QStringLiteral("The data file %1 cannot be read:|%2")
                       .arg(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()), message.mid(split + 2)),
                   QStringLiteral("Read Error"), PromptIcon::Stop);
}

} // namespace

BrowseList::BrowseList(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWordWrap(false);
    setTabKeyNavigation(false);
    // Rows of one height: the view never measures rows it does not show.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setHighlightSections(false);
    header->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionClicked, this,
            [this](int section) { emit headerClicked(section, headerPress_); });
}

void BrowseList::SetBrowseModel(BrowseModel* model)
{
    if (model_)
        disconnect(model_, nullptr, this, nullptr);
    model_ = model;
    setModel(model);
    if (!model)
        return;
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, &BrowseList::KeepSelection);
    connect(model, &QAbstractItemModel::modelReset, this, &BrowseList::RestoreSelection);
    // Queued: the failure is met while the list paints.
    connect(
        model, &BrowseModel::readFailed, this,
        [label = model->Definition().Label()](const QString& message) { SayReadFailed(message, label); },
        Qt::QueuedConnection);
    RestoreSelection();
}

int BrowseList::CurrentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void BrowseList::SelectRow(int row)
{
    if (!model_ || row < 0 || row >= model_->rowCount())
        return;
    const QModelIndex current = currentIndex();
    const QModelIndex target = model_->index(row, current.isValid() ? current.column() : 0);
    setCurrentIndex(target);
    ownFirstRow_ = false; // chosen, even where it was selected already
    // The record chosen is the one at that row now: read, so that a reset
    // looks for it even when the table changes before the row is shown.
    ViewRow chosen;
    model_->RowValues(row, chosen);
    scrollTo(target);
}

void BrowseList::Refresh()
{
    if (model_)
        model_->Refresh();
}

void BrowseList::KeepSelection()
{
    const int row = CurrentRow();
    // Until the list is first shown, the first row it selected by itself is
    // nobody's choice: the new first row takes its place, and the old one is
    // neither read nor looked for.
    keeping_ = row >= 0 && !(ownFirstRow_ && !shown_) && model_->RowValues(row, kept_);
    keptColumn_ = currentIndex().isValid() ? currentIndex().column() : 0;
}

void BrowseList::RestoreSelection()
{
    if (!model_)
        return;
    const bool keeping = keeping_;
    const int row = keeping ? model_->RowOf(kept_) : 0;
    keeping_ = false;
    if (row < 0 || row >= model_->rowCount() || model_->columnCount() == 0)
        return;
    const QModelIndex target = model_->index(row, std::min(keptColumn_, model_->columnCount() - 1));
    choosingFirstRow_ = !keeping;
    setCurrentIndex(target);
    choosingFirstRow_ = false;
    scrollTo(target, QAbstractItemView::PositionAtCenter);
}

void BrowseList::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    ownFirstRow_ = choosingFirstRow_;
}

void BrowseList::showEvent(QShowEvent* event)
{
    shown_ = true;
    QTableView::showEvent(event);
}

void BrowseList::keyboardSearch(const QString& search)
{
    // Typed text locates a row in the current order; the item view's own
    // search would read every row.
    if (!model_ || search.isEmpty())
        return;
    if (!searchTimer_.isValid() || searchTimer_.elapsed() > QApplication::keyboardInputInterval())
        search_.clear();
    searchTimer_.start();
    search_ += search;
    const int row = model_->Locate(search_);
    if (row >= 0)
        SelectRow(row);
}

void BrowseList::keyPressEvent(QKeyEvent* event)
{
    const int row = CurrentRow();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (row >= 0)
            emit enterPressed(row);
        event->accept();
        return;
    case Qt::Key_Insert:
        emit insertPressed();
        event->accept();
        return;
    case Qt::Key_Delete:
        if (row >= 0)
            emit deletePressed(row);
        event->accept();
        return;
    default:
        QTableView::keyPressEvent(event);
    }
}

QModelIndex BrowseList::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // Home and End go to the first and last row (the table view's own go to
    // the first and last column).
    if (model_ && model_->rowCount() > 0 && (action == MoveHome || action == MoveEnd)) {
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        return model_->index(action == MoveHome ? 0 : model_->rowCount() - 1, column);
    }
    return QTableView::moveCursor(action, modifiers);
}

void BrowseList::mousePressEvent(QMouseEvent* event)
{
    QTableView::mousePressEvent(event);
    if (event->button() == Qt::RightButton) {
        const QPoint pos = event->position().toPoint();
        emit rightClicked(rowAt(pos.y()), columnAt(pos.x()), event->globalPosition().toPoint());
    }
}

void BrowseList::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid())
        emit rowDoubleClicked(index.row());
}

bool BrowseList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pos = mouse->position().toPoint();
        if (mouse->button() == Qt::LeftButton)
            headerPress_ = pos;
        else if (mouse->button() == Qt::RightButton)
            emit headerRightClicked(horizontalHeader()->logicalIndexAt(pos), mouse->globalPosition().toPoint());
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace vl
