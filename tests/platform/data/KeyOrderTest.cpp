#include "TestTables.h"

#include "platform/data/NoCaseCollation.h"
#include "platform/runtime/FixedText.h"

#include <algorithm>

namespace vl::test {
namespace {

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

TEST(NoCaseCollation, ComparesClippedUpperCaseText)
{
    EXPECT_EQ(CompareNoCase("Work", "WORK  "), 0);
    EXPECT_LT(CompareNoCase("apple", "Banana"), 0);
    EXPECT_GT(CompareNoCase("b", "A"), 0);
    EXPECT_LT(CompareNoCase("ab", "abc"), 0);
    EXPECT_LT(CompareNoCase(" a", "a"), 0); // leading blanks count
    // Non-ASCII letters: upper-cased as Unicode, ordered by code point.
    EXPECT_EQ(CompareNoCase(U("äpfel").toUtf8(), U("ÄPFEL").toUtf8()), 0);
    EXPECT_EQ(CompareNoCase(U("Straße").toUtf8(), QByteArray("STRASSE")), 0);
    EXPECT_GT(CompareNoCase(U("ähnlich").toUtf8(), QByteArray("zulu")), 0);
    EXPECT_LT(CompareNoCase(U("äpfel").toUtf8(), U("Émile").toUtf8()), 0);
    EXPECT_LT(CompareNoCase(U("xä").toUtf8(), U("XÖ").toUtf8()), 0);
    // Same first byte, different second: the whole character is upper-cased.
    EXPECT_LT(CompareNoCase(U("Gä").toUtf8(), U("gÅ").toUtf8()), 0);
    EXPECT_EQ(CompareNoCase(U("Brücke").toUtf8(), U("BRÜCKE").toUtf8()), 0);
}

class KeyOrder : public ::testing::Test {
protected:
    void SetUp() override { OpenCreated(items); }
    void Add(ItemRecord item) { ASSERT_TRUE(items.Add(item)) << items.Error().toStdString(); }
    Table<ItemRecord> items{ItemDefinition()};
};

TEST_F(KeyOrder, CaseInsensitiveKeyOrdersByUpperCaseWithNonAsciiLetters)
{
    for (const char* name : {"zebra", "Äpfel", "apple", "Zulu", "émile", "Eagle", "ähnlich"})
        Add(Item(U(name)));
    const QStringList expected{"apple", "Eagle", "zebra", "Zulu", U("ähnlich"), U("Äpfel"), U("émile")};
    EXPECT_EQ(Names(Walk(items, ITM_KEYNAME)), expected);
    QStringList backward = expected;
    std::reverse(backward.begin(), backward.end());
    EXPECT_EQ(Names(Walk(items, ITM_KEYNAME, false)), backward);
}

TEST_F(KeyOrder, CaseSensitiveKeyOrdersBinary)
{
    for (const char* code : {"b", "B", "a", "A", "ab"})
        Add(Item(QStringLiteral("x"), QString::fromLatin1(code)));
    QStringList codes;
    for (const ItemRecord& item : Walk(items, ITM_KEYCODE))
        codes.append(item.Code);
    EXPECT_EQ(codes, (QStringList{"A", "B", "a", "ab", "b"}));
}

TEST_F(KeyOrder, DuplicatesComeInRecordPointerOrderInEveryDirection)
{
    Add(Item("same", "1"));
    Add(Item("other"));
    Add(Item("SAME", "2"));
    Add(Item(U("same   "), "3"));
    QStringList codes;
    for (const ItemRecord& item : Walk(items, ITM_KEYNAME)) {
        if (SameTextNoCase(item.Name, "same"))
            codes.append(item.Code);
    }
    EXPECT_EQ(codes, (QStringList{"1", "2", "3"}));
    codes.clear();
    for (const ItemRecord& item : Walk(items, ITM_KEYNAME, false)) {
        if (SameTextNoCase(item.Name, "same"))
            codes.append(item.Code);
    }
    EXPECT_EQ(codes, (QStringList{"3", "2", "1"}));
}

// Every key walked forwards and backwards against an order computed here,
// over records with many equal values.
TEST_F(KeyOrder, EveryKeyWalksInKeyOrderThenPointer)
{
    for (int i = 0; i < 60; ++i) {
        // Names and codes differ in case too: a case-insensitive key must
        // take them as equal wherever a walk resumes.
        ItemRecord item = Item(QStringLiteral("%1%2").arg(i % 2 ? 'N' : 'n').arg((i * 7) % 5),
                               QStringLiteral("%1%2").arg(i % 3 ? 'c' : 'C').arg(i % 3), (i * 13) % 4, (i * 5) % 3);
        item.Flag = static_cast<uint8_t>(i % 2);
        item.Grp = i % 4;
        Add(item);
    }
    const auto check = [&](KeyRef key, auto less) {
        std::vector<ItemRecord> expected = Walk(items, FileOrder);
        ASSERT_EQ(expected.size(), 60u);
        std::stable_sort(expected.begin(), expected.end(), less); // file order breaks ties
        std::vector<int64_t> pointers;
        for (const ItemRecord& item : expected)
            pointers.push_back(item.RecordPointer);
        std::vector<int64_t> forward;
        for (const ItemRecord& item : Walk(items, key))
            forward.push_back(item.RecordPointer);
        EXPECT_EQ(forward, pointers) << key.name;
        std::vector<int64_t> backward;
        for (const ItemRecord& item : Walk(items, key, false))
            backward.push_back(item.RecordPointer);
        std::reverse(backward.begin(), backward.end());
        EXPECT_EQ(backward, pointers) << key.name;
    };
    check(ITM_KEYNAME, [](const ItemRecord& a, const ItemRecord& b) {
        return CompareNoCase(a.Name.toUtf8(), b.Name.toUtf8()) < 0;
    });
    check(ITM_KEYNEWEST, [](const ItemRecord& a, const ItemRecord& b) {
        return std::tie(b.Date, b.Time) < std::tie(a.Date, a.Time);
    });
    check(ITM_KEYFLAGNEWEST, [](const ItemRecord& a, const ItemRecord& b) {
        return a.Flag != b.Flag ? a.Flag < b.Flag : a.Date > b.Date;
    });
    check(ITM_KEYGROUPSEQ, [](const ItemRecord& a, const ItemRecord& b) {
        return std::tie(a.Grp, a.Seq) < std::tie(b.Grp, b.Seq);
    });
    check(ITM_KEYFLAGDATE, [](const ItemRecord& a, const ItemRecord& b) {
        return std::tie(a.Flag, a.Date) < std::tie(b.Flag, b.Date);
    });
    check(ITM_KEYNAMECODE, [](const ItemRecord& a, const ItemRecord& b) {
        const int name = CompareNoCase(a.Name.toUtf8(), b.Name.toUtf8());
        return name != 0 ? name < 0 : CompareNoCase(a.Code.toUtf8(), b.Code.toUtf8()) < 0;
    });
}

TEST_F(KeyOrder, GetFindsTheFirstRecordWithTheKeyValues)
{
    Add(Item("Other", "1"));
    Add(Item("Apple", "2"));
    Add(Item("APPLE", "3"));
    ItemRecord wanted;
    wanted.Name = "apple  ";
    ASSERT_TRUE(items.Get(ITM_KEYNAME, wanted));
    EXPECT_EQ(wanted.Code, "2");
    ItemRecord missing;
    missing.Name = "Pear";
    EXPECT_FALSE(items.Get(ITM_KEYNAME, missing));
    EXPECT_EQ(items.ErrorCode(), kRecordNotFound);
    EXPECT_EQ(items.Error(), "Record Not Found");
    ItemRecord byCode;
    byCode.Code = "3";
    ASSERT_TRUE(items.Get(ITM_KEYCODE, byCode));
    EXPECT_EQ(byCode.Name, "APPLE");
    byCode.Code = "3 ";
    EXPECT_TRUE(items.Get(ITM_KEYCODE, byCode));
    ItemRecord byPointer;
    ASSERT_TRUE(items.Get(wanted.RecordPointer, byPointer));
    EXPECT_EQ(byPointer.Code, "2");
    EXPECT_FALSE(items.Get(int64_t{999}, byPointer));
    EXPECT_EQ(items.ErrorCode(), kRecordNotFound);
}

TEST_F(KeyOrder, UniqueKeyRefusesDuplicatesRegardlessOfCaseAndNamesTheKey)
{
    Table<CategoryRecord> categories(CategoryDefinition());
    OpenCreated(categories);
    CategoryRecord work;
    work.Category = "Work";
    ASSERT_TRUE(categories.Add(work));
    CategoryRecord shouting;
    shouting.Category = "WORK  ";
    EXPECT_FALSE(categories.Add(shouting));
    EXPECT_EQ(categories.ErrorCode(), kDuplicateKey);
    EXPECT_EQ(categories.LastError().key, "CAT:KEYCATEGORY");
    EXPECT_TRUE(categories.Error().contains("CAT:KEYCATEGORY"));
    EXPECT_EQ(shouting.RecordPointer, 0);

    CategoryRecord home;
    home.Category = "Home";
    ASSERT_TRUE(categories.Add(home));
    home.Category = "work";
    EXPECT_FALSE(categories.Put(home));
    EXPECT_EQ(categories.ErrorCode(), kDuplicateKey);
    EXPECT_EQ(categories.Records(), 2);
    CategoryRecord stored;
    ASSERT_TRUE(categories.Get(home.RecordPointer, stored));
    EXPECT_EQ(stored.Category, "Home");
    home.Category = "HOME"; // its own value in another case is no clash
    EXPECT_TRUE(categories.Put(home));
}

} // namespace
} // namespace vl::test
