#pragma once
// How a command text (a program with its switches, as a task or a script
// step stores it) is taken apart for starting. Nothing here ever hands the
// text to a shell: the parts become an argument vector.

#include <QList>
#include <QString>
#include <QStringList>

namespace vl {

struct CommandLineParts {
    QString program;
    QStringList arguments;
};

// The program is the text up to the first blank, or, when the text begins
// with a double quote, the text up to the closing quote; the rest is split
// into arguments at white space outside double quotes. Quotes are removed;
// three in a row stand for one quote that is part of the argument, and a
// quoted empty text ("") is an empty argument.
CommandLineParts SplitCommandLine(const QString& command);

// One way of reading a command for the desktop start: the file to start or
// open and the parameters handed to it.
struct ShellTry {
    QString file;
    QString parameters;

    bool operator==(const ShellTry&) const = default;
};

// The readings tried in turn until one starts:
// 1. the whole command (clipped) as the file;
// 2. split at its first blank, or, when it begins with a double quote, at
//    the closing quote (the quotes dropped);
// 3. then, after such a split, at every blank from the end back to the third
//    character, so that a program path holding blanks is found without
//    quotes.
// Parameters are left-justified and clipped; a reading equal to an earlier
// one is not repeated.
QList<ShellTry> ShellOpenTries(const QString& command);

} // namespace vl
