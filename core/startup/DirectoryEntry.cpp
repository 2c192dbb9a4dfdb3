#include "core/startup/DirectoryEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace vl {
namespace {

class SystemDirectoryEntry : public DirectoryEntry {
public:
    int EntryError(const QString& directory) const override
    {
        const QByteArray path = QFile::encodeName(directory);
        struct stat status {};
        if (::stat(path.constData(), &status) != 0)
            return errno;
        if (!S_ISDIR(status.st_mode))
            return ENOTDIR;
        return ::access(path.constData(), R_OK | X_OK) == 0 ? 0 : errno;
    }
};

} // namespace

const DirectoryEntry& CurrentDirectoryEntry()
{
    static const SystemDirectoryEntry system;
    return InstalledOr<const DirectoryEntry>(system);
}

int EnterDirectory(const QString& directory)
{
    if (const int error = CurrentDirectoryEntry().EntryError(directory))
        return error;
    return ::chdir(QFile::encodeName(directory).constData()) == 0 ? 0 : errno;
}

QString UnusableDirectoryText(const QString& directory, int error)
{
    return QStringLiteral("Velmora cannot open this directory for its data:|") +
           QDir::toNativeSeparators(QFileInfo(directory).absoluteFilePath()) + QStringLiteral("||") +
           QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char('.');
}

} // namespace vl
