// The nadir step's tables: every row and every text, checked against copies of the published tables
// and against the rules they follow (three signs on; picture numbered and named after the nadir sign).
#include "reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

using namespace quorvis;

static_assert(std::is_same_v<decltype(NadirTable), const std::array<NadirRow, 12>>);
static_assert(std::is_same_v<decltype(Interpretations), const std::array<std::string_view, 12>>);

namespace {

// clang-format off
const NadirRow ExpectedRows[12] = {
    {"Aries", "Cancer", 4, "cancer.jpg"},
    {"Taurus", "Leo", 5, "leo.jpg"},
    {"Gemini", "Virgo", 6, "virgo.jpg"},
    {"Cancer", "Libra", 7, "libra.jpg"},
    {"Leo", "Scorpio", 8, "scorpio.jpg"},
    {"Virgo", "Sagittarius", 9, "sagittarius.jpg"},
    {"Libra", "Capricorn", 10, "capricorn.jpg"},
    {"Scorpio", "Aquarius", 11, "aquarius.jpg"},
    {"Sagittarius", "Pisces", 12, "pisces.jpg"},
    {"Capricorn", "Aries", 1, "aries.jpg"},
    {"Aquarius", "Taurus", 2, "taurus.jpg"},
    {"Pisces", "Gemini", 3, "gemini.jpg"},
};

// Indexed like ZodiacSigns: the nadir sign.
const std::string_view ExpectedTexts[12] = {
    /* Aries */        "You will love being young all your life. But with age you will also respect the experience that you have gained through your life.",
    /* Taurus */       "You will believe in nourishing and caring the old fashioned way. To know that your family is eating and sleeping well will matter a lot to you. You will also make it a point to be financially stable.",
    /* Gemini */       "You will lead a very unstable life. You may move or relocate a lot and thus find yourself at a new place every few days, months or years. You will be comfortable with technology.",
    /* Cancer */       "You will not be able to stick to a single place. You will wander through many places before you find a place that you can call your home.",
    /* Leo */          "People may find you arrogant and overbearing. You will be like the mother lion and expect to be respected. You will be self sacrificing for your family.",
    /* Virgo */        "You care a lot about other people's feelings. You are more expressive in written communication than oral.",
    /* Libra */        "You will believe in yourself and always trust people. You set yourself very high ideals and strive to stand by them. You can fight people but at the same time need a peaceful and happy atmosphere.",
    /* Scorpio */      "Your home is your secret hiding place where you will hide from the world. You will crave for privacy.",
    /* Sagittarius */  "You will not live at one place. You will be religious.",
    /* Capricorn */    "You will never be happy with your life if you keep looking at the bits and pieces. Learn to enjoy yourself and have a happy time with your family. You may have seen separation from one parent. You will be highly responsible.",
    /* Aquarius */     "You will overdo things for your family. Even if you are not in a physical or mental position to help people, you will never give up. Family will not mean a normal life but something different.",
    /* Pisces */       "You will be comfortable with people who are gentle and loving. You will also plan for the future so that others can enjoy the fruits of your labor.",
};
// clang-format on

std::size_t ZodiacIndex(std::string_view sign)
{
    return static_cast<std::size_t>(std::find(ZodiacSigns.begin(), ZodiacSigns.end(), sign) -
                                    ZodiacSigns.begin());
}

} // namespace

TEST(NadirTable, EveryRowMatchesThePublishedTableAndItsRule)
{
    for (std::size_t index = 0; index < 12; ++index) {
        const NadirRow &expected = ExpectedRows[index];
        SCOPED_TRACE(expected.risingSign);
        const NadirRow &row = NadirTable[index];
        EXPECT_EQ(row.risingSign, expected.risingSign);
        EXPECT_EQ(row.nadirSign, expected.nadirSign);
        EXPECT_EQ(row.pictureNumber, expected.pictureNumber);
        EXPECT_EQ(row.pictureName, expected.pictureName);

        EXPECT_EQ(row.risingSign, ZodiacSigns[index]);
        EXPECT_EQ(row.nadirSign, SignPlacesOn(row.risingSign, 3));
        EXPECT_EQ(static_cast<std::size_t>(row.pictureNumber), ZodiacIndex(row.nadirSign) + 1);
        std::string lowerName(row.nadirSign);
        std::transform(lowerName.begin(), lowerName.end(), lowerName.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        EXPECT_EQ(row.pictureName, lowerName + ".jpg");

        EXPECT_EQ(FindNadirRow(expected.risingSign), &row);
    }
}

TEST(NadirTable, EveryPictureIsShippedWithTheProgram)
{
    for (const NadirRow &row : NadirTable)
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(QUORVIS_SIGN_PICTURES_DIR) /
                                                     std::string(row.pictureName)))
            << row.pictureName;
}

TEST(FindNadirRow, WrapsFromPiscesToAries)
{
    const NadirRow *capricorn = FindNadirRow("Capricorn");
    ASSERT_NE(capricorn, nullptr);
    EXPECT_EQ(capricorn->nadirSign, "Aries");
    EXPECT_EQ(capricorn->pictureNumber, 1);
    EXPECT_EQ(FindInterpretation(capricorn->nadirSign), ExpectedTexts[0]);

    const NadirRow *pisces = FindNadirRow("Pisces");
    ASSERT_NE(pisces, nullptr);
    EXPECT_EQ(pisces->nadirSign, "Gemini");
    EXPECT_EQ(pisces->pictureNumber, 3);
}

TEST(Interpretations, EveryTextIsExactAndFoundByItsSign)
{
    for (std::size_t index = 0; index < 12; ++index) {
        SCOPED_TRACE(ZodiacSigns[index]);
        EXPECT_EQ(Interpretations[index], ExpectedTexts[index]);
        EXPECT_EQ(FindInterpretation(ZodiacSigns[index]), ExpectedTexts[index]);
    }
}

TEST(Interpretations, ArePlainOneLineAsciiWithTheKnownExtremes)
{
    for (std::string_view text : Interpretations) {
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7f; }))
            << text;
        EXPECT_NE(text.front(), ' ');
        EXPECT_EQ(text.back(), '.');
    }
    const auto bySize = [](std::string_view a, std::string_view b) { return a.size() < b.size(); };
    const auto longest = std::max_element(Interpretations.begin(), Interpretations.end(), bySize);
    const auto shortest = std::min_element(Interpretations.begin(), Interpretations.end(), bySize);
    EXPECT_EQ(ZodiacSigns[static_cast<std::size_t>(longest - Interpretations.begin())], "Capricorn");
    EXPECT_EQ(longest->size(), 224u);
    EXPECT_EQ(ZodiacSigns[static_cast<std::size_t>(shortest - Interpretations.begin())], "Sagittarius");
    EXPECT_EQ(shortest->size(), 54u);
    EXPECT_NE(FindInterpretation("Virgo").find("other people's feelings"), std::string_view::npos);
}

TEST(NadirLookups, MatchExactlyOrNotAtAll)
{
    for (std::string_view unknown : {"", "aries", "ARIES", " Aries", "Aries ", "Cancer-4am-6am"}) {
        EXPECT_EQ(FindNadirRow(unknown), nullptr) << '"' << unknown << '"';
        EXPECT_TRUE(FindInterpretation(unknown).empty()) << '"' << unknown << '"';
    }
}

// A whole reading from the day and slot to the text: born 1 August, 10am-noon.
TEST(ReadNadir, FirstOfAugustMidMorning)
{
    ReadingValues values;
    const NadirReading reading = ReadNadir(values, 0, 7, "10am-noon", "");
    EXPECT_EQ(values.SunSign, "Leo");
    EXPECT_EQ(values.BirthTime, "10am-noon");
    EXPECT_EQ(values.ReadingKey, "Leo-10am-noon");
    EXPECT_EQ(values.RisingSign, "Scorpio");
    EXPECT_EQ(reading.sign, "Aquarius");
    EXPECT_EQ(reading.pictureNumber, 11);
    EXPECT_EQ(
        reading.interpretation,
        "You will overdo things for your family. Even if you are not in a physical or mental position to "
        "help people, you will never give up. Family will not mean a normal life but something different.");
}

// A slot that is in no key leaves the rising sign of the reading before, whose nadir sign is shown again;
// with no reading before, the window keeps its sign, and the text follows the sign it shows.
TEST(ReadNadir, UnknownKeyKeepsWhatWasThere)
{
    ReadingValues values;
    ReadNadir(values, 0, 7, "10am-noon", "");
    NadirReading again = ReadNadir(values, 20, 2, "noon", "Aquarius");
    EXPECT_EQ(values.SunSign, "Aries");
    EXPECT_EQ(values.ReadingKey, "Aries-noon");
    EXPECT_EQ(values.RisingSign, "Scorpio");
    EXPECT_EQ(again.sign, "Aquarius");
    EXPECT_EQ(again.pictureNumber, 11);

    ReadingValues fresh;
    const NadirReading none = ReadNadir(fresh, 0, 7, "noon", "Virgo");
    EXPECT_TRUE(none.sign.empty());
    EXPECT_EQ(none.pictureNumber, 0);
    EXPECT_EQ(none.interpretation, FindInterpretation("Virgo"));
    EXPECT_TRUE(ReadNadir(fresh, 0, 7, "noon", "").interpretation.empty());
}
