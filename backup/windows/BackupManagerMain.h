#pragma once
// The backup manager's program body: "Orlend [files to back up [two more
// arguments]]", as the backup runner starts it. Recommends backing up the
// files named by the first argument once, then shows the frame; its place is
// kept in "Orlend.INI". Returns the program's exit status.

namespace vl {

int BackupManagerMain(int argc, char** argv);

} // namespace vl
