#pragma once
// The program's player: QApplication::beep for the beep, QSoundEffect for WAV
// files. QSoundEffect decodes on its own thread, so playing never holds up
// the GUI thread.

#include "platform/sound/SoundPlayer.h"

#include <QPointer>

class QSoundEffect;

namespace vl {

class QtSoundPlayer : public SoundPlayer {
public:
    SoundResult Beep() override;
    SoundResult PlayFile(const QString& path) override;

private:
    // One effect for the whole program (a new alarm replaces the one
    // playing); it belongs to the application and goes with it.
    QPointer<QSoundEffect> effect_;
};

} // namespace vl
