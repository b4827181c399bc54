// What a person gives for an exact reading, read the same way by the window and by quorvis-exact: typed
// dates, times, degrees and clocks, each read whole or refused with one sentence saying why; and a place
// chosen by name, which brings its coordinates and its zone.
#pragma once

#include "Places.h"
#include "WallTime.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

namespace quorvis::exact {

struct Request;

// Birth dates the reading covers.
inline const QDate FirstBirthDate(1800, 1, 1);
inline const QDate LastBirthDate(2100, 12, 31);

// "The date must lie between 1800-01-01 and 2100-12-31."
QString DateRangeMessage();

// Decimal degrees: "51.5", "-0.13", "51,5" (a decimal comma); no exponents, words or degree signs. Nothing
// when malformed or beyond ±limit.
std::optional<double> ParseDegrees(QStringView text, double limit);

// Each reader gives the value, or nothing and the sentence for `problem`.
// YYYY-MM-DD, an existing date within the range above.
std::optional<QDate> ReadDate(const QString &text, QString *problem);
// HH:MM or HH:MM:SS, 00:00 to 23:59:59.
std::optional<QTime> ReadTime(const QString &text, QString *problem);
// A two-hour slot as the quick reading lists it ("2pm-4pm"), in English or as the window names it in any
// language Quorvis speaks ("14-16 Uhr"), without regard to case: its index into TimeSlots.
std::optional<int> ReadTimeSlot(const QString &text, QString *problem);
// Degrees north within ±90, east within ±180.
std::optional<double> ReadLatitude(const QString &text, QString *problem);
std::optional<double> ReadLongitude(const QString &text, QString *problem);
// A zone of the tz database or an offset ±HH:MM within −12:00..+14:00 (places::Clock::parse).
std::optional<places::Clock> ReadClock(const QString &text, QString *problem);
// An offset ±HH:MM only.
std::optional<places::Clock> ReadUtcOffset(const QString &text, QString *problem);

// The request's place becomes `place`: its coordinates, and its zone as the clock (none when this build does
// not know the zone, which Compute then reports).
void UsePlace(Request &request, const places::Place &place);

} // namespace quorvis::exact
