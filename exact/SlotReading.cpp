// Only the two-hour slot: the slot is a range of wall-clock times, not of UT. Each of its 120 minutes is
// resolved at the place; a minute that fell into a gap never showed and is left out, one that showed twice
// counts twice. Among the instants that remain, in the order they happened, the IC's sign is followed: it
// changes at most a few times in two hours and never within ten minutes of its last change, so checking every
// tenth instant (and both ends of each stretch without a jump) sees every change, and halving finds its
// minute. The reading is taken at the middle of the time that really passed.
#include "ExactTexts.h"

#include <algorithm>

namespace quorvis::exact {

namespace {

struct Sample
{
    qint64 ut = 0;
    qint64 wall = 0;
    int sign = -1;
};

} // namespace

void ReadSlot(Result &r, const Request &request, const places::PlaceClock &clock)
{
    constexpr int Minutes = 120, Step = 10;
    const qint64 start = places::WallSeconds(request.date, SlotStart(request.slot));
    std::vector<Sample> samples;
    for (int minute = 0; minute < Minutes; ++minute) {
        const qint64 wall = start + 60 * minute;
        const places::WallTimeResolution resolution = clock.resolve(wall);
        if (resolution.kind != places::WallTimeKind::Gap)
            for (const places::WallTimeReading &reading : resolution.readings)
                samples.push_back({reading.utSeconds, wall});
    }
    std::sort(samples.begin(), samples.end(), [](const Sample &a, const Sample &b) { return a.ut < b.ut; });
    if (samples.empty()) {
        const places::WallTimeResolution resolution = clock.resolve(start);
        r.problem = QLatin1String("No minute of this slot showed on the clocks there. ") +
                    GapSentence(resolution.gapFrom, resolution.gapTo, start);
        return;
    }

    const auto signAt = [&](std::size_t i) {
        Sample &s = samples[i];
        if (s.sign < 0) {
            const AnglesResult a = ComputeAngles(s.ut, request.latitude, request.longitude);
            if (!a.ok()) {
                r.problem = QString::fromUtf8(a.message.data(), qsizetype(a.message.size()));
                return 0;
            }
            s.sign = ToSignPosition(a.angles.ic).sign;
        }
        return s.sign;
    };
    const std::size_t n = samples.size();
    const auto jumpsAfter = [&](std::size_t i) {
        return i + 1 < n && samples[i + 1].ut - samples[i].ut != 60;
    };
    std::vector<std::size_t> checkpoints;
    for (std::size_t i = 0; i < n; ++i)
        if (i % Step == 0 || i + 1 == n || jumpsAfter(i) || (i > 0 && jumpsAfter(i - 1)))
            checkpoints.push_back(i);

    const auto firstMinute = [&](std::size_t i) {
        return SlotSign{signAt(i), samples[i].wall, clock.readingAt(samples[i].ut)};
    };
    r.slotSigns << firstMinute(0);
    for (std::size_t k = 1; k < checkpoints.size() && r.problem.isEmpty(); ++k) {
        std::size_t lo = checkpoints[k - 1], hi = checkpoints[k];
        if (signAt(lo) == signAt(hi))
            continue;
        while (hi - lo > 1) {
            const std::size_t mid = (lo + hi) / 2;
            (signAt(mid) == signAt(lo) ? lo : hi) = mid;
        }
        r.slotSigns << firstMinute(hi);
    }
    if (!r.problem.isEmpty())
        return;

    // What the clocks did during the slot; then each time listed carries its zone's name, since the same
    // minute may have shown twice.
    // A change belongs to the slot when clock times it skipped or repeated lie in the slot.
    std::vector<places::ClockChange> changes;
    for (const places::ClockChange &c : clock.changesBetween(samples.front().ut - 1, samples.back().ut + 60))
        if (std::min(c.wallBefore, c.wallAfter) < start + Minutes * 60 &&
            std::max(c.wallBefore, c.wallAfter) > start)
            changes.push_back(c);
    QStringList phrases;
    for (const places::ClockChange &change : changes)
        phrases << ChangePhrase(change.wallBefore, change.wallAfter);
    if (!phrases.isEmpty())
        r.slotJumps = QLatin1String("The clocks there ") + phrases.join(QLatin1String(" and ")) +
                      QLatin1String(" during this slot, so it lasted ") + FormatDuration(qint64(n) * 60) +
                      QLatin1Char('.');
    QStringList listed;
    for (const SlotSign &s : std::as_const(r.slotSigns))
        listed << SignName(s.sign) + QLatin1String(" from ") + ClockText(s.wallSeconds) +
                      (changes.empty() ? QString() : QLatin1Char(' ') + s.reading.abbreviation);
    r.slotChanges = listed.join(QLatin1String(", "));

    // The middle of the time that passed: each sample stands for the minute that follows it.
    const qint64 half = qint64(n) * 30;
    const qint64 middle = samples[std::size_t(half / 60)].ut + half % 60;
    if (std::optional<Candidate> c = CandidateAt(clock.readingAt(middle), request, &r.problem)) {
        c->timeUsed += QLatin1String(", the middle of the slot");
        r.candidates << *c;
    }
}

} // namespace quorvis::exact
