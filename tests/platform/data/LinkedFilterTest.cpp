// Conditions beyond a field and a constant: a field compared with another
// field, the negated text tests, and conditions on a linked table (the
// parts of an item) that hold for items with at least one such part.

#include "TestTables.h"

#include "platform/data/NoCaseCollation.h"
#include "platform/runtime/Calendar.h"
#include "platform/data/TableView.h"
#include "platform/data/ViewSql.h"

#include <SQLiteCpp/Database.h>

namespace vl::test {
namespace {

struct PartRecord : RecordBase {
    int32_t Item = 0;
    QString Label; // STRING(20)
    int32_t Count = 0;
};

inline constexpr KeyRef PRT_KEYITEM{"PRT:KEYITEM"};

std::shared_ptr<const TableDef> PartDefinition()
{
    return TableDeclaration<PartRecord>("Parts", "PRT")
        .Description("Parts")
        .FileName("TEST\\!Parts")
        .Long("PRT:Item", &PartRecord::Item)
        .String("PRT:Label", &PartRecord::Label, 20)
        .Long("PRT:Count", &PartRecord::Count)
        .Key(PRT_KEYITEM, "Item", {"PRT:Item"})
        .Build();
}

class LinkedFilter : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenCreated(items);
        OpenCreated(parts);
        // name, code, date, time: pointers and IDs 1-5.
        for (ItemRecord item : {Item("alpha", "ALPHA", 5, 7), Item("Beta", "x", 9, 2), Item("O'Neil", "O'Neil", 3, 3),
                                Item("gamma", "GAM", 1, 8), Item("delta", "d", 4, 4)})
            ASSERT_TRUE(items.Add(item)) << items.Error().toStdString();
        // Parts of items 1, 2 and 3; item 3's label holds quotes.
        for (PartRecord part : {PartRecord{{}, 1, "bolt", 2}, PartRecord{{}, 1, "nut", 9}, PartRecord{{}, 2, "Bolt", 1},
                                PartRecord{{}, 3, "it's \"x\"", 3}})
            ASSERT_TRUE(parts.Add(part)) << parts.Error().toStdString();
        std::shared_ptr<DataConnection> connection;
        QString table;
        ASSERT_TRUE(parts.Storage(connection, table));
        link = ConditionLink{parts.DefinitionPtr(), table, "PRT:Item", "ITM:ID"};
    }
    Condition On(const QString& field, Compare compare, FieldValue value, bool linked = false, bool noCase = false)
    {
        Condition condition{field, compare, std::move(value), Join::And, noCase};
        if (linked)
            condition.link = link;
        return condition;
    }
    Condition Fields(const QString& field, Compare compare, const QString& other, bool linked = false)
    {
        Condition condition = On(field, compare, int64_t(0), linked, true);
        condition.otherField = other;
        return condition;
    }
    std::vector<int64_t> Selected(const Filter& filter)
    {
        std::vector<int64_t> pointers;
        EXPECT_TRUE(view.SetFilter("f", filter)) << view.Error().toStdString();
        std::vector<ViewRow> rows;
        EXPECT_TRUE(view.First(50, rows)) << view.Error().toStdString();
        for (const ViewRow& row : rows)
            pointers.push_back(row.pointer);
        EXPECT_EQ(view.Count(), static_cast<int64_t>(pointers.size()));
        return pointers;
    }

    Table<ItemRecord> items{ItemDefinition()};
    Table<PartRecord> parts{PartDefinition()};
    TableView view{items};
    ConditionLink link;
};

TEST_F(LinkedFilter, FieldsCompareWithFieldsAndLinkedRecordsSelectTheirOwners)
{
    Condition orDelta = On("ITM:Name", Compare::Equal, QString("delta"));
    orDelta.join = Join::Or;
    struct Case {
        const char* what;
        Filter filter;
        std::vector<int64_t> expected;
    };
    const Case cases[] = {
        {"number field with number field", {Fields("ITM:Date", Compare::Greater, "ITM:Time")}, {2}},
        {"equal fields", {Fields("ITM:Date", Compare::Equal, "ITM:Time")}, {3, 5}},
        {"text fields without case", {Fields("ITM:Name", Compare::Equal, "ITM:Code")}, {1, 3}},
        {"a field begins with another", {Fields("ITM:Name", Compare::BeginsWith, "ITM:Code")}, {1, 3, 4, 5}},
        {"not beginning with", {On("ITM:Name", Compare::NotBeginsWith, QString("A"), false, true)}, {2, 3, 4, 5}},
        {"not containing", {On("ITM:Name", Compare::NotContains, QString("e"))}, {1, 4}},
        {"a linked record", {On("PRT:Label", Compare::Equal, QString("BOLT"), true, true)}, {1, 2}},
        {"a linked record by case", {On("PRT:Label", Compare::Equal, QString("Bolt"), true)}, {2}},
        {"quotes in a linked value", {On("PRT:Label", Compare::Equal, QString("it's \"x\""), true)}, {3}},
        {"some linked record differs", {On("PRT:Label", Compare::NotEqual, QString("bolt"), true)}, {1, 2, 3}},
        {"a date in the same month of another year", {On("ITM:Date", Compare::SameMonth, int64_t(MakeDate(1, 20, 2026)))}, {1, 2, 5}},
        {"dates in the same month", {Fields("ITM:Date", Compare::SameMonth, "ITM:Time")}, {1, 3, 5}},
        {"linked number", {On("PRT:Count", Compare::GreaterEqual, int64_t(3), true)}, {1, 3}},
        {"linked field with an owner field", {Fields("PRT:Count", Compare::Equal, "ITM:Time", true)}, {3}},
        {"linked, then OR an owner condition",
         {On("PRT:Label", Compare::Contains, QString("nu"), true), orDelta},
         {1, 5}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Selected(c.filter), c.expected) << c.what;
    // The parts table is read through its key for each item, never scanned.
    SQLite::Database db("TEST.TPS", SQLite::OPEN_READONLY);
    ASSERT_TRUE(RegisterNoCaseCollation(db.getHandle()));
    ViewSql sql;
    QString error;
    ASSERT_TRUE(sql.Build(items.Definition(), "Items", {}, {},
                          {{"f", {On("PRT:Label", Compare::Equal, QString("x"), true)}}}, error));
    SQLite::Statement plan(db, "EXPLAIN QUERY PLAN " + sql.First(10, false).sql);
    QStringList lines;
    while (plan.executeStep())
        lines << QString::fromUtf8(plan.getColumn(3).getText());
    EXPECT_TRUE(lines.join("/").contains("SEARCH vl_link USING INDEX")) << lines.join(" / ").toStdString();
}

TEST_F(LinkedFilter, ConditionsThatCannotBeCompiledAreRefusedWithAMessage)
{
    Condition noTable = On("PRT:Label", Compare::Equal, QString("x"), true);
    noTable.link->def = nullptr;
    Condition badJoin = On("PRT:Label", Compare::Equal, QString("x"), true);
    badJoin.link->ownerField = "ITM:Nope";
    const std::pair<Condition, const char*> bad[] = {
        {Fields("ITM:Name", Compare::Equal, "ITM:Date"), "ITM:Date is a number and ITM:Name a text"},
        {Fields("ITM:Name", Compare::Equal, "ITM:Nope"), "Items has no field ITM:Nope"},
        {On("PRT:Label", Compare::Equal, QString("x")), "Items has no field PRT:Label"},
        {On("PRT:Nope", Compare::Equal, QString("x"), true), "neither Items nor Parts has a field PRT:Nope"},
        {On("PRT:Count", Compare::Contains, QString("1"), true), "PRT:Count is a number"},
        {noTable, "the link of PRT:Label names no table"},
        {badJoin, "Parts cannot be joined to Items by PRT:Item = ITM:Nope"},
    };
    for (const auto& [condition, message] : bad) {
        EXPECT_FALSE(view.SetFilter("f", {condition}));
        EXPECT_TRUE(view.Error().contains(message)) << view.Error().toStdString();
    }
}

} // namespace
} // namespace vl::test
