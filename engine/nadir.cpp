// The nadir step's data: the sign three places on from each rising sign, with the position of its
// picture in the sign-picture list (1 = Aries) and the picture's file name; and one interpretation text per
// nadir sign, shown whole as a single paragraph.
#include "reading.h"
#include "translatable.h"

namespace quorvis {

// clang-format off
constexpr std::array<NadirRow, 12> NadirTable = {{
  // rising sign    nadir sign     picture  picture name
    {"Aries",       "Cancer",      4,       "cancer.jpg"},
    {"Taurus",      "Leo",         5,       "leo.jpg"},
    {"Gemini",      "Virgo",       6,       "virgo.jpg"},
    {"Cancer",      "Libra",       7,       "libra.jpg"},
    {"Leo",         "Scorpio",     8,       "scorpio.jpg"},
    {"Virgo",       "Sagittarius", 9,       "sagittarius.jpg"},
    {"Libra",       "Capricorn",   10,      "capricorn.jpg"},
    {"Scorpio",     "Aquarius",    11,      "aquarius.jpg"},
    {"Sagittarius", "Pisces",      12,      "pisces.jpg"},
    {"Capricorn",   "Aries",       1,       "aries.jpg"},
    {"Aquarius",    "Taurus",      2,       "taurus.jpg"},
    {"Pisces",      "Gemini",      3,       "gemini.jpg"},
}};

constexpr std::array<std::string_view, 12> Interpretations = {
    /* Aries */        QT_TRANSLATE_NOOP("Interpretation", "You will love being young all your life. But with age you will also respect the experience that you have gained through your life."),
    /* Taurus */       QT_TRANSLATE_NOOP("Interpretation", "You will believe in nourishing and caring the old fashioned way. To know that your family is eating and sleeping well will matter a lot to you. You will also make it a point to be financially stable."),
    /* Gemini */       QT_TRANSLATE_NOOP("Interpretation", "You will lead a very unstable life. You may move or relocate a lot and thus find yourself at a new place every few days, months or years. You will be comfortable with technology."),
    /* Cancer */       QT_TRANSLATE_NOOP("Interpretation", "You will not be able to stick to a single place. You will wander through many places before you find a place that you can call your home."),
    /* Leo */          QT_TRANSLATE_NOOP("Interpretation", "People may find you arrogant and overbearing. You will be like the mother lion and expect to be respected. You will be self sacrificing for your family."),
    /* Virgo */        QT_TRANSLATE_NOOP("Interpretation", "You care a lot about other people's feelings. You are more expressive in written communication than oral."),
    /* Libra */        QT_TRANSLATE_NOOP("Interpretation", "You will believe in yourself and always trust people. You set yourself very high ideals and strive to stand by them. You can fight people but at the same time need a peaceful and happy atmosphere."),
    /* Scorpio */      QT_TRANSLATE_NOOP("Interpretation", "Your home is your secret hiding place where you will hide from the world. You will crave for privacy."),
    /* Sagittarius */  QT_TRANSLATE_NOOP("Interpretation", "You will not live at one place. You will be religious."),
    /* Capricorn */    QT_TRANSLATE_NOOP("Interpretation", "You will never be happy with your life if you keep looking at the bits and pieces. Learn to enjoy yourself and have a happy time with your family. You may have seen separation from one parent. You will be highly responsible."),
    /* Aquarius */     QT_TRANSLATE_NOOP("Interpretation", "You will overdo things for your family. Even if you are not in a physical or mental position to help people, you will never give up. Family will not mean a normal life but something different."),
    /* Pisces */       QT_TRANSLATE_NOOP("Interpretation", "You will be comfortable with people who are gentle and loving. You will also plan for the future so that others can enjoy the fruits of your labor."),
};
// clang-format on

const NadirRow *FindNadirRow(std::string_view risingSign)
{
    for (const NadirRow &row : NadirTable) {
        if (row.risingSign == risingSign)
            return &row;
    }
    return nullptr;
}

int NadirSignIndex(int risingSign)
{
    return NadirTable[static_cast<std::size_t>(risingSign)].pictureNumber - 1;
}

std::string_view FindInterpretation(std::string_view nadirSign)
{
    for (std::size_t index = 0; index < ZodiacSigns.size(); ++index) {
        if (ZodiacSigns[index] == nadirSign)
            return Interpretations[index];
    }
    return {};
}

NadirReading ReadNadir(ReadingValues &values, std::int16_t dayPosition, std::int16_t monthPosition,
                       std::string_view birthTime, std::string_view shownSign)
{
    FindSunSign(values, dayPosition, monthPosition);
    values.BirthTime = birthTime;
    values.ReadingKey = values.SunSign + "-" + values.BirthTime;
    FindRisingSign(values);
    NadirReading reading;
    if (const NadirRow *row = FindNadirRow(values.RisingSign)) {
        reading.sign = row->nadirSign;
        reading.pictureNumber = row->pictureNumber;
    }
    reading.interpretation = FindInterpretation(reading.sign.empty() ? shownSign : reading.sign);
    return reading;
}

} // namespace quorvis
