#pragma once
// Reading the clipboard's text without the scheduler ever waiting for it.
//
// On X11 a read asks the program that owns the clipboard for its text and
// waits for the answer; an owner that is busy or hung would freeze the
// frame's tick for seconds on every read. So this program never reads the
// clipboard itself: Qt tells it when the clipboard changes hands (a
// notification from the X server, not from the owner), and only then a small
// helper program of ours ("VLClip", beside the running executable) reads the
// text and prints it. The helper runs on its own; the tick only takes the
// text once the helper has finished, and a helper still running after a few
// seconds is ended: the text of an owner that never answers is never taken,
// and nothing else waits for it.

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>

#include <optional>

namespace vl {

inline constexpr char kClipboardReaderName[] = "VLClip";

class ClipboardWatch {
public:
    // Watches the application's clipboard; without a GUI application there
    // is none, and Poll never gives a text.
    ClipboardWatch();
    ~ClipboardWatch();
    ClipboardWatch(const ClipboardWatch&) = delete;
    ClipboardWatch& operator=(const ClipboardWatch&) = delete;

    // Called on every tick: starts a read once the clipboard has changed (and
    // on the first call), ends a read that takes too long, and gives the
    // text of a finished read, once.
    std::optional<QString> Poll();

private:
    void StartRead();
    void Finished(int exitCode, QProcess::ExitStatus status);

    QObject context_; // ends the connections with the watch
    QProcess reader_;
    QElapsedTimer reading_;
    bool available_ = false;
    bool changed_ = true;
    std::optional<QString> text_;
};

} // namespace vl
