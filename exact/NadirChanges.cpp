// How near a reading's nadir sign is to changing. A birth time is rarely known to the minute, so the reading
// names a change of its sign within half an hour either side, by each rule: the Imum Coeli's sign, and the
// sign three on from the rising sign. (A few kilometres of the birthplace move the angles as little as a few
// seconds of time do: 5 km east or west shifts the sidereal time by at most 20 s below the polar circles.)
//
// Each rule's sign, as shown (rounded to the arc-minute), is followed outward from the reading in steps of
// ten minutes, in which no sign begins and ends, and each change found is halved down to its second.
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

// The signs at instants asked for, each computed once; nothing beyond the years the angles are computed for.
class SignsAt
{
public:
    explicit SignsAt(const Request &request) : m_request(request) {}
    std::optional<Signs> operator()(qint64 ut)
    {
        if (const auto known = m_known.find(ut); known != m_known.end())
            return known->second;
        const AnglesResult a = ComputeAngles(ut, m_request.latitude, m_request.longitude);
        std::optional<Signs> signs;
        if (a.ok())
            signs = Signs{ToSignPosition(a.angles.ic).sign, NadirSignIndex(ToSignPosition(a.angles.asc).sign)};
        m_known.emplace(ut, signs);
        return signs;
    }

private:
    const Request &m_request;
    std::map<qint64, std::optional<Signs>> m_known;
};

// The nearest change of one rule's sign on the side `direction` (+1 later, -1 earlier) of `from`.
std::optional<NadirSignChange> nearestChange(SignsAt &signsAt, int Signs::*rule, qint64 from, int direction,
                                             const places::PlaceClock &clock)
{
    const std::optional<Signs> start = signsAt(from);
    if (!start)
        return std::nullopt;
    const int sign = (*start).*rule;
    qint64 same = from; // the sign still holds here ...
    for (qint64 reached = Step; reached <= Reach; reached += Step) {
        qint64 other = from + direction * reached; // ... and perhaps no longer here
        const std::optional<Signs> there = signsAt(other);
        if (!there)
            return std::nullopt;
        if ((*there).*rule == sign) {
            same = other;
            continue;
        }
        while (std::abs(other - same) > 1) {
            const qint64 middle = same + (other - same) / 2;
            const std::optional<Signs> at = signsAt(middle);
            if (!at)
                return std::nullopt;
            ((*at).*rule == sign ? same : other) = middle;
        }
        NadirSignChange change;
        change.sign = (*signsAt(other)).*rule;
        change.utSeconds = direction > 0 ? other : same;
        change.reading = clock.readingAt(change.utSeconds);
        return change;
    }
    return std::nullopt;
}

} // namespace

void FindNadirChanges(Candidate &c, const Request &request, const places::PlaceClock &clock)
{
    SignsAt signsAt(request);
    const qint64 ut = c.reading.utSeconds;
    c.icChanges = {nearestChange(signsAt, &Signs::ic, ut, -1, clock),
                   nearestChange(signsAt, &Signs::ic, ut, +1, clock)};
    if (!c.wholeSignNadirUnreliable)
        c.wholeSignChanges = {nearestChange(signsAt, &Signs::wholeSign, ut, -1, clock),
                              nearestChange(signsAt, &Signs::wholeSign, ut, +1, clock)};
}

QStringList NearNadirChanges(const Candidate &c)
{
    const qint64 ut = c.reading.utSeconds;
    const auto near = [ut](const std::optional<NadirSignChange> &change) {
        return change && std::abs(change->utSeconds - ut) <= NadirChangeNear ? change : std::nullopt;
    };
    const auto sentence = [ut](NadirRule rule, const NadirSignChange &change) {
        return NadirChangeSentence(rule, change.sign,
                                   ToCivil(change.utSeconds + change.reading.offsetSeconds,
                                           change.reading.offsetSeconds),
                                   change.utSeconds - ut);
    };
    QStringList sentences;
    for (const auto side : {&NadirSignChanges::before, &NadirSignChanges::after}) {
        const std::optional<NadirSignChange> ic = near(c.icChanges.*side);
        const std::optional<NadirSignChange> wholeSign = near(c.wholeSignChanges.*side);
        // One sentence where there is one nadir sign to speak of: where the rising sign is unreliable, or
        // where the two rules name one sign and change it alike, within the same minute.
        if (c.wholeSignNadirUnreliable) {
            if (ic)
                sentences << sentence(NadirRule::Unnamed, *ic);
        } else if (ic && wholeSign && !c.nadirRulesDiffer() && ic->sign == wholeSign->sign &&
                   std::abs(ic->utSeconds - wholeSign->utSeconds) < 60) {
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
