// The exact reading's sentences about what the clocks did and which time was used, shared by its two halves
// (a time of birth, only a slot); the front ends get them through Result.
#pragma once

#include "CivilTime.h"
#include "angles.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <utility>
#include <vector>

namespace quorvis::exact {

// "The clocks there jumped from 02:00 to 03:00 on 28 March 2021, so 02:30 never showed there." With dates
// on both sides when the jump crosses midnight or lasts a day, and the days that never happened named.
QString GapSentence(const CivilTime &gapFrom, const CivilTime &gapTo, const CivilTime &wall);
// "The clocks there went back from 03:00 to 02:00 on 31 October 2021, so 02:30 showed twice there.", for
// the changes that repeated `wall`, which showed `times` times.
QString OverlapSentence(const std::vector<CivilChange> &changes, const CivilTime &wall, qsizetype times);
// "The clocks there jumped from 02:00 to 03:00 on 28 March 2021 during this slot, so it lasted 1 hour."
QString SlotChangesSentence(const std::vector<CivilChange> &changes, qint64 lastedSeconds);
// "10:30 BST (UTC+01:00) = 09:30 UT", with the day when UT falls on another one; `clock` is the local
// time's label ("BST (UTC+01:00)").
QString TimeUsedText(const CivilTime &local, const QString &clock);
// The zodiac a reading's signs are counted in, where the signs' degrees are named: "tropical zodiac", or
// "sidereal zodiac, Lahiri ayanamsa 23°44′" with the ayanamsa (degrees) at the reading's moment.
QString ZodiacText(Zodiac zodiac, double ayanamsa);
// `text` naming signs, with the zodiac they are counted in: "Imum Coeli 14°07′ Capricorn (tropical zodiac)",
// the zodiac before a closing full stop.
QString WithZodiac(const QString &text, const QString &zodiac);
// The name of a zodiac to choose: "Tropical", "Sidereal (Lahiri)".
QString ZodiacChoiceText(Zodiac zodiac);
// The sign's name in the language spoken.
QString SignName(int sign);
// "28 March 2021", or "28 March" without the year; in German "28. März 2021".
QString DayText(QDate date, bool withYear = true);
// "10:30", or "10:30:15" when there are seconds.
QString ClockText(QTime time);
inline QString ClockText(const CivilTime &moment) { return ClockText(moment.time); }
// "1 hour", "1 hour 30 minutes", "45 minutes", "1 day"
QString FormatDuration(qint64 seconds);

// The rule a sentence about the nadir sign names: none where there is one sign to speak of, else the Imum
// Coeli's sign or the sign three on from the rising sign.
enum class NadirRule { Unnamed, ImumCoeli, RisingSign };
// "Nadir sign: Gemini, by the IC and by the rising sign alike"; where they differ, both and why; where the
// rising sign is unreliable, the Imum Coeli's sign and the other only as uncertain.
QString NadirSignsSentence(int icSign, int risingSign, int wholeSign, bool risingUnreliable);
// A change of a nadir sign as a sentence tells it.
struct ChangeMoment
{
    CivilTime exactly;  // the first second of the later sign, on the clocks there
    qint64 seconds = 0; // from the reading to it
    CivilTime minute;   // the first whole minute of the later sign, on the clocks then (their own minute on
                        // the night they change)
    qint64 secondsToMinute = 0;
};
// When it came, as a sentence says it: the clock time and the time from the reading to it. The first whole
// minute of the later sign, or, within a minute of the reading, the very second.
std::pair<QString, QString> NadirChangeWhen(const ChangeMoment &change);
// "Your nadir sign changes to Libra at 10:47, 17 minutes later." for a change after the reading, or
// "Your nadir sign was Virgo until 10:13, 17 minutes earlier." for one before it (`sign` the sign it was).
QString NadirChangeSentence(NadirRule rule, int sign, const ChangeMoment &change);

} // namespace quorvis::exact
