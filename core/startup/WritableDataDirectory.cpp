#include "core/startup/WritableDataDirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include "platform/data/Connection.h"
#include "platform/ui/PromptService.h"

#include <unistd.h>

namespace vl {
namespace {

const char kCaption[] = "Data Directory Not Writable";
const char kReadOnlyMark[] = " (read-only)";

bool gReadOnly = false;

// Asked of the data layer too, which opens a file it may not write for
// reading only: the box and the opens agree.
bool CanCreateFileIn(const QString& directory)
{
    if (!CurrentDataFileAccess().MayWrite(QDir(directory).filePath(QStringLiteral(".vlmr-write-check"))))
        return false;
    QTemporaryFile probe(QDir(directory).filePath(QStringLiteral(".vlmr-write-check-XXXXXX")));
    return probe.open(); // removed again when it goes out of scope
}

// The data files of the directory (*.TPS). The suffix is compared here
// rather than through a name filter: a filter is a regular expression, whose
// compiler would stay in the waiting program's memory for this one look at
// start.
QFileInfoList DataFiles(const QString& directory)
{
    QFileInfoList files;
    for (const QFileInfo& file : QDir(directory).entryInfoList(QDir::Files)) {
        if (file.suffix().compare(QLatin1String("TPS"), Qt::CaseInsensitive) == 0)
            files << file;
    }
    return files;
}

bool DataFilesWritable(const QString& directory)
{
    for (const QFileInfo& file : DataFiles(directory)) {
        if (!CurrentDataFileAccess().MayWrite(file.absoluteFilePath()))
            return false;
    }
    return true;
}

// Only the owner of the directory and its files can give the write access
// back to themselves; anyone else has to ask for it or work on a copy.
bool OwnedByUser(const QString& directory)
{
    const uint user = ::geteuid();
    if (QFileInfo(directory).ownerId() != user)
        return false;
    for (const QFileInfo& file : DataFiles(directory)) {
        if (file.ownerId() != user)
            return false;
    }
    return true;
}

} // namespace

bool CheckDataDirectoryWritable(PromptService& prompt, const QString& directory)
{
    gReadOnly = !(CanCreateFileIn(directory) && DataFilesWritable(directory));
    if (!gReadOnly)
        return true;
    const QString path = QDir::toNativeSeparators(QFileInfo(directory).absoluteFilePath());
    const QString remedy =
        OwnedByUser(directory)
            ? QStringLiteral("Make the directory and its files writable for your user (for example: chmod -R u+w \"") +
                  path + QStringLiteral("\"), then start Velmora again.")
            : QStringLiteral("The directory or its files belong to another user: ask that user for write access, "
                             "or copy the directory to a place of your own and start Velmora there.");
    prompt.Message(QStringLiteral("Velmora cannot write in its data directory|") + path +
                       QStringLiteral("||Velmora shows the data read-only. Until it can write there, changes to "
                                      "tasks and settings are not kept, and messages are shown by this program "
                                      "instead of the message program. ") +
                       remedy,
                   QLatin1String(kCaption), PromptIcon::Exclamation, QString(), 1);
    return false;
}

QString MarkedTitle(const QString& title)
{
    return gReadOnly ? title + QLatin1String(kReadOnlyMark) : title;
}

QString RefusedWriteText(const QString& what, const DataError& error)
{
    if (error.code == kAccessDenied && gReadOnly)
        return what + QStringLiteral(" cannot be stored: the data directory is read-only for your user, so Velmora "
                                     "only shows the data.|Error: ") +
               error.Describe();
    return QString();
}

} // namespace vl
