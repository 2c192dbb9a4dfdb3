#include "PictureTestSupport.h"

namespace vl {
namespace {

using test::Deformat;
using Picture::DeformatDate;
using test::Format;
using test::PictureTest;

// Functions, not namespace-scope constants: the calendar's own constants may
// not be initialised yet when this file's are.
Date Oct31_1959() { return MakeDate(10, 31, 1959); }
Date Jan5_1999() { return MakeDate(1, 5, 1999); }

TEST_F(PictureTest, DateLayoutsShowTheTableExamples)
{
    struct Row {
        int layout;
        const char* oct31_1959;
        const char* jan5_1999;
        const char* jan5_1999ZeroFilled;
    };
    const Row rows[] = {
        {1, "10/31/59", " 1/05/99", "01/05/99"},
        {2, "10/31/1959", " 1/05/1999", "01/05/1999"},
        {3, "OCT 31,1959", "JAN 05,1999", "JAN 05,1999"},
        {4, "October 31, 1959", "January 5, 1999", "January 5, 1999"},
        {5, "31/10/59", " 5/01/99", "05/01/99"},
        {6, "31/10/1959", " 5/01/1999", "05/01/1999"},
        {7, "31 OCT 59", " 5 JAN 99", "05 JAN 99"},
        {8, "31 OCT 1959", " 5 JAN 1999", "05 JAN 1999"},
        {9, "59/10/31", "99/01/05", "99/01/05"},
        {10, "1959/10/31", "1999/01/05", "1999/01/05"},
        {11, "591031", "990105", "990105"},
        {12, "19591031", "19990105", "19990105"},
        {13, "10/59", " 1/99", "01/99"},
        {14, "10/1959", " 1/1999", "01/1999"},
        {15, "59/10", "99/01", "99/01"},
        {16, "1959/10", "1999/01", "1999/01"},
    };
    for (const Row& row : rows) {
        const QString picture = QStringLiteral("@D%1").arg(row.layout);
        const QString zeroFilled = QStringLiteral("@d0%1").arg(row.layout);
        EXPECT_EQ(Format(Oct31_1959(), picture), row.oct31_1959) << row.layout;
        EXPECT_EQ(Format(Jan5_1999(), picture), row.jan5_1999) << row.layout;
        EXPECT_EQ(Format(Jan5_1999(), zeroFilled), row.jan5_1999ZeroFilled) << row.layout;
        // Without "@", in any case, and with the blanks of a fixed-width field.
        EXPECT_EQ(Format(Oct31_1959(), QStringLiteral(" d%1  ").arg(row.layout)), row.oct31_1959);
    }
    EXPECT_EQ(Format(MakeDate(5, 9, 2026), "@D4"), "May 9, 2026");
    EXPECT_EQ(Format(MakeDate(12, 25, 2000), "@D3"), "DEC 25,2000");
}

TEST_F(PictureTest, DateSeparatorsReplaceSlashesAndTheBlanksOfLayouts7And8)
{
    const struct {
        const char* picture;
        const char* text;
    } rows[] = {
        {"@D1.", "10.31.59"},     {"@D1-", "10-31-59"},       {"@D1_", "10 31 59"},
        {"@D1`", "10,31,59"},     {"@D6.", "31.10.1959"},     {"@D7-", "31-OCT-59"},
        {"@D8`", "31,OCT,1959"},  {"@D8_", "31 OCT 1959"},    {"@D10-", "1959-10-31"},
        {"@D014.", "10.1959"},    {"@D16_", "1959 10"},       {"@D3-", "OCT 31,1959"},
        {"@D4.", "October 31, 1959"}, {"@D12-", "19591031"},  {"@D05-b", "31-10-59"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Format(Oct31_1959(), row.picture), row.text) << row.picture;
}

TEST_F(PictureTest, DayZeroNegativeDaysAndTheBlankFlag)
{
    for (int layout = 1; layout <= 18; ++layout) {
        const QString picture = QStringLiteral("@D%1").arg(layout);
        EXPECT_EQ(Format(0, picture + "B"), "") << layout;
        EXPECT_FALSE(Format(0, picture).empty()) << layout;
        EXPECT_EQ(Format(-1, picture), "") << layout;
        EXPECT_EQ(Format(-1, picture + "b"), "") << layout;
        EXPECT_EQ(Format(1, picture + "b"), Format(1, picture)) << layout;
    }
    // Day 0 is 28 December 1800 like any other day.
    EXPECT_EQ(Format(0, "@D2"), "12/28/1800");
    EXPECT_EQ(Format(0, "@D1"), "12/28/00");
    EXPECT_EQ(Format(0, "@D4"), "December 28, 1800");
    // Values no day number reaches show nothing rather than a wrong date.
    EXPECT_EQ(Format(qint64(1) << 40, "@D2"), "");
    // Dates given as text or as real numbers use the integer part.
    EXPECT_EQ(Format(QString::number(Oct31_1959()), "@D2"), "10/31/1959");
    EXPECT_EQ(Format(Oct31_1959() + 0.75, "@D2"), "10/31/1959");
    EXPECT_EQ(Format(QStringLiteral("not a date"), "@D2b"), "");
}

TEST_F(PictureTest, LocaleDateLayoutsFollowTheDesktopLocale)
{
    EXPECT_EQ(Format(Oct31_1959(), "@D17"), "10/31/59");
    EXPECT_EQ(Format(Oct31_1959(), "@D18"), "Saturday, October 31, 1959");
    EXPECT_EQ(Format(0, "@d17b"), "");
    EXPECT_EQ(DeformatDate("10/31/59", "@D17"), Oct31_1959());
    EXPECT_EQ(DeformatDate("Saturday, October 31, 1959", "@D18"), Oct31_1959());
    {
        Picture::LocaleOverride german(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_EQ(Format(Oct31_1959(), "@D17"), "31.10.59");
        EXPECT_EQ(Format(Oct31_1959(), "@D18"), "Samstag, 31. Oktober 1959");
        EXPECT_EQ(DeformatDate("Samstag, 31. Oktober 1959", "@D18"), Oct31_1959());
        EXPECT_EQ(DeformatDate("31. okt 1959", "@D18"), Oct31_1959());
    }
    EXPECT_EQ(Format(Oct31_1959(), "@D17"), "10/31/59");
}

TEST_F(PictureTest, EveryDateLayoutReadsBackWhatItShows)
{
    const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany),
                               QLocale(QLocale::Japanese, QLocale::Japan), QLocale(QLocale::Spanish, QLocale::Spain)};
    const QString variants[] = {"@D%1", "@D0%1", "@D%1.", "@D0%1-", "@D%1_", "@D%1`B"};
    for (const QLocale& locale : locales) {
        Picture::LocaleOverride pinned(locale);
        for (int layout = 1; layout <= 18; ++layout) {
            for (const QString& variant : variants) {
                const QString picture = variant.arg(layout);
                // Two-digit years read back inside their window only (1947-2046 in 2026).
                for (Date date = MakeDate(1, 1, 1947); date <= MakeDate(12, 31, 2046); date += 97) {
                    const Date expected = layout >= 13 && layout <= 16 ? date - DayOf(date) + 1 : date;
                    ASSERT_EQ(DeformatDate(Picture::Format(date, picture), picture), expected)
                        << picture.toStdString() << " " << Format(date, picture) << " "
                        << locale.name().toStdString();
                }
            }
        }
    }
    const int fourDigitLayouts[] = {2, 3, 4, 6, 8, 10, 12};
    for (const int layout : fourDigitLayouts) {
        const QString picture = QStringLiteral("@D%1").arg(layout);
        for (Date date = 1; date < MakeDate(1, 1, 3000); date += 331)
            ASSERT_EQ(DeformatDate(Picture::Format(date, picture), picture), date) << picture.toStdString() << date;
    }
}

TEST_F(PictureTest, DatesReadBackLeniently)
{
    const struct {
        const char* picture;
        const char* text;
        Date date;
    } rows[] = {
        {"@D1", "10/31/59", Oct31_1959()},        {"@D1", "10-31-1959", Oct31_1959()},
        {"@D1", "103159", Oct31_1959()},          {"@D1", "10311959", Oct31_1959()},
        {"@D2", "10.31.59", Oct31_1959()},        {"@D2", " 1/5/99 ", Jan5_1999()},
        {"@D2", "1 , 5 , 1999", Jan5_1999()},     {"@D3", "oct 31,1959", Oct31_1959()},
        {"@D3", "October 31 1959", Oct31_1959()}, {"@D4", "JANUARY 5, 1999", Jan5_1999()},
        {"@D4", "Jan 5, 99", Jan5_1999()},        {"@D7", "5-jan-99", Jan5_1999()},
        {"@D8", "05JAN1999", Jan5_1999()},        {"@D6", "31.10.1959", Oct31_1959()},
        {"@D10", "1959 10 31", Oct31_1959()},     {"@D11", "990105", Jan5_1999()},
        {"@D12", "19990105", Jan5_1999()},        {"@D12", "990105", Jan5_1999()},
        {"@D12", "99/1/5", Jan5_1999()},          {"@D13", "10/59", MakeDate(10, 1, 1959)},
        {"@D14", "1-1999", MakeDate(1, 1, 1999)}, {"@D16", "1959/10", MakeDate(10, 1, 1959)},
        {"@D2", "02/29/2024", MakeDate(2, 29, 2024)}, {"@D2", "12/29/1800", 1},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DeformatDate(row.text, row.picture), row.date) << row.picture << " " << row.text;
        EXPECT_EQ(Deformat(row.text, row.picture), std::to_string(row.date)) << row.picture << " " << row.text;
    }
}

TEST_F(PictureTest, DatesThatDoNotExistOrDoNotFitReadAsZero)
{
    const struct {
        const char* picture;
        const char* text;
    } rows[] = {
        {"@D2", "2/30/2026"},    {"@D2", "02/29/2025"},  {"@D2", "13/01/2026"},   {"@D2", "0/10/2026"},
        {"@D2", "10/0/2026"},    {"@D2", "10/31"},       {"@D2", "10/31/1959/5"}, {"@D2", "10/31/959"},
        {"@D2", "10/31/19590"},  {"@D2", "10;31;1959"},  {"@D2", "123/1/1999"},   {"@D2", "12/27/1800"},
        {"@D1", "10/31/59x"},    {"@D1", "1031599"},     {"@D1", "oct/31/59"},    {"@D3", "XYZ 31,1959"},
        {"@D3", "10 31,1959"},   {"@D13", "13/59"},      {"@D2", ""},             {"@D2", "   "},
        {"@D18", "Saturday"},    {"@D17", "10/31"},      {"@D2", "١٠/٣١/١٩٥٩"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DeformatDate(QString::fromUtf8(row.text), row.picture), 0) << row.picture << " " << row.text;
        EXPECT_EQ(Deformat(QString::fromUtf8(row.text), row.picture), "0") << row.picture << " " << row.text;
    }
}

TEST_F(PictureTest, TwoDigitYearsReadInTheHundredYearsEndingTwentyYearsAhead)
{
    EXPECT_EQ(Picture::ExpandTwoDigitYear(46), 2046);
    EXPECT_EQ(Picture::ExpandTwoDigitYear(47), 1947);
    EXPECT_EQ(Picture::ExpandTwoDigitYear(0), 2000);
    EXPECT_EQ(Picture::ExpandTwoDigitYear(99), 1999);
    EXPECT_EQ(DeformatDate("01/01/46", "@D1"), MakeDate(1, 1, 2046));
    EXPECT_EQ(DeformatDate("01/01/47", "@D2"), MakeDate(1, 1, 1947));

    clock_.Set(MakeDate(6, 1, 2080), 1); // window 2001-2100
    EXPECT_EQ(Picture::ExpandTwoDigitYear(0), 2100);
    EXPECT_EQ(Picture::ExpandTwoDigitYear(1), 2001);
    EXPECT_EQ(DeformatDate("01/01/47", "@D1"), MakeDate(1, 1, 2047));

    clock_.Set(MakeDate(6, 1, 1990), 1); // window 1911-2010
    EXPECT_EQ(DeformatDate("1/1/46", "@D1"), MakeDate(1, 1, 1946));
    EXPECT_EQ(DeformatDate("1/1/10", "@D1"), MakeDate(1, 1, 2010));
    EXPECT_EQ(DeformatDate("1/1/11", "@D1"), MakeDate(1, 1, 1911));
    // Four-digit years stand as they are.
    EXPECT_EQ(DeformatDate("1/1/2046", "@D1"), MakeDate(1, 1, 2046));
}

} // namespace
} // namespace vl
