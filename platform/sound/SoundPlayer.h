#pragma once
// Sounds: the beep and the WAV files of alarms. Everything plays through one
// installable player, so that logic which sounds an alarm runs silently in
// tests and can be checked there. A program installs the Qt player
// (platform/widgets/DesktopServices.h); tests install their own.

#include "platform/runtime/ServiceSlot.h"

#include <QString>

namespace vl {

enum class SoundResult {
    Playing,    // the file has started playing
    Beeped,     // the beep sounded
    Missing,    // no such file
    Unreadable, // the file exists but cannot be read
    NotWave,    // the file is not a WAV file
    NoOutput,   // there is no audio output to play on
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual SoundResult Beep() = 0;
    // Starts playing a WAV file and returns at once; a sound still playing
    // stops first. A file that cannot be played plays nothing and says why.
    virtual SoundResult PlayFile(const QString& path) = 0;
};

// The player in use: the installed one, else one without audio output.
SoundPlayer& CurrentSoundPlayer();

// Installs a player for the lifetime of this object (tests), restoring the
// previous one afterwards.
using SoundOverride = ServiceOverride<SoundPlayer>;

// What the program calls.
namespace Sound {

// The alarm name that means the beep rather than a file.
inline constexpr char kBeep[] = "BEEP";

// True for "BEEP" in any letter case, and for an empty name.
bool IsBeep(const QString& sound);
// Sounds an alarm as tasks and messages name it: the beep for "BEEP" or an
// empty name, else the WAV file of that name (trailing blanks ignored),
// without waiting for it to finish.
SoundResult Play(const QString& sound);
// True when something sounded.
bool Sounded(SoundResult result);

} // namespace Sound

} // namespace vl
