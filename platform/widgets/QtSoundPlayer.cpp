#include "platform/widgets/QtSoundPlayer.h"

#include "platform/sound/WaveFile.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace vl {

SoundResult QtSoundPlayer::Beep()
{
    QApplication::beep();
    return SoundResult::Beeped;
}

SoundResult QtSoundPlayer::PlayFile(const QString& path)
{
    if (const auto problem = WaveFileProblem(path))
        return *problem;
    if (!QCoreApplication::instance() || QMediaDevices::defaultAudioOutput().isNull())
        return SoundResult::NoOutput;
    if (!effect_)
        effect_ = new QSoundEffect(QCoreApplication::instance());
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    effect_->play();
    return SoundResult::Playing;
}

} // namespace vl
