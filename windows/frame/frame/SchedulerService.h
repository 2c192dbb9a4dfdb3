#pragma once
// The running scheduler's side of a second start's hand-over
// (core/startup/SchedulerHandOver.h): serves the call on the session bus
// under the bus name of the program's lock, while the frame lives.

#include <QObject>
#include <QStringList>

namespace vl {

class SchedulerService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.velmora.VLMR.Scheduler")
public:
    // Serves under busName; nothing when it is empty or the bus refuses.
    SchedulerService(const QString& busName, QObject* parent);
    ~SchedulerService() override;

public slots:
    // A second start's command line (without the program name).
    Q_SCRIPTABLE void HandOver(const QStringList& arguments);

signals:
    void HandedOver(const QStringList& arguments);

private:
    QString busName_;
};

} // namespace vl
