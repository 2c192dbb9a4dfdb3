#pragma once
// The journal of a restore: a small file beside the data files that says,
// before the first file is placed, which files the restore replaces, where
// their new content waits and where their old content is kept, and then
// records each step, written through to the disk. A restore that was
// stopped part way (a killed program, a power failure) is then finished or
// taken back at the next start of a program, before any data file is
// opened: never half done. The restore running holds a lock on its journal,
// so no other program takes it for an unfinished one.

#include "backup/RestoreSwap.h"

#include <QList>
#include <QString>

namespace vl {

inline constexpr char kRestoreJournalName[] = ".restore-journal";

class RestoreJournal {
public:
    RestoreJournal() = default;
    // Removes the journal unless Leave() was called.
    ~RestoreJournal();
    RestoreJournal(const RestoreJournal&) = delete;
    RestoreJournal& operator=(const RestoreJournal&) = delete;

    // Starts the journal of a restore into dir whose files wait in the work
    // folder. Fails when another restore into dir is running.
    ZipResult Start(const QString& dir, const QString& workFolder);
    // Lists the swaps: from here on files change.
    ZipResult Begin(const QList<RestoreSwap>& swaps);
    // Records the way chosen for swap n, or that it is placed.
    ZipResult Note(qsizetype n, const RestoreSwap& swap);
    // Keeps the journal (and with it the work folder) for the next start:
    // the restore could not be taken back.
    void Leave() { leave_ = true; }

private:
    ZipResult Append(const QString& line);

    QString path_;
    int fd_ = -1;
    bool leave_ = false;
};

// Finishes or takes back a restore into dir that was stopped part way, and
// tells the user which; does nothing when there is none, or when it is still
// running. Finished when every file not yet placed still waits in the work
// folder and each can be placed; taken back otherwise. The journal and the
// work folder go once that is done.
void FinishUnfinishedRestore(const QString& dir);

// Removes the work folders in dir of runs that died (WorkFolder.h), but the
// one a restore stopped part way still needs.
void RemoveDeadWorkFiles(const QString& dir);

} // namespace vl
