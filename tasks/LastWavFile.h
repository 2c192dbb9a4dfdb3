#pragma once
// The last alarm sound chosen is offered to the next task with an alarm. It
// is kept in two places: the configuration value "LastWAVFile" (which falls
// back to the program INI while it has none of its own) and the program
// INI's section "Settings", key "LastWAVFile", read directly. The task form
// uses the first; the wizards' "Alarm" box and the message wizard's WAV file
// entry use the second.

#include "core/dictionary/ScheduleRecord.h"

namespace vl {

inline constexpr char kLastWavFileKey[] = "LastWAVFile";

enum class WavFileStore { Configuration, ProgramIni };

// A blank alarm file takes the stored one; a file given is stored.
void OfferLastWavFile(ScheduleRecord& task, WavFileStore store);

} // namespace vl
