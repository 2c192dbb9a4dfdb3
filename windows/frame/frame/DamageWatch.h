#pragma once
// The running frame's side of a damaged data file. A data file found
// damaged while the frame runs (a failed read or write anywhere, or the
// background check) is offered once, as the start offers it: Repair (the
// program lets go of the file, the "Repair Files" window repairs it, and
// the frame goes on over the repaired file) or Restore (the backup runner,
// for which the program ends). The engine's quick check of the data files
// runs on a worker thread at the first tick of the run and at the first
// after the date changes.

#include "core/repair/windows/RepairAccess.h"
#include "platform/data/DamagedFileNotice.h"
#include "platform/data/DataFileCheck.h"
#include "platform/runtime/Clock.h"

#include <functional>

namespace vl {

class DamageWatch : private DamagedFileListener, private RepairPause {
public:
    struct FrameHooks {
        std::function<bool()> busy;       // inside the timer work (a prompt of a tick is open)
        std::function<void()> pause;      // stop the timer work
        std::function<void()> resume;     // and go on with it
        std::function<void()> endProgram; // the frame closes, the program ends
    };
    // Installs itself as the program's listener and repair pause for its life.
    explicit DamageWatch(FrameHooks hooks);
    ~DamageWatch() override;

    // Every tick: starts the background check on the first of each day.
    void Tick(Date today);
    // The program's data files, each once.
    static QStringList DataFiles();

private:
    void DamagedFileFound(const QString& path, const QString& error) override;
    void Pause() override;
    void Resume() override;

    FrameHooks hooks_;
    DataFileCheck check_;
    Date checkedDay_ = 0;
    bool offering_ = false;
    DamagedFileListenerOverride listener_;
    RepairPauseOverride pause_;
};

} // namespace vl
