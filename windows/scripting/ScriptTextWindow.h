#pragma once
// "Scripting:  Edit As Text" (Script:EditAsText): a task's whole script as
// text, one command a line, edited and stored back in one go. "OK" stores
// the text only when every line reads whole; otherwise the lines at fault
// are shown, the cursor goes to the first, and the window stays open with
// the text as typed. "Cancel" leaves the script as it was.
// "Reference/Commands" opens the reference (ScriptTextReferenceWindow.h),
// which builds a line on the clipboard for pasting here.

#include "windows/scripting/ScriptTextReferenceWindow.h"

#include <QDialog>
#include <QPointer>

#include <cstdint>

class QPlainTextEdit;
class QPushButton;

namespace vl {

// The name the window keeps its place under.
inline constexpr char kScriptEditAsTextName[] = "Script:EditAsText";

class ScriptTextWindow : public QDialog {
    Q_OBJECT
public:
    // Opens the Scripting table for its life and shows the task's script.
    explicit ScriptTextWindow(int32_t taskId, QWidget* parent = nullptr);
    ~ScriptTextWindow() override;

    QPlainTextEdit* Text() const { return text_; }
    QPushButton* Button(const QString& text) const;
    // The reference window while it is open.
    ScriptTextReferenceWindow* Reference() const { return reference_; }

    void accept() override; // "OK"

private:
    void CopyToClipboard();
    void ReplaceWithClipboard();
    void OpenReference();
    void GoToLine(int line);

    int32_t taskId_;
    bool opened_ = false;
    QPlainTextEdit* text_ = nullptr;
    // Cleared by Qt when the window goes, also while this one is destroyed.
    QPointer<ScriptTextReferenceWindow> reference_;
};

// Shows the task's script as text, modal to the parent; true when the text
// was stored. A task without an ID shows "No task ID" and opens nothing.
bool EditScriptAsText(int32_t taskId, QWidget* parent = nullptr);

} // namespace vl
