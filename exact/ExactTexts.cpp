// What the clocks did, in words. A change within one day reads as people say it ("from 02:00 to 03:00 on
// 28 March 2021"); one that crosses midnight or lasts a day names both days, and a day wholly skipped is
// named as such ("so 30 December 2011 never happened there").
#include "ExactTexts.h"

#include "ExactReading.h"

#include <QLocale>

namespace quorvis::exact {

namespace {

constexpr qint64 Day = 86400;

QString dayText(QDate date, bool withYear = true)
{
    return QLocale::c().toString(date, withYear ? QStringLiteral("d MMMM yyyy") : QStringLiteral("d MMMM"));
}

// The first moment of the day of `wall`.
qint64 dayStart(qint64 wall) { return places::WallSeconds(places::WallDate(wall), QTime(0, 0)); }

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

// "jumped from 02:00 to 03:00" or "went back from 03:00 to 02:00", with dates as above and the day last.
QString changePhrase(qint64 wallBefore, qint64 wallAfter)
{
    if (wallAfter < wallBefore)
        return QLatin1String("went back from ") + span(wallBefore, wallAfter);
    // A jump from midnight is told from the last minute that showed: "from 23:59 on 29 December".
    const bool fromMidnight =
        needsDates(wallBefore, wallAfter) && places::WallTimeOfDay(wallBefore) == QTime(0, 0);
    return QLatin1String("jumped from ") + span(fromMidnight ? wallBefore - 60 : wallBefore, wallAfter);
}

// The change phrases of `changes`, joined; whether any of them needs dates.
QString changePhrases(const std::vector<places::ClockChange> &changes, bool *withDates)
{
    QStringList phrases;
    for (const places::ClockChange &c : changes) {
        phrases << changePhrase(c.wallBefore, c.wallAfter);
        *withDates = *withDates || needsDates(c.wallBefore, c.wallAfter);
    }
    return phrases.join(QLatin1String(" and "));
}

} // namespace

QString ClockText(qint64 wallSeconds)
{
    const QTime time = places::WallTimeOfDay(wallSeconds);
    return time.toString(time.second() ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
}

QString GapSentence(qint64 gapFrom, qint64 gapTo, qint64 wall)
{
    QString sentence =
        QLatin1String("The clocks there ") + changePhrase(gapFrom, gapTo) + QLatin1String(", so ");
    // The days that lay wholly inside the jump.
    const qint64 firstWhole = dayStart(gapFrom) == gapFrom ? gapFrom : dayStart(gapFrom) + Day;
    const qint64 wholeEnd = dayStart(gapTo);
    if (wholeEnd - firstWhole >= Day) {
        const QDate first = places::WallDate(firstWhole), last = places::WallDate(wholeEnd - Day);
        sentence += first == last ? dayText(first)
                                  : QLatin1String("the days from ") + dayText(first) + QLatin1String(" to ") +
                                        dayText(last);
        return sentence + QLatin1String(" never happened there.");
    }
    return sentence + moment(wall, needsDates(gapFrom, gapTo)) + QLatin1String(" never showed there.");
}

QString OverlapSentence(const std::vector<places::ClockChange> &changes, qint64 wall, qsizetype times)
{
    bool withDates = false;
    const QString what = changePhrases(changes, &withDates);
    const QString when = moment(wall, withDates);
    if (what.isEmpty())
        return QStringLiteral("%1 showed %2 times on the clocks there.").arg(moment(wall, true)).arg(times);
    if (times == 2)
        return QStringLiteral("The clocks there %1, so %2 showed twice there.").arg(what, when);
    return QStringLiteral("The clocks there %1, so %2 showed %3 times there.").arg(what, when).arg(times);
}

QString SlotChangesSentence(const std::vector<places::ClockChange> &changes, qint64 lastedSeconds)
{
    bool withDates = false;
    return QStringLiteral("The clocks there %1 during this slot, so it lasted %2.")
        .arg(changePhrases(changes, &withDates), FormatDuration(lastedSeconds));
}

QString TimeUsedText(const places::WallTimeReading &reading)
{
    const qint64 local = reading.utSeconds + reading.offsetSeconds;
    const QString text = QStringLiteral("%1 %2 = %3 UT")
                             .arg(ClockText(local), LocalTimeLabel(reading), ClockText(reading.utSeconds));
    const qint64 days = places::WallDate(local).daysTo(places::WallDate(reading.utSeconds));
    if (days < 0)
        return text + QLatin1String(" the day before");
    if (days > 0)
        return text + QLatin1String(" the next day");
    return text;
}

} // namespace quorvis::exact
