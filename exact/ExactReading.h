// The exact reading: from a birth's local date, time (or only its two-hour slot) and place to the Imum Coeli,
// Ascendant and Midheaven, with every sentence that explains them. The exact-nadir window and quorvis-exact
// only present what this computes.
//
//   Request --PlaceClock::resolve--> UT instants (one; a gap's two; an overlap's two or more)
//           --ComputeAngles--> Candidates
//   slot only: the wall-clock minutes of the slot that showed there, the sign changes among them, the middle
//   of the time that really passed as the reading
//   date + slot --ReadNadir--> the quick reading, for comparison
//
// Qt Core only. Nothing here is guessed: input that cannot be read is refused with a sentence saying why.
#pragma once

#include "CivilTime.h"
#include "ExactInput.h"
#include "Places.h"
#include "WallTime.h"
#include "angles.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

#include <optional>
#include <string_view>

namespace quorvis::exact {

// ---- what a person gives (ExactInput.h reads it from typed text) -----------------------------------

struct Request
{
    QDate date;
    std::optional<QTime> time;            // the time of birth; without it, only the two-hour slot
    int slot = 0;                         // index into TimeSlots (0..11), used without a time
    double latitude = 0;                  // degrees north
    double longitude = 0;                 // degrees east
    const places::Place *place = nullptr; // the gazetteer's place, when chosen by name
    std::optional<places::Clock> clock;   // the place's zone, or an offset the person gave
    Zodiac zodiac = Zodiac::Tropical;     // the zodiac every longitude and sign is counted in

    bool operator==(const Request &) const = default;
};

// ---- what it gives back -------------------------------------------------------------------------------

// The nearest change of a nadir sign on one side of a reading's instant, within a day of it.
struct NadirSignChange
{
    int sign = 0;                    // after the reading: the sign it changes to; before it: the sign it was
    qint64 utSeconds = 0;            // the first second of the later sign
    places::WallTimeReading reading; // the clocks there at that second
    // The first whole minute of the later sign on the clocks there, and the clocks then: on the night the
    // clocks change, that minute may be shown in the other offset.
    qint64 minuteUtSeconds = 0;
    places::WallTimeReading minuteReading;
};

struct NadirSignChanges
{
    std::optional<NadirSignChange> before, after;
};

// One way the local time can be read: an instant and the angles there.
struct Candidate
{
    places::WallTimeReading reading;
    CivilTime local; // the local date and time of the reading, with its offset: made once, then formatted
    ChartAngles angles;
    int nadirSign = 0;   // index into ZodiacSigns of the IC's sign
    QString ic, asc, mc; // "Imum Coeli 14°07′ Capricorn", "Ascendant …", "Midheaven …"
    QString timeUsed;    // "10:30 BST (UTC+01:00) = 09:30 UT"
    QString choice;      // gap and overlap: "UTC+02:00, summer time" and the like, telling the readings apart

    // Quorvis's own rule: the nadir sign is the sign three on from the rising sign, here the sign of the
    // exact Ascendant (the fourth house counted by whole signs). Unreliable where the Ascendant is.
    int wholeSignNadir = 0;
    bool wholeSignNadirUnreliable = false;
    // "Nadir sign: Gemini, by the IC and by the rising sign alike", or both signs and why they differ.
    QString nadirSigns;
    // The nearest changes of each rule's sign; the whole-sign one not where the Ascendant is unreliable.
    NadirSignChanges icChanges, wholeSignChanges;
    // For a time of birth: "Your nadir sign changes to Libra at 10:47, 17 minutes later.", for each change
    // within NadirChangeNear of the reading.
    QStringList nadirChangesNear;

    // Whether the two rules name different signs; never where the rising sign is unreliable.
    bool nadirRulesDiffer() const { return !wholeSignNadirUnreliable && wholeSignNadir != nadirSign; }
};

// How near a change of the nadir sign is told: a birth time is rarely known closer than this.
inline constexpr qint64 NadirChangeNear = 30 * 60;

// Slot only: a sign of the IC and the first minute of the slot, on the clocks there, that it held.
struct SlotSign
{
    int sign = 0;
    CivilTime wall;
    places::WallTimeReading reading;
};

struct Result
{
    QString problem; // a sentence when the request cannot be read; nothing else is then set but the place
    bool internal = false; // the problem lies with the installed tz data or this program, not the request
    places::WallTimeKind kind = places::WallTimeKind::Normal;
    // One; for a gap two, with the offset before the jump and then the one after it (for a jump forward the
    // later instant first); for an overlap two or more, earliest instant first.
    QList<Candidate> candidates;
    QString ambiguity;         // gap or overlap: what the clocks did, and so why there are several readings
    QString readingsGiven;     // gap or overlap: "Both readings are given, the earlier first." and the like
    QString meanTimeNote;      // before standard time: the birthplace's own mean time was used
    QString polarNote;         // beyond the polar circles: why the Ascendant is unreliable
    QList<SlotSign> slotSigns; // slot only: the IC's sign at the slot's first minute, then each change
    QString slotChanges;       // "Pisces from 10:00, Aries from 11:23"
    QString slotJumps;         // "The clocks there jumped from 02:00 to 03:00 during this slot, so …"
    QString placeUsed; // PlaceText(): "London, England, United Kingdom: 51°30′ N, 0°07′ W, Europe/London"
    QString zodiac;    // ZodiacText(): "tropical zodiac", "sidereal zodiac, Lahiri ayanamsa 23°44′"
    QString quickSign;    // the quick reading's nadir sign for the same date and slot
    QString quickReading; // "Quick reading for the same day and slot: Aries"
    QString quickWhy;     // why the two can differ

    bool ok() const { return problem.isEmpty() && !candidates.isEmpty(); }
};

Result Compute(const Request &request);

// ---- pieces both front ends show ----------------------------------------------------------------------

// The slot (index into TimeSlots) whose two hours contain `time`, and the first minute of a slot.
int SlotOfTime(QTime time);
QTime SlotStart(int slot);

// "51°30′ N, 0°07′ W"
QString FormatCoordinates(double latitude, double longitude);
// A place's names as the reader of the language spoken is shown them (Language::Current()): "München, Bayern,
// Deutschland" in German, GeoNames's own in English.
places::ShownPlace ShownPlace(const places::Place &place);
QString PlaceName(const places::Place &place);
// "London, England, United Kingdom: 51°30′ N, 0°07′ W, Europe/London", the place as PlaceName() gives it;
// without a place, from the coordinates on. `clock` is a zone's name or "UTC+01:00".
QString PlaceText(const places::Place *place, double latitude, double longitude, const QString &clock);
// "BST (UTC+01:00)" where the clock names its time, else "UTC+05:45".
QString LocalTimeLabel(const places::WallTimeReading &reading);
// "BST", or "UTC+05:45" where the clock has no name for its time.
QString ClockName(const places::WallTimeReading &reading);

// "14°07′ Capricorn", with the sign in the language spoken.
QString SignPositionText(double longitude);
// A message of ComputeAngles in the language spoken.
QString AnglesMessage(std::string_view message);
// What the two definitions of the nadir sign mean, in two sentences.
QString NadirRulesText();

} // namespace quorvis::exact
