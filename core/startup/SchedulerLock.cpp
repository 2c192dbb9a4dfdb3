#include "core/startup/SchedulerLock.h"

#include "core/config/ConfigStore.h"
#include "core/base/Globals.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingValues.h"
#include "platform/runtime/FileModes.h"
#include "platform/runtime/FixedText.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace vl {
namespace {

constexpr int kUserIdWidth = 30;

QString Hash(const QString& text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex());
}

} // namespace

QString CanonicalDirectory(const QString& directory)
{
    const QString canonical = QFileInfo(directory).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(directory).absoluteFilePath()) : canonical;
}

QString SchedulerLockName(const QString& userName)
{
    if (userName.isEmpty())
        return QStringLiteral("VLMR.LCK");
    return QStringLiteral("VLMR-%1.LCK").arg(Hash(userName).left(16));
}

QString SchedulerBusName(const QString& canonicalDirectory, const QString& userName)
{
    return QStringLiteral("org.velmora.VLMR.d") + Hash(canonicalDirectory + QChar(u'\0') + userName).left(32);
}

QString SchedulerUserName()
{
    if (SettingByte(GetConfigValue(QLatin1String(SettingKey::MultiUser), std::nullopt, ININame)) == 0)
        return {};
    const QString userId =
        Clip(CutTo(GetConfigValue(QLatin1String(SettingKey::UserID), std::nullopt, ININame), kUserIdWidth));
    return userId.isEmpty() ? Clip(CurrentLoginName()) : userId;
}

SchedulerLock::SchedulerLock(const QString& canonicalDirectory, const QString& userName)
    : path_(QDir(canonicalDirectory).filePath(SchedulerLockName(userName))),
      busName_(SchedulerBusName(canonicalDirectory, userName)),
      file_(path_)
{
    // A live holder keeps its lock however long it runs; only a dead one's is stale.
    file_.setStaleLockTime(0);
}

SchedulerClaim SchedulerLock::Claim()
{
    if (file_.isLocked())
        return SchedulerClaim::Ours;
    if (file_.tryLock(0)) {
        // Made with the umask's mode: it takes its directory's, as every
        // file of the data directory does (its content is no secret, so a
        // mode left as made does not give the lock up).
        GiveNewFileMode(path_);
        return SchedulerClaim::Ours;
    }
    // Something other than a lock file in its place can never be taken.
    if (file_.error() == QLockFile::LockFailedError && QFileInfo(path_).isFile())
        return SchedulerClaim::Taken;
    return SchedulerClaim::Unsure;
}

SchedulerLock::Holder SchedulerLock::LockHolder() const
{
    Holder holder;
    QString application;
    if (!file_.getLockInfo(&holder.pid, &holder.host, &application))
        holder = {};
    return holder;
}

} // namespace vl
