#pragma once
// Whether the program can store anything in its data directory. A data
// directory it cannot write to still lets it show what it reads, but no task,
// setting or hand-over to the message program can be stored there: the user
// is told so once, at start, with the directory and what to do about it.

#include <QString>

namespace vl {

class PromptService;

// True when a new file can be created in the directory and every data file
// there (*.TPS) can be written. Otherwise shows "Data Directory Not
// Writable", naming the directory and how to make it writable, and returns
// false; the program goes on.
bool CheckDataDirectoryWritable(PromptService& prompt, const QString& directory);

} // namespace vl
