#include "hotkeys/windows/HotKeyProcedures.h"

#include "core/dictionary/Dictionary.h"
#include "hotkeys/windows/BrowseHotKeys.h"
#include "hotkeys/windows/UpdateHotKeys.h"
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
