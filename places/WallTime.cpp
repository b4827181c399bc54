// Local wall time -> UT over Abseil's time library. A zone answers `At(CivilSecond)` with one instant, none
// (a gap) or two (an overlap); that answer is taken as it is, except where local mean time is involved.
//
// Before a zone kept standard time, tzdata gives the mean time of its reference city (abbreviated "LMT");
// the birthplace's own mean time (longitude / 15 hours) stands in for it, moved by whole days to lie within
// half a day of the zone's: across the date line a zone's early mean time may lie a day away (Manila kept
// American dates until 1844, Alaska Russian ones until 1867), and every place of the zone keeps the zone's
// day, so the day the zone skipped or repeated when it changed sides is skipped or repeated there too.
#include "WallTime.h"

#include <absl/time/civil_time.h>
#include <absl/time/time.h>

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace quorvis::places {

namespace {

// The zone and link names of the tz database the program was built against, sorted.
constexpr std::string_view ZoneNames[] = {
#include "ZoneNames.inc"
};

constexpr qint64 Day = 86400;
constexpr int MaxOffsetEast = 14 * 3600;
constexpr int MaxOffsetWest = 12 * 3600;
// Any clock's offset lies within this of UT: tzdata's own mean times reach −15:56 (Manila before 1845) and
// +15:02 (Juneau before 1867), and a birthplace's lies within half a day of its zone's.
constexpr qint64 OffsetReach = 28 * 3600 + 3600;

const absl::CivilSecond WallEpoch(1970, 1, 1, 0, 0, 0);

absl::CivilSecond Civil(qint64 wallSeconds) { return WallEpoch + wallSeconds; }

// QDate counts the year before 1 as -1; the civil calendar, as astronomers do, as 0.
absl::civil_year_t CivilYear(int qtYear) { return qtYear < 0 ? qtYear + 1 : qtYear; }
int QtYear(absl::civil_year_t year) { return int(year <= 0 ? year - 1 : year); }

qint64 Unix(absl::Time t) { return absl::ToUnixSeconds(t); }

absl::Time Instant(qint64 ut) { return absl::FromUnixSeconds(ut); }

bool IsNumericAbbreviation(const char *abbreviation)
{
    return !*abbreviation || *abbreviation == '+' || *abbreviation == '-' ||
           (*abbreviation >= '0' && *abbreviation <= '9');
}

bool IsMeanTime(const absl::TimeZone::CivilInfo &info) { return std::strcmp(info.zone_abbr, "LMT") == 0; }

// The instant of a change the zone reports as a pair of civil times.
absl::Time InstantOf(const absl::TimeZone &zone, const absl::TimeZone::CivilTransition &change)
{
    return zone.At(change.to).trans;
}

} // namespace

qint64 WallSeconds(QDate date, QTime time)
{
    return absl::CivilSecond(CivilYear(date.year()), date.month(), date.day(), time.hour(), time.minute(),
                             time.second()) -
           WallEpoch;
}

QDate WallDate(qint64 wallSeconds)
{
    const absl::CivilDay day(Civil(wallSeconds));
    return QDate(QtYear(day.year()), day.month(), day.day());
}

QTime WallTimeOfDay(qint64 wallSeconds)
{
    const absl::CivilSecond time = Civil(wallSeconds);
    return QTime(time.hour(), time.minute(), time.second());
}

// The program points TZDIR at its own copy on Windows first thing in main() (platform/Process.h); the tests do
// the same through their environment.
QString ZoneFilesDirectory()
{
    return qEnvironmentVariable("TZDIR", QStringLiteral("/usr/share/zoneinfo"));
}

// ---- which clocks exist ------------------------------------------------------------------------------

bool IsZoneName(QStringView name)
{
    const QByteArray utf8 = name.toUtf8();
    const std::string_view key(utf8.constData(), std::size_t(utf8.size()));
    return std::binary_search(std::begin(ZoneNames), std::end(ZoneNames), key);
}

QString TzDataVersion()
{
    QFile file(ZoneFilesDirectory() + QLatin1String("/tzdata.zi"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray first = file.readLine(200).trimmed();
    const QByteArray prefix = "# version ";
    return first.startsWith(prefix) ? QString::fromLatin1(first.mid(prefix.size())) : QString();
}

std::optional<Clock> Clock::zone(QStringView name)
{
    if (!IsZoneName(name))
        return std::nullopt;
    Clock clock;
    clock.m_name = name.toString();
    return clock;
}

std::optional<Clock> Clock::fixedOffset(int seconds)
{
    if (seconds > MaxOffsetEast || seconds < -MaxOffsetWest)
        return std::nullopt;
    Clock clock;
    clock.m_offset = seconds;
    return clock;
}

std::optional<Clock> Clock::parse(QStringView text)
{
    static const QRegularExpression offset(
        QRegularExpression::anchoredPattern(QStringLiteral("([+\\-\u2212])([0-9]{2}):([0-9]{2})")));
    const QRegularExpressionMatch match = offset.match(text.toString());
    if (!match.hasMatch())
        return zone(text);
    const int hours = match.capturedView(2).toInt();
    const int minutes = match.capturedView(3).toInt();
    if (minutes >= 60)
        return std::nullopt;
    const int sign = match.capturedView(1) == u"+" ? 1 : -1;
    return fixedOffset(sign * (hours * 3600 + minutes * 60));
}

QString Clock::name() const { return isFixedOffset() ? FormatUtcOffset(m_offset) : m_name; }

// ---- the clock at a place ----------------------------------------------------------------------------

struct PlaceClock::Zone
{
    absl::TimeZone zone;
    // After this instant the zone never again keeps local mean time.
    qint64 meanTimeEnds = std::numeric_limits<qint64>::min();
};

PlaceClock::PlaceClock(const Clock &clock, double longitude)
    : m_fixedOffset(clock.offsetSeconds()), m_meanTime(int(std::lround(longitude * 240.0)))
{
    if (clock.isFixedOffset())
        return;
    auto zone = std::make_shared<Zone>();
    const QByteArray name = clock.name().toUtf8();
    if (!absl::LoadTimeZone(name.toStdString(), &zone->zone)) {
        m_valid = false;
        return;
    }
    // The mean-time periods come first; Juneau and Manila have two of them, a day apart.
    absl::Time t = absl::InfinitePast();
    absl::TimeZone::CivilTransition change;
    for (int i = 0; i < 4 && zone->zone.NextTransition(t, &change); ++i) {
        t = InstantOf(zone->zone, change);
        if (!IsMeanTime(zone->zone.At(t - absl::Seconds(1))))
            break;
        zone->meanTimeEnds = Unix(t);
    }
    m_zone = std::move(zone);
}

PlaceClock::~PlaceClock() = default;

bool PlaceClock::isValid() const { return m_valid; }

PlaceClock::Offset PlaceClock::offsetAt(qint64 ut) const
{
    if (!m_zone)
        return {m_fixedOffset, QString(), false};
    const absl::TimeZone::CivilInfo info = m_zone->zone.At(Instant(ut));
    if (ut < m_zone->meanTimeEnds && IsMeanTime(info)) {
        const qint64 days = std::llround(double(info.offset - m_meanTime) / Day);
        return {int(m_meanTime + days * Day), QStringLiteral("LMT"), true};
    }
    return {info.offset,
            IsNumericAbbreviation(info.zone_abbr) ? QString() : QString::fromLatin1(info.zone_abbr), false};
}

// Summer time is a seasonal rise of the offset: above the offsets before and after the period of the
// instant `ut` (changes of name alone do not end a period). tzdata's own flag says otherwise for Dublin,
// whose winter time it counts as the exception.
bool PlaceClock::isSummerTime(qint64 ut, int offset) const
{
    if (!m_zone)
        return false;
    const absl::TimeZone &zone = m_zone->zone;
    absl::TimeZone::CivilTransition change;
    int before = offset, after = offset;
    absl::Time t = Instant(ut + 1);
    for (int step = 0; step < 4 && before == offset; ++step) {
        if (!zone.PrevTransition(t, &change))
            return false;
        t = InstantOf(zone, change);
        before = offsetAt(Unix(t) - 1).seconds;
    }
    t = Instant(ut);
    for (int step = 0; step < 4 && after == offset; ++step) {
        if (!zone.NextTransition(t, &change))
            return false;
        t = InstantOf(zone, change);
        after = offsetAt(Unix(t)).seconds;
    }
    return offset > before && offset > after;
}

// The reading of wall time `wall` with the offset the clock kept at instant `period`.
WallTimeReading PlaceClock::reading(qint64 wall, qint64 period) const
{
    WallTimeReading r = readingAt(period);
    r.utSeconds = wall - r.offsetSeconds;
    return r;
}

WallTimeReading PlaceClock::readingAt(qint64 utSeconds) const
{
    Offset offset = offsetAt(utSeconds);
    // Mean time is the sun's own: never summer time, though it may lie above the offsets on either side
    // (Manila's +8:04 between its −15:56 and standard time's +8:00).
    const bool summer = !offset.meanTime && isSummerTime(utSeconds, offset.seconds);
    return {utSeconds, offset.seconds, std::move(offset.abbreviation), offset.meanTime, summer};
}

WallTimeResolution PlaceClock::resolve(QDate date, QTime time) const
{
    if (!date.isValid() || !time.isValid() || !m_valid)
        return {};
    return resolve(WallSeconds(date, time));
}

WallTimeResolution PlaceClock::resolve(qint64 wall) const
{
    WallTimeResolution resolution;
    if (!m_valid)
        return resolution;
    if (!m_zone) {
        resolution.readings.push_back(reading(wall, 0));
        return resolution;
    }
    // The instants whose clock showed `wall`: the zone's own answer, where it is not mean time...
    const absl::TimeZone::TimeInfo info = m_zone->zone.At(Civil(wall));
    std::vector<qint64> instants;
    if (info.kind != absl::TimeZone::TimeInfo::SKIPPED)
        for (const absl::Time t : {info.pre, info.post})
            if (!offsetAt(Unix(t)).meanTime)
                instants.push_back(Unix(t));
    // ...and, in the years of mean time, the birthplace's own: one for each mean time the zone kept near
    // `wall` (two only on the day Alaska changed sides).
    if (wall - OffsetReach - Day < m_zone->meanTimeEnds) {
        for (const qint64 probe : {wall - m_meanTime - Day, wall - m_meanTime, wall - m_meanTime + Day}) {
            const Offset there = offsetAt(probe);
            const qint64 ut = wall - there.seconds;
            const Offset back = offsetAt(ut);
            if (there.meanTime && back.meanTime && back.seconds == there.seconds)
                instants.push_back(ut);
        }
    }
    std::sort(instants.begin(), instants.end());
    instants.erase(std::unique(instants.begin(), instants.end()), instants.end());
    for (const qint64 ut : instants)
        resolution.readings.push_back(reading(wall, ut));
    if (instants.size() > 1)
        resolution.kind = WallTimeKind::Overlap;
    if (!instants.empty())
        return resolution;

    // A gap: the change whose jump passed over `wall`. The zone names it, unless mean time moved it.
    std::vector<ClockChange> changes;
    if (info.kind == absl::TimeZone::TimeInfo::SKIPPED) {
        const qint64 t = Unix(info.trans);
        changes = changesBetween(t - 1, t);
    }
    const auto passedOver = [wall](const ClockChange &c) {
        return c.wallBefore <= wall && wall < c.wallAfter;
    };
    if (std::none_of(changes.begin(), changes.end(), passedOver))
        changes = changesBetween(wall - OffsetReach - Day, wall + OffsetReach + Day);
    const auto change = std::find_if(changes.begin(), changes.end(), passedOver);
    if (change == changes.end())
        return {};
    resolution.kind = WallTimeKind::Gap;
    resolution.readings = {reading(wall, change->utSeconds - 1), reading(wall, change->utSeconds)};
    resolution.gapFrom = change->wallBefore;
    resolution.gapTo = change->wallAfter;
    return resolution;
}

std::vector<ClockChange> PlaceClock::changesBetween(qint64 fromUt, qint64 toUt) const
{
    std::vector<ClockChange> changes;
    if (!m_zone || !m_valid)
        return changes;
    absl::Time t = Instant(fromUt);
    absl::TimeZone::CivilTransition change;
    while (m_zone->zone.NextTransition(t, &change)) {
        t = InstantOf(m_zone->zone, change);
        const qint64 ut = Unix(t);
        if (ut > toUt)
            break;
        const int before = offsetAt(ut - 1).seconds;
        const int after = offsetAt(ut).seconds;
        if (before != after)
            changes.push_back({ut, ut + before, ut + after});
    }
    return changes;
}

QString FormatUtcOffset(int seconds)
{
    const int magnitude = std::abs(seconds);
    QString text = QStringLiteral("UTC") + (seconds < 0 ? QChar(u'\u2212') : QChar(u'+')) +
                   QStringLiteral("%1:%2")
                       .arg(magnitude / 3600, 2, 10, QLatin1Char('0'))
                       .arg(magnitude / 60 % 60, 2, 10, QLatin1Char('0'));
    if (magnitude % 60 != 0)
        text += QStringLiteral(":%1").arg(magnitude % 60, 2, 10, QLatin1Char('0'));
    return text;
}

} // namespace quorvis::places
