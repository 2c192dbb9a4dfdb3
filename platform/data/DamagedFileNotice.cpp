#include "platform/data/DamagedFileNotice.h"

#include "platform/ui/PromptService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QTimer>

namespace vl {

namespace {

QMutex gMutex;
QSet<QString>& Noticed()
{
    static QSet<QString> noticed;
    return noticed;
}

QString Canonical(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

void NoteDataFileFailure(const QString& path, const DataError& error)
{
    if (error.code != kInvalidDataFile || path.isEmpty())
        return;
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return;
    const QString file = Canonical(path);
    {
        const QMutexLocker lock(&gMutex);
        if (Noticed().contains(file))
            return;
        Noticed().insert(file);
    }
    PostDamagedFile(file, error.Describe(), 0);
}

void PostDamagedFile(const QString& path, const QString& error, int delayMs)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return;
    const auto tell = [path, error] {
        if (DamagedFileListener* listener = InstalledService<DamagedFileListener>())
            listener->DamagedFileFound(path, error);
        else
            ForgetDamagedFile(path);
    };
    // A worker thread posts; only the application's thread waits on a timer.
    if (delayMs == 0)
        QMetaObject::invokeMethod(application, tell, Qt::QueuedConnection);
    else
        QTimer::singleShot(delayMs, application, tell);
}

void NoteUnreadableLog(const QString& path, const QString& copy)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return;
    const QString text = QStringLiteral("The last changes to the data file ") + QDir::toNativeSeparators(Canonical(path)) +
                         QStringLiteral(" could not be read: the log that held them is damaged.|The log was kept as ") +
                         QDir::toNativeSeparators(copy) + QStringLiteral(".");
    // The program that offers repairs (its frame listens) offers this one;
    // any other says where the repair is.
    const QString file = Canonical(path);
    QMetaObject::invokeMethod(
        application,
        [file, text] {
            if (DamagedFileListener* listener = InstalledService<DamagedFileListener>())
                return listener->DamagedFileFound(file, text);
            CurrentPromptService().Notify(
                text + QStringLiteral("||The repair of VLMR (Repair Files) takes those changes back."),
                QStringLiteral("Damaged Data File"), PromptIcon::Exclamation);
        },
        Qt::QueuedConnection);
}

void ForgetDamagedFile(const QString& path)
{
    const QMutexLocker lock(&gMutex);
    Noticed().remove(Canonical(path));
}

} // namespace vl
