#pragma once
// The hot-key form ("New Hot Key", "Edit Hot Key", "View Hot Key", "Delete
// Hot Key"): a small wizard of three pages. "Basic" holds the modifier boxes
// and the key, "&Active", the action and the description; "Text" how the
// text is put out and the text; "Task" only says that the script wizard is
// being called. Only the page of the chosen action can be reached.
//
// Next from "Basic" of a "Task" hot key opens the script task wizard in its
// hot-key mode on the hot key's own task (a new one when it has none); when
// the wizard completes, the task is linked and the form presses OK; when it
// is cancelled, the form goes back to "Basic" and saves nothing.
//
// OK stores the request (HotKeyStore.h); a refused key leaves the form open
// with everything entered. The form is window-modal to whoever opens it and
// reports its end by finished().

#include "core/dictionary/SysHotKeysRecord.h"
#include "hotkeys/HotKeyText.h"
#include "platform/ui/FormRequest.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace vl {

class TabWizard;

inline constexpr char kUpdateHotKeysProcedure[] = "UpdateHotKeys";

class UpdateHotKeys : public QDialog {
    Q_OBJECT
public:
    enum Page { kBasicPage = 1, kTextPage = 2, kTaskPage = 3 };

    UpdateHotKeys(FormRequest request, const SysHotKeysRecord& hotKey, QWidget* parent = nullptr);
    ~UpdateHotKeys() override;

    // The hot key as stored (after OK) or as the form opened with.
    const SysHotKeysRecord& Record() const { return hotKey_; }
    // The key text the boxes and the key list give now.
    QString KeyText() const;
    const TabWizard& Steps() const;

    QCheckBox* ModifierBox(const QString& label) const;
    QComboBox* KeyList() const { return key_; }
    QCheckBox* ActiveBox() const { return active_; }
    QRadioButton* TextAction() const { return textAction_; }
    QRadioButton* TaskAction() const { return taskAction_; }
    QLineEdit* DescriptionEntry() const { return description_; }
    QRadioButton* TextType(const QString& type) const; // "Type", "Copy" or "Paste"
    QPlainTextEdit* TextEntry() const { return text_; }
    QTabWidget* Sheet() const { return sheet_; }
    QPushButton* BackButton() const { return back_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    void accept() override; // "&OK"

private:
    QWidget* MakeBasicPage(const HotKeyParts& parts);
    QWidget* MakeTextPage();
    QString ChosenAction() const;
    void ShowKeyText();
    void ShowActionPage();
    bool TaskStepPossible() const;
    void StepsRefreshed();
    void CallTaskWizard();
    SysHotKeysRecord Edited() const;

    FormRequest request_;
    SysHotKeysRecord hotKey_;
    bool opened_ = false;
    QList<QCheckBox*> modifiers_; // Control, Alt, Shift, Win
    QComboBox* key_ = nullptr;
    QLabel* keyText_ = nullptr;
    QCheckBox* active_ = nullptr;
    QRadioButton* textAction_ = nullptr;
    QRadioButton* taskAction_ = nullptr;
    QLineEdit* description_ = nullptr;
    QList<QRadioButton*> textTypes_; // Type, Copy, Paste
    QPlainTextEdit* text_ = nullptr;
    QTabWidget* sheet_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::unique_ptr<TabWizard> steps_;
};

} // namespace vl
