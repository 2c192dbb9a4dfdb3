#pragma once
// Where the zip work runs: a program with windows installs one that shows the
// progress window of the work (its caption, "Progress" over all items and
// "File" for the current one, "Cancel" to abort) and keeps the window
// responsive while the work runs on a thread of its own. Without one the work
// runs at once on the caller's thread, unseen.

#include "platform/runtime/ServiceSlot.h"
#include "platform/zip/ZipArchive.h"

#include <QString>

#include <functional>

namespace vl {

using ZipJob = std::function<ZipResult(ZipProgress&)>;

class ZipWork {
public:
    virtual ~ZipWork() = default;
    // Runs the job and returns its result; itemsToDo is the number of items
    // the overall percentage counts (0 when unknown).
    virtual ZipResult Run(const QString& caption, int itemsToDo, const ZipJob& job) = 0;
};

ZipWork& CurrentZipWork();
using ZipWorkOverride = ServiceOverride<ZipWork>;

// The overall percentage after itemsDone of itemsToDo items: never 100 while
// the work runs, at most 99 (with nothing counted, two per item).
int OverallPercent(int itemsDone, int itemsToDo);

} // namespace vl
