#pragma once
// A repair needs its data file to itself, and the program itself holds the
// file while it runs: its windows (lists, forms, tools) and its tables, and
// the frame's timer work. For the repair, after the user agreed, the program
// lets go of it: the windows close as their user would close them, the
// frame pauses, every table closes; afterwards the tables open again as
// they were, the frame goes on and the windows that were started as
// procedures open again.

#include "platform/runtime/ServiceSlot.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class QWidget;

namespace vl {

class TableFile;

// What the running frame does around a repair: stops its timer work (and
// its background check), then goes on. Without a frame, nothing.
class RepairPause {
public:
    virtual ~RepairPause() = default;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
};
RepairPause& CurrentRepairPause();
using RepairPauseOverride = ServiceOverride<RepairPause>;

inline constexpr char kRepairAccessCaption[] = "Repair Files";

class RepairAccess {
public:
    // Whether the program holds data files: a window open besides the frame
    // and keep, a table open, or the frame running.
    static bool Needed(const QWidget* keep);
    // The question put before the program lets go of its files.
    static QString Question();

    // Lets go of every data file, keeping only keep (the repair window).
    // False when a window stayed open (its user kept it): then everything
    // is as before.
    bool Release(const QWidget* keep);
    // After the repair: the frame goes on, the windows open again.
    void GiveBack();
    bool Released() const { return released_; }

private:
    QStringList procedures_; // the procedures whose windows were closed
    std::vector<std::pair<TableFile*, int>> openTables_; // and the tables open then, with their counts
    bool released_ = false;
    bool paused_ = false; // the frame paused for the repair
};

} // namespace vl
