#pragma once
// The buttons of a browse list and what the keys and the popup do with
// them, with two buttons beyond the usual: View opens the list's form
// read-only on the selected record, Copy opens it to insert a new record
// primed from the selected one.
//
//   auto* buttons = new ViewCopyBrowse(list, {insert, change, remove, nullptr, view, copy},
//                                      [this](FormRequest request, bool copy) { OpenForm(request, copy); });
//
// - Change, Delete, Select, View and Copy are enabled while the list has
//   rows, disabled while it is empty; Insert always.
// - Insert and Delete keys press Insert and Delete.
// - Enter and a double click press the first of Select (in select mode
//   only), View and Change that is the window's default button; with none
//   of them the default, Select in select mode, else Change.
// - Shift+Enter presses View (kViewKey; the popup item names it).
// - The popup carries "&Insert", "&Change", "&Delete", "&View" and "Cop&y"
//   for the buttons the list has, enabled as the buttons are, and then a
//   separator before the items that follow.
// A button that is absent (null) is left out of all of this. Pressing a
// button the list has but that is disabled does nothing.

#include "platform/ui/FormRequest.h"

#include <QKeySequence>
#include <QObject>

#include <functional>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QPushButton;

namespace vl {

class BrowseList;

struct BrowseButtons {
    QPushButton* insert = nullptr;
    QPushButton* change = nullptr;
    QPushButton* remove = nullptr; // "&Delete"
    QPushButton* select = nullptr; // lists opened to pick a record
    QPushButton* view = nullptr;
    QPushButton* copy = nullptr;
};

// The key that opens the form read-only.
inline const QKeySequence kViewKey{Qt::SHIFT | Qt::Key_Return};

class ViewCopyBrowse : public QObject {
    Q_OBJECT
public:
    // What the buttons ask of the list's form: Insert (copy: primed from the
    // selected row), Change, Delete or View of the selected row. Select is
    // the list's own business (its button's clicked signal).
    using AskForm = std::function<void(FormRequest request, bool copy)>;

    // The list must have its model; the extension lives as long as the list.
    ViewCopyBrowse(BrowseList* list, const BrowseButtons& buttons, AskForm askForm);

    void SetSelectMode(bool selectMode);
    bool SelectMode() const { return selectMode_; }

    // Enables the buttons by the rows the list has (run on every change of
    // the list's rows; callable after other changes of the buttons).
    void UpdateButtons();

    // Adds the popup items of the list's buttons to a right-click menu
    // (once); they follow the buttons' states from then on.
    void AddPopupItems(QMenu& menu);

    const BrowseButtons& Buttons() const { return buttons_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HasRows() const;
    // Clicks the button when it exists and is enabled; false otherwise.
    static bool Press(QPushButton* button);
    // Enter or a double click on a row.
    void Activate();
    void Ask(FormRequest request, bool copy = false);

    BrowseList* list_;
    BrowseButtons buttons_;
    AskForm askForm_;
    bool selectMode_ = false;
    std::vector<std::pair<QAction*, QPushButton*>> popupItems_;
};

} // namespace vl
