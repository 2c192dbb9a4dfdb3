#pragma once
// One file of a restore: its new content extracted into the work folder
// (staged), the file it replaces (target), and where the old content is kept
// to take the change back (kept).
//
// A data file that exists, which another program may have open, gets its new
// content through the data file layer in one write, after a snapshot of its
// old content was kept; any other file (also a data file too damaged to
// open, and a damaged one an extract takes out where no program has the
// file it replaces open) is renamed over, its old file and logs moved aside,
// so that no old log can be applied to the new content. Placing and taking
// back may each be run again after a stop part way (a killed program) and
// end as a run without the stop would.

#include "platform/data/DataError.h"
#include "platform/zip/ZipError.h"

#include <QString>

#include <system_error>

namespace vl {

struct RestoreSwap {
    enum class Way { NotStarted, ThroughData, Renamed };
    QString staged;
    QString target;
    QString kept;
    Way way = Way::NotStarted; // chosen before the target changes
    bool placed = false;
    bool damaged = false; // a damaged data file: renamed over, never written through the data file layer
};

// Chooses how the swap is placed; for ThroughData the old content is kept
// first. Changes nothing of the target.
ZipResult ChooseWay(RestoreSwap& swap);
// Puts the new content in place the way chosen; placed on success.
ZipResult PlaceSwap(RestoreSwap& swap);
// Takes a swap whose way was chosen back to the old content (its way chosen,
// placed or not, or placed part way); false when that failed.
bool TakeBackSwap(const RestoreSwap& swap);

// The failures of file work as zip results: a full disk as such, anything
// else as a copying error naming the file.
ZipResult DataFailure(const DataError& error, const QString& file);
ZipResult FileFailure(const std::error_code& failure, const QString& file);

} // namespace vl
