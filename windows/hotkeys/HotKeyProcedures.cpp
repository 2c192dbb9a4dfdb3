#include "windows/hotkeys/HotKeyProcedures.h"

#include "core/dictionary/Dictionary.h"
#include "windows/hotkeys/BrowseHotKeys.h"
#include "windows/hotkeys/UpdateHotKeys.h"
#include "platform/widgets/FrameProcedures.h"

namespace vl {

void RegisterHotKeyProcedures()
{
    Procedures().RegisterWindow(QLatin1String(kBrowseHotKeysProcedure), [] { return new BrowseHotKeys; });
    Procedures().RegisterModal(QLatin1String(kUpdateHotKeysProcedure), [](QWidget* frame) {
        SysHotKeysRecord hotKey;
        Tables().SysHotKeys.Prime(hotKey);
        OpenHotKeyForm(FormRequest::Insert, hotKey, frame);
    });
}

} // namespace vl
