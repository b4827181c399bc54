// Places of the world and their clocks: the compiled-in gazetteer (GeoNames cities of 15,000 people or more)
// with its search, and the resolution of a local wall time at a place to the instants in Universal Time it
// may stand for.
//
//   typed text --Gazetteer::search--> places (name, division, country, coordinates, IANA zone)
//   wall date and time + zone (+ longitude) --ResolveWallTime--> 0..2 UT instants: normal, gap or overlap
//
// Qt Core only. The gazetteer is loaded on first use, never at start-up.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>
#include <QTime>
#include <QTimeZone>

#include <vector>

namespace quorvis::places {

struct Place
{
    QString name;         // "London"
    QString admin1;       // name of the first-level division: "England"; may be empty
    QString country;      // "United Kingdom"
    QString countryCode;  // "GB"
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    QString zone;         // current IANA name, valid for QTimeZone: "Europe/London", "Europe/Kyiv"
    qint64 population = 0;

    // "London, England, United Kingdom"; the division is left out when empty or equal to the name.
    QString displayName() const;
};

class Gazetteer
{
public:
    // The one gazetteer, set up over the compiled-in index on the first call (thread-safe); its places and
    // their strings live as long as the program.
    static const Gazetteer &instance();

    // Case- and accent-insensitive prefix search over names and alternate names, in any script: the places
    // with a name equal to the text (their own or an alternate one, alike) by population, then those with a
    // name that starts with it, by population. At most `limit` places, each once.
    std::vector<const Place *> search(QStringView text, int limit = 10) const;

    const std::vector<Place> &places() const { return m_places; }

    Gazetteer(const Gazetteer &) = delete;
    Gazetteer &operator=(const Gazetteer &) = delete;
    ~Gazetteer();

private:
    Gazetteer();
    std::vector<Place> m_places;
    // search index: implementation's own
    struct Index;
    const Index *m_index = nullptr;
};

// The search key of a text, the one fold of both the gazetteer's names (at build time) and what is typed:
// compatibility forms made plain and case folded (Unicode), accents and apostrophes dropped, a few letters
// spelled out ("ß" -> "ss", "ł" -> "l"), anything neither letter nor digit a break between words, breaks
// as one space ("Saint-Étienne" -> "saint etienne", "İstanbul" -> "istanbul").
QString SearchKey(QStringView text);

// ---- local wall time -> Universal Time -------------------------------------------------------------

struct WallTimeReading
{
    qint64 utSeconds = 0;       // the instant, seconds since 1970-01-01T00:00:00Z
    int offsetSeconds = 0;      // local minus UT at that instant
    QString abbreviation;       // "BST", "CET", "LMT" (local mean time), "UTC+05:45" when the zone has none
    bool localMeanTime = false; // before the zone kept standard time: the birthplace's own mean time was used
    bool summerTime = false;    // the larger offset of a summer-time change (never from isDaylightTime())
};

enum class WallTimeKind { Normal, Gap, Overlap };

struct WallTimeResolution
{
    WallTimeKind kind = WallTimeKind::Normal;
    // Normal: one reading. Overlap: two, earlier instant first (usually the summer-time one).
    // Gap: two readings of the time that never showed, with the offset before and the offset after the jump.
    QList<WallTimeReading> readings;
    // Gap only: the clocks' jump, e.g. from 02:00 to 03:00 local time.
    QTime gapFrom, gapTo;
};

// Resolves a wall time at a place in an IANA zone. `longitude` (degrees east) gives local mean time before
// the zone adopted standard time. An invalid date, time or zone gives no readings.
WallTimeResolution ResolveWallTime(QDate date, QTime time, const QTimeZone &zone, double longitude);
// A fixed UTC offset given by the user overrides everything: always one reading.
WallTimeResolution ResolveWallTime(QDate date, QTime time, int utcOffsetSeconds);

// "+01:00" or "UTC+01:00" or "-03:30" to seconds; false when malformed or beyond ±14:00.
bool ParseUtcOffset(QStringView text, int *seconds);
// "UTC+01:00", "UTC−03:30" style label for an offset.
QString FormatUtcOffset(int seconds);

} // namespace quorvis::places
