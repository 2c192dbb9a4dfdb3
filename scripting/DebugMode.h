#pragma once
// The debug flag of scripts (setting "Debug" of section "Settings"): while it
// is on, keyword and expression evaluation writes its working to the event
// log. Set at start-up and by the running-script viewer; read by any thread.

#include <atomic>

namespace vl {

inline std::atomic<bool> DebugMode{false};

} // namespace vl
