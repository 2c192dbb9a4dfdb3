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
#include "platform/browse/BrowseModel.h"
#include "platform/ui/FormRequest.h"
#include "platform/viewcopy/ViewCopyBrowse.h"

#include <QWidget>

#include <memory>

class QAction;
class QPushButton;
class QTabWidget;

namespace vl {

class BrowseList;
class Xplore;

inline constexpr char kBrowseToDoListProcedure[] = "BrowseToDoList";
inline constexpr char kToDoListCaption[] = "To Do Items";
inline constexpr char kToDoListUserCaption[] = "To Do List - ";

class BrowseToDoList : public QWidget {
    Q_OBJECT
public:
    enum Tab { kDoneTab, kPriorityTab, kTextTab, kCategoryTab };

    explicit BrowseToDoList(QWidget* parent = nullptr);
    ~BrowseToDoList() override;

    BrowseList* List() const { return list_; }
    BrowseModel* Model() const { return model_.get(); }
    const BrowseButtons& Buttons() const { return viewCopy_->Buttons(); }
    QTabWidget* Tabs() const { return tabs_; }
    QPushButton* ToggleButton(Tab tab) const;
    QPushButton* PickButton() const { return pick_; }
    QAction* TransferItem() const { return transfer_; }
    Xplore* Enhancement() const { return xplore_; }
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

    bool opened_ = false;
    std::unique_ptr<BrowseModel> model_;
    BrowseList* list_ = nullptr;
    Xplore* xplore_ = nullptr;
    ViewCopyBrowse* viewCopy_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QList<QPushButton*> toggles_;
    QPushButton* pick_ = nullptr;
    QAction* transfer_ = nullptr;
    QString category_;
};

} // namespace vl
