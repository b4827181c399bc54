// A local time can stand for no instant (a gap when the clocks jumped forward) or for several (an overlap
// when they went back). Neither is an error: every instant is computed and offered, and the sentence says
// what the clocks did, so that no reading silently picks one side of a clock change.
#include "ExactReading.h"

#include "ExactSteps.h"
#include "ExactTexts.h"
#include "reading.h"

#include <algorithm>
#include <cmath>

namespace quorvis::exact {

namespace {

QString position(double longitude) { return QString::fromStdString(FormatSignPosition(longitude)); }

// The quick reading of the main window for the same day and slot.
QString quickNadirSign(QDate date, int slot)
{
    ReadingValues values;
    const NadirReading reading =
        ReadNadir(values, static_cast<std::int16_t>(date.day() - 1),
                  static_cast<std::int16_t>(date.month() - 1), TimeSlots[static_cast<std::size_t>(slot)], {});
    return QString::fromUtf8(reading.sign);
}

// The sentence for the clocks' changes that left `wall` without an instant or with several.
QString ambiguityText(const places::PlaceClock &clock, const places::WallTimeResolution &resolution,
                      qint64 wall)
{
    if (resolution.kind == places::WallTimeKind::Gap)
        return GapSentence(resolution.gapFrom, resolution.gapTo, wall);
    if (resolution.kind != places::WallTimeKind::Overlap)
        return {};
    std::vector<places::ClockChange> repeated;
    for (const places::ClockChange &change :
         clock.changesBetween(resolution.readings.front().utSeconds, resolution.readings.back().utSeconds))
        if (change.wallAfter <= wall && wall < change.wallBefore)
            repeated.push_back(change);
    return OverlapSentence(repeated, wall, resolution.readings.size());
}

void nameChoices(Result &r)
{
    const qsizetype n = r.candidates.size();
    if (n < 2)
        return;
    if (r.kind == places::WallTimeKind::Gap) {
        r.candidates.front().choice =
            QStringLiteral("%1, before the jump")
                .arg(places::FormatUtcOffset(r.candidates.front().reading.offsetSeconds));
        r.candidates.back().choice =
            QStringLiteral("%1, after the jump")
                .arg(places::FormatUtcOffset(r.candidates.back().reading.offsetSeconds));
        r.readingsGiven = QStringLiteral(
            "Both readings are given, with the offset before the jump and with the one after.");
        return;
    }
    for (Candidate &c : r.candidates) {
        const QString offset = places::FormatUtcOffset(c.reading.offsetSeconds);
        c.choice = c.reading.localMeanTime ? QStringLiteral("%1, local mean time").arg(offset)
                   : c.reading.summerTime  ? QStringLiteral("%1, summer time").arg(offset)
                                           : QStringLiteral("%1, standard time").arg(offset);
    }
    r.readingsGiven = n == 2 ? QStringLiteral("Both readings are given, the earlier first.")
                             : QStringLiteral("All %1 readings are given, the earliest first.").arg(n);
}

void readTime(Result &r, const Request &request, const places::PlaceClock &clock)
{
    const qint64 wall = places::WallSeconds(request.date, *request.time);
    const places::WallTimeResolution resolution = clock.resolve(wall);
    if (resolution.readings.isEmpty()) {
        r.problem = QStringLiteral("The local time could not be turned into Universal Time.");
        r.internal = true;
        return;
    }
    for (const places::WallTimeReading &reading : resolution.readings) {
        std::optional<Candidate> c = CandidateAt(reading, request, &r.problem);
        if (!c) {
            r.candidates.clear();
            return;
        }
        r.candidates << *c;
    }
    r.kind = resolution.kind;
    r.ambiguity = ambiguityText(clock, resolution, wall);
    nameChoices(r);
}

// Why the request cannot be read before any clock is asked; nothing when it can.
QString refusal(const Request &request, bool *internal)
{
    if (!request.date.isValid() || request.date < FirstBirthDate || request.date > LastBirthDate)
        return DateRangeMessage();
    if (request.time ? !request.time->isValid() : request.slot < 0 || request.slot >= 12)
        return request.time ? QStringLiteral("The time of birth is not a time of day.")
                            : QStringLiteral("The two-hour slot must be one of the twelve.");
    if (request.clock)
        return {};
    *internal = request.place != nullptr;
    if (request.place)
        return QStringLiteral("This build does not know %1, the time zone of %2.")
            .arg(request.place->zone, request.place->displayName());
    return QStringLiteral("Give the place's time zone or its offset from UTC.");
}

} // namespace

// ---- the reading --------------------------------------------------------------------------------------

std::optional<Candidate> CandidateAt(const places::WallTimeReading &reading, const Request &request,
                                     QString *problem)
{
    const AnglesResult result = ComputeAngles(reading.utSeconds, request.latitude, request.longitude);
    if (!result.ok()) {
        *problem = QString::fromUtf8(result.message);
        return std::nullopt;
    }
    Candidate c;
    c.reading = reading;
    c.angles = result.angles;
    c.ic = QStringLiteral("Imum Coeli %1").arg(position(c.angles.ic));
    c.asc = QStringLiteral("Ascendant %1").arg(position(c.angles.asc));
    c.mc = QStringLiteral("Midheaven %1").arg(position(c.angles.mc));
    c.timeUsed = TimeUsedText(reading);
    c.nadirSign = ToSignPosition(c.angles.ic).sign;
    return c;
}

Result Compute(const Request &request)
{
    Result r;
    const QString clockName = request.clock ? request.clock->name() : QString();
    r.placeUsed = PlaceText(request.place, request.latitude, request.longitude, clockName);
    r.problem = refusal(request, &r.internal);
    if (!r.problem.isEmpty())
        return r;
    const places::PlaceClock clock(*request.clock, request.longitude);
    if (!clock.isValid()) {
        r.problem = QStringLiteral("The time-zone data installed here has no zone %1.").arg(clockName);
        r.internal = true;
        return r;
    }

    const int slot = request.time ? SlotOfTime(*request.time) : request.slot;
    r.quickSign = quickNadirSign(request.date, slot);
    r.quickReading = QStringLiteral("Quick reading for the same day and slot: %1").arg(r.quickSign);
    r.quickWhy = QStringLiteral("The quick reading looks only at the day, the month and the two-hour slot "
                                "through fixed tables; the exact one uses the minute and the birthplace, so "
                                "the two can name different signs.");

    if (request.time)
        readTime(r, request, clock);
    else
        ReadSlot(r, request, clock);
    if (!r.problem.isEmpty())
        return r;

    const auto meanTime = std::find_if(r.candidates.cbegin(), r.candidates.cend(),
                                       [](const Candidate &c) { return c.reading.localMeanTime; });
    if (meanTime != r.candidates.cend())
        r.meanTimeNote = QStringLiteral("Clocks there did not yet keep standard time, so the local mean time "
                                        "of the birthplace (%1) is used.")
                             .arg(places::FormatUtcOffset(meanTime->reading.offsetSeconds));
    if (r.candidates.front().angles.ascUnreliable)
        r.polarNote =
            QStringLiteral("Beyond the polar circle the ecliptic can stay wholly above or below the "
                           "horizon for hours, so the Ascendant here is unreliable; the Imum Coeli "
                           "and the Midheaven are exact.");
    return r;
}

// ---- pieces -------------------------------------------------------------------------------------------

QString SignName(int sign)
{
    if (sign < 0 || sign >= 12)
        return {};
    return QString::fromUtf8(ZodiacSigns[static_cast<std::size_t>(sign)]);
}

int SlotOfTime(QTime time)
{
    const int start = time.hour() - time.hour() % 2; // slot i starts at 4 - 2i o'clock, modulo 24
    return (((4 - start) / 2) % 12 + 12) % 12;
}

QTime SlotStart(int slot) { return QTime((((4 - 2 * slot) % 24) + 24) % 24, 0); }

QString FormatCoordinates(double latitude, double longitude)
{
    const auto part = [](double value, QChar positive, QChar negative) {
        const long long minutes = std::llround(std::fabs(value) * 60.0);
        return QStringLiteral("%1°%2′ %3")
            .arg(minutes / 60)
            .arg(minutes % 60, 2, 10, QLatin1Char('0'))
            .arg(value < 0 ? negative : positive);
    };
    return part(latitude, QLatin1Char('N'), QLatin1Char('S')) + QLatin1String(", ") +
           part(longitude, QLatin1Char('E'), QLatin1Char('W'));
}

QString PlaceText(const places::Place *place, double latitude, double longitude, const QString &clock)
{
    const QString where = QStringLiteral("%1, %2").arg(FormatCoordinates(latitude, longitude), clock);
    return place ? QStringLiteral("%1: %2").arg(place->displayName(), where) : where;
}

QString ClockName(const places::WallTimeReading &reading)
{
    return reading.abbreviation.isEmpty() ? places::FormatUtcOffset(reading.offsetSeconds)
                                          : reading.abbreviation;
}

QString LocalTimeLabel(const places::WallTimeReading &reading)
{
    const QString offset = places::FormatUtcOffset(reading.offsetSeconds);
    return reading.abbreviation.isEmpty() ? offset
                                          : QStringLiteral("%1 (%2)").arg(reading.abbreviation, offset);
}

QString FormatDuration(qint64 seconds)
{
    const qint64 minutes = (std::abs(seconds) + 30) / 60;
    const auto count = [](qint64 n, const char *unit) {
        return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(unit)).arg(n == 1 ? "" : "s");
    };
    QStringList parts;
    if (minutes >= 1440)
        parts << count(minutes / 1440, "day");
    if (minutes % 1440 >= 60)
        parts << count(minutes % 1440 / 60, "hour");
    if (minutes % 60 != 0 || minutes == 0)
        parts << count(minutes % 60, "minute");
    return parts.join(u' ');
}

} // namespace quorvis::exact
