// The exact reading's own pieces, shared by its two halves (a time of birth, only a slot); not for the
// front ends.
#pragma once

#include "ExactReading.h"

namespace quorvis::exact {

// "The clocks there jumped from 02:00 to 03:00 on 28 March 2021, so 02:30 never showed there." With dates
// on both sides when the jump crosses midnight or lasts a day, and the days that never happened named.
QString GapSentence(qint64 gapFrom, qint64 gapTo, qint64 wall);
// "The clocks there went back from 03:00 to 02:00 on 31 October 2021, so 02:30 showed twice there."
QString OverlapSentence(qint64 wallBefore, qint64 wallAfter, qint64 wall);
// "jumped from 02:00 to 03:00" or "went back from 03:00 to 02:00", with dates as above and the day last.
QString ChangePhrase(qint64 wallBefore, qint64 wallAfter);
// "10:30 BST (UTC+01:00) = 09:30 UT", with the day when UT falls on another one.
QString TimeUsedText(const places::WallTimeReading &reading);
// "10:30", or "10:30:15" when there are seconds.
QString ClockText(qint64 wallSeconds);

std::optional<Candidate> CandidateAt(const places::WallTimeReading &reading, const Request &request,
                                     QString *problem);
void ReadSlot(Result &r, const Request &request, const places::PlaceClock &clock);

} // namespace quorvis::exact
