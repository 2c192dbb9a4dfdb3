#include "windows/frame/frame/DamageWatch.h"

#include "core/base/ProgramStop.h"
#include "core/dictionary/Dictionary.h"
#include "core/repair/windows/RepairWindow.h"
#include "core/startup/DamagedFileOffer.h"
#include "platform/data/DataFileName.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/ThreadRegistry.h"

#include <QDir>

namespace vl {

namespace {

constexpr int kOfferRetryMs = 1000;

} // namespace

DamageWatch::DamageWatch(FrameHooks hooks)
    : hooks_(std::move(hooks)), listener_(static_cast<DamagedFileListener&>(*this)),
      pause_(static_cast<RepairPause&>(*this))
{
}

DamageWatch::~DamageWatch()
{
    check_.Stop();
}

QStringList DamageWatch::DataFiles()
{
    QStringList files;
    for (const TableFile* table : Tables().AllTables()) {
        const QString path = DataFilePath(*table);
        if (!files.contains(path))
            files << path;
    }
    return files;
}

void DamageWatch::Tick(Date today)
{
    if (today == checkedDay_ || check_.Running())
        return;
    checkedDay_ = today;
    check_.Start(DataFiles());
}

void DamageWatch::DamagedFileFound(const QString& path, const QString& error)
{
    if (!DataFiles().contains(path))
        return; // no file of this program's data directory
    // The start's own offer is coming, another offer is open, or the user
    // is in the repair window already: the file is noticed again later.
    if (ProgramStopRequested() || offering_ ||
        Threads().ProcedureThread(QLatin1String(kRepairWindowProcedure))) {
        ForgetDamagedFile(path);
        return;
    }
    // The repair closes the tables a tick half done still uses: the offer
    // waits until the tick has finished.
    if (hooks_.busy()) {
        PostDamagedFile(path, error, kOfferRetryMs);
        return;
    }
    offering_ = true;
    PromptService& prompt = CurrentPromptService();
    const DamagedFileChoice choice = AskAboutDamagedFile(
        prompt, QStringLiteral("The data file ") + QDir::toNativeSeparators(path) +
                    QStringLiteral(" is damaged: reading or writing it failed.|Error: ") + error);
    offering_ = false;
    switch (choice) {
    case DamagedFileChoice::Repair: {
        const ProcedureStart start =
            Threads().StartProcedure(QLatin1String(kRepairWindowProcedure), [] { return RepairFiles(); });
        if (auto* window = qobject_cast<RepairWindow*>(Threads().Window(start.thread)))
            window->RepairAgreedFile(path);
        break;
    }
    case DamagedFileChoice::Restore:
    case DamagedFileChoice::Exit: {
        // The frame's close ends this watch too: nothing of it is used after.
        const std::function<void()> end = hooks_.endProgram;
        if (choice == DamagedFileChoice::Restore) {
            Tables().CloseAll();
            StartRestore(prompt, path);
        }
        end();
        break;
    }
    }
}

void DamageWatch::Pause()
{
    check_.Stop();
    hooks_.pause();
}

void DamageWatch::Resume()
{
    hooks_.resume();
}

} // namespace vl
