// A local time can stand for no instant (a gap when the clocks jumped forward) or for two (an overlap when
// they went back). Neither is an error: every instant is computed and offered, and the sentence says what
// the clocks did, so that no reading silently picks one side of a clock change.
#include "ExactReading.h"

#include "ExactTexts.h"
#include "reading.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace quorvis::exact {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString position(double longitude) { return QString::fromStdString(FormatSignPosition(longitude)); }

// The quick reading of the main window for the same day and slot, through the engine's own steps.
QString quickNadirSign(QDate date, int slot)
{
    ReadingValues values;
    FindSunSign(values, static_cast<std::int16_t>(date.day() - 1),
                static_cast<std::int16_t>(date.month() - 1));
    values.BirthTime = std::string(TimeSlots[static_cast<std::size_t>(slot)]);
    values.ReadingKey = values.SunSign + "-" + values.BirthTime;
    FindRisingSign(values);
    const NadirRow *row = FindNadirRow(values.RisingSign);
    return row ? toQString(row->nadirSign) : QString();
}

// The sentence for the clocks' change whose gap or overlap holds `wall`.
QString ambiguityText(const places::PlaceClock &clock, const places::WallTimeResolution &resolution,
                      qint64 wall)
{
    if (resolution.kind == places::WallTimeKind::Gap)
        return GapSentence(resolution.gapFrom, resolution.gapTo, wall);
    if (resolution.kind != places::WallTimeKind::Overlap)
        return {};
    const auto changes =
        clock.changesBetween(resolution.readings.front().utSeconds, resolution.readings.back().utSeconds);
    for (const places::ClockChange &change : changes)
        if (change.wallAfter <= wall && wall < change.wallBefore)
            return OverlapSentence(change.wallBefore, change.wallAfter, wall);
    return OverlapSentence(wall, wall, wall);
}

void nameChoices(Result &r)
{
    if (r.kind == places::WallTimeKind::Gap && r.candidates.size() == 2) {
        r.candidates[0].choice = places::FormatUtcOffset(r.candidates[0].reading.offsetSeconds) +
                                 QLatin1String(", before the jump");
        r.candidates[1].choice = places::FormatUtcOffset(r.candidates[1].reading.offsetSeconds) +
                                 QLatin1String(", after the jump");
    } else if (r.kind == places::WallTimeKind::Overlap) {
        for (Candidate &c : r.candidates)
            c.choice =
                places::FormatUtcOffset(c.reading.offsetSeconds) +
                (c.reading.summerTime ? QLatin1String(", summer time") : QLatin1String(", standard time"));
    }
}

void readTime(Result &r, const Request &request, const places::PlaceClock &clock)
{
    const qint64 wall = places::WallSeconds(request.date, *request.time);
    const places::WallTimeResolution resolution = clock.resolve(wall);
    if (resolution.readings.isEmpty()) {
        r.problem = QStringLiteral("The local time could not be turned into Universal Time.");
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

} // namespace

// ---- input ------------------------------------------------------------------------------------------

std::optional<double> ParseDegrees(QStringView text, double limit)
{
    static const QRegularExpression number(
        QRegularExpression::anchoredPattern(QStringLiteral("[+\\-\u2212]?[0-9]{1,3}(?:[.,][0-9]+)?")));
    if (!number.match(text.toString()).hasMatch())
        return std::nullopt;
    QString plain = text.toString();
    plain.replace(QChar(u'\u2212'), QLatin1Char('-')).replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok || !(std::abs(value) <= limit))
        return std::nullopt;
    return value;
}

QString UnknownClockMessage(const QString &text)
{
    return QStringLiteral("Unknown time zone \u201C%1\u201D: give one such as Europe/London, or an offset "
                          "from \u221212:00 to +14:00 such as +01:00.")
        .arg(text);
}

QString BadLatitudeMessage(const QString &text)
{
    return QStringLiteral("Not a latitude: \u201C%1\u201D. Give degrees from \u221290 to 90, north positive.")
        .arg(text);
}

QString BadLongitudeMessage(const QString &text)
{
    return QStringLiteral(
               "Not a longitude: \u201C%1\u201D. Give degrees from \u2212180 to 180, east positive.")
        .arg(text);
}

// ---- the reading --------------------------------------------------------------------------------------

std::optional<Candidate> CandidateAt(const places::WallTimeReading &reading, const Request &request,
                                     QString *problem)
{
    const AnglesResult result = ComputeAngles(reading.utSeconds, request.latitude, request.longitude);
    if (!result.ok()) {
        *problem = toQString(result.message);
        return std::nullopt;
    }
    Candidate c;
    c.reading = reading;
    c.angles = result.angles;
    c.ic = QLatin1String("Imum Coeli ") + position(c.angles.ic);
    c.asc = QLatin1String("Ascendant ") + position(c.angles.asc);
    c.mc = QLatin1String("Midheaven ") + position(c.angles.mc);
    c.timeUsed = TimeUsedText(reading);
    c.nadirSign = ToSignPosition(c.angles.ic).sign;
    return c;
}

Result Compute(const Request &request)
{
    Result r;
    const QString clockName = request.clock ? request.clock->name() : QString();
    r.placeUsed = FormatCoordinates(request.latitude, request.longitude) + QLatin1String(", ") + clockName;
    if (request.place)
        r.placeUsed = request.place->displayName() + QLatin1String(": ") + r.placeUsed;
    if (!request.date.isValid() || request.date < FirstBirthDate || request.date > LastBirthDate) {
        r.problem = toQString(MsgInstantOutOfRange);
        return r;
    }
    if (!request.clock) {
        r.problem = QStringLiteral("Give the place's time zone or its offset from UTC.");
        return r;
    }
    const places::PlaceClock clock(*request.clock, request.longitude);
    if (!clock.isValid()) {
        r.problem = QStringLiteral("The time-zone data installed here has no zone %1.").arg(clockName);
        r.dataMissing = true;
        return r;
    }

    const int slot = request.time ? SlotOfTime(*request.time) : request.slot;
    r.quickSign = quickNadirSign(request.date, slot);
    r.quickReading = QLatin1String("Quick reading for the same day and slot: ") + r.quickSign;
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
    return toQString(ZodiacSigns[static_cast<std::size_t>(sign)]);
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

QString LocalTimeLabel(const places::WallTimeReading &reading)
{
    const QString offset = places::FormatUtcOffset(reading.offsetSeconds);
    if (reading.abbreviation.isEmpty() || reading.abbreviation.startsWith(QLatin1String("UTC")))
        return offset;
    return reading.abbreviation + QLatin1String(" (") + offset + QLatin1Char(')');
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
