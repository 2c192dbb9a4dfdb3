#include "platform/widgets/QtSoundPlayer.h"

#include "platform/sound/WaveFile.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibrary>

namespace vl {

namespace {

using PlayWaveFile = bool (*)(const QString* path);

// The module's player, found beside the program or in the programs' folder
// of the build (for tests); nullptr without the module.
PlayWaveFile LoadSoundOutput()
{
    const QString programs = QCoreApplication::applicationDirPath();
    for (const QString& folder : {programs, programs + QStringLiteral("/../bin")}) {
        QLibrary module(folder + QStringLiteral("/vl_sound_output"));
        if (const auto play = reinterpret_cast<PlayWaveFile>(module.resolve("VlPlayWaveFile")))
            return play; // a loaded module stays loaded
    }
    return nullptr;
}

} // namespace

SoundResult QtSoundPlayer::Beep()
{
    QApplication::beep();
    return SoundResult::Beeped;
}

SoundResult QtSoundPlayer::PlayFile(const QString& path)
{
    if (const auto problem = WaveFileProblem(path))
        return *problem;
    if (!QCoreApplication::instance())
        return SoundResult::NoOutput;
    static const PlayWaveFile play = LoadSoundOutput();
    const QString file = QFileInfo(path).absoluteFilePath();
    return play && play(&file) ? SoundResult::Playing : SoundResult::NoOutput;
}

} // namespace vl
