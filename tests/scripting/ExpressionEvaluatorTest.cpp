#include "scripting/ExpressionEvaluator.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

QString Value(const QString& expression)
{
    const ExpressionOutcome outcome = ComputeExpression(expression);
    EXPECT_FALSE(outcome.failed) << expression.toStdString() << ": " << outcome.text.toStdString();
    return outcome.text;
}

QString Error(const QString& expression)
{
    const ExpressionOutcome outcome = ComputeExpression(expression);
    EXPECT_TRUE(outcome.failed) << expression.toStdString() << " gave " << outcome.text.toStdString();
    return outcome.text;
}

TEST(ExpressionEvaluator, ArithmeticFollowsPrecedenceAndAssociativity)
{
    EXPECT_EQ(Value("1+2*3"), "7");
    EXPECT_EQ(Value("(1+2)*3"), "9");
    EXPECT_EQ(Value("10-4-3"), "3");
    EXPECT_EQ(Value("8/4/2"), "1");
    EXPECT_EQ(Value(" 2 * ( 3 + 4 ) - 1 "), "13");
    EXPECT_EQ(Value("((((5))))"), "5");
}

TEST(ExpressionEvaluator, UnarySigns)
{
    EXPECT_EQ(Value("-2"), "-2");
    EXPECT_EQ(Value("2*-3"), "-6");
    EXPECT_EQ(Value("--2"), "2");
    EXPECT_EQ(Value("-(2+3)"), "-5");
    EXPECT_EQ(Value("+5-+2"), "3");
    EXPECT_EQ(Value("-2*-2"), "4");
}

TEST(ExpressionEvaluator, NumbersAreRoundedToNinePlacesWithoutTrailingZeros)
{
    EXPECT_EQ(Value("7/2"), "3.5");
    EXPECT_EQ(Value("-1/4"), "-0.25");
    EXPECT_EQ(Value("1/3"), "0.333333333");
    EXPECT_EQ(Value("2/3"), "0.666666667");
    EXPECT_EQ(Value("0.1+0.2"), "0.3");
    EXPECT_EQ(Value("2.50*2"), "5");
    EXPECT_EQ(Value(".5"), "0.5");
    EXPECT_EQ(Value("5."), "5");
    EXPECT_EQ(Value("0-0.0000000001"), "0");
    EXPECT_EQ(Value("123456789*1000"), "123456789000");
}

TEST(ExpressionEvaluator, ComparisonsGiveOneOrZero)
{
    EXPECT_EQ(Value("1<2"), "1");
    EXPECT_EQ(Value("2<1"), "0");
    EXPECT_EQ(Value("1=1.0"), "1");
    EXPECT_EQ(Value("1<>1"), "0");
    EXPECT_EQ(Value("3>2"), "1");
    EXPECT_EQ(Value("2>=2"), "1");
    EXPECT_EQ(Value("2=>3"), "0");
    EXPECT_EQ(Value("2<=1"), "0");
    EXPECT_EQ(Value("2=<2"), "1");
    EXPECT_EQ(Value("0.1+0.2=0.3"), "1");
    EXPECT_EQ(Value("1+1=2"), "1");
    EXPECT_EQ(Value("(1<2)+1"), "2");
}

TEST(ExpressionEvaluator, TextsCompareCaseSensitivelyIgnoringTrailingBlanks)
{
    EXPECT_EQ(Value("'abc'='abc'"), "1");
    EXPECT_EQ(Value("'abc'='ABC'"), "0");
    EXPECT_EQ(Value("'abc  '='abc'"), "1");
    EXPECT_EQ(Value("' abc'='abc'"), "0");
    EXPECT_EQ(Value("'a'<'b'"), "1");
    EXPECT_EQ(Value("'b'<>'a'"), "1");
    EXPECT_EQ(Value("'red'"), "red");
    EXPECT_EQ(Value("''"), "");
}

TEST(ExpressionEvaluator, DoubledLessThanIsOneLessThanEverywhere)
{
    EXPECT_EQ(Value("1<<2"), "1");
    EXPECT_EQ(Value("2<<1"), "0");
    EXPECT_EQ(Value("1<<=1"), "1");
    EXPECT_EQ(Value("1<<>2"), "1");
    EXPECT_EQ(Value("1=<<1"), "1");
    EXPECT_EQ(Value("'<<'"), "<");
    EXPECT_EQ(Value("'a<b'"), "a<b");
    EXPECT_EQ(Value("'a<<<<b'"), "a<<b");
    EXPECT_EQ(Value("'a'<<'b'"), "1");
    Error("1<<<<2");
}

TEST(ExpressionEvaluator, DoubledQuotesInsideTexts)
{
    EXPECT_EQ(Value("'it''s'"), "it's");
    EXPECT_EQ(Value("''''"), "'");
    EXPECT_EQ(Value("'it''s'='it''s'"), "1");
}

TEST(ExpressionEvaluator, MeaninglessOperationsFail)
{
    EXPECT_EQ(Error("1/0"), "Division by zero");
    EXPECT_EQ(Error("5/(2-2)"), "Division by zero");
    EXPECT_EQ(Error("'a'+1"), "Text used in arithmetic");
    EXPECT_EQ(Error("2*'3'"), "Text used in arithmetic");
    EXPECT_EQ(Error("-'a'"), "Text used in arithmetic");
    EXPECT_EQ(Error("'a'=1"), "Text compared with a number");
    EXPECT_EQ(Error("1<'a'"), "Text compared with a number");
    EXPECT_EQ(Error("B+1"), "Unknown name B at position 1");
    EXPECT_EQ(Error("1+Total2"), "Unknown name Total2 at position 3");
    EXPECT_EQ(Error(QString(400, u'9') + "+1"), "Number too large at position 1");
    EXPECT_EQ(Error(QString(300, u'9') + "*" + QString(300, u'9')), "Number too large");
}

TEST(ExpressionEvaluator, MalformedExpressionsFailWithAPlace)
{
    EXPECT_EQ(Error(""), "Value expected at the end");
    EXPECT_EQ(Error("1+"), "Value expected at the end");
    EXPECT_EQ(Error("*3"), "Value expected at position 1");
    EXPECT_EQ(Error("(1+2"), "Missing ) for the ( at position 1");
    EXPECT_EQ(Error("1+2)"), "Unmatched ) at position 4");
    EXPECT_EQ(Error("1 2"), "Operator expected at position 3");
    EXPECT_EQ(Error("()"), "Value expected at position 2");
    EXPECT_EQ(Error("'abc"), "Unterminated text at position 1");
    EXPECT_EQ(Error("'it''"), "Unterminated text at position 1");
    EXPECT_EQ(Error("1$2"), "Unexpected character '$' at position 2");
    EXPECT_EQ(Error("1.2.3"), "Operator expected at position 4");
    EXPECT_EQ(Error("1 = = 1"), "Value expected at position 5");
}

TEST(ExpressionEvaluator, VeryLongInputIsComputedOrRefusedWithoutCrashing)
{
    QString sum = "1";
    for (int i = 0; i < 100000; ++i)
        sum += "+1";
    EXPECT_EQ(Value(sum), "100001");

    EXPECT_EQ(Value(QString(150, u'(') + "7" + QString(150, u')')), "7");
    EXPECT_EQ(Error(QString(100000, u'(') + "1" + QString(100000, u')')), "Expression nested too deeply");
    EXPECT_EQ(Error(QString(100000, u'-') + "1"), "Expression nested too deeply");
    EXPECT_EQ(Value("'" + QString(100000, u'x') + "'").size(), 100000);
}

TEST(ExpressionEvaluator, FormattingOfNumbers)
{
    const std::pair<const char*, const char*> cases[] = {
        {"6", "6"}, {"-0", "0"}, {"-0.0000000004", "0"}, {"0.0000000006", "0.000000001"},
        {"-0.0000000005", "-0.000000001"}, {"100000000000000000000", "100000000000000000000"}, {"-12.50", "-12.5"},
    };
    for (const auto& [number, text] : cases)
        EXPECT_EQ(FormatExpressionNumber(*Picture::ReadDecimal(QString::fromLatin1(number))), text) << number;
}

TEST(ExpressionEvaluator, ArithmeticIsDecimalAndRoundedOnlyWhenWritten)
{
    const std::pair<const char*, const char*> cases[] = {
        {"100000000000/3", "33333333333.333333333"},
        {"12345678901234567890123456789+1", "12345678901234567890123456790"},
        {"1.0000000005*1", "1.000000001"},
        {"-1.0000000005*1", "-1.000000001"},
        {"0.1*3-0.3", "0"},
        {"1/3*3", "1"},
        {"100000000000/3*3=100000000000", "1"},
        {"7/8<0.875", "0"},
        // Forty significant digits are held: no digit is written beyond them.
        {"100000000000000000000000000000000000/3", "33333333333333333333333333333333333.33333"},
        {"0.00000000000000000001*100000000000000000000", "1"},
    };
    for (const auto& [expression, result] : cases)
        EXPECT_EQ(Value(expression), result) << expression;
    EXPECT_EQ(Value("1" + QString(307, u'0') + "/10").size(), 307);
    EXPECT_EQ(Error("1" + QString(307, u'0') + "*10"), "Number too large");
}

} // namespace
} // namespace vl
