// A clock as the window's "Time zone" field, --zone and --utc-offset take it: an offset ±HH:MM (+, -, U+2212)
// within −12:00..+14:00, or exactly a zone name of the tz database, whose installed data can then be read;
// --utc-offset only the first.
#include "ExactInput.h"
#include "FuzzSupport.h"

using namespace quorvis;

namespace {

bool WrittenAsOffset(const QString &text)
{
    if (text.size() != 6 || (text[0] != u'+' && text[0] != u'-' && text[0] != u'\u2212') || text[3] != u':')
        return false;
    for (int i : {1, 2, 4, 5})
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    return true;
}

// The offset in seconds that a text written [+-−]HH:MM names, when it is one the clock may have.
std::optional<int> ExpectedOffset(const QString &text)
{
    const auto number = [&](int at) {
        return (text[at].unicode() - u'0') * 10 + (text[at + 1].unicode() - u'0');
    };
    const int seconds = (text[0] == u'+' ? 1 : -1) * (number(1) * 3600 + number(4) * 60);
    if (number(4) >= 60 || seconds < -12 * 3600 || seconds > 14 * 3600)
        return std::nullopt;
    return seconds;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = fuzz::Text(data, size);
    const std::optional<places::Clock> clock = places::Clock::parse(text);
    QString problem;
    const std::optional<places::Clock> offset = exact::ReadUtcOffset(text, &problem);
    FUZZ_CHECK(offset.has_value() == problem.isEmpty());
    if (WrittenAsOffset(text)) {
        const std::optional<int> expected = ExpectedOffset(text);
        FUZZ_CHECK(clock.has_value() == expected.has_value() && offset.has_value() == expected.has_value());
        if (clock)
            FUZZ_CHECK(clock->isFixedOffset() && clock->offsetSeconds() == *expected && *offset == *clock);
        return 0;
    }
    FUZZ_CHECK(!offset);
    FUZZ_CHECK(clock.has_value() == places::IsZoneName(text));
    if (!clock)
        return 0;
    FUZZ_CHECK(!clock->isFixedOffset() && clock->name() == text);
    const places::PlaceClock placeClock(*clock, 0);
    FUZZ_CHECK(placeClock.isValid());
    const places::WallTimeResolution now = placeClock.resolve(QDate(2000, 1, 1), QTime(12, 0));
    FUZZ_CHECK(now.kind == places::WallTimeKind::Normal && now.readings.size() == 1);
    return 0;
}
