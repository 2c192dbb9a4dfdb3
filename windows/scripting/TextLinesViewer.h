#pragma once
// A window showing a text file line by line in a fixed-width font, with
// "&Search..." (the next line holding a text, wrapping round), "&Close" and,
// when asked for, "&Print..." before them. The lines are shown through a
// model over the file's text, so a file of any length opens at once. The
// window keeps its place in POSITION.INI under its procedure's name.

#include "core/eventlog/LogLines.h"
#include "platform/print/Report.h"
#include "platform/runtime/IniFile.h"

#include <QSize>
#include <QWidget>

class QListView;
class QPushButton;

namespace vl {

// What sets one viewer apart from another.
struct TextLinesViewerSetup {
    QString caption;
    const char* procedure; // the position's name
    QSize size;            // the first size
    bool print = false;    // with "&Print..."
    // "&Close" enabled only once lines are shown (always enabled when false).
    bool closeOnlyWhenShown = false;
};

class TextLinesViewer : public QWidget {
    Q_OBJECT

public:
    ~TextLinesViewer() override;

    int LineCount() const;
    QString LineText(int row) const;
    // The selected line, -1 when none.
    int CurrentLine() const;
    // Selects the next line after the selected one (from the first when none
    // is) holding the text, case ignored, wrapping round; false when none.
    bool FindNext(const QString& text);
    // The lines as a printed report under the caption: one line per line,
    // fixed-width.
    Report PrintedList() const;

    QListView* List() const { return list_; }
    QPushButton* PrintButton() const { return printButton_; } // nullptr without "&Print..."
    QPushButton* SearchButton() const { return searchButton_; }
    QPushButton* CloseButton() const { return closeButton_; }

protected:
    TextLinesViewer(const TextLinesViewerSetup& setup, QWidget* parent);

    LogLines& Lines() { return lines_; }
    // Shows the lines now loaded; the buttons work when opened.
    void ShowLines(bool opened);
    // Widens the window (within the screen) so that the widest line shows whole.
    void WidenToLines();

    void closeEvent(QCloseEvent* event) override;

private:
    void AskForSearchText();

    class LinesModel;
    QString procedure_;
    bool closeOnlyWhenShown_ = false;
    LogLines lines_;
    LinesModel* model_ = nullptr;
    QListView* list_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    IniFile positions_;
    QString lastSearch_;
};

} // namespace vl
