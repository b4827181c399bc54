// Command-line checks happen in the order a reader fixes them: the options themselves, then the date and
// time, then the place and its clock. Dates are limited to those the angles are computed for.
#include "Request.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

namespace quorvis::cli {

namespace {

const QDate FirstDate(1800, 1, 1);
const QDate LastDate(2100, 12, 31);

QString Quoted(const QString &text) { return u'"' + text + u'"'; }

std::optional<QDate> ParseDate(const QString &text, QString *error)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        *error = QStringLiteral("malformed date %1: expected YYYY-MM-DD").arg(Quoted(text));
        return std::nullopt;
    }
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    if (!date.isValid()) {
        *error = QStringLiteral("no such date %1").arg(Quoted(text));
        return std::nullopt;
    }
    if (date < FirstDate || date > LastDate) {
        *error = QStringLiteral("date %1 is outside 1800-01-01 to 2100-12-31").arg(text);
        return std::nullopt;
    }
    return date;
}

std::optional<QTime> ParseTime(const QString &text, QString *error)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    const QTime time = match.hasMatch() ? QTime(match.captured(1).toInt(), match.captured(2).toInt(),
                                                match.captured(3).isEmpty() ? 0 : match.captured(3).toInt())
                                        : QTime();
    if (!time.isValid()) {
        *error = QStringLiteral("malformed time %1: expected HH:MM or HH:MM:SS, 00:00 to 23:59:59")
                     .arg(Quoted(text));
        return std::nullopt;
    }
    return time;
}

std::optional<double> ParseDegrees(const QString &text, const char *what, double limit, QString *error)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok) {
        *error = QStringLiteral("malformed %1 %2: expected decimal degrees")
                     .arg(QLatin1String(what), Quoted(text));
        return std::nullopt;
    }
    if (!(std::abs(value) <= limit)) {
        *error =
            QStringLiteral("%1 %2 is outside -%3 to %3 degrees").arg(QLatin1String(what), text).arg(limit);
        return std::nullopt;
    }
    return value;
}

} // namespace

ParsedRequest ParseRequest(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The exact Imum Coeli, Ascendant and Midheaven of a birth from its local date, time and place.\n\n"
        "  quorvis-exact --place London --date 1990-08-01 --time 10:30\n"
        "  quorvis-exact --lat 51.5 --lon -0.13 --zone Europe/London --date 1990-08-01 --time 10:30\n"
        "  quorvis-exact --lat 51.5 --lon -0.13 --utc-offset +01:00 --date 1990-08-01 --time 10:30 --json\n"
        "  quorvis-exact --places lond\n\n"
        "Exit status: 0 for a reading (also when the local time fell in a clock change's gap or overlap),\n"
        "2 for input it cannot use."));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help."));
    const QCommandLineOption placeOption(QStringLiteral("place"),
                                         QStringLiteral("Birth place: the best match of a place search."),
                                         QStringLiteral("name"));
    const QCommandLineOption latOption(QStringLiteral("lat"),
                                       QStringLiteral("Latitude, degrees north (south < 0)."),
                                       QStringLiteral("degrees"));
    const QCommandLineOption lonOption(QStringLiteral("lon"),
                                       QStringLiteral("Longitude, degrees east (west < 0)."),
                                       QStringLiteral("degrees"));
    const QCommandLineOption zoneOption(QStringLiteral("zone"),
                                        QStringLiteral("IANA time zone of the place, e.g. Europe/London."),
                                        QStringLiteral("zone"));
    const QCommandLineOption offsetOption(
        QStringLiteral("utc-offset"),
        QStringLiteral("Fixed offset of the local clock from UT, e.g. +01:00; overrides the zone."),
        QStringLiteral("offset"));
    const QCommandLineOption dateOption(QStringLiteral("date"),
                                        QStringLiteral("Local date, 1800-01-01 to 2100-12-31."),
                                        QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption timeOption(QStringLiteral("time"), QStringLiteral("Local clock time."),
                                        QStringLiteral("HH:MM[:SS]"));
    const QCommandLineOption placesOption(QStringLiteral("places"),
                                          QStringLiteral("List the first places a search finds, and stop."),
                                          QStringLiteral("text"));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("Print one JSON object."));
    const QCommandLineOption versionOption(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Show the version."));
    parser.addOptions({helpOption, versionOption, placeOption, latOption, lonOption, zoneOption, offsetOption,
                       dateOption, timeOption, placesOption, jsonOption});

    ParsedRequest parsed;
    Request &request = parsed.request;
    if (!parser.parse(arguments)) {
        parsed.error = parser.errorText();
        return parsed;
    }
    if (!parser.positionalArguments().isEmpty()) {
        parsed.error =
            QStringLiteral("unexpected argument %1").arg(Quoted(parser.positionalArguments().first()));
        return parsed;
    }
    request.json = parser.isSet(jsonOption);
    if (parser.isSet(helpOption)) {
        request.action = Request::Action::Help;
        request.helpText = parser.helpText();
        return parsed;
    }
    if (parser.isSet(versionOption)) {
        request.action = Request::Action::Help;
        request.helpText = QStringLiteral("quorvis-exact %1\n").arg(QCoreApplication::applicationVersion());
        return parsed;
    }
    if (parser.isSet(placesOption)) {
        request.action = Request::Action::SearchPlaces;
        request.searchText = parser.value(placesOption);
        if (request.searchText.trimmed().isEmpty())
            parsed.error = QStringLiteral("--places needs some text to search for");
        return parsed;
    }

    request.action = Request::Action::Reading;
    if (!parser.isSet(dateOption) || !parser.isSet(timeOption)) {
        parsed.error = QStringLiteral("give the local date and time with --date YYYY-MM-DD and --time HH:MM");
        return parsed;
    }
    const std::optional<QDate> date = ParseDate(parser.value(dateOption), &parsed.error);
    if (!date)
        return parsed;
    const std::optional<QTime> time = ParseTime(parser.value(timeOption), &parsed.error);
    if (!time)
        return parsed;
    request.date = *date;
    request.time = *time;

    const bool byName = parser.isSet(placeOption);
    const bool byCoordinates = parser.isSet(latOption) || parser.isSet(lonOption);
    if (byName == byCoordinates) {
        parsed.error = byName
                           ? QStringLiteral("give either --place or --lat and --lon, not both")
                           : QStringLiteral("give a place: --place NAME, or --lat and --lon with --zone or "
                                            "--utc-offset");
        return parsed;
    }
    if (parser.isSet(zoneOption) && parser.isSet(offsetOption)) {
        parsed.error = QStringLiteral("give either --zone or --utc-offset, not both");
        return parsed;
    }
    if (parser.isSet(offsetOption)) {
        int seconds = 0;
        if (!places::ParseUtcOffset(parser.value(offsetOption), &seconds)) {
            parsed.error = QStringLiteral("malformed UTC offset %1: expected +HH:MM or -HH:MM, at most 14:00")
                               .arg(Quoted(parser.value(offsetOption)));
            return parsed;
        }
        request.utcOffsetSeconds = seconds;
    }
    if (parser.isSet(zoneOption)) {
        const QString id = parser.value(zoneOption);
        request.zone = QTimeZone(id.toUtf8());
        if (id.isEmpty() || !request.zone.isValid()) {
            parsed.error = QStringLiteral("unknown time zone %1: expected an IANA name such as Europe/London")
                               .arg(Quoted(id));
            return parsed;
        }
    }

    if (byName) {
        request.searchText = parser.value(placeOption);
        const std::vector<const places::Place *> hits =
            places::Gazetteer::instance().search(request.searchText, 1);
        if (hits.empty()) {
            parsed.error = QStringLiteral("no place matches %1; --places TEXT lists what a search finds")
                               .arg(Quoted(request.searchText));
            return parsed;
        }
        request.place = *hits.front();
        request.placeFromGazetteer = true;
        if (!parser.isSet(zoneOption) && !request.utcOffsetSeconds) {
            request.zone = QTimeZone(request.place.zone.toUtf8());
            if (!request.zone.isValid()) {
                parsed.error = QStringLiteral("the zone %1 of %2 is unknown to this system")
                                   .arg(Quoted(request.place.zone), request.place.displayName());
                return parsed;
            }
        }
    } else {
        if (!parser.isSet(latOption) || !parser.isSet(lonOption)) {
            parsed.error = QStringLiteral("give both --lat and --lon");
            return parsed;
        }
        const std::optional<double> latitude =
            ParseDegrees(parser.value(latOption), "latitude", 90, &parsed.error);
        if (!latitude)
            return parsed;
        const std::optional<double> longitude =
            ParseDegrees(parser.value(lonOption), "longitude", 180, &parsed.error);
        if (!longitude)
            return parsed;
        if (!parser.isSet(zoneOption) && !request.utcOffsetSeconds) {
            parsed.error =
                QStringLiteral("give the place's clock with --zone (e.g. Europe/London) or --utc-offset");
            return parsed;
        }
        request.place.latitude = *latitude;
        request.place.longitude = *longitude;
    }
    if (request.zone.isValid())
        request.place.zone = QString::fromUtf8(request.zone.id());
    return parsed;
}

} // namespace quorvis::cli
