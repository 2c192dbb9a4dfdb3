#include "core/dictionary/StandardWarnings.h"

#include "core/base/ProgramStop.h"
#include "platform/ui/PromptService.h"

namespace vl {
namespace {

struct WarningText {
    int number;
    const char* caption;
    PromptIcon icon;
    const char* buttons;
    const char* stop; // the stop that follows (on No for warning 2), or null
};

const WarningText kWarnings[] = {
    {kWarnInvalidFile, "Invalid File", PromptIcon::Stop, "", "Invalid File!"},
    {kWarnInvalidKey, "Invalid Key", PromptIcon::Question, "&Yes|&No", "Invalid Key!"},
    {kWarnKeyRebuildError, "Key Rebuild Error", PromptIcon::Stop, "", "Error Rebuilding Key!"},
    {kWarnFileCreationError, "File Creation Error", PromptIcon::Stop, "", "File Creation Error!"},
    {kWarnCreatedFileOpenError, "File Creation Error", PromptIcon::Stop, "", "File Creation Error!"},
    {kWarnFileAccessError, "File Access Error", PromptIcon::Exclamation, "&OK", nullptr},
};

QString WarningMessage(int number, const QString& file, const QString& error)
{
    switch (number) {
    case kWarnInvalidFile:
        return QStringLiteral("Error: (") + error + QStringLiteral(") accessing ") + file +
               QStringLiteral(".  Press OK to end this application.");
    case kWarnInvalidKey:
        return file + QStringLiteral(" key file is invalid.  Do you ") + QStringLiteral("want to rebuild the key?");
    case kWarnKeyRebuildError:
        return QStringLiteral("Error: (") + error + QStringLiteral(") repairing key for ") + file +
               QStringLiteral(".  Press OK to end this application.");
    case kWarnFileCreationError:
        return QStringLiteral("Error: (") + error + QStringLiteral(") creating ") + file +
               QStringLiteral(".  Press OK to end this application.");
    case kWarnCreatedFileOpenError:
        return QStringLiteral("Error: (") + error + QStringLiteral(") opening created ") + QStringLiteral("file:") +
               file + QStringLiteral(".  Press OK to end this application.");
    case kWarnFileAccessError:
        return QStringLiteral("File (") + file + QStringLiteral(") could not be ") + QStringLiteral("opened.  Error: ") +
               error + QStringLiteral(".");
    default:
        return QString();
    }
}

} // namespace

int ShowFileWarning(int number, const QString& fileName, const DataError& error)
{
    for (const WarningText& warning : kWarnings) {
        if (warning.number != number)
            continue;
        const int answer = Prompt::Message(WarningMessage(number, fileName, error.Describe()),
                                           QLatin1String(warning.caption), warning.icon,
                                           QLatin1String(warning.buttons), 1);
        if (number == kWarnInvalidKey && answer == 1)
            return 2;
        if (warning.stop) {
            StopProgram(QLatin1String(warning.stop));
            return 0;
        }
        return answer;
    }
    return 0;
}

int ShowWarning(int number, const DataError& error)
{
    return ShowFileWarning(number, QString(), error);
}

} // namespace vl
