#include "core/dictionary/ProgramQueues.h"

namespace vl {

QList<ScriptQueueEntry> ScriptQueue;
QList<ExitCodeEntry> ExitCodeQueue;

} // namespace vl
