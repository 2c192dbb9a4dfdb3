#include "platform/sound/WaveFile.h"

#include <QFile>
#include <QFileInfo>

namespace vl {

std::optional<SoundResult> WaveFileProblem(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return SoundResult::Missing;
    if (!info.isFile())
        return SoundResult::Unreadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SoundResult::Unreadable;
    // "RIFF", the chunk size, "WAVE".
    const QByteArray header = file.read(12);
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
        return SoundResult::NotWave;
    return std::nullopt;
}

} // namespace vl
