// The vocabulary: exact texts and orders, and counting places round the zodiac.
#include "reading.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <type_traits>

using namespace quorvis;

static_assert(std::is_same_v<decltype(ZodiacSigns), const std::array<std::string_view, 12>>);
static_assert(LastYear - FirstYear + 1 == 151, "the year list holds 1900..2050");
static_assert(DaysInList == 31);

TEST(Vocabulary, SignsMonthsAndSlotsHaveTheirExactTextsInListOrder)
{
    const std::array<std::string_view, 12> signs = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                                    "Leo",         "Virgo",     "Libra",    "Scorpio",
                                                    "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    const std::array<std::string_view, 12> months = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};
    const std::array<std::string_view, 12> slots = {"4am-6am",  "2am-4am",   "midnight-2am", "10pm-midnight",
                                                    "8pm-10pm", "6pm-8pm",   "4pm-6pm",      "2pm-4pm",
                                                    "noon-2pm", "10am-noon", "8am-10am",     "6am-8am"};
    EXPECT_EQ(ZodiacSigns, signs);
    EXPECT_EQ(MonthNames, months);
    EXPECT_EQ(TimeSlots, slots);
}

namespace {

// Hour of day (0..24) named by one end of a slot label: "4am", "10pm", "midnight", "noon".
int HourOf(std::string_view end, bool isStart)
{
    if (end == "midnight")
        return isStart ? 0 : 24;
    if (end == "noon")
        return 12;
    const int hour = std::stoi(std::string(end.substr(0, end.size() - 2)));
    const std::string_view half = end.substr(end.size() - 2);
    EXPECT_TRUE(half == "am" || half == "pm") << end;
    EXPECT_TRUE(hour >= 1 && hour <= 11) << end;
    return half == "pm" ? hour + 12 : hour;
}

} // namespace

// Reading the labels as clock times: each slot covers exactly the two hours before the slot above it,
// starting at 04:00-06:00, so the list runs backwards through the whole day.
TEST(Vocabulary, EachSlotCoversTheTwoHoursBeforeThePreviousOne)
{
    int expectedStart = 4;
    for (std::size_t position = 0; position < TimeSlots.size(); ++position) {
        const std::string_view label = TimeSlots[position];
        const std::size_t hyphen = label.find('-');
        ASSERT_NE(hyphen, std::string_view::npos) << label;
        ASSERT_EQ(label.find('-', hyphen + 1), std::string_view::npos) << label << ": one hyphen only";
        const int start = HourOf(label.substr(0, hyphen), true);
        const int end = HourOf(label.substr(hyphen + 1), false);
        EXPECT_EQ(start, expectedStart) << label;
        EXPECT_EQ(end, start + 2) << label;
        expectedStart = (expectedStart + 22) % 24;
    }
    EXPECT_EQ(TimeSlots.front(), "4am-6am");
    EXPECT_EQ(TimeSlots.back(), "6am-8am");
    EXPECT_EQ(TimeSlots[2], "midnight-2am");
    EXPECT_EQ(TimeSlots[3], "10pm-midnight");
}

TEST(SignPlacesOn, WrapsFromPiscesToAries)
{
    EXPECT_EQ(SignPlacesOn("Capricorn", 3), "Aries");
    EXPECT_EQ(SignPlacesOn("Pisces", 3), "Gemini");
    EXPECT_EQ(SignPlacesOn("Pisces", 1), "Aries");
    EXPECT_EQ(SignPlacesOn("Aries", -1), "Pisces");
    EXPECT_EQ(SignPlacesOn("Aries", 0), "Aries");
}

// Counting is cyclic over every sign and a range of steps in both directions: twelve places on is the
// same sign, and steps add up.
TEST(SignPlacesOn, IsCyclicForEverySignAndStep)
{
    for (std::size_t index = 0; index < ZodiacSigns.size(); ++index) {
        const std::string_view sign = ZodiacSigns[index];
        EXPECT_EQ(SignPlacesOn(sign, 12), sign);
        EXPECT_EQ(SignPlacesOn(sign, -12), sign);
        EXPECT_EQ(SignPlacesOn(sign, 1), ZodiacSigns[(index + 1) % 12]);
        for (int a = -30; a <= 30; ++a) {
            for (int b : {-13, -1, 1, 5, 11, 25})
                EXPECT_EQ(SignPlacesOn(SignPlacesOn(sign, a), b), SignPlacesOn(sign, a + b))
                    << sign << a << b;
        }
    }
}

TEST(SignPlacesOn, ExtremeStepsDoNotOverflow)
{
    // INT_MAX = 12 * 178956970 + 7 and INT_MIN = -(12 * 178956970 + 8).
    EXPECT_EQ(SignPlacesOn("Aries", std::numeric_limits<int>::max()), "Scorpio");
    EXPECT_EQ(SignPlacesOn("Aries", std::numeric_limits<int>::min()), "Leo");
}

TEST(SignPlacesOn, UnknownSignGivesEmpty)
{
    for (std::string_view unknown : {"", "aries", "ARIES", " Aries", "Aries ", "Ari", "Sun"})
        EXPECT_TRUE(SignPlacesOn(unknown, 3).empty()) << '"' << unknown << '"';
}
