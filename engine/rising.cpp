// The rising-sign table: one entry per pair of sun sign and birth-time slot, looked up by its text key.
// Both lists run slot by slot in time-list order and, within a slot, from Aries to Pisces, so the entry
// for (slot, sign) sits at position 12 * slot + sign: each line below is one slot, that is one column of
// the usual grid of sun sign by slot. The table obeys "the sign at place (sign - slot) mod 12", but it is
// kept as data and looked up, never computed.
#include "reading.h"

namespace quorvis {

// clang-format off
constexpr std::array<std::string_view, RisingTableSize> RisingKeys = {
    "Aries-4am-6am", "Taurus-4am-6am", "Gemini-4am-6am", "Cancer-4am-6am", "Leo-4am-6am", "Virgo-4am-6am", "Libra-4am-6am", "Scorpio-4am-6am", "Sagittarius-4am-6am", "Capricorn-4am-6am", "Aquarius-4am-6am", "Pisces-4am-6am", // 0..11
    "Aries-2am-4am", "Taurus-2am-4am", "Gemini-2am-4am", "Cancer-2am-4am", "Leo-2am-4am", "Virgo-2am-4am", "Libra-2am-4am", "Scorpio-2am-4am", "Sagittarius-2am-4am", "Capricorn-2am-4am", "Aquarius-2am-4am", "Pisces-2am-4am", // 12..23
    "Aries-midnight-2am", "Taurus-midnight-2am", "Gemini-midnight-2am", "Cancer-midnight-2am", "Leo-midnight-2am", "Virgo-midnight-2am", "Libra-midnight-2am", "Scorpio-midnight-2am", "Sagittarius-midnight-2am", "Capricorn-midnight-2am", "Aquarius-midnight-2am", "Pisces-midnight-2am", // 24..35
    "Aries-10pm-midnight", "Taurus-10pm-midnight", "Gemini-10pm-midnight", "Cancer-10pm-midnight", "Leo-10pm-midnight", "Virgo-10pm-midnight", "Libra-10pm-midnight", "Scorpio-10pm-midnight", "Sagittarius-10pm-midnight", "Capricorn-10pm-midnight", "Aquarius-10pm-midnight", "Pisces-10pm-midnight", // 36..47
    "Aries-8pm-10pm", "Taurus-8pm-10pm", "Gemini-8pm-10pm", "Cancer-8pm-10pm", "Leo-8pm-10pm", "Virgo-8pm-10pm", "Libra-8pm-10pm", "Scorpio-8pm-10pm", "Sagittarius-8pm-10pm", "Capricorn-8pm-10pm", "Aquarius-8pm-10pm", "Pisces-8pm-10pm", // 48..59
    "Aries-6pm-8pm", "Taurus-6pm-8pm", "Gemini-6pm-8pm", "Cancer-6pm-8pm", "Leo-6pm-8pm", "Virgo-6pm-8pm", "Libra-6pm-8pm", "Scorpio-6pm-8pm", "Sagittarius-6pm-8pm", "Capricorn-6pm-8pm", "Aquarius-6pm-8pm", "Pisces-6pm-8pm", // 60..71
    "Aries-4pm-6pm", "Taurus-4pm-6pm", "Gemini-4pm-6pm", "Cancer-4pm-6pm", "Leo-4pm-6pm", "Virgo-4pm-6pm", "Libra-4pm-6pm", "Scorpio-4pm-6pm", "Sagittarius-4pm-6pm", "Capricorn-4pm-6pm", "Aquarius-4pm-6pm", "Pisces-4pm-6pm", // 72..83
    "Aries-2pm-4pm", "Taurus-2pm-4pm", "Gemini-2pm-4pm", "Cancer-2pm-4pm", "Leo-2pm-4pm", "Virgo-2pm-4pm", "Libra-2pm-4pm", "Scorpio-2pm-4pm", "Sagittarius-2pm-4pm", "Capricorn-2pm-4pm", "Aquarius-2pm-4pm", "Pisces-2pm-4pm", // 84..95
    "Aries-noon-2pm", "Taurus-noon-2pm", "Gemini-noon-2pm", "Cancer-noon-2pm", "Leo-noon-2pm", "Virgo-noon-2pm", "Libra-noon-2pm", "Scorpio-noon-2pm", "Sagittarius-noon-2pm", "Capricorn-noon-2pm", "Aquarius-noon-2pm", "Pisces-noon-2pm", // 96..107
    "Aries-10am-noon", "Taurus-10am-noon", "Gemini-10am-noon", "Cancer-10am-noon", "Leo-10am-noon", "Virgo-10am-noon", "Libra-10am-noon", "Scorpio-10am-noon", "Sagittarius-10am-noon", "Capricorn-10am-noon", "Aquarius-10am-noon", "Pisces-10am-noon", // 108..119
    "Aries-8am-10am", "Taurus-8am-10am", "Gemini-8am-10am", "Cancer-8am-10am", "Leo-8am-10am", "Virgo-8am-10am", "Libra-8am-10am", "Scorpio-8am-10am", "Sagittarius-8am-10am", "Capricorn-8am-10am", "Aquarius-8am-10am", "Pisces-8am-10am", // 120..131
    "Aries-6am-8am", "Taurus-6am-8am", "Gemini-6am-8am", "Cancer-6am-8am", "Leo-6am-8am", "Virgo-6am-8am", "Libra-6am-8am", "Scorpio-6am-8am", "Sagittarius-6am-8am", "Capricorn-6am-8am", "Aquarius-6am-8am", "Pisces-6am-8am", // 132..143
};

constexpr std::array<std::string_view, RisingTableSize> RisingSigns = {
  // Aries          Taurus         Gemini         Cancer         Leo            Virgo          Libra          Scorpio        Sagittarius    Capricorn      Aquarius       Pisces
    "Aries",       "Taurus",      "Gemini",      "Cancer",      "Leo",         "Virgo",       "Libra",       "Scorpio",     "Sagittarius", "Capricorn",   "Aquarius",    "Pisces",      // 4am-6am
    "Pisces",      "Aries",       "Taurus",      "Gemini",      "Cancer",      "Leo",         "Virgo",       "Libra",       "Scorpio",     "Sagittarius", "Capricorn",   "Aquarius",    // 2am-4am
    "Aquarius",    "Pisces",      "Aries",       "Taurus",      "Gemini",      "Cancer",      "Leo",         "Virgo",       "Libra",       "Scorpio",     "Sagittarius", "Capricorn",   // midnight-2am
    "Capricorn",   "Aquarius",    "Pisces",      "Aries",       "Taurus",      "Gemini",      "Cancer",      "Leo",         "Virgo",       "Libra",       "Scorpio",     "Sagittarius", // 10pm-midnight
    "Sagittarius", "Capricorn",   "Aquarius",    "Pisces",      "Aries",       "Taurus",      "Gemini",      "Cancer",      "Leo",         "Virgo",       "Libra",       "Scorpio",     // 8pm-10pm
    "Scorpio",     "Sagittarius", "Capricorn",   "Aquarius",    "Pisces",      "Aries",       "Taurus",      "Gemini",      "Cancer",      "Leo",         "Virgo",       "Libra",       // 6pm-8pm
    "Libra",       "Scorpio",     "Sagittarius", "Capricorn",   "Aquarius",    "Pisces",      "Aries",       "Taurus",      "Gemini",      "Cancer",      "Leo",         "Virgo",       // 4pm-6pm
    "Virgo",       "Libra",       "Scorpio",     "Sagittarius", "Capricorn",   "Aquarius",    "Pisces",      "Aries",       "Taurus",      "Gemini",      "Cancer",      "Leo",         // 2pm-4pm
    "Leo",         "Virgo",       "Libra",       "Scorpio",     "Sagittarius", "Capricorn",   "Aquarius",    "Pisces",      "Aries",       "Taurus",      "Gemini",      "Cancer",      // noon-2pm
    "Cancer",      "Leo",         "Virgo",       "Libra",       "Scorpio",     "Sagittarius", "Capricorn",   "Aquarius",    "Pisces",      "Aries",       "Taurus",      "Gemini",      // 10am-noon
    "Gemini",      "Cancer",      "Leo",         "Virgo",       "Libra",       "Scorpio",     "Sagittarius", "Capricorn",   "Aquarius",    "Pisces",      "Aries",       "Taurus",      // 8am-10am
    "Taurus",      "Gemini",      "Cancer",      "Leo",         "Virgo",       "Libra",       "Scorpio",     "Sagittarius", "Capricorn",   "Aquarius",    "Pisces",      "Aries",       // 6am-8am
};
// clang-format on

void FindRisingSign(ReadingValues &values)
{
    // Deliberately no early exit: every key is compared; keys are unique, so at most one matches.
    for (std::size_t p = 0; p < RisingTableSize; ++p) {
        if (RisingKeys[p] == values.ReadingKey)
            values.RisingSign = RisingSigns[p];
    }
}

} // namespace quorvis
