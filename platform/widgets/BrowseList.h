#pragma once
// The list control of every browse list: a table view over a BrowseModel
// that turns the list events the lists act on into signals and keeps the
// selected record across every reset of the model (a new order, filter or
// refresh); until the list is first shown, the first row it selected by
// itself is not looked for again (nobody has seen it): a reset selects the
// new first row without reading the old one. Home, End, PgUp and PgDn move through the model's rows without
// loading the table; typing a text locates it in the current order. Header
// sections are resizable and movable (QTableView::setColumnWidth sets a
// width), and the list scrolls sideways.

#include "platform/browse/BrowseModel.h"

#include <QElapsedTimer>
#include <QTableView>

namespace vl {

class BrowseList : public QTableView {
    Q_OBJECT

public:
    explicit BrowseList(QWidget* parent = nullptr);

    // The model shown; the list does not own it.
    void SetBrowseModel(BrowseModel* model);
    BrowseModel* Model() const { return model_; }

    // The selected row, -1 when none.
    int CurrentRow() const;
    void SelectRow(int row);
    // Reads the view again, keeping the selected record (or its neighbour).
    void Refresh();

    void keyboardSearch(const QString& search) override;

signals:
    void rowDoubleClicked(int row);
    void enterPressed(int row);
    void insertPressed();
    void deletePressed(int row);
    // A right press: the row (-1 below the last row) and the model column
    // under the mouse (-1 outside every column), and the global position.
    void rightClicked(int row, int column, const QPoint& globalPos);
    // A header section: clicked (left button; the position in the header) or
    // right-clicked (global position); section is the model column.
    void headerClicked(int section, const QPoint& pos);
    void headerRightClicked(int section, const QPoint& globalPos);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void KeepSelection();
    void RestoreSelection();

    BrowseModel* model_ = nullptr;
    ViewRow kept_;
    bool keeping_ = false;
    int keptColumn_ = 0;
    bool choosingFirstRow_ = false; // RestoreSelection selects the first row by itself
    bool ownFirstRow_ = false;      // the selected row is that row
    bool shown_ = false;
    QPoint headerPress_; // where the last left press on the header was
    QString search_;
    QElapsedTimer searchTimer_;
};

} // namespace vl
