#include "core/base/ProgramStop.h"

#include <QCoreApplication>

#include "platform/ui/PromptService.h"

namespace vl {
namespace {

const char kStopCaption[] = "Velmora 2000";

bool gRequested = false;
QString gReason;
QString gDamagedFile;

} // namespace

void StopProgram(const QString& reason)
{
    if (gRequested)
        return;
    gRequested = true;
    gReason = reason;
    Prompt::Message(reason, QLatin1String(kStopCaption), PromptIcon::Stop);
    // Before the event loop runs, start-up sees the request and returns;
    // inside it, the loop ends once the current handler has returned.
    QCoreApplication::exit(1);
}

void StopProgramForDamagedFile(const QString& path, const QString& reason)
{
    if (gRequested)
        return;
    gRequested = true;
    gReason = reason;
    gDamagedFile = path;
    QCoreApplication::exit(1);
}

QString DamagedDataFile()
{
    return gDamagedFile;
}

bool ProgramStopRequested()
{
    return gRequested;
}

QString ProgramStopReason()
{
    return gReason;
}

void ResetProgramStop()
{
    gRequested = false;
    gReason.clear();
    gDamagedFile.clear();
}

} // namespace vl
