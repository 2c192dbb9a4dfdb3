#include "pim/ClipboardWatch.h"

#include "platform/process/ExecutableDirectory.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vl {

namespace {

// A read still running after this long is ended (milliseconds).
constexpr qint64 kReadTimeout = 3000;

} // namespace

ClipboardWatch::ClipboardWatch()
{
    available_ = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (!available_)
        return;
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &context_, [this] { changed_ = true; });
    QObject::connect(&reader_, &QProcess::finished, &context_,
                     [this](int exitCode, QProcess::ExitStatus status) { Finished(exitCode, status); });
}

ClipboardWatch::~ClipboardWatch()
{
    QObject::disconnect(&reader_, nullptr, &context_, nullptr);
    if (reader_.state() != QProcess::NotRunning) {
        reader_.kill();
        reader_.waitForFinished();
    }
}

std::optional<QString> ClipboardWatch::Poll()
{
    if (!available_)
        return std::nullopt;
    if (reader_.state() != QProcess::NotRunning && reading_.elapsed() > kReadTimeout) {
        // An owner that never answers: its text is not taken (a killed
        // reader finishes with a crash, which Finished passes over).
        reader_.kill();
        reader_.waitForFinished();
    }
    if (changed_ && reader_.state() == QProcess::NotRunning)
        StartRead();
    std::optional<QString> text;
    text.swap(text_);
    return text;
}

void ClipboardWatch::StartRead()
{
    changed_ = false;
    reading_.start();
    reader_.setProcessChannelMode(QProcess::SeparateChannels);
    reader_.setStandardErrorFile(QProcess::nullDevice());
    reader_.start(CompanionProgramPath(QLatin1String(kClipboardReaderName)), {});
}

void ClipboardWatch::Finished(int exitCode, QProcess::ExitStatus status)
{
    const QByteArray output = reader_.readAllStandardOutput();
    if (status == QProcess::NormalExit && exitCode == 0)
        text_ = QString::fromUtf8(output);
}

} // namespace vl
