// Birth-date checks and the sun-sign calendar. Both work on list positions, not on a parsed date:
// day position d = day - 1, month position m = 0 for January. The year matters only for February.
#include "reading.h"

namespace quorvis {

namespace {

constexpr std::int16_t February = 1;
constexpr std::int16_t April = 3;
constexpr std::int16_t June = 5;
constexpr std::int16_t September = 8;
constexpr std::int16_t November = 10;

constexpr std::int16_t Day29 = 28;
constexpr std::int16_t Day30 = 29;
constexpr std::int16_t Day31 = 30;

// Each month is cut at one day position: positions 0..cut-1 give the first sign, cut..30 the second.
// Every one of the 31 positions maps to a sign, even days the month does not have.
struct MonthCut
{
    std::int16_t cut;
    std::string_view firstSign;
    std::string_view secondSign;
};

constexpr std::array<MonthCut, 12> SunCalendar = {{
    {19, "Capricorn", "Aquarius"},    // January:   1-19 | 20-31
    {18, "Aquarius", "Pisces"},       // February:  1-18 | 19-31
    {20, "Pisces", "Aries"},          // March:     1-20 | 21-31
    {20, "Aries", "Taurus"},          // April:     1-20 | 21-31
    {20, "Taurus", "Gemini"},         // May:       1-20 | 21-31
    {20, "Gemini", "Cancer"},         // June:      1-20 | 21-31
    {20, "Cancer", "Leo"},            // July:      1-20 | 21-31
    {20, "Leo", "Virgo"},             // August:    1-20 | 21-31
    {20, "Virgo", "Libra"},           // September: 1-20 | 21-31
    {20, "Libra", "Scorpio"},         // October:   1-20 | 21-31
    {20, "Scorpio", "Sagittarius"},   // November:  1-20 | 21-31
    {20, "Sagittarius", "Capricorn"}, // December:  1-20 | 21-31
}};

} // namespace

BirthDetailsCheck ValidateBirthDetails(bool nameIsEmpty, std::int16_t dayPosition, std::int16_t monthPosition,
                                       int year)
{
    if (nameIsEmpty)
        return {BirthDetailsProblem::MissingName, MsgEnterName};

    if (monthPosition == February) {
        const bool refused = IsLeapYear(year)
                                 ? (dayPosition == Day30 || dayPosition == Day31)
                                 : (dayPosition == Day29 || dayPosition == Day30 || dayPosition == Day31);
        if (refused)
            return {BirthDetailsProblem::FebruaryDay, MsgFebruary};
    }

    const bool thirtyDayMonth = monthPosition == April || monthPosition == June ||
                                monthPosition == September || monthPosition == November;
    if (thirtyDayMonth && dayPosition == Day31)
        return {BirthDetailsProblem::ThirtyDayMonthDay, MsgThirtyDayMonth};

    return {};
}

void FindSunSign(ReadingValues &values, std::int16_t dayPosition, std::int16_t monthPosition)
{
    if (monthPosition < 0 || monthPosition >= static_cast<std::int16_t>(SunCalendar.size()))
        return;
    if (dayPosition < 0 || dayPosition >= DaysInList)
        return;

    const MonthCut &month = SunCalendar[static_cast<std::size_t>(monthPosition)];
    values.SunSign = dayPosition < month.cut ? month.firstSign : month.secondSign;
}

} // namespace quorvis
