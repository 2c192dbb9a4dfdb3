#include "core/shell/LiveDataFiles.h"

#include <QString>

#include <algorithm>

namespace vl {
namespace fs = std::filesystem;

namespace {

fs::path Resolved(const fs::path& path)
{
    std::error_code error;
    fs::path resolved = fs::weakly_canonical(fs::absolute(path, error), error);
    return error ? fs::absolute(path, error).lexically_normal() : resolved;
}

} // namespace

bool IsDataFileName(const fs::path& name)
{
    const QString text = QString::fromStdString(name.filename().string()).toUpper();
    for (const char* suffix : {".TPS", ".TPS-JOURNAL", ".TPS-WAL", ".TPS-SHM"}) {
        if (text.endsWith(QLatin1String(suffix)))
            return true;
    }
    return false;
}

bool IsWithin(const fs::path& path, const fs::path& directory)
{
    const fs::path inner = Resolved(path);
    const fs::path outer = Resolved(directory);
    // Compared by components, so "/data2" is not inside "/data".
    auto innerIt = inner.begin();
    for (auto outerIt = outer.begin(); outerIt != outer.end(); ++outerIt, ++innerIt) {
        if (outerIt->empty() && std::next(outerIt) == outer.end())
            return true; // a trailing separator
        if (innerIt == inner.end() || *innerIt != *outerIt)
            return false;
    }
    return true;
}

bool IsLiveDataFile(const fs::path& path, const fs::path& dataDirectory)
{
    if (!IsDataFileName(path))
        return false;
    std::error_code error;
    const fs::path parent = fs::absolute(path, error).parent_path();
    return Resolved(parent) == Resolved(dataDirectory);
}

bool HoldsDataDirectory(const fs::path& directory, const fs::path& dataDirectory)
{
    std::error_code error;
    if (!fs::is_directory(fs::symlink_status(directory, error)))
        return false;
    return IsWithin(dataDirectory, directory);
}

} // namespace vl
