// Birth-date checks and the sun-sign calendar, over every position of the lists. The expected answers
// come from independent statements: the standard library's Gregorian calendar for which dates exist,
// and the calendar read by sign (first and last day of each sign) for the sun sign.
#include "reading.h"

#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <ostream>

using namespace quorvis;

static_assert(IsLeapYear(2000) && IsLeapYear(2048) && IsLeapYear(1904));
static_assert(!IsLeapYear(1900) && !IsLeapYear(2001) && !IsLeapYear(2100));
// The two date messages differ only by the space before the exclamation mark.
static_assert(MsgThirtyDayMonth.size() == MsgFebruary.size() + 1);
static_assert(MsgThirtyDayMonth.substr(0, MsgThirtyDayMonth.size() - 2) ==
              MsgFebruary.substr(0, MsgFebruary.size() - 1));
static_assert(MsgThirtyDayMonth.ends_with(" !") && MsgFebruary.ends_with("h!"));

namespace {

std::int16_t Pos(int number) { return static_cast<std::int16_t>(number - 1); }

BirthDetailsCheck Check(int day, int month, int year)
{
    return ValidateBirthDetails(false, Pos(day), Pos(month), year);
}

std::string SunSignOf(int day, int month)
{
    ReadingValues values;
    FindSunSign(values, Pos(day), Pos(month));
    return values.SunSign;
}

} // namespace

TEST(ValidateBirthDetails, EveryListedDateAgreesWithTheGregorianCalendar)
{
    using namespace std::chrono;
    for (int year = FirstYear; year <= LastYear; ++year) {
        EXPECT_EQ(IsLeapYear(year), std::chrono::year{year}.is_leap()) << year;
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInList; ++day) {
                const bool exists = year_month_day{
                    std::chrono::year{year}, std::chrono::month{unsigned(month)},
                    std::chrono::day{
                        unsigned(day)}}.ok();
                const BirthDetailsCheck result = Check(day, month, year);
                SCOPED_TRACE(testing::Message() << day << '/' << month << '/' << year);
                if (exists) {
                    EXPECT_TRUE(result.ok());
                    EXPECT_EQ(result.problem, BirthDetailsProblem::None);
                    EXPECT_TRUE(result.message.empty());
                } else if (month == 2) {
                    EXPECT_EQ(result.problem, BirthDetailsProblem::FebruaryDay);
                    EXPECT_EQ(result.message, "Please Enter Correct Date Or Month!");
                } else {
                    EXPECT_EQ(result.problem, BirthDetailsProblem::ThirtyDayMonthDay);
                    EXPECT_EQ(result.message, "Please Enter Correct Date Or Month !");
                }
            }
        }
    }
}

TEST(ValidateBirthDetails, MissingNameIsCheckedFirst)
{
    for (int year : {FirstYear, 2000, 2001, LastYear}) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInList; ++day) {
                const BirthDetailsCheck result = ValidateBirthDetails(true, Pos(day), Pos(month), year);
                EXPECT_EQ(result.problem, BirthDetailsProblem::MissingName)
                    << day << '/' << month << '/' << year;
                EXPECT_EQ(result.message, "Please Enter Your Name !");
                EXPECT_FALSE(result.ok());
            }
        }
    }
}

struct DateCase
{
    const char *name;
    int day, month, year;
    BirthDetailsProblem problem;
};

// How a failure names the case, instead of its bytes.
void PrintTo(const DateCase &c, std::ostream *os) { *os << c.day << '/' << c.month << '/' << c.year; }

class NamedDates : public testing::TestWithParam<DateCase>
{
};

TEST_P(NamedDates, GiveTheirProblem)
{
    const DateCase &c = GetParam();
    EXPECT_EQ(Check(c.day, c.month, c.year).problem, c.problem);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, NamedDates,
    testing::Values(DateCase{"Jan1st1900", 1, 1, 1900, BirthDetailsProblem::None},
                    DateCase{"Feb29th2000", 29, 2, 2000, BirthDetailsProblem::None},
                    DateCase{"Feb29th2048", 29, 2, 2048, BirthDetailsProblem::None},
                    DateCase{"Feb29th1900IsNotALeapDay", 29, 2, 1900, BirthDetailsProblem::FebruaryDay},
                    DateCase{"Feb29th2001", 29, 2, 2001, BirthDetailsProblem::FebruaryDay},
                    DateCase{"Feb30th2000", 30, 2, 2000, BirthDetailsProblem::FebruaryDay},
                    DateCase{"Feb31st2001UsesTheFebruaryMessage", 31, 2, 2001,
                             BirthDetailsProblem::FebruaryDay},
                    DateCase{"Apr31st", 31, 4, 1950, BirthDetailsProblem::ThirtyDayMonthDay},
                    DateCase{"Jun31st", 31, 6, 1950, BirthDetailsProblem::ThirtyDayMonthDay},
                    DateCase{"Sep31st", 31, 9, 1950, BirthDetailsProblem::ThirtyDayMonthDay},
                    DateCase{"Nov31st", 31, 11, 1950, BirthDetailsProblem::ThirtyDayMonthDay},
                    DateCase{"Jan31st", 31, 1, 1950, BirthDetailsProblem::None},
                    DateCase{"Mar31st", 31, 3, 1950, BirthDetailsProblem::None},
                    DateCase{"Dec31st", 31, 12, 1950, BirthDetailsProblem::None}),
    [](const testing::TestParamInfo<DateCase> &info) { return std::string(info.param.name); });

// The calendar read by sign, both ends included; Capricorn runs over the turn of the year.
struct SignSpan
{
    std::string_view sign;
    int firstDay, firstMonth, lastDay, lastMonth;
};

constexpr std::array<SignSpan, 12> CalendarBySign = {{
    {"Aries", 21, 3, 20, 4},
    {"Taurus", 21, 4, 20, 5},
    {"Gemini", 21, 5, 20, 6},
    {"Cancer", 21, 6, 20, 7},
    {"Leo", 21, 7, 20, 8},
    {"Virgo", 21, 8, 20, 9},
    {"Libra", 21, 9, 20, 10},
    {"Scorpio", 21, 10, 20, 11},
    {"Sagittarius", 21, 11, 20, 12},
    {"Capricorn", 21, 12, 19, 1},
    {"Aquarius", 20, 1, 18, 2},
    {"Pisces", 19, 2, 20, 3},
}};

TEST(FindSunSign, EveryDayAndMonthPositionAgreesWithTheCalendarBySign)
{
    // Days a month does not have (31 April, 30 February) still fall inside one span when dates are
    // compared as (month, day), which is how the calendar assigns them a sign.
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysInList; ++day) {
            const int date = month * 100 + day;
            std::string expected;
            int spans = 0;
            for (const SignSpan &span : CalendarBySign) {
                const int first = span.firstMonth * 100 + span.firstDay;
                const int last = span.lastMonth * 100 + span.lastDay;
                const bool inside =
                    first <= last ? (first <= date && date <= last) : (date >= first || date <= last);
                if (inside) {
                    expected = span.sign;
                    ++spans;
                }
            }
            ASSERT_EQ(spans, 1) << day << '/' << month;
            EXPECT_EQ(SunSignOf(day, month), expected) << day << '/' << month;
        }
    }
}

TEST(FindSunSign, Boundaries)
{
    EXPECT_EQ(SunSignOf(19, 1), "Capricorn");
    EXPECT_EQ(SunSignOf(20, 1), "Aquarius");
    EXPECT_EQ(SunSignOf(18, 2), "Aquarius");
    EXPECT_EQ(SunSignOf(19, 2), "Pisces");
    EXPECT_EQ(SunSignOf(29, 2), "Pisces");
    EXPECT_EQ(SunSignOf(20, 3), "Pisces");
    EXPECT_EQ(SunSignOf(21, 3), "Aries");
    EXPECT_EQ(SunSignOf(21, 4), "Taurus");
    EXPECT_EQ(SunSignOf(20, 7), "Cancer");
    EXPECT_EQ(SunSignOf(21, 7), "Leo");
    EXPECT_EQ(SunSignOf(20, 12), "Sagittarius");
    EXPECT_EQ(SunSignOf(21, 12), "Capricorn");
    EXPECT_EQ(SunSignOf(1, 1), "Capricorn");
    EXPECT_EQ(SunSignOf(31, 12), "Capricorn");
}

TEST(FindSunSign, OverwritesThePreviousSign)
{
    ReadingValues values;
    FindSunSign(values, Pos(1), Pos(8));
    EXPECT_EQ(values.SunSign, "Leo");
    FindSunSign(values, Pos(21), Pos(3));
    EXPECT_EQ(values.SunSign, "Aries");
}

TEST(FindSunSign, PositionsOutsideTheListsLeaveTheSignUnchanged)
{
    constexpr std::int16_t lowest = std::numeric_limits<std::int16_t>::min();
    constexpr std::int16_t highest = std::numeric_limits<std::int16_t>::max();
    const std::pair<std::int16_t, std::int16_t> outside[] = {
        {-1, 0},  {0, -1},     {-1, -1},    {31, 0},      {0, 12},
        {31, 12}, {lowest, 0}, {0, lowest}, {highest, 0}, {0, highest},
    };
    for (const auto &[day, month] : outside) {
        ReadingValues values;
        values.SunSign = "Leo";
        FindSunSign(values, day, month);
        EXPECT_EQ(values.SunSign, "Leo") << day << ", " << month;

        ReadingValues fresh;
        FindSunSign(fresh, day, month);
        EXPECT_TRUE(fresh.SunSign.empty()) << day << ", " << month;
    }
}
