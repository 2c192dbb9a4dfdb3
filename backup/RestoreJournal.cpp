#include "backup/RestoreJournal.h"

#include "platform/ui/PromptService.h"
#include "platform/zip/WorkFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace vl {

namespace {

constexpr char kCaption[] = "Restore";

QString Field(const QString& text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString Unfield(const QString& field)
{
    return QUrl::fromPercentEncoding(field.toLatin1());
}

// Writes the folder's list of names through to the disk, so that a file
// created or removed there stays so after a power failure.
void SyncFolder(const QString& dir)
{
    const int folder = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

ZipResult JournalFailure(const QString& path)
{
    return FileFailure(std::error_code(errno, std::generic_category()), path);
}

// Adds a line to the journal, written through to the disk.
bool AppendLine(int fd, const QString& line)
{
    const QByteArray bytes = (line + QLatin1Char('\n')).toLatin1();
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step = ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return false;
        written += step;
    }
    return ::fdatasync(fd) == 0;
}

// The line recording the way chosen for swap n, or that it is placed.
QString StepLine(qsizetype n, const RestoreSwap& swap)
{
    if (swap.placed)
        return QStringLiteral("placed\t%1").arg(n);
    return QStringLiteral("way\t%1\t%2")
        .arg(n)
        .arg(swap.way == RestoreSwap::Way::ThroughData ? QLatin1String("data") : QLatin1String("rename"));
}

// What a journal read back says: the work folder, the swaps with the way
// chosen and whether placed, and whether placing had begun.
struct JournalContent {
    QString workFolder;
    QList<RestoreSwap> swaps;
    bool begun = false;
};

JournalContent ReadJournal(int fd)
{
    JournalContent content;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return content;
    // A line cut short by a stop while it was written counts as not written.
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype n = 0; n + 1 < lines.size(); ++n) {
        const QStringList fields = QString::fromLatin1(lines.at(n)).split(QLatin1Char('\t'));
        const QString& kind = fields.at(0);
        const qsizetype index = fields.size() > 1 ? fields.at(1).toLongLong() : -1;
        const bool known = index >= 0 && index < content.swaps.size();
        if (kind == QLatin1String("work") && fields.size() == 2)
            content.workFolder = Unfield(fields.at(1));
        else if (kind == QLatin1String("swap") && fields.size() == 4)
            content.swaps.append({Unfield(fields.at(1)), Unfield(fields.at(2)), Unfield(fields.at(3))});
        else if (kind == QLatin1String("begin"))
            content.begun = true;
        else if (kind == QLatin1String("way") && known && fields.size() == 3)
            content.swaps[index].way = fields.at(2) == QLatin1String("data") ? RestoreSwap::Way::ThroughData
                                                                              : RestoreSwap::Way::Renamed;
        else if (kind == QLatin1String("placed") && known)
            content.swaps[index].placed = true;
    }
    return content;
}

// Every file not yet placed still waits in the work folder.
bool AllStaged(const QList<RestoreSwap>& swaps)
{
    for (const RestoreSwap& swap : swaps) {
        const bool movedIn = swap.way == RestoreSwap::Way::Renamed && !QFileInfo::exists(swap.staged)
                             && QFileInfo::exists(swap.target);
        if (!swap.placed && !movedIn && !QFileInfo::exists(swap.staged))
            return false;
    }
    return true;
}

// Places the swaps not placed yet, recording each step as the restore
// itself does; false at the first that fails.
bool PlaceRest(int fd, QList<RestoreSwap>& swaps, QString& failure)
{
    for (qsizetype n = 0; n < swaps.size(); ++n) {
        RestoreSwap& swap = swaps[n];
        if (swap.placed)
            continue;
        ZipResult result;
        if (swap.way == RestoreSwap::Way::NotStarted) {
            result = ChooseWay(swap);
            if (result.Ok() && !AppendLine(fd, StepLine(n, swap)))
                result = JournalFailure(QLatin1String(kRestoreJournalName));
        }
        if (result.Ok())
            result = PlaceSwap(swap);
        if (result.Ok() && !AppendLine(fd, StepLine(n, swap)))
            result = JournalFailure(QLatin1String(kRestoreJournalName));
        if (!result.Ok()) {
            failure = result.detail;
            return false;
        }
    }
    return true;
}

bool TakeBackAll(const QList<RestoreSwap>& swaps)
{
    bool back = true;
    for (qsizetype n = swaps.size() - 1; n >= 0; --n)
        back = TakeBackSwap(swaps.at(n)) && back;
    return back;
}

} // namespace

RestoreJournal::~RestoreJournal()
{
    if (fd_ < 0)
        return;
    if (!leave_) {
        QFile::remove(path_);
        SyncFolder(QFileInfo(path_).absolutePath());
    }
    ::close(fd_); // and with it the lock
}

ZipResult RestoreJournal::Start(const QString& dir, const QString& workFolder)
{
    path_ = QDir(dir).absoluteFilePath(QLatin1String(kRestoreJournalName));
    fd_ = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        if (errno == EEXIST)
            return ZipResult::Fail(kZipCreateFileError,
                                   path_ + QStringLiteral(": another restore into this folder is running."));
        return JournalFailure(path_);
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const ZipResult failure = JournalFailure(path_);
        ::close(fd_);
        fd_ = -1;
        return failure;
    }
    SyncFolder(dir);
    return Append(QStringLiteral("work\t") + Field(QFileInfo(workFolder).absoluteFilePath()));
}

ZipResult RestoreJournal::Begin(const QList<RestoreSwap>& swaps)
{
    QString lines;
    for (const RestoreSwap& swap : swaps)
        lines += QStringLiteral("swap\t%1\t%2\t%3\n").arg(Field(swap.staged), Field(swap.target), Field(swap.kept));
    return Append(lines + QStringLiteral("begin"));
}

ZipResult RestoreJournal::Note(qsizetype n, const RestoreSwap& swap)
{
    return Append(StepLine(n, swap));
}

ZipResult RestoreJournal::Append(const QString& line)
{
    return AppendLine(fd_, line) ? ZipResult() : JournalFailure(path_);
}

void FinishUnfinishedRestore(const QString& dir)
{
    const QString path = QDir(dir).absoluteFilePath(QLatin1String(kRestoreJournalName));
    if (!QFileInfo::exists(path))
        return;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd); // still running
        return;
    }
    JournalContent content = ReadJournal(fd);
    QString said = QStringLiteral("A restore into %1 was stopped before it changed any file; no file was changed.")
                       .arg(dir);
    bool done = true;
    if (content.begun) {
        QString failure;
        if (AllStaged(content.swaps) && PlaceRest(fd, content.swaps, failure)) {
            said = QStringLiteral("A restore into %1 was stopped part way; it has now been completed.").arg(dir);
        } else if (TakeBackAll(content.swaps)) {
            said = QStringLiteral("A restore into %1 was stopped part way; it has been taken back, and the files are "
                                  "as they were before it.")
                       .arg(dir);
            if (!failure.isEmpty())
                said += QStringLiteral("|") + failure;
        } else {
            done = false;
            said = QStringLiteral("A restore into %1 was stopped part way and could not be taken back yet. It is "
                                  "tried again at the next start; the old files are kept in %2.")
                       .arg(dir, content.workFolder);
        }
    }
    if (done) {
        if (!content.workFolder.isEmpty()
            && QFileInfo(content.workFolder).fileName().startsWith(QLatin1String(kWorkFolderPrefix)))
            QDir(content.workFolder).removeRecursively();
        QFile::remove(path);
        SyncFolder(dir);
    }
    ::close(fd);
    Prompt::Message(said, QLatin1String(kCaption), done ? PromptIcon::Information : PromptIcon::Stop);
}

void RemoveDeadWorkFiles(const QString& dir)
{
    QString needed;
    const QString path = QDir(dir).absoluteFilePath(QLatin1String(kRestoreJournalName));
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        needed = ReadJournal(fd).workFolder;
        ::close(fd);
    }
    RemoveDeadWorkFolders(dir, needed);
}

} // namespace vl
