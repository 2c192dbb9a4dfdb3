#pragma once
// Small tables declared for the tests of the data file layer.

#include "platform/data/Table.h"
#include "platform/data/TableDeclaration.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <gtest/gtest.h>

namespace vl::test {

struct ItemRecord : RecordBase {
    int32_t ID = 0;
    QString Name;     // STRING(20), case-insensitive key
    QString Code;     // STRING(10), case-sensitive key
    int32_t Grp = 0;
    int32_t Seq = 0;  // numbered within Grp
    uint8_t Flag = 0;
    int32_t Date = 0;
    int32_t Time = 0;
    uint8_t Priority = 0;
    QString Alarm;    // CSTRING(10)
    QString Note;     // memo of 16
};

inline constexpr KeyRef ITM_KEYID{"ITM:KEYID"};
inline constexpr KeyRef ITM_KEYNAME{"ITM:KEYNAME"};
inline constexpr KeyRef ITM_KEYCODE{"ITM:KEYCODE"};
inline constexpr KeyRef ITM_KEYNEWEST{"ITM:KEYNEWEST"};
inline constexpr KeyRef ITM_KEYFLAGNEWEST{"ITM:KEYFLAGNEWEST"};
inline constexpr KeyRef ITM_KEYGROUPSEQ{"ITM:KEYGROUPSEQ"};
inline constexpr KeyRef ITM_KEYNAMECODE{"ITM:KEYNAMECODE"};
inline constexpr KeyRef ITM_KEYFLAGDATE{"ITM:KEYFLAGDATE"};

inline std::shared_ptr<const TableDef> ItemDefinition(const QString& fileName = QStringLiteral("TEST\\!Items"))
{
    return TableDeclaration<ItemRecord>("Items", "ITM")
        .Description("Items")
        .Version(1)
        .FileName(fileName)
        .Long("ITM:ID", &ItemRecord::ID)
        .String("ITM:Name", &ItemRecord::Name, 20)
        .String("ITM:Code", &ItemRecord::Code, 10)
        .Long("ITM:Grp", &ItemRecord::Grp)
        .Long("ITM:Seq", &ItemRecord::Seq)
        .Byte("ITM:Flag", &ItemRecord::Flag)
        .Long("ITM:Date", &ItemRecord::Date)
        .Long("ITM:Time", &ItemRecord::Time)
        .Byte("ITM:Priority", &ItemRecord::Priority)
        .CString("ITM:Alarm", &ItemRecord::Alarm, 10)
        .Memo("ITM:Note", &ItemRecord::Note, 16)
        .Key(ITM_KEYID, "By ID", {"ITM:ID"}, kUnique | kPrimary | kAutoNumber)
        .Key(ITM_KEYNAME, "Name", {"ITM:Name"})
        .Key(ITM_KEYCODE, "Code", {"ITM:Code"}, kCaseSensitive)
        .Key(ITM_KEYNEWEST, "Newest first", {Descending("ITM:Date"), Descending("ITM:Time")})
        .Key(ITM_KEYFLAGNEWEST, "Flag, newest first", {"ITM:Flag", Descending("ITM:Date")})
        .Key(ITM_KEYGROUPSEQ, "Sequence", {"ITM:Grp", "ITM:Seq"}, kUnique | kAutoNumber)
        .Key(ITM_KEYNAMECODE, "Name and code", {"ITM:Name", "ITM:Code"})
        .Key(ITM_KEYFLAGDATE, "Flag and date", {"ITM:Flag", "ITM:Date"})
        .InsertDefaults([](ItemRecord& r) { r.Flag = 1; r.Priority = 5; })
        .RangeCheck("ITM:Priority", 1, 10)
        .Build();
}

struct CategoryRecord : RecordBase {
    QString Category;
};

inline constexpr KeyRef CAT_KEYCATEGORY{"CAT:KEYCATEGORY"};

inline std::shared_ptr<const TableDef> CategoryDefinition()
{
    return TableDeclaration<CategoryRecord>("Categories", "CAT")
        .Description("Categories")
        .Version(4)
        .FileName("TEST\\!Categories")
        .String("CAT:Category", &CategoryRecord::Category, 20)
        .Key(CAT_KEYCATEGORY, "Category", {"CAT:Category"}, kUnique | kPrimary)
        .Build();
}

// An item with a name (and an optional code and date/time).
inline ItemRecord Item(const QString& name, const QString& code = QString(), int32_t date = 0, int32_t time = 0)
{
    ItemRecord item;
    item.Name = name;
    item.Code = code;
    item.Date = date;
    item.Time = time;
    return item;
}

// Opens a table, creating it; fails the calling test on an error.
template <class R>
void OpenCreated(Table<R>& table)
{
    ASSERT_TRUE(table.Open(TableFile::kDeclaredMode, true)) << table.LastError().Describe().toStdString();
}

// Every record of a key in order (forward with Next, or backward with Previous).
template <class R>
std::vector<R> Walk(Table<R>& table, KeyRef key, bool forward = true)
{
    std::vector<R> records;
    table.Set(key);
    R record;
    while (forward ? table.Next(record) : table.Previous(record))
        records.push_back(record);
    return records;
}

// Counts the records of the test table through a connection of its own, so
// only committed records count.
inline int64_t CommittedItems()
{
    SQLite::Database db("TEST.TPS", SQLite::OPEN_READONLY);
    SQLite::Statement count(db, "SELECT COUNT(*) FROM \"Items\"");
    count.executeStep();
    return count.getColumn(0).getInt64();
}

inline QStringList Names(const std::vector<ItemRecord>& items)
{
    QStringList names;
    for (const ItemRecord& item : items)
        names.append(item.Name);
    return names;
}

} // namespace vl::test
