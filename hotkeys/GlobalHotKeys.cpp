#include "hotkeys/GlobalHotKeys.h"

#include "hotkeys/HotKeyCodes.h"

#include <algorithm>

namespace vl {
namespace {

constexpr int kKeyTextWidth = 32;

} // namespace

GlobalHotKeys::GlobalHotKeys(HotKeyBackend& backend) : backend_(backend)
{
    backend_.SetPressHandler([this](int id) { Pressed(id); });
}

GlobalHotKeys::~GlobalHotKeys()
{
    Suspend();
    backend_.SetPressHandler({});
}

bool GlobalHotKeys::SetKey(const QString& text)
{
    const int32_t code = ParseHotKey(text);
    if (code == 0) {
        if (badKey_)
            badKey_(text);
        return false;
    }
    UnregisterAll();
    const auto place = std::lower_bound(keys_.begin(), keys_.end(), code,
                                        [](const HotKeyEntry& entry, int32_t c) { return entry.code < c; });
    if (place == keys_.end() || place->code != code)
        keys_.insert(place, HotKeyEntry{code, text.trimmed().left(kKeyTextWidth)});
    RegisterAll();
    return true;
}

void GlobalHotKeys::ClearKeys()
{
    UnregisterAll();
    keys_.clear();
    failed_.clear();
}

void GlobalHotKeys::Suspend()
{
    UnregisterAll();
    active_ = false;
}

void GlobalHotKeys::Resume()
{
    active_ = true;
    RegisterAll();
}

void GlobalHotKeys::RegisterAll()
{
    if (keys_.isEmpty() || !active_)
        return;
    failed_.clear();
    for (int i = 0; i < keys_.size(); ++i) {
        const HotKeyEntry& entry = keys_.at(i);
        if (!backend_.Grab(i + 1, unsigned(entry.code / 256), entry.code % 256))
            failed_.append(entry);
    }
    registered_ = true;
}

void GlobalHotKeys::UnregisterAll()
{
    if (keys_.isEmpty() || !active_ || !registered_)
        return;
    failed_.clear();
    for (int i = 0; i < keys_.size(); ++i) {
        if (!backend_.Release(i + 1))
            failed_.append(keys_.at(i));
    }
    registered_ = false;
}

void GlobalHotKeys::Pressed(int id)
{
    if (id >= 1 && id <= keys_.size())
        pressed_.append(keys_.at(id - 1));
    else
        pressed_.append(HotKeyEntry{0, QString::number(id)});
    if (pressedHandler_)
        pressedHandler_();
}

std::optional<HotKeyEntry> GlobalHotKeys::TakePressed()
{
    if (pressed_.isEmpty())
        return std::nullopt;
    return pressed_.takeFirst();
}

} // namespace vl
