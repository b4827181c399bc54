// The exact reading: from a birth's local date, time (or only its two-hour slot) and place to the Imum Coeli,
// Ascendant and Midheaven, with every sentence that explains them. The exact-nadir window and quorvis-exact
// only present what this computes.
//
//   Request --PlaceClock::resolve--> 1 or 2 UT instants (normal, gap, overlap) --ComputeAngles--> Candidates
//   slot only: the wall-clock minutes of the slot that showed there, the sign changes among them, the middle
//   of the time that really passed as the reading
//   date + slot --FindSunSign, FindRisingSign, FindNadirRow--> the quick reading, for comparison
//
// Qt Core only. Nothing here is guessed: input that cannot be read is refused with a sentence saying why.
#pragma once

#include "Places.h"
#include "WallTime.h"
#include "angles.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

#include <optional>

namespace quorvis::exact {

// ---- what a person gives, read the same way by the window and the command line ----------------------

// Birth dates the reading covers.
inline const QDate FirstBirthDate(1800, 1, 1);
inline const QDate LastBirthDate(2100, 12, 31);

// Decimal degrees: "51.5", "-0.13", "51,5" (a decimal comma); no exponents, words or degree signs. Nothing
// when malformed or beyond ±limit.
std::optional<double> ParseDegrees(QStringView text, double limit);

// The sentence for a clock that is neither a tz database zone nor an offset ±HH:MM within −12:00..+14:00.
QString UnknownClockMessage(const QString &text);
// The sentences for degrees that ParseDegrees refused.
QString BadLatitudeMessage(const QString &text);
QString BadLongitudeMessage(const QString &text);

struct Request
{
    QDate date;
    std::optional<QTime> time;            // the time of birth; without it, only the two-hour slot
    int slot = 0;                         // index into TimeSlots, used without a time
    double latitude = 0;                  // degrees north
    double longitude = 0;                 // degrees east
    const places::Place *place = nullptr; // the gazetteer's place, when chosen by name
    std::optional<places::Clock> clock;   // the place's zone, or an offset the person gave
};

// ---- what it gives back -------------------------------------------------------------------------------

// One way the local time can be read: an instant and the angles there.
struct Candidate
{
    places::WallTimeReading reading;
    ChartAngles angles;
    int nadirSign = 0;   // index into ZodiacSigns of the IC's sign
    QString ic, asc, mc; // "Imum Coeli 14°07′ Capricorn", "Ascendant …", "Midheaven …"
    QString timeUsed;    // "10:30 BST (UTC+01:00) = 09:30 UT"
    QString choice;      // gap and overlap: "UTC+02:00, summer time" and the like
};

// Slot only: a sign of the IC and the first minute of the slot, on the clocks there, that it held.
struct SlotSign
{
    int sign = 0;
    qint64 wallSeconds = 0;
    places::WallTimeReading reading;
};

struct Result
{
    QString problem; // a sentence when the request cannot be read; nothing else is then set but the place
    bool dataMissing = false; // the problem is the installed time-zone data's, not the request's
    places::WallTimeKind kind = places::WallTimeKind::Normal;
    QList<Candidate> candidates; // one, or two (rarely more) for a gap or an overlap, earlier instant first
    QString ambiguity;           // gap or overlap: what the clocks did, and so why there are two readings
    QString meanTimeNote;        // before standard time: the birthplace's own mean time was used
    QString polarNote;           // beyond the polar circles: why the Ascendant is unreliable
    QList<SlotSign> slotSigns;   // slot only: the IC's sign at the slot's first minute, then each change
    QString slotChanges;         // "Pisces from 10:00, Aries from 11:23"
    QString slotJumps;           // "The clocks there jumped from 02:00 to 03:00 during this slot, so …"
    QString placeUsed;           // "London, England, United Kingdom: 51°30′ N, 0°07′ W, Europe/London"
    QString quickSign;           // the quick reading's nadir sign for the same date and slot
    QString quickReading;        // "Quick reading for the same day and slot: Aries"
    QString quickWhy;            // why the two can differ

    bool ok() const { return problem.isEmpty() && !candidates.isEmpty(); }
};

Result Compute(const Request &request);

// ---- pieces both front ends show ----------------------------------------------------------------------

// The slot (index into TimeSlots) whose two hours contain `time`, and the first minute of a slot.
int SlotOfTime(QTime time);
QTime SlotStart(int slot);

// "51°30′ N, 0°07′ W"
QString FormatCoordinates(double latitude, double longitude);
// "BST (UTC+01:00)" where the zone names its time, else "UTC+05:45".
QString LocalTimeLabel(const places::WallTimeReading &reading);
// "1 hour", "1 hour 30 minutes", "45 minutes", "1 day"
QString FormatDuration(qint64 seconds);

QString SignName(int sign);

} // namespace quorvis::exact
