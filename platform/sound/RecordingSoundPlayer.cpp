#include "platform/sound/RecordingSoundPlayer.h"

namespace vl {

SoundResult RecordingSoundPlayer::Beep()
{
    requests.append(QString::fromLatin1(Sound::kBeep));
    ++beeps;
    return SoundResult::Beeped;
}

SoundResult RecordingSoundPlayer::PlayFile(const QString& path)
{
    requests.append(path);
    return fileResult;
}

} // namespace vl
