#pragma once
// The programs the frame starts beside itself (the backup runner): each runs
// on its own and is watched until it ends. A program started from a menu has
// no terminal where its own complaint could be read, so one that cannot
// start, or that ends with a failure code, is told to the user here, in a
// notice nobody has to wait for.
//
//     if (companions.Start("The backup program", start, caption))
//         watch.start(); // a timer that calls Poll() until it returns false

#include "platform/process/ProcessStart.h"

#include <QList>
#include <QString>

namespace vl {

class CompanionPrograms {
public:
    CompanionPrograms() = default;
    ~CompanionPrograms();
    CompanionPrograms(const CompanionPrograms&) = delete;
    CompanionPrograms& operator=(const CompanionPrograms&) = delete;

    // Starts the program. name says it in words ("The backup program");
    // caption titles the notices. False when it could not start (the user
    // has been told why).
    bool Start(const QString& name, const ProgramStart& start, const QString& caption);

    // Looks at the started programs without waiting: each that has ended is
    // forgotten, and one that ended with a code other than 0 is told to the
    // user. True while any is still running.
    bool Poll();

private:
    struct Running {
        qint64 pid = 0;
        QString name;
        QString caption;
    };
    QList<Running> running_;
};

} // namespace vl
