#include "tasks/EasterSunday.h"

namespace vl {

namespace {

// Remainder in 0 .. divisor-1 whatever the sign of the value.
int Modulo(int value, int divisor)
{
    const int rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}

} // namespace

Date EasterSunday(int year)
{
    const int golden = year % 19 + 1;
    const int century = year / 100 + 1;
    const int skippedLeapDays = 3 * century / 4 - 12;
    const int moonCorrection = (8 * century + 5) / 25 - 5;
    const int sundayKey = 5 * year / 4 - skippedLeapDays - 10;
    int epact = Modulo(11 * golden + 20 + moonCorrection - skippedLeapDays, 30);
    if ((epact == 25 && golden > 11) || epact == 24)
        ++epact;
    int day = 44 - epact;
    if (day < 21)
        day += 30;
    day += 7 - Modulo(sundayKey + day, 7);
    return day > 31 ? MakeDate(4, day - 31, year) : MakeDate(3, day, year);
}

} // namespace vl
