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
// format and list of free pages stop nothing. A page's own count of entries
// is checked so too: its entries, free blocks and fragments fill the part of
// the page they are kept in exactly, which tells a damaged count apart.
//
// The file is read once to learn its page size; each page after that only
// as the walks reach it. A file with a log is read as the log's whole
// commits leave it, their pages read from the log in place of the file's,
// so that no copy of the file has to be made to read it.

#include "platform/data/LogFrames.h"

#include <QFile>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
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
    // The page size and the part of each page that holds entries.
    struct Layout {
        int pageSize = 0;
        int usable = 0;
    };

    // The file at path, its layout learnt from its header and its pages.
    explicit PageSalvage(const QString& path);
    // The file at path of a layout learnt before (from PageLayout()), read
    // as the whole commits of the log at logPath (read as frames) leave it.
    PageSalvage(const QString& path, const Layout& layout, const QString& logPath = QString(),
                const LogFrames& frames = LogFrames());

    // The file's page size is known: from its header, or from its pages.
    bool Readable() const { return pageSize_ > 0; }
    int PageSize() const { return pageSize_; }
    Layout PageLayout() const { return {pageSize_, usable_}; }
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
        // An upper page did not decode, or a page one points to does not
        // read as a page of the table: pages of records below may be among
        // the unreached ones. (All pages of records of a table lie at the
        // same depth, which tells a damaged upper page from a damaged page
        // of records; a pointer that leads nowhere may be either.)
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
        int end = 0; // where its entries must end: before its reserved space, or where a cut file ends
        uint8_t type = 0;
        int cells = 0;
    };

    // The bytes of a page: the log's latest copy of it, else the file's,
    // filled up with zeros where a file cut short ends within it. Returns
    // how many of them were read (0: the page lies past the end).
    int ReadPage(uint32_t number, std::string& bytes);
    bool Load(uint32_t number, Page& page);
    // The layout under which most pages read as pages of a tree, read in
    // one pass over the file: the stated page size (the header's, 0 when
    // none) wins a tie, its reserved space counts where the pages read as
    // well with it.
    void LearnLayout(int stated, int reserved);
    // The user's version and the list of free pages, from the header.
    void TakeHeader(const std::string& header);
    // The bytes the entry starting at at takes on the page; 0 when it does
    // not lie within the page.
    size_t EntrySize(const Page& page, size_t at) const;
    // How much of a record of length bytes its page holds itself, of which
    // it may hold most; the rest lies on overflow pages.
    uint64_t LocalPart(uint64_t length, uint64_t most) const;
    // The count of entries the page holds (its header's count damaged or
    // not); see the head of this file.
    int EntryCount(const Page& page, int stated) const;
    // The record pointers a page of a table may hold, as the pages above it
    // give them: above the one, up to the other (none: unbounded).
    struct KeyRange {
        std::optional<int64_t> above;
        std::optional<int64_t> upTo;
        bool Holds(int64_t key) const { return (!above || key > *above) && (!upTo || key <= *upTo); }
    };
    // The records of a leaf, each checked; false when one did not decode.
    bool LeafRows(const Page& page, std::vector<SalvagedRow>& rows, const KeyRange& range);
    bool Cell(const Page& page, int index, SalvagedRow& row);
    bool Overflow(uint32_t first, size_t length, std::string& payload);
    // A record of a cell starting at at of length bytes, of which the page
    // holds at most most itself; false when it does not read.
    bool Payload(const Page& page, size_t at, uint64_t length, uint64_t most, std::string& record);
    bool KeyPointers(uint32_t number, int depth, std::set<uint32_t>& seen, std::set<int64_t>& pointers);
    struct WalkState {
        std::vector<int> damagedAt; // the depth of every damaged page
        int leafDepth = -1;         // the depth of the pages of records
        bool pointerLost = false;   // a page pointed to is no page of the table
    };
    void Walk(uint32_t number, int depth, const KeyRange& range, WalkState& state, const SalvagedRowSink& each);
    void ReadFreeList(uint32_t trunk);

    QFile file_;
    QFile log_;
    std::map<uint32_t, int64_t> logPages_; // page number: where its frame's page starts in the log
    int pageSize_ = 0;
    int usable_ = 0;
    uint32_t pageCount_ = 0; // pages within the file's length, the last of them maybe cut
    int userVersion_ = 0;
    std::vector<std::string> headerFaults_;
    std::set<uint32_t> reached_; // pages a walk has read (overflow pages included)
    std::set<uint32_t> free_;
    std::optional<std::vector<uint32_t>> leaves_; // every page of records, once listed
};

} // namespace vl
