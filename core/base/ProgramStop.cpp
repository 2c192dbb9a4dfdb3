#include "core/base/ProgramStop.h"

#include <QCoreApplication>
#include <QThread>

#include "platform/ui/PromptService.h"

namespace vl {
namespace {

const char kStopCaption[] = "Velmora 2000";

bool gRequested = false;
QString gReason;
QString gDamagedFile;

// Inside the event loop, the loop ends once the current handler has
// returned. Before it runs, start-up sees the request and returns by
// itself: an exit asked for then would also end at once every loop opened
// later, so that a question put to the user afterwards (what to do with a
// damaged file) would be answered by its default without being shown.
void EndRunningLoops()
{
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(1);
}

void Stop(const QString& reason, const QString& text, const QString& caption)
{
    if (gRequested)
        return;
    gRequested = true;
    gReason = reason;
    Prompt::Message(text, caption, PromptIcon::Stop);
    EndRunningLoops();
}

} // namespace

void StopProgram(const QString& reason)
{
    Stop(reason, reason, QLatin1String(kStopCaption));
}

void StopProgram(const QString& reason, const QString& text)
{
    Stop(reason, text, reason);
}

void StopProgramForDamagedFile(const QString& path, const QString& reason)
{
    if (gRequested)
        return;
    gRequested = true;
    gReason = reason;
    gDamagedFile = path;
    EndRunningLoops();
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
