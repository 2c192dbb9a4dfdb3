#include "pim/MessageProgramIni.h"

#include "platform/data/DataFileName.h"

#include <QDir>

namespace vl {

QString MessageProgramIniPath()
{
    return FindFileNoCase(QDir::currentPath(), QLatin1String(kMessageProgramIniName));
}

} // namespace vl
