#include "core/shell/ShellFileWork.h"

#include "core/shell/LiveDataFiles.h"
#include "core/shell/ShellNames.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

namespace vl {
namespace fs = std::filesystem;

namespace {

fs::path ToPath(const QString& text)
{
    return fs::path(QFile::encodeName(text).toStdString());
}

QString FromPath(const fs::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

// Absolute and lexically normal, without a trailing separator.
fs::path Normal(const fs::path& path)
{
    std::error_code error;
    fs::path normal = fs::absolute(path, error).lexically_normal();
    if (!normal.has_filename() && normal != normal.root_path())
        normal = normal.parent_path();
    return normal;
}

bool HasWildcard(const QString& text)
{
    return text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?'));
}

bool Exists(const fs::path& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

bool IsFolder(const fs::path& path) // a real folder, not a link to one
{
    std::error_code error;
    return fs::is_directory(fs::symlink_status(path, error));
}

ShellFileResult Refused(int code, const QString& message)
{
    return ShellFileResult::Failure(code, message);
}

ShellFileResult FromError(const std::error_code& error, const QString& action, const fs::path& path)
{
    int code = ShellFileCode::FileSystemError;
    if (error == std::errc::no_such_file_or_directory)
        code = ShellFileCode::FileNotFound;
    else if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted
             || error == std::errc::read_only_file_system)
        code = ShellFileCode::AccessDenied;
    return Refused(code, action + QLatin1Char(' ') + FromPath(path) + QStringLiteral(": ")
                             + QString::fromStdString(error.message()));
}

ShellFileResult LiveDataRefusal(const fs::path& path)
{
    return Refused(ShellFileCode::AccessDenied,
                   FromPath(path) + QStringLiteral(" is a data file in use by the program and is left untouched"));
}

struct Sources {
    std::vector<fs::path> items;
    bool several = false; // a wildcard or more than one name: the target is a folder
};

ShellFileResult ExpandSources(const QStringList& names, bool filesOnly, Sources& sources)
{
    sources.several = names.size() > 1;
    for (const QString& name : names) {
        const fs::path path = Normal(ToPath(name));
        std::vector<fs::path> found;
        if (!HasWildcard(FromPath(path.filename()))) {
            if (!Exists(path))
                return Refused(ShellFileCode::FileNotFound, QStringLiteral("File not found: ") + FromPath(path));
            found.push_back(path);
        } else {
            sources.several = true;
            const fs::path folder = path.parent_path();
            std::error_code error;
            if (!fs::is_directory(folder, error))
                return Refused(ShellFileCode::PathNotFound, QStringLiteral("Folder not found: ") + FromPath(folder));
            const QString pattern = FromPath(path.filename());
            for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
                std::error_code ignored;
                if (filesOnly && !it->is_regular_file(ignored))
                    continue;
                if (MatchesWildcard(pattern, FromPath(it->path().filename())))
                    found.push_back(it->path());
            }
            if (error)
                return FromError(error, QStringLiteral("Cannot list"), folder);
            std::sort(found.begin(), found.end());
        }
        for (const fs::path& item : found) {
            if (std::find(sources.items.begin(), sources.items.end(), item) == sources.items.end())
                sources.items.push_back(item);
        }
    }
    if (sources.items.empty())
        return Refused(ShellFileCode::FileNotFound, QStringLiteral("No file matches ") + names.join(QStringLiteral("; ")));
    return {};
}

// Sources that are to be removed, moved or renamed.
ShellFileResult CheckSourcesMayGo(const Sources& sources, const fs::path& dataDirectory)
{
    for (const fs::path& item : sources.items) {
        if (IsLiveDataFile(item, dataDirectory))
            return LiveDataRefusal(item);
        if (HoldsDataDirectory(item, dataDirectory))
            return Refused(ShellFileCode::AccessDenied,
                           FromPath(item) + QStringLiteral(" holds the program's data files and is left untouched"));
    }
    return {};
}

// Refuses copying or moving the folder from onto to when that would write
// over a live data file (to is, or lies above, the data directory). A folder
// that cannot be listed whole is refused too: what it holds is unknown.
ShellFileResult CheckTreeSparesLiveData(const fs::path& from, const fs::path& to, const fs::path& dataDirectory)
{
    if (!IsWithin(dataDirectory, to))
        return {};
    std::error_code error;
    for (fs::recursive_directory_iterator it(from, error), end; !error && it != end; it.increment(error)) {
        if (IsLiveDataFile(to / it->path().lexically_relative(from), dataDirectory))
            return Refused(ShellFileCode::AccessDenied,
                           FromPath(to) + QStringLiteral(" holds the program's data files and is left untouched"));
    }
    if (error)
        return FromError(error, QStringLiteral("Cannot list"), from);
    return {};
}

// A name beside path for writing a new version before it replaces path.
fs::path TemporaryBeside(const fs::path& path)
{
    static std::atomic<unsigned> counter{0};
    return path.parent_path()
           / ("." + path.filename().string() + ".part-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
}

// Writes a new entry under a temporary name with write, then renames it over
// to, so to is replaced whole or not at all.
template <typename Write>
ShellFileResult ReplaceEntry(const fs::path& from, const fs::path& to, Write write)
{
    if (IsFolder(to))
        return Refused(ShellFileCode::AccessDenied, QStringLiteral("A folder is in the way: ") + FromPath(to));
    std::error_code error;
    fs::path temporary;
    for (int attempt = 0; attempt < 100; ++attempt) {
        error.clear();
        temporary = TemporaryBeside(to);
        write(temporary, error);
        if (error != std::errc::file_exists)
            break; // a leftover of an earlier run holds the name: take the next one
    }
    if (!error)
        fs::rename(temporary, to, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return FromError(error, QStringLiteral("Cannot copy"), from);
    }
    return {};
}

ShellFileResult CopyFile(const fs::path& from, const fs::path& to)
{
    return ReplaceEntry(from, to, [&](const fs::path& temporary, std::error_code& error) {
        if (!fs::copy_file(from, temporary, error))
            return;
        std::error_code timeError;
        const auto modified = fs::last_write_time(from, timeError);
        if (!timeError)
            fs::last_write_time(temporary, modified, timeError);
    });
}

ShellFileResult CopyLink(const fs::path& from, const fs::path& to)
{
    return ReplaceEntry(from, to, [&](const fs::path& temporary, std::error_code& error) {
        fs::copy_symlink(from, temporary, error);
    });
}

std::vector<fs::path> Children(const fs::path& folder, std::error_code& error)
{
    std::vector<fs::path> children;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        children.push_back(it->path());
    return children;
}

// Copies a file, or a folder with all it holds (merged into an existing
// folder). Links inside a folder are copied as links; a link named itself is
// followed unless keepLink.
ShellFileResult CopyEntry(const fs::path& from, const fs::path& to, bool keepLink)
{
    std::error_code error;
    const fs::file_status status = keepLink ? fs::symlink_status(from, error) : fs::status(from, error);
    if (fs::is_symlink(status))
        return CopyLink(from, to);
    if (!fs::is_directory(status))
        return CopyFile(from, to);
    if (Exists(to) && !IsFolder(to))
        return Refused(ShellFileCode::AccessDenied, QStringLiteral("A file is in the way: ") + FromPath(to));
    fs::create_directories(to, error);
    if (error)
        return FromError(error, QStringLiteral("Cannot create"), to);
    const std::vector<fs::path> children = Children(from, error);
    if (error)
        return FromError(error, QStringLiteral("Cannot list"), from);
    for (const fs::path& child : children) {
        const ShellFileResult copied = CopyEntry(child, to / child.filename(), true);
        if (!copied.Ok())
            return copied;
    }
    return {};
}

// Moves a file or folder; a folder onto an existing folder is merged into it.
ShellFileResult MoveEntry(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    if (Exists(to)) {
        if (IsFolder(from) != IsFolder(to))
            return Refused(ShellFileCode::AccessDenied, QStringLiteral("Something else is in the way: ") + FromPath(to));
        if (IsFolder(from)) {
            const std::vector<fs::path> children = Children(from, error);
            if (error)
                return FromError(error, QStringLiteral("Cannot list"), from);
            for (const fs::path& child : children) {
                const ShellFileResult moved = MoveEntry(child, to / child.filename());
                if (!moved.Ok())
                    return moved;
            }
            fs::remove(from, error);
            return error ? FromError(error, QStringLiteral("Cannot remove"), from) : ShellFileResult{};
        }
    }
    fs::rename(from, to, error);
    if (!error)
        return {};
    if (error != std::errc::cross_device_link)
        return FromError(error, QStringLiteral("Cannot move"), from);
    // Another file system: the original goes only once the copy is complete.
    const ShellFileResult copied = CopyEntry(from, to, true);
    if (!copied.Ok())
        return copied;
    fs::remove_all(from, error);
    return error ? FromError(error, QStringLiteral("Cannot remove"), from) : ShellFileResult{};
}

ShellFileResult Transfer(const ShellFileRequest& request, const Sources& sources, const fs::path& dataDirectory)
{
    const bool move = request.function == ShellFunction::Move;
    if (request.targets.isEmpty() || request.targets.first().trimmed().isEmpty())
        return Refused(ShellFileCode::InvalidName, QStringLiteral("No target named"));
    const QString targetText = request.targets.first();
    if (HasWildcard(targetText))
        return Refused(ShellFileCode::InvalidName, QStringLiteral("A target cannot hold wildcards: ") + targetText);
    const fs::path target = Normal(ToPath(targetText));
    std::error_code error;
    const bool intoFolder = sources.several || fs::is_directory(target, error) || targetText.endsWith(QLatin1Char('/'));

    // Every target is checked before anything is done.
    std::vector<std::pair<fs::path, fs::path>> steps;
    for (const fs::path& item : sources.items) {
        const fs::path to = intoFolder ? target / item.filename() : target;
        if (IsLiveDataFile(to, dataDirectory))
            return LiveDataRefusal(to);
        if (fs::is_directory(item, error)) {
            if (IsWithin(to, item))
                return Refused(ShellFileCode::AccessDenied,
                               QStringLiteral("A folder cannot go into itself: ") + FromPath(item));
            if (const ShellFileResult refusal = CheckTreeSparesLiveData(item, to, dataDirectory); !refusal.Ok())
                return refusal;
        }
        steps.emplace_back(item, to);
    }

    const fs::path folder = intoFolder ? target : target.parent_path();
    fs::create_directories(folder, error);
    if (error)
        return FromError(error, QStringLiteral("Cannot create"), folder);
    for (auto [from, to] : steps) {
        if (Exists(to)) {
            if (request.renameOnCollision) {
                to = CollisionFreeName(to);
                if (to.empty())
                    return Refused(ShellFileCode::AlreadyExists, QStringLiteral("No free name for ") + FromPath(from));
            } else if (fs::equivalent(from, to, error)) {
                return Refused(ShellFileCode::AccessDenied,
                               QStringLiteral("A file cannot replace itself: ") + FromPath(from));
            }
        }
        const ShellFileResult done = move ? MoveEntry(from, to) : CopyEntry(from, to, false);
        if (!done.Ok())
            return done;
    }
    return {};
}

ShellFileResult Rename(const ShellFileRequest& request, const Sources& sources, const fs::path& dataDirectory)
{
    if (sources.items.size() != 1 || sources.several)
        return Refused(ShellFileCode::InvalidName, QStringLiteral("Only one file can be renamed at a time"));
    if (request.targets.isEmpty() || request.targets.first().trimmed().isEmpty())
        return Refused(ShellFileCode::InvalidName, QStringLiteral("No new name given"));
    const QString targetText = request.targets.first();
    if (HasWildcard(targetText))
        return Refused(ShellFileCode::InvalidName, QStringLiteral("A new name cannot hold wildcards: ") + targetText);
    const fs::path from = sources.items.front();
    fs::path to = targetText.contains(QLatin1Char('/')) ? Normal(ToPath(targetText))
                                                         : from.parent_path() / ToPath(targetText);
    if (IsLiveDataFile(to, dataDirectory))
        return LiveDataRefusal(to);
    std::error_code error;
    if (!fs::is_directory(to.parent_path(), error))
        return Refused(ShellFileCode::PathNotFound, QStringLiteral("Folder not found: ") + FromPath(to.parent_path()));
    if (IsFolder(from) && IsWithin(to, from))
        return Refused(ShellFileCode::AccessDenied, QStringLiteral("A folder cannot go into itself: ") + FromPath(from));
    if (Exists(to)) {
        if (!request.renameOnCollision)
            return Refused(ShellFileCode::AlreadyExists, QStringLiteral("The name is taken: ") + FromPath(to));
        to = CollisionFreeName(to);
        if (to.empty())
            return Refused(ShellFileCode::AlreadyExists, QStringLiteral("No free name for ") + FromPath(from));
    }
    return MoveEntry(from, to);
}

// Qt makes the home trash only inside an existing data folder; without one
// it would put the file into "files" of the current directory, which is the
// data directory. So the folder is made first, and without it nothing goes.
bool MoveToTrash(const fs::path& item)
{
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty() || !QDir().mkpath(dataHome))
        return false;
    return QFile::moveToTrash(FromPath(item));
}

ShellFileResult Delete(const ShellFileRequest& request, const Sources& sources)
{
    for (const fs::path& item : sources.items) {
        if (request.allowUndo) {
            if (!MoveToTrash(item))
                return Refused(ShellFileCode::FileSystemError,
                               FromPath(item) + QStringLiteral(" could not be moved to the trash and was left in place"));
            continue;
        }
        std::error_code error;
        fs::remove_all(item, error);
        if (error)
            return FromError(error, QStringLiteral("Cannot delete"), item);
    }
    return {};
}

} // namespace

ShellFileResult RunShellFileWork(const ShellFileRequest& request)
{
    const fs::path dataDirectory =
        Normal(ToPath(request.dataDirectory.isEmpty() ? QDir::currentPath() : request.dataDirectory));
    Sources sources;
    if (ShellFileResult expanded = ExpandSources(request.sources, request.filesOnly, sources); !expanded.Ok())
        return expanded;
    if (request.function != ShellFunction::Copy) {
        if (ShellFileResult allowed = CheckSourcesMayGo(sources, dataDirectory); !allowed.Ok())
            return allowed;
    }
    switch (request.function) {
    case ShellFunction::Copy:
    case ShellFunction::Move: return Transfer(request, sources, dataDirectory);
    case ShellFunction::Rename: return Rename(request, sources, dataDirectory);
    case ShellFunction::Delete: return Delete(request, sources);
    }
    return Refused(ShellFileCode::InvalidName, QStringLiteral("Unknown file operation"));
}

} // namespace vl
