// The exact reading as quorvis-exact prints it: every sentence comes from the exact reading itself, so that
// the window and the command line say the same; here only the layout (aligned lines, or JSON) is decided.
#include "Report.h"

#include "ExactTexts.h"
#include "Language.h"
#include "reading.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cmath>

namespace quorvis::cli {

namespace {

// "1990-08-01T09:30:00Z"
QString UtText(const exact::CivilTime &local) { return local.ut().toString(Qt::ISODate); }

// The sign in English, for JSON.
QString SignText(double longitude) { return QString::fromStdString(FormatSignPosition(longitude)); }

QString StatusName(places::WallTimeKind kind)
{
    switch (kind) {
    case places::WallTimeKind::Gap:
        return QStringLiteral("gap");
    case places::WallTimeKind::Overlap:
        return QStringLiteral("overlap");
    case places::WallTimeKind::Normal:
        break;
    }
    return QStringLiteral("ok");
}

QJsonValue TextOrNull(const QString &text) { return text.isEmpty() ? QJsonValue() : QJsonValue(text); }

QString EnglishSignName(int sign)
{
    return QString::fromLatin1(ZodiacSigns[static_cast<std::size_t>(sign)].data());
}

// The minutes to the nearest change of a nadir sign before and after the reading, to a tenth.
QJsonObject ChangeMinutes(const exact::NadirSignChanges &changes, qint64 utSeconds)
{
    const auto minutes = [utSeconds](const std::optional<exact::NadirSignChange> &change) {
        return change ? QJsonValue(std::round(double(std::abs(change->utSeconds - utSeconds)) / 6.0) / 10.0)
                      : QJsonValue();
    };
    QJsonObject object;
    object[QStringLiteral("before")] = minutes(changes.before);
    object[QStringLiteral("after")] = minutes(changes.after);
    return object;
}

QJsonObject PlaceJson(const places::Place *place, double latitude, double longitude, const QString &zone)
{
    QJsonObject object;
    object[QStringLiteral("name")] = place ? TextOrNull(place->name) : QJsonValue();
    object[QStringLiteral("admin1")] = place ? TextOrNull(place->admin1) : QJsonValue();
    object[QStringLiteral("country")] = place ? TextOrNull(place->country) : QJsonValue();
    object[QStringLiteral("lat")] = latitude;
    object[QStringLiteral("lon")] = longitude;
    object[QStringLiteral("zone")] = TextOrNull(zone);
    // The names as the text output shows them, in the user's language even though the JSON speaks English;
    // the fields above stay GeoNames's.
    if (place) {
        const places::ShownPlace shown = places::Gazetteer::instance().shown(*place, Language::OfSystem());
        object[QStringLiteral("shown")] = QJsonObject{{QStringLiteral("name"), shown.name},
                                                      {QStringLiteral("admin1"), TextOrNull(shown.admin1)},
                                                      {QStringLiteral("country"), TextOrNull(shown.country)},
                                                      {QStringLiteral("language"), shown.language}};
    } else {
        object[QStringLiteral("shown")] = QJsonValue();
    }
    return object;
}

QString JsonText(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

QString ReadingJson(const exact::Request &request, const exact::Result &result)
{
    QJsonArray list;
    for (const exact::Candidate &candidate : result.candidates) {
        const ChartAngles &a = candidate.angles;
        QJsonObject object;
        object[QStringLiteral("ut")] = UtText(candidate.local);
        object[QStringLiteral("offset_seconds")] = candidate.reading.offsetSeconds;
        object[QStringLiteral("abbreviation")] = TextOrNull(candidate.reading.abbreviation);
        object[QStringLiteral("local_mean_time")] = candidate.reading.localMeanTime;
        object[QStringLiteral("summer_time")] = candidate.reading.summerTime;
        object[QStringLiteral("time_used")] = candidate.timeUsed;
        object[QStringLiteral("ic")] = a.ic;
        object[QStringLiteral("mc")] = a.mc;
        object[QStringLiteral("asc")] = a.asc;
        object[QStringLiteral("ic_sign")] = SignText(a.ic);
        object[QStringLiteral("asc_sign")] = SignText(a.asc);
        object[QStringLiteral("mc_sign")] = SignText(a.mc);
        object[QStringLiteral("asc_unreliable")] = a.ascUnreliable;
        object[QStringLiteral("whole_sign_nadir")] = EnglishSignName(candidate.wholeSignNadir);
        object[QStringLiteral("whole_sign_nadir_unreliable")] = candidate.wholeSignNadirUnreliable;
        object[QStringLiteral("ic_sign_change_minutes")] =
            ChangeMinutes(candidate.icChanges, candidate.reading.utSeconds);
        object[QStringLiteral("whole_sign_nadir_change_minutes")] =
            candidate.wholeSignNadirUnreliable
                ? QJsonValue()
                : QJsonValue(ChangeMinutes(candidate.wholeSignChanges, candidate.reading.utSeconds));
        list.append(object);
    }
    QJsonObject root;
    root[QStringLiteral("status")] = StatusName(result.kind);
    const std::string_view zodiac = ZodiacKey(request.zodiac);
    root[QStringLiteral("zodiac")] = QString::fromLatin1(zodiac.data(), qsizetype(zodiac.size()));
    root[QStringLiteral("ayanamsa_degrees")] = request.zodiac == Zodiac::Tropical
                                                   ? QJsonValue()
                                                   : QJsonValue(result.candidates.front().angles.ayanamsa);
    const QString zone = request.clock && !request.clock->isFixedOffset() ? request.clock->name() : QString();
    root[QStringLiteral("place")] = PlaceJson(request.place, request.latitude, request.longitude, zone);
    root[QStringLiteral("explanation")] = TextOrNull(result.ambiguity);
    root[QStringLiteral("local_mean_time_note")] = TextOrNull(result.meanTimeNote);
    root[QStringLiteral("polar_note")] = TextOrNull(result.polarNote);
    if (!request.time) {
        root[QStringLiteral("slot")] = QString::fromLatin1(TimeSlots[std::size_t(request.slot)].data());
        root[QStringLiteral("slot_changes")] = TextOrNull(result.slotChanges);
    }
    root[QStringLiteral("candidates")] = list;
    return JsonText(root);
}

// The captions of the text output, in the language spoken, each as wide as the widest and a space (13
// characters in English).
struct Captions
{
    QString place, gap, overlap, note, localTime, slot, slotSigns, timeUsed, ut, zodiac, ic, asc, mc;

    Captions()
    {
        QString *all[] = {&place,    &gap, &overlap, &note, &localTime, &slot, &slotSigns,
                          &timeUsed, &ut,  &zodiac,  &ic,   &asc,       &mc};
        place = QCoreApplication::translate("ExactCommandLine", "Place:");
        gap = QCoreApplication::translate("ExactCommandLine", "Gap:");
        overlap = QCoreApplication::translate("ExactCommandLine", "Overlap:");
        note = QCoreApplication::translate("ExactCommandLine", "Note:");
        localTime = QCoreApplication::translate("ExactCommandLine", "Local time:");
        slot = QCoreApplication::translate("ExactCommandLine", "Slot:");
        slotSigns =
            QCoreApplication::translate("ExactCommandLine", "IC signs:", "the IC's signs during a slot");
        timeUsed = QCoreApplication::translate("ExactCommandLine", "Time used:");
        ut = QCoreApplication::translate("ExactCommandLine", "UT:");
        zodiac = QCoreApplication::translate("ExactCommandLine", "Zodiac:");
        ic = QCoreApplication::translate("ExactCommandLine", "IC:");
        asc = QCoreApplication::translate("ExactCommandLine", "ASC:");
        mc = QCoreApplication::translate("ExactCommandLine", "MC:");
        qsizetype width = 12;
        for (const QString *caption : all)
            width = std::max(width, caption->size());
        for (QString *caption : all)
            *caption = caption->leftJustified(width + 1);
    }
};

// Degrees as the region writes them, whatever the language: "123.456789°", in Germany "123,456789°", in
// Switzerland "123.456789°".
QString DegreesForReading(double degrees)
{
    return exact::FormatDegrees(degrees, 6) + u'\u00B0';
}

QString ReadingText(const Request &request, const exact::Result &result)
{
    const exact::Request &reading = request.reading;
    const Captions captions;
    QStringList lines{captions.place + result.placeUsed};
    if (result.kind == places::WallTimeKind::Gap)
        lines << captions.gap + result.ambiguity + u' ' + result.readingsGiven;
    else if (result.kind == places::WallTimeKind::Overlap)
        lines << captions.overlap + result.ambiguity + u' ' + result.readingsGiven;
    for (const QString &note : {result.meanTimeNote, result.polarNote})
        if (!note.isEmpty())
            lines << captions.note + note;
    // The zodiac the signs below are counted in; a sidereal one with its ayanamsa at the moment, in full.
    lines << captions.zodiac + result.zodiac +
                 (reading.zodiac == Zodiac::Tropical ? QString()
                                                     : QStringLiteral(" (%1)").arg(DegreesForReading(
                                                           result.candidates.front().angles.ayanamsa)));

    // Only the slot: its signs and what the clocks did in it, and the time used for the reading.
    if (!reading.time) {
        lines << captions.slot + reading.date.toString(Qt::ISODate) + u' ' +
                     QCoreApplication::translate("TimeSlot", TimeSlots[std::size_t(reading.slot)].data());
        lines << captions.slotSigns + result.slotChanges;
        if (!result.slotJumps.isEmpty())
            lines << captions.note + result.slotJumps;
    }
    for (qsizetype i = 0; i < result.candidates.size(); ++i) {
        const exact::Candidate &candidate = result.candidates[i];
        if (result.candidates.size() > 1)
            lines << QString()
                  << QCoreApplication::translate("ExactCommandLine", "Reading %1 of %2: %3")
                         .arg(i + 1)
                         .arg(result.candidates.size())
                         .arg(candidate.choice);
        const exact::CivilTime &local = candidate.local;
        if (reading.time)
            lines << captions.localTime + local.date.toString(Qt::ISODate) + u' ' +
                         local.time.toString(Qt::ISODate) + u' ' + exact::LocalTimeLabel(candidate.reading);
        else
            lines << captions.timeUsed + candidate.timeUsed;
        lines << captions.ut + UtText(local);
        const ChartAngles &a = candidate.angles;
        const auto angleLine = [](const QString &caption, double longitude) {
            return caption + exact::SignPositionText(longitude).leftJustified(18) + u' ' +
                   DegreesForReading(longitude).rightJustified(12);
        };
        lines << angleLine(captions.ic, a.ic) << angleLine(captions.asc, a.asc)
              << angleLine(captions.mc, a.mc);
        lines << candidate.nadirSigns << candidate.nadirChangesNear;
    }
    return lines.join(u'\n') + u'\n';
}

} // namespace

Report MakeReadingReport(const Request &request)
{
    const exact::Result result = exact::Compute(request.reading);
    Report report;
    if (!result.ok()) {
        report.exitStatus = result.internal ? 1 : 2;
        report.error = result.problem;
        return report;
    }
    report.out = request.json ? ReadingJson(request.reading, result) : ReadingText(request, result);
    return report;
}

Report MakePlacesReport(const Request &request)
{
    const std::vector<const places::Place *> hits = exact::FindPlaces(request.searchText);
    Report report;
    if (request.json) {
        QJsonArray list;
        for (const places::Place *place : hits)
            list.append(PlaceJson(place, place->latitude, place->longitude, place->zone));
        QJsonObject root;
        root[QStringLiteral("places")] = list;
        report.out = JsonText(root);
        return report;
    }
    if (hits.empty()) {
        report.out = QCoreApplication::translate("ExactCommandLine", "No place matches \"%1\".")
                         .arg(request.searchText) +
                     u'\n';
        return report;
    }
    for (const places::Place *place : hits)
        report.out += exact::PlaceText(place, place->latitude, place->longitude, place->zone) + u'\n';
    return report;
}

} // namespace quorvis::cli
