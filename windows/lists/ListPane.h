#pragma once
// One list of a list window, built in steps every list window takes: the
// table held open for the window's life (HeldTable), the model over it,
// the list, its row of buttons with View and Copy, the list enhancement, and
// the watch that reads the list again when the table changes. Its parts end
// in the one right order whatever the window holds besides: the enhancement
// and the list before the model they show, the model before the table
// closes.
//
//   ListPane pane{*this, Tables().Holidays};
//   pane.Model().SetColumns(BrowseColumnsOf(kColumns));
//   AddKeyOrder(pane.Model(), "By Date", HOL_KEYHOLIDAYDATE);
//   pane.AddButtons(row, {"&New", "&View", "Cop&y", "&Edit", "&Delete"}, openForm);
//   pane.Enhance(std::make_unique<ColumnTableXplore>(kColumns, this), {kProcedure, "?Browse:1"});

#include "platform/browse/KeyOrders.h"
#include "platform/viewcopy/ViewCopyBrowse.h"
#include "platform/widgets/BrowseList.h"
#include "windows/lists/ListButtons.h"
#include "xplore/windows/Xplore.h"

#include <functional>
#include <memory>

class QBoxLayout;
class QMenu;

namespace vl {

class TableChangeWatch;
class TableFile;

// Opens a list's table; true when it opened.
using TableOpener = std::function<bool(TableFile& file)>;

// A table held open for a window's life, closed when it ends. Without an
// opener one that does not open at once opens on first use (OpenListTable).
class HeldTable {
public:
    explicit HeldTable(TableFile& file, const TableOpener& open = {});
    ~HeldTable();
    HeldTable(const HeldTable&) = delete;
    HeldTable& operator=(const HeldTable&) = delete;

    TableFile& File() const { return file_; }
    // Whether it opened at once (else it opens on first use).
    bool Opened() const { return opened_; }

private:
    TableFile& file_;
    bool opened_ = false;
    bool held_ = true; // opened or marked for use: closed at the end
};

class ListPane {
public:
    // The list is a child of window; open opens the table (HeldTable).
    ListPane(QWidget& window, TableFile& table, const TableOpener& open = {});
    ~ListPane();
    ListPane(const ListPane&) = delete;
    ListPane& operator=(const ListPane&) = delete;

    QWidget& Window() const { return window_; }
    BrowseModel& Model() const { return *model_; }
    BrowseList* List() const { return list_.get(); }
    Xplore* Enhancement() const { return xplore_.get(); }
    // Null until buttons are given a form to ask.
    ViewCopyBrowse* ViewCopy() const { return viewCopy_; }
    const BrowseButtons& Buttons() const { return buttons_; }

    // Makes the buttons into the row. With a form to ask, the change button
    // becomes the window's default and the buttons get View and Copy.
    const BrowseButtons& AddButtons(QBoxLayout& row, const ListButtonTexts& texts,
                                    ViewCopyBrowse::AskForm askForm = {});
    // View and Copy for buttons made otherwise; the default is left as it is.
    const BrowseButtons& UseButtons(const BrowseButtons& buttons, ViewCopyBrowse::AskForm askForm);

    // Takes the enhancement: set up on the list, with the buttons' popup
    // items (when there are buttons and buttonItems), then what addItems
    // adds, then active.
    void Enhance(std::unique_ptr<Xplore> xplore, const Xplore::Options& options,
                 const std::function<void(QMenu&)>& addItems = {}, bool buttonItems = true);

    // The size, widened where the window needs more room to show the list's
    // columns whole as designed (dialog units of the list's font, which the
    // window's size in pixels does not follow), a full list's vertical
    // scroll bar beside them. Call once the window has its layout.
    QSize WideEnoughForColumns(QSize size) const;

    // Reads the list again whenever the table changes.
    TableChangeWatch* WatchTable();
    bool TableOpened() const { return held_.Opened(); }

private:
    QWidget& window_;
    HeldTable held_; // declared first, so it ends last

    std::unique_ptr<BrowseModel> model_;
    std::unique_ptr<BrowseList> list_;
    std::unique_ptr<Xplore> xplore_;
    BrowseButtons buttons_;
    ViewCopyBrowse* viewCopy_ = nullptr; // the list's child
};

// A list window's own set-up: title, object name (its procedure) and, but
// for a dialog its caller ends, delete on close.
void SetUpListWindow(QWidget& window, const char* procedure, const QString& title);
// Its last: the size it opens with, then the position it was last left at.
void KeepListWindowPlace(QWidget& window, const char* procedure, QSize size);
// "Cl&ose", added to the row.
QPushButton* AddCloseButton(QWidget& window, QBoxLayout& row);

} // namespace vl
