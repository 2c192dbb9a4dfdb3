#include "backup/BackupRecommendation.h"

#include "platform/ui/PromptService.h"

namespace vl {

namespace {

constexpr char kSection[] = "Qestrin";
constexpr char kKey[] = "LastWarning";

} // namespace

bool RecommendBackup(const QString& fileList, IniFile& runnerIni)
{
    const QString files = fileList.trimmed();
    if (files.isEmpty() || files == runnerIni.Get(kSection, kKey))
        return false;
    Prompt::Message(QStringLiteral("We recommend that you back up the following file(s):|") + files
                        + QStringLiteral("||TIP:  Create a new archive (File->New Archive) and then add the above "
                                         "file(s) (Actions->Add)."),
                    QStringLiteral("Olvo Backup Assistant"), PromptIcon::Information, QStringLiteral("OK"));
    runnerIni.Put(kSection, kKey, files);
    return true;
}

} // namespace vl
