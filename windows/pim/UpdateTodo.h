#pragma once
// The to-do item form ("New To Do Item", "Edit To Do Item"; read-only for
// view and delete): the text, the priority, the task category, notes on the
// "General" tab; the resolution and the completion date and time on the
// "Resolution" tab; the "&Done" box below. Ticking "&Done" on an item that
// was not done stamps it completed now. Ctrl+' puts back, into the field
// that has the focus, its value from the last item this form saved.
//
// The form is window-modal to the list that opens it. OK stores the request
// (TodoRules.h StoreTodo); a priority outside 1 to 10 is refused with the
// table's message and the focus goes back to it; the form stays open with
// what was typed.

#include "core/dictionary/TodoRecord.h"
#include "platform/ui/FormRequest.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace vl {

class PictureSpinBox;

inline constexpr char kUpdateTodoProcedure[] = "UpdateTodo";
inline constexpr char kCompletionDateTitle[] = "Select Completion Date";

class UpdateTodo : public QDialog {
    Q_OBJECT
public:
    UpdateTodo(FormRequest request, const TodoRecord& item, QWidget* parent = nullptr);
    ~UpdateTodo() override;

    // The item as stored (after OK) or as the form opened with.
    const TodoRecord& Record() const { return item_; }

    QTabWidget* Tabs() const { return tabs_; }
    QLineEdit* TextEntry() const { return text_; }
    QSpinBox* PrioritySpin() const { return priority_; }
    QComboBox* CategoryCombo() const { return category_; }
    QPlainTextEdit* NotesBox() const { return notes_; }
    QPlainTextEdit* ResolutionBox() const { return resolution_; }
    PictureSpinBox* CompletionDate() const { return completionDate_; }
    QToolButton* CalendarButton() const { return calendar_; }
    PictureSpinBox* CompletionTime() const { return completionTime_; }
    QCheckBox* DoneBox() const { return done_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    void accept() override; // "&OK"

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* GeneralPage();
    QWidget* ResolutionPage();
    void Show(const TodoRecord& item);
    // The controls' values in a copy of the item.
    TodoRecord Taken() const;
    void DoneChanged();
    // The user left the priority: a value out of range is refused there.
    void PriorityLeft();
    void PickCompletionDate();
    void PutBackLastSaved();

    FormRequest request_;
    TodoRecord item_;
    bool doneAtOpen_ = false;
    bool checkingPriority_ = false; // its message box takes the focus from it too
    bool priorityRefused_ = false;  // refused on leaving, since its last change
    bool todoOpened_ = false;
    bool categoriesOpened_ = false;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* text_ = nullptr;
    QSpinBox* priority_ = nullptr;
    QComboBox* category_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    QPlainTextEdit* resolution_ = nullptr;
    PictureSpinBox* completionDate_ = nullptr;
    QToolButton* calendar_ = nullptr;
    PictureSpinBox* completionTime_ = nullptr;
    QCheckBox* done_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace vl
