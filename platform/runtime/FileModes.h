#pragma once
// Modes of the files and directories the programs create. The data files
// hold the user's private data, so a file created in a data directory gets
// only the access its directory gives the group and others (none in a
// private directory), never more than the umask allows; a file that replaces
// another keeps the mode of the one it replaces. The modes are set as each
// file is created, never through the process umask, which the programs that
// tasks start inherit unchanged.

#include <QString>

#include <sys/types.h>

namespace vl {

// The process umask, read without changing it.
mode_t CurrentUmask();

// The mode for a new file in the directory: read and write for the owner;
// read and write for the group and for others as far as the directory gives
// them read and write; then narrowed by the umask.
mode_t ModeForNewFile(const QString& directory);

// Creates the file empty with ModeForNewFile of its directory, so that what
// opens it next (the data engine, which gives its log files the same mode)
// finds the mode set. True when it was created; false when it exists or
// cannot be created, in which case nothing changed.
bool CreateFileForItsDirectory(const QString& path);

// Creates the file empty, readable and writable by its owner only (0600):
// backup archives and synchronisation files, wherever they are written.
bool CreatePrivateFile(const QString& path);

// Gives the open file the mode ModeForNewFile gives a new file in the
// directory (for a file written under a temporary name first).
bool GiveNewFileMode(int descriptor, const QString& directory);

// Gives the file, made by a class that sets no mode of its own (a lock
// file), the mode ModeForNewFile gives a new file in its directory.
bool GiveNewFileMode(const QString& path);

// Gives the replacement (a restored or repaired file, written elsewhere
// first) the mode of the file it is about to replace, or, where there is
// none yet, the mode ModeForNewFile gives a new file beside it. Call it
// before the replacement is moved into place.
bool KeepMode(const QString& replaced, const QString& replacement);

// Creates the directory, 0700 before the umask, with any missing parents
// made as usual; a directory that exists keeps its mode. True when the
// directory exists afterwards.
bool MakePrivateDirectory(const QString& path);

} // namespace vl
