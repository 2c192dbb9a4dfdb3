#include "platform/data/PageSalvage.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

namespace vl {

namespace {

// The page kinds of the file format.
constexpr uint8_t kTableInterior = 0x05;
constexpr uint8_t kTableLeaf = 0x0D;
constexpr uint8_t kIndexInterior = 0x02;
constexpr uint8_t kIndexLeaf = 0x0A;

constexpr int kDeepestTree = 24; // deeper than any real file; a loop of pages is damage
constexpr char kMagic[] = "SQLite format 3";

uint32_t Be(const std::string& bytes, size_t at, int width)
{
    uint32_t value = 0;
    for (int i = 0; i < width; ++i)
        value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

bool Varint(const std::string& bytes, size_t& at, size_t end, uint64_t& value)
{
    value = 0;
    for (int i = 0; i < 9; ++i) {
        if (at >= end)
            return false;
        const uint8_t byte = static_cast<uint8_t>(bytes[at++]);
        if (i == 8) {
            value = value << 8 | byte;
            return true;
        }
        value = value << 7 | (byte & 0x7F);
        if (!(byte & 0x80))
            return true;
    }
    return true;
}

// The length of a value of this serial type; false for the reserved ones.
bool SerialLength(uint64_t type, uint64_t& length)
{
    static const uint8_t kFixed[] = {0, 1, 2, 3, 4, 6, 8, 8, 0, 0};
    if (type == 10 || type == 11)
        return false;
    length = type < 10 ? kFixed[type] : (type - 12 - (type & 1)) / 2;
    return true;
}

SalvagedValue Decode(const std::string& record, size_t at, uint64_t type, uint64_t length)
{
    SalvagedValue value;
    if (type == 0)
        return value;
    if (type <= 6 || type == 8 || type == 9) {
        value.type = SQLITE_INTEGER;
        if (type >= 8) {
            value.integer = static_cast<int64_t>(type - 8);
            return value;
        }
        uint64_t bits = static_cast<uint8_t>(record[at]) & 0x80 ? ~uint64_t(0) : 0;
        for (uint64_t i = 0; i < length; ++i)
            bits = bits << 8 | static_cast<uint8_t>(record[at + i]);
        value.integer = static_cast<int64_t>(bits);
        return value;
    }
    if (type == 7) {
        uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits = bits << 8 | static_cast<uint8_t>(record[at + i]);
        value.type = SQLITE_FLOAT;
        std::memcpy(&value.real, &bits, sizeof bits);
        return value;
    }
    value.type = type & 1 ? SQLITE_TEXT : SQLITE_BLOB;
    value.bytes = record.substr(at, length);
    return value;
}

// A record's values; false when its header and its length disagree.
bool DecodeRecord(const std::string& record, std::vector<SalvagedValue>& values)
{
    size_t at = 0;
    uint64_t headerLength = 0;
    if (!Varint(record, at, record.size(), headerLength) || headerLength < at || headerLength > record.size())
        return false;
    std::vector<std::pair<uint64_t, uint64_t>> types; // serial type, length
    uint64_t total = headerLength;
    while (at < headerLength) {
        uint64_t type = 0;
        uint64_t length = 0;
        if (!Varint(record, at, headerLength, type) || !SerialLength(type, length))
            return false;
        types.emplace_back(type, length);
        total += length;
        if (total > record.size())
            return false;
    }
    if (at != headerLength || total != record.size())
        return false;
    size_t offset = headerLength;
    for (const auto& [type, length] : types) {
        values.push_back(Decode(record, offset, type, length));
        offset += length;
    }
    return true;
}

bool IsText(const SalvagedValue& value) { return value.type == SQLITE_TEXT; }

// An entry of the list of tables: type, name, table, first page, text.
bool SchemaEntry(const SalvagedRow& row, SalvagedSchemaEntry& entry)
{
    const std::vector<SalvagedValue>& v = row.values;
    if (v.size() != 5 || !IsText(v[0]) || !IsText(v[1]) || !IsText(v[2]) || v[3].type != SQLITE_INTEGER ||
        !(IsText(v[4]) || v[4].type == SQLITE_NULL))
        return false;
    static const char* const kTypes[] = {"table", "index", "view", "trigger"};
    bool known = false;
    for (const char* type : kTypes)
        known = known || v[0].bytes == type;
    if (!known || v[3].integer < 0 || v[3].integer > UINT32_MAX)
        return false;
    entry = {v[0].bytes, v[1].bytes, v[2].bytes, static_cast<uint32_t>(v[3].integer), v[4].bytes};
    return true;
}

// Whether a page reads as a page of a tree holding at least one entry: its
// kind, its count of entries and where they start agree with its size, and
// every entry lies within the page.
bool TreePage(const std::string& page, int usable)
{
    const uint8_t type = static_cast<uint8_t>(page[0]);
    if (type != kTableInterior && type != kTableLeaf && type != kIndexInterior && type != kIndexLeaf)
        return false;
    const int headerSize = type == kTableInterior || type == kIndexInterior ? 12 : 8;
    const int cells = static_cast<int>(Be(page, 3, 2));
    const uint32_t start = Be(page, 5, 2);
    const int content = start == 0 ? 65536 : static_cast<int>(start);
    if (cells == 0 || headerSize + 2 * cells > content || content > usable)
        return false;
    for (int i = 0; i < cells; ++i) {
        const int at = static_cast<int>(Be(page, headerSize + 2 * i, 2));
        if (at < content || at >= usable)
            return false;
    }
    return true;
}

} // namespace

PageSalvage::PageSalvage(const QString& path) : file_(path)
{
    if (!file_.open(QIODevice::ReadOnly))
        return;
    const std::string bytes = file_.read(100).toStdString();
    const bool header = bytes.size() == 100 && std::memcmp(bytes.data(), kMagic, sizeof kMagic) == 0;
    // Every field of the header is a hint, checked against the pages: a
    // damaged header must not hide pages that read.
    const uint32_t size = header ? Be(bytes, 16, 2) : 0;
    const int stated = size == 1 ? 65536 : static_cast<int>(size);
    const bool sizeValid = stated >= 512 && (stated & (stated - 1)) == 0;
    pageSize_ = GuessPageSize(sizeValid ? stated : 0);
    if (header && pageSize_ > 0 && pageSize_ != stated)
        headerFaults_.push_back("the header gives a page size of " + std::to_string(stated) +
                                " bytes, the pages read as pages of " + std::to_string(pageSize_));
    if (pageSize_ == 0)
        return;
    usable_ = pageSize_;
    pageCount_ = static_cast<uint32_t>(std::min<qint64>(file_.size() / pageSize_, UINT32_MAX));
    if (!header)
        return;
    // Space kept at the end of each page holds while the pages read as well
    // without it.
    const int reserved = static_cast<uint8_t>(bytes[20]);
    if (reserved > 0 && reserved < pageSize_ - 480 &&
        TreePages(pageSize_, pageSize_ - reserved) == TreePages(pageSize_, pageSize_))
        usable_ = pageSize_ - reserved;
    else if (reserved > 0)
        headerFaults_.push_back("the header keeps " + std::to_string(reserved) +
                                " bytes at the end of each page, the pages keep none");
    // The program writes files of the log's versions (2) or the older ones
    // (1); another value locks every writer out of pages that read.
    for (const int at : {18, 19}) {
        const int version = static_cast<uint8_t>(bytes[at]);
        if (version != 1 && version != 2)
            headerFaults_.push_back(std::string(at == 18 ? "the header gives an unknown write version "
                                                         : "the header gives an unknown read version ") +
                                    std::to_string(version));
    }
    const uint32_t format = Be(bytes, 44, 4);
    if (format > 4)
        headerFaults_.push_back("the header gives an unknown schema format " + std::to_string(format));
    // Texts are taken over as they are stored: UTF-8, as the program writes them.
    const uint32_t encoding = Be(bytes, 56, 4);
    if (encoding > 1)
        headerFaults_.push_back("the header gives an unknown text encoding " + std::to_string(encoding));
    userVersion_ = static_cast<int>(Be(bytes, 60, 4));
    ReadFreeList(Be(bytes, 32, 4));
}

int64_t PageSalvage::TreePages(int size, int usable)
{
    int64_t pages = 0;
    const qint64 count = file_.size() / size;
    for (qint64 number = 1; number < count; ++number) { // page 1 may be the damaged one
        if (!file_.seek(number * size))
            break;
        const std::string bytes = file_.read(size).toStdString();
        pages += static_cast<int>(bytes.size()) == size && TreePage(bytes, usable) ? 1 : 0;
    }
    return pages;
}

int PageSalvage::GuessPageSize(int stated)
{
    // A size half the real one reads no page (its entries lie past its end),
    // a size twice the real one every other page: the real one reads most.
    int best = stated;
    int64_t bestPages = stated > 0 ? TreePages(stated, stated) : 0;
    for (int size = 512; size <= 65536; size *= 2) {
        const int64_t pages = size == stated ? 0 : TreePages(size, size);
        if (pages > bestPages) {
            best = size;
            bestPages = pages;
        }
    }
    return bestPages > 0 ? best : stated; // a file of one page
}

bool PageSalvage::Load(uint32_t number, Page& page)
{
    if (number < 1 || number > pageCount_ || !file_.seek(static_cast<qint64>(number - 1) * pageSize_))
        return false;
    page.bytes = file_.read(pageSize_).toStdString();
    if (static_cast<int>(page.bytes.size()) != pageSize_)
        return false; // the file ends early
    page.header = number == 1 ? 100 : 0;
    page.type = static_cast<uint8_t>(page.bytes[page.header]);
    if (page.type != kTableInterior && page.type != kTableLeaf && page.type != kIndexInterior &&
        page.type != kIndexLeaf)
        return true; // not a page of a tree (an overflow or free page, or damage)
    page.cells = static_cast<int>(Be(page.bytes, page.header + 3, 2));
    const int headerSize = page.type == kTableInterior || page.type == kIndexInterior ? 12 : 8;
    return page.header + headerSize + 2 * page.cells <= usable_;
}

void PageSalvage::ReadFreeList(uint32_t trunk)
{
    // The list is bounded by the pages the file has, whatever count the
    // header gives; a trunk page that lists more than a page holds, or pages
    // past the end, is no part of it.
    std::set<uint32_t> seen;
    const uint32_t most = static_cast<uint32_t>(usable_ / 4 - 2);
    Page page;
    while (trunk != 0 && seen.insert(trunk).second && Load(trunk, page)) {
        const uint32_t leaves = Be(page.bytes, 4, 4);
        if (leaves > most)
            return;
        std::vector<uint32_t> listed;
        for (uint32_t i = 0; i < leaves; ++i) {
            const uint32_t leaf = Be(page.bytes, 8 + 4 * i, 4);
            if (leaf < 2 || leaf > pageCount_)
                return;
            listed.push_back(leaf);
        }
        free_.insert(trunk);
        free_.insert(listed.begin(), listed.end());
        trunk = Be(page.bytes, 0, 4);
    }
}

bool PageSalvage::Overflow(uint32_t first, size_t length, std::string& payload)
{
    std::set<uint32_t> chain;
    Page page;
    for (uint32_t next = first; length > 0; next = Be(page.bytes, 0, 4)) {
        if (next < 2 || !chain.insert(next).second || !Load(next, page))
            return false;
        const size_t take = std::min<size_t>(length, static_cast<size_t>(usable_ - 4));
        payload.append(page.bytes, 4, take);
        length -= take;
    }
    reached_.insert(chain.begin(), chain.end());
    return true;
}

bool PageSalvage::Payload(const Page& page, size_t at, uint64_t length, uint64_t most, std::string& record)
{
    // How much of the record the page holds itself, the rest on overflow pages.
    uint64_t local = length;
    if (length > most) {
        const uint64_t least = (usable_ - 12) * 32 / 255 - 23;
        const uint64_t spread = least + (length - least) % (usable_ - 4);
        local = spread <= most ? spread : least;
    }
    if (at + local + (local < length ? 4 : 0) > static_cast<size_t>(usable_))
        return false;
    record = page.bytes.substr(at, local);
    return local == length || Overflow(Be(page.bytes, at + local, 4), length - local, record);
}

bool PageSalvage::Cell(const Page& page, int index, SalvagedRow& row)
{
    const size_t headerEnd = page.header + 8 + 2 * page.cells;
    const size_t at0 = Be(page.bytes, page.header + 8 + 2 * index, 2);
    if (at0 < headerEnd || at0 >= static_cast<size_t>(usable_))
        return false;
    size_t at = at0;
    uint64_t length = 0;
    uint64_t rowid = 0;
    std::string record;
    if (!Varint(page.bytes, at, usable_, length) || !Varint(page.bytes, at, usable_, rowid) ||
        !Payload(page, at, length, usable_ - 35, record))
        return false;
    row.rowid = static_cast<int64_t>(rowid);
    row.values.clear();
    // A record without values is no record: zeroed bytes read as one.
    return DecodeRecord(record, row.values) && !row.values.empty();
}

bool PageSalvage::KeyPointers(uint32_t number, int depth, std::set<uint32_t>& seen, std::set<int64_t>& pointers)
{
    Page page;
    if (depth > kDeepestTree || !seen.insert(number).second || !Load(number, page) ||
        (page.type != kIndexLeaf && page.type != kIndexInterior))
        return false;
    const bool interior = page.type == kIndexInterior;
    const size_t pointersAt = page.header + (interior ? 12 : 8);
    const size_t headerEnd = pointersAt + 2 * page.cells;
    for (int i = 0; i < page.cells; ++i) {
        size_t at = Be(page.bytes, pointersAt + 2 * i, 2);
        if (at < headerEnd || at + (interior ? 4 : 0) >= static_cast<size_t>(usable_))
            return false;
        if (interior && !KeyPointers(Be(page.bytes, at, 4), depth + 1, seen, pointers))
            return false;
        at += interior ? 4 : 0;
        uint64_t length = 0;
        std::string record;
        std::vector<SalvagedValue> values;
        // Every entry of a key ends in the record pointer of its record.
        if (!Varint(page.bytes, at, usable_, length) ||
            !Payload(page, at, length, (usable_ - 12) * 64 / 255 - 23, record) || !DecodeRecord(record, values) ||
            values.empty() || values.back().type != SQLITE_INTEGER)
            return false;
        pointers.insert(values.back().integer);
    }
    return !interior || KeyPointers(Be(page.bytes, page.header + 8, 4), depth + 1, seen, pointers);
}

bool PageSalvage::RecordPointersOfKey(uint32_t root, std::set<int64_t>& pointers)
{
    std::set<uint32_t> seen;
    pointers.clear();
    return KeyPointers(root, 0, seen, pointers);
}

bool PageSalvage::LeafRows(const Page& page, std::vector<SalvagedRow>& rows)
{
    bool whole = true;
    bool any = false;
    int64_t last = 0;
    for (int i = 0; i < page.cells; ++i) {
        SalvagedRow row;
        // Record pointers rise along a page: one that does not was not read right.
        if (!Cell(page, i, row) || (any && row.rowid <= last)) {
            whole = false;
            continue;
        }
        last = row.rowid;
        any = true;
        rows.push_back(std::move(row));
    }
    return whole;
}

void PageSalvage::Walk(uint32_t number, int depth, std::vector<int>& damagedAt, int& leafDepth,
                       const SalvagedRowSink& each)
{
    Page page;
    if (depth > kDeepestTree || reached_.count(number) || !Load(number, page) ||
        (page.type != kTableLeaf && page.type != kTableInterior)) {
        damagedAt.push_back(depth);
        return;
    }
    reached_.insert(number);
    if (page.type == kTableLeaf) {
        leafDepth = depth;
        std::vector<SalvagedRow> rows;
        if (!LeafRows(page, rows))
            damagedAt.push_back(depth);
        for (const SalvagedRow& row : rows)
            each(row);
        return;
    }
    std::vector<uint32_t> children;
    for (int i = 0; i < page.cells; ++i) {
        const size_t at = Be(page.bytes, page.header + 12 + 2 * i, 2);
        if (at < static_cast<size_t>(page.header + 12 + 2 * page.cells) || at + 4 > static_cast<size_t>(usable_)) {
            damagedAt.push_back(depth); // a child that cannot be told
            continue;
        }
        children.push_back(Be(page.bytes, at, 4));
    }
    children.push_back(Be(page.bytes, page.header + 8, 4));
    for (uint32_t child : children)
        Walk(child, depth + 1, damagedAt, leafDepth, each);
}

PageSalvage::Walked PageSalvage::WalkTable(uint32_t root, const SalvagedRowSink& each)
{
    std::vector<int> damagedAt;
    int leafDepth = -1;
    Walk(root, 0, damagedAt, leafDepth, each);
    Walked walked;
    for (int depth : damagedAt) {
        if (depth == leafDepth)
            ++walked.damagedLeaves;
        else
            walked.missesPages = true;
    }
    return walked;
}

std::vector<uint32_t> PageSalvage::UnreachedLeaves()
{
    std::vector<uint32_t> leaves;
    Page page;
    for (uint32_t number = 1; number <= pageCount_; ++number) {
        if (reached_.count(number) || free_.count(number))
            continue;
        if (Load(number, page) && page.type == kTableLeaf)
            leaves.push_back(number);
    }
    return leaves;
}

bool PageSalvage::ReadLeaf(uint32_t number, std::vector<SalvagedRow>& rows)
{
    Page page;
    if (!Load(number, page) || page.type != kTableLeaf)
        return false;
    reached_.insert(number);
    LeafRows(page, rows);
    return true;
}

std::vector<SalvagedSchemaEntry> PageSalvage::Schema()
{
    std::vector<SalvagedSchemaEntry> schema;
    std::set<std::string> names;
    const auto take = [&schema, &names](const SalvagedRow& row) {
        SalvagedSchemaEntry entry;
        if (SchemaEntry(row, entry) && names.insert(entry.name).second)
            schema.push_back(entry);
    };
    const Walked walked = WalkTable(1, take);
    if (walked.damagedLeaves == 0 && !walked.missesPages)
        return schema;
    // Pages of the list that its damaged upper page no longer reaches: pages
    // of records that all read as entries of the list.
    for (uint32_t number : UnreachedLeaves()) {
        Page page;
        std::vector<SalvagedRow> rows;
        if (!Load(number, page) || !LeafRows(page, rows) || rows.empty())
            continue;
        SalvagedSchemaEntry entry;
        bool all = true;
        for (const SalvagedRow& row : rows)
            all = all && SchemaEntry(row, entry);
        if (!all)
            continue;
        reached_.insert(number);
        for (const SalvagedRow& row : rows)
            take(row);
    }
    return schema;
}

} // namespace vl
