#pragma once
// The Xplore list class: attached to a browse list, it gives the list
// header-click sorting with a sort mark, the header menu of key and record
// order, column fitting (a double-click on a header border, Alt+F11), the
// designed layout (Alt+F12), per-column filters from the current cell, and
// the list's layout saved in the position INI file when its window closes
// and restored when it opens.
//
// A list derives its own class and supplies its columns; the columns it
// defines are the columns of its model, in the same order:
//
//   class HolidaysXplore : public Xplore {
//       std::vector<ColumnDefinition> DefineColumns() override { return {...}; }
//   };
//   xplore.SetupForBrowse(list, model, window, {"BrowseHolidays", "?Browse:1", SortMarkStyle::Underline});
//   xplore.Activate();
//
// From then on Xplore takes the list's header clicks, its right button and
// the keys Alt+F11, Alt+F12, Alt+R (select single cells, or rows again) and
// Alt+M (the popup under the selected column).

#include "platform/data/ViewOrder.h"
#include "platform/widgets/BrowseList.h"
#include "platform/widgets/WindowPosition.h"
#include "xplore/ColumnFilters.h"
#include "xplore/ColumnTable.h"
#include "xplore/HeaderSort.h"
#include "xplore/ListLayout.h"
#include "xplore/PopupItems.h"
#include "xplore/windows/HeaderStyle.h"

#include <QObject>
#include <QPointer>

#include <functional>

#include <memory>
#include <vector>

class QMenu;

namespace vl {

class ColumnDelegate;
class HeaderDrag;
class XploreMenu;

class Xplore : public QObject {
    Q_OBJECT

public:
    struct Options {
        QString procedure;        // the section of the layout: the list's procedure name
        QString control;          // the list's name in the layout keys ("?Browse:1", "?List")
        SortMarkStyle style = SortMarkStyle::Underline;
        QString iniFile = QString::fromLatin1(kPositionIniFile);
        quint32 features = kStandardFeatures; // the popup's feature mask
        bool upper = true;        // text sorts and filters without regard to case
        bool graph = true;        // "Graph on", "Print All", "Print Page" allowed
        bool printAll = true;
        bool printPage = true;
        bool restorePlace = false; // the list's position and size are part of its layout
        QString asciiFile = QStringLiteral("XPort.CSV");
        QString htmlFile = QStringLiteral("XPort.HTM");
    };

    explicit Xplore(QObject* parent = nullptr);
    ~Xplore() override;

    // Window set-up, before the window opens: takes the column table
    // through DefineColumns. The list's model must hold one column per
    // column definition, in the same order.
    void SetupForBrowse(BrowseList* list, BrowseModel* model, QWidget* window, const Options& options);
    // Defines an ascending and a descending order for every sortable
    // column, adds the popup items and takes over the list's header, right
    // button and keys. The list adds its own popup items to Popup() before.
    void Activate();

    // The list's popup menu: the list's own items, then Xplore's.
    QMenu* Popup() const { return popup_; }
    BrowseList* List() const { return list_; }
    BrowseModel* Model() const { return model_; }
    const ColumnTable& Columns() const { return columns_; }
    const Options& Settings() const { return options_; }
    // How the header shows a model column: its justification and underline.
    const HeaderStyle* HeaderLook() const { return headerStyle_; }
    // The drag of a column header.
    const HeaderDrag* Drag() const { return drag_; }
    // The display position of the column the last mouse action or command
    // refers to, 0 for none.
    int CurrentColumn() const { return currentColumn_; }
    // The column's name as the user sees it: its header without the sort
    // mark, or its description when the header is blank.
    QString TitleOf(const XploreColumn& column) const;
    // The filters built from cells that are in force.
    const ColumnFilters& CellFilters() const { return filters_; }

    // Changes the columns, as the property and colour windows do: the
    // change runs on the column table without the sort mark, then the list
    // shows the result with the mark on the sort column's field.
    void ChangeColumns(const std::function<void(ColumnTable&)>& change);

    // The operations the mouse, the keys and the popup run.
    void HandleHeaderClick(int section);
    void HandleHeaderRightClick(const QPoint& globalPos);
    void HandleRightClick(int column, const QPoint& globalPos);
    void FitColumnWidth(int section);
    void FitAllColumnWidths();
    void RestoreOriginalFormat();
    void ToggleColumnSelect();
    void ShowPopupAtColumn();
    void HandleListEvent(int command);
    void SortOnColumn(int position);
    // Back to the list's first key order, or to record order.
    void KeySequence(bool fileSequence);
    // The list's key order becomes the model's order of that number (a tab
    // of the list with an order of its own): a column sort ends, its mark
    // goes, and the list shows that order.
    void UseKeyOrder(int number);
    // The same for a list whose tabs leave a column sort alone: the order of
    // that number shows now when no column sort is in force, else once the
    // column sort ends.
    void SetTabOrder(int number);
    // Registers the header-click orders again from DefineSortOrder, for a
    // list whose column orders follow the order of its selected tab.
    void RebuildColumnOrders();

    // Layout: restored when the window first shows, saved when it closes.
    void RestoreLayout();
    void SaveLayout();
    // Takes the widths the user gave the columns into the column table.
    void ReadColumnsFromList();
    // Shows the column table in the list: the columns, their order, widths,
    // headers and attributes.
    void ShowColumns();

protected:
    // The list's columns, in the order of its model's columns.
    virtual std::vector<ColumnDefinition> DefineColumns() = 0;
    // The order of a sortable column as the list registers it: the column's
    // own order after the fields of the list's range (a list of the tasks of
    // one category puts the category first). By default the column alone.
    virtual ViewOrder DefineSortOrder(const ColumnOrder& column);
    // The sort column changed (its field); an empty field for key or record order.
    virtual void SortColumnChanged(const QString& field);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DefineOrders();
    void ConnectList();
    void SelectListOrder();
    void PrepareItems();
    void Filter(int command);
    void InstallFilter(const ColumnFilters& previous);
    void HideColumn();
    void MoveColumn(int step);
    void ToggleColumnAttribute(int command);
    void OpenAttributeWindow(int command);
    void OpenHeaderTextWindow();
    void ChooseFont();
    // Opens the window a command names when its procedure is registered.
    void RunProcedure(int command);
    bool AltKey(int key);
    // The display position of a model column, 0 when it is not shown.
    int PositionOfSection(int section) const;
    int SectionOf(const XploreColumn& column) const;
    // The widest text of the column among the rows in view, in dialog units.
    int MeasureColumn(const XploreColumn& column) const;

    QPointer<BrowseList> list_;
    BrowseModel* model_ = nullptr;
    QPointer<QWidget> window_;
    Options options_;
    ColumnTable columns_;
    int definedColumns_ = 0;
    HeaderSort sort_{SortMarkStyle::Underline};
    ColumnFilters filters_;
    bool inclusiveBounds_ = false;
    int currentColumn_ = 0;
    std::vector<PopupItem> items_;
    QMenu* popup_ = nullptr;
    QMenu* headerMenu_ = nullptr;
    std::unique_ptr<XploreMenu> menu_;
    std::vector<ColumnDelegate*> delegates_;
    QPointer<HeaderStyle> headerStyle_;
    HeaderDrag* drag_ = nullptr;
    int defaultOrder_ = -1;
    ViewOrder defaultViewOrder_;
    ListAppearance designed_;
    std::vector<QString> formats_;
    QString designedFormat_;
    bool opened_ = false;
    bool applying_ = false;
};

} // namespace vl
