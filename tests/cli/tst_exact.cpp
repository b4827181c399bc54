// quorvis-exact as a script meets it: the built program run as its own process, its JSON read back, its exit
// status and its one line on stderr. The angles of a known birth are checked against swetest, run the same
// way.
#include "ExactReading.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <tuple>
#include <unistd.h>
#endif

namespace {

struct Run
{
    int exitStatus = -1;
    QByteArray out, err;
};

// Runs quorvis-exact, with the zone files of `zoneFiles` (named by the program's own variable, which wins
// over any TZDIR, on Windows as on Linux) and, when `locale` is given ("LANG=de_DE.UTF-8 LANGUAGE=nl"),
// with these locale variables alone. `prepare` sets the process up further before it starts (its output
// elsewhere).
Run RunExact(const QStringList &arguments, const QString &zoneFiles = {}, const QString &locale = {},
             const std::function<void(QProcess &)> &prepare = {})
{
    QProcess process;
    if (prepare)
        prepare(process);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!zoneFiles.isEmpty())
        environment.insert(QStringLiteral("QUORVIS_ZONEINFO"), zoneFiles);
    if (!locale.isEmpty()) {
        for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LC_TIME", "LANG"})
            environment.remove(QLatin1String(variable));
        for (const QString &setting : locale.split(u' '))
            environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUORVIS_EXACT_PATH), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitStatus = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
#ifdef Q_OS_WIN
    // Windows' C library ends printed lines with CR LF, as console programs there do.
    run.out.replace("\r\n", "\n");
    run.err.replace("\r\n", "\n");
#endif
    return run;
}

QJsonObject JsonOf(const Run &run)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("not JSON (%s): %s", qPrintable(error.errorString()), run.out.constData());
    return document.object();
}

double Separation(double a, double b)
{
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

const QString UnknownZone =
    QStringLiteral("Unknown time zone \u201C%1\u201D: give one such as Europe/London, or an "
                   "offset from \u221212:00 to +14:00 such as +01:00.");

const QStringList LondonBirth = {QStringLiteral("--date"), QStringLiteral("1990-08-01"),
                                 QStringLiteral("--time"), QStringLiteral("10:30"), QStringLiteral("--json")};

} // namespace

class ExactTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownBirthMatchesSwetest_data();
    void knownBirthMatchesSwetest();
    void clockChangesAreReportedNotRefused_data();
    void clockChangesAreReportedNotRefused();
    void badInputGetsOneLineAndStatusTwo_data();
    void badInputGetsOneLineAndStatusTwo();
    void placeSearchListsMatches();
    void textAndExitStatus_data();
    void textAndExitStatus();
    void helpInEveryLanguage_data();
    void helpInEveryLanguage();
    void placeAsAPlaceListWritesIt_data();
    void placeAsAPlaceListWritesIt();
    void placeInTheReadersLanguage_data();
    void placeInTheReadersLanguage();
    void outputThatCannotBeWrittenFails_data();
    void outputThatCannotBeWrittenFails();
    void nadirByBothRules_data();
    void nadirByBothRules();
    void onlyTheSlot();
};

void ExactTest::knownBirthMatchesSwetest_data()
{
    QTest::addColumn<QStringList>("where");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("abbreviation");
    QTest::newRow("coordinates and zone")
        << QStringList{"--lat", "51.5", "--lon", "-0.13", "--zone", "Europe/London"} << QString()
        << QStringLiteral("BST");
    QTest::newRow("coordinates and offset")
        << QStringList{"--lat", "51.5", "--lon", "-0.13", "--utc-offset", "+01:00"} << QString() << QString();
    QTest::newRow("place name") << QStringList{"--place", "London"} << QStringLiteral("London")
                                << QStringLiteral("BST");
}

// 10:30 British Summer Time is 09:30 UT. The figures are swetest's, independent of this program:
//   swetest -b1.8.1990 -ut9:30:00 -p -house-0.13,51.5,P -emos -fPl -head
// gives house 4 (IC) 271.9311500, Ascendant 181.4847040, MC 91.9311500. The gazetteer's London lies within
// 0.01° of that point, close enough for the same minutes of arc.
void ExactTest::knownBirthMatchesSwetest()
{
    QFETCH(QStringList, where);
    QFETCH(QString, name);
    QFETCH(QString, abbreviation);
    const Run run = RunExact(where + LondonBirth);
    QCOMPARE(run.exitStatus, 0);
    const QJsonObject json = JsonOf(run);
    QCOMPARE(json[QStringLiteral("status")].toString(), QStringLiteral("ok"));
    const QJsonObject place = json[QStringLiteral("place")].toObject();
    QCOMPARE(place[QStringLiteral("name")].toString(), name);
    if (!name.isEmpty()) {
        QCOMPARE(place[QStringLiteral("country")].toString(), QStringLiteral("United Kingdom"));
        QCOMPARE(place[QStringLiteral("zone")].toString(), QStringLiteral("Europe/London"));
    }
    const QJsonArray candidates = json[QStringLiteral("candidates")].toArray();
    QCOMPARE(candidates.size(), 1);
    const QJsonObject reading = candidates[0].toObject();
    QCOMPARE(reading[QStringLiteral("ut")].toString(), QStringLiteral("1990-08-01T09:30:00Z"));
    QCOMPARE(reading[QStringLiteral("offset_seconds")].toInt(), 3600);
    if (!abbreviation.isEmpty())
        QCOMPARE(reading[QStringLiteral("abbreviation")].toString(), abbreviation);
    QCOMPARE(reading[QStringLiteral("asc_unreliable")].toBool(), false);
    QCOMPARE(reading[QStringLiteral("asc_sign")].toString(), QStringLiteral("1°29′ Libra"));
    QCOMPARE(reading[QStringLiteral("mc_sign")].toString(), QStringLiteral("1°56′ Cancer"));
    QCOMPARE(reading[QStringLiteral("ic_sign")].toString(), QStringLiteral("1°56′ Capricorn"));
    const double tolerance = name.isEmpty() ? 0.001 : 0.02;
    QVERIFY(Separation(reading[QStringLiteral("ic")].toDouble(), 271.9311500) < tolerance);
    QVERIFY(Separation(reading[QStringLiteral("mc")].toDouble(), 91.9311500) < tolerance);
    QVERIFY(Separation(reading[QStringLiteral("asc")].toDouble(), 181.4847040) < 3 * tolerance);
}

void ExactTest::clockChangesAreReportedNotRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("uts");
    QTest::addColumn<QList<int>>("offsets");
    // 02:30 never showed in Sydney that night: read with the winter and the summer offset.
    QTest::newRow("gap, Sydney spring 2021")
        << QStringList{"--lat",  "-33.87",     "--lon",  "151.21", "--zone", "Australia/Sydney",
                       "--date", "2021-10-03", "--time", "02:30"}
        << QStringLiteral("gap") << QStringList{"2021-10-02T16:30:00Z", "2021-10-02T15:30:00Z"}
        << QList<int>{36000, 39600};
    // 01:30 showed twice in London: first in summer time, then an hour later in standard time.
    QTest::newRow("overlap, London autumn 2021")
        << QStringList{"--lat",         "51.5",   "--lon",      "-0.13",  "--zone",
                       "Europe/London", "--date", "2021-10-31", "--time", "01:30"}
        << QStringLiteral("overlap") << QStringList{"2021-10-31T00:30:00Z", "2021-10-31T01:30:00Z"}
        << QList<int>{3600, 0};
    // Every place of Juneau's zone keeps Russian Alaska's day, a longitude typed far from Juneau too; the
    // first date of the range is still read there.
    QTest::newRow("typed longitude in Russian Alaska, 1800")
        << QStringList{"--lat",          "58",     "--lon",      "45",     "--zone",
                       "America/Juneau", "--date", "1800-01-01", "--time", "00:00"}
        << QStringLiteral("ok") << QStringList{"1799-12-30T21:00:00Z"} << QList<int>{97200};
    QTest::newRow("ordinary winter evening")
        << QStringList{"--lat",  "40.71",      "--lon",  "-74.01",  "--zone", "America/New_York",
                       "--date", "2021-12-07", "--time", "19:45:30"}
        << QStringLiteral("ok") << QStringList{"2021-12-08T00:45:30Z"} << QList<int>{-18000};
}

void ExactTest::clockChangesAreReportedNotRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, status);
    QFETCH(QStringList, uts);
    QFETCH(QList<int>, offsets);
    const Run run = RunExact(arguments + QStringList{QStringLiteral("--json")});
    QCOMPARE(run.exitStatus, 0);
    const QJsonObject json = JsonOf(run);
    QCOMPARE(json[QStringLiteral("status")].toString(), status);
    const QJsonArray candidates = json[QStringLiteral("candidates")].toArray();
    QCOMPARE(candidates.size(), uts.size());
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        const QJsonObject reading = candidates[i].toObject();
        QCOMPARE(reading[QStringLiteral("ut")].toString(), uts[i]);
        QCOMPARE(reading[QStringLiteral("offset_seconds")].toInt(), offsets[i]);
        QVERIFY(!reading[QStringLiteral("abbreviation")].toString().isEmpty());
        QVERIFY(!reading[QStringLiteral("mc_sign")].toString().isEmpty());
    }
    // The same readings as text, each under its own heading.
    const Run text = RunExact(arguments);
    QCOMPARE(text.exitStatus, 0);
    QCOMPARE(text.out.count("UT:"), uts.size());
}

void ExactTest::badInputGetsOneLineAndStatusTwo_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QStringList at = {"--lat", "51.5", "--lon", "-0.13", "--zone", "Europe/London"};
    const QStringList when = {"--date", "1990-08-01", "--time", "10:30"};
    QTest::newRow("unknown place")
        << QStringList{"--place", "Qqqxyz"} + when
        << "no place matches \"Qqqxyz\" (the list holds towns of 15,000 people or more); --places TEXT lists "
           "what a search finds, or give the coordinates with --lat, --lon and --zone";
    QTest::newRow("malformed date") << at + QStringList{"--date", "1990-8-1", "--time", "10:30"}
                                    << "Not a date: \u201C1990-8-1\u201D. Give it as YYYY-MM-DD.";
    QTest::newRow("date before range") << at + QStringList{"--date", "1799-12-31", "--time", "10:30"}
                                       << "The date must lie between 1800-01-01 and 2100-12-31.";
    QTest::newRow("date after range") << at + QStringList{"--date", "2101-01-01", "--time", "00:00"}
                                      << "The date must lie between 1800-01-01 and 2100-12-31.";
    QTest::newRow("malformed time")
        << at + QStringList{"--date", "1990-08-01", "--time", "10.30"}
        << "Not a time of day: \u201C10.30\u201D. Give it as HH:MM or HH:MM:SS, from 00:00 to 23:59:59.";
    QTest::newRow("latitude out of range")
        << QStringList{"--lat", "91", "--lon", "0", "--zone", "UTC"} + when
        << "Not a latitude: \u201C91\u201D. Give degrees from \u221290 to 90, "
           "north positive.";
    QTest::newRow("latitude of a pole")
        << QStringList{"--lat", "-90", "--lon", "0", "--zone", "Antarctica/McMurdo"} + when
        << "The latitude is that of a pole (90°), where the meridian and so the Midheaven are undefined.";
    QTest::newRow("longitude out of range")
        << QStringList{"--lat", "10", "--lon", "-180.5", "--zone", "UTC"} + when
        << "Not a longitude: \u201C-180.5\u201D. Give degrees from \u2212180 to 180, east positive.";
    QTest::newRow("unknown zone") << QStringList{"--lat", "10", "--lon", "0", "--zone", "Europe/Atlantis"} +
                                         when
                                  << UnknownZone.arg("Europe/Atlantis");
    for (const char *zone :
         {"garbage", "Europe", "abc1", "CET-1CEST,M3.5.0,M10.5.0/3", "../../etc/localtime"})
        QTest::addRow("not a zone: %s", zone)
            << QStringList{"--lat", "10", "--lon", "5", "--zone", zone} + when
            << UnknownZone.arg(QLatin1String(zone));
    // What was given is quoted with its line breaks and control characters written out, so the message
    // stays one line.
    QTest::newRow("date with a trailing newline")
        << at + QStringList{"--date", "1990-08-01\n", "--time", "10:30"}
        << "Not a date: \u201C1990-08-01\\n\u201D. Give it as YYYY-MM-DD.";
    QTest::newRow("time with a tab and a terminal escape")
        << at + QStringList{"--date", "1990-08-01", "--time", "10:30\t\x1b[2J"}
        << "Not a time of day: \u201C10:30\\t\\u001B[2J\u201D. Give it as HH:MM or HH:MM:SS, from 00:00 to "
           "23:59:59.";
    // Format characters would turn the line around or hide in it: a right-to-left override, a zero-width
    // space, a tag character beyond the first plane; and a non-character.
    QTest::newRow("time with format characters")
        << at + QStringList{"--date", "1990-08-01", "--time", QString::fromUtf8("10:30\u202E\u200B\U000E0001\uFFFE")}
        << "Not a time of day: \u201C10:30\\u202E\\u200B\\U000E0001\\uFFFE\u201D. Give it as HH:MM or HH:MM:SS, "
           "from 00:00 to 23:59:59.";
    QTest::newRow("unknown option with a line break")
        << QStringList{"--da\nte=1990-08-01"} << "Unknown option 'da\\nte'.";
    QTest::newRow("time with trailing text")
        << at + QStringList{"--date", "1990-08-01", "--time", "10:30x"}
        << "Not a time of day: \u201C10:30x\u201D. Give it as HH:MM or HH:MM:SS, from 00:00 to 23:59:59.";
    QTest::newRow("repeated option") << QStringList{"--place", "London", "--place", "Paris"} + when
                                     << "--place is given more than once";
    QTest::newRow("place list with a reading's options")
        << QStringList{"--places", "Lon", "--date", "garbage"}
        << "--places takes no other options (only --json), not --date";
    QTest::newRow("bad offset")
        << QStringList{"--lat", "10", "--lon", "0", "--utc-offset", "+15:00"} + when
        << "Not an offset from UTC: \u201C+15:00\u201D. Give one from \u221212:00 to +14:00 such as +01:00.";
    QTest::newRow("no clock") << QStringList{"--lat", "10", "--lon", "0"} + when
                              << "Give the place's time zone or its offset from UTC.";
    QTest::newRow("no place") << when
                              << "give a place: --place NAME, or --lat and --lon with --zone or --utc-offset";
    QTest::newRow("not a slot")
        << at + QStringList{"--date", "1990-08-01", "--slot", "2pm-3pm"}
        << "Not a two-hour slot: \u201C2pm-3pm\u201D. Give one as the quick reading lists "
           "it, such as 2pm-4pm.";
    QTest::newRow("a time and a slot")
        << at + when + QStringList{"--slot", "2pm-4pm"} << "give either --time or --slot, not both";
    QTest::newRow("unknown zodiac")
        << at + when + QStringList{"--zodiac", "sidereal"}
        << "no zodiac \"sidereal\"; --zodiac takes tropical, lahiri, raman, krishnamurti, fagan-bradley";
}

void ExactTest::badInputGetsOneLineAndStatusTwo()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = RunExact(arguments + QStringList{QStringLiteral("--json")});
    QCOMPARE(run.exitStatus, 2);
    QCOMPARE(QString::fromUtf8(run.err), QStringLiteral("quorvis-exact: ") + message + u'\n');
    QVERIFY2(run.out.isEmpty(), run.out.constData());
}

void ExactTest::placeSearchListsMatches()
{
    const Run run = RunExact({QStringLiteral("--places"), QStringLiteral("lond")});
    QCOMPARE(run.exitStatus, 0);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    QVERIFY(lines.size() >= 2);
    QVERIFY2(lines.first().startsWith("London, England, United Kingdom"), lines.first().constData());
    QVERIFY(run.out.contains("London, Ontario, Canada"));

    const QJsonArray places =
        JsonOf(RunExact({"--places", "lond", "--json"}))[QStringLiteral("places")].toArray();
    QCOMPARE(places.size(), lines.size());
    QCOMPARE(places[0].toObject()[QStringLiteral("zone")].toString(), QStringLiteral("Europe/London"));
}

// The text says every note; the exit status is 0 for a reading or what was asked (help, version), 1 when the
// installed zone data cannot serve the reading, 2 for input it cannot use (above). The text speaks the language
// the window speaks in the same environment and writes numbers as the region does; the JSON stays English, the
// same to the byte.
void ExactTest::textAndExitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("locale"); // the locale variables; none: the tests' C locale
    QTest::addColumn<bool>("withoutZoneFiles");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says"); // in stdout, or in stderr when the status is not 0
    const QStringList london = {"--lat", "51.5", "--lon", "-0.13", "--zone", "Europe/London"};
    QTest::newRow("beyond the polar circle")
        << QStringList{"--lat",       "69.65",  "--lon",      "18.96",  "--zone",
                       "Europe/Oslo", "--date", "1975-12-21", "--time", "00:00"}
        << QString() << false << 0
        << "\nNote:        Beyond the polar circle the ecliptic can stay wholly above or below the horizon "
           "for "
           "hours, so the Ascendant here is unreliable; the Imum Coeli and the Midheaven are exact.\n";
    QTest::newRow("the place found")
        << QStringList{"--place", "London"} + LondonBirth.mid(0, 4) << QString() << false << 0
        << "Place:       London, England, United Kingdom: 51°31′ N, 0°08′ W, Europe/London\n";
    QTest::newRow("version") << QStringList{"--version"} << QString() << false << 0
                             << QStringLiteral("quorvis-exact %1\ntz data 20").arg(QUORVIS_VERSION);
    QTest::newRow("help") << QStringList{"--help"} << QString() << false << 0 << "Exit status: 0";
    QTest::newRow("a zone the installed data lacks")
        << london + LondonBirth.mid(0, 4) << QString() << true << 1
        << "quorvis-exact: The time-zone data installed here has no zone Europe/London.\n";
    // Words (the sign) from the first language of LANGUAGE, else of LANG, that Quorvis has; numbers from LANG.
    const auto reading = [&](const char *locale, const char *ic) {
        QTest::newRow(locale) << london + LondonBirth.mid(0, 4) << QString::fromLatin1(locale) << false << 0
                              << QString::fromUtf8(ic);
    };
    reading("LANG=de_DE.UTF-8", "\nIC:              1°56′ Steinbock     271,931150°\n");
    reading("LANG=de_CH.UTF-8", "\nIC:              1°56′ Steinbock     271.931150°\n");
    reading("LANG=de_AT.UTF-8", "\nIC:              1°56′ Steinbock     271,931150°\n");
    reading("LANG=C.UTF-8 LANGUAGE=de", "\nIC:              1°56′ Steinbock     271.931150°\n");
    reading("LANG=de_DE.UTF-8 LANGUAGE=nl", "\nIC:          1°56′ Capricorn     271,931150°\n");
    reading("LANGUAGE=nl:ru", "\nIC:                   1°56′ Козерог       271.931150°\n");
    reading("LANG=pt_PT.UTF-8", "\nFC:          1°56′ Capricórnio   271,931150°\n");
    reading("LANG=es_MX.UTF-8", "\nFC:          1°56′ Capricornio   271.931150°\n");
}

void ExactTest::textAndExitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, locale);
    QFETCH(bool, withoutZoneFiles);
    QFETCH(int, status);
    QFETCH(QString, says);
#ifdef Q_OS_WIN
    if (!locale.isEmpty())
        QSKIP("Windows takes the language from the display language and the region's format, not from LANG");
#endif
    QTemporaryDir empty;
    const Run run = RunExact(arguments, withoutZoneFiles ? empty.path() : QString(), locale);
    QCOMPARE(run.exitStatus, status);
    const QByteArray &said = status ? run.err : run.out, &silent = status ? run.out : run.err;
    QVERIFY2(QString::fromUtf8(said).contains(says), said.constData());
    QVERIFY2(silent.isEmpty(), silent.constData());
    if (!locale.isEmpty()) {
        const QStringList json = arguments + QStringList{QStringLiteral("--json")};
        const Run english = RunExact(json), spoken = RunExact(json, {}, locale);
        QVERIFY(english.out.startsWith('{'));
        QCOMPARE(spoken.out, english.out);
    }
}

// --help in each language: its own words for the values ("--zone <Zone>") and no line over 100 characters.
void ExactTest::helpInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("zoneOption");
    QTest::addColumn<QString>("slotExample"); // the language's own name of a slot
    for (const auto &[language, zone, slot] : {std::tuple{"en", "--zone <zone>", "--slot 10am-noon"},
                                               {"de", "--zone <Zone>", "--slot \"10–12 Uhr\""},
                                               {"fr", "--zone <fuseau>", "--slot"},
                                               {"es", "--zone <zona>", "--slot"},
                                               {"pt_BR", "--zone <fuso>", "--slot"},
                                               {"it", "--zone <fuso>", "--slot"},
                                               {"ru", "--zone <пояс>", "--slot \"10–12 ч\""}})
        QTest::newRow(language) << QString::fromLatin1(language) << QString::fromUtf8(zone)
                                << QString::fromUtf8(slot);
}

void ExactTest::helpInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, zoneOption);
    QFETCH(QString, slotExample);
#ifdef Q_OS_WIN
    if (language != QLatin1String("en"))
        QSKIP("Windows takes the language from the display language, not from LANGUAGE");
#endif
    const Run run = RunExact({QStringLiteral("--help")}, {}, QStringLiteral("LANG=C.UTF-8 LANGUAGE=") + language);
    QCOMPARE(run.exitStatus, 0);
    const QString help = QString::fromUtf8(run.out);
    QVERIFY2(help.contains(zoneOption), qPrintable(help));
    QVERIFY2(help.contains(QStringLiteral("--date 1990-08-01 ") + slotExample), qPrintable(help));
    // Whole lines in a console of 80 columns, the program's name in the first as it was typed (here, the build
    // folder's whole path, as long as the folder happens to be).
    for (QString line : help.split(u'\n'))
        QVERIFY2(line.replace(QStringLiteral(QUORVIS_EXACT_PATH), QStringLiteral("quorvis-exact")).size() < 80,
                 qPrintable(line));
}

// --place takes a place as --places writes it; a bare name that several places of a size bear takes the
// first and says so in one line on stderr.
void ExactTest::placeAsAPlaceListWritesIt_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("taken");
    QTest::addColumn<QString>("said");
    QTest::newRow("name and division") << "Springfield, Illinois" << "Illinois" << "";
    QTest::newRow("a bare name") << "Springfield" << "Missouri"
                                 << "quorvis-exact: took Springfield, Missouri, United States for \"Springfield\"; "
                                    "to name another, write it as --places lists it, such as --place "
                                    "\"Springfield, Massachusetts, United States\"\n";
}

void ExactTest::placeAsAPlaceListWritesIt()
{
    QFETCH(QString, place);
    QFETCH(QString, taken);
    QFETCH(QString, said);
    const Run run = RunExact(QStringList{"--place", place} + LondonBirth);
    QCOMPARE(run.exitStatus, 0);
    QCOMPARE(JsonOf(run)[QStringLiteral("place")].toObject()[QStringLiteral("admin1")].toString(), taken);
    QCOMPARE(QString::fromUtf8(run.err), said);
}

// The text names the place in the reader's language; the JSON keeps GeoNames's names and English countries
// in its fields, byte for byte, and adds the names as shown under place.shown.
void ExactTest::placeInTheReadersLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QStringList>("shown"); // name, division (may be empty), country
    const auto row = [](const char *language, const char *place, QStringList shown) {
        QTest::addRow("%s %s", language, place)
            << QString::fromLatin1(language) << QString::fromUtf8(place) << shown;
    };
    row("de", "Graz", {"Graz", "Steiermark", "Österreich"});
    row("de", "Kyiw", {"Kyiw", "Stadt Kiew", "Ukraine"});
    row("ru", "Москва", {"Москва", "", "Россия"});
    row("ru", "Кстово", {"Кстово", "Нижегородская область", "Россия"});
    row("en", "Graz", {"Graz", "Styria", "Austria"});
}

void ExactTest::placeInTheReadersLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, place);
    QFETCH(QStringList, shown);
#ifdef Q_OS_WIN
    QSKIP("Windows takes the language from the display language, not from LANGUAGE");
#endif
    const QString locale = QStringLiteral("LANG=C.UTF-8 LANGUAGE=") + language;
    const QStringList birth = QStringList{"--place", place} + LondonBirth.mid(0, 4);
    const Run text = RunExact(birth, {}, locale);
    QCOMPARE(text.exitStatus, 0);
    QStringList parts = shown;
    parts.removeAll(QString());
    const QString line = QString::fromUtf8(text.out.split('\n').value(0));
    QVERIFY2(line.contains(QStringLiteral("  %1:").arg(parts.join(QStringLiteral(", ")))), qPrintable(line));

    QJsonObject spoken = JsonOf(RunExact(birth + QStringList{"--json"}, {}, locale));
    QJsonObject english = JsonOf(RunExact(birth + QStringList{"--json"}));
    QJsonObject spokenPlace = spoken[QStringLiteral("place")].toObject();
    const QJsonObject expected{{"name", shown[0]},
                               {"admin1", shown[1].isEmpty() ? QJsonValue() : QJsonValue(shown[1])},
                               {"country", shown[2]},
                               {"language", language}};
    QCOMPARE(spokenPlace.take(QStringLiteral("shown")).toObject(), expected);
    QJsonObject englishPlace = english[QStringLiteral("place")].toObject();
    englishPlace.remove(QStringLiteral("shown"));
    spoken[QStringLiteral("place")] = spokenPlace;
    english[QStringLiteral("place")] = englishPlace;
    QCOMPARE(spoken, english);
}

// Output that cannot be written whole is a failure with one line on stderr, never a cut-off success: to a
// full disk, and to a pipe whose reader has gone.
void ExactTest::outputThatCannotBeWrittenFails_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("closedPipe");
    QTest::addColumn<QString>("why");
    const QStringList london = QStringList{"--place", "London"} + LondonBirth.mid(0, 4);
    QTest::newRow("text to a full disk") << london << false << "No space left on device";
    QTest::newRow("JSON to a full disk") << london + QStringList{"--json"} << false << "No space left on device";
    QTest::newRow("places to a full disk") << QStringList{"--places", "lond"} << false << "No space left on device";
    QTest::newRow("text to a closed pipe") << london << true << "Broken pipe";
}

void ExactTest::outputThatCannotBeWrittenFails()
{
#ifndef Q_OS_LINUX
    QSKIP("/dev/full and the child process modifier are Linux's");
#else
    QFETCH(QStringList, arguments);
    QFETCH(bool, closedPipe);
    QFETCH(QString, why);
    int ends[2] = {-1, -1};
    if (closedPipe) {
        QCOMPARE(::pipe(ends), 0);
        ::close(ends[0]);
    }
    const Run run = RunExact(arguments, {}, {}, [&](QProcess &process) {
        if (closedPipe)
            process.setChildProcessModifier([&] { ::dup2(ends[1], STDOUT_FILENO); });
        else
            process.setStandardOutputFile(QStringLiteral("/dev/full"));
    });
    if (closedPipe)
        ::close(ends[1]);
    QCOMPARE(run.exitStatus, 1);
    QCOMPARE(QString::fromUtf8(run.err), QStringLiteral("quorvis-exact: cannot write the reading: %1\n").arg(why));
#endif
}

// The nadir sign by both rules, in the text and in the JSON: the text says what the exact reading says (its
// sentences are checked in exact_reading_test); the JSON names the whole-sign nadir, flagged where the
// Ascendant is, and gives the minutes to the nearest change either side.
void ExactTest::nadirByBothRules_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("wholeSign");
    QTest::addColumn<QStringList>("alsoSaid"); // in the text
    QTest::addColumn<double>("icChangeAfter"); // minutes; negative: not checked
    // Oslo, 1985: rising sign Capricorn, so Aries by Quorvis's own rule, while the Imum Coeli lies in Gemini.
    QTest::newRow("Oslo, where the two rules differ")
        << QStringList{"--lat",       "59.91273", "--lon",      "10.74609", "--zone",
                       "Europe/Oslo", "--date",   "1985-03-10", "--time",   "05:15"}
        << "Aries" << QStringList{} << -1.0;
    // Ten minutes before London's Imum Coeli and rising sign changed together.
    QTest::newRow("London, ten minutes before a change")
        << QStringList{"--lat",         "51.5",   "--lon",      "-0.13",  "--zone",
                       "Europe/London", "--date", "1990-08-01", "--time", "10:11:36"}
        << "Sagittarius" << QStringList{} << 10.0;
    // Pune in the sidereal zodiac: the Ascendant in Virgo (Libra in the tropical one), so Sagittarius three
    // on, the fourth house of Indian astrology. The ayanamsa is swetest's (-ay1 -bj2448185.5
    // -ut: 23.7321718°).
    QTest::newRow("Pune, Lahiri")
        << QStringList{"--lat",  "18.52",      "--lon",  "73.8567", "--zone",   "Asia/Kolkata",
                       "--date", "1990-10-21", "--time", "06:05",   "--zodiac", "lahiri"}
        << "Sagittarius"
        << QStringList{"\nZodiac:      sidereal zodiac, Lahiri ayanamsa 23°44′ (23.7321",
                       "\nIC:          26°26′ Sagittarius", "\nASC:         26°56′ Virgo"}
        << 15.1;
    QTest::newRow("Tromsø, beyond the polar circle")
        << QStringList{"--lat",       "69.65",  "--lon",      "18.96",  "--zone",
                       "Europe/Oslo", "--date", "1975-12-21", "--time", "00:00"}
        << "Capricorn" << QStringList{} << -1.0;
}

void ExactTest::nadirByBothRules()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, wholeSign);
    QFETCH(QStringList, alsoSaid);
    QFETCH(double, icChangeAfter);
    const auto given = [&arguments](const char *option) {
        return arguments.value(arguments.indexOf(QLatin1String(option)) + 1);
    };
    quorvis::exact::Request request;
    request.latitude = given("--lat").toDouble();
    request.longitude = given("--lon").toDouble();
    request.clock = quorvis::places::Clock::zone(given("--zone"));
    request.date = QDate::fromString(given("--date"), Qt::ISODate);
    request.time = QTime::fromString(given("--time"), Qt::ISODate);
    if (arguments.contains(QLatin1String("lahiri")))
        request.zodiac = quorvis::Zodiac::Lahiri;
    const quorvis::exact::Candidate expected = quorvis::exact::Compute(request).candidates.value(0);
    const Run text = RunExact(arguments);
    QCOMPARE(text.exitStatus, 0);
    QVERIFY(!expected.nadirSigns.isEmpty());
    for (const QString &line : QStringList(expected.nadirSigns) + expected.nadirChangesNear)
        QVERIFY2(QString::fromUtf8(text.out).contains(u'\n' + line + u'\n'), text.out.constData());
    for (const QString &said : alsoSaid)
        QVERIFY2(QString::fromUtf8(text.out).contains(said), text.out.constData());

    const QJsonObject json = JsonOf(RunExact(arguments + QStringList{QStringLiteral("--json")}));
    const bool lahiri = arguments.contains(QLatin1String("lahiri"));
    QCOMPARE(json[QStringLiteral("zodiac")].toString(), lahiri ? "lahiri" : "tropical");
    QCOMPARE(json[QStringLiteral("ayanamsa_degrees")].isNull(), !lahiri);
    const QJsonObject reading = json[QStringLiteral("candidates")].toArray()[0].toObject();
    QCOMPARE(reading[QStringLiteral("whole_sign_nadir")].toString(), wholeSign);
    const bool unreliable = reading[QStringLiteral("asc_unreliable")].toBool();
    QCOMPARE(reading[QStringLiteral("whole_sign_nadir_unreliable")].toBool(), unreliable);
    QCOMPARE(reading[QStringLiteral("whole_sign_nadir_change_minutes")].isNull(), unreliable);
    const QJsonObject icChange = reading[QStringLiteral("ic_sign_change_minutes")].toObject();
    QVERIFY(icChange[QStringLiteral("before")].toDouble() > 0 &&
            icChange[QStringLiteral("after")].toDouble() > 0);
    if (icChangeAfter >= 0)
        QCOMPARE(icChange[QStringLiteral("after")].toDouble(), icChangeAfter);
}

// --slot reads only the slot, as the window does, by its name in English or in any language Quorvis speaks.
void ExactTest::onlyTheSlot()
{
    const QStringList london = {"--lat",  "51.5",          "--lon",  "-0.13",
                                "--zone", "Europe/London", "--date", "1990-08-01"};
    const Run english = RunExact(london + QStringList{"--slot", "2pm-4pm", "--json"});
    QCOMPARE(english.exitStatus, 0);
    const QJsonObject json = JsonOf(english);
    QCOMPARE(json[QStringLiteral("slot")].toString(), QStringLiteral("2pm-4pm"));
    const QJsonObject reading = json[QStringLiteral("candidates")].toArray()[0].toObject();
    QCOMPARE(reading[QStringLiteral("ut")].toString(), QStringLiteral("1990-08-01T14:00:00Z"));
    QCOMPARE(reading[QStringLiteral("time_used")].toString(),
             QStringLiteral("15:00 BST (UTC+01:00) = 14:00 UT, the middle of the slot"));
    // As a keyboard types the lists' names: a hyphen for their en dash, spaces left out or not, any case.
    for (const char *typed : {"14-16 Uhr", "14\u201316 Uhr", "14h-16h", "ORE 14-16"}) {
        const Run translated = RunExact(london + QStringList{"--slot", QString::fromUtf8(typed), "--json"});
        QVERIFY2(translated.out == english.out, typed);
    }
    const Run text = RunExact(london + QStringList{"--slot", "2PM-4PM"});
    QCOMPARE(text.exitStatus, 0);
    QVERIFY2(text.out.contains(
                 "\nSlot:        1990-08-01 2pm-4pm\nIC signs:    Aquarius from 14:00, Pisces from 14:30\n"),
             text.out.constData());
}

QTEST_GUILESS_MAIN(ExactTest)
#include "tst_exact.moc"
