#pragma once
// The message list's "Send E-mail": a "Send Email" step for the message is
// put on the script queue, due at once, and the frame's tick sends it
// (through SendStoredMessage) on its next turn, also while the scheduler is
// inactive. The status line shows "Sending Email..." meanwhile.

#include <cstdint>

namespace vl {

// False (nothing queued) for the ID 0.
bool QueueMessageSend(int32_t emailId);

} // namespace vl
