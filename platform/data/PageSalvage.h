#pragma once
// Reads the records of a data file straight from its pages, without the
// storage engine, for the repair of a file whose structure the engine no
// longer reads (a damaged page of the file's own list of tables, a file cut
// short). Every page is decoded on its own and checked as it is read: a page
// or a record that does not decode is passed over and counted, never guessed
// at. Pages that no table reaches any longer (their parent page is damaged)
// are offered apart, so that their records can still be placed.
//
// Every read stays within the file's real length, whatever its header says.
// The header's fields are hints checked against the pages: the page size is
// the one at which most pages read as pages of a tree (the header's wins a
// tie), the space it keeps at the end of each page holds only where the
// pages read as well with it, and its page count, text encoding, schema
// format and list of free pages stop nothing.

#include <QFile>
#include <QString>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace vl {

struct SalvagedValue {
    int type = 5; // the engine's storage class (SQLITE_NULL)
    int64_t integer = 0;
    double real = 0;
    std::string bytes; // text or blob
};

struct SalvagedRow {
    int64_t rowid = 0;
    std::vector<SalvagedValue> values;
};

// One entry of the file's list of tables and keys.
struct SalvagedSchemaEntry {
    std::string type; // "table", "index", ...
    std::string name;
    std::string table;
    uint32_t root = 0;
    std::string sql; // empty for the engine's own keys
};

using SalvagedRowSink = std::function<void(const SalvagedRow&)>;

class PageSalvage {
public:
    explicit PageSalvage(const QString& path);

    // The file's page size is known: from its header, or from its pages.
    bool Readable() const { return pageSize_ > 0; }
    int PageSize() const { return pageSize_; }
    int UserVersion() const { return userVersion_; }
    // What the header says that the pages belie (or that the program never
    // writes); empty when it holds.
    const std::vector<std::string>& HeaderFaults() const { return headerFaults_; }

    // The entries of the list of tables that can still be read: those its
    // own pages reach, then those found on pages it no longer reaches.
    std::vector<SalvagedSchemaEntry> Schema();

    struct Walked {
        // Pages of records that did not decode (whole or in part).
        int damagedLeaves = 0;
        // An upper page did not decode: pages of records below it are
        // among the unreached ones. (All pages of records of a table lie at
        // the same depth, which tells the two kinds of damage apart.)
        bool missesPages = false;
    };
    // Hands over the readable records of the table whose first page is root,
    // in page order.
    Walked WalkTable(uint32_t root, const SalvagedRowSink& each);

    // The record pointers of every entry of the key whose first page is
    // root: those of the records its table held. False when a page of the
    // key does not read whole.
    bool RecordPointersOfKey(uint32_t root, std::set<int64_t>& pointers);

    // Pages of records that no walk so far has reached and that are not
    // free: the leaves of a table whose upper pages are damaged.
    std::vector<uint32_t> UnreachedLeaves();
    // The records of one such page; false (nothing handed over) when it no
    // longer decodes as a page of records.
    bool ReadLeaf(uint32_t page, std::vector<SalvagedRow>& rows);

private:
    struct Page {
        std::string bytes;
        int header = 0; // where the page header starts (100 on page 1)
        uint8_t type = 0;
        int cells = 0;
    };

    bool Load(uint32_t number, Page& page);
    // How many pages after the first read as pages of a tree under this
    // size and usable part of a page.
    int64_t TreePages(int size, int usable);
    // The page size under which most pages read as pages of a tree; stated
    // (the header's, 0 when none) on a tie or when no page does.
    int GuessPageSize(int stated);
    // The records of a leaf, each checked; false when one did not decode.
    bool LeafRows(const Page& page, std::vector<SalvagedRow>& rows);
    bool Cell(const Page& page, int index, SalvagedRow& row);
    bool Overflow(uint32_t first, size_t length, std::string& payload);
    // A record of a cell starting at at of length bytes, of which the page
    // holds at most most itself; false when it does not read.
    bool Payload(const Page& page, size_t at, uint64_t length, uint64_t most, std::string& record);
    bool KeyPointers(uint32_t number, int depth, std::set<uint32_t>& seen, std::set<int64_t>& pointers);
    // Damaged pages go into damagedAt by their depth, the depth of the
    // pages of records into leafDepth.
    void Walk(uint32_t number, int depth, std::vector<int>& damagedAt, int& leafDepth, const SalvagedRowSink& each);
    void ReadFreeList(uint32_t trunk);

    QFile file_;
    int pageSize_ = 0;
    int usable_ = 0;
    uint32_t pageCount_ = 0; // whole pages within the file's length
    int userVersion_ = 0;
    std::vector<std::string> headerFaults_;
    std::set<uint32_t> reached_; // pages a walk has read (overflow pages included)
    std::set<uint32_t> free_;
};

} // namespace vl
