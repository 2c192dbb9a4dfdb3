#pragma once
// Whether the program was told to terminate (a termination signal, the end
// of the desktop session): one fact for the whole process, whoever caught
// it. From then on the prompt service answers no question (kNoAnswer), so a
// box open or opened then holds nothing up and starts nothing a button
// would start; the program ends as it stands.

namespace vl {

bool TerminationRequested();
// Sets the fact; it holds until the program body starts again.
void RequestTermination();
// A new run of the program body starts without the request of a run before
// (the process runs it once; tests run it again).
void ClearTerminationRequest();

} // namespace vl
