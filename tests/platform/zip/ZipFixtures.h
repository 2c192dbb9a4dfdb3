#pragma once
// Archives and conditions the zip tests share: archives with any member name
// written straight through libzip, a damaged copy of an archive, and a file
// size limit that makes writes fail as a full disk does.

#include "tests/support/TempDir.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

#include <zip.h>

#include <csignal>
#include <sys/resource.h>

namespace vl::test {

// Writes an archive of (name, content) members, names taken as they are.
inline bool WriteRawArchive(const QString& path, const QList<QPair<QString, QByteArray>>& members)
{
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        return false;
    for (const auto& member : members) {
        zip_source_t* source = zip_source_buffer(zip, member.second.constData(),
                                                 static_cast<zip_uint64_t>(member.second.size()), 0);
        if (zip_file_add(zip, member.first.toUtf8().constData(), source, 0) < 0) {
            zip_source_free(source);
            zip_discard(zip);
            return false;
        }
    }
    return zip_close(zip) == 0;
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

enum class Damage { Truncated, FlippedDataByte, NotAnArchive };

// A damaged copy of a good archive whose first member holds compressible
// text (so a flipped byte in its data is found by its checksum).
inline void DamageArchive(const QString& path, Damage damage)
{
    QByteArray bytes = ReadFileBytes(path);
    switch (damage) {
    case Damage::Truncated:
        bytes.truncate(bytes.size() / 2);
        break;
    case Damage::FlippedDataByte:
        bytes[40] = static_cast<char>(bytes.at(40) ^ 0x55); // inside the first member's data
        break;
    case Damage::NotAnArchive:
        bytes = "This is no archive at all, only text.";
        break;
    }
    WriteBytes(path, bytes);
}

// While it lives, no file of this process may grow beyond the limit: writes
// past it fail (EFBIG) as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace vl::test
