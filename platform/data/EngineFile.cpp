#include "platform/data/EngineFile.h"

#include <sqlite3.h>

namespace vl {

sqlite3_file* EngineFileOf(sqlite3* db)
{
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file || !file->pMethods)
        return nullptr;
    return file;
}

int EngineHeaderByte(sqlite3* db, int64_t offset)
{
    sqlite3_file* file = EngineFileOf(db);
    unsigned char byte = 0;
    if (!file || file->pMethods->xRead(file, &byte, 1, offset) != SQLITE_OK)
        return -1;
    return byte;
}

} // namespace vl
