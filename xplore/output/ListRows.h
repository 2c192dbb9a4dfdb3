#pragma once
// The rows of an Xplore list as its output reads them: the texts of the
// columns shown, in display order, of every row of the list's view (in its
// order and filters) or of the rows on screen; the column titles and the
// list's caption; and the progress window shown while a long pass runs.

#include "xplore/ListExport.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <vector>

class QProgressDialog;
class QWidget;

namespace vl {

class Xplore;

// The cells of one row of the list's model.
QStringList RowCells(const Xplore& list, int row);
// Every row of the view in turn; a row that cannot be read fails the pass.
ListRowReader AllRows(const Xplore& list);
// The rows the list shows now, top to bottom.
std::vector<int> RowsOnScreen(const Xplore& list);
// The titles of the columns shown as their headers hold them, without
// trailing blanks (leading ones stay: they place the title).
QStringList ColumnTitles(const Xplore& list);
// The caption of the list's window.
QString ListCaption(const Xplore& list);

// "Progress...": a bar that shows once a pass takes a moment, over the
// list's window, which it keeps from input until it closes.
class ProgressWindow {
public:
    explicit ProgressWindow(QWidget* owner);
    ~ProgressWindow();
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    void Show(int percent);

private:
    QPointer<QProgressDialog> dialog_;
};

} // namespace vl
