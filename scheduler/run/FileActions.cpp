#include "scheduler/run/FileActions.h"

#include "core/shell/ShellFileOperation.h"
#include "scripting/Keywords.h"
#include "scheduler/run/LogWindows.h"
#include "scheduler/run/ScriptValues.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <optional>

namespace vl {
namespace {

namespace V = FileActionValue;

// The file's codes for what is not there, as the shell operations use them.
constexpr int kNotFound = ShellFileCode::FileNotFound;
constexpr int kNotWritten = ShellFileCode::FileSystemError;

// The first entry a directory listing of the name gives: the file itself,
// or with wildcards the first match in name order.
std::optional<QFileInfo> FirstListed(const QString& name)
{
    if (name.isEmpty())
        return std::nullopt;
    const QFileInfo info(name);
    if (!name.contains(QLatin1Char('*')) && !name.contains(QLatin1Char('?')))
        return info.exists() ? std::optional(info) : std::nullopt;
    const QFileInfoList matches = info.dir().entryInfoList({info.fileName()}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                                                           QDir::Name);
    return matches.isEmpty() ? std::nullopt : std::optional(matches.first());
}

struct Outcome {
    int32_t result = 0;
    int errorCode = 0;
};

Outcome Publish(const char* name, int32_t value, int errorCode = 0)
{
    SetScriptValue(QLatin1String(name), QString::number(value));
    return {value, errorCode};
}

Outcome Shell(const char* name, int code)
{
    SetScriptValue(QLatin1String(name), QString::number(code));
    return {0, code};
}

Outcome FileFact(const QString& subAction, const QString& source)
{
    const std::optional<QFileInfo> entry = FirstListed(source);
    const int error = entry ? 0 : kNotFound;
    if (subAction == QLatin1String("Get File Size"))
        return Publish(V::FileSize, entry ? static_cast<int32_t>(entry->size()) : 0, error);
    const QDateTime stamp = entry ? entry->lastModified() : QDateTime();
    if (subAction == QLatin1String("Get File Date")) {
        const QDate date = stamp.date();
        const QString text = entry ? QString::number(date.year()) + QStringLiteral("%1%2")
                                                                      .arg(date.month(), 2, 10, QLatin1Char('0'))
                                                                      .arg(date.day(), 2, 10, QLatin1Char('0'))
                                   : QStringLiteral("0");
        SetScriptValue(QLatin1String(V::FileDate), text);
        return {text.toInt(), error};
    }
    const QTime time = stamp.time();
    const ClockTime clock = entry ? MakeClock(time.hour(), time.minute(), time.second()) : 0;
    const QString text = entry ? Picture::Format(clock, QStringLiteral("@T5")) : QStringLiteral("0");
    SetScriptValue(QLatin1String(V::FileTime), text);
    return {text.toInt(), error};
}

Outcome Perform(const QString& subAction, const QString& source, const QString& second)
{
    ShellFileOperation shell;
    shell.Prepare(false);
    if (subAction == QLatin1String("Copy"))
        return Shell(V::FileCopy, shell.Copy(second, source));
    if (subAction == QLatin1String("Rename"))
        return Shell(V::FileCopy, shell.Rename(second, source));
    if (subAction == QLatin1String("Move"))
        return Shell(V::FileMove, shell.Move(second, source));
    if (subAction == QLatin1String("Delete"))
        return Shell(V::FileDelete, shell.Delete(source, false));
    if (subAction == QLatin1String("Recycle"))
        return Shell(V::FileDelete, shell.Recycle(source));
    if (subAction == QLatin1String("Make Directory")) {
        if (source.isEmpty())
            return Publish(V::DirCreate, 0, kNotFound);
        QDir().mkpath(source);
        const bool made = QFileInfo(source).isDir();
        return Publish(V::DirCreate, made ? 1 : 0, made ? 0 : kNotWritten);
    }
    if (subAction == QLatin1String("Remove Directory")) {
        if (source.isEmpty())
            return Publish(V::DirRemove, 0, kNotFound);
        QDir().rmdir(source);
        const bool gone = !QFileInfo::exists(source);
        return Publish(V::DirRemove, gone ? 1 : 0, gone ? 0 : kNotWritten);
    }
    if (subAction == QLatin1String("Get File Date") || subAction == QLatin1String("Get File Time")
        || subAction == QLatin1String("Get File Size"))
        return FileFact(subAction, source);
    if (subAction == QLatin1String("File Exists") || subAction == QLatin1String("If File Exists")) {
        const bool exists = FirstListed(source).has_value();
        return Publish(V::FileExists, exists ? 1 : 0);
    }
    if (subAction == QLatin1String("Log Windows")) {
        const std::optional<int> count = source.isEmpty() ? std::nullopt : LogWindows(source);
        return {count.value_or(0), count ? 0 : kNotWritten};
    }
    return {};
}

} // namespace

int32_t RunFileAction(const QString& subAction, const QString& command, const QString& path)
{
    const Outcome outcome = Perform(Clip(subAction), ExpandKeywords(command), ExpandKeywords(path));
    SetScriptValue(QLatin1String(V::Errorcode), QString::number(outcome.errorCode));
    return outcome.result;
}

} // namespace vl
