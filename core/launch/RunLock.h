#pragma once
// Program starts run one at a time. A start waits for the one in progress
// (without spinning) at most three seconds; after that it logs "Lock Error"
// ("Scripting") and goes on without the lock, so a start that hangs can
// delay the others but never stop them. Works across threads; a start nested
// on the same thread waits out the three seconds as well.

namespace vl {

class RunLock {
public:
    RunLock();
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    // Gives the lock up before the end of the scope (a second call does
    // nothing).
    void Release();

private:
    bool held_ = false;
};

} // namespace vl
