// The rising-sign table: every key and sign, checked against a copy of the published grid and against
// the rule it follows, and the lookup's exact matching.
#include "reading.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

using namespace quorvis;

static_assert(RisingTableSize == 12 * 12);
static_assert(std::tuple_size_v<std::remove_cvref_t<decltype(RisingKeys)>> == RisingTableSize);
static_assert(std::tuple_size_v<std::remove_cvref_t<decltype(RisingSigns)>> == RisingTableSize);

namespace {

// Rows: sun sign, Aries to Pisces. Columns: slots in time-list order, "4am-6am" .. "6am-8am".
// clang-format off
const std::string_view Grid[12][12] = {
    /* Aries */       {"Aries", "Pisces", "Aquarius", "Capricorn", "Sagittarius", "Scorpio", "Libra", "Virgo", "Leo", "Cancer", "Gemini", "Taurus"},
    /* Taurus */      {"Taurus", "Aries", "Pisces", "Aquarius", "Capricorn", "Sagittarius", "Scorpio", "Libra", "Virgo", "Leo", "Cancer", "Gemini"},
    /* Gemini */      {"Gemini", "Taurus", "Aries", "Pisces", "Aquarius", "Capricorn", "Sagittarius", "Scorpio", "Libra", "Virgo", "Leo", "Cancer"},
    /* Cancer */      {"Cancer", "Gemini", "Taurus", "Aries", "Pisces", "Aquarius", "Capricorn", "Sagittarius", "Scorpio", "Libra", "Virgo", "Leo"},
    /* Leo */         {"Leo", "Cancer", "Gemini", "Taurus", "Aries", "Pisces", "Aquarius", "Capricorn", "Sagittarius", "Scorpio", "Libra", "Virgo"},
    /* Virgo */       {"Virgo", "Leo", "Cancer", "Gemini", "Taurus", "Aries", "Pisces", "Aquarius", "Capricorn", "Sagittarius", "Scorpio", "Libra"},
    /* Libra */       {"Libra", "Virgo", "Leo", "Cancer", "Gemini", "Taurus", "Aries", "Pisces", "Aquarius", "Capricorn", "Sagittarius", "Scorpio"},
    /* Scorpio */     {"Scorpio", "Libra", "Virgo", "Leo", "Cancer", "Gemini", "Taurus", "Aries", "Pisces", "Aquarius", "Capricorn", "Sagittarius"},
    /* Sagittarius */ {"Sagittarius", "Scorpio", "Libra", "Virgo", "Leo", "Cancer", "Gemini", "Taurus", "Aries", "Pisces", "Aquarius", "Capricorn"},
    /* Capricorn */   {"Capricorn", "Sagittarius", "Scorpio", "Libra", "Virgo", "Leo", "Cancer", "Gemini", "Taurus", "Aries", "Pisces", "Aquarius"},
    /* Aquarius */    {"Aquarius", "Capricorn", "Sagittarius", "Scorpio", "Libra", "Virgo", "Leo", "Cancer", "Gemini", "Taurus", "Aries", "Pisces"},
    /* Pisces */      {"Pisces", "Aquarius", "Capricorn", "Sagittarius", "Scorpio", "Libra", "Virgo", "Leo", "Cancer", "Gemini", "Taurus", "Aries"},
};
// clang-format on

std::string RisingFor(std::string key, std::string previous = {})
{
    ReadingValues values;
    values.ReadingKey = std::move(key);
    values.RisingSign = std::move(previous);
    FindRisingSign(values);
    return values.RisingSign;
}

} // namespace

TEST(RisingTable, EveryPositionHoldsItsKeyAndTheGridsSign)
{
    for (std::size_t s = 0; s < 12; ++s) {
        for (std::size_t z = 0; z < 12; ++z) {
            const std::size_t p = 12 * s + z;
            const std::string key = std::string(ZodiacSigns[z]) + "-" + std::string(TimeSlots[s]);
            EXPECT_EQ(RisingKeys[p], key) << p;
            EXPECT_EQ(RisingSigns[p], Grid[z][s]) << key;
            EXPECT_EQ(RisingFor(key), Grid[z][s]) << key;
        }
    }
}

// The grid itself obeys one rule: the sign at place (z - s) mod 12.
TEST(RisingTable, FollowsTheRuleWithoutException)
{
    for (int s = 0; s < 12; ++s) {
        for (int z = 0; z < 12; ++z) {
            const std::string_view byRule = ZodiacSigns[static_cast<std::size_t>(((z - s) % 12 + 12) % 12)];
            EXPECT_EQ(Grid[z][s], byRule) << ZodiacSigns[z] << '-' << TimeSlots[s];
            EXPECT_EQ(RisingSigns[static_cast<std::size_t>(12 * s + z)], byRule)
                << ZodiacSigns[z] << '-' << TimeSlots[s];
        }
    }
}

TEST(RisingTable, KeysAreUnique)
{
    const std::set<std::string_view> keys(RisingKeys.begin(), RisingKeys.end());
    EXPECT_EQ(keys.size(), RisingTableSize);
}

struct KeyCase
{
    const char *name;
    const char *key;
    const char *rising;
};

// How a failure names the case, instead of its bytes.
void PrintTo(const KeyCase &c, std::ostream *os) { *os << '"' << c.key << '"'; }

class KnownKeys : public testing::TestWithParam<KeyCase>
{
};

TEST_P(KnownKeys, FindTheirRisingSign) { EXPECT_EQ(RisingFor(GetParam().key, "Libra"), GetParam().rising); }

INSTANTIATE_TEST_SUITE_P(
    Keys, KnownKeys,
    testing::Values(KeyCase{"AriesAtDawn", "Aries-4am-6am", "Aries"},
                    KeyCase{"PiscesWrapsToAries", "Pisces-6am-8am", "Aries"},
                    KeyCase{"AriesWrapsBackToPisces", "Aries-2am-4am", "Pisces"},
                    KeyCase{"LeoMorning", "Leo-10am-noon", "Scorpio"},
                    KeyCase{"CapricornAfterMidnight", "Capricorn-midnight-2am", "Scorpio"},
                    KeyCase{"SagittariusBeforeMidnight", "Sagittarius-10pm-midnight", "Virgo"}),
    [](const testing::TestParamInfo<KeyCase> &info) { return std::string(info.param.name); });

class UnknownKeys : public testing::TestWithParam<KeyCase>
{
};

TEST_P(UnknownKeys, LeaveThePreviousRisingSign)
{
    EXPECT_EQ(RisingFor(GetParam().key, "Libra"), "Libra");
    EXPECT_EQ(RisingFor(GetParam().key), "");
}

INSTANTIATE_TEST_SUITE_P(Keys, UnknownKeys,
                         testing::Values(KeyCase{"LowerCaseSign", "aries-4am-6am", nullptr},
                                         KeyCase{"UpperCaseSlot", "Aries-4AM-6AM", nullptr},
                                         KeyCase{"SpacesAroundHyphen", "Aries - 4am-6am", nullptr},
                                         KeyCase{"SpaceBeforeHyphen", "Aries -4am-6am", nullptr},
                                         KeyCase{"LeadingSpace", " Aries-4am-6am", nullptr},
                                         KeyCase{"TrailingSpace", "Aries-4am-6am ", nullptr},
                                         KeyCase{"NoSlot", "Aries-", nullptr},
                                         KeyCase{"SignOnly", "Aries", nullptr}, KeyCase{"Empty", "", nullptr},
                                         KeyCase{"ClockStyleSlot", "Aries-12am-2am", nullptr}),
                         [](const testing::TestParamInfo<KeyCase> &info) {
                             return std::string(info.param.name);
                         });

TEST(FindRisingSign, NoMatchIncludingAnEmbeddedNul)
{
    // A key that only starts with a table key must not match it.
    EXPECT_EQ(RisingFor(std::string("Aries-4am-6am\0x", 15), "Libra"), "Libra");
}

TEST(FindRisingSign, SecondReadingReplacesTheFirstAndTouchesNothingElse)
{
    ReadingValues values;
    values.SunSign = "Leo";
    values.BirthTime = "10am-noon";
    values.ReadingKey = "Leo-10am-noon";
    FindRisingSign(values);
    EXPECT_EQ(values.RisingSign, "Scorpio");

    values.SunSign = "Pisces";
    values.BirthTime = "6am-8am";
    values.ReadingKey = "Pisces-6am-8am";
    FindRisingSign(values);
    EXPECT_EQ(values.RisingSign, "Aries");
    EXPECT_EQ(values.SunSign, "Pisces");
    EXPECT_EQ(values.BirthTime, "6am-8am");
    EXPECT_EQ(values.ReadingKey, "Pisces-6am-8am");
}
