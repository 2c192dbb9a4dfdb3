#pragma once
// A player for tests: plays nothing, records what it was asked to play and
// answers with the result it was given.

#include "platform/sound/SoundPlayer.h"

#include <QStringList>

namespace vl {

class RecordingSoundPlayer : public SoundPlayer {
public:
    SoundResult Beep() override;
    SoundResult PlayFile(const QString& path) override;

    // What was asked, in order: each file's path, or "BEEP" for a beep.
    QStringList requests;
    int beeps = 0;
    // The answer PlayFile gives.
    SoundResult fileResult = SoundResult::Playing;
};

} // namespace vl
