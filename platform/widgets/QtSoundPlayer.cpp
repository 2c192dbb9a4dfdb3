#include "platform/widgets/QtSoundPlayer.h"

#include "platform/runtime/ProgramModule.h"
#include "platform/sound/WaveFile.h"

#include <QApplication>
#include <QFileInfo>

namespace vl {

namespace {

using PlayWaveFile = bool (*)(const QString* path);

// The module's player; nullptr without the module.
PlayWaveFile LoadSoundOutput()
{
    return reinterpret_cast<PlayWaveFile>(
        ResolveProgramModule(ProgramModuleFolders(), QStringLiteral("vl_sound_output"), "VlPlayWaveFile"));
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
