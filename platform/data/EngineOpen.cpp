#include "platform/data/EngineOpen.h"

#include "platform/data/DamagedFileNotice.h"
#include "platform/data/EngineLocks.h"
#include "platform/data/LogFrames.h"

namespace vl {

void PrepareEngineOpen(const QString& path)
{
    InstallEngineLocks();
    if (const QString copy = SetAsideDamagedLog(path); !copy.isEmpty())
        NoteUnreadableLog(path, copy);
}

} // namespace vl
