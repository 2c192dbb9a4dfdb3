#include "core/startup/DamagedFileOffer.h"

#include "platform/process/ExecutableDirectory.h"
#include "platform/ui/PromptService.h"

#include <QFileInfo>

namespace vl {

namespace {

constexpr char kMainDataFile[] = "VLDB.TPS";

} // namespace

DamagedFileChoice AskAboutDamagedFile(PromptService& prompt, const QString& reason)
{
    const QString text = reason + QStringLiteral(
                                      "||Repair it now (the damaged file is kept beside the repaired one), or "
                                      "restore the data files from a backup with the backup program?");
    switch (prompt.Message(text, QLatin1String(kDamagedFileCaption), PromptIcon::Exclamation,
                           QStringLiteral("&Repair|Re&store|E&xit"), 1)) {
    case 1:
        return DamagedFileChoice::Repair;
    case 2:
        return DamagedFileChoice::Restore;
    default:
        return DamagedFileChoice::Exit;
    }
}

bool StartRestore(PromptService& prompt, const QString& damagedFile,
                  const std::function<RunResult(const ProgramStart&)>& start)
{
    ProgramStart restore;
    restore.program = CompanionProgramPath(QLatin1String(kBackupRunnerName));
    restore.arguments = {QLatin1String(kMainDataFile)};
    restore.workingDirectory = QFileInfo(damagedFile).absolutePath();
    const RunResult result = start(restore);
    if (result.Started())
        return true;
    prompt.Message(QStringLiteral("The backup program could not be started: ") + result.text +
                       QStringLiteral(" (") + result.detail + QStringLiteral(")"),
                   QLatin1String(kDamagedFileCaption), PromptIcon::Stop, QString(), 1);
    return false;
}

} // namespace vl
