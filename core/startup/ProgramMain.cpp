#include "core/startup/ProgramMain.h"

#include <memory>

#include "core/config/ConfigStore.h"
#include "core/dictionary/Dictionary.h"
#include "core/startup/BadFile.h"
#include "core/startup/DataDirectory.h"
#include "core/base/ProgramStop.h"
#include "core/startup/QueryWizardTexts.h"
#include "core/startup/WritableDataDirectory.h"
#include "platform/ui/PromptService.h"

namespace vl {
namespace {

std::unique_ptr<IniFile> gPositionIni;

} // namespace

IniFile& PositionIni()
{
    if (!gPositionIni)
        qFatal("POSITION.INI is used outside the program's run");
    return *gPositionIni;
}

int ProgramMain(const std::function<int()>& frame, const std::function<void(const QString&)>& beforeData)
{
    const QString dataDirectory = ChooseDataDirectory(CurrentPromptService(), InstallationDirectory());
    if (beforeData)
        beforeData(dataDirectory);
    CheckDataDirectoryWritable(CurrentPromptService(), dataDirectory);
    gPositionIni = std::make_unique<IniFile>(QLatin1String(kPositionIniName));

    DictionaryStart();
    const QString programIni = ProgramIniPath();
    OfferBadFileRepairAtStart(CurrentPromptService(), programIni);
    InstallBadFileGuard(programIni);
    LoadQueryWizardTexts();

    const int exitCode = ProgramStopRequested() ? 1 : frame();

    RemoveBadFileGuard();
    DictionaryEnd();
    gPositionIni.reset();
    return ProgramStopRequested() ? 1 : exitCode;
}

} // namespace vl
