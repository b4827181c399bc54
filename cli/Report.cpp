// A local time can stand for no instant (a gap when the clocks jumped forward) or for two (an overlap when
// they went back). Neither is an error: every instant the library offers is computed and shown, and the
// status says which case it was, so that no reading silently picks one side of a clock change.
#include "Report.h"

#include "angles.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cmath>

namespace quorvis::cli {

namespace {

struct Candidate
{
    places::WallTimeReading reading;
    ChartAngles angles;
};

QString UtText(qint64 utSeconds)
{
    return QDateTime::fromSecsSinceEpoch(utSeconds, QTimeZone::utc())
        .toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"));
}

QString DegreesText(double degrees) { return QString::number(degrees, 'f', 6) + u'\u00B0'; }

QString SignText(double longitude) { return QString::fromStdString(FormatSignPosition(longitude)); }

QString CoordinatesText(double latitude, double longitude)
{
    return QStringLiteral("%1\u00B0 %2, %3\u00B0 %4")
        .arg(QString::number(std::abs(latitude), 'f', 5),
             latitude < 0 ? QStringLiteral("S") : QStringLiteral("N"),
             QString::number(std::abs(longitude), 'f', 5),
             longitude < 0 ? QStringLiteral("W") : QStringLiteral("E"));
}

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

QJsonObject PlaceJson(const places::Place &place, bool fromGazetteer)
{
    QJsonObject object;
    object[QStringLiteral("name")] = fromGazetteer ? TextOrNull(place.name) : QJsonValue();
    object[QStringLiteral("admin1")] = fromGazetteer ? TextOrNull(place.admin1) : QJsonValue();
    object[QStringLiteral("country")] = fromGazetteer ? TextOrNull(place.country) : QJsonValue();
    object[QStringLiteral("lat")] = place.latitude;
    object[QStringLiteral("lon")] = place.longitude;
    object[QStringLiteral("zone")] = TextOrNull(place.zone);
    return object;
}

QString JsonText(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

QString ReadingJson(const Request &request, places::WallTimeKind kind, const QList<Candidate> &candidates)
{
    QJsonArray list;
    for (const Candidate &candidate : candidates) {
        const ChartAngles &a = candidate.angles;
        QJsonObject object;
        object[QStringLiteral("ut")] = UtText(candidate.reading.utSeconds);
        object[QStringLiteral("offset_seconds")] = candidate.reading.offsetSeconds;
        object[QStringLiteral("abbreviation")] = candidate.reading.abbreviation;
        object[QStringLiteral("ic")] = a.ic;
        object[QStringLiteral("mc")] = a.mc;
        object[QStringLiteral("asc")] = a.asc;
        object[QStringLiteral("ic_sign")] = SignText(a.ic);
        object[QStringLiteral("asc_sign")] = SignText(a.asc);
        object[QStringLiteral("mc_sign")] = SignText(a.mc);
        object[QStringLiteral("asc_unreliable")] = a.ascUnreliable;
        list.append(object);
    }
    QJsonObject root;
    root[QStringLiteral("status")] = StatusName(kind);
    root[QStringLiteral("place")] = PlaceJson(request.place, request.placeFromGazetteer);
    root[QStringLiteral("candidates")] = list;
    return JsonText(root);
}

QString ReadingText(const Request &request, const places::WallTimeResolution &resolution,
                    const QList<Candidate> &candidates)
{
    QStringList lines;
    const places::Place &place = request.place;
    if (request.placeFromGazetteer)
        lines << QStringLiteral("Best match for \"%1\": %2").arg(request.searchText, place.displayName());
    QString where = CoordinatesText(place.latitude, place.longitude);
    if (request.placeFromGazetteer)
        where = place.displayName() + QStringLiteral(", ") + where;
    if (request.utcOffsetSeconds)
        where += QStringLiteral(", fixed offset ") + places::FormatUtcOffset(*request.utcOffsetSeconds);
    else
        where += QStringLiteral(", zone ") + place.zone;
    lines << QStringLiteral("Place:       ") + where;

    const QString wallTime = request.date.toString(Qt::ISODate) + u' ' + request.time.toString(Qt::ISODate);
    if (resolution.kind == places::WallTimeKind::Gap)
        lines << QStringLiteral("Gap:         the clocks there jumped from %1 to %2, so %3 never showed; "
                                "both readings follow, with the offset before and after the jump.")
                     .arg(resolution.gapFrom.toString(QStringLiteral("HH:mm")),
                          resolution.gapTo.toString(QStringLiteral("HH:mm")), wallTime);
    else if (resolution.kind == places::WallTimeKind::Overlap)
        lines << QStringLiteral("Overlap:     %1 showed twice on the clocks there; both readings follow, the "
                                "earlier first.")
                     .arg(wallTime);

    for (qsizetype i = 0; i < candidates.size(); ++i) {
        const Candidate &candidate = candidates[i];
        if (candidates.size() > 1)
            lines << QString() << QStringLiteral("Reading %1 of %2").arg(i + 1).arg(candidates.size());
        const places::WallTimeReading &reading = candidate.reading;
        QString local = wallTime + u' ' + places::FormatUtcOffset(reading.offsetSeconds);
        if (!reading.abbreviation.isEmpty() && !reading.abbreviation.startsWith(QStringLiteral("UTC")))
            local += u' ' + reading.abbreviation;
        if (reading.localMeanTime)
            local += QStringLiteral(" (local mean time of the place)");
        lines << QStringLiteral("Local time:  ") + local;
        lines << QStringLiteral("UT:          ") + UtText(reading.utSeconds);
        const ChartAngles &a = candidate.angles;
        const auto angleLine = [](const char *name, double longitude) {
            return QStringLiteral("%1%2 %3").arg(QLatin1String(name), SignText(longitude).leftJustified(18),
                                                 DegreesText(longitude).rightJustified(12));
        };
        lines << angleLine("IC:          ", a.ic);
        lines << angleLine("ASC:         ", a.asc) +
                     (a.ascUnreliable ? QStringLiteral("  (unreliable beyond the polar circle)") : QString());
        lines << angleLine("MC:          ", a.mc);
    }
    return lines.join(u'\n') + u'\n';
}

} // namespace

Report MakeReadingReport(const Request &request)
{
    const places::WallTimeResolution resolution =
        request.utcOffsetSeconds
            ? places::ResolveWallTime(request.date, request.time, *request.utcOffsetSeconds)
            : places::ResolveWallTime(request.date, request.time, request.zone, request.place.longitude);
    Report report;
    if (resolution.readings.isEmpty()) {
        report.exitStatus = 1;
        report.error = QStringLiteral("could not turn the local time into Universal Time");
        return report;
    }
    QList<Candidate> candidates;
    for (const places::WallTimeReading &reading : resolution.readings) {
        const AnglesResult result =
            ComputeAngles(reading.utSeconds, request.place.latitude, request.place.longitude);
        if (!result.ok()) {
            report.exitStatus = 2;
            report.error =
                QString::fromUtf8(result.message.data(), static_cast<qsizetype>(result.message.size()));
            return report;
        }
        candidates.append({reading, result.angles});
    }
    report.out = request.json ? ReadingJson(request, resolution.kind, candidates)
                              : ReadingText(request, resolution, candidates);
    return report;
}

Report MakePlacesReport(const Request &request)
{
    const std::vector<const places::Place *> hits =
        places::Gazetteer::instance().search(request.searchText, 10);
    Report report;
    if (request.json) {
        QJsonArray list;
        for (const places::Place *place : hits)
            list.append(PlaceJson(*place, true));
        QJsonObject root;
        root[QStringLiteral("places")] = list;
        report.out = JsonText(root);
        return report;
    }
    if (hits.empty()) {
        report.out = QStringLiteral("No place matches \"%1\".\n").arg(request.searchText);
        return report;
    }
    for (const places::Place *place : hits)
        report.out +=
            QStringLiteral("%1  (%2, %3)\n")
                .arg(place->displayName(), CoordinatesText(place->latitude, place->longitude), place->zone);
    return report;
}

} // namespace quorvis::cli
