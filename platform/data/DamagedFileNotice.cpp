#include "platform/data/DamagedFileNotice.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutex>
#include <QSet>

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
    const QString described = error.Describe();
    QMetaObject::invokeMethod(
        application,
        [file, described] {
            if (DamagedFileListener* listener = InstalledService<DamagedFileListener>())
                listener->DamagedFileFound(file, described);
            else
                ForgetDamagedFile(file);
        },
        Qt::QueuedConnection);
}

void ForgetDamagedFile(const QString& path)
{
    const QMutexLocker lock(&gMutex);
    Noticed().remove(Canonical(path));
}

} // namespace vl
