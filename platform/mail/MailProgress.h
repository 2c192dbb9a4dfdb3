#pragma once
// Progress counters and the cancel flag of one send. The library reports the
// bytes of the message handed to the server and polls the flag; the flag may
// be set from any thread.

#include <QtGlobal>

#include <atomic>
#include <functional>

namespace vl {

class MailProgress {
public:
    // Called on the sending thread whenever the counters change.
    using Callback = std::function<void(qint64 bytesProcessed, qint64 bytesTotal)>;

    void SetCallback(Callback callback) { callback_ = std::move(callback); }
    void RequestCancel() { cancel_.store(true); }
    bool CancelRequested() const { return cancel_.load(); }

    void Report(qint64 bytesProcessed, qint64 bytesTotal)
    {
        if (bytesProcessed == processed_ && bytesTotal == total_)
            return;
        processed_ = bytesProcessed;
        total_ = bytesTotal;
        if (callback_)
            callback_(bytesProcessed, bytesTotal);
    }

    // Counters and the cancel flag back to 0 after a send.
    void Reset()
    {
        processed_ = 0;
        total_ = 0;
        cancel_.store(false);
    }

private:
    Callback callback_;
    std::atomic<bool> cancel_{false};
    qint64 processed_ = 0;
    qint64 total_ = 0;
};

} // namespace vl
