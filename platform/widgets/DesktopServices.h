#pragma once
// The platform services of a program with windows: Qt message boxes and file
// dialogs for the prompt service, progress windows for the progress service,
// the Qt sound player. A program creates one after its application object and
// keeps it for its run; logic reaches the services through their interfaces
// (PromptService.h, ProgressService.h, SoundPlayer.h).

#include "platform/sound/SoundPlayer.h"
#include "platform/ui/ProgressService.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/ProcessProgressWindow.h"
#include "platform/widgets/QtPromptService.h"
#include "platform/widgets/QtSoundPlayer.h"

namespace vl {

class DesktopServices {
public:
    DesktopServices() : promptOverride_(prompts_), progressOverride_(progress_), soundOverride_(sound_) {}
    DesktopServices(const DesktopServices&) = delete;
    DesktopServices& operator=(const DesktopServices&) = delete;

private:
    QtPromptService prompts_;
    QtProgressService progress_;
    QtSoundPlayer sound_;
    PromptOverride promptOverride_;
    ProgressOverride progressOverride_;
    SoundOverride soundOverride_;
};

} // namespace vl
