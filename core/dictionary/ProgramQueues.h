#pragma once
// The program-wide in-memory queues. They live for the whole run and are
// used on the GUI thread only (the frame's timer, the interpreter and the
// windows all run there), so no locking is needed. The open task lists are
// the registry's group ThreadGroup::TaskLists, the window lists live with
// the window-list service, the open procedures in the thread registry.

#include <cstdint>

#include <QList>
#include <QString>

#include "core/dictionary/ScriptingRecord.h"
#include "platform/desktop/DesktopBackend.h"
#include "platform/runtime/Calendar.h"

namespace vl {

// One step of a running script (prefix S): a copy of a script item and the
// moment it is due.
struct ScriptQueueEntry {
    ScriptingRecord RECORD;      // the item, fields S:ID ... S:DDECOMMAND
    vl::Date DATE = 0;           // S:ORDER: due date
    ClockTime TIME = 0;          //          and time
    WindowHandle WINDOWHANDLE = 0; // window the running script works on
    int32_t TASKHANDLE = 0;      // process of the task's started program
};

// A started program whose exit code is to be logged.
struct ExitCodeEntry {
    int32_t HPROCESS = 0;  // process
    QString COMMANDLINE;   // STRING(80)
    uint32_t STATUS = 0;   // exit code
};

// An answer to a template token's question (prefix TQ). Each window that
// asks keeps a queue of its own; it is not program-wide.
struct TemplateTokenEntry {
    QString KEY;    // STRING(10)
    QString PROMPT; // STRING(45), upper case
    QString VALUE;  // STRING(255)
};
using TemplateTokenQueue = QList<TemplateTokenEntry>;

// The running scripts' steps in due order; the interpreter runs the first.
extern QList<ScriptQueueEntry> ScriptQueue;
// Started programs waiting for their exit codes to be logged.
extern QList<ExitCodeEntry> ExitCodeQueue;
// The scripts' variables are kept by the script services
// (scripting/ScriptVariables.h).

} // namespace vl
