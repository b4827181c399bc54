// A moment as the clock at a birthplace showed it: its date, its time of day and the clock's offset from UT.
// Each reading's wall time becomes one of these once, when the reading is resolved (ExactReading.cpp); the
// sentences and both front ends only format it, and never ask the zone library for a date again.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <vector>

namespace quorvis::exact {

struct CivilTime
{
    QDate date;
    QTime time;
    int offsetSeconds = 0; // local minus UT

    // The instant, in UTC.
    QDateTime ut() const { return onTheFace().addSecs(-offsetSeconds); }
    // Seconds on the clock's face from this moment to `other` (negative when `other` showed earlier).
    qint64 secsTo(const CivilTime &other) const { return onTheFace().secsTo(other.onTheFace()); }
    // The moment `seconds` later on the same clock.
    CivilTime addSecs(qint64 seconds) const
    {
        const QDateTime later = onTheFace().addSecs(seconds);
        return {later.date(), later.time(), offsetSeconds};
    }

    bool operator==(const CivilTime &) const = default;

private:
    // The clock's face counted like UTC, for arithmetic on it.
    QDateTime onTheFace() const { return QDateTime(date, time, Qt::UTC); }
};

// A change of the clocks as they showed it: the reading just before the change and at it.
struct CivilChange
{
    CivilTime before, after;
};

} // namespace quorvis::exact
