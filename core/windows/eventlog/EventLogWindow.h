#pragma once
// The "Event Log" window (procedure ViewAscii:Log): the event log line by
// line in a fixed-width font, with "&Search..." and "&Close". It keeps its
// place under "ViewAscii:Log" in POSITION.INI. The lines are shown through a
// model over the file's text, so a log of any length opens at once.

#include "core/eventlog/LogLines.h"
#include "platform/runtime/IniFile.h"

#include <QWidget>

class QListView;
class QPushButton;

namespace vl {

inline constexpr char kEventLogWindowCaption[] = "Event Log";
inline constexpr char kEventLogWindowProcedure[] = "ViewAscii:Log";
inline constexpr char kViewLogDisabledLabel[] = "View Log - Logging disabled";
inline constexpr char kViewLogDisabledText[] = "Logging is not enabled in configuration.";

class EventLogWindow : public QWidget {
    Q_OBJECT

public:
    explicit EventLogWindow(QWidget* parent = nullptr);
    ~EventLogWindow() override;

    // Shows the file; false when it cannot be read.
    bool Open(const QString& path);

    int LineCount() const;
    QString LineText(int row) const;
    // The selected line, -1 when none.
    int CurrentLine() const;
    // Selects the next line holding the text (case ignored), wrapping round
    // to the start; false when no line holds it.
    bool FindNext(const QString& text);

    QListView* List() const { return list_; }
    QPushButton* SearchButton() const { return searchButton_; }
    QPushButton* CloseButton() const { return closeButton_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void AskForSearchText();

    class LinesModel;
    LogLines lines_;
    LinesModel* model_ = nullptr;
    QListView* list_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    IniFile positions_;
    QString lastSearch_;
};

// Opens the Event Log window on VLMREVNT.LOG in the current (data) directory.
// With logging off it first notes in the log that logging is not enabled.
// Returns the shown window (it deletes itself when closed), or nullptr when
// the log cannot be read.
EventLogWindow* ViewAscii_Log();

} // namespace vl
