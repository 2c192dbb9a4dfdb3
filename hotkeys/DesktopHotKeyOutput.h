#pragma once
// The text hot keys' output on the desktop: the keystroke sender types on the
// keyboard of the installed desktop, and the text goes on this program's
// clipboard.

#include "hotkeys/HotKeyOutput.h"

namespace vl {

class DesktopHotKeyOutput : public HotKeyOutput {
public:
    void ReleaseModifiers() override;
    // Blocks the caller: the keys let go must reach the focused window before
    // the text does.
    void Pause(int milliseconds) override;
    bool SendKeys(const QString& keys, QString* error) override;
    bool PressPaste(QString* error) override;
    // Without a GUI application there is no clipboard and nothing is put.
    void SetClipboardText(const QString& text) override;
};

} // namespace vl
