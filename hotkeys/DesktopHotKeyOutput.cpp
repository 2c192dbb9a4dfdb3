#include "hotkeys/DesktopHotKeyOutput.h"

#include "scripting/SendKeys.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QThread>

namespace vl {
namespace {

// Shift, Ctrl, Alt and Pause.
constexpr int kFirstModifierKey = 16;
constexpr int kLastModifierKey = 19;

} // namespace

void DesktopHotKeyOutput::ReleaseModifiers()
{
    DesktopBackend& desktop = CurrentDesktop();
    for (int key = kFirstModifierKey; key <= kLastModifierKey; ++key)
        desktop.SendKey(key, false);
}

void DesktopHotKeyOutput::Pause(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

bool DesktopHotKeyOutput::SendKeys(const QString& keys, QString* error)
{
    // The script's keystroke routine, pausing through Pause.
    return SendScriptKeystrokes(keys, [this](int32_t hundredths) { Pause(hundredths * 10); }, CurrentDesktop(),
                                error);
}

bool DesktopHotKeyOutput::PressPaste(QString* error)
{
    return PressKeyCombination(kCtrlBit + 'V', CurrentDesktop(), error);
}

void DesktopHotKeyOutput::SetClipboardText(const QString& text)
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::clipboard()->setText(text);
}

} // namespace vl
