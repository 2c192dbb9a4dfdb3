#include "backup/ZipWork.h"

#include <algorithm>

namespace vl {

namespace {

class Unseen : public ZipWork {
public:
    ZipResult Run(const QString&, int, const ZipJob& job) override
    {
        ZipProgress silent;
        return job(silent);
    }
};

} // namespace

ZipWork& CurrentZipWork()
{
    static Unseen unseen;
    return InstalledOr<ZipWork>(unseen);
}

int OverallPercent(int itemsDone, int itemsToDo)
{
    const int percent = itemsToDo > 0 ? itemsDone * 99 / itemsToDo : itemsDone * 2;
    return std::clamp(percent, 0, 99);
}

} // namespace vl
