#pragma once
// The program's player: QApplication::beep for the beep, QSoundEffect for WAV
// files. QSoundEffect decodes on its own thread, so playing never holds up
// the GUI thread; it lives in a module (soundoutput/) loaded with the first
// file played, so that Qt Multimedia does not load with every start.

#include "platform/sound/SoundPlayer.h"

namespace vl {

class QtSoundPlayer : public SoundPlayer {
public:
    SoundResult Beep() override;
    SoundResult PlayFile(const QString& path) override;
};

} // namespace vl
