// Halvex, the backup runner: zips the data files into an archive or restores
// them. Command line: the main data file's name ("VLDB.TPS") and up to two
// more arguments for the backup manager; "--backup <archive>" or
// "--restore <archive>" runs the operation without a window.

#include "backup/windows/BackupRunnerMain.h"

int main(int argc, char** argv)
{
    return vl::BackupRunnerMain(argc, argv);
}
