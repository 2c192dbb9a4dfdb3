#include "PictureTestSupport.h"

#include "platform/runtime/PictureKinds.h"

namespace vl {
namespace {

using test::Deformat;
using Picture::DeformatTime;
using test::Format;
using test::PictureTest;

constexpr ClockTime k1730 = 17 * kClockPerHour + 30 * kClockPerMinute + 1;
constexpr ClockTime k090507 = 9 * kClockPerHour + 5 * kClockPerMinute + 7 * kClockPerSecond + 1;

TEST_F(PictureTest, TimeLayoutsShowTheTableExamples)
{
    const struct {
        int layout;
        const char* at1730;
        const char* at090507;
        const char* at090507ZeroFilled;
        const char* midnight;
        const char* noon;
    } rows[] = {
        {1, "17:30", " 9:05", "09:05", " 0:00", "12:00"},
        {2, "1730", "0905", "0905", "0000", "1200"},
        {3, "5:30PM", "9:05AM", "09:05AM", "12:00AM", "12:00PM"},
        {4, "17:30:00", " 9:05:07", "09:05:07", " 0:00:00", "12:00:00"},
        {5, "173000", "090507", "090507", "000000", "120000"},
        {6, "5:30:00PM", "9:05:07AM", "09:05:07AM", "12:00:00AM", "12:00:00PM"},
    };
    for (const auto& row : rows) {
        const QString picture = QStringLiteral("@T%1").arg(row.layout);
        EXPECT_EQ(Format(k1730, picture), row.at1730) << row.layout;
        EXPECT_EQ(Format(k090507, picture), row.at090507) << row.layout;
        EXPECT_EQ(Format(k090507, QStringLiteral("t0%1").arg(row.layout)), row.at090507ZeroFilled) << row.layout;
        EXPECT_EQ(Format(1, picture), row.midnight) << row.layout;
        EXPECT_EQ(Format(0, picture), row.midnight) << row.layout; // 0 is midnight too
        EXPECT_EQ(Format(MakeClock(12, 0), picture), row.noon) << row.layout;
    }
}

TEST_F(PictureTest, TimesDropSecondsWrapPastADayAndHonourSeparatorsAndBlank)
{
    const struct {
        qint64 clock;
        const char* picture;
        const char* text;
    } rows[] = {
        {MakeClock(9, 5, 59, 99), "@T1", " 9:05"},       // seconds dropped, not rounded
        {MakeClock(9, 5, 7, 99), "@T4", " 9:05:07"},
        {kClockPerDay, "@T4", "23:59:59"},
        {kClockPerDay + 1, "@T1", " 0:00"},               // the next day's midnight
        {kClockPerDay + k1730, "@T1", "17:30"},
        {qint64(kClockPerDay) * 1000 + k1730, "@T3", "5:30PM"},
        {MakeClock(0, 30), "@T3", "12:30AM"},
        {MakeClock(12, 59, 59), "@T3", "12:59PM"},
        {MakeClock(23, 59), "@T6", "11:59:00PM"},
        {k1730, "@T1.", "17.30"},
        {k1730, "@T3-", "5-30PM"},
        {k1730, "@T4_", "17 30 00"},
        {k1730, "@T6`", "5,30,00PM"},
        {k1730, "@T2.", "1730"},
        {k1730, "@T05-", "173000"},
        {0, "@T1b", ""},
        {1, "@T1b", " 0:00"},
        {0, "@T7B", ""},
        {-1, "@T1", ""},
        {-5, "@T3b", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Format(row.clock, row.picture), row.text) << row.picture << " " << row.clock;
}

TEST_F(PictureTest, LocaleTimeLayoutsFollowTheDesktopLocaleWithoutZone)
{
    EXPECT_EQ(Format(MakeClock(17, 30, 5), "@T7"), "5:30 PM");
    EXPECT_EQ(Format(MakeClock(17, 30, 5), "@T8"), "5:30:05 PM");
    EXPECT_EQ(DeformatTime("5:30:05 PM", "@T8"), MakeClock(17, 30, 5));
    EXPECT_EQ(Format(1, "@T7"), "12:00 AM");
    EXPECT_EQ(Format(MakeClock(12, 0), "@T7"), "12:00 PM");
    EXPECT_EQ(Format(kClockPerDay + k1730, "@T8"), "5:30:00 PM");
    Picture::LocaleOverride german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Format(MakeClock(17, 30, 5), "@T7"), "17:30");
    EXPECT_EQ(Format(MakeClock(17, 30, 5), "@T8"), "17:30:05");
}

TEST_F(PictureTest, LocaleTimeFormatsLoseOnlyTheirZone)
{
    EXPECT_EQ(Picture::WithoutTimeZone("h:mm:ss AP t"), "h:mm:ss AP");
    EXPECT_EQ(Picture::WithoutTimeZone("H:mm:ss (t)"), "H:mm:ss");
    EXPECT_EQ(Picture::WithoutTimeZone("t HH:mm:ss"), "HH:mm:ss");
    EXPECT_EQ(Picture::WithoutTimeZone("HH 'h' mm 'min' ss 's' t"), "HH 'h' mm 'min' ss 's'");
    EXPECT_EQ(Picture::WithoutTimeZone("HH:mm 'at' tttt"), "HH:mm 'at'");
}

TEST_F(PictureTest, EveryTimeLayoutReadsBackWhatItShows)
{
    const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::French, QLocale::Canada),
                               QLocale(QLocale::Korean, QLocale::SouthKorea), QLocale(QLocale::Spanish, QLocale::Spain)};
    const QString variants[] = {"@T%1", "@T0%1", "@T%1.", "@T%1-b", "@T0%1_", "@T%1`"};
    for (const QLocale& locale : locales) {
        Picture::LocaleOverride pinned(locale);
        for (int layout = 1; layout <= 8; ++layout) {
            for (const QString& variant : variants) {
                const QString picture = variant.arg(layout);
                const bool showsSeconds = layout == 4 || layout == 5 || layout == 6 || layout == 8;
                for (ClockTime clock = 1; clock <= kClockPerDay; clock += 4801) {
                    const ClockTime inSeconds = (clock - 1) / kClockPerSecond * kClockPerSecond + 1;
                    const ClockTime expected = showsSeconds ? inSeconds : (clock - 1) / kClockPerMinute * kClockPerMinute + 1;
                    ASSERT_EQ(DeformatTime(Picture::Format(clock, picture), picture), expected)
                        << picture.toStdString() << " " << Format(clock, picture) << " "
                        << locale.name().toStdString();
                }
            }
        }
    }
}

TEST_F(PictureTest, TimesReadBackInAnyOfTheForms)
{
    const struct {
        const char* text;
        ClockTime clock;
    } rows[] = {
        {"17:30", k1730},          {"17:30:00", k1730},       {"5:30PM", k1730},      {"5:30 pm", k1730},
        {"05:30:00PM", k1730},     {"1730", k1730},           {"173000", k1730},      {"17.30", k1730},
        {" 9:05:07", k090507},     {"9.05.07", k090507},      {"90507", k090507},     {"090507", k090507},
        {"9:05:07am", k090507},    {"905", MakeClock(9, 5)},  {"12:00AM", 1},         {"12:00pm", MakeClock(12, 0)},
        {"0:00", 1},               {"23:59:59", MakeClock(23, 59, 59)},
        // Text that does not fit.
        {"24:00", 0},              {"13:00PM", 0},            {"0:30AM", 0},          {"9:60", 0},
        {"9:05:60", 0},            {"9", 0},                  {"17:30:00:00", 0},     {"1234567", 0},
        {"5:30XM", 0},             {"abc", 0},                {"", 0},                {"PM", 0},
        {"123:00", 0},             {"9;05", 0},
        // Minutes and seconds always have two digits.
        {"10:5", 0},               {"9:5:7", 0},              {"9:05:7", 0},          {"9:5PM", 0},
    };
    for (const int layout : {1, 3, 5}) {
        const QString picture = QStringLiteral("@T%1").arg(layout);
        for (const auto& row : rows) {
            EXPECT_EQ(DeformatTime(row.text, picture), row.clock) << picture.toStdString() << " " << row.text;
            EXPECT_EQ(Deformat(row.text, picture), std::to_string(row.clock)) << row.text;
        }
    }
    // The locale layouts pass over the locale's literal text and take its own AM/PM.
    EXPECT_EQ(DeformatTime("17 h 30 min 05 s", "@T8"), MakeClock(17, 30, 5));
    EXPECT_EQ(DeformatTime("5:30 PM", "@T7"), k1730);
    EXPECT_EQ(DeformatTime("abc", "@T7"), 0);
    {
        Picture::LocaleOverride korean(QLocale(QLocale::Korean, QLocale::SouthKorea));
        EXPECT_EQ(DeformatTime(QString::fromUtf8("오후 5:30"), "@T7"), k1730);
    }
    // Fixed layouts take none but their separators.
    EXPECT_EQ(DeformatTime("9;05", "@T1"), 0);
    EXPECT_EQ(DeformatTime("9:05 h", "@T1"), 0);
}

} // namespace
} // namespace vl
