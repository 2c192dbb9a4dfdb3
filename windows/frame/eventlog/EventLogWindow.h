#pragma once
// The "Event Log" window (procedure ViewAscii:Log): the event log line by
// line in a fixed-width font, with "&Search..." and "&Close". It keeps its
// place under "ViewAscii:Log" in POSITION.INI. The lines are shown through a
// model over the file's text, so a log of any length opens at once.

#include "windows/scripting/TextLinesViewer.h"

namespace vl {

inline constexpr char kEventLogWindowCaption[] = "Event Log";
inline constexpr char kEventLogWindowProcedure[] = "ViewAscii:Log";
inline constexpr char kViewLogDisabledLabel[] = "View Log - Logging disabled";
inline constexpr char kViewLogDisabledText[] = "Logging is not enabled in configuration.";

class EventLogWindow : public TextLinesViewer {
    Q_OBJECT

public:
    explicit EventLogWindow(QWidget* parent = nullptr);

    // Shows the file; false when it cannot be read.
    bool Open(const QString& path);
};

// Opens the Event Log window on VLMREVNT.LOG in the current (data) directory.
// With logging off it first notes in the log that logging is not enabled.
// Returns the shown window (it deletes itself when closed), or nullptr when
// the log cannot be read.
EventLogWindow* ViewAscii_Log();

} // namespace vl
