#include "platform/widgets/QtSoundPlayer.h"
#include "platform/sound/RecordingSoundPlayer.h"
#include "platform/sound/SoundPlayer.h"
#include "platform/sound/WaveFile.h"
#include "tests/support/TempDir.h"

#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QtEndian>

#include <gtest/gtest.h>

namespace vl {
namespace {

QString WriteBytes(const QString& name, const QByteArray& data)
{
    const QString path = test::TestPath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
    return path;
}

// A short silent 8 kHz mono 8-bit WAV file.
QString WriteWave(const QString& name)
{
    const quint32 samples = 800;
    QByteArray data("RIFF");
    auto put32 = [&data](quint32 value) { data.append(reinterpret_cast<const char*>(&value), 4); };
    auto put16 = [&data](quint16 value) { data.append(reinterpret_cast<const char*>(&value), 2); };
    put32(qToLittleEndian<quint32>(36 + samples));
    data.append("WAVEfmt ");
    put32(qToLittleEndian<quint32>(16));
    put16(qToLittleEndian<quint16>(1));    // PCM
    put16(qToLittleEndian<quint16>(1));    // mono
    put32(qToLittleEndian<quint32>(8000)); // sample rate
    put32(qToLittleEndian<quint32>(8000)); // byte rate
    put16(qToLittleEndian<quint16>(1));    // block align
    put16(qToLittleEndian<quint16>(8));    // bits per sample
    data.append("data");
    put32(qToLittleEndian<quint32>(samples));
    data.append(QByteArray(samples, char(0x80)));
    return WriteBytes(name, data);
}

TEST(SoundPlay, BeepNamesBeepAndOtherNamesPlayTheClippedFile)
{
    RecordingSoundPlayer player;
    SoundOverride use(player);

    EXPECT_EQ(Sound::Play("BEEP"), SoundResult::Beeped);
    EXPECT_EQ(Sound::Play("beep   "), SoundResult::Beeped);
    EXPECT_EQ(Sound::Play(""), SoundResult::Beeped);
    EXPECT_EQ(Sound::Play("alarm.wav   "), SoundResult::Playing);
    EXPECT_EQ(Sound::Play("BEEPER.WAV"), SoundResult::Playing);

    EXPECT_EQ(player.requests, QStringList({"BEEP", "BEEP", "BEEP", "alarm.wav", "BEEPER.WAV"}));
    EXPECT_EQ(player.beeps, 3);
}

TEST(SoundPlay, ReportsWhatThePlayerAnswers)
{
    RecordingSoundPlayer player;
    player.fileResult = SoundResult::Missing;
    SoundOverride use(player);

    const SoundResult result = Sound::Play("gone.wav");
    EXPECT_EQ(result, SoundResult::Missing);
    EXPECT_FALSE(Sound::Sounded(result));
    EXPECT_TRUE(Sound::Sounded(Sound::Play("BEEP")));
}

TEST(SoundPlay, OverridesNestAndRestore)
{
    RecordingSoundPlayer outer;
    RecordingSoundPlayer inner;
    SoundOverride useOuter(outer);
    {
        SoundOverride useInner(inner);
        Sound::Play("a.wav");
    }
    Sound::Play("b.wav");
    EXPECT_EQ(inner.requests, QStringList{"a.wav"});
    EXPECT_EQ(outer.requests, QStringList{"b.wav"});
}

TEST(WaveFile, TellsWhyAFileCannotPlay)
{
    EXPECT_EQ(WaveFileProblem(test::TestPath("none.wav")), SoundResult::Missing);
    EXPECT_EQ(WaveFileProblem(QString()), SoundResult::Missing);

    QDir().mkpath(test::TestPath("folder.wav"));
    EXPECT_EQ(WaveFileProblem(test::TestPath("folder.wav")), SoundResult::Unreadable);

    EXPECT_EQ(WaveFileProblem(test::WriteTextFile(test::TestPath("text.wav"), "not a sound")),
              SoundResult::NotWave);
    EXPECT_EQ(WaveFileProblem(test::WriteTextFile(test::TestPath("short.wav"), "RIFF")), SoundResult::NotWave);
    const char avi[] = "RIFF\x10\0\0\0AVI LIST";
    EXPECT_EQ(WaveFileProblem(WriteBytes("avi.wav", QByteArray(avi, sizeof avi - 1))), SoundResult::NotWave);

    EXPECT_EQ(WaveFileProblem(WriteWave("ok.wav")), std::nullopt);
}

TEST(QtSoundPlayer, BadFilesPlayNothingAndSayWhy)
{
    QtSoundPlayer player;
    EXPECT_EQ(player.PlayFile(test::TestPath("none.wav")), SoundResult::Missing);
    EXPECT_EQ(player.PlayFile(test::WriteTextFile(test::TestPath("text.wav"), "text")), SoundResult::NotWave);
    EXPECT_EQ(player.Beep(), SoundResult::Beeped);
}

TEST(QtSoundPlayer, AWaveFilePlaysWithoutWaitingWhenThereIsAnOutput)
{
    QtSoundPlayer player;
    const SoundResult expected =
        QMediaDevices::defaultAudioOutput().isNull() ? SoundResult::NoOutput : SoundResult::Playing;
    EXPECT_EQ(player.PlayFile(WriteWave("ok.wav")), expected);
}

} // namespace
} // namespace vl
