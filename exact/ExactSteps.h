// The steps of Compute that its two halves share: one instant read into a candidate, and the whole of a
// slot read when only the slot is known (SlotReading.cpp).
#pragma once

#include "ExactReading.h"

#include <functional>
#include <limits>

namespace quorvis::exact {

// The clock's reading `wallSeconds` (places::WallSeconds) as a civil date and time with its offset: the one
// place where a reading's wall time becomes a date. A time that never showed, in a gap, is given the offset
// before the jump, as the clock would have shown it without the change.
CivilTime ToCivil(qint64 wallSeconds, int offsetSeconds);
// The gap's edges, and the time in it that never showed, each on its clock.
struct CivilGap
{
    CivilTime from, to, wall;
};
CivilGap ToCivil(const places::WallTimeResolution &gap, qint64 wall);
std::vector<CivilChange> ToCivil(const std::vector<places::ClockChange> &changes);

// The angles and sentences of one reading of the local time; nothing, with `problem` set, when the angles
// cannot be computed there.
std::optional<Candidate> CandidateAt(const places::WallTimeReading &reading, const Request &request,
                                     QString *problem);
// Only the slot: its sign changes, what the clocks did in it, and the reading at its middle, into `r`.
void ReadSlot(Result &r, const Request &request, const places::PlaceClock &clock);
// The nearest changes of the candidate's nadir sign by each rule, a day either side at most
// (NadirChanges.cpp).
void FindNadirChanges(Candidate &c, const Request &request, const places::PlaceClock &clock);
// The sentences for those of them within NadirChangeNear.
QStringList NearNadirChanges(const Candidate &c);
// A change of sign that the sky's turn (TurnedAngles) put between the neighbouring steps `same`, where the
// sign `sign` still holds, and `other`, where it no longer does, of a walk through time, settled with exact
// angles: while the exact sign at `same` is another, the walk steps back; while the sky turned from there
// still shows `sign` at `other`, it steps on; where neither, the change lies between them. A step is a
// second for the nearest changes and a minute of the slot that showed for the slot's. Nothing when the
// angles cannot be computed, or when the walk leaves [lowest, highest].
struct SettleWalk
{
    std::function<std::optional<ChartAngles>(qint64 step)> exactAt;
    std::function<qint64(qint64 step)> utOf;
    std::function<int(const ChartAngles &)> signOf;
    double latitude = 0;
    qint64 lowest = std::numeric_limits<qint64>::min(), highest = std::numeric_limits<qint64>::max();
};
struct SettledChange
{
    qint64 same = 0, other = 0;
    int sign = 0; // at `other`
};
std::optional<SettledChange> Settle(const SettleWalk &walk, qint64 same, qint64 other, int sign);

} // namespace quorvis::exact
