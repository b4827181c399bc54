// The reading engine: from a day, a month and a birth-time slot to a nadir sign.
//
//   day + month positions --FindSunSign--> SunSign
//   SunSign + "-" + slot label = ReadingKey --FindRisingSign--> RisingSign (144-entry table)
//   RisingSign --three signs on--> nadir sign, its picture number and its interpretation text
//
// Pure C++: no Qt, no I/O, no global mutable state. The program owns one ReadingValues and
// passes it to each step explicitly.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "translatable.h"

namespace quorvis {

// ---- vocabulary ---------------------------------------------------------------------------------

// Sign names in zodiac order; a sign's number is its index + 1.
extern const std::array<std::string_view, 12> ZodiacSigns;
// Month names in the order of the month list; position 0 is January.
extern const std::array<std::string_view, 12> MonthNames;
// Birth-time slot labels in the order of the time list: "4am-6am" backwards through the day to "6am-8am".
extern const std::array<std::string_view, 12> TimeSlots;

inline constexpr int FirstYear = 1900; // the year list holds FirstYear..LastYear ascending
inline constexpr int LastYear = 2050;
inline constexpr int DaysInList = 31; // the day list holds "1".."31"

// The sign `places` on from `sign` in zodiac order, cyclically (Pisces is followed by Aries).
// Returns an empty view when `sign` is not one of ZodiacSigns.
std::string_view SignPlacesOn(std::string_view sign, int places);

// ---- program-wide reading values ----------------------------------------------------------------

struct ReadingValues
{
    std::string SunSign;
    std::string BirthTime;
    std::string ReadingKey;
    std::string RisingSign;
};

// ---- birth-date checks and the sun-sign calendar -------------------------------------------------

enum class BirthDetailsProblem { None, MissingName, FebruaryDay, ThirtyDayMonthDay };

struct BirthDetailsCheck
{
    BirthDetailsProblem problem = BirthDetailsProblem::None;
    std::string_view message; // exact text to show; empty when problem == None
    bool ok() const { return problem == BirthDetailsProblem::None; }
};

inline constexpr std::string_view MsgEnterName = QT_TRANSLATE_NOOP("BirthDetails", "Please Enter Your Name !");
inline constexpr std::string_view MsgFebruary = QT_TRANSLATE_NOOP("BirthDetails", "Please Enter Correct Date Or Month!");
inline constexpr std::string_view MsgThirtyDayMonth = QT_TRANSLATE_NOOP("BirthDetails", "Please Enter Correct Date Or Month !");

// Gregorian leap year: divisible by 4, except century years not divisible by 400.
constexpr bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Checks, in order: name not empty, February day, day 31 of a thirty-day month.
// dayPosition and monthPosition are list positions counted from 0.
BirthDetailsCheck ValidateBirthDetails(bool nameIsEmpty, std::int16_t dayPosition, std::int16_t monthPosition,
                                       int year);

// Writes the sun sign of (dayPosition, monthPosition) into values.SunSign; leaves it unchanged when
// either position lies outside its list.
void FindSunSign(ReadingValues &values, std::int16_t dayPosition, std::int16_t monthPosition);

// ---- rising-sign table ---------------------------------------------------------------------------

inline constexpr std::size_t RisingTableSize = 144;
// Position p = 12 * slot + sign: slot by slot in time-list order, Aries to Pisces within each slot.
extern const std::array<std::string_view, RisingTableSize> RisingKeys;
extern const std::array<std::string_view, RisingTableSize> RisingSigns;

// Exact, case-sensitive scan of RisingKeys for values.ReadingKey; on a match sets values.RisingSign,
// otherwise leaves it as it was.
void FindRisingSign(ReadingValues &values);

// ---- nadir sign and interpretations ---------------------------------------------------------------

struct NadirRow
{
    std::string_view risingSign;
    std::string_view nadirSign;
    int pictureNumber;            // 1..12, the nadir sign's place in zodiac order
    std::string_view pictureName; // "aries.jpg" .. "pisces.jpg"
};

// The twelve rows, in zodiac order of the rising sign.
extern const std::array<NadirRow, 12> NadirTable;
// Interpretation texts, indexed like ZodiacSigns (the nadir sign).
extern const std::array<std::string_view, 12> Interpretations;

// The row for `risingSign` (exact comparison, Aries first), or nullptr.
const NadirRow *FindNadirRow(std::string_view risingSign);
// The nadir sign of a rising sign by the table, both as indexes into ZodiacSigns (0..11).
int NadirSignIndex(int risingSign);
// The interpretation for `nadirSign` (exact comparison), or an empty view.
std::string_view FindInterpretation(std::string_view nadirSign);

// ---- a whole reading ------------------------------------------------------------------------------

// What the result window is to show after a reading. An empty sign (picture 0) means the window keeps the
// sign and picture it shows; an empty interpretation means it keeps its text.
struct NadirReading
{
    std::string_view sign;
    int pictureNumber = 0;
    std::string_view interpretation;
};

// Runs the steps of a reading in their order on checked birth details: FindSunSign, BirthTime, ReadingKey,
// FindRisingSign, then the nadir row of values.RisingSign. A key that matches nothing leaves the previous
// RisingSign, so an earlier reading's sign may be shown again. The interpretation follows the sign the window
// ends up showing: the new one, or `shownSign` when there is no new one.
NadirReading ReadNadir(ReadingValues &values, std::int16_t dayPosition, std::int16_t monthPosition,
                       std::string_view birthTime, std::string_view shownSign);

} // namespace quorvis
