// Plays a WAV file on the default audio output with QSoundEffect, which
// decodes on its own thread, so playing never holds up the GUI thread.

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

// False when there is no audio output. The path is absolute.
extern "C" Q_DECL_EXPORT bool VlPlayWaveFile(const QString* path)
{
    if (QMediaDevices::defaultAudioOutput().isNull())
        return false;
    // One effect for the whole program (a new alarm replaces the one
    // playing); it belongs to the application and goes with it.
    static QPointer<QSoundEffect> effect;
    if (!effect)
        effect = new QSoundEffect(QCoreApplication::instance());
    effect->stop();
    effect->setSource(QUrl::fromLocalFile(*path));
    effect->play();
    return true;
}
