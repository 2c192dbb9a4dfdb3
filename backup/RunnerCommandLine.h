#pragma once
// The backup runner's command line: "Halvex [data file [two more arguments]]"
// as the main program starts it (the arguments go on to the backup manager),
// and the unattended forms "--backup <archive>" and "--restore <archive>",
// which run the operation without a window and report on the error output.

#include "backup/BackupRunner.h"

#include <QString>
#include <QStringList>

namespace vl {

struct RunnerCommandLine {
    QStringList passOn; // the plain arguments, at most three
    RunnerOperation unattended = RunnerOperation::Unknown; // Unknown: the window
    QString archive;
    QString error; // not empty for a command line that cannot be run
};

RunnerCommandLine ParseRunnerCommandLine(const QStringList& arguments);
QString RunnerUsage();

} // namespace vl
