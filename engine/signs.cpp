// The fixed vocabulary of a reading. Every text here is compared exactly elsewhere (case-sensitive,
// whole text), so each letter is part of the program's behaviour.
#include "reading.h"
#include "translatable.h"

namespace quorvis {

constexpr std::array<std::string_view, 12> ZodiacSigns = {
    //: The sign's name as astrologers of the language write it.
    QT_TRANSLATE_NOOP("ZodiacSign", "Aries"),       // 1
    QT_TRANSLATE_NOOP("ZodiacSign", "Taurus"),      // 2
    QT_TRANSLATE_NOOP("ZodiacSign", "Gemini"),      // 3
    QT_TRANSLATE_NOOP("ZodiacSign", "Cancer"),      // 4
    QT_TRANSLATE_NOOP("ZodiacSign", "Leo"),         // 5
    QT_TRANSLATE_NOOP("ZodiacSign", "Virgo"),       // 6
    QT_TRANSLATE_NOOP("ZodiacSign", "Libra"),       // 7
    QT_TRANSLATE_NOOP("ZodiacSign", "Scorpio"),     // 8
    QT_TRANSLATE_NOOP("ZodiacSign", "Sagittarius"), // 9
    QT_TRANSLATE_NOOP("ZodiacSign", "Capricorn"),   // 10
    QT_TRANSLATE_NOOP("ZodiacSign", "Aquarius"),    // 11
    QT_TRANSLATE_NOOP("ZodiacSign", "Pisces"),      // 12
};

constexpr std::array<std::string_view, 12> MonthNames = {
    QT_TRANSLATE_NOOP("Month", "January"),   // 0
    QT_TRANSLATE_NOOP("Month", "February"),  // 1
    QT_TRANSLATE_NOOP("Month", "March"),     // 2
    QT_TRANSLATE_NOOP("Month", "April"),     // 3
    QT_TRANSLATE_NOOP("Month", "May"),       // 4
    QT_TRANSLATE_NOOP("Month", "June"),      // 5
    QT_TRANSLATE_NOOP("Month", "July"),      // 6
    QT_TRANSLATE_NOOP("Month", "August"),    // 7
    QT_TRANSLATE_NOOP("Month", "September"), // 8
    QT_TRANSLATE_NOOP("Month", "October"),   // 9
    QT_TRANSLATE_NOOP("Month", "November"),  // 10
    QT_TRANSLATE_NOOP("Month", "December"),  // 11
};

// Each slot covers the two hours before the one above it, so the list runs backwards through the day
// and "midnight-2am" sits next to "10pm-midnight".
constexpr std::array<std::string_view, 12> TimeSlots = {
    //: A two-hour slot of the day of birth, in the style of the language's clocks; the list is narrow.
    QT_TRANSLATE_NOOP("TimeSlot", "4am-6am"),       // 0: 04:00-06:00
    QT_TRANSLATE_NOOP("TimeSlot", "2am-4am"),       // 1: 02:00-04:00
    QT_TRANSLATE_NOOP("TimeSlot", "midnight-2am"),  // 2: 00:00-02:00
    QT_TRANSLATE_NOOP("TimeSlot", "10pm-midnight"), // 3: 22:00-24:00
    QT_TRANSLATE_NOOP("TimeSlot", "8pm-10pm"),      // 4: 20:00-22:00
    QT_TRANSLATE_NOOP("TimeSlot", "6pm-8pm"),       // 5: 18:00-20:00
    QT_TRANSLATE_NOOP("TimeSlot", "4pm-6pm"),       // 6: 16:00-18:00
    QT_TRANSLATE_NOOP("TimeSlot", "2pm-4pm"),       // 7: 14:00-16:00
    QT_TRANSLATE_NOOP("TimeSlot", "noon-2pm"),      // 8: 12:00-14:00
    QT_TRANSLATE_NOOP("TimeSlot", "10am-noon"),     // 9: 10:00-12:00
    QT_TRANSLATE_NOOP("TimeSlot", "8am-10am"),      // 10: 08:00-10:00
    QT_TRANSLATE_NOOP("TimeSlot", "6am-8am"),       // 11: 06:00-08:00
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
