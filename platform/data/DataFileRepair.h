#pragma once
// Repair of a damaged data file. The file is kept as a copy, byte for byte,
// before anything opens it, then checked; when it is damaged, every record
// that can still be read is copied into a new file beside it, the new file
// is checked, and only then does the new content replace the old, in one
// transaction of the file itself (written over directly when its header no
// longer reads). Nothing else writes to the file. Any failure on the way (a
// full disk, a file another program holds, a file of which no page can be
// read, a cancel) removes the copy and leaves the original exactly as it
// was.
//
// The records are read from the file's pages directly (PageSalvage.h), so
// that damage to the file's own list of tables loses only what is on the
// damaged pages. Tables the program declares are made again from their
// declarations where the file no longer describes them, and take back the
// pages of records their damaged upper pages no longer reach. The data
// layer's catalog is made again from the declarations, never copied; the
// repaired file replaces the old one only when every declared table of it
// opens as the program's open takes it (a catalog that contradicts its
// tables is damage too, which the engine's check does not see).

#include "platform/data/DataError.h"
#include "platform/data/TableDef.h"

#include <QStringList>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace vl {

struct DataFileRepair {
    QStringList findings;     // what the check found; empty: the file is sound
    bool replaced = false;    // the file now holds the records read back
    int64_t recordsKept = 0;  // records copied into the repaired file
    int64_t recordsTakenBack = 0; // of those, records only a log set aside still held
    int unreadablePlaces = 0; // damaged places where records could not be read
    // The tables of those places (by their names in the file); a place
    // whose table cannot be told is under an empty name.
    std::map<QString, int> unreadableIn;
    // Records of a table that did not come back, by its name in the file,
    // for the tables of which a key still tells what they held.
    std::map<QString, int64_t> recordsLostIn;
    QStringList tablesLost;   // tables the file no longer describes, with their records
    bool nothingReadable = false; // the repair failed: no record could be read
    bool cancelled = false;       // the user stopped the repair
    QString damagedCopy;      // where the damaged file was kept
};

// A table the program keeps in the file: its name there and its declaration.
struct DeclaredTable {
    QString table;
    std::shared_ptr<const TableDef> definition;
};

// Checks the data file at path and repairs it when damaged. The work needs
// the file to itself: while another program (or another table of this one)
// has it open, it fails with error 32 after the lock wait. progress, when
// given, hears the share of the tables copied (0-100). declared: the tables
// the program keeps in the file. cancelled, when given, is asked on the way;
// once it says so the repair stops and leaves the file as it was.
DataError RepairDataFile(const QString& path, DataFileRepair& result,
                         const std::function<void(int percent)>& progress = {},
                         const std::vector<DeclaredTable>& declared = {},
                         const std::function<bool()>& cancelled = {});

} // namespace vl
