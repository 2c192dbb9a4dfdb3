#include "platform/data/LogIndex.h"

#include "platform/data/EngineFile.h"

#include <sqlite3.h>

#include <atomic>

namespace vl {

namespace {

// The size of a region of the shared index, fixed by the engine's log format.
constexpr int kIndexRegion = 32768;

} // namespace

const volatile uint32_t* MapLogIndexHeader(sqlite3* db)
{
    sqlite3_file* file = EngineFileOf(db);
    if (!file || file->pMethods->iVersion < 2 || !file->pMethods->xShmMap)
        return nullptr;
    volatile void* region = nullptr;
    // Not extended: an index the engine has not set up is left alone.
    if (file->pMethods->xShmMap(file, 0, kIndexRegion, 0, &region) != SQLITE_OK)
        return nullptr;
    return static_cast<const volatile uint32_t*>(region);
}

LogIndexHeader ReadLogIndexHeader(const volatile uint32_t* header)
{
    LogIndexHeader reading{};
    for (size_t i = 0; i < reading.size(); ++i)
        reading[i] = header[i];
    // Whatever is read after this reading is at least as new as it.
    std::atomic_thread_fence(std::memory_order_acquire);
    return reading;
}

} // namespace vl
