// The fixed vocabulary of a reading. Every text here is compared exactly elsewhere (case-sensitive,
// whole text), so each letter is part of the program's behaviour.
#include "reading.h"

namespace quorvis {

constexpr std::array<std::string_view, 12> ZodiacSigns = {
    "Aries",       // 1
    "Taurus",      // 2
    "Gemini",      // 3
    "Cancer",      // 4
    "Leo",         // 5
    "Virgo",       // 6
    "Libra",       // 7
    "Scorpio",     // 8
    "Sagittarius", // 9
    "Capricorn",   // 10
    "Aquarius",    // 11
    "Pisces",      // 12
};

constexpr std::array<std::string_view, 12> MonthNames = {
    "January",   // 0
    "February",  // 1
    "March",     // 2
    "April",     // 3
    "May",       // 4
    "June",      // 5
    "July",      // 6
    "August",    // 7
    "September", // 8
    "October",   // 9
    "November",  // 10
    "December",  // 11
};

// Each slot covers the two hours before the one above it, so the list runs backwards through the day
// and "midnight-2am" sits next to "10pm-midnight".
constexpr std::array<std::string_view, 12> TimeSlots = {
    "4am-6am",       // 0: 04:00-06:00
    "2am-4am",       // 1: 02:00-04:00
    "midnight-2am",  // 2: 00:00-02:00
    "10pm-midnight", // 3: 22:00-24:00
    "8pm-10pm",      // 4: 20:00-22:00
    "6pm-8pm",       // 5: 18:00-20:00
    "4pm-6pm",       // 6: 16:00-18:00
    "2pm-4pm",       // 7: 14:00-16:00
    "noon-2pm",      // 8: 12:00-14:00
    "10am-noon",     // 9: 10:00-12:00
    "8am-10am",      // 10: 08:00-10:00
    "6am-8am",       // 11: 06:00-08:00
};

std::string_view SignPlacesOn(std::string_view sign, int places)
{
    constexpr int count = static_cast<int>(ZodiacSigns.size());
    for (int index = 0; index < count; ++index) {
        if (ZodiacSigns[index] == sign) {
            // Reduce `places` first so that no sum can overflow, then bring negatives into 0..11.
            const int target = ((index + places % count) % count + count) % count;
            return ZodiacSigns[target];
        }
    }
    return {};
}

} // namespace quorvis
