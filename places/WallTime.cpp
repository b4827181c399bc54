// Local wall time -> Universal Time. QTimeZone is right about a zone's offset at a given UTC instant, so it
// is only ever asked that; the wall time is resolved here. Within two days either side of wall time W the
// zone has only a few offsets (those at the window's ends and after each transition inside it); for each
// offset o the instant u = W - o is a reading if the zone's offset at u is indeed o. None: W fell into a gap;
// two: into an overlap.
//
// Before the zone kept standard time, tzdata's local mean time is that of the zone's reference city; the
// birthplace's own (its longitude / 15 hours) stands in for it, in the same sum.
#include "Places.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quorvis::places {

namespace {

constexpr qint64 kDay = 86400;
constexpr qint64 kJulianDayOfUnixEpoch = 2440588;
constexpr int kMaxUtcOffset = 14 * 3600;

// The zone's offset at one UTC instant, local mean time at the place standing in for the zone's.
struct Offset
{
    int seconds = 0;
    QString abbreviation;
    bool localMeanTime = false;
};

class ZoneClock
{
public:
    ZoneClock(const QTimeZone &zone, double longitude)
        : m_zone(zone), m_localMeanTime(int(std::lround(longitude * 240.0)))
    {
    }

    Offset at(qint64 ut) const
    {
        const QDateTime instant = QDateTime::fromSecsSinceEpoch(ut, Qt::UTC);
        QTimeZone::OffsetData data = m_zone.offsetData(instant);
        // Qt's own fixed zones ("UTC", "UTC+01:00") answer offsetData() with an invalid record; their offset
        // and name come from the plain queries.
        if (!data.atUtc.isValid()) {
            data.offsetFromUtc = m_zone.offsetFromUtc(instant);
            data.abbreviation = m_zone.abbreviation(instant);
        }
        if (data.abbreviation != QLatin1String("LMT"))
            return {data.offsetFromUtc, data.abbreviation, false};
        // On the zone's side of the date line: Manila kept American dates until 1844, Alaska Russian ones
        // until 1867.
        const double days = std::round(double(data.offsetFromUtc - m_localMeanTime) / kDay);
        return {m_localMeanTime + int(days) * int(kDay), QStringLiteral("LMT"), true};
    }

    // Summer time is a seasonal rise of the offset: above the offsets before and after the period of the
    // instant `ut` (changes of name alone do not end a period).
    bool isSummerTime(qint64 ut, int offset) const
    {
        qint64 start = ut + 1;
        int before = offset;
        for (int step = 0; step < 4 && before == offset; ++step) {
            const auto previous = m_zone.previousTransition(QDateTime::fromSecsSinceEpoch(start, Qt::UTC));
            if (!previous.atUtc.isValid())
                return false;
            start = previous.atUtc.toSecsSinceEpoch();
            before = at(start - 1).seconds;
        }
        qint64 end = ut;
        int after = offset;
        for (int step = 0; step < 4 && after == offset; ++step) {
            const auto next = m_zone.nextTransition(QDateTime::fromSecsSinceEpoch(end, Qt::UTC));
            if (!next.atUtc.isValid())
                return false;
            end = next.atUtc.toSecsSinceEpoch();
            after = at(end).seconds;
        }
        return offset > before && offset > after;
    }

    // UTC instants of the zone's transitions within [from, to], a short range.
    std::vector<qint64> transitions(qint64 from, qint64 to) const
    {
        std::vector<qint64> instants;
        const auto list = m_zone.transitions(QDateTime::fromSecsSinceEpoch(from, Qt::UTC),
                                             QDateTime::fromSecsSinceEpoch(to, Qt::UTC));
        for (const QTimeZone::OffsetData &t : list)
            instants.push_back(t.atUtc.toSecsSinceEpoch());
        // Should Qt's list miss a change (it stops at the last stored transition), step through them instead.
        if (instants.empty() && at(from).seconds != at(to).seconds) {
            for (auto next = m_zone.nextTransition(QDateTime::fromSecsSinceEpoch(from, Qt::UTC));
                 next.atUtc.isValid() && next.atUtc.toSecsSinceEpoch() <= to;
                 next = m_zone.nextTransition(next.atUtc))
                instants.push_back(next.atUtc.toSecsSinceEpoch());
        }
        return instants;
    }

private:
    QTimeZone m_zone;
    int m_localMeanTime;
};

bool IsNumericAbbreviation(const QString &abbreviation)
{
    return abbreviation.isEmpty() || abbreviation.front() == u'+' || abbreviation.front() == u'-' ||
           abbreviation.front().isDigit();
}

// `period` is an instant at which the zone keeps `offset`: `ut` itself, except for the readings of a gap.
WallTimeReading MakeReading(const ZoneClock &clock, qint64 ut, const Offset &offset, qint64 period)
{
    WallTimeReading reading;
    reading.utSeconds = ut;
    reading.offsetSeconds = offset.seconds;
    reading.localMeanTime = offset.localMeanTime;
    reading.abbreviation =
        IsNumericAbbreviation(offset.abbreviation) ? FormatUtcOffset(offset.seconds) : offset.abbreviation;
    reading.summerTime = clock.isSummerTime(period, offset.seconds);
    return reading;
}

qint64 WallSeconds(QDate date, QTime time)
{
    return (date.toJulianDay() - kJulianDayOfUnixEpoch) * kDay + time.msecsSinceStartOfDay() / 1000;
}

QTime TimeOfDay(qint64 wallSeconds)
{
    const qint64 second = ((wallSeconds % kDay) + kDay) % kDay;
    return QTime::fromMSecsSinceStartOfDay(int(second * 1000));
}

} // namespace

WallTimeResolution ResolveWallTime(QDate date, QTime time, const QTimeZone &zone, double longitude)
{
    WallTimeResolution resolution;
    if (!date.isValid() || !time.isValid() || !zone.isValid())
        return resolution;
    const ZoneClock clock(zone, longitude);
    const qint64 wall = WallSeconds(date, time);
    const qint64 from = wall - 2 * kDay;
    const qint64 to = wall + 2 * kDay;
    const std::vector<qint64> transitions = clock.transitions(from, to);

    std::vector<int> offsets{clock.at(from).seconds, clock.at(to).seconds};
    for (qint64 t : transitions)
        offsets.push_back(clock.at(t).seconds);
    std::sort(offsets.begin(), offsets.end());
    offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());

    std::vector<std::pair<qint64, Offset>> found;
    for (int candidate : offsets) {
        const qint64 ut = wall - candidate;
        Offset actual = clock.at(ut);
        if (actual.seconds == candidate)
            found.emplace_back(ut, std::move(actual));
    }
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &[ut, offset] : found)
        resolution.readings.push_back(MakeReading(clock, ut, offset, ut));
    if (found.size() > 1)
        resolution.kind = WallTimeKind::Overlap;
    if (!found.empty())
        return resolution;

    // A gap: the transition whose jump of the clocks passed over the wall time.
    for (qint64 t : transitions) {
        const Offset before = clock.at(t - 1);
        const Offset after = clock.at(t);
        if (t + before.seconds <= wall && wall < t + after.seconds) {
            resolution.kind = WallTimeKind::Gap;
            resolution.readings = {MakeReading(clock, wall - before.seconds, before, t - 1),
                                   MakeReading(clock, wall - after.seconds, after, t)};
            resolution.gapFrom = TimeOfDay(t + before.seconds);
            resolution.gapTo = TimeOfDay(t + after.seconds);
            break;
        }
    }
    return resolution;
}

WallTimeResolution ResolveWallTime(QDate date, QTime time, int utcOffsetSeconds)
{
    WallTimeResolution resolution;
    if (!date.isValid() || !time.isValid())
        return resolution;
    WallTimeReading reading;
    reading.utSeconds = WallSeconds(date, time) - utcOffsetSeconds;
    reading.offsetSeconds = utcOffsetSeconds;
    reading.abbreviation = FormatUtcOffset(utcOffsetSeconds);
    resolution.readings.push_back(reading);
    return resolution;
}

bool ParseUtcOffset(QStringView text, int *seconds)
{
    text = text.trimmed();
    if (text.isEmpty())
        return false;
    if (text.startsWith(QLatin1String("UTC"), Qt::CaseInsensitive) ||
        text.startsWith(QLatin1String("GMT"), Qt::CaseInsensitive))
        text = text.mid(3).trimmed();
    if (text.isEmpty() || text.compare(QLatin1String("Z"), Qt::CaseInsensitive) == 0) {
        *seconds = 0;
        return true;
    }
    int sign = 0;
    if (text.front() == u'+')
        sign = 1;
    else if (text.front() == u'-' || text.front() == u'\u2212')
        sign = -1;
    else
        return false;
    text = text.mid(1);

    // H, HH, HH:MM or HHMM.
    QStringView hours = text, minutes;
    if (const qsizetype colon = text.indexOf(u':'); colon >= 0) {
        hours = text.left(colon);
        minutes = text.mid(colon + 1);
        if (minutes.size() != 2)
            return false;
    } else if (text.size() == 4) {
        hours = text.left(2);
        minutes = text.mid(2);
    }
    const auto allDigits = [](QStringView s) {
        return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (hours.isEmpty() || hours.size() > 2 || !allDigits(hours) || !allDigits(minutes))
        return false;
    const int h = hours.toInt();
    const int m = minutes.isEmpty() ? 0 : minutes.toInt();
    const int total = h * 3600 + m * 60;
    if (m >= 60 || total > kMaxUtcOffset)
        return false;
    *seconds = sign * total;
    return true;
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
