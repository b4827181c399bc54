// The angles of a chart over ERFA. ERFA speaks in two-part Julian dates and radians; the few functions at the
// top translate once, so the rest reads in seconds, years and degrees.
//
// Time scales: the instant is taken as UT1 = UTC (kept within 0.9 s of each other: at most 14" of sidereal
// time, under the arc-minute shown). Terrestrial Time only enters precession and nutation, where a minute's
// error moves nothing visible: TT = UTC + (TAI − UTC) + 32.184 s from 1960 on, when atomic time began; before
// that the Espenak–Meeus polynomials for ΔT = TT − UT.
//
// The apparent sidereal time and the true obliquity need the same IAU 2006/2000A nutation, the costliest
// step by far; it is evaluated once and shared, exactly as eraGst06a composes it internally, and with a
// sidereal zodiac its nutation in longitude makes the true ayanamsa too.
#include "angles.h"

#include "reading.h"

#include <erfa.h>
#include <erfam.h>

#include <array>
#include <cmath>
#include <cstdio>

namespace quorvis {

namespace {

constexpr double UnixEpochJd = 2440587.5; // 1970-01-01T00:00:00 as a Julian date
constexpr double SecondsPerDay = 86400.0;
constexpr double TtMinusTai = 32.184;

double Radians(double degrees) { return degrees * ERFA_DD2R; }
double Degrees(double radians) { return radians * ERFA_DR2D; }

// [0, 360)
double NormalizeDegrees(double degrees)
{
    double wrapped = std::fmod(degrees, 360.0);
    if (wrapped < 0)
        wrapped += 360.0;
    return wrapped >= 360.0 ? 0.0 : wrapped; // fmod of a tiny negative can round back up to 360
}

// A Julian date in ERFA's two parts: whole days at midnight plus the fraction, for full precision.
struct JulianDate
{
    double day = 0;
    double fraction = 0;
};

JulianDate JulianDateFromUnixSeconds(std::int64_t seconds)
{
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    return {UnixEpochJd + static_cast<double>(days), static_cast<double>(rest) / SecondsPerDay};
}

JulianDate AddSeconds(JulianDate date, double seconds)
{
    return {date.day, date.fraction + seconds / SecondsPerDay};
}

// ΔT = TT − UT in seconds before 1960 (Espenak and Meeus, Five Millennium Canon of Solar Eclipses, 2006).
double DeltaTBefore1960(double decimalYear)
{
    const double y = decimalYear;
    if (y < 1860) {
        const double t = y - 1800;
        return 13.72 - 0.332447 * t + 0.0068612 * t * t + 0.0041116 * std::pow(t, 3) -
               0.00037436 * std::pow(t, 4) + 0.0000121272 * std::pow(t, 5) - 0.0000001699 * std::pow(t, 6) +
               0.000000000875 * std::pow(t, 7);
    }
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * std::pow(t, 3) -
               0.0004473624 * std::pow(t, 4) + std::pow(t, 5) / 233174;
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * std::pow(t, 3) -
               0.000197 * std::pow(t, 4);
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * std::pow(t, 3);
    }
    const double t = y - 1950;
    return 29.07 + 0.407 * t - t * t / 233 + std::pow(t, 3) / 2547;
}

// TT − UTC in seconds at a UTC instant.
double TtMinusUtcSeconds(JulianDate utc)
{
    int year = 0, month = 0, day = 0;
    double dayFraction = 0;
    if (eraJd2cal(utc.day, utc.fraction, &year, &month, &day, &dayFraction) != 0)
        return 0;
    double taiMinusUtc = 0;
    // Status 1 (a year past ERFA's leap-second table) still gives the last known value, the best there is.
    if (year >= 1960 && eraDat(year, month, day, dayFraction, &taiMinusUtc) >= 0)
        return taiMinusUtc + TtMinusTai;
    return DeltaTBefore1960(year + (month - 0.5) / 12.0);
}

struct EquatorAndEcliptic
{
    double apparentSiderealTime = 0; // Greenwich, degrees [0, 360)
    double trueObliquity = 0;        // degrees
    double nutationInLongitude = 0;  // degrees
};

// IAU 2006 precession with IAU 2000A nutation: eraGst06a and eraObl06 + Δε from eraNut06a, with the nutation
// evaluated once.
EquatorAndEcliptic SiderealTimeAndObliquity(JulianDate ut1, JulianDate tt)
{
    double nutationInLongitude = 0, nutationInObliquity = 0;
    eraNut06a(tt.day, tt.fraction, &nutationInLongitude, &nutationInObliquity);
    double gamb = 0, phib = 0, psib = 0,
           meanObliquity = 0; // Fukushima–Williams angles; meanObliquity = eraObl06
    eraPfw06(tt.day, tt.fraction, &gamb, &phib, &psib, &meanObliquity);
    double npb[3][3];
    eraFw2m(gamb, phib, psib + nutationInLongitude, meanObliquity + nutationInObliquity, npb);
    const double gast = eraGst06(ut1.day, ut1.fraction, tt.day, tt.fraction, npb);
    return {Degrees(gast), Degrees(meanObliquity + nutationInObliquity), Degrees(nutationInLongitude)};
}

// ---- the sidereal zodiacs ----------------------------------------------------------------------------
//
// An ayanamsa is defined by its published value at a reference epoch. That value is carried to J2000 with
// the precession it was published with (the offsets this makes are constant: 0.13" for Lahiri, -0.41" for
// Fagan/Bradley, -0.83" for Raman and Krishnamurti against carrying it with IAU 2006 throughout), and from
// J2000 to the moment with ERFA's IAU 2006 precession: the mean ayanamsa grows by the longitude, on the
// ecliptic of J2000, that the mean equinox of date has moved back from J2000's. Adding the nutation in
// longitude gives the true ayanamsa, the distance of the sidereal zodiac's start from the true equinox of
// date, in which the angles are computed.

constexpr double J2000 = 2451545.0;

// Newcomb's general precession in longitude (Tables of the Sun, 1895): 5025.64" T + 1.11" T², T in tropical
// centuries from 1900.0; degrees from `epoch` to J2000.
double NewcombPrecessionToJ2000(double epoch)
{
    const auto p = [](double jd) {
        const double t = (jd - 2415020.31352) / 36524.2199;
        return (5025.64 * t + 1.11 * t * t) / 3600.0;
    };
    return p(J2000) - p(epoch);
}

// The IAU 1976 general precession in longitude (Lieske et al. 1977), p_A = 5029.0966" t + 1.11113" t²
// − 0.000006" t³, t in Julian centuries from J2000; degrees from `epoch` to J2000.
double Iau1976PrecessionToJ2000(double epoch)
{
    const double t = (epoch - J2000) / 36525.0;
    return -(5029.0966 * t + 1.11113 * t * t - 0.000006 * t * t * t) / 3600.0;
}

struct AyanamsaDefinition
{
    double epoch;     // Julian date (TT)
    double meanValue; // degrees at the epoch, without nutation
    double (*precessionToJ2000)(double epoch);
};

AyanamsaDefinition Definition(Zodiac zodiac)
{
    switch (zodiac) {
    case Zodiac::Lahiri:
        // India's Calendar Reform Committee (Report, 1955), as the Indian Astronomical Ephemeris tabulates
        // it: true ayanamsa 23°15′00.658″ on 1956 March 21, 0h (JD 2435553.5), less that moment's nutation in
        // longitude, 16.769″; carried with the IAU 1976 precession, as the sidereal ephemerides carry it.
        return {2435553.5, 23.250182778 - 0.004658035, Iau1976PrecessionToJ2000};
    case Zodiac::Raman:
        // B. V. Raman (Hindu Predictive Astrology; zero year 397 CE): 21°00′52″ at 1900 January 0.5 (J1900),
        // carried with Newcomb's precession, as in his tables.
        return {2415020.0, 360.0 - 338.98556, NewcombPrecessionToJ2000};
    case Zodiac::Krishnamurti:
        // K. S. Krishnamurti (KP Reader I, zero year 291 CE): 22°21′50″ at 1900 January 0.5 (J1900), with
        // Newcomb's precession.
        return {2415020.0, 360.0 - 337.636111, NewcombPrecessionToJ2000};
    case Zodiac::FaganBradley:
        // C. Fagan and D. Bradley: the synetic vernal point at 5°57′28.64″ Pisces for 1950.0 (the Besselian
        // year, JD 2433282.42346), so 24°02′31.36″, with Newcomb's precession.
        return {2433282.42345905, 24.042044444, NewcombPrecessionToJ2000};
    case Zodiac::Tropical:
        break;
    }
    return {J2000, 0.0, nullptr};
}

// The true ayanamsa at `tt`, given the nutation in longitude there (degrees).
double TrueAyanamsa(Zodiac zodiac, JulianDate tt, double nutationInLongitude)
{
    const AyanamsaDefinition definition = Definition(zodiac);
    if (!definition.precessionToJ2000)
        return 0.0;
    // ICRS to the mean ecliptic and equinox of a date; the equinox of date, the first axis of its frame, is
    // the first row.
    static const auto j2000Ecliptic = [] {
        std::array<std::array<double, 3>, 3> m{};
        double r[3][3];
        eraEcm06(J2000, 0.0, r);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                m[i][j] = r[i][j];
        return m;
    }();
    double ofDate[3][3];
    eraEcm06(tt.day, tt.fraction, ofDate);
    double onJ2000Ecliptic[2] = {0, 0};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            onJ2000Ecliptic[i] += j2000Ecliptic[i][j] * ofDate[0][j];
    const double equinoxMovedBack = -Degrees(std::atan2(onJ2000Ecliptic[1], onJ2000Ecliptic[0]));
    return definition.meanValue + definition.precessionToJ2000(definition.epoch) + equinoxMovedBack +
           nutationInLongitude;
}

bool InChartYears(std::int64_t utSeconds)
{
    return utSeconds >= FirstChartInstant && utSeconds <= LastChartInstant;
}

AnglesResult Refuse(AnglesProblem problem, std::string_view message)
{
    AnglesResult result;
    result.problem = problem;
    result.message = message;
    return result;
}

} // namespace

std::string_view ZodiacKey(Zodiac zodiac)
{
    switch (zodiac) {
    case Zodiac::Lahiri:
        return "lahiri";
    case Zodiac::Raman:
        return "raman";
    case Zodiac::Krishnamurti:
        return "krishnamurti";
    case Zodiac::FaganBradley:
        return "fagan-bradley";
    case Zodiac::Tropical:
        break;
    }
    return "tropical";
}

std::optional<Zodiac> ZodiacFromKey(std::string_view key)
{
    for (const Zodiac zodiac : AllZodiacs)
        if (ZodiacKey(zodiac) == key)
            return zodiac;
    return std::nullopt;
}

ChartAngles AnglesFromRamc(double ramc, double obliquity, double latitude, double ayanamsa)
{
    const double armc = Radians(ramc), eps = Radians(obliquity), phi = Radians(latitude);
    ChartAngles angles;
    angles.ramc = NormalizeDegrees(ramc);
    angles.obliquity = obliquity;
    angles.ayanamsa = ayanamsa;
    angles.mc =
        NormalizeDegrees(Degrees(std::atan2(std::sin(armc), std::cos(armc) * std::cos(eps))) - ayanamsa);
    angles.ic = NormalizeDegrees(angles.mc + 180.0);
    angles.asc = NormalizeDegrees(Degrees(std::atan2(std::cos(armc), -(std::sin(armc) * std::cos(eps) +
                                                                       std::tan(phi) * std::sin(eps)))) -
                                  ayanamsa);
    angles.dsc = NormalizeDegrees(angles.asc + 180.0);
    angles.ascUnreliable = std::abs(latitude) > 90.0 - obliquity;
    return angles;
}

// (The rate is the linear term of the IAU 2006 mean sidereal time.)
std::optional<ChartAngles> TurnedAngles(const ChartAngles &from, std::int64_t fromUt, std::int64_t ut,
                                        double latitude)
{
    constexpr double SiderealDegreesPerSecond = 360.98564736629 / 86400.0;
    if (!InChartYears(ut))
        return std::nullopt;
    return AnglesFromRamc(from.ramc + SiderealDegreesPerSecond * double(ut - fromUt), from.obliquity, latitude,
                          from.ayanamsa);
}

AnglesResult ComputeAngles(std::int64_t utSeconds, double latitude, double eastLongitude, Zodiac zodiac)
{
    if (!(std::abs(latitude) <= 90.0)) // NaN too
        return Refuse(AnglesProblem::LatitudeOutOfRange, MsgLatitudeOutOfRange);
    if (std::abs(latitude) == 90.0)
        return Refuse(AnglesProblem::PoleLatitude, MsgPoleLatitude);
    if (!(std::abs(eastLongitude) <= 180.0))
        return Refuse(AnglesProblem::LongitudeOutOfRange, MsgLongitudeOutOfRange);
    if (!InChartYears(utSeconds))
        return Refuse(AnglesProblem::InstantOutOfRange, MsgInstantOutOfRange);

    const JulianDate ut1 = JulianDateFromUnixSeconds(utSeconds);
    const JulianDate tt = AddSeconds(ut1, TtMinusUtcSeconds(ut1));
    const EquatorAndEcliptic sky = SiderealTimeAndObliquity(ut1, tt);
    AnglesResult result;
    result.angles = AnglesFromRamc(sky.apparentSiderealTime + eastLongitude, sky.trueObliquity, latitude,
                                   TrueAyanamsa(zodiac, tt, sky.nutationInLongitude));
    return result;
}

SignPosition ToSignPosition(double longitude)
{
    constexpr long long MinutesPerCircle = 360 * 60;
    long long minutes = std::llround(NormalizeDegrees(longitude) * 60.0) % MinutesPerCircle;
    SignPosition position;
    position.sign = static_cast<int>(minutes / (30 * 60));
    minutes %= 30 * 60;
    position.degrees = static_cast<int>(minutes / 60);
    position.minutes = static_cast<int>(minutes % 60);
    return position;
}

std::string FormatSignPosition(double longitude)
{
    const SignPosition position = ToSignPosition(longitude);
    char number[16];
    std::snprintf(number, sizeof number, "%d\u00B0%02d\u2032 ", position.degrees, position.minutes);
    return number + std::string(ZodiacSigns[static_cast<std::size_t>(position.sign)]);
}

} // namespace quorvis
