// The exact reading as the exact-nadir window shows it: from the window's inputs (date, time or two-hour
// slot, and a place or coordinates with a zone or a UTC offset) to the texts of its result labels.
//
//   inputs --ResolveWallTime--> 1 or 2 UT instants (normal, gap, overlap) --ComputeAngles--> IC, ASC, MC
//   texts slot only: the IC sampled minute by minute over the two hours, the sign at the middle as the
//   reading date + slot --FindSunSign, FindRisingSign, FindNadirRow--> the quick reading, for comparison
//
// No widgets: the window, the reading card and the benchmark share it.
#pragma once

#include "Places.h"
#include "angles.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

#include <optional>

namespace quorvis::exact {

struct Inputs
{
    QDate date;
    QTime time; // used unless slotOnly
    bool slotOnly = false;
    int slot = 0; // index into TimeSlots, used when slotOnly
    bool havePosition = false;
    double latitude = 0;  // degrees north
    double longitude = 0; // degrees east
    QString placeName;    // "London, England, United Kingdom"; empty for typed coordinates
    QString zone;         // IANA zone; ignored when utcOffset is set
    std::optional<int> utcOffsetSeconds;
};

// One way the local time can be read: an instant and the angles there.
struct Candidate
{
    places::WallTimeReading reading;
    ChartAngles angles;
    QString ic, asc, mc; // "Imum Coeli 14°07′ Capricorn", "Ascendant …", "Midheaven …"
    QString timeUsed;    // "10:30 BST (UTC+01:00) = 09:30 UT"
    QString choice;      // gap and overlap: "UTC+02:00, summer time" and the like
    int nadirSign = 0;   // index into ZodiacSigns of the IC's sign
};

struct Result
{
    bool complete = false; // false: the inputs are not yet enough for a reading
    QString problem;       // a sentence when the inputs are complete but cannot be read
    places::WallTimeKind kind = places::WallTimeKind::Normal;
    QList<Candidate> candidates; // one, or two for a gap or an overlap (the first is shown until chosen)
    QString explanation;         // gap, overlap or local mean time; empty otherwise
    QString polarNote;           // beyond the polar circles: why the Ascendant is unreliable
    QString slotChanges;         // slot only: "Pisces from 10:00, Aries from 11:23"
    QString placeUsed;           // "London, England, United Kingdom: 51°30′ N, 0°07′ W, Europe/London"
    QString quickSign;           // the quick reading's nadir sign for the same date and slot
    QString quickReading;        // "Quick reading for the same day and slot: Aries"
    QString quickWhy;            // why the two can differ
};

Result Compute(const Inputs &inputs);

// The slot (index into TimeSlots) whose two hours contain `time`.
int SlotOfTime(QTime time);
// The first minute of a slot.
QTime SlotStart(int slot);

// "51°30′ N, 0°07′ W"
QString FormatCoordinates(double latitude, double longitude);

QString SignName(int sign);

} // namespace quorvis::exact
