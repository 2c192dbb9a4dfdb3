#include "pim/ClipboardCapture.h"

#include "core/base/EventLog.h"
#include "core/base/Globals.h"
#include "core/cycle/SchedulerRoutines.h"
#include "core/dictionary/Dictionary.h"
#include "pim/ClipboardSaver.h"
#include "pim/ClipboardWatch.h"
#include "platform/desktop/DesktopBackend.h"
#include "platform/runtime/Clock.h"

#include <memory>

namespace vl {

namespace {

const char kCaptureErrorLabel[] = "Error";

void Capture(const QString& text)
{
    DesktopBackend& desktop = CurrentDesktop();
    const CapturedText captured{text, desktop.WindowTitle(desktop.ActiveWindow()), Today(), Now()};
    const ClipCaptureResult result =
        CaptureClipboardText(Tables().Clipboard, ClipboardBuffer, captured, MaxClipboardEntries);
    if (result.outcome == ClipCapture::Failed)
        WriteEventLog(QLatin1String(kCaptureErrorLabel),
                      QStringLiteral("Saving the clipboard:  ") + result.error.Describe());
}

} // namespace

void InstallClipboardCapture()
{
    TickRoutines().captureClipboard = [watch = std::shared_ptr<ClipboardWatch>()]() mutable {
        if (!watch)
            watch = std::make_shared<ClipboardWatch>();
        if (const std::optional<QString> text = watch->Poll())
            Capture(*text);
    };
}

} // namespace vl
