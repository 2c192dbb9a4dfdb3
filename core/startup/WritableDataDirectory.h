#pragma once
// Whether the program can store anything in its data directory. A data
// directory it cannot write to still lets it show what it reads, but no task,
// setting or hand-over to the message program can be stored there: the user
// is told so once, at start, with the directory and what to do about it, and
// the frame's title says "(read-only)" for the whole run.

#include <QString>

namespace vl {

class PromptService;
struct DataError;

inline constexpr char kReadOnlyDataCaption[] = "Data Is Read-Only";

// True when a new file can be created in the directory and every data file
// there (*.TPS) can be written. Otherwise shows "Data Directory Not
// Writable", naming the directory and how to make it writable (the chmod
// only to the user who owns it), and returns false; the program goes on.
bool CheckDataDirectoryWritable(PromptService& prompt, const QString& directory);

// The title with " (read-only)" after it while the data is read-only (the
// last answer of CheckDataDirectoryWritable was false).
QString MarkedTitle(const QString& title);

// The text for a write refused because the data is read-only ("what" names
// the thing that was to be stored); empty when the error has another cause.
QString RefusedWriteText(const QString& what, const DataError& error);

} // namespace vl
