#pragma once
// Small shell scripts for the process tests, written into folders whose names
// hold blanks, and ways to wait for what a started child does. Waiting polls
// for the child's own end or output with a generous bound; it never relies on
// a fixed time passing.

#include <QString>

namespace vl::test {

// Writes an executable script (a "#!/bin/sh" line is put in front of body)
// and returns its path.
QString WriteScript(const QString& path, const QString& body);
// Gives the file execute permission; returns its path.
QString MakeExecutable(const QString& path);

// The exit code of a started child once it has ended (ChildExitCode), or
// kStillActive when it has not ended within the bound.
int WaitForExit(qint64 pid);

// The content of a file once it exists; empty when it does not appear in
// time. Scripts write their output elsewhere and rename it into place, so the
// content is complete once the file exists.
QString WaitForFile(const QString& path);

// True once no process of that id is left (not even a zombie).
bool WaitUntilGone(qint64 pid);

// This process's nice value.
int OwnNice();

} // namespace vl::test
