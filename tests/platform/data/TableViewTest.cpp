#include "TestTables.h"

#include "platform/data/NoCaseCollation.h"
#include "platform/data/TableView.h"
#include "platform/data/ViewSql.h"

#include <SQLiteCpp/Database.h>

#include <algorithm>

namespace vl::test {
namespace {

using Pointers = std::vector<int64_t>;

Pointers PointersOf(const std::vector<ViewRow>& rows)
{
    Pointers pointers;
    for (const ViewRow& row : rows)
        pointers.push_back(row.pointer);
    return pointers;
}

class View : public ::testing::Test {
protected:
    void SetUp() override { OpenCreated(items); }
    void Add(ItemRecord item) { ASSERT_TRUE(items.Add(item)) << items.Error().toStdString(); }
    // Six items; pointers 1-6 in this order.
    void AddSix()
    {
        Add(Item("beta", "b", 5, 1));
        Add(Item("Alpha", "A", 7, 0));
        Add(Item("alpha", "a", 5, 1));
        Add(Item("Gamma", "G", 9, 0));
        Add(Item("beta ", "c", 3, 0));
        Add(Item("delta", "d", 5, 1));
    }
    ViewOrder Parsed(const QString& text)
    {
        ViewOrder order;
        QString error;
        EXPECT_TRUE(ParseViewOrder(items.Definition(), text, order, error)) << error.toStdString();
        return order;
    }
    // Every row, read forward from First (or backward from Last) a page at a time.
    Pointers Walk(int page, bool forward)
    {
        std::vector<ViewRow> all;
        std::vector<ViewRow> rows;
        EXPECT_TRUE(forward ? view.First(page, rows) : view.Last(page, rows)) << view.Error().toStdString();
        while (!rows.empty() && all.size() < 100) {
            all.insert(forward ? all.end() : all.begin(), rows.begin(), rows.end());
            EXPECT_TRUE(forward ? view.After(all.back(), page, rows) : view.Before(all.front(), page, rows));
        }
        return PointersOf(all);
    }
    Pointers Filtered(const Filter& filter)
    {
        EXPECT_TRUE(view.SetFilter("f", filter)) << view.Error().toStdString();
        std::vector<ViewRow> rows;
        EXPECT_TRUE(view.First(50, rows)) << view.Error().toStdString();
        return PointersOf(rows);
    }

    Table<ItemRecord> items{ItemDefinition()};
    TableView view{items};
};

TEST_F(View, OrdersPageBothWaysAcrossPageBoundariesAndKeepRecordOrderAmongEquals)
{
    AddSix();
    struct Case {
        KeyRef key;
        const char* text; // used when key is FileOrder
        Pointers expected;
    };
    const Case cases[] = {
        {FileOrder, "", {1, 2, 3, 4, 5, 6}},
        {ITM_KEYNAME, nullptr, {2, 3, 1, 5, 6, 4}},                  // case-insensitive key
        {ITM_KEYNEWEST, nullptr, {4, 2, 1, 3, 6, 5}},                // descending key
        {ITM_KEYFLAGNEWEST, nullptr, {4, 2, 1, 3, 6, 5}},            // ascending then descending
        {FileOrder, "-UPPER(ITM:Name)", {4, 6, 1, 5, 2, 3}},         // header sort, descending
        {FileOrder, "+ITM:Name", {2, 4, 3, 1, 5, 6}},                // binary text
        {FileOrder, "ITM:Date,-ITM:ID", {5, 6, 3, 1, 2, 4}},         // mixed directions, no index
    };
    for (const Case& c : cases) {
        ViewOrder order;
        QString error;
        if (c.key.name) {
            ASSERT_TRUE(KeyOrder(items.Definition(), c.key, order, error));
        } else {
            order = Parsed(c.text);
        }
        ASSERT_TRUE(view.SetOrder(order));
        const std::string label = c.key.name ? c.key.name : c.text;
        Pointers backward = c.expected;
        std::reverse(backward.begin(), backward.end());
        for (int page : {1, 2, 4, 10}) {
            EXPECT_EQ(Walk(page, true), c.expected) << label << " page " << page;
            EXPECT_EQ(Walk(page, false), c.expected) << label << " backward, page " << page;
        }
        EXPECT_EQ(view.Count(), 6);
        std::vector<ViewRow> rows;
        ASSERT_TRUE(view.First(6, rows));
        for (size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(view.RowsBefore(rows[i]), static_cast<int64_t>(i)) << label;
        ASSERT_TRUE(view.Page(1, 2, false, rows));
        EXPECT_EQ(PointersOf(rows), Pointers(c.expected.begin() + 1, c.expected.begin() + 3)) << label;
        ASSERT_TRUE(view.Page(1, 2, true, rows));
        EXPECT_EQ(PointersOf(rows), Pointers(c.expected.begin() + 3, c.expected.begin() + 5)) << label;
    }
}

TEST_F(View, OrderTextsReadBackAndBadOnesAreRefusedWithAMessage)
{
    const ViewOrder order = Parsed(" -UPPER(itm:name) , ITM:Date");
    ASSERT_EQ(order.parts.size(), 2u);
    EXPECT_EQ(order.parts[0], (OrderPart{"ITM:Name", true, true}));
    EXPECT_EQ(ViewOrderText(order), "-UPPER(ITM:Name),+ITM:Date");
    EXPECT_EQ(Parsed(ViewOrderText(order)), order);
    const std::pair<const char*, const char*> bad[] = {
        {"ITM:Nope", "Items has no field ITM:Nope"},
        {"UPPER(ITM:Name", "lacks its closing bracket"},
        {"ITM:Name,,ITM:Date", "empty segment"},
    };
    for (const auto& [text, message] : bad) {
        ViewOrder kept = order;
        QString error;
        EXPECT_FALSE(ParseViewOrder(items.Definition(), text, kept, error));
        EXPECT_TRUE(error.contains(message)) << error.toStdString();
        EXPECT_EQ(kept, order);
    }
    EXPECT_FALSE(view.SetOrder({{{"ITM:Nope"}}}));
    EXPECT_TRUE(view.Error().contains("ITM:Nope")) << view.Error().toStdString();
    EXPECT_TRUE(view.Order().IsFileSequence());
}

TEST_F(View, RangeLimitsTheLeadingFieldsOfTheOrder)
{
    for (int group : {2, 1, 3, 2, 1, 2})
        Add([&] { ItemRecord item = Item("x"); item.Grp = group; return item; }());
    // Sequence numbers count within each group: pointers 1,4,6 are group 2.
    ViewOrder bySequence;
    QString error;
    ASSERT_TRUE(KeyOrder(items.Definition(), ITM_KEYGROUPSEQ, bySequence, error));
    ASSERT_TRUE(view.SetOrder(bySequence));
    struct Case {
        ViewRange range;
        Pointers expected;
    };
    const Case cases[] = {
        {{{int64_t(2)}}, {1, 4, 6}},
        {{{QString("2")}, int64_t(2)}, {4, 6}},       // a number given as text
        {{{}, int64_t(2), int64_t(3)}, {1, 4, 6, 3}},
        {{{}, std::nullopt, int64_t(1)}, {2, 5}},
        {{{int64_t(4)}}, {}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(view.SetRange(c.range)) << view.Error().toStdString();
        EXPECT_EQ(Walk(1, true), c.expected);
        EXPECT_EQ(Walk(2, false), c.expected);
        EXPECT_EQ(view.Count(), static_cast<int64_t>(c.expected.size()));
    }
    ASSERT_TRUE(view.SetRange({{int64_t(2)}}));
    std::vector<ViewRow> rows;
    ASSERT_TRUE(view.Locate(int64_t(2), 5, rows)); // the locator works on the field after the range
    EXPECT_EQ(PointersOf(rows), (Pointers{4, 6}));
    // Kept while the order starts with the ranged field, dropped otherwise.
    ASSERT_TRUE(view.SetOrder({{{"ITM:Grp"}, {"ITM:ID", true}}}));
    EXPECT_EQ(Walk(5, true), (Pointers{6, 4, 1}));
    ASSERT_TRUE(view.SetOrder({{{"ITM:ID"}}}));
    EXPECT_TRUE(view.Range().IsEmpty());
    EXPECT_FALSE(view.SetRange({{int64_t(1), int64_t(2)}}));
    EXPECT_TRUE(view.Error().contains("range")) << view.Error().toStdString();
    EXPECT_FALSE(view.SetRange({{QString("two")}}));
    EXPECT_TRUE(view.Error().contains("\"two\" is not one")) << view.Error().toStdString();
}

TEST_F(View, FiltersJoinWithAndCompareAsAskedAndBindTheirValues)
{
    AddSix();
    const QString hostile = QStringLiteral("O'N\"); DROP TABLE x"); // fits STRING(20)
    Add(Item(hostile, "h"));
    Add(Item("O'Neil", "o"));
    const auto name = [](Compare compare, const QString& value, bool noCase = false, Join join = Join::And) {
        return Condition{"ITM:Name", compare, value, join, noCase};
    };
    struct Case {
        Filter filter;
        Pointers expected;
    };
    const Case cases[] = {
        {{name(Compare::Equal, hostile)}, {7}},
        {{name(Compare::Equal, "ALPHA", true)}, {2, 3}},
        {{name(Compare::Equal, "ALPHA")}, {}},
        {{name(Compare::Equal, "beta   ")}, {1, 5}},               // clipped as stored
        {{name(Compare::BeginsWith, "o'n", true)}, {7, 8}},
        {{name(Compare::BeginsWith, "O'N\")")}, {7}},
        {{name(Compare::Contains, "DROP TABLE")}, {7}},
        {{name(Compare::Contains, "ELT", true)}, {6}},
        {{name(Compare::Greater, "beta", true), {"ITM:Date", Compare::Equal, int64_t(5)}}, {6}},
        // AND binds tighter than OR.
        {{name(Compare::Equal, "Gamma"), name(Compare::Equal, "delta", false, Join::Or),
          {"ITM:Date", Compare::Equal, int64_t(9)}},
         {4}},
        {{{"ITM:Date", Compare::LessEqual, QString(" 5 ")}, {"ITM:Code", Compare::NotEqual, QString("b")}}, {3, 5, 6, 7, 8}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Filtered(c.filter), c.expected) << c.filter.front().value.index();
    // Named filters join with AND; replacing and removing one by name.
    ASSERT_TRUE(view.SetFilter("f", {name(Compare::BeginsWith, "a", true)}));
    ASSERT_TRUE(view.SetFilter("g", {{"ITM:Date", Compare::Equal, int64_t(5)}}));
    EXPECT_EQ(view.FilterNames(), (QStringList{"f", "g"}));
    EXPECT_EQ(view.Count(), 1);
    view.RemoveFilter("f");
    EXPECT_EQ(view.Count(), 3);
    view.ClearFilters();
    EXPECT_EQ(view.Count(), 8);
    // The hostile value changed nothing: every record is still there.
    EXPECT_EQ(items.Records(), 8);
    // Bad filters are refused with a message and the installed ones stay.
    ASSERT_TRUE(view.SetFilter("g", {{"ITM:Date", Compare::Equal, int64_t(5)}}));
    const std::pair<Filter, const char*> bad[] = {
        {{{"ITM:Nope", Compare::Equal, int64_t(1)}}, "Items has no field ITM:Nope"},
        {{{"ITM:Date", Compare::Equal, QString("soon")}}, "ITM:Date is a number: \"soon\" is not one"},
        {{{"ITM:Date", Compare::Contains, QString("5")}}, "ITM:Date is a number: it cannot be compared as text"},
    };
    for (const auto& [filter, message] : bad) {
        EXPECT_FALSE(view.SetFilter("g", filter));
        EXPECT_TRUE(view.Error().startsWith("Filter \"g\": ") && view.Error().contains(message))
            << view.Error().toStdString();
    }
    EXPECT_EQ(view.Count(), 3);
}

TEST_F(View, LocateFindsTheFirstRowAtOrAfterAValueInTheOrdersDirection)
{
    AddSix();
    struct Case {
        const char* order;
        FieldValue value;
        Pointers expected;
    };
    const Case cases[] = {
        {"UPPER(ITM:Name)", QString("B"), {1, 5, 6}},
        {"UPPER(ITM:Name)", QString("Bz"), {6, 4}},
        {"UPPER(ITM:Name)", QString("zz"), {}},
        {"-UPPER(ITM:Name)", QString("c"), {1, 5, 2}},
        {"-ITM:Date", int64_t(6), {1, 3, 6}}, // equal dates keep record order
        {"", int64_t(5), {5, 6}},               // file sequence: by record pointer
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(view.SetOrder(Parsed(c.order)));
        std::vector<ViewRow> rows;
        ASSERT_TRUE(view.Locate(c.value, 3, rows)) << view.Error().toStdString();
        EXPECT_EQ(PointersOf(rows), c.expected) << c.order;
    }
    std::vector<ViewRow> rows;
    EXPECT_FALSE(view.Locate(QString("x"), 3, rows));
    EXPECT_TRUE(view.Error().startsWith("Locator: ")) << view.Error().toStdString();
}

TEST_F(View, FindAndRowsBeforeFollowTheViewAndAClosedTableIsAnError)
{
    AddSix();
    ASSERT_TRUE(view.SetFilter("f", {{"ITM:Date", Compare::Equal, int64_t(5)}}));
    ViewRow row;
    bool found = false;
    ASSERT_TRUE(view.Find(6, row, found));
    EXPECT_TRUE(found);
    EXPECT_EQ(std::get<QString>(row.values[1]), "delta");
    ItemRecord record;
    row.Fill(items.Definition(), record);
    EXPECT_EQ(record.RecordPointer, 6);
    EXPECT_EQ(record.Name, "delta");
    EXPECT_EQ(ViewRow::From(items.Definition(), record).values, row.values);
    ASSERT_TRUE(view.Find(2, row, found));
    EXPECT_FALSE(found);
    // A record no longer in the view still has a place in its order.
    ItemRecord gone = Item("alpha", "", 5, 1);
    gone.RecordPointer = 2;
    EXPECT_EQ(view.RowsBefore(ViewRow::From(items.Definition(), gone)), 1);
    std::vector<ViewRow> rows;
    EXPECT_FALSE(view.After(ViewRow{3, {}}, 5, rows));
    EXPECT_EQ(view.Error(), "A position in Items needs the values of its 11 fields, not 0");
    items.Close();
    EXPECT_EQ(view.Count(), -1);
    EXPECT_EQ(view.LastError().code, kFileNotOpen);
}

// A keyed order's pages are index seeks: no scan of the table, no sort of it.
TEST(ViewPlan, KeyedPagesSeekTheKeysIndex)
{
    Table<ItemRecord> items(ItemDefinition());
    OpenCreated(items);
    SQLite::Database db("TEST.TPS", SQLite::OPEN_READWRITE);
    ASSERT_TRUE(RegisterNoCaseCollation(db.getHandle()));
    const auto plan = [&db](const ViewQuery& query) {
        SQLite::Statement explain(db, "EXPLAIN QUERY PLAN " + query.sql);
        QStringList lines;
        while (explain.executeStep())
            lines.append(QString::fromUtf8(explain.getColumn(3).getText()));
        return lines;
    };
    ItemRecord position = Item("m", "m", 5, 1);
    position.RecordPointer = 3;
    const ViewRow from = ViewRow::From(items.Definition(), position);
    for (KeyRef key : {ITM_KEYNAME, ITM_KEYNEWEST, ITM_KEYFLAGNEWEST, ITM_KEYCODE}) {
        ViewOrder order;
        QString error;
        ASSERT_TRUE(KeyOrder(items.Definition(), key, order, error));
        for (bool backward : {false, true}) {
            ViewSql sql;
            ASSERT_TRUE(sql.Build(items.Definition(), "Items", order, {}, {}, error));
            const QStringList first = plan(sql.First(50, backward));
            EXPECT_TRUE(first.size() == 1 && first[0].contains("USING INDEX")) << first.join(" / ").toStdString();
            const QStringList step = plan(sql.Step(from, 50, backward));
            int seeks = 0;
            for (const QString& line : step) {
                EXPECT_FALSE(line.startsWith("SCAN Items")) << key.name << ": " << line.toStdString();
                seeks += line.startsWith("SEARCH Items USING INDEX") ? 1 : 0;
            }
            // One seek per level: the equal values, then each part.
            EXPECT_EQ(seeks, static_cast<int>(order.parts.size()) + 1) << step.join(" / ").toStdString();
            // Only the rows a level read (one page at most) are sorted for
            // the merge, never the table.
            for (qsizetype i = 0; i < step.size(); ++i) {
                if (step[i].contains("TEMP B-TREE")) {
                    EXPECT_TRUE(i > 0 && step[i - 1].startsWith("SCAN (subquery")) << step.join(" / ").toStdString();
                }
            }
        }
    }
}

} // namespace
} // namespace vl::test
