#include "platform/data/PageSalvage.h"

#include "platform/data/EngineFile.h"

#include <sqlite3.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>
#include <numeric>
#include <optional>
#include <string_view>

namespace vl {

namespace {

// The page kinds of the file format.
constexpr uint8_t kTableInterior = 0x05;
constexpr uint8_t kTableLeaf = 0x0D;
constexpr uint8_t kIndexInterior = 0x02;
constexpr uint8_t kIndexLeaf = 0x0A;

constexpr int kSmallestPage = 512;
constexpr int kLargestPage = 65536;
constexpr int kPageSizes = 8; // 512 to 65536
constexpr int kDeepestTree = 24; // deeper than any real file; a loop of pages is damage
constexpr char kMagic[] = "SQLite format 3";

uint32_t Be(std::string_view bytes, size_t at, int width)
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
bool TreePage(std::string_view page, int usable)
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

bool IsInterior(uint8_t type) { return type == kTableInterior || type == kIndexInterior; }

int PageHeaderSize(uint8_t type) { return IsInterior(type) ? 12 : 8; }

// Positions, in rising order, of the longest run of the rows at positions
// whose record pointers rise strictly.
std::vector<size_t> LongestRising(const std::vector<SalvagedRow>& rows, const std::vector<size_t>& positions)
{
    std::vector<size_t> tails; // the row ending the best run of each length
    std::vector<size_t> before(rows.size());
    for (const size_t i : positions) {
        const auto place = std::lower_bound(tails.begin(), tails.end(), rows[i].rowid,
                                            [&rows](size_t tail, int64_t rowid) { return rows[tail].rowid < rowid; });
        before[i] = place == tails.begin() ? i : *(place - 1);
        if (place == tails.end())
            tails.push_back(i);
        else
            *place = i;
    }
    std::vector<size_t> run(tails.size());
    for (size_t k = run.size(), i = tails.empty() ? 0 : tails.back(); k > 0; i = before[i])
        run[--k] = i;
    return run;
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
    const bool sizeValid = stated >= kSmallestPage && (stated & (stated - 1)) == 0;
    const int reserved = header ? static_cast<uint8_t>(bytes[20]) : 0;
    LearnLayout(sizeValid ? stated : 0, reserved);
    if (header && pageSize_ > 0 && pageSize_ != stated)
        headerFaults_.push_back("the header gives a page size of " + std::to_string(stated) +
                                " bytes, the pages read as pages of " + std::to_string(pageSize_));
    if (pageSize_ == 0)
        return;
    pageCount_ = static_cast<uint32_t>(std::min<qint64>((file_.size() + pageSize_ - 1) / pageSize_, UINT32_MAX));
    if (!header)
        return;
    if (reserved > 0 && usable_ == pageSize_)
        headerFaults_.push_back("the header keeps " + std::to_string(reserved) +
                                " bytes at the end of each page, the pages keep none");
    for (const int at : {18, 19}) {
        const int version = static_cast<uint8_t>(bytes[at]);
        if (!KnownFileVersion(version))
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
    TakeHeader(bytes);
}

PageSalvage::PageSalvage(const QString& path, const Layout& layout, const QString& logPath, const LogFrames& frames)
    : file_(path), log_(logPath), pageSize_(layout.pageSize), usable_(layout.usable)
{
    if (pageSize_ <= 0 || !file_.open(QIODevice::ReadOnly)) {
        pageSize_ = 0;
        return;
    }
    pageCount_ = static_cast<uint32_t>(std::min<qint64>((file_.size() + pageSize_ - 1) / pageSize_, UINT32_MAX));
    // Without a whole commit the log changes nothing.
    if (!logPath.isEmpty() && frames.filePages > 0 && frames.pageSize == pageSize_ &&
        log_.open(QIODevice::ReadOnly)) {
        logPages_ = frames.pages;
        pageCount_ = frames.filePages;
    }
    std::string first;
    if (ReadPage(1, first) >= 100 && std::memcmp(first.data(), kMagic, sizeof kMagic) == 0)
        TakeHeader(first);
}

void PageSalvage::TakeHeader(const std::string& header)
{
    userVersion_ = static_cast<int>(Be(header, 60, 4));
    ReadFreeList(Be(header, 32, 4));
}

void PageSalvage::LearnLayout(int stated, int reserved)
{
    // Pages after the first (which may be the damaged one) that read as
    // pages of a tree, for every page size, with the whole page usable and
    // with the reserved space kept off its end.
    int64_t whole[kPageSizes] = {};
    int64_t kept[kPageSizes] = {};
    const qint64 length = file_.size();
    for (qint64 at = 0; at < length && file_.seek(at); at += kLargestPage) {
        const QByteArray chunk = file_.read(kLargestPage);
        for (int k = 0; k < kPageSizes; ++k) {
            const int size = kSmallestPage << k;
            for (qsizetype offset = at == 0 ? size : 0; offset + size <= chunk.size(); offset += size) {
                const std::string_view page(chunk.constData() + offset, size);
                whole[k] += TreePage(page, size) ? 1 : 0;
                if (reserved > 0 && reserved < size - 480)
                    kept[k] += TreePage(page, size - reserved) ? 1 : 0;
            }
        }
    }
    // A size half the real one reads no page (its entries lie past its end),
    // a size twice the real one every other page: the real one reads most.
    const auto index = [](int size) { return std::countr_zero(static_cast<unsigned>(size / kSmallestPage)); };
    int best = stated;
    int64_t bestPages = stated > 0 ? whole[index(stated)] : 0;
    for (int k = 0; k < kPageSizes; ++k) {
        if ((kSmallestPage << k) != stated && whole[k] > bestPages) {
            best = kSmallestPage << k;
            bestPages = whole[k];
        }
    }
    pageSize_ = bestPages > 0 ? best : stated; // a file of one page
    usable_ = pageSize_;
    // Space kept at the end of each page holds while the pages read as well
    // without it.
    if (pageSize_ > 0 && reserved > 0 && reserved < pageSize_ - 480 && kept[index(pageSize_)] == whole[index(pageSize_)])
        usable_ = pageSize_ - reserved;
}

int PageSalvage::ReadPage(uint32_t number, std::string& bytes)
{
    bytes.clear();
    if (number < 1 || number > pageCount_)
        return 0;
    const auto logged = logPages_.find(number);
    QFile& from = logged != logPages_.end() ? log_ : file_;
    if (from.seek(logged != logPages_.end() ? logged->second : static_cast<qint64>(number - 1) * pageSize_))
        bytes = from.read(pageSize_).toStdString();
    const int length = static_cast<int>(bytes.size());
    bytes.resize(pageSize_, '\0'); // what a file cut short no longer holds
    return length;
}

bool PageSalvage::Load(uint32_t number, Page& page)
{
    page.header = number == 1 ? 100 : 0;
    page.end = std::min(ReadPage(number, page.bytes), usable_);
    page.cells = 0;
    if (page.end < page.header + 12)
        return false; // not even its header is in the file
    page.type = static_cast<uint8_t>(page.bytes[page.header]);
    if (page.type != kTableInterior && page.type != kTableLeaf && page.type != kIndexInterior &&
        page.type != kIndexLeaf)
        return true; // not a page of a tree (an overflow or free page, or damage)
    page.cells = EntryCount(page, static_cast<int>(Be(page.bytes, page.header + 3, 2)));
    return true;
}

uint64_t PageSalvage::LocalPart(uint64_t length, uint64_t most) const
{
    if (length <= most)
        return length;
    const uint64_t least = (usable_ - 12) * 32 / 255 - 23;
    const uint64_t spread = least + (length - least) % (usable_ - 4);
    return spread <= most ? spread : least;
}

size_t PageSalvage::EntrySize(const Page& page, size_t at) const
{
    const size_t end = static_cast<size_t>(page.end);
    size_t next = at + (IsInterior(page.type) ? 4 : 0); // the child's page number
    uint64_t length = 0;
    uint64_t key = 0;
    if (page.type == kTableInterior)
        return Varint(page.bytes, next, end, key) ? next - at : 0;
    if (!Varint(page.bytes, next, end, length) || (page.type == kTableLeaf && !Varint(page.bytes, next, end, key)))
        return 0;
    const uint64_t most = page.type == kTableLeaf ? usable_ - 35 : (usable_ - 12) * 64 / 255 - 23;
    const uint64_t local = LocalPart(length, most);
    const uint64_t size = std::max<uint64_t>(next - at + local + (local < length ? 4 : 0), 4);
    return at + size <= end ? static_cast<size_t>(size) : 0;
}

int PageSalvage::EntryCount(const Page& page, int stated) const
{
    const std::string& b = page.bytes;
    const int pointersAt = page.header + PageHeaderSize(page.type);
    const uint32_t startField = Be(b, page.header + 5, 2);
    const int start = startField == 0 ? 65536 : static_cast<int>(startField);
    // Pointers can only lie between the page header and the entries.
    const int pointerRoom = std::max(0, (std::min(start, page.end) - pointersAt) / 2);
    const int fallback = std::min(stated, pointerRoom);
    if (start > usable_ || start < pointersAt || page.end < usable_) // a page cut short: its end is unknown
        return fallback;
    // The free blocks, in rising order within the entries' part.
    std::vector<std::pair<size_t, size_t>> parts; // where each starts, its size
    int64_t covered = static_cast<uint8_t>(b[page.header + 7]); // fragments
    for (uint32_t block = Be(b, page.header + 1, 2); block != 0;) {
        if (block < static_cast<uint32_t>(start) || block + 4 > static_cast<uint32_t>(usable_))
            return fallback;
        const uint32_t next = Be(b, block, 2);
        const uint32_t size = Be(b, block + 2, 2);
        if (size < 4 || block + size > static_cast<uint32_t>(usable_) || (next != 0 && next <= block))
            return fallback;
        parts.emplace_back(block, size);
        covered += size;
        block = next;
    }
    const int64_t area = usable_ - start;
    // The entries in the order of their pointers: the count is where they
    // fill the part exactly, none lying on another. Every entry takes some
    // bytes, so there is one such count at most.
    for (int n = 0; n <= pointerRoom && covered <= area; ++n) {
        if (covered == area) {
            std::sort(parts.begin(), parts.end());
            for (size_t i = 1; i < parts.size(); ++i) {
                if (parts[i - 1].first + parts[i - 1].second > parts[i].first)
                    return fallback;
            }
            return n;
        }
        if (n == pointerRoom)
            break;
        const size_t at = Be(b, pointersAt + 2 * n, 2);
        const size_t size = at >= static_cast<size_t>(start) ? EntrySize(page, at) : 0;
        if (size == 0)
            break;
        parts.emplace_back(at, size);
        covered += static_cast<int64_t>(size);
    }
    return fallback;
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
        if (4 + take > static_cast<size_t>(page.end))
            return false; // past the end of a file cut short
        payload.append(page.bytes, 4, take);
        length -= take;
    }
    reached_.insert(chain.begin(), chain.end());
    return true;
}

bool PageSalvage::Payload(const Page& page, size_t at, uint64_t length, uint64_t most, std::string& record)
{
    const uint64_t local = LocalPart(length, most);
    if (at + local + (local < length ? 4 : 0) > static_cast<size_t>(page.end))
        return false;
    record = page.bytes.substr(at, local);
    return local == length || Overflow(Be(page.bytes, at + local, 4), length - local, record);
}

bool PageSalvage::Cell(const Page& page, int index, SalvagedRow& row)
{
    const size_t headerEnd = page.header + 8 + 2 * page.cells;
    const size_t at0 = Be(page.bytes, page.header + 8 + 2 * index, 2);
    if (at0 < headerEnd || at0 >= static_cast<size_t>(page.end))
        return false;
    size_t at = at0;
    uint64_t length = 0;
    uint64_t rowid = 0;
    std::string record;
    if (!Varint(page.bytes, at, page.end, length) || !Varint(page.bytes, at, page.end, rowid) ||
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
        if (at < headerEnd || at + (interior ? 4 : 0) >= static_cast<size_t>(page.end))
            return false;
        if (interior && !KeyPointers(Be(page.bytes, at, 4), depth + 1, seen, pointers))
            return false;
        at += interior ? 4 : 0;
        uint64_t length = 0;
        std::string record;
        std::vector<SalvagedValue> values;
        // Every entry of a key ends in the record pointer of its record.
        if (!Varint(page.bytes, at, page.end, length) ||
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

bool PageSalvage::LeafRows(const Page& page, std::vector<SalvagedRow>& rows, const KeyRange& range)
{
    bool whole = true;
    std::vector<SalvagedRow> read;
    for (int i = 0; i < page.cells; ++i) {
        SalvagedRow row;
        if (Cell(page, i, row))
            read.push_back(std::move(row));
        else
            whole = false;
    }
    // Record pointers rise along a page: one that does not was not read
    // right. The longest rising run is kept, so that one damaged pointer
    // costs its own record only, however high it reads; of runs as long,
    // one within the range the page above gives.
    std::vector<size_t> all(read.size());
    std::iota(all.begin(), all.end(), size_t{0});
    std::vector<size_t> inRange;
    std::copy_if(all.begin(), all.end(), std::back_inserter(inRange),
                 [&](size_t i) { return range.Holds(read[i].rowid); });
    std::vector<size_t> rising = LongestRising(read, all);
    if (std::vector<size_t> within = LongestRising(read, inRange); within.size() == rising.size())
        rising = std::move(within);
    whole = whole && rising.size() == read.size();
    for (const size_t i : rising)
        rows.push_back(std::move(read[i]));
    return whole;
}

void PageSalvage::Walk(uint32_t number, int depth, const KeyRange& range, WalkState& state,
                       const SalvagedRowSink& each)
{
    Page page;
    if (depth > kDeepestTree || reached_.count(number) || !Load(number, page) ||
        (page.type != kTableLeaf && page.type != kTableInterior)) {
        // A damaged page, or a damaged pointer to it from the page above:
        // the page it should have led to may be among the unreached ones.
        state.damagedAt.push_back(depth);
        state.pointerLost = true;
        return;
    }
    reached_.insert(number);
    if (page.type == kTableLeaf) {
        state.leafDepth = depth;
        std::vector<SalvagedRow> rows;
        if (!LeafRows(page, rows, range))
            state.damagedAt.push_back(depth);
        for (const SalvagedRow& row : rows)
            each(row);
        return;
    }
    // Each entry names a child and the highest record pointer below it. A
    // pointer that does not rise within the page's range bounds nothing.
    std::vector<std::pair<uint32_t, KeyRange>> children;
    std::optional<int64_t> above = range.above;
    for (int i = 0; i < page.cells; ++i) {
        size_t at = Be(page.bytes, page.header + 12 + 2 * i, 2);
        if (at < static_cast<size_t>(page.header + 12 + 2 * page.cells) || at + 4 > static_cast<size_t>(page.end)) {
            state.damagedAt.push_back(depth); // a child that cannot be told
            continue;
        }
        const uint32_t child = Be(page.bytes, at, 4);
        at += 4;
        uint64_t highest = 0;
        if (Varint(page.bytes, at, page.end, highest) && range.Holds(static_cast<int64_t>(highest)) &&
            (!above || static_cast<int64_t>(highest) > *above)) {
            children.emplace_back(child, KeyRange{above, static_cast<int64_t>(highest)});
            above = static_cast<int64_t>(highest);
        } else {
            children.emplace_back(child, range);
        }
    }
    children.emplace_back(Be(page.bytes, page.header + 8, 4), KeyRange{above, range.upTo});
    for (const auto& [child, childRange] : children)
        Walk(child, depth + 1, childRange, state, each);
}

PageSalvage::Walked PageSalvage::WalkTable(uint32_t root, const SalvagedRowSink& each)
{
    WalkState state;
    Walk(root, 0, KeyRange(), state, each);
    Walked walked;
    walked.missesPages = state.pointerLost;
    for (int depth : state.damagedAt) {
        if (depth == state.leafDepth)
            ++walked.damagedLeaves;
        else
            walked.missesPages = true;
    }
    return walked;
}

std::vector<uint32_t> PageSalvage::UnreachedLeaves()
{
    if (!leaves_) {
        leaves_.emplace();
        Page page;
        for (uint32_t number = 1; number <= pageCount_; ++number) {
            if (Load(number, page) && page.type == kTableLeaf)
                leaves_->push_back(number);
        }
    }
    std::vector<uint32_t> leaves;
    for (const uint32_t number : *leaves_) {
        if (!reached_.count(number) && !free_.count(number))
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
    LeafRows(page, rows, KeyRange());
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
        if (!Load(number, page) || !LeafRows(page, rows, KeyRange()) || rows.empty())
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
