#pragma once
// Whether a program has a data file open through the data file layer: this
// program (a descriptor of the file or of its log files), or another one
// (the lock every connection holds on the log index while it is open, or on
// the file itself). A program that ended without closing the file leaves
// its log files but no lock: the file is not in use.

#include <QString>

namespace vl {

bool DataFileInUse(const QString& path);

} // namespace vl
