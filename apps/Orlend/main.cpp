// Orlend, the backup manager: browses and edits zip archives. Command line:
// the files the main program wants backed up (recommended once) and up to
// two more arguments, as the backup runner passes them on.

#include "backup/windows/BackupManagerMain.h"

int main(int argc, char** argv)
{
    return vl::BackupManagerMain(argc, argv);
}
