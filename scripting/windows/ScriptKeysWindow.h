#pragma once
// The "List of Key Abbreviations" window (procedure ViewAscii:ScriptKeys):
// the key names Send Keys accepts, in a fixed-width font, with "&Print...",
// "&Search..." and "&Close". It shows KEYCODES.TXT of the current directory
// when there is one (a reference the user may rewrite), else the list the
// keystroke sender itself knows. It keeps its place under
// "ViewAscii:ScriptKeys" in POSITION.INI.

#include "core/eventlog/LogLines.h"
#include "platform/print/Report.h"
#include "platform/runtime/IniFile.h"

#include <QWidget>

class QListView;
class QPushButton;

namespace vl {

inline constexpr char kScriptKeysProcedure[] = "ViewAscii:ScriptKeys";
inline constexpr char kScriptKeysCaption[] = "List of Key Abbreviations";
inline constexpr char kKeyCodesFileName[] = "KEYCODES.TXT";

class ScriptKeysWindow : public QWidget {
    Q_OBJECT

public:
    explicit ScriptKeysWindow(QWidget* parent = nullptr);
    ~ScriptKeysWindow() override;

    // Loads the list; false, said to the user, when KEYCODES.TXT is there
    // but cannot be read.
    bool Open();

    int LineCount() const;
    QString LineText(int row) const;
    // The selected line, -1 when none.
    int CurrentLine() const;
    // Selects the next line after the selected one (from the first when none
    // is) holding the text, case ignored, wrapping round; false when none.
    bool FindNext(const QString& text);
    // The list as a printed report: one line per line, fixed-width.
    Report PrintedList() const;

    QPushButton* PrintButton() const { return printButton_; }
    QPushButton* SearchButton() const { return searchButton_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void AskForSearchText();

    class LinesModel;
    LogLines lines_;
    LinesModel* model_ = nullptr;
    QListView* list_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    IniFile positions_;
    QString lastSearch_;
};

// Shows the window (it deletes itself when closed); nullptr when the list
// cannot be read.
ScriptKeysWindow* ViewAscii_ScriptKeys();

} // namespace vl
