// The task query: the catalogue the task lists hand the query dialog, and
// queries over it applied to real task, script-item and category tables,
// checked against counts written by hand in SQL.

#include "core/dictionary/CategoryRecords.h"
#include "core/dictionary/QueryFieldCatalogue.h"
#include "core/dictionary/ScheduleRecord.h"
#include "core/dictionary/ScriptingRecord.h"
#include "core/dictionary/TableDefinitions.h"
#include "platform/data/NoCaseCollation.h"
#include "platform/data/Table.h"
#include "platform/data/TableView.h"
#include "platform/data/ViewSql.h"
#include "platform/query/SavedQueries.h"
#include "platform/runtime/Calendar.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <optional>

namespace vl {
namespace {

using Op = QueryOperator;

QueryCondition Cond(Join join, const char* field, Op op, const QString& value = {},
                    QueryOperand with = QueryOperand::Value)
{
    return {join, field, op, with, value};
}

TEST(QueryFieldCatalogueTest, SeventyEntriesWithTheTellingRowsAndEveryUsableFieldInTheTables)
{
    const QString text = QueryFieldCatalogue();
    EXPECT_EQ(text.size(), 4754);
    QueryCatalogue catalogue;
    ASSERT_TRUE(catalogue.Parse(text)) << catalogue.Error().toStdString();
    ASSERT_EQ(catalogue.Fields().size(), 70u);
    EXPECT_EQ(catalogue.Fields().front().field, "CAT:Category");
    EXPECT_EQ(catalogue.Fields().back().field, "SCR:DDECommand");
    // The telling rows: prompt, field, picture, size, kind and input.
    const auto row = [&](int entry) {
        const QueryField& f = catalogue.Fields()[entry];
        return QStringList{f.prompt, f.field, f.picture}.join('|') +
               QStringLiteral("|%1|%2|%3").arg(f.size).arg(int(f.kind)).arg(int(f.input));
    };
    EXPECT_EQ(row(1), "Basic - Task Type (Message/Program/Both/Reminder)|SCH:TaskType|@s20|20|1|3");
    EXPECT_EQ(row(24), "Basic - Next Date to Perform Task|SCH:Date|@d17b|4|2|1");
    EXPECT_EQ(row(39), "Option - Do not perform this task (True/False)|SCH:Disabled|@n3|1|2|2");
    EXPECT_EQ(catalogue.Find("SCH:Disabled")->checkLabel, "Disabled");
    QStringList taskTypes;
    for (const QueryChoice& choice : catalogue.Find("SCH:TaskType")->choices)
        taskTypes << choice.shown + "=" + choice.stored;
    EXPECT_EQ(taskTypes, (QStringList{"Run Program=Run Program", "Display Message=Display Message", "Both=Both",
                                      "Reminder Only=None"}));
    EXPECT_EQ(catalogue.Find("SCR:Action")->choices.size(), 16u);
    EXPECT_EQ(catalogue.Find("SCH:ScheduleType")->choices.size(), 7u);
    EXPECT_EQ(catalogue.Find("SCR:DDEType")->choices.size(), 2u);
    // Every entry names a stored field but the two groups (no value of their own).
    QStringList unknown;
    for (const QueryField& field : catalogue.Fields()) {
        if (ScheduleDefinition()->FieldIndex(field.field) < 0 && ScriptingDefinition()->FieldIndex(field.field) < 0 &&
            CategoriesDefinition()->FieldIndex(field.field) < 0)
            unknown << field.field;
    }
    EXPECT_EQ(unknown, (QStringList{"SCH:Expiry", "SCH:Exceptions"}));
}

class TaskQuery : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (TableFile* file : {static_cast<TableFile*>(&schedule), static_cast<TableFile*>(&scripting),
                                static_cast<TableFile*>(&categories)})
            ASSERT_TRUE(file->Open(TableFile::kDeclaredMode, true)) << file->Error().toStdString();
        QString error;
        ASSERT_TRUE(ScheduleQueryTables(schedule, scripting, categories, tables, error)) << error.toStdString();
        ASSERT_TRUE(catalogue.Parse(QueryFieldCatalogue()));
        catalogue.Keep([this](const QueryField& field) { return tables.Has(field.field); });
        db.emplace("VLDB.TPS", SQLite::OPEN_READWRITE);
        ASSERT_TRUE(RegisterNoCaseCollation(db->getHandle()));
        // 400 tasks of every type, dates a day apart, every third disabled,
        // every fifth with an alarm; 2 items for every fourth task.
        db->exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 400)"
                " INSERT INTO s (ID, TaskType, Category, Description, Date, Time, LastRunDate, LastRunTime, Every,"
                " Disabled, Alarm)"
                " SELECT i, CASE i % 4 WHEN 0 THEN 'Run Program' WHEN 1 THEN 'Display Message' WHEN 2 THEN 'Both'"
                " ELSE 'None' END, CASE i % 3 WHEN 0 THEN 'Work' WHEN 1 THEN 'home' ELSE 'Gone' END,"
                " printf('Task %d', i), 81000 + i, (i % 7) * 100, 81000 + i * 7 % 400, (i % 5) * 100, i % 9,"
                " i % 3 = 0, i % 5 = 0 FROM n");
        db->exec("WITH RECURSIVE n(i) AS (SELECT 4 UNION ALL SELECT i + 4 FROM n WHERE i < 400)"
                " INSERT INTO Script (ID, Sequence, Action, Keystrokes) SELECT i, 1, 'Wait', '' FROM n"
                " UNION ALL SELECT i, 2, CASE WHEN i % 8 = 0 THEN 'Send Keys' ELSE 'DDE' END, printf('k%d', i) FROM n");
        db->exec("INSERT INTO Categories (Category) VALUES ('Work'), ('Home')");
        db->exec("UPDATE s SET Description = 'O''Neil''s \"best\"' WHERE ID = 7");
    }
    int64_t Selected(const Query& query)
    {
        const QueryEvaluator evaluate = [](const QString& expression, QString& value, QString&) {
            value = expression == "TODAY()+7" ? QString::number(81000 + 107) : expression;
            return true;
        };
        Filter filter;
        QString error;
        EXPECT_TRUE(QueryFilter(query, tables, evaluate, filter, error)) << error.toStdString();
        EXPECT_TRUE(view.SetFilter("6 Query", filter)) << view.Error().toStdString();
        return view.Count();
    }

    Table<ScheduleRecord> schedule{ScheduleDefinition()};
    Table<ScriptingRecord> scripting{ScriptingDefinition()};
    Table<CategoriesRecord> categories{CategoriesDefinition()};
    QueryTables tables;
    QueryCatalogue catalogue;
    TableView view{schedule};
    std::optional<SQLite::Database> db; // another connection to the data file
};

TEST_F(TaskQuery, QueriesSelectExactlyTheTasksAHandWrittenCountSays)
{
    EXPECT_EQ(catalogue.Fields().size(), 68u); // the two groups are not offered
    struct Case {
        const char* what;
        Query query;
        std::string where;
    };
    const Case cases[] = {
        {"text AND date OR check box AND number",
         {Cond(Join::And, "SCH:Description", Op::Contains, "task 1"),
          Cond(Join::And, "SCH:Date", Op::GreaterEqual, "81150"), Cond(Join::Or, "SCH:Disabled", Op::Checked),
          Cond(Join::And, "SCH:Every", Op::Greater, "6")},
         "(UPPER(Description) LIKE '%TASK 1%' AND Date >= 81150) OR (Disabled <> 0 AND Every > 6)"},
        {"a choice shown otherwise than stored, and a check box not checked",
         {Cond(Join::And, "SCH:TaskType", Op::Equal, "None"), Cond(Join::And, "SCH:Alarm", Op::NotChecked)},
         "TaskType = 'None' AND Alarm = 0"},
        {"quotes match literally", {Cond(Join::And, "SCH:Description", Op::Equal, "O'Neil's \"best\"")},
         "Description = 'O''Neil''s \"best\"'"},
        {"no begins-with on a description", {Cond(Join::And, "SCH:Description", Op::NotBeginsWith, "task 1")},
         "Description NOT LIKE 'Task 1%'"},
        {"a field with another field", {Cond(Join::And, "SCH:Time", Op::Less, "SCH:LastRunTime", QueryOperand::Field)},
         "Time < LastRunTime"},
        {"an expression", {Cond(Join::And, "SCH:Date", Op::Less, "TODAY()+7", QueryOperand::Expression)},
         "Date < 81107"},
        {"a script item field",
         {Cond(Join::And, "SCR:Action", Op::Equal, "Send Keys"), Cond(Join::Or, "SCR:Keystrokes", Op::Equal, "k12")},
         "ID IN (SELECT ID FROM Script WHERE Action = 'Send Keys' OR Keystrokes = 'k12')"},
        {"a task without such an item is not selected by a negation either",
         {Cond(Join::And, "SCR:Action", Op::NotEqual, "Wait")}, "ID IN (SELECT ID FROM Script)"},
        {"a listed category", {Cond(Join::And, "CAT:Category", Op::BeginsWith, "h")},
         "UPPER(Category) IN (SELECT UPPER(Category) FROM Categories WHERE Category LIKE 'h%')"},
    };
    for (const Case& c : cases) {
        const int64_t expected = db->execAndGet("SELECT COUNT(*) FROM s WHERE " + c.where).getInt64();
        EXPECT_GT(expected, 0) << c.what;
        EXPECT_EQ(Selected(c.query), expected) << c.what;
    }
}

TEST_F(TaskQuery, ASavedQueryReloadedGivesTheSameFilter)
{
    const Query query{Cond(Join::And, "SCH:Description", Op::Contains, "O'Neil"),
                      Cond(Join::Or, "SCR:Action", Op::Equal, "Send Keys"),
                      Cond(Join::And, "SCH:Date", Op::Less, "SCH:LastRunDate", QueryOperand::Field)};
    ASSERT_TRUE(SavedQueries(kSavedQueriesFile, kScheduleQueryName).Save("Irish or keyed", query));
    Query reloaded;
    QString error;
    ASSERT_TRUE(SavedQueries(kSavedQueriesFile, kScheduleQueryName).Load("irish or keyed", reloaded, error))
        << error.toStdString();
    std::vector<ViewQuery> compiled;
    for (const Query& q : {query, reloaded}) {
        Filter filter;
        ASSERT_TRUE(QueryFilter(q, tables, {}, filter, error)) << error.toStdString();
        ViewSql sql;
        ASSERT_TRUE(sql.Build(schedule.Definition(), "s", {}, {}, {{"6 Query", filter}}, error));
        compiled.push_back(sql.Count());
    }
    EXPECT_EQ(compiled[0].sql, compiled[1].sql);
    EXPECT_EQ(compiled[0].binds, compiled[1].binds);
    EXPECT_EQ(Selected(reloaded), Selected(query));
    EXPECT_EQ(Selected(query), db->execAndGet("SELECT COUNT(*) FROM s WHERE Description LIKE '%O''Neil%' OR"
                                             " (ID IN (SELECT ID FROM Script WHERE Action = 'Send Keys') AND"
                                             " Date < LastRunDate)").getInt64());
}

} // namespace
} // namespace vl
