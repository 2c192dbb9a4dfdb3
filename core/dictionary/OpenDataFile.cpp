#include "core/dictionary/OpenDataFile.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

#include "core/dictionary/StandardWarnings.h"
#include "core/base/ProgramStop.h"
#include "platform/data/DataFileName.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"

namespace vl {
namespace {

const char kUpgradeText[] =
    "The databases must be upgraded before using this version or the version you are installing is not the "
    "latest.  Re-install this application, or contact Brantwell.";
const char kUpgradeCaption[] = "Upgrade Error";
const char kClipboardText[] =
    "The error has been placed in the clipboard.  Press CTRL-V in your email message to paste it.";
const char kClipboardCaption[] = "Assistant";
const char kCannotProceed[] = "Cannot proceed.";
const char kDiskError[] = "Disk Error";

// The data file as its user knows it: its full path, never the name of a
// table inside it.
QString ShownFileName(const TableFile& file)
{
    return QDir::toNativeSeparators(DataFilePath(file));
}

// A damaged file, or one that is no data file: the start stops, and the
// program offers to repair the file or restore it from a backup. The file
// is left as it is, so the repair or the restore still finds it.
void ReportInvalidDataFile(const TableFile& file)
{
    StopProgramForDamagedFile(ResolveDataFileName(file.Name(), file.Definition().Label()).path,
                              QStringLiteral("The data file ") + ShownFileName(file) +
                                  QStringLiteral(" cannot be used: it is damaged, or it is not a Velmora data "
                                                 "file.|Error: ") +
                                  file.LastError().Describe() + QStringLiteral("||The file has been left as it is."));
}

// The text of the stop after a data file could not be opened: what failed,
// and what the user can do about it.
QString DiskErrorText(const TableFile& file)
{
    const QString path = ShownFileName(file);
    QString advice;
    switch (file.ErrorCode()) {
    case kAccessDenied:
        advice = QStringLiteral("Your user may not read or create this file. Make the data directory and its "
                                "files readable (and writable, to keep changes) for your user, or start Velmora "
                                "in a data directory of your own.");
        break;
    case kIsLocked:
        advice = QStringLiteral("Another program holds the file. Close it, or wait until it is done, then start "
                                "Velmora again.");
        break;
    case kFileNotFound:
        advice = QStringLiteral("The file is missing. Restore it from a backup, or start Velmora in the data "
                                "directory that holds it.");
        break;
    default:
        advice = QStringLiteral("Check that the disk has room and can be read, then start Velmora again. If the "
                                "file itself is at fault, restore it from a backup.");
        break;
    }
    return QStringLiteral("Velmora cannot go on without the data file|") + path + QStringLiteral("|Error: ") +
           file.LastError().Describe() + QStringLiteral("||") + advice + QStringLiteral("||Velmora will now close.");
}

void ReportUpgradeError(const TableFile& file)
{
    Prompt::Message(QLatin1String(kUpgradeText), QLatin1String(kUpgradeCaption), PromptIcon::Stop);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::clipboard()->setText(
            UpgradeErrorClipboardText(file.Error(), QDir::toNativeSeparators(QDir::currentPath())));
    }
    Prompt::Message(QLatin1String(kClipboardText), QLatin1String(kClipboardCaption), PromptIcon::Information);
    StopProgram(QLatin1String(kCannotProceed));
}

} // namespace

QString UpgradeErrorClipboardText(const QString& errorText, const QString& directory)
{
    const QString lineBreak = QStringLiteral("\r\n");
    return lineBreak + QStringLiteral("Error:  ") + Clip(errorText) + lineBreak + QStringLiteral("Path:  ") +
           Clip(directory) + lineBreak;
}

bool OpenDataFile(TableFile& file, bool create, bool quiet, int accessMode, bool exclusive)
{
    const int mode = exclusive ? AccessMode::kReadWrite : accessMode;
    file.Open(mode);
    // Another program holds the file: once more, after its lock wait.
    if (file.ErrorCode() == kIsLocked)
        file.Open(mode);

    switch (file.ErrorCode()) {
    case kNoError:
    case kFileAlreadyOpen:
        return true;
    case kFileNotFound:
        if (quiet)
            break;
        if (!create) {
            ShowFileWarning(kWarnFileCreationError, ShownFileName(file), file.LastError());
            return false;
        }
        if (!file.Create()) {
            ShowFileWarning(kWarnFileCreationError, ShownFileName(file), file.LastError());
            return false;
        }
        if (file.Open(mode))
            return true;
        ShowFileWarning(kWarnCreatedFileOpenError, ShownFileName(file), file.LastError());
        return false;
    case kKeysNeedRebuilding:
        if (ShowFileWarning(kWarnInvalidKey, ShownFileName(file), file.LastError()) != 2)
            return false;
        if (!file.RebuildKeys()) {
            ShowFileWarning(kWarnKeyRebuildError, ShownFileName(file), file.LastError());
            return false;
        }
        file.Open(mode);
        if (file.ErrorCode() == kNoError || file.ErrorCode() == kFileAlreadyOpen)
            return true;
        break;
    case kInvalidRecordDeclaration:
        ReportUpgradeError(file);
        return false;
    case kInvalidDataFile:
        ReportInvalidDataFile(file);
        return false;
    default:
        break;
    }

    if (ShowFileWarning(kWarnFileAccessError, ShownFileName(file), file.LastError()) != 0)
        StopProgram(QLatin1String(kDiskError), DiskErrorText(file));
    return false;
}

} // namespace vl
