#pragma once
// What the text hot keys do to the desktop: the keyboard they type on and
// the clipboard. The program uses the desktop's (DesktopHotKeyOutput.h);
// tests record what would have been done.

#include <QString>

namespace vl {

class HotKeyOutput {
public:
    virtual ~HotKeyOutput() = default;
    // Lets go of Shift, Ctrl, Alt and Pause, which the user may still hold
    // from pressing the hot key, so that they do not change what is typed.
    virtual void ReleaseModifiers() = 0;
    // Waits the milliseconds (the released keys reach the focused window).
    virtual void Pause(int milliseconds) = 0;
    // Types a keystroke text (key groups in square brackets) into the window
    // that has the focus as a script's Send Keys step does, in the bursts
    // and pauses of the settings; false with the reason when a key could not
    // be sent.
    virtual bool SendKeys(const QString& keys, QString* error) = 0;
    // Presses Ctrl+V; false with the reason when it could not be sent.
    virtual bool PressPaste(QString* error) = 0;
    virtual void SetClipboardText(const QString& text) = 0;
};

} // namespace vl
