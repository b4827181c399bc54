// Only the two-hour slot: the slot is a range of wall-clock times, not of UT. Each of its 120 minutes is
// resolved at the place; a minute that fell into a gap never showed and is left out, one that showed twice
// counts twice. Among the instants that remain, in the order they happened, the IC's sign is followed: it
// changes at most a few times in two hours and never within ten minutes of its last change, so checking every
// tenth instant (and both ends of each stretch without a jump) sees every change, halving finds its minute,
// and exact angles settle it (Settle), as they do a reading's nearest changes. The reading is taken at the
// middle of the time that really passed.
#include "ExactSteps.h"
#include "ExactTexts.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace quorvis::exact {

namespace {

constexpr int SlotMinutes = 120;

// A minute of the slot that showed on the clocks: its instant, its wall time, and the IC's sign once known.
struct Sample
{
    qint64 ut = 0;
    qint64 wall = 0;
    int sign = -1;
};

// The minutes of the slot from `start` that showed, in the order they happened.
std::vector<Sample> minutesThatShowed(const places::PlaceClock &clock, qint64 start)
{
    std::vector<Sample> samples;
    for (int minute = 0; minute < SlotMinutes; ++minute) {
        const qint64 wall = start + 60 * minute;
        const places::WallTimeResolution resolution = clock.resolve(wall);
        if (resolution.kind != places::WallTimeKind::Gap)
            for (const places::WallTimeReading &reading : resolution.readings)
                samples.push_back({reading.utSeconds, wall});
    }
    std::sort(samples.begin(), samples.end(), [](const Sample &a, const Sample &b) { return a.ut < b.ut; });
    return samples;
}

// The IC's sign at the first sample and the samples where it changes; `problem` set when the angles cannot be
// computed. The signs of the first and last samples are the exact ones, the others the sky's turn from the
// first; the sign is compared at every tenth sample and at both ends of each stretch without a jump, each
// change found is halved down to its minute, and then settled with exact angles (Settle).
std::vector<std::size_t> signChanges(std::vector<Sample> &samples, const Request &request, QString *problem)
{
    const std::size_t n = samples.size();
    const auto exactAt = [&](qint64 i) -> std::optional<ChartAngles> {
        const AnglesResult a =
            ComputeAngles(samples[std::size_t(i)].ut, request.latitude, request.longitude, request.zodiac);
        if (!a.ok()) {
            *problem = AnglesMessage(a.message);
            return std::nullopt;
        }
        return a.angles;
    };
    const auto icSign = [](const ChartAngles &a) { return ToSignPosition(a.ic).sign; };
    const std::optional<ChartAngles> first = exactAt(0), last = exactAt(qint64(n) - 1);
    if (!first || !last)
        return {0};
    samples.front().sign = icSign(*first);
    samples.back().sign = icSign(*last);
    const auto signAt = [&](std::size_t i) {
        Sample &s = samples[i];
        if (s.sign < 0) {
            const std::optional<ChartAngles> turned =
                TurnedAngles(*first, samples[0].ut, s.ut, request.latitude);
            if (!turned) {
                *problem = AnglesMessage(MsgInstantOutOfRange);
                return 0;
            }
            s.sign = icSign(*turned);
        }
        return s.sign;
    };

    constexpr std::size_t Step = 10;
    const auto jumpsAfter = [&](std::size_t i) {
        return i + 1 < n && samples[i + 1].ut - samples[i].ut != 60;
    };
    std::vector<std::size_t> checkpoints;
    for (std::size_t i = 0; i < n; ++i)
        if (i % Step == 0 || i + 1 == n || jumpsAfter(i) || (i > 0 && jumpsAfter(i - 1)))
            checkpoints.push_back(i);

    SettleWalk walk{exactAt, [&](qint64 i) { return samples[std::size_t(i)].ut; }, icSign, request.latitude};
    walk.lowest = 0;
    walk.highest = qint64(n) - 1;
    std::vector<std::size_t> changes{0};
    for (std::size_t k = 1; k < checkpoints.size() && problem->isEmpty(); ++k) {
        std::size_t lo = checkpoints[k - 1], hi = checkpoints[k];
        if (signAt(lo) == signAt(hi))
            continue;
        while (hi - lo > 1) {
            const std::size_t mid = (lo + hi) / 2;
            (signAt(mid) == signAt(lo) ? lo : hi) = mid;
        }
        // A walk that leaves the slot found a change just beyond it.
        if (const std::optional<SettledChange> settled =
                Settle(walk, qint64(lo), qint64(hi), samples[lo].sign)) {
            samples[std::size_t(settled->other)].sign = settled->sign;
            changes.push_back(std::size_t(settled->other));
        }
    }
    return changes;
}

// The changes of the clocks that skipped or repeated clock times of the slot from `start`.
std::vector<places::ClockChange> changesInSlot(const places::PlaceClock &clock,
                                               const std::vector<Sample> &samples, qint64 start)
{
    std::vector<places::ClockChange> changes;
    for (const places::ClockChange &c : clock.changesBetween(samples.front().ut - 1, samples.back().ut + 60))
        if (std::min(c.wallBefore, c.wallAfter) < start + SlotMinutes * 60 &&
            std::max(c.wallBefore, c.wallAfter) > start)
            changes.push_back(c);
    return changes;
}

} // namespace

void ReadSlot(Result &r, const Request &request, const places::PlaceClock &clock)
{
    const qint64 start = places::WallSeconds(request.date, SlotStart(request.slot));
    std::vector<Sample> samples = minutesThatShowed(clock, start);
    if (samples.empty()) {
        const CivilGap gap = ToCivil(clock.resolve(start), start);
        r.problem = QCoreApplication::translate("ExactReading",
                                                "No minute of this slot showed on the clocks there. %1",
                                                "%1: what the clocks did")
                        .arg(GapSentence(gap.from, gap.to, gap.wall));
        return;
    }

    for (const std::size_t i : signChanges(samples, request, &r.problem)) {
        const places::WallTimeReading reading = clock.readingAt(samples[i].ut);
        r.slotSigns << SlotSign{samples[i].sign, ToCivil(samples[i].wall, reading.offsetSeconds), reading};
    }
    if (!r.problem.isEmpty())
        return;

    // When the clocks changed during the slot, each time listed carries its clock's name, since the same
    // minute may have shown twice.
    const qint64 n = qint64(samples.size());
    const std::vector<places::ClockChange> changes = changesInSlot(clock, samples, start);
    if (!changes.empty())
        r.slotJumps = SlotChangesSentence(ToCivil(changes), n * 60);
    QStringList listed;
    for (const SlotSign &s : std::as_const(r.slotSigns))
        listed << (changes.empty()
                       ? QCoreApplication::translate("ExactReading", "%1 from %2", "a sign from a clock time")
                             .arg(SignName(s.sign), ClockText(s.wall))
                       : QCoreApplication::translate("ExactReading", "%1 from %2 %3",
                                                     "a sign from a clock time and its clock")
                             .arg(SignName(s.sign), ClockText(s.wall), ClockName(s.reading)));
    r.slotChanges = listed.join(QLatin1String(", "));

    // The middle of the time that passed: each sample stands for the minute that follows it.
    const qint64 half = n * 30;
    const qint64 middle = samples[std::size_t(half / 60)].ut + half % 60;
    if (std::optional<Candidate> c = CandidateAt(clock.readingAt(middle), request, &r.problem)) {
        c->timeUsed =
            QCoreApplication::translate("ExactReading", "%1, the middle of the slot", "the time used")
                .arg(c->timeUsed);
        r.candidates << *c;
    }
}

} // namespace quorvis::exact
