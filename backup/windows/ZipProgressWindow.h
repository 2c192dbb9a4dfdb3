#pragma once
// The progress window of the zip work ("Archiving...", "Testing...",
// "Restoring..."): an overall bar "Progress" and an item bar "File", each
// with its percentage, the current item's name and "Cancel", which asks the
// work to stop. The work runs on a thread of its own while the window
// stays responsive; the window closes when the work has ended.

#include "backup/ZipWork.h"

namespace vl {

class ZipProgressWindow : public ZipWork {
public:
    ZipProgressWindow() : install_(*this) {}
    ZipResult Run(const QString& caption, int itemsToDo, const ZipJob& job) override;

private:
    ZipWorkOverride install_;
};

} // namespace vl
