// The query logic without a dialog: the catalogue, constants read through
// the fields' pictures, the text form, the words, saved queries and the
// filter a query gives a table view.

#include "QueryTestData.h"

#include "platform/query/QueryFilter.h"
#include "platform/query/QueryValue.h"
#include "platform/query/QueryWords.h"
#include "platform/query/SavedQueries.h"
#include "platform/runtime/Calendar.h"
#include "tests/platform/data/TestTables.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

namespace vl::test {
namespace {

using Op = QueryOperator;

QueryCondition Cond(const char* field, Op op, const QString& value = {}, QueryOperand with = QueryOperand::Value,
                    Join join = Join::And)
{
    return {join, field, op, with, value};
}

TEST(QueryCatalogueTest, EntriesReadWithTheirInputsAndDamagedTextsAreRefusedWithACode)
{
    const QueryCatalogue catalogue = ItemCatalogue();
    ASSERT_EQ(catalogue.Fields().size(), 7u);
    const QueryField* code = catalogue.Find("itm:code");
    ASSERT_TRUE(code);
    EXPECT_EQ(code->input, QueryInput::Choice);
    ASSERT_EQ(code->choices.size(), 2u);
    EXPECT_EQ(code->choices[1].shown, "Big Nut");
    EXPECT_EQ(code->choices[1].stored, "NUT");
    const QueryField* flag = catalogue.Find("ITM:Flag");
    EXPECT_EQ(flag->checkLabel, "Flagged"); // a trailing separator is no column
    EXPECT_EQ(flag->kind, QueryFieldKind::Number);
    EXPECT_EQ(catalogue.Find("ITM:Date")->picture, "@d6");

    const std::pair<QString, int> damaged[] = {
        {"", 1},
        {QString::fromUtf8("A¦0¦ITM:Name¦@s20¦20¦1¦1"), 2},
        {QString::fromUtf8(" ¦0¦ITM:Name¦@s20¦20¦1¦1¦¦"), 3},
        {QString::fromUtf8("A¦0¦ITM:Name¦@s20¦big¦1¦1¦¦"), 4},
        {QString::fromUtf8("A¦0¦ITM:Name¦@s20¦20¦3¦1¦¦"), 5},
        {QString::fromUtf8("A¦0¦ITM:Name¦@s20¦20¦1¦4¦¦"), 6},
    };
    for (const auto& [text, code] : damaged) {
        QueryCatalogue read = ItemCatalogue();
        EXPECT_FALSE(read.Parse(text));
        EXPECT_EQ(read.ErrorCode(), code) << read.Error().toStdString();
        EXPECT_EQ(read.Fields().size(), 7u); // kept as it was
    }
    // A list that opens on a damaged catalogue says so, with the code.
    ScriptedPrompt prompt;
    prompt.Answer(1);
    QueryCatalogue opened;
    EXPECT_FALSE(OpenQueryCatalogue(damaged[1].first, opened));
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Query Wizard Error# 2");
    EXPECT_TRUE(prompt.Questions()[0].text.startsWith("An error has prevented the Query Wizard from initializing.|"));
}

TEST(QueryValueTest, ConstantsAreReadThroughTheFieldsPicturesAndShownBack)
{
    QueryCatalogue catalogue = ItemCatalogue();
    const auto field = [&](const char* name) { return *catalogue.Find(name); };
    const QString christmas = QString::number(MakeDate(12, 25, 2024));
    struct Case {
        const char* field;
        QString input;
        QString stored; // "" for a refused input
        QString shown;
    };
    const Case cases[] = {
        {"ITM:Name", " O'Neil \"x\" ", " O'Neil \"x\" ", " O'Neil \"x\" "},
        {"ITM:Code", "Big Nut", "NUT", "Big Nut"},
        {"ITM:Date", "25/12/2024", christmas, "25/12/2024"},
        {"ITM:Date", "", "0", "28/12/1800"},
        {"ITM:Date", "31/02/2024", "", ""},
        {"ITM:Time", "17:30", QString::number(MakeClock(17, 30)), "17:30:00"},
        {"ITM:Time", "soon", "", ""},
        {"ITM:Priority", " 1,200 ", "1200", "1200"},
        {"ITM:Priority", "12a", "", ""},
    };
    for (const Case& c : cases) {
        QString stored;
        QString error;
        const bool ok = QueryValueFromInput(field(c.field), c.input, stored, error);
        EXPECT_EQ(ok, !c.stored.isEmpty()) << c.field << " " << c.input.toStdString();
        if (!ok) {
            const QString reason = field(c.field).prompt + ": \"" + c.input + "\" is not a";
            EXPECT_TRUE(error.startsWith(reason)) << error.toStdString();
            continue;
        }
        EXPECT_EQ(stored, c.stored) << c.field;
        EXPECT_EQ(QueryValueShown(field(c.field), stored), c.shown) << c.field;
    }
    catalogue.UseDatePicture("@d10");
    EXPECT_EQ(QueryValueShown(*catalogue.Find("ITM:Date"), christmas), "2024/12/25");
}

TEST(QueryTextTest, TheTextFormReadsBackToTheSameQueryAndDamageIsRefused)
{
    Query query{Cond("ITM:Name", Op::Equal, "O'Neil \"x\"); DROP TABLE Items; --"),
                Cond("ITM:Date", Op::Less, "TODAY()+7", QueryOperand::Expression, Join::Or),
                Cond("ITM:Time", Op::Greater, "ITM:Date", QueryOperand::Field)};
    query[0].caseSensitive = true;
    const QString text = QueryText(query);
    EXPECT_FALSE(text.contains('\n'));
    Query read;
    QString error;
    ASSERT_TRUE(QueryFromText(text, read, error)) << error.toStdString();
    EXPECT_EQ(read, query);
    EXPECT_TRUE(QueryText({}).isEmpty());
    for (const char* damaged : {R"([{"join":"AND")", "{}", R"([{"join":"XOR","field":"A","op":1,"with":"value","value":""}])",
                                R"([{"join":"AND","field":"A","op":13,"with":"value","value":""}])",
                                R"([{"join":"AND","field":"A","op":1,"with":"constant","value":""}])"}) {
        EXPECT_FALSE(QueryFromText(damaged, read, error)) << damaged;
        EXPECT_EQ(read, query); // left as it was
    }
}

TEST(QueryWordsTest, EachConditionReadsAsPromptOperatorAndOperand)
{
    const QueryCatalogue catalogue = ItemCatalogue();
    Query query{Cond("ITM:Name", Op::Contains, "O'Neil"),
                Cond("ITM:Code", Op::Equal, "NUT", QueryOperand::Value, Join::Or),
                Cond("ITM:Date", Op::Less, QString::number(MakeDate(12, 25, 2024))),
                Cond("ITM:Time", Op::Greater, "ITM:Date", QueryOperand::Field),
                Cond("ITM:Date", Op::Less, "TODAY()", QueryOperand::Expression), Cond("ITM:Flag", Op::NotChecked),
                Cond("ITM:Gone", Op::Equal, "x")};
    query[0].caseSensitive = true;
    EXPECT_EQ(QueryWords(catalogue, DialogTexts(), query),
              (QStringList{"Item - Name Contains \"O'Neil\" (Compare Using Case Sensitive Matching)",
                           "OR Item - Code Is Equal To \"Big Nut\"",
                           "AND Item - Date Is Less Than 25/12/2024",
                           "AND Item - Time Is Greater Than Another Field: Item - Date",
                           "AND Item - Date Is Less Than Expression: TODAY()",
                           "AND Item - Flag (True/False) Is NOT Checked",
                           "AND ITM:Gone Is Equal To \"x\""}));
    EXPECT_EQ(QueryWords(catalogue, DialogTexts(), {}), QStringList{"All Records"});
}

TEST(SavedQueriesTest, QueriesAreKeptUnderAnyDescriptionAndFoundAgainByANewReader)
{
    const Query query{Cond("ITM:Name", Op::Equal, "a=b; [c]")};
    const QString path = TestPath("QUERIES.INI");
    SavedQueries saved(path, "ITEMS");
    const QStringList names{"Open = late", "[bracketed]", ";semi", "50% done", "Plain"};
    for (const QString& name : names)
        ASSERT_TRUE(saved.Save(name, query)) << name.toStdString();
    ASSERT_TRUE(saved.Save("plain", {})); // the same description in another case
    SavedQueries reread(path, "items");
    EXPECT_EQ(reread.Names(), names);
    Query read;
    QString error;
    for (const QString& name : names) {
        ASSERT_TRUE(reread.Load(name, read, error)) << error.toStdString();
        EXPECT_EQ(read, name == "Plain" ? Query{} : query) << name.toStdString();
    }
    EXPECT_EQ(reread.Find(" OPEN = LATE "), "Open = late");
    EXPECT_TRUE(reread.Remove("open = late"));
    EXPECT_FALSE(reread.Load("Open = late", read, error));
    EXPECT_TRUE(error.contains("There is no saved query")) << error.toStdString();
    EXPECT_TRUE(SavedQueries(path, "OTHER").Names().isEmpty());
}

TEST(QueryFilterTest, ConditionsBecomeFilterConditionsWithEvaluatedExpressionsAndKnownFieldsOnly)
{
    const QueryTables tables{ItemDefinition(), {}};
    QStringList evaluated;
    const QueryEvaluator evaluate = [&](const QString& expression, QString& value, QString& error) {
        evaluated << expression;
        error = "Unknown name";
        value = "4";
        return expression != "BAD";
    };
    Filter filter;
    QString error;
    ASSERT_TRUE(QueryFilter({Cond("ITM:Flag", Op::Checked), Cond("ITM:Name", Op::NotContains, "O'N"),
                             Cond("ITM:Date", Op::Greater, "X+1", QueryOperand::Expression, Join::Or),
                             Cond("ITM:Time", Op::Less, "ITM:Date", QueryOperand::Field)},
                            tables, evaluate, filter, error))
        << error.toStdString();
    ASSERT_EQ(filter.size(), 4u);
    EXPECT_EQ(filter[0].compare, Compare::NotEqual);
    EXPECT_EQ(filter[0].value, FieldValue(int64_t(0)));
    EXPECT_EQ(filter[1].compare, Compare::NotContains);
    EXPECT_TRUE(filter[1].noCase);
    EXPECT_EQ(filter[2].join, Join::Or);
    EXPECT_EQ(filter[2].value, FieldValue(QString("4")));
    EXPECT_EQ(filter[3].otherField, "ITM:Date");
    EXPECT_EQ(evaluated, QStringList{"X+1"});
    const std::pair<Query, const char*> refused[] = {
        {{Cond("ITM:Date", Op::Less, "BAD", QueryOperand::Expression)}, "The expression BAD failed: Unknown name"},
        {{Cond("PRT:Label", Op::Equal, "x")}, "The query tests PRT:Label, a field this list does not hold"},
        {{Cond("ITM:Date", Op::Less, "PRT:Count", QueryOperand::Field)}, "compares with PRT:Count, a field this list"},
    };
    for (const auto& [query, message] : refused) {
        EXPECT_FALSE(QueryFilter(query, tables, evaluate, filter, error));
        EXPECT_TRUE(error.contains(message)) << error.toStdString();
    }
    EXPECT_FALSE(QueryFilter({Cond("ITM:Date", Op::Less, "1", QueryOperand::Expression)}, tables, {}, filter, error));
    EXPECT_TRUE(error.contains("cannot be evaluated here")) << error.toStdString();
    EXPECT_EQ(filter.size(), 4u); // left as it was
}

} // namespace
} // namespace vl::test
