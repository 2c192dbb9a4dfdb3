#include "core/startup/BadFile.h"

#include <memory>

#include "core/dictionary/Dictionary.h"
#include "core/repair/RepairRun.h"
#include "platform/data/OpenGuard.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/IniFile.h"
#include "platform/ui/PromptService.h"

namespace vl {

void InstallBadFileGuard(const QString& iniPath)
{
    // One INI object for the whole run; its path was made absolute here, so
    // the hook writes to the same file whatever the current directory is.
    auto ini = std::make_shared<IniFile>(iniPath);
    OpenGuard guard;
    guard.beforeOpen = [ini](const QString& fileName) {
        QString name = fileName;
        if (DictionaryStarted()) {
            const QString label = Tables().LabelOfFileName(fileName);
            if (!label.isEmpty())
                name = label;
        }
        ini->Put(QLatin1String(kProgramSection), QLatin1String(kBadFileEntry), name);
    };
    guard.afterOpen = [ini]() {
        ini->Put(QLatin1String(kProgramSection), QLatin1String(kBadFileEntry), QString());
    };
    SetOpenGuard(std::move(guard));
}

void RemoveBadFileGuard()
{
    SetOpenGuard(OpenGuard());
}

QString ReadBadFile(const QString& iniPath)
{
    return Clip(IniFile(iniPath).Get(QLatin1String(kProgramSection), QLatin1String(kBadFileEntry)));
}

void OfferBadFileRepairAtStart(PromptService& prompt, const QString& iniPath)
{
    const QString badFile = ReadBadFile(iniPath);
    if (!badFile.isEmpty() && OfferBadFileRepair(prompt, badFile))
        IniFile(iniPath).Put(QLatin1String(kProgramSection), QLatin1String(kBadFileEntry), QString());
}

} // namespace vl
