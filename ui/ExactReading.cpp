#include "ExactReading.h"

#include "reading.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <cmath>

namespace quorvis::exact {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString position(double longitude) { return QString::fromStdString(FormatSignPosition(longitude)); }

QString dayText(QDate date) { return QLocale::c().toString(date, QStringLiteral("d MMMM yyyy")); }

QString clock(QTime time) { return time.toString(QStringLiteral("HH:mm")); }

// "10:30 BST (UTC+01:00) = 09:30 UT", with the day when UT falls on another one.
QString timeUsedText(const places::WallTimeReading &reading)
{
    const QDateTime local =
        QDateTime::fromSecsSinceEpoch(reading.utSeconds + reading.offsetSeconds, QTimeZone::utc());
    const QDateTime ut = QDateTime::fromSecsSinceEpoch(reading.utSeconds, QTimeZone::utc());
    const QString offset = places::FormatUtcOffset(reading.offsetSeconds);
    const QString &abbr = reading.abbreviation;
    const bool namedZone = !abbr.isEmpty() && !abbr.startsWith(QLatin1String("UTC")) &&
                           !abbr.startsWith(QLatin1Char('+')) && !abbr.startsWith(QLatin1Char('-'));
    QString text = clock(local.time()) + QLatin1Char(' ');
    if (namedZone)
        text += abbr + QLatin1Char(' ');
    text += QLatin1Char('(') + offset + QLatin1String(") = ") + clock(ut.time()) + QLatin1String(" UT");
    const qint64 days = local.date().daysTo(ut.date());
    if (days < 0)
        text += QLatin1String(" the day before");
    else if (days > 0)
        text += QLatin1String(" the next day");
    return text;
}

std::optional<Candidate> candidateAt(const places::WallTimeReading &reading, const Inputs &in,
                                     QString *problem)
{
    const AnglesResult result = ComputeAngles(reading.utSeconds, in.latitude, in.longitude);
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
    c.timeUsed = timeUsedText(reading);
    c.nadirSign = ToSignPosition(c.angles.ic).sign;
    return c;
}

places::WallTimeResolution resolve(const Inputs &in, QTime time)
{
    if (in.utcOffsetSeconds)
        return places::ResolveWallTime(in.date, time, *in.utcOffsetSeconds);
    return places::ResolveWallTime(in.date, time, QTimeZone(in.zone.toUtf8()), in.longitude);
}

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

void explainAmbiguity(Result &r, const places::WallTimeResolution &resolution, const Inputs &in)
{
    r.kind = resolution.kind;
    const QString when = dayText(in.date);
    if (resolution.kind == places::WallTimeKind::Gap) {
        r.explanation = QStringLiteral("Clocks there jumped from %1 to %2 on %3, so %4 never existed there. "
                                       "The two possible readings:")
                            .arg(clock(resolution.gapFrom), clock(resolution.gapTo), when, clock(in.time));
        const char *const sides[] = {", the offset before the jump", ", the offset after the jump"};
        for (int i = 0; i < r.candidates.size() && i < 2; ++i)
            r.candidates[i].choice =
                places::FormatUtcOffset(r.candidates[i].reading.offsetSeconds) + QLatin1String(sides[i]);
    } else if (resolution.kind == places::WallTimeKind::Overlap) {
        r.explanation = QStringLiteral("Clocks there went back on %1, so %2 happened twice. Which of the two "
                                       "offsets applied?")
                            .arg(when, clock(in.time));
        for (Candidate &c : r.candidates)
            c.choice =
                places::FormatUtcOffset(c.reading.offsetSeconds) +
                (c.reading.summerTime ? QLatin1String(", summer time") : QLatin1String(", standard time"));
    }
    if (!r.candidates.isEmpty() && r.candidates.front().reading.localMeanTime)
        r.explanation =
            QStringLiteral("Clocks there did not yet keep standard time, so the local mean time of the "
                           "birthplace (%1) is used.")
                .arg(places::FormatUtcOffset(r.candidates.front().reading.offsetSeconds));
}

// The IC over the slot's two hours: each sign with the minute it begins, and the reading at the middle of the
// slot. The IC moves at most about 0.27° a minute, so a sign lasts well over ten minutes: sampling every ten
// minutes sees every change, and halving the ten minutes around one finds its minute.
void readSlot(Result &r, const Inputs &in)
{
    const QTime start = SlotStart(in.slot);
    const places::WallTimeResolution resolution = resolve(in, start);
    if (resolution.readings.isEmpty())
        return;
    const places::WallTimeReading first = resolution.readings.front();
    constexpr int Minutes = 120, Step = 10;
    std::array<int, Minutes> signs;
    signs.fill(-1);
    const auto signAt = [&](int minute) {
        if (signs[minute] < 0) {
            const AnglesResult a = ComputeAngles(first.utSeconds + minute * 60, in.latitude, in.longitude);
            if (!a.ok()) {
                r.problem = toQString(a.message);
                return -1;
            }
            signs[minute] = ToSignPosition(a.angles.ic).sign;
        }
        return signs[minute];
    };
    QStringList changes{SignName(signAt(0)) + QLatin1String(" from ") + clock(start)};
    for (int from = 0; from < Minutes - 1 && r.problem.isEmpty(); from += Step) {
        // The sign at `lo` holds until just before `hi`: halve until they are a minute apart.
        int lo = from, hi = std::min(from + Step, Minutes - 1);
        if (signAt(hi) == signAt(lo))
            continue;
        while (hi - lo > 1) {
            const int mid = (lo + hi) / 2;
            (signAt(mid) == signAt(lo) ? lo : hi) = mid;
        }
        changes << SignName(signAt(hi)) + QLatin1String(" from ") + clock(start.addSecs(hi * 60));
    }
    if (!r.problem.isEmpty())
        return;
    r.slotChanges = changes.join(QLatin1String(", "));
    places::WallTimeReading middle = first;
    middle.utSeconds += 3600;
    if (std::optional<Candidate> c = candidateAt(middle, in, &r.problem)) {
        c->timeUsed += QLatin1String(", the middle of the slot");
        r.candidates << *c;
    }
    if (first.localMeanTime)
        explainAmbiguity(r, resolution, in);
}

} // namespace

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

Result Compute(const Inputs &in)
{
    Result r;
    if (!in.date.isValid() || !in.havePosition || (!in.slotOnly && !in.time.isValid()) ||
        (!in.utcOffsetSeconds && in.zone.isEmpty()))
        return r;
    r.complete = true;

    const QString zoneText = in.utcOffsetSeconds ? places::FormatUtcOffset(*in.utcOffsetSeconds) : in.zone;
    r.placeUsed = FormatCoordinates(in.latitude, in.longitude) + QLatin1String(", ") + zoneText;
    if (!in.placeName.isEmpty())
        r.placeUsed = in.placeName + QLatin1String(": ") + r.placeUsed;

    const int slot = in.slotOnly ? in.slot : SlotOfTime(in.time);
    r.quickSign = quickNadirSign(in.date, slot);
    r.quickReading = QLatin1String("Quick reading for the same day and slot: ") + r.quickSign;
    r.quickWhy = QStringLiteral("The quick reading looks only at the day, the month and the two-hour slot "
                                "through fixed tables; the exact one uses the minute and the birthplace, so "
                                "the two can name different signs.");

    if (!in.utcOffsetSeconds && !QTimeZone(in.zone.toUtf8()).isValid()) {
        r.problem = QStringLiteral("Unknown time zone: give an IANA zone such as Europe/London or a UTC "
                                   "offset such as +01:00.");
        return r;
    }

    if (in.slotOnly) {
        readSlot(r, in);
    } else {
        const places::WallTimeResolution resolution = resolve(in, in.time);
        for (const places::WallTimeReading &reading : resolution.readings) {
            std::optional<Candidate> c = candidateAt(reading, in, &r.problem);
            if (!c) {
                r.candidates.clear();
                return r;
            }
            r.candidates << *c;
        }
        explainAmbiguity(r, resolution, in);
    }
    if (!r.candidates.isEmpty() && r.candidates.front().angles.ascUnreliable)
        r.polarNote =
            QStringLiteral("Beyond the polar circle the ecliptic can stay wholly above or below the "
                           "horizon for hours, so the Ascendant here is unreliable; the Imum Coeli "
                           "and the Midheaven are exact.");
    return r;
}

} // namespace quorvis::exact
