#include "platform/sound/SoundPlayer.h"

#include "platform/runtime/FixedText.h"
#include "platform/sound/QtSoundPlayer.h"

namespace vl {
namespace {

SoundPlayer* gPlayer = nullptr;

} // namespace

SoundPlayer& CurrentSoundPlayer()
{
    if (gPlayer)
        return *gPlayer;
    static QtSoundPlayer qtPlayer;
    return qtPlayer;
}

SoundOverride::SoundOverride(SoundPlayer& player) : previous_(gPlayer) { gPlayer = &player; }
SoundOverride::~SoundOverride() { gPlayer = previous_; }

namespace Sound {

bool IsBeep(const QString& sound)
{
    const QString name = UpperClip(sound);
    return name.isEmpty() || name == QLatin1String(kBeep);
}

SoundResult Play(const QString& sound)
{
    if (IsBeep(sound))
        return CurrentSoundPlayer().Beep();
    return CurrentSoundPlayer().PlayFile(Clip(sound));
}

bool Sounded(SoundResult result)
{
    return result == SoundResult::Playing || result == SoundResult::Beeped;
}

} // namespace Sound

} // namespace vl
