// What the clocks did, in words. A change within one day reads as people say it ("from 02:00 to 03:00 on
// 28 March 2021"); one that crosses midnight or lasts a day names both days, and a day wholly skipped is
// named as such ("so 30 December 2011 never happened there"). Every sentence is translated whole, under the
// context "ExactReading"; only a change of the clocks ("jumped from … to …") is a clause of its own, for the
// rare sentences that tell of several.
#include "ExactTexts.h"

#include "Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <cmath>
#include <cstdlib>

namespace quorvis::exact {

namespace {

constexpr qint64 Day = 86400;

bool needsDates(const CivilTime &a, const CivilTime &b)
{
    return a.date != b.date || std::abs(a.secsTo(b)) >= Day;
}

// One change of the clocks as it reads inside a sentence: its clock times, and its days when it needs them.
struct Change
{
    QString from, to, fromDay, toDay;
    bool back = false, withDates = false;
};

Change describe(const CivilTime &before, const CivilTime &after)
{
    Change c;
    c.back = before.secsTo(after) < 0;
    c.withDates = needsDates(before, after);
    // A jump from midnight is told from the last minute that showed: "from 23:59 on 29 December".
    const CivilTime from =
        !c.back && c.withDates && before.time == QTime(0, 0) ? before.addSecs(-60) : before;
    c.from = ClockText(from);
    c.to = ClockText(after);
    c.fromDay = DayText(from.date, from.date.year() != after.date.year());
    c.toDay = DayText(after.date);
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
QString clauses(const std::vector<CivilChange> &changes, bool *withDates)
{
    QString joined;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const Change c = describe(changes[i].before, changes[i].after);
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
QString moment(const CivilTime &wall, bool withDay)
{
    return withDay ? QCoreApplication::translate("ExactReading", "%1 on %2", "a clock time on a day")
                         .arg(ClockText(wall), DayText(wall.date))
                   : ClockText(wall);
}

} // namespace

namespace {
// The month names of the language spoken (the default locale, in the region's variant); in English the C
// locale's, whatever the region's language.
QLocale dayLocale() { return Language::SpeaksEnglish() ? QLocale::c() : QLocale(); }
} // namespace

QString DayText(QDate date, bool withYear)
{
    // The first of a month has formats of its own, for the languages that write it apart ("1er mars 2021").
    const bool first = date.day() == 1;
    const QString format =
        withYear ? (first ? QCoreApplication::translate("ExactReading", "d MMMM yyyy",
                                                         "format of the first day of a month, with its year")
                          : QCoreApplication::translate("ExactReading", "d MMMM yyyy", "format of a day with its year"))
                 : (first ? QCoreApplication::translate("ExactReading", "d MMMM",
                                                         "format of the first day of a month, without its year")
                          : QCoreApplication::translate("ExactReading", "d MMMM", "format of a day without its year"));
    return dayLocale().toString(date, format);
}

QString ClockText(QTime time)
{
    return time.toString(time.second() ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
}

QString GapSentence(const CivilTime &gapFrom, const CivilTime &gapTo, const CivilTime &wall)
{
    const Change c = describe(gapFrom, gapTo);
    // The days that lay wholly inside the jump: from the first that began in it to the one before it ended.
    const QDate first = gapFrom.time == QTime(0, 0) ? gapFrom.date : gapFrom.date.addDays(1);
    const QDate last = gapTo.date.addDays(-1);
    if (first <= last) {
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
            .arg(c.from, c.fromDay, c.to, c.toDay, ClockText(wall), DayText(wall.date));
    return QCoreApplication::translate(
               "ExactReading", "The clocks there jumped from %1 to %2 on %3, so %4 never showed there.")
        .arg(c.from, c.to, c.toDay, ClockText(wall));
}

QString OverlapSentence(const std::vector<CivilChange> &changes, const CivilTime &wall, qsizetype times)
{
    if (changes.empty())
        return QCoreApplication::translate("ExactReading", "%1 showed %n times on the clocks there.",
                                           "%1: a clock time on a day", int(times))
            .arg(moment(wall, true));
    if (changes.size() == 1 && times == 2) {
        const Change c = describe(changes.front().before, changes.front().after);
        if (c.withDates)
            return QCoreApplication::translate("ExactReading", "The clocks there went back from %1 on %2 to "
                                                               "%3 on %4, so %5 on %6 showed twice there.")
                .arg(c.from, c.fromDay, c.to, c.toDay, ClockText(wall), DayText(wall.date));
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

QString SlotChangesSentence(const std::vector<CivilChange> &changes, qint64 lastedSeconds)
{
    if (changes.size() == 1) {
        const Change c = describe(changes.front().before, changes.front().after);
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

QString NadirSignsSentence(int icSign, int risingSign, int wholeSign, bool risingUnreliable)
{
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

std::pair<QString, QString> NadirChangeWhen(const ChangeMoment &change)
{
    // Within a minute of the reading, the very second and the seconds to it: a minute would say "0 minutes".
    if (std::abs(change.seconds) < 60)
        return {change.exactly.time.toString(QStringLiteral("HH:mm:ss")), FormatDuration(change.seconds)};
    // Else the first whole minute of the later sign, as the clocks there showed it and as a slot lists it,
    // and the time from the reading to that minute.
    return {ClockText(change.minute), FormatDuration(change.secondsToMinute)};
}

QString NadirChangeSentence(NadirRule rule, int sign, const ChangeMoment &change)
{
    const auto [at, distance] = NadirChangeWhen(change);
    const QString text =
        change.seconds > 0
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

QString TimeUsedText(const CivilTime &local, const QString &clock)
{
    const QDateTime ut = local.ut();
    const qint64 days = local.date.daysTo(ut.date());
    const QString text =
        days < 0 ? QCoreApplication::translate("ExactReading", "%1 %2 = %3 UT the day before",
                                               "local time, its clock, UT")
        : days > 0
            ? QCoreApplication::translate("ExactReading", "%1 %2 = %3 UT the next day",
                                          "local time, its clock, UT")
            : QCoreApplication::translate("ExactReading", "%1 %2 = %3 UT", "local time, its clock, UT");
    return text.arg(ClockText(local), clock, ClockText(ut.time()));
}

QString FormatDuration(qint64 seconds)
{
    if (std::abs(seconds) < 60) {
        const int n = int(std::abs(seconds));
        return n == 0   ? QCoreApplication::translate("ExactReading", "less than a second")
               : n == 1 ? QCoreApplication::translate("ExactReading", "%n second", nullptr, n)
                        : QCoreApplication::translate("ExactReading", "%n seconds", nullptr, n);
    }
    const qint64 minutes = (std::abs(seconds) + 30) / 60;
    // English has a text for one and one for more; a translation gives each its plural forms.
    QStringList parts;
    if (const int days = int(minutes / 1440); days > 0)
        parts << (days == 1 ? QCoreApplication::translate("ExactReading", "%n day", nullptr, days)
                            : QCoreApplication::translate("ExactReading", "%n days", nullptr, days));
    if (const int hours = int(minutes % 1440 / 60); hours > 0)
        parts << (hours == 1 ? QCoreApplication::translate("ExactReading", "%n hour", nullptr, hours)
                             : QCoreApplication::translate("ExactReading", "%n hours", nullptr, hours));
    if (const int rest = int(minutes % 60); rest != 0)
        parts << (rest == 1 ? QCoreApplication::translate("ExactReading", "%n minute", nullptr, rest)
                            : QCoreApplication::translate("ExactReading", "%n minutes", nullptr, rest));
    // "1 day 2 hours 30 minutes" in English; a translation may join the last two with its "and".
    QString joined;
    for (qsizetype i = 0; i < parts.size(); ++i)
        joined = i == 0 ? parts[i]
                 : i + 1 == parts.size()
                     ? QCoreApplication::translate("ExactReading", "%1 %2", "the last two parts of a length of time")
                           .arg(joined, parts[i])
                     : QCoreApplication::translate("ExactReading", "%1 %2",
                                                   "parts of a length of time before the last")
                           .arg(joined, parts[i]);
    return joined;
}

namespace {

QString ayanamsaName(Zodiac zodiac)
{
    switch (zodiac) {
    case Zodiac::Lahiri:
        return QCoreApplication::translate("ExactReading", "Lahiri", "an ayanamsa, named after its author");
    case Zodiac::Raman:
        return QCoreApplication::translate("ExactReading", "Raman", "an ayanamsa, named after its author");
    case Zodiac::Krishnamurti:
        return QCoreApplication::translate("ExactReading", "Krishnamurti",
                                           "an ayanamsa, named after its author");
    case Zodiac::FaganBradley:
        return QCoreApplication::translate("ExactReading", "Fagan/Bradley",
                                           "an ayanamsa, named after its two authors");
    case Zodiac::Tropical:
        break;
    }
    return {};
}

} // namespace

QString ZodiacText(Zodiac zodiac, double ayanamsa)
{
    if (zodiac == Zodiac::Tropical)
        return QCoreApplication::translate("ExactReading", "tropical zodiac");
    const long long minutes = std::llround(ayanamsa * 60.0);
    return QCoreApplication::translate("ExactReading", "sidereal zodiac, %1 ayanamsa %2°%3′",
                                       "%1: the ayanamsa's name; %2 and %3: its degrees and minutes")
        .arg(ayanamsaName(zodiac))
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString WithZodiac(const QString &text, const QString &zodiac)
{
    const bool stop = text.endsWith(u'.');
    return QCoreApplication::translate("ExactReading", "%1 (%2)", "a text naming signs, and their zodiac")
               .arg(stop ? text.chopped(1) : text, zodiac) +
           (stop ? QStringLiteral(".") : QString());
}

QString ZodiacChoiceText(Zodiac zodiac)
{
    return zodiac == Zodiac::Tropical
               ? QCoreApplication::translate("ExactReading", "Tropical", "the zodiac to choose")
               : QCoreApplication::translate("ExactReading", "Sidereal (%1)", "%1: the ayanamsa's name")
                     .arg(ayanamsaName(zodiac));
}

} // namespace quorvis::exact
