#pragma once
// Checks made before a sound file is handed to the audio layer, so that a
// file which cannot play is reported at once instead of failing silently
// later on the audio thread.

#include "platform/sound/SoundPlayer.h"

#include <QString>

#include <optional>

namespace vl {

// Why the file cannot be played (missing, unreadable, not a RIFF/WAVE file),
// or nothing when it looks like a WAV file. Reads only the file's header.
std::optional<SoundResult> WaveFileProblem(const QString& path);

} // namespace vl
