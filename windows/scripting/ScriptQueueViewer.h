#pragma once
// "Current Script" (ViewQueue:Script): the steps waiting in ScriptQueue, in
// the order the interpreter runs them, the detail of the highlighted one,
// and the clock. "Delete" removes the highlighted step while scripts run,
// as ScriptQueueView.h allows; a step the interpreter took meanwhile is
// never removed in its place. The window follows the queue on its timer.

#include "core/dictionary/ProgramQueues.h"

#include <QWidget>

#include <tuple>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace vl {

inline constexpr char kViewQueueScriptProcedure[] = "ViewQueue:Script";

class ScriptQueueViewer : public QWidget {
    Q_OBJECT
public:
    explicit ScriptQueueViewer(QWidget* parent = nullptr);

    QTreeWidget* List() const { return list_; }
    QString DetailText() const;
    QString ClockText() const;
    QPushButton* Button(const QString& text) const;

    // Shows the queue as it is now and the clock; the window's timer calls it.
    void Refresh();
    // "Delete": removes the highlighted step (and what goes with it).
    void DeleteCurrent();

private:
    using EntryKey = std::tuple<int32_t, int32_t, QString, Date, ClockTime>;
    static EntryKey KeyOf(const ScriptQueueEntry& entry);
    // The index in ScriptQueue of the step shown at the row; -1 when it has gone.
    int QueueIndexOfRow(int row) const;
    void ShowDetails();
    void ReportBug();
    void UpdateBugButton();

    QTreeWidget* list_ = nullptr;
    QLabel* detail_ = nullptr;
    QLineEdit* clock_ = nullptr;
    QPushButton* bug_ = nullptr;
    QTimer* timer_ = nullptr;
    std::vector<EntryKey> shown_;
    bool redraw_ = false; // the rows are redrawn even when the queue reads the same
};

// Registers "ViewQueue:Script" with the frame's procedures.
void RegisterScriptQueueViewer();

} // namespace vl
