// The angles of a chart: from an instant in Universal Time and a place on the Earth to the right ascension of
// the meridian (RAMC), the Midheaven (MC), the Imum Coeli (IC, the nadir), the Ascendant and the Descendant,
// as ecliptic longitudes of the true equinox of date (the tropical zodiac), or counted from a sidereal
// zodiac's starting point, that many degrees (the ayanamsa) further on.
//
//   UT instant --ERFA: apparent sidereal time, true obliquity--> RAMC, epsilon --two formulas--> MC, ASC
//              --ERFA: precession and nutation in longitude--> ayanamsa (sidereal zodiacs only)
//
// Pure C++ over ERFA (the IAU SOFA routines); only the two spherical-trigonometry formulas are ours.
#pragma once

#include "translatable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvis {

// The instants the angles are computed for: the local dates of a reading (1800 to 2100) on any clock, so two
// days either side (a birthplace's mean time on its zone's day lies up to 28 hours from UT: Manila's towns
// kept American dates until 1844).
inline constexpr std::int64_t FirstChartInstant = -5364835200; // 1799-12-30T00:00:00Z, seconds since 1970
inline constexpr std::int64_t LastChartInstant = 4134153600;   // 2101-01-03T00:00:00Z

// The zodiac a chart's longitudes are counted in: the tropical one (from the equinox of date, as Western
// astrology counts) or a sidereal one, fixed among the stars, by one of the ayanamsas of Indian and Western
// sidereal astrology.
enum class Zodiac { Tropical, Lahiri, Raman, Krishnamurti, FaganBradley };
inline constexpr std::array AllZodiacs{Zodiac::Tropical, Zodiac::Lahiri, Zodiac::Raman, Zodiac::Krishnamurti,
                                       Zodiac::FaganBradley};
// "tropical", "lahiri", "raman", "krishnamurti", "fagan-bradley": the names of the command line, the JSON
// and the settings.
std::string_view ZodiacKey(Zodiac zodiac);
std::optional<Zodiac> ZodiacFromKey(std::string_view key);

struct ChartAngles
{
    double ramc = 0;      // right ascension of the meridian, degrees [0, 360)
    double mc = 0;        // Midheaven, ecliptic longitude in degrees [0, 360), in the chart's zodiac
    double ic = 0;        // Imum Coeli = MC + 180°
    double asc = 0;       // Ascendant
    double dsc = 0;       // Descendant = ASC + 180°
    double obliquity = 0; // true obliquity of the ecliptic, degrees
    double ayanamsa = 0;  // the sidereal zodiac's start as a tropical longitude, degrees; 0 for the tropical
    // Beyond the polar circles (|latitude| > 90° − obliquity) the ecliptic can lie wholly above or below the
    // horizon for a while and the formula's Ascendant may be the western point: not to be trusted.
    bool ascUnreliable = false;
};

enum class AnglesProblem { None, PoleLatitude, LatitudeOutOfRange, LongitudeOutOfRange, InstantOutOfRange };

// Marked for translation under the context "Angles".
inline constexpr std::string_view MsgPoleLatitude = QT_TRANSLATE_NOOP(
    "Angles", "The latitude is that of a pole (90°), where the meridian and so the Midheaven are undefined.");
inline constexpr std::string_view MsgLatitudeOutOfRange =
    QT_TRANSLATE_NOOP("Angles", "The latitude must lie between -90° and 90°.");
inline constexpr std::string_view MsgLongitudeOutOfRange =
    QT_TRANSLATE_NOOP("Angles", "The longitude must lie between -180° and 180°.");
inline constexpr std::string_view MsgInstantOutOfRange =
    QT_TRANSLATE_NOOP("Angles", "The instant lies outside the years the chart angles are computed for.");

struct AnglesResult
{
    AnglesProblem problem = AnglesProblem::None;
    std::string_view message; // one clear sentence when problem != None
    ChartAngles angles;
    bool ok() const { return problem == AnglesProblem::None; }
};

// utSeconds: seconds since 1970-01-01T00:00:00Z (UT1 taken as UTC); latitude north positive, longitude east
// positive, both in degrees. |latitude| = 90 is refused: there the meridian, and so the MC, is undefined.
AnglesResult ComputeAngles(std::int64_t utSeconds, double latitude, double eastLongitude,
                           Zodiac zodiac = Zodiac::Tropical);

// The formula part alone, for a RAMC and an obliquity in degrees; the longitudes are counted from `ayanamsa`
// degrees past the equinox.
ChartAngles AnglesFromRamc(double ramc, double obliquity, double latitude, double ayanamsa = 0);

// The angles at `ut` by the sky's steady turn at the sidereal rate from the exact angles `from` at `fromUt`,
// nutation and obliquity held: within a day, the sidereal time is off by less than 0.2″ (a hundredth of a
// second of time), so a sign found this way is the exact one but within that of its change. Nothing outside
// the years the angles are computed for.
std::optional<ChartAngles> TurnedAngles(const ChartAngles &from, std::int64_t fromUt, std::int64_t ut,
                                        double latitude);

// A longitude as a sign and degrees and minutes within it, rounded to the nearest arc-minute before the sign
// is chosen: 29°59.7′ Aries is 0°00′ Taurus.
struct SignPosition
{
    int sign = 0; // 0 = Aries .. 11 = Pisces (index into ZodiacSigns)
    int degrees = 0;
    int minutes = 0;
};
SignPosition ToSignPosition(double longitude);
// "14°07′ Capricorn" (degree sign U+00B0, prime U+2032), UTF-8.
std::string FormatSignPosition(double longitude);

} // namespace quorvis
