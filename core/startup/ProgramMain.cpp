#include "core/startup/ProgramMain.h"

#include <memory>

#include "core/config/ConfigStore.h"
#include "core/session/StartTermination.h"
#include "core/dictionary/Dictionary.h"
#include "core/startup/BadFile.h"
#include "core/startup/DataDirectory.h"
#include "core/base/ProgramStop.h"
#include "core/startup/QueryWizardTexts.h"
#include "core/startup/SchedulerHandOver.h"
#include "core/startup/WritableDataDirectory.h"
#include "platform/ui/PromptService.h"

namespace vl {
namespace {

std::unique_ptr<IniFile> gPositionIni;

// A start that found its scheduler running elsewhere ends: 0 when that one
// took the command line.
bool Ends(SchedulerStart start)
{
    return start == SchedulerStart::HandedOver || start == SchedulerStart::RunsElsewhere;
}

int EndCode(SchedulerStart start)
{
    return start == SchedulerStart::HandedOver ? 0 : 1;
}

} // namespace

IniFile& PositionIni()
{
    if (!gPositionIni)
        qFatal("POSITION.INI is used outside the program's run");
    return *gPositionIni;
}

int ProgramMain(const std::function<int()>& frame, const std::function<void(const QString&)>& beforeData)
{
    // Told to terminate while it starts (a dialog may be open), the program
    // ends with 0 and goes no further: from the data directory's question on,
    // nothing more is written.
    const StartTermination termination;
    const auto goesOn = [] { return !TerminationRequested() && !ProgramStopRequested(); };
    const QString dataDirectory =
        ChooseDataDirectory(CurrentPromptService(), InstallationDirectory(), TerminationRequested);
    if (TerminationRequested())
        return 0;
    if (const SchedulerStart probe = ProbeDirectoryScheduler(CurrentPromptService(), dataDirectory); Ends(probe))
        return TerminationRequested() ? 0 : EndCode(probe);
    if (beforeData && goesOn())
        beforeData(dataDirectory);
    if (goesOn())
        CheckDataDirectoryWritable(CurrentPromptService(), dataDirectory);
    gPositionIni = std::make_unique<IniFile>(QLatin1String(kPositionIniName));

    DictionaryStart();
    const QString programIni = ProgramIniPath();
    if (goesOn())
        OfferBadFileRepairAtStart(CurrentPromptService(), programIni);
    InstallBadFileGuard(programIni);
    const SchedulerStart start =
        goesOn() ? ClaimProgramScheduler(CurrentPromptService(), dataDirectory, SchedulerUserName())
                 : SchedulerStart::Run;
    LoadQueryWizardTexts();

    const int exitCode = !goesOn() ? 1 : Ends(start) ? EndCode(start) : frame();

    ReleaseProgramScheduler();
    RemoveBadFileGuard();
    DictionaryEnd();
    gPositionIni.reset();
    if (TerminationRequested())
        return 0;
    return ProgramStopRequested() ? 1 : exitCode;
}

} // namespace vl
