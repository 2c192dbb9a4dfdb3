#pragma once
// The work files of the backup programs (the snapshots a backup zips, the
// files a restore extracts, the archive being written) live in a hidden
// folder ".halvex-XXXXXX" beside the files they become, never under a final
// name. The run that made the folder holds a lock on it for as long as it
// works: a lock of the folder's own open description, which no close of
// another descriptor in the process drops and which ends with the process
// however it ends. The folder goes, with everything in it, when the run is
// done with it; the folder of a run that died is left unlocked, and the
// next run in that place removes it (RemoveDeadWorkFolders).

#include <QString>

namespace vl {

inline constexpr char kWorkFolderPrefix[] = ".halvex-";

class WorkFolder {
public:
    // Makes and locks a new work folder in the folder beside.
    explicit WorkFolder(const QString& beside);
    // Removes the folder unless setAutoRemove(false) was called, then lets
    // go of its lock.
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    bool isValid() const { return fd_ >= 0; }
    QString errorString() const { return error_; }
    QString path() const { return path_; }
    QString filePath(const QString& name) const;
    void setAutoRemove(bool remove) { autoRemove_ = remove; }

private:
    QString path_;
    QString error_;
    int fd_ = -1;
    bool autoRemove_ = true;
};

// Removes each work folder in dir that no live run holds locked, except
// keep (a folder a stopped restore still needs, by its path).
void RemoveDeadWorkFolders(const QString& dir, const QString& keep = QString());

} // namespace vl
