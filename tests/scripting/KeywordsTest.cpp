#include "scripting/Keywords.h"

#include "core/base/TextFileRecords.h"
#include "core/base/Globals.h"
#include "platform/desktop/FakeDesktopBackend.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Picture.h"
#include "scripting/BuiltInKeywords.h"
#include "scripting/ScriptVariables.h"
#include "tests/support/TempDir.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace vl {
namespace {

// Today is 5 January 1999, the clock 09:05:07; logging on, debugging off;
// a store of variables and a desktop of the test's own.
class Keywords : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedFormat_ = GlobalDateFormat;
        savedUseLog_ = GlobalUseLog;
        savedDebug_ = DebugMode;
        GlobalDateFormat = "d3";
        GlobalUseLog = true;
        DebugMode = false;
    }
    void TearDown() override
    {
        GlobalDateFormat = savedFormat_;
        GlobalUseLog = savedUseLog_;
        DebugMode = savedDebug_;
    }

    void Set(const QString& name, const QString& value) { variables_.Set(name, value); }

    // The event log as (label, text) pairs.
    static QList<QPair<QString, QString>> LogEntries()
    {
        QList<QPair<QString, QString>> entries;
        const QStringList lines = test::ReadTextFile(test::TestPath(kEventLogFileName)).split('\n', Qt::SkipEmptyParts);
        const int labelAt = kEventLogDateWidth + kEventLogTimeWidth;
        for (const QString& line : lines)
            entries.append({line.mid(labelAt, kEventLogLabelWidth).trimmed(),
                            line.mid(labelAt + kEventLogLabelWidth).trimmed()});
        return entries;
    }

    Picture::LocaleOverride english_{QLocale(QLocale::English, QLocale::UnitedStates)};
    SettableClock clock_{MakeDate(1, 5, 1999), MakeClock(9, 5, 7)};
    ClockOverride clockOverride_{clock_};
    ScriptVariables variables_;
    ScriptVariablesOverride variablesOverride_{variables_};
    FakeDesktopBackend desktop_;
    DesktopOverride desktopOverride_{desktop_};

private:
    QString savedFormat_;
    bool savedUseLog_ = false;
    bool savedDebug_ = false;
};

using Pair = QPair<QString, QString>;

TEST_F(Keywords, DateAndTimeKeywordsInAnyLetterCase)
{
    EXPECT_EQ(EvaluateKeyword("YYYY-MM-DD"), "1999-01-05");
    EXPECT_EQ(EvaluateKeyword("DD-MM-YY"), "05-01-99");
    EXPECT_EQ(EvaluateKeyword("MM-DD-YY"), "01-05-99");
    EXPECT_EQ(EvaluateKeyword("DDMMYY"), "050199");
    EXPECT_EQ(EvaluateKeyword("mmddyy"), "010599");
    EXPECT_EQ(EvaluateKeyword("Date"), "19990105");
    EXPECT_EQ(EvaluateKeyword("today"), "JAN 05,1999");
    EXPECT_EQ(EvaluateKeyword("YESTERDAY"), "JAN 04,1999");
    EXPECT_EQ(EvaluateKeyword("time"), "090507");
    EXPECT_EQ(EvaluateKeyword("NOW"), Picture::Format(MakeClock(9, 5, 7), "@t7"));
    EXPECT_NE(EvaluateKeyword("NOW"), EvaluateKeyword("TIME"));
    EXPECT_EQ(EvaluateKeyword("DATE  "), "19990105") << "trailing blanks of a name do not count";

    clock_.Set(MakeDate(12, 31, 2024), MakeClock(0, 0, 0));
    EXPECT_EQ(EvaluateKeyword("TIME"), "000000");
    EXPECT_EQ(EvaluateKeyword("DATE"), "20241231");
    EXPECT_EQ(EvaluateKeyword("DDMMYY"), "311224");

    GlobalDateFormat = "d10";
    EXPECT_EQ(EvaluateKeyword("TODAY"), "2024/12/31");
}

TEST_F(Keywords, CompactDateIsYearMonthDay)
{
    EXPECT_EQ(CompactDate(MakeDate(10, 31, 1959)), "19591031");
    EXPECT_EQ(CompactDate(MakeDate(2, 3, 2001)), "20010203");
}

TEST_F(Keywords, BuiltInKeywordsComeBeforeVariables)
{
    Set("DATE", "mine");
    Set("Colour", "red  ");
    EXPECT_EQ(EvaluateKeyword("DATE"), "19990105");
    EXPECT_EQ(EvaluateKeyword("colour"), "red");
    EXPECT_EQ(EvaluateKeyword("nothing"), "");
}

TEST_F(Keywords, FocusIsTheActiveWindowsTitleInAnyCase)
{
    EXPECT_EQ(EvaluateKeyword("FOCUS"), "");
    EXPECT_EQ(ExpandKeywords("In [FOCUS] now"), "In [FOCUS] now");

    desktop_.AddWindow({7, "Report - Editor   ", "editor", true});
    desktop_.SetActiveWindow(7);
    EXPECT_EQ(ExpandKeywords("In [FOCUS] now"), "In Report - Editor now");
    EXPECT_EQ(ExpandKeywords("[focus]"), "Report - Editor");
    EXPECT_EQ(ExpandKeywords("[Focus]!"), "Report - Editor!");

    desktop_.AddWindow({8, QString(300, u't'), "long", true});
    desktop_.SetActiveWindow(8);
    EXPECT_EQ(EvaluateKeyword("focus"), QString(254, u't'));
}

TEST_F(Keywords, UnknownNamesAndBlankVariablesKeepTheirBrackets)
{
    Set("EMPTY", "   ");
    Set("Size", "1024");
    EXPECT_EQ(ExpandKeywords("[NOSUCH] and [empty] stay"), "[NOSUCH] and [empty] stay");
    EXPECT_EQ(ExpandKeywords("[] and [ ] stay"), "[] and [ ] stay");
    EXPECT_EQ(ExpandKeywords("Size: [size] bytes"), "Size: 1024 bytes");
    EXPECT_EQ(ExpandKeywords("[[size]]"), "[1024]");
    EXPECT_EQ(ExpandKeywords("[size][SIZE]"), "10241024");
    EXPECT_EQ(ExpandKeywords("no keywords at all"), "no keywords at all");
    EXPECT_EQ(ExpandKeywords(""), "");
}

TEST_F(Keywords, OpenBracketWithoutCloseIsAnOrdinaryCharacter)
{
    Set("A", "5");
    EXPECT_EQ(ExpandKeywords("a [b c"), "a [b c");
    EXPECT_EQ(ExpandKeywords("[A"), "[A");
    EXPECT_EQ(ExpandKeywords("x[" + QString(40, u'y') + "] [A]"), "x[" + QString(40, u'y') + "] 5");
    EXPECT_EQ(ExpandKeywords("[[[["), "[[[[");
}

TEST_F(Keywords, NamesLongerThan32CharactersAreNeverFound)
{
    const QString name32(32, u'K');
    Set(name32, "found");
    EXPECT_EQ(ExpandKeywords("[" + name32 + "]"), "found");
    const QString name33 = name32 + "K";
    EXPECT_EQ(ExpandKeywords("[" + name33 + "]"), "[" + name33 + "]");
}

TEST_F(Keywords, BlanksOfValuesAndOfTheText)
{
    Set("Pair", "a  b");
    desktop_.AddWindow({3, "Title   ", "c", true});
    desktop_.SetActiveWindow(3);
    EXPECT_EQ(ExpandKeywords("x  [pair]  y"), "x  a  b  y");
    EXPECT_EQ(ExpandKeywords("[FOCUS]|"), "Title|");
    EXPECT_EQ(ExpandKeywords("  [pair]   "), "  a  b");
}

TEST_F(Keywords, OutputIsCutToTheTargetLength)
{
    Set("Word", "hello");
    const QString filler(250, u'f');
    EXPECT_EQ(ExpandKeywords(filler + " [word] and more"), filler + " hell");
    EXPECT_EQ(ExpandKeywords(QString(300, u'z')), QString(255, u'z'));
    Set("Smile", QString::fromUtf8("\xF0\x9F\x98\x80"));
    for (const QString tail : {QString::fromUtf8("\xF0\x9F\x98\x80"), QString::fromUtf8("e\xCC\x81"), QString("[smile]")})
        EXPECT_EQ(ExpandKeywords(QString(254, u'z') + tail), QString(254, u'z')) << "no half character";

    // A 4,096-character message keeps its whole text and its keywords.
    const QString message = QString(4000, u'm') + " [word] " + QString(80, u'e');
    const QString expanded = ExpandKeywords(message, 4096);
    EXPECT_EQ(expanded, QString(4000, u'm') + " hello " + QString(80, u'e'));
    EXPECT_EQ(ExpandKeywords(QString(5000, u'm'), 4096).size(), 4096);
}

TEST_F(Keywords, ExpressionsUseVariableValues)
{
    Set("A", "5");
    Set("Name", "Bob");
    EXPECT_EQ(ExpandKeywords("[=A+1]"), "6");
    EXPECT_EQ(ExpandKeywords("Half: [=A/2]."), "Half: 2.5.");
    EXPECT_EQ(ExpandKeywords("[=a*a-1]"), "24");
    EXPECT_EQ(ExpandKeywords("[=A<6]"), "1");
    EXPECT_EQ(ExpandKeywords("[=NAME='Bob']"), "1");
    EXPECT_EQ(ExpandKeywords("[=Name]"), "Bob");
    EXPECT_EQ(EvaluateKeyword("=DATE+1"), "19990106");
    EXPECT_EQ(EvaluateExpression("2*3"), "6");
    EXPECT_TRUE(LogEntries().isEmpty()) << "successful evaluations are not logged";
}

TEST_F(Keywords, ValuesKeepTheirQuotesAndLessThanSigns)
{
    Set("Q", "it's");
    Set("L", "a<b");
    EXPECT_EQ(EvaluateExpression("Q"), "it's");
    EXPECT_EQ(EvaluateExpression("L"), "a<b");
    EXPECT_EQ(EvaluateExpression("L='a<b'"), "1");
}

TEST_F(Keywords, EmptyExpressionKeepsTheBracket)
{
    EXPECT_EQ(EvaluateExpression(""), "");
    EXPECT_EQ(ExpandKeywords("[=] and [=  ]"), "[=] and [=  ]");
    EXPECT_TRUE(LogEntries().isEmpty());
}

TEST_F(Keywords, FailedExpressionGivesTheExpressionAndTheErrorAndTwoLogLines)
{
    Set("A", "5");
    EXPECT_EQ(ExpandKeywords("Result: [=A/0]"), "Result: A/0 Division by zero");
    EXPECT_EQ(LogEntries(),
              (QList<Pair>{{"Evaluation Error", "5/0"}, {"Evaluation Error", "Result:  A/0 Division by zero"}}));
}

TEST_F(Keywords, FailuresAreNotLoggedWhileLoggingIsOff)
{
    GlobalUseLog = false;
    EXPECT_EQ(EvaluateExpression("1/0"), "1/0 Division by zero");
    EXPECT_TRUE(LogEntries().isEmpty());
}

TEST_F(Keywords, DebugModeLogsEveryLookupAndEvaluation)
{
    DebugMode = true;
    Set("A", "5");
    EXPECT_EQ(EvaluateExpression("A+1"), "6");
    EXPECT_EQ(LogEntries(), (QList<Pair>{{"EvaluateKeyword", "A"},
                                         {"EvaluateKeywordResult", "5"},
                                         {"Evaluation Error", "5+1"},
                                         {"Evaluation Error", "Result:  6"}}));
}

TEST_F(Keywords, ParenthesesAndDigitsBelongToNames)
{
    Set("A", "5");
    Set("A1", "7");
    // "(A" and ")" are looked up as they stand, are not found and stay.
    const QString failed = EvaluateExpression("(A+1)*2");
    EXPECT_TRUE(failed.startsWith("(A+1)*2 Unknown name A")) << failed.toStdString();
    EXPECT_EQ(EvaluateExpression("( A+1 )*2"), "12");
    EXPECT_EQ(EvaluateExpression("(5+1)*2"), "12");
    // A digit ends a name: A1 is read as A followed by 1.
    EXPECT_EQ(EvaluateExpression("A1+1"), "52");
}

TEST_F(Keywords, ExpressionFailuresInTheirFailureForm)
{
    Set("Name", "Bob");
    EXPECT_EQ(EvaluateExpression("Missing+1  "), "Missing+1 Unknown name Missing at position 1");
    EXPECT_EQ(EvaluateExpression("NAME+1"), "NAME+1 Text used in arithmetic");
    EXPECT_EQ(EvaluateExpression("NAME=1"), "NAME=1 Text compared with a number");
    EXPECT_EQ(EvaluateExpression("1+"), "1+ Value expected at the end");
    EXPECT_EQ(ExpandKeywords("[=1+]"), "1+ Value expected at the end");
}

TEST_F(Keywords, LongFailuresAreCutToTheValueWidth)
{
    const QString expression = "1+" + QString(300, u'(');
    const QString value = EvaluateKeyword("=" + expression);
    EXPECT_EQ(value.size(), kKeywordValueWidth);
    EXPECT_TRUE(value.startsWith(expression.left(200)));
}

TEST_F(Keywords, VeryLongTextsExpandWithoutCrashing)
{
    Set("A", "5");
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += "[A][=A+1][nope][";
    const QString expanded = ExpandKeywords(text, 1000000);
    EXPECT_TRUE(expanded.startsWith("56[nope][56[nope]"));
    EXPECT_EQ(expanded.size(), 20000 * 9);
    EXPECT_EQ(ExpandKeywords(text).size(), 255);
}

} // namespace
} // namespace vl
