#include "PictureTestSupport.h"

#include "platform/runtime/PictureDecimal.h"

#include <limits>

namespace vl {
namespace {

using test::Deformat;
using test::Format;
using test::FormatDecimal;
using test::PictureTest;

TEST_F(PictureTest, NumbersShowTheTableExamples)
{
    const struct {
        const char* picture;
        const char* value;
        const char* text;
    } rows[] = {
        {"@N9", "4550000", "4,550,000"},   {"@N9", "2347", "    2,347"},    {"@N_9", "4550000", "  4550000"},
        {"@N09", "4550", "000004550"},     {"@N9.2", "4550.75", " 4,550.75"}, {"@N-13", "-2347", "       -2,347"},
        {"@n3", "1", "  1"},               {"@n1b", "0", ""},                {"@n4.2", "0.5", "0.50"},
        {"@n3", "1234", "###"},            {"@n3", "-0.4", "  0"},
        {"@N30.9", "123456789.123456789", "         123,456,789.123456789"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FormatDecimal(row.value, row.picture), row.text) << row.picture << " " << row.value;
}

TEST_F(PictureTest, NumbersSignFillGroupingPlacesAndOverflow)
{
    const struct {
        const char* picture;
        double value;
        const char* text;
    } rows[] = {
        // Rounding is decimal, half away from zero.
        {"@N9.2", 2.675, "     2.68"},  {"@N9.2", -2.675, "    -2.68"}, {"@N6.2", 1.005, "  1.01"},
        {"@N5", 2.5, "    3"},          {"@N5", -2.5, "   -3"},        {"@N5", 2.4999, "    2"},
        {"@N7.1", 999.96, "1,000.0"},   {"@N12.4", 0.1 + 0.2, "      0.3000"},
        // Fills: zeros keep the minus in front, other fills pad left of it.
        {"@N06", -42, "-00042"},        {"@N*6", 42, "****42"},        {"@N*6", -42, "***-42"},
        {"@N_8", -1234567, "-1234567"}, {"@N-_5", -42, "  -42"},       {"@N010.2", 4550.75, "0004550.75"},
        // Values below 1 keep their zero; a value rounding to zero has no minus.
        {"@N6.3", 0.5, " 0.500"},       {"@N5.1", -0.5, " -0.5"},      {"@N5.1", -0.04, "  0.0"},
        {"@N5.2b", 0.004, ""},          {"@N5.2b", 0.005, " 0.01"},    {"@N5b", -0.4, ""},
        // Too wide for the size.
        {"@N5.2", 1000, "#####"},       {"@N_4", -999, "-999"},         {"@N_4", -1000, "####"},
        {"@N4.4", 0.5, "####"},         {"@N30", 1e300, "##############################"},
        {"@N3", std::numeric_limits<double>::quiet_NaN(), "  0"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Format(row.value, row.picture), row.text) << row.picture << " " << row.value;

    EXPECT_EQ(Format(std::numeric_limits<qint64>::min(), "@N30"), "    -9,223,372,036,854,775,808");
    EXPECT_EQ(Format(123456789, "@N11"), "123,456,789");
    EXPECT_EQ(Format(100, "@N3"), "100");
    EXPECT_EQ(Format(QStringLiteral(" 2.675 "), "@N4.2"), "2.68");
    EXPECT_EQ(Format(QStringLiteral("abc"), "@N3"), "  0");
    EXPECT_EQ(FormatDecimal("99999999999999999999.995", "@N30.2"), "100,000,000,000,000,000,000.00");
}

TEST_F(PictureTest, NumbersReadBack)
{
    const struct {
        const char* text;
        const char* value;
    } rows[] = {
        {"4,550,000", "4550000"}, {"  -2,347", "-2347"}, {"2,347-", "-2347"},  {"***42", "42"},
        {"000004550", "4550"},    {" 4,550.75", "4550.75"}, {"0.50", "0.5"},  {"-0.00", "0"},
        {"+7", "7"},              {".5", "0.5"},         {"5.", "5"},         {"- 3", "-3"},
        {"123456789.123456789", "123456789.123456789"},
        // Not numbers.
        {"###", "0"},             {"abc", "0"},          {"", "0"},           {"  ", "0"},
        {"1.2.3", "0"},           {"-5-", "0"},          {"12-3", "0"},       {"1e5", "0"},
        {"$5", "0"},              {"-", "0"},            {".", "0"},          {"٣", "0"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Deformat(QString::fromUtf8(row.text), "@N12.2"), row.value) << row.text;

    // What a number picture shows reads back as the rounded value.
    const char* pictures[] = {"@N15.2", "@N-_15.2", "@N015.2", "@N*15.2"};
    const char* values[] = {"0", "1", "-1", "0.5", "-1234567.891", "999999.995", "42.1"};
    const char* rounded[] = {"0", "1", "-1", "0.5", "-1234567.89", "1000000", "42.1"};
    for (const char* picture : pictures)
        for (size_t i = 0; i < std::size(values); ++i)
            EXPECT_EQ(Deformat(Picture::FormatDecimal(values[i], picture), picture), rounded[i]) << picture << " " << values[i];
}

TEST(PictureDecimal, ArithmeticAndOrderAreExact)
{
    const auto d = [](const char* text) { return *Picture::ReadDecimal(QString::fromLatin1(text)); };
    const struct {
        const char* a;
        const char* b;
        const char* sum;
        const char* difference;
        const char* product;
    } rows[] = {
        {"0.1", "0.2", "0.3", "-0.1", "0.02"},
        {"-5", "3", "-2", "-8", "-15"},
        {"3", "-5", "-2", "8", "-15"},
        {"-1.5", "-2.25", "-3.75", "0.75", "3.375"},
        {"2.5", "2.5", "5", "0", "6.25"},
        {"1000", "0", "1000", "1000", "0"},
        {"99999999999999999999", "0.00000000000000000001", "99999999999999999999.00000000000000000001",
         "99999999999999999998.99999999999999999999", "0.99999999999999999999"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ((d(row.a) + d(row.b)).ToText(), row.sum) << row.a << " + " << row.b;
        EXPECT_EQ((d(row.a) - d(row.b)).ToText(), row.difference) << row.a << " - " << row.b;
        EXPECT_EQ((d(row.a) * d(row.b)).ToText(), row.product) << row.a << " * " << row.b;
    }

    // Quotients round half away from zero to the significant digits asked for.
    const struct {
        const char* a;
        const char* b;
        int digits;
        const char* quotient;
    } quotients[] = {
        {"2", "3", 5, "0.66667"}, {"-1", "8", 2, "-0.13"}, {"100", "-7", 3, "-14.3"},
        {"1", "0.0003", 4, "3333"}, {"99999", "1", 3, "100000"}, {"0", "7", 3, "0"},
    };
    for (const auto& q : quotients)
        EXPECT_EQ(d(q.a).DividedBy(d(q.b), q.digits)->ToText(), q.quotient) << q.a << " / " << q.b;
    EXPECT_FALSE(d("1").DividedBy(d("0.000"), 10));

    EXPECT_LT(d("-2"), d("-1.5"));
    EXPECT_LT(d("-0.001"), d("0"));
    EXPECT_GT(d("10"), d("9.99"));
    EXPECT_LT(d("0.000001"), d("1000000"));
    EXPECT_EQ(d("1.50"), d("01.5"));
    EXPECT_EQ(d("-0"), d("0"));
}

TEST_F(PictureTest, StringsAreCutAndPadded)
{
    EXPECT_EQ(Format(QStringLiteral("abc"), "@S5"), "abc  ");
    EXPECT_EQ(Format(QStringLiteral("abcdefg"), "@s5"), "abcde");
    EXPECT_EQ(Format(QStringLiteral(""), "@S2"), "  ");
    EXPECT_EQ(Format(QString::fromUtf8("Ärger€x"), "@S6"), "Ärger€");
    EXPECT_EQ(Format(42, "@s4"), "42  ");
    EXPECT_EQ(Format(2.5, "@S4"), "2.5 ");
    EXPECT_EQ(Deformat("abcdefg", "@S3"), "abc");
    EXPECT_EQ(Deformat("ab", "s3"), "ab");
}

TEST_F(PictureTest, PatternsFillDigitPositionsFromTheRight)
{
    const struct {
        const char* picture;
        qint64 value;
        const char* text;
    } rows[] = {
        {"@P<<<#P", 42, "  42"},          {"pPage <<<#p", 7, "Page    7"},
        {"@P<<<#P", 12345, "####"},       {"pPage <<<#p", 12345, "Page ####"},
        {"@p#pb", 0, ""},                 {"@p#p", 0, "0"},              {"@P<<<P", 0, "   "},
        {"@P(###) ###-####P", 5551234567, "(555) 123-4567"},             {"@P##-##P", 5, "00-05"},
        {"@P<#<#P", 5, " 005"},                  {"@P<<<#P", -42, "  42"},
        {"@PNo digitsP", 0, "No digits"}, {"@PNo digitsP", 3, "No digits"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Format(row.value, row.picture), row.text) << row.picture << " " << row.value;

    EXPECT_EQ(Deformat("Page    7", "pPage <<<#p"), "7");
    EXPECT_EQ(Deformat("  42", "@P<<<#P"), "42");
    EXPECT_EQ(Deformat("(555) 123-4567", "@P(###) ###-####P"), "5551234567");
    EXPECT_EQ(Deformat("00-05", "@P##-##P"), "5");
    EXPECT_EQ(Deformat("####", "@P<<<#P"), "0");
    EXPECT_EQ(Deformat("abcd", "@P<<<#P"), "0");
    EXPECT_EQ(Deformat("", "@P<<<#P"), "0");
}

TEST_F(PictureTest, PicturesAreTakenApartInAnyCase)
{
    const Picture::Parsed date = Picture::Parse(" @d010-B ");
    EXPECT_EQ(date.kind, Picture::Kind::Date);
    EXPECT_EQ(date.layout, 10);
    EXPECT_TRUE(date.zeroFill);
    EXPECT_EQ(date.separator, QLatin1Char('-'));
    EXPECT_TRUE(date.blankWhenZero);

    const Picture::Parsed number = Picture::Parse("n-09.2b");
    EXPECT_EQ(number.kind, Picture::Kind::Number);
    EXPECT_EQ(number.fill, QLatin1Char('0'));
    EXPECT_EQ(number.size, 9);
    EXPECT_EQ(number.places, 2);
    EXPECT_TRUE(number.blankWhenZero);

    EXPECT_EQ(Picture::Parse("@N10").fill, QChar()); // "10" is the size, not a zero fill
    EXPECT_EQ(Picture::Parse("@N10").size, 10);
    EXPECT_EQ(Picture::Parse("T7").layout, 7);
    EXPECT_EQ(Picture::Parse("@S20").size, 20);
    EXPECT_EQ(Picture::Parse("@P<<#PB").pattern, "<<#");
    EXPECT_TRUE(Picture::Parse("@P<<#PB").blankWhenZero);
}

TEST_F(PictureTest, UnknownOrMalformedPicturesShowPlainText)
{
    const char* pictures[] = {"", "@", "  ", "@X5", "@D", "@D0", "@D19", "@D1x", "@D1.-", "@D123", "@T9", "@T0",
                              "@N", "@N9.", "@N9.2.1", "@Nabc", "@N9x", "@N00", "@N-", "@S", "@S0", "@S70000",
                              "@S5b", "@P<<<#", "@PB", "hello", "@N000000000000000000000000000009"};
    for (const char* picture : pictures) {
        EXPECT_EQ(Picture::Parse(picture).kind, Picture::Kind::Plain) << picture;
        EXPECT_EQ(Format(42, picture), "42") << picture;
        EXPECT_EQ(Format(-2.5, picture), "-2.5") << picture;
        EXPECT_EQ(FormatDecimal("007.50", picture), "7.5") << picture;
        EXPECT_EQ(Format(QStringLiteral("some text"), picture), "some text") << picture;
        EXPECT_EQ(Deformat("some text", picture), "some text") << picture;
    }
}

TEST_F(PictureTest, NoTextOrPictureBreaksFormatOrDeformat)
{
    const QString texts[] = {
        "", " ", "-", ".", "@", "#", "\t\n", QString(100000, QLatin1Char('9')), QString(100000, QLatin1Char('x')),
        QString::fromUtf8("日本語 ١٢٣ 😀 ßÄ"), QString(3, QChar(0)), "12/31/99999999999", "99:99:99", "P",
    };
    const char* pictures[] = {"@D1", "@D017.B", "@D18", "@T3", "@T8b", "@N-030.9B", "@N*65535.65535", "@S65535",
                              "@P(###) ###-#### ext. <<<<#P", "@P<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<#PB",
                              "@D1234567890123456789012345678901234567890", "@N1.99999999999999999999"};
    for (const char* picture : pictures) {
        for (const QString& text : texts) {
            const Picture::Parsed parsed = Picture::Parse(picture);
            const std::string back = Deformat(text, picture);
            if (parsed.kind == Picture::Kind::Date || parsed.kind == Picture::Kind::Time) {
                EXPECT_EQ(back, "0") << picture;
            }
            Format(text, picture);
            FormatDecimal(text, picture);
        }
        Format(std::numeric_limits<qint64>::max(), picture);
        Format(std::numeric_limits<double>::infinity(), picture);
        Format(-std::numeric_limits<double>::max(), picture);
    }
    EXPECT_EQ(Format(1, "@N*65535.65535").size(), 65535);
    EXPECT_EQ(Picture::DeformatDate("garbage", "@D2"), 0);
    EXPECT_EQ(Picture::DeformatTime("garbage", "@T1"), 0);
    // The typed readers take the number of any other picture, 0 beyond 32 bits.
    EXPECT_EQ(Picture::DeformatDate("57,356", "@N9"), 57356);
    EXPECT_EQ(Picture::DeformatDate("99999999999", "@N12"), 0);
}

} // namespace
} // namespace vl
