#pragma once
// The to-do list ("To Do Items"): the items with their done mark, priority,
// text, category and completion, on four tabs that choose the order ("Done",
// "Priority", "To Do") or show one task category ("Category", chosen with
// "&Pick"; the category a new item takes). "&New", "&Edit" and "&Delete"
// open the item form (UpdateTodo); "&Toggle Done Status" ("&Toggle" on the
// category tab) flips the highlighted item's done mark at once; the popup's
// "Transfer to Schedule" opens the message task wizard on a task made of the
// item. The list keeps the list enhancement's layout under "BrowseToDoList".

#include "core/dictionary/TodoRecord.h"
#include "windows/lists/ListWindow.h"

class QAction;
class QPushButton;
class QTabWidget;

namespace vl {

inline constexpr char kBrowseToDoListProcedure[] = "BrowseToDoList";
inline constexpr char kToDoListCaption[] = "To Do Items";
inline constexpr char kToDoListUserCaption[] = "To Do List - ";

class BrowseToDoList : public ListWindow<> {
    Q_OBJECT
public:
    enum Tab { kDoneTab, kPriorityTab, kTextTab, kCategoryTab };

    explicit BrowseToDoList(QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return tabs_; }
    QPushButton* ToggleButton(Tab tab) const;
    QPushButton* PickButton() const { return pick_; }
    QAction* TransferItem() const { return transfer_; }
    // The category the "Category" tab shows and a new item takes.
    const QString& Category() const { return category_; }
    void SetCategory(const QString& category);

    // The commands of the buttons and the popup on the highlighted item.
    void ToggleDone();
    void TransferToSchedule();

private:
    QWidget* MakeTabs();
    void ShowTab(int tab);
    void OpenForm(FormRequest request);
    void Pick();
    // Reads the list again and highlights the item.
    void ShowItem(const TodoRecord& item);

    QTabWidget* tabs_ = nullptr;
    QList<QPushButton*> toggles_;
    QPushButton* pick_ = nullptr;
    QAction* transfer_ = nullptr;
    QString category_;
};

} // namespace vl
