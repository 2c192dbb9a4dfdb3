#pragma once
// The progress of work that walks many records on the caller's thread (an
// import, an export, a copy): a window with a caption, a line saying what is
// done, the percentage ("40% Completed") and "Cancel". Logic opens one
// through this installable service, as it asks through the prompt service,
// so it runs headless in tests. A program with windows installs the Qt
// implementation (platform/widgets/DesktopServices.h).
//
//     const std::unique_ptr<ProgressTracker> progress = Progress::Open(texts);
//     for (...) { if (!progress->Tell(done, total)) break; ... }   // cancelled
//
// The window shows while the tracker lives. Telling lets the window's events
// through, so it stays responsive and its Cancel is seen.

#include "platform/runtime/ServiceSlot.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace vl {

// How a pass over records says how far it has come; false asks it to stop.
using ProgressStep = std::function<bool(int64_t done, int64_t total)>;

struct ProgressTexts {
    QString caption;   // "Processing Records"
    QString text;      // "Importing Script Items"
    QString windowKey; // where the window keeps its place
    QString percentSuffix = QStringLiteral("% Completed");
    int percentPlaces = 0; // the number padded with spaces to this width
};

class ProgressTracker {
public:
    virtual ~ProgressTracker() = default;
    // Shows done of total; false once the user has asked to cancel.
    virtual bool Tell(int64_t done, int64_t total) = 0;
    virtual bool Cancelled() const = 0;
    // Tell as a step to hand to a pass.
    ProgressStep Step()
    {
        return [this](int64_t done, int64_t total) { return Tell(done, total); };
    }
};

class ProgressService {
public:
    virtual ~ProgressService() = default;
    virtual std::unique_ptr<ProgressTracker> Open(const ProgressTexts& texts) = 0;
};

// The service in use: the installed one, else one that shows nothing and
// never cancels.
ProgressService& CurrentProgressService();

using ProgressOverride = ServiceOverride<ProgressService>;

namespace Progress {

std::unique_ptr<ProgressTracker> Open(const ProgressTexts& texts);

} // namespace Progress

} // namespace vl
