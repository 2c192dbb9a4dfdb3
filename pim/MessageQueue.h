#pragma once
// The message list's "Send E-mail": a "Send Email" step for the message is
// put on the script queue, due at once, and the frame's tick sends it
// (through SendStoredMessage) on its next turn, also while the scheduler is
// inactive. The status line shows "Sending Email..." meanwhile, and a notice
// that nobody waits for says how the send went when it is done.

#include <cstdint>

namespace vl {

// False (nothing queued) for the ID 0.
bool QueueMessageSend(int32_t emailId);

// True, once per queued send, when the message list queued a send of the ID
// that has not been reported yet: its send then says how it went.
bool TakeQueuedMessageSend(int32_t emailId);

} // namespace vl
