#include "platform/data/LogFrames.h"

#include "platform/data/EngineLocks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vl {

namespace {

constexpr int64_t kHeader = 32;
constexpr int64_t kFrameHeader = 24;
constexpr uint32_t kMagic = 0x377f0682; // with its lowest bit set: checksums over big-endian words
constexpr uint32_t kVersion = 3007000;
// Set-aside copies of one log kept at most: a name is looked for among these.
constexpr int kMaxSetAsideCopies = 1000;

uint32_t Be(const char* bytes)
{
    const auto* b = reinterpret_cast<const uint8_t*>(bytes);
    return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3];
}

uint32_t Le(const char* bytes)
{
    const auto* b = reinterpret_cast<const uint8_t*>(bytes);
    return uint32_t(b[3]) << 24 | uint32_t(b[2]) << 16 | uint32_t(b[1]) << 8 | b[0];
}

struct Sum {
    uint32_t one = 0;
    uint32_t two = 0;
    bool operator==(const Sum&) const = default;
};

// The log's checksum run on over bytes (a multiple of eight of them).
Sum Checksum(bool bigEndian, Sum sum, const char* bytes, int64_t size)
{
    for (int64_t i = 0; i + 8 <= size; i += 8) {
        sum.one += (bigEndian ? Be(bytes + i) : Le(bytes + i)) + sum.two;
        sum.two += (bigEndian ? Be(bytes + i + 4) : Le(bytes + i + 4)) + sum.one;
    }
    return sum;
}

bool IsPageSize(int64_t size)
{
    return size >= 512 && size <= 65536 && (size & (size - 1)) == 0;
}

struct Frame {
    uint32_t page = 0;
    uint32_t commit = 0; // the file's length in pages after the commit it ends; 0 inside a commit
    uint32_t salt1 = 0;
    uint32_t salt2 = 0;
    bool sums = false; // its checksum runs on from the one stored before it
    int64_t at = 0;
};

// The frames of the log, each checked against the checksum stored in the
// frame before it (the header's for the first).
std::vector<Frame> Frames(QFile& log, int pageSize, bool bigEndian, Sum stored)
{
    std::vector<Frame> frames;
    const int64_t length = kFrameHeader + pageSize;
    for (int64_t at = kHeader; at + length <= log.size(); at += length) {
        if (!log.seek(at))
            break;
        const QByteArray bytes = log.read(length);
        if (bytes.size() != length)
            break;
        const char* b = bytes.constData();
        Frame frame{Be(b), Be(b + 4), Be(b + 8), Be(b + 12), false, at};
        const Sum sum = Checksum(bigEndian, Checksum(bigEndian, stored, b, 8), b + kFrameHeader, pageSize);
        stored = {Be(b + 16), Be(b + 20)};
        frame.sums = sum == stored;
        frames.push_back(frame);
    }
    return frames;
}

int64_t Checking(const std::vector<Frame>& frames)
{
    int64_t count = 0;
    for (const Frame& frame : frames)
        count += frame.sums ? 1 : 0;
    return count;
}

// The page size in the header of the data file at path; 0 when none.
int FilePageSize(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(18);
    if (header.size() < 18)
        return 0;
    const int size = static_cast<uint8_t>(header[16]) << 8 | static_cast<uint8_t>(header[17]);
    return size == 1 ? 65536 : size;
}

} // namespace

LogFrames ReadLogFrames(const QString& logPath, int pageSize)
{
    LogFrames result;
    QFile log(logPath);
    if (!log.open(QIODevice::ReadOnly) || log.size() <= kHeader)
        return result;
    const QByteArray header = log.read(kHeader);
    if (header.size() != kHeader)
        return result;
    const char* h = header.constData();
    const bool bigEndian = Be(h) & 1;
    const Sum stored{Be(h + 24), Be(h + 28)};
    const bool headerChecks = (Be(h) & ~1u) == kMagic && Be(h + 4) == kVersion && IsPageSize(Be(h + 8)) &&
                              Checksum(bigEndian, {}, h, 24) == stored;
    std::vector<Frame> frames;
    uint32_t salt1 = Be(h + 16);
    uint32_t salt2 = Be(h + 20);
    if (headerChecks) {
        result.pageSize = static_cast<int>(Be(h + 8));
        frames = Frames(log, result.pageSize, bigEndian, stored);
    } else {
        // The frames are read as the data file's pages, in the byte order
        // under which more of them check; they belong to the log of the
        // first one that does. A header without a whole frame after it held
        // no change.
        result.pageSize = IsPageSize(pageSize) ? pageSize : IsPageSize(Be(h + 8)) ? static_cast<int>(Be(h + 8)) : 0;
        result.damaged = result.pageSize == 0 || log.size() >= kHeader + kFrameHeader + result.pageSize;
        if (result.pageSize == 0)
            return result;
        std::vector<Frame> little = Frames(log, result.pageSize, false, stored);
        std::vector<Frame> big = Frames(log, result.pageSize, true, stored);
        frames = Checking(big) > Checking(little) ? std::move(big) : std::move(little);
        const auto first = std::find_if(frames.begin(), frames.end(), [](const Frame& f) { return f.sums; });
        if (first == frames.end())
            return result;
        salt1 = first->salt1;
        salt2 = first->salt2;
    }
    // Frames of an earlier use of the log file, after the current ones, have
    // other salts.
    const auto intact = [&](const Frame& frame) {
        return frame.sums && frame.page != 0 && frame.salt1 == salt1 && frame.salt2 == salt2;
    };
    int64_t last = -1;
    for (size_t i = 0; i < frames.size(); ++i) {
        if (intact(frames[i]) && frames[i].commit != 0)
            last = static_cast<int64_t>(i);
    }
    // A commit counts only whole: every frame of it checks. Its pages then
    // replace those of the commits before it.
    bool unbroken = headerChecks;
    bool commitWhole = true;
    std::vector<const Frame*> commit;
    for (int64_t i = 0; i <= last; ++i) {
        const Frame& frame = frames[i];
        if (!intact(frame)) {
            result.damaged = true;
            unbroken = false;
            commitWhole = false; // its commit, which it still ends when it says so, is left out
        }
        commit.push_back(&frame);
        if (frame.commit == 0)
            continue;
        if (commitWhole) {
            for (const Frame* part : commit)
                result.pages[part->page] = part->at + kFrameHeader;
            result.filePages = frame.commit;
        }
        if (unbroken)
            result.engineReads = frame.at + kFrameHeader + result.pageSize;
        commit.clear();
        commitWhole = true;
    }
    if (headerChecks && result.engineReads == 0)
        result.engineReads = kHeader;
    // A page past the file's last length was cut off by a later commit.
    std::erase_if(result.pages, [&result](const auto& page) { return page.first > result.filePages; });
    return result;
}

namespace {

// Makes copy under the first name beside log that no file has, created
// exclusively (no other program can take the same name), with the log's
// bytes and mode, on the disk before it returns. Empty when none could be
// made; a part made of it is removed, and nothing else.
QString CopyExclusively(const QString& log)
{
    const QByteArray from = QFile::encodeName(log);
    const int source = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    if (source < 0)
        return QString();
    struct stat info {};
    ::fstat(source, &info);
    QString copy;
    int target = -1;
    for (int n = 1; target < 0 && n <= kMaxSetAsideCopies; ++n) {
        copy = log + QStringLiteral(".damaged") + (n == 1 ? QString() : QString::number(n));
        target = ::open(QFile::encodeName(copy).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                        info.st_mode & 07777);
        if (target < 0 && errno != EEXIST)
            break;
    }
    bool copied = target >= 0;
    char buffer[65536];
    for (off_t left = info.st_size; copied && left > 0;) { // bounded by the log's size when it was set aside
        const ssize_t got = ::read(source, buffer, std::min<off_t>(left, sizeof buffer));
        copied = got > 0 && ::write(target, buffer, got) == got;
        left -= got > 0 ? got : 0;
    }
    copied = copied && ::fsync(target) == 0;
    ::close(source);
    if (target >= 0)
        ::close(target);
    if (!copied) {
        if (target >= 0)
            QFile::remove(copy); // the part this call made: a full disk leaves the log as it is
        return QString();
    }
    return copy;
}

} // namespace

QStringList SetAsideLogsOf(const QString& path)
{
    const QFileInfo file(path);
    const QString base = file.fileName() + QStringLiteral("-wal.damaged");
    std::map<int, QString> byNumber;
    for (const QString& name : file.dir().entryList({base + QLatin1Char('*')}, QDir::Files | QDir::Hidden)) {
        const QString suffix = name.mid(base.size());
        bool number = suffix.isEmpty();
        const int n = number ? 1 : suffix.toInt(&number);
        if (number && n >= 1)
            byNumber[n] = file.dir().filePath(name);
    }
    QStringList newestFirst;
    for (auto it = byNumber.rbegin(); it != byNumber.rend(); ++it)
        newestFirst << it->second;
    return newestFirst;
}

QString SetAsideDamagedLog(const QString& path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    const QString log = file + QStringLiteral("-wal");
    if (QFileInfo(log).size() <= kHeader)
        return QString();
    // The engine's own lock of the whole file, held from the check to the
    // cut: no program has the file open meanwhile, nor can open it (another
    // one setting the same log aside waits for it here, and then finds the
    // log cut). A log another connection reads, here or elsewhere, is theirs.
    const ExclusiveFileLock engineLock(file);
    if (!engineLock.Held())
        return QString();
    const LogFrames frames = ReadLogFrames(log, FilePageSize(file));
    if (!frames.damaged)
        return QString();
    const QString copy = CopyExclusively(log);
    if (copy.isEmpty())
        return QString();
    // Cut to what the engine reads, so that no later write of the engine
    // mixes with the unread commits; when the cut fails the copy still holds
    // them, and the user is told of it.
    if (::truncate(QFile::encodeName(log).constData(), frames.engineReads) != 0)
        qWarning("The damaged log %s could not be cut: %s", qPrintable(log), strerror(errno));
    return copy;
}

} // namespace vl
