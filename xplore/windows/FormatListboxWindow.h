#pragma once
// "Format Listbox...": the property window of an Xplore list. Two lists,
// every column of the list (a check before those shown) and the columns
// shown (in display order), with buttons that show a column, hide one and
// move one left or right; the attributes of the current column (header
// text, justification and offset of header and data, width, fixed,
// underline, border, resize, colours) and of the list (place, size, line
// height, font, scroll bars); "&Default" returns to the designed layout.
// Every change shows in the list at once; there is no cancel. The list's
// feature mask enables the attribute controls, one bit each.
//
// While the window is open the list selects single cells and shows the
// current column as its selected one; closing puts the list's selection
// back as it was.

#include "xplore/XploreColumn.h"

#include <QDialog>

#include <functional>
#include <map>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSpinBox;
class QWidget;

namespace vl {

class Xplore;

class FormatListboxWindow : public QDialog {
    Q_OBJECT
public:
    FormatListboxWindow(Xplore& list, QWidget* parent);

    QListWidget* AllColumns() const { return all_; }
    QListWidget* ShownColumns() const { return shown_; }
    // The display position of the current column, 0 when the column chosen
    // is not shown.
    int CurrentColumn() const { return current_; }
    // A control by its object name ("Fixed", "Width", "Colors", "Add").
    QWidget* Control(const QString& name) const;

    // Shows the column chosen in the list of every column at the right end;
    // a column shown already is only made current, with a beep.
    void AddChosen();
    // Hides the current column; the last column shown stays.
    void HideCurrent();
    // Moves the current column one place left (-1) or right (+1); a beep at
    // the edge.
    void MoveCurrent(int step);
    void RestoreDefault();

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLists(QWidget* page);
    QWidget* BuildColumnControls();
    QWidget* BuildHeaderText(QWidget* box);
    QLayout* BuildJustifications(QWidget* box);
    QLayout* BuildWidthRow(QWidget* box);
    QLayout* BuildColumnFlags(QWidget* box);
    QWidget* BuildColorsButton(QWidget* box);
    QWidget* BuildListControls();
    void EnableByFeatures();
    // Fills both lists from the column table and selects the current column.
    void Refresh();
    void SetCurrent(int position);
    void ShowAttributes();
    void HighlightColumn();
    // Runs a change of the current column, when it is shown.
    void ChangeCurrent(const std::function<void(XploreColumn&)>& change);
    void ChangeList(const QString& code, int value);
    void ChooseFont();
    void SetScrollBar(bool horizontal, bool on);

    Xplore& list_;
    int current_ = 0;
    bool loading_ = false;
    int selectionBehaviour_ = 0;
    QListWidget* all_ = nullptr;
    QListWidget* shown_ = nullptr;
    QLabel* unavailable_ = nullptr; // why the greyed controls are
    std::map<QString, QWidget*> controls_;
};

// Opens the window modally for the list.
void OpenFormatListbox(Xplore& list, QWidget* parent);

} // namespace vl
