// What the clocks did, in words. A change within one day reads as people say it ("from 02:00 to 03:00 on
// 28 March 2021"); one that crosses midnight or lasts a day names both days, and a day wholly skipped is
// named as such ("so 30 December 2011 never happened there"). Every sentence is translated whole, under the
// context "ExactReading"; only a change of the clocks ("jumped from … to …") is a clause of its own, for the
// rare sentences that tell of several.
#include "ExactTexts.h"

#include "ExactReading.h"
#include "Language.h"

#include <QCoreApplication>
#include <QLocale>

namespace quorvis::exact {

namespace {

constexpr qint64 Day = 86400;

// The first moment of the day of `wall`.
qint64 dayStart(qint64 wall) { return places::WallSeconds(places::WallDate(wall), QTime(0, 0)); }

bool needsDates(qint64 a, qint64 b)
{
    return places::WallDate(a) != places::WallDate(b) || std::abs(b - a) >= Day;
}

// One change of the clocks as it reads inside a sentence: its clock times, and its days when it needs them.
struct Change
{
    QString from, to, fromDay, toDay;
    bool back = false, withDates = false;
};

Change describe(qint64 wallBefore, qint64 wallAfter)
{
    Change c;
    c.back = wallAfter < wallBefore;
    c.withDates = needsDates(wallBefore, wallAfter);
    // A jump from midnight is told from the last minute that showed: "from 23:59 on 29 December".
    const qint64 from = !c.back && c.withDates && places::WallTimeOfDay(wallBefore) == QTime(0, 0)
                            ? wallBefore - 60
                            : wallBefore;
    const QDate fromDay = places::WallDate(from), toDay = places::WallDate(wallAfter);
    c.from = ClockText(from);
    c.to = ClockText(wallAfter);
    c.fromDay = DayText(fromDay, fromDay.year() != toDay.year());
    c.toDay = DayText(toDay);
    return c;
}

// "jumped from 02:00 to 03:00 on 28 March 2021", for a sentence about several changes.
QString clause(const Change &c)
{
    if (c.withDates)
        return (c.back ? QCoreApplication::translate("ExactReading", "went back from %1 on %2 to %3 on %4",
                                                     "a change of the clocks, inside a sentence")
                       : QCoreApplication::translate("ExactReading", "jumped from %1 on %2 to %3 on %4",
                                                     "a change of the clocks, inside a sentence"))
            .arg(c.from, c.fromDay, c.to, c.toDay);
    return (c.back ? QCoreApplication::translate("ExactReading", "went back from %1 to %2 on %3",
                                                 "a change of the clocks, inside a sentence")
                   : QCoreApplication::translate("ExactReading", "jumped from %1 to %2 on %3",
                                                 "a change of the clocks, inside a sentence"))
        .arg(c.from, c.to, c.toDay);
}

// The clauses of several changes: "A and B", "A, B and C".
QString clauses(const std::vector<places::ClockChange> &changes, bool *withDates)
{
    QString joined;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const Change c = describe(changes[i].wallBefore, changes[i].wallAfter);
        *withDates = *withDates || c.withDates;
        joined = i == 0 ? clause(c)
                 : i + 1 == changes.size()
                     ? QCoreApplication::translate("ExactReading", "%1 and %2",
                                                   "the last two changes of the clocks")
                           .arg(joined, clause(c))
                     : QCoreApplication::translate("ExactReading", "%1, %2",
                                                   "changes of the clocks before the last")
                           .arg(joined, clause(c));
    }
    return joined;
}

// A moment of the wall clock, with its day when the change needs dates: "02:30 on 31 October 2021".
QString moment(qint64 wall, bool withDay)
{
    return withDay ? QCoreApplication::translate("ExactReading", "%1 on %2", "a clock time on a day")
                         .arg(ClockText(wall), DayText(places::WallDate(wall)))
                   : ClockText(wall);
}

} // namespace

QLocale ReadingLocale() { return Language::SpeaksEnglish() ? QLocale::c() : QLocale(); }

QString DayText(QDate date, bool withYear)
{
    return withYear
               ? ReadingLocale().toString(date, QCoreApplication::translate("ExactReading", "d MMMM yyyy",
                                                                            "format of a day with its year"))
               : ReadingLocale().toString(date,
                                          QCoreApplication::translate("ExactReading", "d MMMM",
                                                                      "format of a day without its year"));
}

QString ClockText(qint64 wallSeconds)
{
    const QTime time = places::WallTimeOfDay(wallSeconds);
    return time.toString(time.second() ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
}

QString GapSentence(qint64 gapFrom, qint64 gapTo, qint64 wall)
{
    const Change c = describe(gapFrom, gapTo);
    // The days that lay wholly inside the jump.
    const qint64 firstWhole = dayStart(gapFrom) == gapFrom ? gapFrom : dayStart(gapFrom) + Day;
    const qint64 wholeEnd = dayStart(gapTo);
    if (wholeEnd - firstWhole >= Day) {
        const QDate first = places::WallDate(firstWhole), last = places::WallDate(wholeEnd - Day);
        if (first == last)
            return QCoreApplication::translate(
                       "ExactReading",
                       "The clocks there jumped from %1 on %2 to %3 on %4, so %5 never happened there.")
                .arg(c.from, c.fromDay, c.to, c.toDay, DayText(first));
        return QCoreApplication::translate(
                   "ExactReading",
                   "The clocks there jumped from %1 on %2 to %3 on %4, so the days from %5 to %6 never "
                   "happened there.")
            .arg(c.from, c.fromDay, c.to, c.toDay, DayText(first), DayText(last));
    }
    if (c.withDates)
        return QCoreApplication::translate(
                   "ExactReading",
                   "The clocks there jumped from %1 on %2 to %3 on %4, so %5 on %6 never showed there.")
            .arg(c.from, c.fromDay, c.to, c.toDay, ClockText(wall), DayText(places::WallDate(wall)));
    return QCoreApplication::translate(
               "ExactReading", "The clocks there jumped from %1 to %2 on %3, so %4 never showed there.")
        .arg(c.from, c.to, c.toDay, ClockText(wall));
}

QString OverlapSentence(const std::vector<places::ClockChange> &changes, qint64 wall, qsizetype times)
{
    if (changes.empty())
        return QCoreApplication::translate("ExactReading", "%1 showed %n times on the clocks there.",
                                           "%1: a clock time on a day", int(times))
            .arg(moment(wall, true));
    if (changes.size() == 1 && times == 2) {
        const Change c = describe(changes.front().wallBefore, changes.front().wallAfter);
        if (c.withDates)
            return QCoreApplication::translate("ExactReading", "The clocks there went back from %1 on %2 to "
                                                               "%3 on %4, so %5 on %6 showed twice there.")
                .arg(c.from, c.fromDay, c.to, c.toDay, ClockText(wall), DayText(places::WallDate(wall)));
        return QCoreApplication::translate(
                   "ExactReading",
                   "The clocks there went back from %1 to %2 on %3, so %4 showed twice there.")
            .arg(c.from, c.to, c.toDay, ClockText(wall));
    }
    bool withDates = false;
    const QString what = clauses(changes, &withDates);
    if (times == 2)
        return QCoreApplication::translate("ExactReading", "The clocks there %1, so %2 showed twice there.",
                                           "%1: changes of the clocks")
            .arg(what, moment(wall, withDates));
    return QCoreApplication::translate("ExactReading", "The clocks there %1, so %2 showed %n times there.",
                                       "%1: changes of the clocks", int(times))
        .arg(what, moment(wall, withDates));
}

QString SlotChangesSentence(const std::vector<places::ClockChange> &changes, qint64 lastedSeconds)
{
    if (changes.size() == 1) {
        const Change c = describe(changes.front().wallBefore, changes.front().wallAfter);
        if (c.withDates)
            return (c.back
                        ? QCoreApplication::translate(
                              "ExactReading",
                              "The clocks there went back from %1 on %2 to %3 on %4 during this slot, so it "
                              "lasted %5.")
                        : QCoreApplication::translate(
                              "ExactReading",
                              "The clocks there jumped from %1 on %2 to %3 on %4 during this slot, so it "
                              "lasted %5."))
                .arg(c.from, c.fromDay, c.to, c.toDay, FormatDuration(lastedSeconds));
        return (c.back
                    ? QCoreApplication::translate(
                          "ExactReading",
                          "The clocks there went back from %1 to %2 on %3 during this slot, so it lasted %4.")
                    : QCoreApplication::translate(
                          "ExactReading",
                          "The clocks there jumped from %1 to %2 on %3 during this slot, so it lasted %4."))
            .arg(c.from, c.to, c.toDay, FormatDuration(lastedSeconds));
    }
    bool withDates = false;
    return QCoreApplication::translate("ExactReading",
                                       "The clocks there %1 during this slot, so it lasted %2.",
                                       "%1: changes of the clocks")
        .arg(clauses(changes, &withDates), FormatDuration(lastedSeconds));
}

QString NadirSignsSentence(int icSign, int risingSign, bool risingUnreliable)
{
    const int wholeSign = (risingSign + 3) % 12;
    if (risingUnreliable)
        return QCoreApplication::translate(
                   "ExactReading",
                   "Nadir sign: %1, by the Imum Coeli. Counted from the rising sign, as the quick reading "
                   "counts, it would be %2, but beyond the polar circle the rising sign is unreliable.")
            .arg(SignName(icSign), SignName(wholeSign));
    if (wholeSign == icSign)
        return QCoreApplication::translate("ExactReading",
                                           "Nadir sign: %1, by the IC and by the rising sign alike")
            .arg(SignName(icSign));
    return QCoreApplication::translate(
               "ExactReading",
               "Your rising sign is %1, so counted as the quick reading counts, your nadir sign is %2; the "
               "lowest point of the sky itself, the Imum Coeli, lies in %3.")
        .arg(SignName(risingSign), SignName(wholeSign), SignName(icSign));
}

QString NadirChangeSentence(NadirRule rule, int sign, qint64 wallSeconds, qint64 seconds)
{
    // The first whole minute of the later sign, as the clocks there showed it and as a slot lists it, and
    // the time from the reading to that minute.
    const qint64 intoMinute = ((wallSeconds % 60) + 60) % 60;
    const qint64 toMinute = intoMinute ? 60 - intoMinute : 0;
    const QString at = ClockText(wallSeconds + toMinute);
    const QString distance = FormatDuration(seconds + toMinute);
    const QString text =
        seconds > 0
            ? rule == NadirRule::ImumCoeli
                  ? QCoreApplication::translate(
                        "ExactReading", "By the Imum Coeli, your nadir sign changes to %1 at %2, %3 later.",
                        "%1: a sign, %2: a clock time, %3: minutes")
              : rule == NadirRule::RisingSign
                  ? QCoreApplication::translate(
                        "ExactReading",
                        "Counted from the rising sign, your nadir sign changes to %1 at %2, %3 later.",
                        "%1: a sign, %2: a clock time, %3: minutes")
                  : QCoreApplication::translate("ExactReading",
                                                "Your nadir sign changes to %1 at %2, %3 later.",
                                                "%1: a sign, %2: a clock time, %3: minutes")
        : rule == NadirRule::ImumCoeli
            ? QCoreApplication::translate("ExactReading",
                                          "By the Imum Coeli, your nadir sign was %1 until %2, %3 earlier.",
                                          "%1: a sign, %2: a clock time, %3: minutes")
        : rule == NadirRule::RisingSign
            ? QCoreApplication::translate(
                  "ExactReading",
                  "Counted from the rising sign, your nadir sign was %1 until %2, %3 earlier.",
                  "%1: a sign, %2: a clock time, %3: minutes")
            : QCoreApplication::translate("ExactReading", "Your nadir sign was %1 until %2, %3 earlier.",
                                          "%1: a sign, %2: a clock time, %3: minutes");
    return text.arg(SignName(sign), at, distance);
}

QString TimeUsedText(const places::WallTimeReading &reading)
{
    const qint64 local = reading.utSeconds + reading.offsetSeconds;
    const qint64 days = places::WallDate(local).daysTo(places::WallDate(reading.utSeconds));
    const QString text =
        days < 0 ? QCoreApplication::translate("ExactReading", "%1 %2 = %3 UT the day before",
                                               "local time, its clock, UT")
        : days > 0
            ? QCoreApplication::translate("ExactReading", "%1 %2 = %3 UT the next day",
                                          "local time, its clock, UT")
            : QCoreApplication::translate("ExactReading", "%1 %2 = %3 UT", "local time, its clock, UT");
    return text.arg(ClockText(local), LocalTimeLabel(reading), ClockText(reading.utSeconds));
}

} // namespace quorvis::exact
