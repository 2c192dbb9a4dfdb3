#pragma once
// The FTP and HTTP file actions. The script loader turns them into "Start
// Program" steps of the helper commands "VLFTP U|D <source> <target> <host>
// <user> <password>" and "HTTPGET <url> <save as> /AUTO"; the interpreter
// runs such a command itself, with libcurl on a worker thread, so that the
// password is never on a process's command line and a server that hangs
// never holds up the frame's tick. The step then waits for the transfer as
// it waits for a program's end: exit code 259 while it runs, 0 when done,
// libcurl's failure code otherwise.

#include <QString>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

namespace vl {

struct TransferRequest {
    enum class Kind { FtpUpload, FtpDownload, HttpDownload };
    Kind kind = Kind::HttpDownload;
    QString source; // local file (upload), remote path (FTP download) or address (HTTP)
    QString target; // remote folder or path (upload), local file (downloads)
    QString host;   // FTP: "name" or "name:port"
    QString user;
    QString password;
};

// The request a helper command describes; none when the command starts no
// transfer or misses its names.
std::optional<TransferRequest> ParseTransferCommand(const QString& command);

// Time limits of one transfer, in seconds: to connect, and without a single
// byte moving before it is given up.
struct TransferLimits {
    long connectSeconds = 30;
    long stallSeconds = 60;
};

// One transfer on its own thread. A download lands in a temporary file
// beside its target and replaces the target only when complete, so a failed
// or cancelled transfer never destroys the file that was there.
class FileTransfer {
public:
    static constexpr int kRunning = 259;
    static constexpr int kCancelled = 42; // libcurl's "aborted by callback"

    FileTransfer(TransferRequest request, TransferLimits limits = {});
    ~FileTransfer(); // cancels and waits for the thread
    FileTransfer(const FileTransfer&) = delete;
    FileTransfer& operator=(const FileTransfer&) = delete;

    // kRunning, then 0 or the failure code.
    int ExitCode() const { return exitCode_.load(); }
    // Asks the transfer to stop; it ends within a fraction of a second.
    void Cancel() { cancelled_.store(true); }

private:
    void Run(const TransferRequest& request, TransferLimits limits);

    std::atomic<int> exitCode_{kRunning};
    std::atomic<bool> cancelled_{false};
    std::thread thread_;
};

} // namespace vl
