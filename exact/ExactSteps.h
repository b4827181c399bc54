// The steps of Compute that its two halves share: one instant read into a candidate, and the whole of a
// slot read when only the slot is known (SlotReading.cpp).
#pragma once

#include "ExactReading.h"

namespace quorvis::exact {

// The clock's reading `wallSeconds` (places::WallSeconds) as a civil date and time with its offset: the one
// place where a reading's wall time becomes a date.
CivilTime ToCivil(qint64 wallSeconds, int offsetSeconds = 0);
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
// The angles at `ut` by the sky's steady turn at the sidereal rate from the exact angles `from` at `fromUt`,
// nutation, obliquity and ayanamsa held (the ayanamsa moves by less than 0.3″ a day): within a day, the
// sidereal time is off by less than 0.2″ (a hundredth of a second of time), so a sign found this way is the
// exact one but within that of its change. Nothing beyond the years the angles are computed for.
std::optional<ChartAngles> TurnedAngles(const ChartAngles &from, qint64 fromUt, qint64 ut, double latitude);

} // namespace quorvis::exact
