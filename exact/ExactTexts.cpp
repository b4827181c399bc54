// What the clocks did, in words. A change within one day reads as people say it ("from 02:00 to 03:00 on
// 28 March 2021"); one that crosses midnight or lasts a day names both days, and a day wholly skipped is
// named as such ("so 30 December 2011 never happened there").
#include "ExactTexts.h"

#include <QLocale>

namespace quorvis::exact {

namespace {

constexpr qint64 Day = 86400;

QString dayText(QDate date, bool withYear = true)
{
    return QLocale::c().toString(date, withYear ? QStringLiteral("d MMMM yyyy") : QStringLiteral("d MMMM"));
}

qint64 floorToDay(qint64 wall) { return wall >= 0 ? wall / Day * Day : -((-wall + Day - 1) / Day) * Day; }

bool needsDates(qint64 a, qint64 b)
{
    return places::WallDate(a) != places::WallDate(b) || std::abs(b - a) >= Day;
}

// "02:00 to 03:00 on 28 March 2021", or "23:59 on 29 December to 00:00 on 31 December 2011".
QString span(qint64 from, qint64 to)
{
    const QDate fromDay = places::WallDate(from), toDay = places::WallDate(to);
    if (!needsDates(from, to))
        return ClockText(from) + QLatin1String(" to ") + ClockText(to) + QLatin1String(" on ") +
               dayText(toDay);
    return ClockText(from) + QLatin1String(" on ") + dayText(fromDay, fromDay.year() != toDay.year()) +
           QLatin1String(" to ") + ClockText(to) + QLatin1String(" on ") + dayText(toDay);
}

// A moment of the wall clock, with its day when the change needs dates.
QString moment(qint64 wall, bool withDay)
{
    return withDay ? ClockText(wall) + QLatin1String(" on ") + dayText(places::WallDate(wall))
                   : ClockText(wall);
}

} // namespace

QString ClockText(qint64 wallSeconds)
{
    const QTime time = places::WallTimeOfDay(wallSeconds);
    return time.toString(time.second() ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
}

QString ChangePhrase(qint64 wallBefore, qint64 wallAfter)
{
    if (wallAfter < wallBefore)
        return QLatin1String("went back from ") + span(wallBefore, wallAfter);
    // A jump from midnight is told from the last minute that showed: "from 23:59 on 29 December".
    const bool fromMidnight =
        needsDates(wallBefore, wallAfter) && places::WallTimeOfDay(wallBefore) == QTime(0, 0);
    return QLatin1String("jumped from ") + span(fromMidnight ? wallBefore - 60 : wallBefore, wallAfter);
}

QString GapSentence(qint64 gapFrom, qint64 gapTo, qint64 wall)
{
    QString sentence =
        QLatin1String("The clocks there ") + ChangePhrase(gapFrom, gapTo) + QLatin1String(", so ");
    // The days that lay wholly inside the jump.
    const qint64 firstWhole = -floorToDay(-gapFrom);
    const qint64 wholeEnd = floorToDay(gapTo);
    if (wholeEnd - firstWhole >= Day) {
        const QDate first = places::WallDate(firstWhole), last = places::WallDate(wholeEnd - Day);
        sentence += first == last ? dayText(first)
                                  : QLatin1String("the days from ") + dayText(first) + QLatin1String(" to ") +
                                        dayText(last);
        return sentence + QLatin1String(" never happened there.");
    }
    return sentence + moment(wall, needsDates(gapFrom, gapTo)) + QLatin1String(" never showed there.");
}

QString OverlapSentence(qint64 wallBefore, qint64 wallAfter, qint64 wall)
{
    return QLatin1String("The clocks there ") + ChangePhrase(wallBefore, wallAfter) + QLatin1String(", so ") +
           moment(wall, needsDates(wallBefore, wallAfter)) + QLatin1String(" showed twice there.");
}

QString TimeUsedText(const places::WallTimeReading &reading)
{
    const qint64 local = reading.utSeconds + reading.offsetSeconds;
    const QString &abbr = reading.abbreviation;
    QString text = ClockText(local) + QLatin1Char(' ');
    if (!abbr.isEmpty() && !abbr.startsWith(QLatin1String("UTC")))
        text += abbr + QLatin1Char(' ');
    text += QLatin1Char('(') + places::FormatUtcOffset(reading.offsetSeconds) + QLatin1String(") = ") +
            ClockText(reading.utSeconds) + QLatin1String(" UT");
    const qint64 days = places::WallDate(local).daysTo(places::WallDate(reading.utSeconds));
    if (days < 0)
        text += QLatin1String(" the day before");
    else if (days > 0)
        text += QLatin1String(" the next day");
    return text;
}

} // namespace quorvis::exact
