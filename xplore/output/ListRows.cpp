#include "xplore/output/ListRows.h"

#include "platform/browse/BrowseModel.h"
#include "platform/runtime/FixedText.h"
#include "xplore/windows/Xplore.h"

#include <QProgressDialog>

namespace vl {

namespace {

// The model column of a column: the list's model holds one column per
// column definition, in table order.
int SectionOf(const XploreColumn& column)
{
    return column.tableOrder - 1;
}

} // namespace

QStringList RowCells(const Xplore& list, int row)
{
    QStringList cells;
    for (const XploreColumn& column : list.Columns().Shown())
        cells << list.Model()->index(row, SectionOf(column)).data().toString();
    return cells;
}

ListRowReader AllRows(const Xplore& list)
{
    // The progress window lets events through: the list may close meanwhile.
    return [source = QPointer<const Xplore>(&list), row = 0](QStringList& cells, QString& error) mutable {
        if (!source) {
            error = QStringLiteral("The list was closed.");
            return RowRead::Failed;
        }
        BrowseModel* model = source->Model();
        if (row >= model->rowCount())
            return RowRead::End;
        ViewRow values;
        if (!model->RowValues(row, values)) {
            error = model->Error().isEmpty() ? QStringLiteral("The list's rows could not be read.") : model->Error();
            return RowRead::Failed;
        }
        cells = RowCells(*source, row++);
        return RowRead::Row;
    };
}

std::vector<int> RowsOnScreen(const Xplore& list)
{
    const BrowseList* view = list.List();
    const int rows = list.Model()->rowCount();
    std::vector<int> shown;
    if (rows == 0)
        return shown;
    const int first = std::max(view->rowAt(0), 0);
    int last = view->rowAt(view->viewport()->height() - 1);
    last = last < 0 ? rows - 1 : last;
    for (int row = first; row <= last; ++row)
        shown.push_back(row);
    return shown;
}

QStringList ColumnTitles(const Xplore& list)
{
    QStringList titles;
    for (const XploreColumn& column : list.Columns().Shown())
        titles << Clip(column.header);
    return titles;
}

QString ListCaption(const Xplore& list)
{
    return list.List()->window()->windowTitle().trimmed();
}

ProgressWindow::ProgressWindow(QWidget* owner) : dialog_(new QProgressDialog(owner))
{
    dialog_->setWindowTitle(QObject::tr("Progress..."));
    dialog_->setCancelButton(nullptr);
    dialog_->setRange(0, 100);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(500);
    dialog_->setAutoClose(false);
    dialog_->setValue(0);
}

ProgressWindow::~ProgressWindow()
{
    delete dialog_.data();
}

void ProgressWindow::Show(int percent)
{
    if (dialog_ && dialog_->value() != percent)
        dialog_->setValue(percent);
}

} // namespace vl
