// How near a reading's nadir sign is to changing. A birth time is rarely known to the minute, so the reading
// names a change of its sign within half an hour either side, by each rule: the Imum Coeli's sign, and the
// sign three on from the rising sign. (A few kilometres of the birthplace move the angles as little as a few
// seconds of time do: 5 km east or west shifts the sidereal time by at most 20 s below the polar circles.)
//
// Each rule's sign, as shown (rounded to the arc-minute), is followed outward from the reading in steps of
// ten minutes, and each change found is halved down to its second, keeping to the reading's sign: near the
// polar circles a rising sign can begin and end within one step. Only the reading's own instant and one
// instant at each change get the full computation (nutation's series being most of its cost); between them
// the sky turns at the sidereal rate, nutation and obliquity held (TurnedAngles). Within a day of the reading
// that puts the sidereal time off by less than 0.2″, a hundredth of a second of time, so the search finds the
// right second or its neighbour; the exact angles at that second then settle it (Settle), since over one
// second of turning they are off by a millionth of an arc-second.

#include "ExactSteps.h"
#include "ExactTexts.h"
#include "reading.h"

#include <map>

namespace quorvis::exact {

namespace {

constexpr qint64 Step = 10 * 60;
constexpr qint64 Reach = 24 * 3600; // every sign of either rule changes within a day below the polar circles

struct Signs
{
    int ic = 0, wholeSign = 0;
};

Signs signsOf(const ChartAngles &a)
{
    return Signs{ToSignPosition(a.ic).sign, NadirSignIndex(ToSignPosition(a.asc).sign)};
}

// The exact angles at the instants asked for, each computed once.
class AnglesAt
{
public:
    explicit AnglesAt(const Request &request) : m_request(request) {}
    std::optional<ChartAngles> operator()(qint64 ut)
    {
        if (const auto known = m_known.find(ut); known != m_known.end())
            return known->second;
        const AnglesResult a = ComputeAngles(ut, m_request.latitude, m_request.longitude, m_request.zodiac);
        const std::optional<ChartAngles> angles = a.ok() ? std::optional(a.angles) : std::nullopt;
        m_known.emplace(ut, angles);
        return angles;
    }
    double latitude() const { return m_request.latitude; }

private:
    const Request &m_request;
    std::map<qint64, std::optional<ChartAngles>> m_known;
};

// The nearest change of one rule's sign on the side `direction` (+1 later, -1 earlier) of `from`.
std::optional<NadirSignChange> nearestChange(AnglesAt &anglesAt, int Signs::*rule, qint64 from, int direction,
                                             const places::PlaceClock &clock)
{
    const std::optional<ChartAngles> start = anglesAt(from);
    if (!start)
        return std::nullopt;
    const auto signAt = [&](const ChartAngles &anchor, qint64 anchorUt, qint64 ut) -> std::optional<int> {
        const std::optional<ChartAngles> turned = TurnedAngles(anchor, anchorUt, ut, anglesAt.latitude());
        return turned ? std::optional(signsOf(*turned).*rule) : std::nullopt;
    };
    const int sign = signsOf(*start).*rule;
    qint64 same = from; // the sign still holds here ...
    qint64 other = 0;   // ... and no longer here
    for (qint64 reached = Step;; reached += Step) {
        if (reached > Reach)
            return std::nullopt;
        other = from + direction * reached;
        const std::optional<int> there = signAt(*start, from, other);
        if (!there)
            return std::nullopt;
        if (*there != sign)
            break;
        same = other;
    }
    while (std::abs(other - same) > 1) {
        const qint64 middle = same + (other - same) / 2;
        (signAt(*start, from, middle) == sign ? same : other) = middle;
    }
    const SettleWalk walk{std::ref(anglesAt), [](qint64 ut) { return ut; },
                          [rule](const ChartAngles &a) { return signsOf(a).*rule; }, anglesAt.latitude()};
    const std::optional<SettledChange> settled = Settle(walk, same, other, sign);
    if (!settled)
        return std::nullopt;
    NadirSignChange change;
    change.sign = settled->sign;
    change.utSeconds = direction > 0 ? settled->other : settled->same;
    change.reading = clock.readingAt(change.utSeconds);
    const qint64 intoMinute = ((change.utSeconds + change.reading.offsetSeconds) % 60 + 60) % 60;
    change.minuteUtSeconds = change.utSeconds + (intoMinute ? 60 - intoMinute : 0);
    change.minuteReading = clock.readingAt(change.minuteUtSeconds);
    return change;
}

} // namespace

std::optional<SettledChange> Settle(const SettleWalk &walk, qint64 same, qint64 other, int sign)
{
    const qint64 direction = other > same ? 1 : -1;
    for (int tries = 0; tries < 60; ++tries) {
        if (std::min(same, other) < walk.lowest || std::max(same, other) > walk.highest)
            return std::nullopt;
        const std::optional<ChartAngles> exact = walk.exactAt(same);
        if (!exact)
            return std::nullopt;
        const std::optional<ChartAngles> after =
            TurnedAngles(*exact, walk.utOf(same), walk.utOf(other), walk.latitude);
        if (!after)
            return std::nullopt;
        if (walk.signOf(*exact) != sign) {
            other = same;
            same -= direction;
        } else if (walk.signOf(*after) == sign) {
            same = other;
            other += direction;
        } else {
            return SettledChange{same, other, walk.signOf(*after)};
        }
    }
    return std::nullopt;
}

void FindNadirChanges(Candidate &c, const Request &request, const places::PlaceClock &clock)
{
    const qint64 ut = c.reading.utSeconds;
    AnglesAt anglesAt(request);
    c.icChanges = {nearestChange(anglesAt, &Signs::ic, ut, -1, clock),
                   nearestChange(anglesAt, &Signs::ic, ut, +1, clock)};
    if (!c.wholeSignNadirUnreliable)
        c.wholeSignChanges = {nearestChange(anglesAt, &Signs::wholeSign, ut, -1, clock),
                              nearestChange(anglesAt, &Signs::wholeSign, ut, +1, clock)};
}

QStringList NearNadirChanges(const Candidate &c)
{
    const qint64 ut = c.reading.utSeconds;
    const auto near = [ut](const std::optional<NadirSignChange> &change) {
        return change && std::abs(change->utSeconds - ut) <= NadirChangeNear ? change : std::nullopt;
    };
    const auto moment = [ut](const NadirSignChange &change) {
        const auto civil = [](qint64 at, const places::WallTimeReading &clocks) {
            return ToCivil(at + clocks.offsetSeconds, clocks.offsetSeconds);
        };
        return ChangeMoment{civil(change.utSeconds, change.reading), change.utSeconds - ut,
                            civil(change.minuteUtSeconds, change.minuteReading), change.minuteUtSeconds - ut};
    };
    const auto sentence = [&moment](NadirRule rule, const NadirSignChange &change) {
        return NadirChangeSentence(rule, change.sign, moment(change));
    };
    // The time a sentence would say.
    const auto when = [&moment](const NadirSignChange &change) { return NadirChangeWhen(moment(change)); };
    QStringList sentences;
    for (const auto side : {&NadirSignChanges::before, &NadirSignChanges::after}) {
        const std::optional<NadirSignChange> ic = near(c.icChanges.*side);
        const std::optional<NadirSignChange> wholeSign = near(c.wholeSignChanges.*side);
        // One sentence where there is one nadir sign to speak of: where the rising sign is unreliable, or
        // where the two rules name one sign and change it alike, at the time the sentence would say.
        if (c.wholeSignNadirUnreliable) {
            if (ic)
                sentences << sentence(NadirRule::Unnamed, *ic);
        } else if (ic && wholeSign && !c.nadirRulesDiffer() && ic->sign == wholeSign->sign &&
                   when(*ic) == when(*wholeSign)) {
            sentences << sentence(NadirRule::Unnamed, *ic);
        } else {
            if (ic)
                sentences << sentence(NadirRule::ImumCoeli, *ic);
            if (wholeSign)
                sentences << sentence(NadirRule::RisingSign, *wholeSign);
        }
    }
    return sentences;
}

} // namespace quorvis::exact
