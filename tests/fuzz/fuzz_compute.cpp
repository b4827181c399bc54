// exact::Compute over any request, decoded from the input: dates around and beyond the years it covers, a
// time (valid or not) or any slot number, any coordinates (infinities and NaN included), a gazetteer place or
// none, a zone, an offset or no clock, any zodiac. It either refuses with a sentence or gives readings that hold
// together.
#include "ExactReading.h"
#include "ExactTexts.h"
#include "FuzzSupport.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <limits>

using namespace quorvis;

namespace {

double Degrees(FuzzedDataProvider &input, double limit)
{
    switch (input.ConsumeIntegralInRange(0, 7)) {
    case 0:
        return input.ConsumeFloatingPoint<double>();
    case 1:
        return std::numeric_limits<double>::quiet_NaN();
    case 2:
        return input.ConsumeBool() ? limit : -limit;
    default:
        return input.ConsumeFloatingPointInRange(-limit, limit);
    }
}

std::optional<places::Clock> AnyClock(FuzzedDataProvider &input, const places::Place *place)
{
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return std::nullopt;
    case 1:
        return places::Clock::fixedOffset(input.ConsumeIntegralInRange(-13 * 3600, 15 * 3600));
    case 2:
        return places::Clock::parse(QString::fromStdString(input.ConsumeRandomLengthString(40)));
    default: {
        const auto &all = places::Gazetteer::instance().places();
        const QString zone =
            place ? place->zone : all[input.ConsumeIntegralInRange<std::size_t>(0, all.size() - 1)].zone;
        return places::Clock::zone(zone);
    }
    }
}

exact::Request AnyRequest(FuzzedDataProvider &input)
{
    exact::Request request;
    const qint64 first = exact::FirstBirthDate.toJulianDay(), last = exact::LastBirthDate.toJulianDay();
    if (input.ConsumeIntegralInRange(0, 7) != 0) // else no date at all
        request.date = QDate::fromJulianDay(input.ConsumeIntegralInRange(first - 400, last + 400));
    if (input.ConsumeBool()) {
        if (input.ConsumeIntegralInRange(0, 15) == 0)
            request.time = QTime();
        else
            request.time = QTime(input.ConsumeIntegralInRange(0, 23), input.ConsumeIntegralInRange(0, 59),
                                 input.ConsumeIntegralInRange(0, 59));
    }
    request.slot = input.ConsumeIntegralInRange(0, 15) == 0 ? input.ConsumeIntegral<int>()
                                                            : input.ConsumeIntegralInRange(0, 11);
    if (input.ConsumeBool()) {
        const auto &all = places::Gazetteer::instance().places();
        request.place = &all[input.ConsumeIntegralInRange<std::size_t>(0, all.size() - 1)];
        request.latitude = request.place->latitude;
        request.longitude = request.place->longitude;
    } else {
        request.latitude = Degrees(input, 90);
        request.longitude = Degrees(input, 180);
    }
    request.clock = AnyClock(input, request.place);
    request.zodiac = AllZodiacs[input.ConsumeIntegralInRange<std::size_t>(0, AllZodiacs.size() - 1)];
    return request;
}

bool InDegrees(double angle) { return angle >= 0 && angle < 360; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const exact::Request request = AnyRequest(input);
    const exact::Result result = exact::Compute(request);
    if (!result.ok()) {
        FUZZ_CHECK(!result.problem.isEmpty());
        return 0;
    }
    const QList<exact::Candidate> &all = result.candidates;
    switch (result.kind) {
    case places::WallTimeKind::Normal:
        FUZZ_CHECK(all.size() == 1);
        break;
    case places::WallTimeKind::Gap: // the offset before the jump forward, then the one after it
        FUZZ_CHECK(all.size() == 2 && all[0].reading.offsetSeconds < all[1].reading.offsetSeconds);
        break;
    case places::WallTimeKind::Overlap: // earliest instant first
        FUZZ_CHECK(all.size() >= 2);
        for (qsizetype i = 1; i < all.size(); ++i)
            FUZZ_CHECK(all[i - 1].reading.utSeconds < all[i].reading.utSeconds);
        break;
    }
    if (result.kind != places::WallTimeKind::Normal)
        FUZZ_CHECK(!result.ambiguity.isEmpty() && !result.readingsGiven.isEmpty());
    for (const exact::Candidate &c : all) {
        FUZZ_CHECK(InDegrees(c.angles.ic) && InDegrees(c.angles.asc) && InDegrees(c.angles.mc));
        // The sign of the Imum Coeli rounded to the arc-minute, as it is written: the next sign only within
        // half an arc-minute of its start.
        const int sign = int(c.angles.ic / 30);
        const bool atTheNext = std::fmod(c.angles.ic, 30.0) >= 30.0 - 1.0 / 120.0;
        FUZZ_CHECK(c.nadirSign == sign || (atTheNext && c.nadirSign == (sign + 1) % 12));
        FUZZ_CHECK(c.ic.endsWith(exact::SignName(c.nadirSign)));
        FUZZ_CHECK(!c.ic.isEmpty() && !c.asc.isEmpty() && !c.mc.isEmpty() && !c.timeUsed.isEmpty());
    }
    FUZZ_CHECK(!result.placeUsed.isEmpty() && !result.quickSign.isEmpty());
    if (!request.time)
        FUZZ_CHECK(!result.slotSigns.isEmpty() && !result.slotChanges.isEmpty());
    return 0;
}
