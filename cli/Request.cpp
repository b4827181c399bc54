// Command-line checks happen in the order a reader fixes them: the options themselves (each at most once,
// none that contradict), then the date and time, then the place and its clock. Values are read whole, with
// exact formats: a date, time or number followed by anything at all is refused.
#include "Request.h"

#include "reading.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <map>

namespace quorvis::cli {

namespace {

// Text to copy into a shell, in straight quotes.
QString Quoted(const QString &text) { return u'"' + text + u'"'; }
// What was typed, in the language's own quotation marks ("Graz" in English, «Graz» in Russian).
QString QuotedTyped(const QString &text)
{
    return QCoreApplication::translate("ExactCommandLine", "\"%1\"",
                                       "what was typed, in the quotation marks of the language")
        .arg(text);
}

// A refusal quotes what was given, which may hold line breaks, terminal escapes or characters that turn the
// text around: written out, they keep the message one line of plain text that reads as typed.
QString OneLine(const QString &text) { return exact::ShownSafely(text); }

// "tropical", "lahiri", …: what --zodiac takes.
QStringList ZodiacKeys()
{
    QStringList keys;
    for (const Zodiac zodiac : AllZodiacs)
        keys << QString::fromLatin1(ZodiacKey(zodiac).data(), qsizetype(ZodiacKey(zodiac).size()));
    return keys;
}

struct Options
{
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QCoreApplication::translate("ExactCommandLine", "Show this help.")};
    QCommandLineOption version{
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("ExactCommandLine", "Show the version, and that of the tz data in use.")};
    QCommandLineOption place{
        QStringLiteral("place"),
        QCoreApplication::translate("ExactCommandLine",
                                    "Birth place: a name as --places lists it, or the best match of a search."),
        QCoreApplication::translate("ExactCommandLine", "name", "value of an option")};
    QCommandLineOption lat{
        QStringLiteral("lat"),
        QCoreApplication::translate("ExactCommandLine", "Latitude, decimal degrees north (south < 0)."),
        QCoreApplication::translate("ExactCommandLine", "degrees", "value of an option")};
    QCommandLineOption lon{
        QStringLiteral("lon"),
        QCoreApplication::translate("ExactCommandLine", "Longitude, decimal degrees east (west < 0)."),
        QCoreApplication::translate("ExactCommandLine", "degrees", "value of an option")};
    QCommandLineOption zone{
        QStringLiteral("zone"),
        QCoreApplication::translate("ExactCommandLine",
                                    "Time zone of the place, a name of the tz database such as "
                                    "Europe/London, or an offset such as +01:00."),
        QCoreApplication::translate("ExactCommandLine", "zone", "value of an option")};
    QCommandLineOption offset{
        QStringLiteral("utc-offset"),
        QCoreApplication::translate(
            "ExactCommandLine", "Fixed offset of the local clock from UT, -12:00 to +14:00, e.g. +01:00."),
        QStringLiteral("+HH:MM")};
    QCommandLineOption date{
        QStringLiteral("date"),
        QCoreApplication::translate("ExactCommandLine", "Local date, %1 to %2.")
            .arg(exact::DateInMessage(exact::FirstBirthDate), exact::DateInMessage(exact::LastBirthDate)),
        QStringLiteral("YYYY-MM-DD")};
    QCommandLineOption time{QStringLiteral("time"),
                            QCoreApplication::translate("ExactCommandLine", "Local clock time."),
                            QStringLiteral("HH:MM[:SS]")};
    QCommandLineOption slot{QStringLiteral("slot"),
                            QCoreApplication::translate(
                                "ExactCommandLine",
                                "Only the two-hour slot, instead of --time, as the quick reading lists it, "
                                "e.g. 2pm-4pm."),
                            QCoreApplication::translate("ExactCommandLine", "slot", "value of an option")};
    QCommandLineOption places{
        QStringLiteral("places"),
        QCoreApplication::translate(
            "ExactCommandLine",
            "List the first places a search finds, and stop (only --json may go with it)."),
        QCoreApplication::translate("ExactCommandLine", "text", "value of an option")};
    QCommandLineOption zodiac{
        QStringLiteral("zodiac"),
        QCoreApplication::translate("ExactCommandLine",
                                    "The zodiac the signs are counted in: %1 (the default) or sidereal, by "
                                    "one of the ayanamsas %2.")
            .arg(ZodiacKeys().constFirst(), ZodiacKeys().mid(1).join(QLatin1String(", "))),
        QCoreApplication::translate("ExactCommandLine", "name", "value of an option")};
    QCommandLineOption json{QStringLiteral("json"),
                            QCoreApplication::translate("ExactCommandLine", "Print one JSON object.")};

    QList<QCommandLineOption> all() const
    {
        return {help, version, place, lat, lon, zone, offset, date, time, slot, zodiac, places, json};
    }
};

// `text` in lines of at most `width` characters, broken between words; the translator's own line breaks are
// spaces, a blank line stays a paragraph break. A console of 80 columns shows every line whole.
QString Wrapped(const QString &text, qsizetype width)
{
    QStringList lines;
    for (const QString &paragraph : text.split(QStringLiteral("\n\n"))) {
        QString line;
        for (const QString &word : paragraph.simplified().split(u' ', Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
                lines << line;
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        lines << line << QString();
    }
    lines.removeLast();
    return lines.join(u'\n');
}

QString Description()
{
    // The line width of a console, less one: a line of exactly 80 characters makes Windows' console add an
    // empty one. The longer examples go on with the shell's own continuation mark.
    constexpr qsizetype Width = 79;
#ifdef Q_OS_WIN
    const QString more = QStringLiteral(" ^\n      ");
#else
    const QString more = QStringLiteral(" \\\n      ");
#endif
    QString slot = QCoreApplication::translate("TimeSlot", TimeSlots[9].data());
    if (slot.contains(u' '))
        slot = u'"' + slot + u'"';
    return Wrapped(QCoreApplication::translate("ExactCommandLine",
                                               "The exact Imum Coeli, Ascendant and Midheaven of "
                                               "a birth from its local date, time and place."),
                   Width) +
           QStringLiteral(
               "\n\n"
               "  quorvis-exact --place London --date 1990-08-01 --time 10:30\n"
               "  quorvis-exact --lat 51.5 --lon -0.13 --zone Europe/London%1--date 1990-08-01 --time 10:30\n"
               "  quorvis-exact --lat 51.5 --lon -0.13 --utc-offset +01:00%1--date 1990-08-01 --time 10:30 "
               "--json\n"
               "  quorvis-exact --place London --date 1990-08-01 --slot %2\n"
               "  quorvis-exact --places lond\n\n")
               .arg(more, slot) +
           Wrapped(
               QCoreApplication::translate("ExactCommandLine",
                                           "Exit status: 0 for a reading (also when the local time fell in a "
                                           "clock change's gap or overlap) "
                                           "or a\nplace list; 1 when it cannot read because of the installed "
                                           "time-zone data or a failure of "
                                           "its own;\n2 for input it cannot use.",
                                           "the program wraps the lines"),
               Width);
}

// Every option at most once; --places with nothing but --json.
QString CheckOptionsOnce(const QCommandLineParser &parser, const Options &o)
{
    std::map<QString, int> seen;
    for (const QString &name : parser.optionNames()) {
        for (const QCommandLineOption &option : o.all())
            if (option.names().contains(name) && ++seen[option.names().constLast()] == 2)
                return QCoreApplication::translate("ExactCommandLine", "--%1 is given more than once")
                    .arg(option.names().constLast());
    }
    if (parser.isSet(o.places))
        for (const QString &name : parser.optionNames())
            if (name != QLatin1String("places") && name != QLatin1String("json"))
                return QCoreApplication::translate("ExactCommandLine",
                                                   "--places takes no other options (only --json), not -%1%2")
                    .arg(name.size() > 1 ? QStringLiteral("-") : QString(), name);
    return {};
}

// The clock, from --zone or --utc-offset; a place found by name brings its own zone otherwise.
QString ReadClock(const QCommandLineParser &parser, const Options &o, exact::Request *reading)
{
    if (parser.isSet(o.zone) && parser.isSet(o.offset))
        return QCoreApplication::translate("ExactCommandLine",
                                           "give either --zone or --utc-offset, not both");
    QString problem;
    if (parser.isSet(o.offset))
        reading->clock = exact::ReadUtcOffset(parser.value(o.offset), &problem);
    else if (parser.isSet(o.zone))
        reading->clock = exact::ReadClock(parser.value(o.zone), &problem);
    return problem;
}

QString ReadPlace(const QCommandLineParser &parser, const Options &o, Request &request)
{
    exact::Request &reading = request.reading;
    const bool byName = parser.isSet(o.place);
    const bool byCoordinates = parser.isSet(o.lat) || parser.isSet(o.lon);
    if (byName && byCoordinates)
        return QCoreApplication::translate("ExactCommandLine",
                                           "give either --place or --lat and --lon, not both");
    if (!byName && !byCoordinates)
        return QCoreApplication::translate(
            "ExactCommandLine", "give a place: --place NAME, or --lat and --lon with --zone or --utc-offset");
    if (byCoordinates) {
        if (!parser.isSet(o.lat) || !parser.isSet(o.lon))
            return QCoreApplication::translate("ExactCommandLine", "give both --lat and --lon");
        QString error;
        const std::optional<double> north = exact::ReadLatitude(parser.value(o.lat), &error);
        const std::optional<double> east =
            north ? exact::ReadLongitude(parser.value(o.lon), &error) : std::nullopt;
        reading.latitude = north.value_or(0);
        reading.longitude = east.value_or(0);
        return error; // without --zone or --utc-offset, the reading says what is missing
    }
    request.searchText = parser.value(o.place);
    const exact::NamedPlace named = exact::FindNamedPlace(request.searchText);
    if (!named.place)
        return QCoreApplication::translate(
                   "ExactCommandLine", "no place matches %1 (the list holds towns of %L2 people or more); "
                                       "--places TEXT lists what a search finds, or give the coordinates "
                                       "with --lat, --lon and --zone")
            .arg(QuotedTyped(request.searchText))
            .arg(places::LeastPopulation);
    if (!named.alike.empty())
        request.notice =
            OneLine(QCoreApplication::translate(
                        "ExactCommandLine", "took %1 for %2; to name another, write it as --places lists it, "
                                            "such as --place %3")
                        .arg(exact::PlaceName(*named.place), QuotedTyped(request.searchText),
                             Quoted(exact::PlaceName(*named.alike.front()))));
    std::optional<places::Clock> given = reading.clock;
    exact::UsePlace(reading, *named.place);
    if (given)
        reading.clock = given;
    return {};
}

QString ReadReading(const QCommandLineParser &parser, const Options &o, Request &request)
{
    if (parser.isSet(o.time) && parser.isSet(o.slot))
        return QCoreApplication::translate("ExactCommandLine", "give either --time or --slot, not both");
    if (!parser.isSet(o.date) || !(parser.isSet(o.time) || parser.isSet(o.slot)))
        return QCoreApplication::translate(
            "ExactCommandLine", "give the local date with --date YYYY-MM-DD, and the time with --time "
                                "HH:MM or the two-hour slot with --slot");
    QString error;
    request.reading.date = exact::ReadDate(parser.value(o.date), &error).value_or(QDate());
    if (error.isEmpty() && parser.isSet(o.slot))
        request.reading.slot = exact::ReadTimeSlot(parser.value(o.slot), &error).value_or(0);
    else if (error.isEmpty())
        request.reading.time = exact::ReadTime(parser.value(o.time), &error);
    if (error.isEmpty() && parser.isSet(o.zodiac)) {
        const QByteArray key = parser.value(o.zodiac).toUtf8();
        if (const std::optional<Zodiac> zodiac = ZodiacFromKey(std::string_view(key.constData(), key.size())))
            request.reading.zodiac = *zodiac;
        else
            error = QCoreApplication::translate("ExactCommandLine", "no zodiac %1; --zodiac takes %2")
                        .arg(Quoted(parser.value(o.zodiac)), ZodiacKeys().join(QLatin1String(", ")));
    }
    if (error.isEmpty())
        error = ReadClock(parser, o, &request.reading);
    if (error.isEmpty())
        error = ReadPlace(parser, o, request);
    return error;
}

} // namespace

ParsedRequest ParseRequest(const QStringList &arguments)
{
    const Options o;
    QCommandLineParser parser;
    parser.setApplicationDescription(Description());
    parser.addOptions(o.all());

    ParsedRequest parsed;
    Request &request = parsed.request;
    if (!parser.parse(arguments)) {
        parsed.error = OneLine(parser.errorText());
        return parsed;
    }
    if (!parser.positionalArguments().isEmpty()) {
        parsed.error = OneLine(QCoreApplication::translate("ExactCommandLine", "unexpected argument %1")
                                   .arg(QuotedTyped(parser.positionalArguments().first())));
        return parsed;
    }
    request.json = parser.isSet(o.json);
    if (parser.isSet(o.help) || parser.isSet(o.version)) {
        request.action = Request::Action::Help;
        const QString tz = places::TzDataVersion();
        request.helpText =
            parser.isSet(o.help)
                ? parser.helpText()
                : QCoreApplication::translate("ExactCommandLine", "quorvis-exact %1\ntz data %2\n")
                      .arg(QCoreApplication::applicationVersion(),
                           tz.isEmpty() ? QCoreApplication::translate("ExactCommandLine", "not found") : tz);
        return parsed;
    }
    if ((parsed.error = CheckOptionsOnce(parser, o)).isEmpty()) {
        if (parser.isSet(o.places)) {
            request.action = Request::Action::SearchPlaces;
            request.searchText = parser.value(o.places);
            if (request.searchText.trimmed().isEmpty())
                parsed.error =
                    QCoreApplication::translate("ExactCommandLine", "--places needs some text to search for");
        } else {
            request.action = Request::Action::Reading;
            parsed.error = ReadReading(parser, o, request);
        }
    }
    parsed.error = OneLine(parsed.error);
    return parsed;
}

} // namespace quorvis::cli
