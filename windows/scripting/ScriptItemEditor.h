#pragma once
// The script item editor: "Select &Action" offers the sixteen actions in
// their four groups; the page of the chosen action (ScriptItemForm.h) holds
// its fields, with the action's help paragraph below. The editor works on a
// task's item; for a template item (owner Template) it takes another caption
// and window place, has no "&New Message" and needs no task. Everything the
// editor knows about its owner is its own, so a task's editor and a
// template's may be open at once.
//
// "&OK" copies the working fields back, stamps the item and hands it to the
// store function given; a refusal keeps the editor open with what was typed.
// "Cancel" leaves the item as it was.

#include "core/dictionary/ScriptingRecord.h"
#include "platform/ui/FormRequest.h"
#include "scripting/items/ScriptItemForm.h"

#include <QDialog>

#include <functional>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace vl {

class WindowTitleBox;

enum class ScriptItemOwner { Task, Template };

class ScriptItemEditor : public QDialog {
    Q_OBJECT
public:
    // Stores the edited item (insert, change or delete); false when refused.
    using StoreFunction = std::function<bool(ScriptingRecord&)>;

    ScriptItemEditor(FormRequest request, const ScriptingRecord& item, ScriptItemOwner owner, StoreFunction store,
                     QWidget* parent = nullptr);
    ~ScriptItemEditor() override;

    // The item as stored (after OK) or as it is being edited.
    const ScriptingRecord& Item() const { return item_; }
    const ScriptItemWork& Work() const { return work_; }
    ScriptPage Page() const { return page_; }
    QWidget* PageWidget(ScriptPage page) const;

    // Picks an action as the user does in "Select &Action".
    void PickAction(const QString& action);
    QAbstractButton* ActionButton(const QString& action) const;
    QLineEdit* ActionLine() const { return actionLine_; }
    QPlainTextEdit* HelpBox() const { return help_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    void accept() override; // "&OK"

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* KeysPage();
    QWidget* WaitPage();
    QWidget* FocusPage();
    QWidget* DdePage();
    QWidget* IfWindowPage();
    QWidget* IfTimePage();
    QWidget* IfVarPage();
    QWidget* SetVarPage();
    QWidget* StartScriptPage();
    QWidget* SendEmailPage();
    QWidget* FileActionsPage();
    QWidget* NothingPage();
    QWidget* StartPage();
    QWidget* DisplayMessagePage();
    QWidget* ClosePage();
    QGroupBox* ActionList();

    // Controls bound to a text or number of the item or the working fields:
    // an edit writes it, Show() puts it back.
    QLineEdit* Entry(QString* field, int width);
    QSpinBox* Spin(int32_t* field, int maximum);
    QComboBox* Choice(QString* field, const QStringList& choices);
    QGroupBox* Radios(const QString& title, QString* field, const QStringList& choices);
    WindowTitleBox* WindowBox(QString* field);
    QPushButton* Button(const QString& text, std::function<void()> clicked);
    // A file button: the chosen file goes into the field.
    QPushButton* FileButton(QString* field, const QString& filter);

    void SelectPage();
    void Show();
    void WaitInputChanged();
    void ShowFileActionPrompts();
    void ShowLinkedMessage();
    void PickContent(const QString& procedure, const QString& pattern, QString* content);
    void AppendToKeystrokes(const QString& keystrokes);

    FormRequest request_;
    ScriptItemOwner owner_;
    StoreFunction store_;
    ScriptingRecord item_;
    ScriptItemWork work_;
    ScriptPage page_ = ScriptPage::Keys;
    bool saved_ = false;
    bool messagesOpen_ = false;

    std::vector<std::function<void()>> shows_;
    QList<QWidget*> data_;
    QList<WindowTitleBox*> windowBoxes_;
    QButtonGroup* actions_ = nullptr;
    QLineEdit* actionLine_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QPlainTextEdit* help_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;

    static constexpr int kKeystrokesWidth = 255; // the item's keys to press
    QLineEdit* keystrokes_ = nullptr;
    QComboBox* modifier_ = nullptr;
    QComboBox* key_ = nullptr;
    QComboBox* keyword_ = nullptr;
    QGroupBox* waitMode_ = nullptr;
    QLabel* firstPrompt_ = nullptr;
    QLabel* secondPrompt_ = nullptr;
    QList<QWidget*> firstRow_;
    QList<QWidget*> secondRow_;
    QPushButton* firstFile_ = nullptr;
    QPushButton* secondFile_ = nullptr;
    QList<QWidget*> ftpRows_;
    QLineEdit* sendTo_ = nullptr;
    QLineEdit* subject_ = nullptr;
};

} // namespace vl
