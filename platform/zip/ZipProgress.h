#pragma once
// What the zip and unzip work reports while it runs: each item as it begins
// and the percentage done of the current item; it asks between steps whether
// the user aborted. The work may run on a thread of its own, so a receiver
// that shows the progress hands it to its window's thread.

#include <QString>

namespace vl {

class ZipProgress {
public:
    virtual ~ZipProgress() = default;
    virtual void Item(const QString& name) { (void)name; }
    virtual void Percent(int percent) { (void)percent; }
    // True once the user asked to stop: the work ends with "Operation aborted".
    virtual bool Aborted() { return false; }
};

} // namespace vl
