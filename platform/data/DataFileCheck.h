#pragma once
// The background check of the data files: the engine's quick check of each
// file, on a worker thread, so that damage on pages nobody has read yet is
// found too. A damaged file is reported as a failed read is
// (DamagedFileNotice.h); a file that is busy, missing or out of reach is no
// finding.

#include <QString>
#include <QStringList>

#include <atomic>
#include <thread>

namespace vl {

struct QuickCheckResult {
    bool damaged = false;
    QString finding; // the check's first finding, or the engine's message
};

// Checks the data file at path on this thread, on a read-only connection of
// its own. stop, when given and set, cuts the check short (no finding then).
QuickCheckResult QuickCheckDataFile(const QString& path, const std::atomic<bool>* stop = nullptr);

class DataFileCheck {
public:
    DataFileCheck() = default;
    ~DataFileCheck();
    DataFileCheck(const DataFileCheck&) = delete;
    DataFileCheck& operator=(const DataFileCheck&) = delete;

    // Checks the files one after the other on a worker thread; nothing when
    // a check is running.
    void Start(const QStringList& paths);
    // Cuts a running check short and waits for its thread (a repair needs
    // the files to itself).
    void Stop();
    bool Running() const { return running_; }

private:
    std::thread worker_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
};

} // namespace vl
