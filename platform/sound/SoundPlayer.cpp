#include "platform/sound/SoundPlayer.h"

#include "platform/runtime/FixedText.h"

namespace vl {
namespace {

// A program that installed no player has no audio output.
class SilentPlayer : public SoundPlayer {
public:
    SoundResult Beep() override { return SoundResult::NoOutput; }
    SoundResult PlayFile(const QString&) override { return SoundResult::NoOutput; }
};

} // namespace

SoundPlayer& CurrentSoundPlayer()
{
    static SilentPlayer silent;
    return InstalledOr<SoundPlayer>(silent);
}


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
