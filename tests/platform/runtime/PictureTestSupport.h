#pragma once
// Shared by the picture tests: the picture functions with std::string results
// (which failure messages print as text), and a fixture that pins today (for
// two-digit years) and the desktop locale.

#include "platform/runtime/Clock.h"
#include "platform/runtime/Picture.h"

#include <gtest/gtest.h>

#include <string>

namespace vl::test {

template <typename Value>
std::string Format(const Value& value, const QString& picture)
{
    return Picture::Format(value, picture).toStdString();
}
inline std::string FormatDecimal(const QString& decimalText, const QString& picture)
{
    return Picture::FormatDecimal(decimalText, picture).toStdString();
}
inline std::string Deformat(const QString& text, const QString& picture)
{
    return Picture::Deformat(text, picture).toStdString();
}

// Today is 9 December 2026 (two-digit years read as 1947-2046) and the
// locale is US English unless a test installs another.
class PictureTest : public ::testing::Test {
protected:
    SettableClock clock_{MakeDate(12, 9, 2026), MakeClock(10, 0)};
    ClockOverride clockOverride_{clock_};
    Picture::LocaleOverride localeOverride_{QLocale(QLocale::English, QLocale::UnitedStates)};
};

} // namespace vl::test
