// What a person gives for an exact reading, read the same way by the window and by quorvis-exact: typed
// dates, times, degrees and clocks, each read whole or refused with one sentence saying why; and a place
// chosen by name, which brings its coordinates and its zone.
#pragma once

#include "Places.h"
#include "WallTime.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>
#include <vector>

namespace quorvis::exact {

struct Request;

// Birth dates the reading covers.
inline const QDate FirstBirthDate(1800, 1, 1);
inline const QDate LastBirthDate(2100, 12, 31);

// A day inside a message: "1800-01-01" in English, as it is typed; "1. Januar 1800" in German.
QString DateInMessage(QDate date);

// The text as a refusal quotes it: line breaks, tabs, control and format characters (a right-to-left
// override, zero-width ones: all of categories Cc and Cf), line and paragraph separators, lone surrogates and
// non-characters written out as \n, \t, \u202E or \U000E0001, so that the quote stays one line that reads as
// it was typed.
QString ShownSafely(QStringView text);

// "The date must lie between 1800-01-01 and 2100-12-31."
QString DateRangeMessage();

// Decimal degrees: "51.5", "-0.13", "51,5" (a decimal comma); no exponents, words or degree signs. Nothing
// when malformed or beyond ±limit.
std::optional<double> ParseDegrees(QStringView text, double limit);
// Degrees as the region writes them, whatever the language, with `decimals` places and no group separators,
// in a form ParseDegrees reads back: "51.5000", in Germany "51,5000". A region whose digits or signs it would
// not read writes them as "C" does.
QString FormatDegrees(double degrees, int decimals, const QLocale &region = QLocale::system());

// Each reader gives the value, or nothing and the sentence for `problem`.
// YYYY-MM-DD, an existing date within the range above.
std::optional<QDate> ReadDate(const QString &text, QString *problem);
// HH:MM or HH:MM:SS, 00:00 to 23:59:59.
std::optional<QTime> ReadTime(const QString &text, QString *problem);
// The window's readers: a date also as the region writes it, with the year in four digits ("12.05.1979" in
// Germany, "05/12/1979" in the United States), a time also on a twelve-hour clock ("11:40 pm"), and each
// field's hint in the language spoken. A two-digit year is refused, never guessed.
struct DateStyle
{
    QString pattern; // the region's short date format with a four-digit year: "dd.MM.yyyy", "M/d/yyyy"
    QString hint;    // "TT.MM.JJJJ" in German, "DD/MM/YYYY" in British English
    QString isoHint; // "JJJJ-MM-TT"
    static DateStyle of(const QLocale &region);
};
std::optional<QDate> ReadDate(const QString &text, const DateStyle &style, QString *problem);
// "HH:MM", or "HH:MM AM/PM" where the region's clock has twelve hours.
QString TimeHint(const QLocale &region);
std::optional<QTime> ReadTime(const QString &text, const QLocale &region, QString *problem);
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

// How many places a search shows, in the window's list and from --places alike.
inline constexpr int ShownPlaceMatches = 10;

// The places a typed text finds, best first, at most ShownPlaceMatches: those with a name that begins with
// the text in the person's own letters (accents as typed: "Mün" is how "München" begins, not "Muntivideu")
// before those the fold alone makes match; within each, a name equal to the text first, then the larger place.
std::vector<const places::Place *> FindPlaces(QStringView text);

// A place named as a place list writes it, "Springfield, Illinois, United States", with or without its
// division or country, or with what follows it (": 39°48′ N, 89°39′ W, America/Chicago"); or, given a bare
// name, the best match. `alike`: other places that bear the bare name and are of a similar size (half the
// people or more), which the name alone may have meant.
struct NamedPlace
{
    const places::Place *place = nullptr;
    std::vector<const places::Place *> alike;
};
NamedPlace FindNamedPlace(QStringView text);

// The request's place becomes `place`: its coordinates, and its zone as the clock (none when this build does
// not know the zone, which Compute then reports).
void UsePlace(Request &request, const places::Place &place);

} // namespace quorvis::exact
