#pragma once
// The progress window of an export, an import, or a synchronisation send or
// receive: the platform's progress window with the percentage in three
// places ("  5% Completed"). The work runs on the GUI thread and lets the
// window's events through at each step; timers wait, so no other work runs
// inside an open batch. A finished run shows "Process Completed" and what it
// did, and the window stays, no longer modal, until the user closes it.

#include "exchange/ExchangeProcedures.h"

class QWidget;

namespace vl {

// Makes a run's progress window; a window position key keeps its place.
MakeRunProgress ProgressWindow(const QString& caption, const QString& text, const QString& positionKey,
                               QWidget* parent);

} // namespace vl
