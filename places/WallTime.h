// The clock on the wall at a birthplace, and what a local date and time there stands for in Universal Time.
//
//   typed text --Clock::parse--> a tz database zone or a fixed UTC offset (anything else: nothing)
//   Clock + the place's longitude = PlaceClock --resolve--> 0..2 UT instants: normal, gap or overlap
//
// Zone history comes from the tz database's compiled zone files, read by Abseil's time library wherever the
// program runs (never the platform's own zone data): found through TZDIR, the system's /usr/share/zoneinfo
// on Linux and a copy beside the program on Windows. Before a zone kept standard time, the birthplace's own
// local mean time stands in for the mean time of the zone's reference city, on the zone's own day.
//
// Qt Core only; the Abseil types stay inside WallTime.cpp.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>
#include <QTime>

#include <memory>
#include <optional>
#include <vector>

namespace quorvis::places {

// Wall-clock seconds: a local date and time counted like a UT instant, from 1970-01-01 00:00 on the same
// clock. Differences of them are differences on the clock's face.
qint64 WallSeconds(QDate date, QTime time);
QDate WallDate(qint64 wallSeconds);
QTime WallTimeOfDay(qint64 wallSeconds);

// What a birthplace's clock is: a zone of the tz database ("Europe/London", or a link name such as
// "Europe/Kiev"), or a fixed offset from UT that the user gave. Nothing else is accepted: no POSIX rule
// strings, no paths, no guesses.
class Clock
{
public:
    // The zone of that exact name, if the tz database has it.
    static std::optional<Clock> zone(QStringView name);
    // A fixed offset within UTC−12:00..UTC+14:00.
    static std::optional<Clock> fixedOffset(int seconds);
    // What a person typed for the clock: a zone name, or an offset written ±HH:MM (ASCII or U+2212 minus).
    static std::optional<Clock> parse(QStringView text);

    bool isFixedOffset() const { return m_name.isEmpty(); }
    int offsetSeconds() const { return m_offset; } // fixed offsets only
    // The zone's name, or "UTC+01:00" for a fixed offset.
    QString name() const;

    bool operator==(const Clock &) const = default;

private:
    Clock() = default;
    QString m_name; // empty for a fixed offset
    int m_offset = 0;
};

// Whether the tz database (as this program was built against it) names such a zone or link.
bool IsZoneName(QStringView name);
// The folder of the tz database's compiled zone files in use: TZDIR, which on Windows the program points at
// the copy beside it before the first zone is loaded; else the system's.
QString ZoneFilesDirectory();
// "2025b": the version of the tz data in use, from its own files; empty when they cannot be read.
QString TzDataVersion();

struct WallTimeReading
{
    qint64 utSeconds = 0;       // the instant, seconds since 1970-01-01T00:00:00Z
    int offsetSeconds = 0;      // local minus UT at that instant
    QString abbreviation;       // "BST", "CET", "LMT" (local mean time); empty where the clock has no name
                                // for its time (tzdata's "+0545", a fixed offset)
    bool localMeanTime = false; // before the zone kept standard time: the birthplace's own mean time was used
    bool summerTime = false;    // the larger offset of a seasonal change (never from the zone's DST flag)
};

enum class WallTimeKind { Normal, Gap, Overlap };

struct WallTimeResolution
{
    WallTimeKind kind = WallTimeKind::Normal;
    // Normal: one reading. Overlap: two (rarely more), earliest instant first.
    // Gap: two readings of the time that never showed, with the offset before and then the offset after the
    // jump (for a jump forward, the later instant first).
    QList<WallTimeReading> readings;
    // Gap only: where the clocks jumped, in wall-clock seconds: the first moment that never showed and the
    // first that showed again (02:00 and 03:00 of a spring change).
    qint64 gapFrom = 0, gapTo = 0;
};

// A change of the clocks at the place: the instant, and the clock's reading just before and at it.
struct ClockChange
{
    qint64 utSeconds = 0;
    qint64 wallBefore = 0; // wall seconds the clock would have shown at that instant without the change
    qint64 wallAfter = 0;  // wall seconds it showed
};

// A clock at a longitude: what a local time there meant.
class PlaceClock
{
public:
    // `longitude` (degrees east) gives local mean time before the zone kept standard time.
    PlaceClock(const Clock &clock, double longitude);
    ~PlaceClock();
    PlaceClock(const PlaceClock &) = default;
    PlaceClock &operator=(const PlaceClock &) = default;

    // False when the zone's data cannot be read (a name this build knows but the installed data lacks).
    bool isValid() const;

    WallTimeResolution resolve(QDate date, QTime time) const;
    WallTimeResolution resolve(qint64 wallSeconds) const;
    // The clock at one instant.
    WallTimeReading readingAt(qint64 utSeconds) const;
    // The changes of the clock with fromUt < instant <= toUt, in order.
    std::vector<ClockChange> changesBetween(qint64 fromUt, qint64 toUt) const;

private:
    struct Zone;
    std::shared_ptr<const Zone> m_zone; // null for a fixed offset
    int m_fixedOffset = 0;
    int m_meanTime = 0; // the birthplace's mean time, seconds east of Greenwich
    bool m_valid = true;

    // The clock's offset at an instant, with its name, and whether it is the birthplace's mean time.
    struct Offset
    {
        int seconds = 0;
        QString abbreviation;
        bool meanTime = false;
    };
    Offset offsetAt(qint64 ut) const;
    bool isSummerTime(qint64 ut, int offset) const;
    WallTimeReading reading(qint64 ut, qint64 period) const;
};

// "UTC+01:00", "UTC−03:30" (U+2212), with seconds where there are any ("UTC+00:53:28").
QString FormatUtcOffset(int seconds);

} // namespace quorvis::places
