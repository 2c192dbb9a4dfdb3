#pragma once
// While a HeldSignals lives, work begun on the data files is finished or
// taken back before the program ends: a file-size limit makes a write fail
// (EFBIG, seen as a full disk) instead of ending the program, and SIGTERM,
// SIGINT and SIGHUP are held back. A signal held back is raised again once the
// object is gone, with the actions from before in place. One at a time.

#include <csignal>

namespace vl {

class HeldSignals {
public:
    HeldSignals();
    ~HeldSignals();
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

private:
    struct sigaction term_ {};
    struct sigaction interrupt_ {};
    struct sigaction hangUp_ {};
    struct sigaction fileSize_ {};
};

} // namespace vl
