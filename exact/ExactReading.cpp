// A local time can stand for no instant (a gap when the clocks jumped forward) or for several (an overlap
// when they went back). Neither is an error: every instant is computed and offered, and the sentence says
// what the clocks did, so that no reading silently picks one side of a clock change.
#include "ExactReading.h"

#include "ExactSteps.h"
#include "ExactTexts.h"
#include "reading.h"

#include "Language.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace quorvis::exact {

QString SignPositionText(double longitude)
{
    const SignPosition p = ToSignPosition(longitude);
    return QCoreApplication::translate("ExactReading", "%1°%2′ %3",
                                       "degrees, minutes and sign of a position in the zodiac")
        .arg(p.degrees)
        .arg(p.minutes, 2, 10, QLatin1Char('0'))
        .arg(SignName(p.sign));
}

namespace {

QString position(double longitude) { return SignPositionText(longitude); }

// The quick reading of the main window for the same day and slot.
QString quickNadirSign(QDate date, int slot)
{
    ReadingValues values;
    const NadirReading reading =
        ReadNadir(values, static_cast<std::int16_t>(date.day() - 1),
                  static_cast<std::int16_t>(date.month() - 1), TimeSlots[static_cast<std::size_t>(slot)], {});
    return QCoreApplication::translate(
        "ZodiacSign", QByteArray(reading.sign.data(), qsizetype(reading.sign.size())).constData());
}

// The sentence for the clocks' changes that left `wall` without an instant or with several.
QString ambiguityText(const places::PlaceClock &clock, const places::WallTimeResolution &resolution,
                      qint64 wall)
{
    if (resolution.kind == places::WallTimeKind::Gap) {
        const CivilGap gap = ToCivil(resolution, wall);
        return GapSentence(gap.from, gap.to, gap.wall);
    }
    if (resolution.kind != places::WallTimeKind::Overlap)
        return {};
    std::vector<places::ClockChange> repeated;
    for (const places::ClockChange &change :
         clock.changesBetween(resolution.readings.front().utSeconds, resolution.readings.back().utSeconds))
        if (change.wallAfter <= wall && wall < change.wallBefore)
            repeated.push_back(change);
    return OverlapSentence(ToCivil(repeated), ToCivil(wall, resolution.readings.front().offsetSeconds),
                           resolution.readings.size());
}

void nameChoices(Result &r)
{
    const qsizetype n = r.candidates.size();
    if (n < 2)
        return;
    if (r.kind == places::WallTimeKind::Gap) {
        r.candidates.front().choice =
            QCoreApplication::translate("ExactReading", "%1, before the jump", "a UTC offset")
                .arg(places::FormatUtcOffset(r.candidates.front().reading.offsetSeconds));
        r.candidates.back().choice =
            QCoreApplication::translate("ExactReading", "%1, after the jump", "a UTC offset")
                .arg(places::FormatUtcOffset(r.candidates.back().reading.offsetSeconds));
        r.readingsGiven = QCoreApplication::translate(
            "ExactReading",
            "Both readings are given, with the offset before the jump and with the one after.");
        return;
    }
    for (Candidate &c : r.candidates) {
        const QString offset = places::FormatUtcOffset(c.reading.offsetSeconds);
        c.choice =
            c.reading.localMeanTime
                ? QCoreApplication::translate("ExactReading", "%1, local mean time", "a UTC offset")
                      .arg(offset)
            : c.reading.summerTime
                ? QCoreApplication::translate("ExactReading", "%1, summer time", "a UTC offset").arg(offset)
                : QCoreApplication::translate("ExactReading", "%1, standard time", "a UTC offset")
                      .arg(offset);
    }
    r.readingsGiven =
        n == 2 ? QCoreApplication::translate("ExactReading", "Both readings are given, the earlier first.")
               : QCoreApplication::translate("ExactReading", "All %n readings are given, the earliest first.",
                                             nullptr, int(n));
}

void readTime(Result &r, const Request &request, const places::PlaceClock &clock)
{
    const qint64 wall = places::WallSeconds(request.date, *request.time);
    const places::WallTimeResolution resolution = clock.resolve(wall);
    if (resolution.readings.isEmpty()) {
        r.problem = QCoreApplication::translate("ExactReading",
                                                "The local time could not be turned into Universal Time.");
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
        return request.time
                   ? QCoreApplication::translate("ExactReading", "The time of birth is not a time of day.")
                   : QCoreApplication::translate("ExactReading",
                                                 "The two-hour slot must be one of the twelve.");
    if (request.clock)
        return {};
    *internal = request.place != nullptr;
    if (request.place)
        return QCoreApplication::translate("ExactReading",
                                           "This build does not know %1, the time zone of %2.")
            .arg(request.place->zone, PlaceName(*request.place));
    return QCoreApplication::translate("ExactReading", "Give the place's time zone or its offset from UTC.");
}

} // namespace

// ---- the reading --------------------------------------------------------------------------------------

CivilTime ToCivil(qint64 wallSeconds, int offsetSeconds)
{
    return {places::WallDate(wallSeconds), places::WallTimeOfDay(wallSeconds), offsetSeconds};
}

CivilGap ToCivil(const places::WallTimeResolution &gap, qint64 wall)
{
    const int before = gap.readings.front().offsetSeconds, after = gap.readings.back().offsetSeconds;
    return {ToCivil(gap.gapFrom, before), ToCivil(gap.gapTo, after), ToCivil(wall, before)};
}

std::vector<CivilChange> ToCivil(const std::vector<places::ClockChange> &changes)
{
    std::vector<CivilChange> civil;
    civil.reserve(changes.size());
    for (const places::ClockChange &change : changes)
        civil.push_back({ToCivil(change.wallBefore, int(change.wallBefore - change.utSeconds)),
                         ToCivil(change.wallAfter, int(change.wallAfter - change.utSeconds))});
    return civil;
}

std::optional<Candidate> CandidateAt(const places::WallTimeReading &reading, const Request &request,
                                     QString *problem)
{
    const AnglesResult result =
        ComputeAngles(reading.utSeconds, request.latitude, request.longitude, request.zodiac);
    if (!result.ok()) {
        *problem = AnglesMessage(result.message);
        return std::nullopt;
    }
    Candidate c;
    c.reading = reading;
    c.angles = result.angles;
    c.ic = QCoreApplication::translate("ExactReading", "Imum Coeli %1").arg(position(c.angles.ic));
    c.asc = QCoreApplication::translate("ExactReading", "Ascendant %1").arg(position(c.angles.asc));
    c.mc = QCoreApplication::translate("ExactReading", "Midheaven %1").arg(position(c.angles.mc));
    c.local = ToCivil(reading.utSeconds + reading.offsetSeconds, reading.offsetSeconds);
    c.timeUsed = TimeUsedText(c.local, LocalTimeLabel(reading));
    c.nadirSign = ToSignPosition(c.angles.ic).sign;
    const int rising = ToSignPosition(c.angles.asc).sign;
    c.wholeSignNadir = NadirSignIndex(rising);
    c.wholeSignNadirUnreliable = c.angles.ascUnreliable;
    c.nadirSigns = NadirSignsSentence(c.nadirSign, rising, c.wholeSignNadir, c.wholeSignNadirUnreliable);
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
        r.problem =
            QCoreApplication::translate("ExactReading", "The time-zone data installed here has no zone %1.")
                .arg(clockName);
        r.internal = true;
        return r;
    }

    const int slot = request.time ? SlotOfTime(*request.time) : request.slot;
    r.quickSign = quickNadirSign(request.date, slot);
    r.quickReading =
        QCoreApplication::translate("ExactReading", "Quick reading for the same day and slot: %1")
            .arg(r.quickSign);
    r.quickWhy = QCoreApplication::translate(
        "ExactReading",
        "The quick reading looks only at the day, the month and the two-hour slot through fixed "
        "tables; the exact one uses the minute and the birthplace, so the two can name different "
        "signs.");
    // Read in another zodiac, the quick reading's sign is compared as what it is: a tropical one.
    if (request.zodiac != Zodiac::Tropical) {
        r.quickReading = WithZodiac(r.quickReading, ZodiacText(Zodiac::Tropical, 0));
        r.quickWhy += u' ' + QCoreApplication::translate("ExactReading",
                                                         "The quick reading counts the tropical zodiac.");
    }

    if (request.time)
        readTime(r, request, clock);
    else
        ReadSlot(r, request, clock);
    if (!r.problem.isEmpty())
        return r;
    for (Candidate &c : r.candidates) {
        FindNadirChanges(c, request, clock);
        if (request.time) // a slot's reading lists the changes within the slot instead
            c.nadirChangesNear = NearNadirChanges(c);
    }

    // Every mean-time offset the readings use: two, a day apart, where the zone's day crossed the date line.
    QStringList meanTimes;
    for (const Candidate &c : std::as_const(r.candidates))
        if (const QString offset = places::FormatUtcOffset(c.reading.offsetSeconds);
            c.reading.localMeanTime && !meanTimes.contains(offset))
            meanTimes << offset;
    if (meanTimes.size() == 1)
        r.meanTimeNote =
            QCoreApplication::translate(
                "ExactReading", "Clocks there did not yet keep standard time, so the local mean time of the "
                                "birthplace (%1) is used.")
                .arg(meanTimes.front());
    else if (meanTimes.size() > 1)
        r.meanTimeNote =
            QCoreApplication::translate("ExactReading",
                                        "Clocks there did not yet keep standard time, so the local mean time "
                                        "of the birthplace is used, counted from either side of the date "
                                        "line: %1 and %2.")
                .arg(meanTimes.mid(0, meanTimes.size() - 1).join(QLatin1String(", ")), meanTimes.back());
    r.zodiac = ZodiacText(request.zodiac, r.candidates.front().angles.ayanamsa);
    if (r.candidates.front().angles.ascUnreliable)
        r.polarNote = QCoreApplication::translate(
            "ExactReading",
            "Beyond the polar circle the ecliptic can stay wholly above or below the horizon for hours, so "
            "the Ascendant here is unreliable; the Imum Coeli and the Midheaven are exact.");
    return r;
}

// ---- pieces -------------------------------------------------------------------------------------------

QString SignName(int sign)
{
    if (sign < 0 || sign >= 12)
        return {};
    return QCoreApplication::translate("ZodiacSign", ZodiacSigns[static_cast<std::size_t>(sign)].data());
}

int SlotOfTime(QTime time)
{
    const int start = time.hour() - time.hour() % 2; // slot i starts at 4 - 2i o'clock, modulo 24
    return (((4 - start) / 2) % 12 + 12) % 12;
}

QTime SlotStart(int slot) { return QTime((((4 - 2 * slot) % 24) + 24) % 24, 0); }

QString FormatCoordinates(double latitude, double longitude)
{
    const auto part = [](double value, const char *positive, const char *negative) {
        const long long minutes = std::llround(std::fabs(value) * 60.0);
        return QCoreApplication::translate("ExactReading", value < 0 ? negative : positive)
            .arg(minutes / 60)
            .arg(minutes % 60, 2, 10, QLatin1Char('0'));
    };
    return QCoreApplication::translate("ExactReading", "%1, %2", "latitude, longitude")
        .arg(part(latitude, QT_TRANSLATE_NOOP("ExactReading", "%1°%2′ N"),
                  QT_TRANSLATE_NOOP("ExactReading", "%1°%2′ S")),
             part(longitude, QT_TRANSLATE_NOOP("ExactReading", "%1°%2′ E"),
                  QT_TRANSLATE_NOOP("ExactReading", "%1°%2′ W")));
}

QString NadirRulesText()
{
    return QCoreApplication::translate(
        "ExactReading",
        "By the Imum Coeli, the nadir sign is the sign of the lowest point of the ecliptic beneath the "
        "birthplace at the moment of birth. By the rising sign, as the quick reading counts, it is the sign "
        "three on from the one rising in the east at that moment: the fourth house of those who count houses "
        "by whole signs.");
}

QString AnglesMessage(std::string_view message)
{
    return QCoreApplication::translate("Angles",
                                       QByteArray(message.data(), qsizetype(message.size())).constData());
}

places::ShownPlace ShownPlace(const places::Place &place)
{
    return places::Gazetteer::instance().shown(place, Language::Current());
}

QString PlaceName(const places::Place &place) { return ShownPlace(place).text(); }

QString PlaceText(const places::Place *place, double latitude, double longitude, const QString &clock)
{
    const QString where = QStringLiteral("%1, %2").arg(FormatCoordinates(latitude, longitude), clock);
    return place ? QCoreApplication::translate("ExactReading", "%1: %2", "a place's name and where it lies")
                       .arg(PlaceName(*place), where)
                 : where;
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

} // namespace quorvis::exact
