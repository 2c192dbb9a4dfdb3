#pragma once
// The file work behind a shell file operation: copy, move, rename, delete or
// move to the trash, on one or several names and wildcards.
//
// - Sources are names; a "*" or "?" in the last part of a name matches the
//   entries of its folder (files only when filesOnly is set). A named source
//   that does not exist stops the operation before anything is done; so does
//   a request in which nothing matches at all.
// - Copy and move: the first target counts. It is a folder when several
//   sources or a wildcard were given, when it is an existing folder, or when
//   it ends with "/"; otherwise it is the new name of the one source. Missing
//   folders on the way are created. A taken target name is overwritten, or,
//   with renameOnCollision, the file gets a free name ("x (2).txt"). Folders
//   are copied whole; a folder moved or copied onto an existing folder is
//   merged into it.
// - Rename: one source (no wildcard) gets the target name; a target without
//   a "/" names the new name in the source's own folder. A taken name is
//   never overwritten: AlreadyExists, or a free name with renameOnCollision.
// - Delete: files and folders (with what they hold) are removed, or moved to
//   the desktop's trash with allowUndo. A file that cannot go to the trash is
//   left in place and reported; it is never removed instead.
// - The live data files of the data directory (LiveDataFiles.h) are never
//   deleted, moved, renamed or overwritten, nor are the folders that hold
//   them removed or moved: such a request is refused whole with AccessDenied
//   before anything is done.
// - An overwritten file is replaced only once its new content is complete
//   (written beside it, then renamed over it), so a failed copy (a full disk)
//   leaves the old file as it was. Copies keep the modification time.
// - Work stops at the first failure; what was done before it stays done.
//
// Blocking: runs until the work is done; a caller that must stay responsive
// runs it on a worker thread (it keeps no shared state).

#include "core/shell/ShellFileResult.h"

#include <QString>
#include <QStringList>

namespace vl {

// The shell's function numbers, as the trace records them.
enum class ShellFunction : int { Move = 1, Copy = 2, Delete = 3, Rename = 4 };

struct ShellFileRequest {
    ShellFunction function = ShellFunction::Copy;
    QStringList sources;
    QStringList targets;
    bool renameOnCollision = false;
    bool allowUndo = false;  // delete: to the trash
    bool filesOnly = true;   // wildcards match files only
    QString dataDirectory;   // whose data files are protected; empty: the current directory
};

ShellFileResult RunShellFileWork(const ShellFileRequest& request);

} // namespace vl
