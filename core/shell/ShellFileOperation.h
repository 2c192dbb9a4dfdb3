#pragma once
// Copying, moving, renaming, deleting and recycling files for the script
// action File Actions, with a trace of every operation in ".\DEBUG.INI"
// (section "ShFileOp": "Exec" = the function number, "Source" and "Target" =
// the first source and target name).
//
// An object keeps its prepared state between operations: Prepare sets the
// standard flags; Delete adds or removes kAllowUndo and the change stays until
// the next Prepare. The standard flags ask for no confirmation and show no
// error dialog, so no operation ever prompts: failures come back as the
// returned code, with LastResult() saying what went wrong. What each
// operation does, and what it refuses (the program's live data files among
// them), is described in ShellFileWork.h.

#include "core/shell/ShellFileResult.h"
#include "core/shell/ShellFileWork.h"

#include <QString>
#include <QStringList>

namespace vl {

inline constexpr char kShellTraceFile[] = "DEBUG.INI";
inline constexpr char kShellTraceSection[] = "ShFileOp";

class ShellFileOperation {
public:
    static constexpr unsigned kRenameOnCollision = 0x8;
    static constexpr unsigned kNoConfirmation = 0x10;
    static constexpr unsigned kAllowUndo = 0x40;
    static constexpr unsigned kFilesOnly = 0x80;
    static constexpr unsigned kNoConfirmMkDir = 0x200;
    static constexpr unsigned kNoErrorUi = 0x400;
    static constexpr unsigned kStandardFlags = kNoConfirmation | kAllowUndo | kFilesOnly | kNoConfirmMkDir | kNoErrorUi;

    // Starts afresh: the standard flags (plus kRenameOnCollision when asked),
    // function copy, source and target "*.*".
    void Prepare(bool renameOnCollision);

    // Each prepares the object first when it is not yet prepared, sets the
    // paths and runs the operation; each returns 0 or a ShellFileCode.
    int Copy(const QString& target, const QString& source);
    int Move(const QString& target, const QString& source);
    int Rename(const QString& target, const QString& source);
    // Deletes the source, to the trash when allowUndo.
    int Delete(const QString& source, bool allowUndo);
    // Deletes the source to the trash.
    int Recycle(const QString& source);

    // Sets the source and target lists from path texts (ShellPathList.h).
    void SetPaths(const QString& target, const QString& source);

    bool Prepared() const { return prepared_; }
    unsigned Flags() const { return flags_; }
    ShellFunction Function() const { return function_; }
    const QStringList& Sources() const { return sources_; }
    const QStringList& Targets() const { return targets_; }
    const ShellFileResult& LastResult() const { return lastResult_; }

private:
    void PrepareIfNeeded();
    int Execute(ShellFunction function);

    bool prepared_ = false;
    unsigned flags_ = 0;
    ShellFunction function_ = ShellFunction::Copy;
    QStringList sources_;
    QStringList targets_;
    ShellFileResult lastResult_;
};

} // namespace vl
