#include "platform/mail/BackgroundSend.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <memory>
#include <exception>
#include <new>

namespace vl {

MailOutcome SendInBackground(const MailLibrary& library, const MailRequest& request, MailProgress& progress)
{
    MailOutcome outcome{kMailUnknownError, {}};
    std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            outcome = library(request, progress);
        } catch (const std::bad_alloc&) {
            outcome = {kMailOutOfMemory, {}};
        } catch (const std::exception& failure) {
            outcome = {kMailUnknownError, QString::fromLocal8Bit(failure.what())};
        } catch (...) {
            outcome = {kMailUnknownError, {}};
        }
    }));
    QEventLoop loop;
    // Queued to this thread: a send that ends before exec() still ends the loop.
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker->start();
    if (QCoreApplication::instance())
        loop.exec();
    worker->wait();
    return outcome;
}

} // namespace vl
