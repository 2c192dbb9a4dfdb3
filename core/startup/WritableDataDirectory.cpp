#include "core/startup/WritableDataDirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include "platform/data/Connection.h"
#include "platform/ui/PromptService.h"

namespace vl {
namespace {

const char kCaption[] = "Data Directory Not Writable";

// Asked of the data layer too, which opens a file it may not write for
// reading only: the box and the opens agree.
bool CanCreateFileIn(const QString& directory)
{
    if (!CurrentDataFileAccess().MayWrite(QDir(directory).filePath(QStringLiteral(".vlmr-write-check"))))
        return false;
    QTemporaryFile probe(QDir(directory).filePath(QStringLiteral(".vlmr-write-check-XXXXXX")));
    return probe.open(); // removed again when it goes out of scope
}

bool DataFilesWritable(const QString& directory)
{
    // The suffix is compared here rather than through a name filter: a
    // filter is a regular expression, whose compiler would stay in the
    // waiting program's memory for this one look at start.
    for (const QFileInfo& file : QDir(directory).entryInfoList(QDir::Files)) {
        if (file.suffix().compare(QLatin1String("TPS"), Qt::CaseInsensitive) != 0)
            continue;
        if (!CurrentDataFileAccess().MayWrite(file.absoluteFilePath()))
            return false;
    }
    return true;
}

} // namespace

bool CheckDataDirectoryWritable(PromptService& prompt, const QString& directory)
{
    if (CanCreateFileIn(directory) && DataFilesWritable(directory))
        return true;
    const QString path = QDir::toNativeSeparators(QFileInfo(directory).absoluteFilePath());
    prompt.Message(QStringLiteral("Velmora cannot write in its data directory|") + path +
                       QStringLiteral("||Until it can, changes to tasks and settings are not kept, and messages "
                                      "are shown by this program instead of the message program. Make the "
                                      "directory and its files writable for your user (for example: chmod -R "
                                      "u+w \"") +
                       path + QStringLiteral("\"), then start Velmora again."),
                   QLatin1String(kCaption), PromptIcon::Exclamation, QString(), 1);
    return false;
}

} // namespace vl
