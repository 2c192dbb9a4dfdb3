#include "TestTables.h"

namespace vl::test {
namespace {

const FieldDef& Field(const TableDef& def, const char* name)
{
    return def.Fields()[def.FieldIndex(QString::fromLatin1(name))];
}

TEST(FieldValues, AreStoredInTheFieldsForm)
{
    Table<ItemRecord> items(ItemDefinition());
    OpenCreated(items);
    ItemRecord item;
    item.Name = "  name with blanks      and a long tail"; // STRING(20)
    item.Code = "abcdefgh  xyz";                          // STRING(10): cut, then clipped
    item.Alarm = QStringLiteral("0123456789ABC");          // CSTRING(10): 9 characters
    item.Note = "memo text longer than sixteen   ";        // memo of 16
    ASSERT_TRUE(items.Add(item));
    ItemRecord stored;
    ASSERT_TRUE(items.Get(item.RecordPointer, stored));
    EXPECT_EQ(stored.Name, "  name with blanks");
    EXPECT_EQ(stored.Code, "abcdefgh");
    EXPECT_EQ(stored.Alarm, "012345678");
    EXPECT_EQ(stored.Note, "memo text longer");

    stored.Alarm = QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("cd");
    stored.Note = "end   ";
    ASSERT_TRUE(items.Put(stored));
    ASSERT_TRUE(items.Get(item.RecordPointer, stored));
    EXPECT_EQ(stored.Alarm, "ab");     // a CSTRING ends at its terminator
    EXPECT_EQ(stored.Note, "end   "); // memos keep their blanks
}

TEST(FieldValues, IntegersWrapToTheirWidth)
{
    const auto def = ItemDefinition();
    const FieldDef& byte = Field(*def, "ITM:Flag");
    EXPECT_EQ(std::get<int64_t>(NormaliseValue(byte, int64_t{300})), 44);
    EXPECT_EQ(std::get<int64_t>(NormaliseValue(byte, int64_t{-1})), 255);
    EXPECT_EQ(std::get<int64_t>(NormaliseValue(byte, QStringLiteral("256"))), 0);
    const FieldDef& longField = Field(*def, "ITM:Date");
    EXPECT_EQ(std::get<int64_t>(NormaliseValue(longField, int64_t{2147483648})), -2147483648);
    EXPECT_EQ(std::get<int64_t>(NormaliseValue(longField, 72509.6)), 72510);
}

TEST(Records, PrimeAppliesInsertDefaultsAndValidateRunsTheRangeCheck)
{
    Table<ItemRecord> items(ItemDefinition());
    ItemRecord item = Item("leftover");
    item.RecordPointer = 12;
    items.Prime(item);
    EXPECT_EQ(item.Name, "");
    EXPECT_EQ(item.RecordPointer, 0);
    EXPECT_EQ(item.Flag, 1);
    EXPECT_EQ(item.Priority, 5);
    EXPECT_FALSE(items.Validate(item).has_value());
    for (uint8_t bad : {uint8_t{0}, uint8_t{11}}) {
        item.Priority = bad;
        const auto failure = items.Validate(item);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->field, "ITM:Priority");
        EXPECT_EQ(failure->message, "The value of Priority must be between 1 and 10.");
    }
}

TEST(Records, PutAndDeleteAddressTheRecordPointer)
{
    Table<ItemRecord> items(ItemDefinition());
    OpenCreated(items);
    ItemRecord item = Item("one");
    EXPECT_FALSE(items.Put(item)); // never read
    EXPECT_EQ(items.ErrorCode(), kRecordNotAvailable);
    ASSERT_TRUE(items.Add(item));
    EXPECT_GT(item.RecordPointer, 0);
    item.Name = "changed";
    ASSERT_TRUE(items.Put(item));
    ItemRecord stored;
    ASSERT_TRUE(items.Get(item.RecordPointer, stored));
    EXPECT_EQ(stored.Name, "changed");
    ASSERT_TRUE(items.Delete(item));
    EXPECT_FALSE(items.Delete(item));
    EXPECT_EQ(items.ErrorCode(), kRecordNotAvailable);
    EXPECT_FALSE(items.Put(item));
    EXPECT_EQ(items.ErrorCode(), kRecordNotAvailable);
    ItemRecord next = Item("two");
    ASSERT_TRUE(items.Add(next));
    EXPECT_GT(next.RecordPointer, item.RecordPointer); // pointers are never reused
}

TEST(Records, StreamCommitsABatchAtFlushOrClose)
{
    Table<ItemRecord> items(ItemDefinition());
    OpenCreated(items);
    ASSERT_TRUE(items.Stream());
    ASSERT_TRUE(items.Stream()); // nested
    for (int i = 0; i < 50; ++i) {
        ItemRecord item = Item(QStringLiteral("n%1").arg(i));
        ASSERT_TRUE(items.Add(item));
    }
    ItemRecord clash = Item("clash");
    clash.ID = 1;
    EXPECT_FALSE(items.Add(clash)); // refused alone: the batch goes on
    EXPECT_EQ(items.ErrorCode(), kDuplicateKey);
    ASSERT_TRUE(items.Flush());
    EXPECT_EQ(CommittedItems(), 0); // the outer batch still runs
    ASSERT_TRUE(items.Flush());
    EXPECT_EQ(CommittedItems(), 50);
    ASSERT_TRUE(items.Stream());
    ItemRecord late = Item("late");
    ASSERT_TRUE(items.Add(late));
    items.Close();
    EXPECT_EQ(items.ErrorCode(), kNoError);
    EXPECT_EQ(CommittedItems(), 51);
}

} // namespace
} // namespace vl::test
