#include "core/repair/windows/RepairAccess.h"

#include "core/dictionary/Dictionary.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/ThreadRegistry.h"

#include <QCoreApplication>
#include <QPointer>

namespace vl {

namespace {

class NoPause : public RepairPause {
public:
    void Pause() override {}
    void Resume() override {}
};

// The windows open besides the frame and keep.
QList<int> OtherThreads(const QWidget* keep)
{
    QList<int> others;
    for (const int thread : Threads().OpenThreads()) {
        if (thread != ThreadRegistry::kFrameThread && Threads().Window(thread) != keep)
            others << thread;
    }
    return others;
}

} // namespace

RepairPause& CurrentRepairPause()
{
    static NoPause none;
    return InstalledOr<RepairPause>(none);
}

bool RepairAccess::Needed(const QWidget* keep)
{
    if (Threads().Window(ThreadRegistry::kFrameThread) || !OtherThreads(keep).isEmpty())
        return true;
    for (const TableFile* table : Tables().AllTables()) {
        if (table->IsOpen())
            return true;
    }
    return false;
}

QString RepairAccess::Question()
{
    return QStringLiteral("The repair needs the data file to itself.|The program's windows close, and its "
                          "tables, while the repair runs; the windows open again when it is done.||Close them "
                          "and repair now?");
}

bool RepairAccess::Release(const QWidget* keep)
{
    procedures_.clear();
    for (const int thread : OtherThreads(keep)) {
        const QPointer<QWidget> window = Threads().Window(thread);
        const QString procedure = Threads().ProcedureOf(thread);
        if (window && !window->close()) {
            // Its user kept it open (a form with changes, say): the repair
            // waits for another time, and what closed opens again.
            released_ = true;
            GiveBack();
            return false;
        }
        if (!procedure.isEmpty())
            procedures_ << procedure;
    }
    // Closed windows go now, and with them their file objects.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    CurrentRepairPause().Pause();
    paused_ = true;
    // Tables held open by other work than a window (the frame's own) open
    // again as they were.
    openTables_.clear();
    for (TableFile* table : Tables().AllTables()) {
        if (table->IsOpen())
            openTables_.emplace_back(table, table->OpenCount());
    }
    Tables().CloseAll();
    released_ = true;
    return true;
}

void RepairAccess::GiveBack()
{
    if (!released_)
        return;
    released_ = false;
    for (const auto& [table, count] : openTables_) {
        for (int i = 0; i < count; ++i)
            table->Open();
    }
    openTables_.clear();
    if (paused_)
        CurrentRepairPause().Resume();
    paused_ = false;
    QWidget* frame = Threads().Window(ThreadRegistry::kFrameThread);
    for (const QString& procedure : std::as_const(procedures_))
        Procedures().Start(procedure, frame);
    procedures_.clear();
}

} // namespace vl
