// Local wall time -> UT: which clocks exist, the named traps of summer-time changes and local mean time, the
// user's own UTC offset, and 10,000 seeded wall times compared with Python's zoneinfo, an independent reader
// of tzdata run as its own process.
#include "WallTime.h"

#include <QDateTime>
#include <QProcess>
#include <QSet>
#include <QTest>
#include <QTimeZone>

#include <random>

using namespace quorvis::places;

namespace {

qint64 Utc(const char *iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toSecsSinceEpoch();
}

QString Wall(qint64 wall)
{
    return QDateTime::fromSecsSinceEpoch(wall, QTimeZone::utc()).toString(u"yyyy-MM-ddTHH:mm");
}

QString Describe(const WallTimeResolution &r)
{
    static const char *kinds[] = {"normal", "gap", "overlap"};
    QString text = QString::fromLatin1(kinds[int(r.kind)]);
    if (r.kind == WallTimeKind::Gap)
        text += QStringLiteral(" %1-%2").arg(Wall(r.gapFrom), Wall(r.gapTo));
    for (const WallTimeReading &reading : r.readings)
        text += QStringLiteral(" [%1 %2 %3%4]")
                    .arg(QDateTime::fromSecsSinceEpoch(reading.utSeconds, QTimeZone::utc())
                             .toString(u"yyyy-MM-ddTHH:mm:ss'Z'"))
                    .arg(reading.offsetSeconds)
                    .arg(reading.abbreviation.isEmpty() ? QStringLiteral("-") : reading.abbreviation,
                         reading.summerTime ? QStringLiteral(" summer") : QString());
    return text;
}

WallTimeResolution Resolve(const char *zone, QDate date, QTime time, double longitude = 0)
{
    return PlaceClock(*Clock::zone(QString::fromLatin1(zone)), longitude).resolve(date, time);
}

} // namespace

class WallTimeTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void clocks_data();
    void clocks();
    void namedTraps_data();
    void namedTraps();
    void localMeanTimeFromTheBirthplace();
    void meanTimeOnTheZonesDay_data();
    void meanTimeOnTheZonesDay();
    void userOffsetOverridesTheZone();
    void agreesWithZoneinfo();
};

// Only the tz database's own names and ±HH:MM offsets are clocks; nothing else is guessed.
void WallTimeTest::clocks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name"); // Clock::name(), empty when refused
    auto row = [](const char *tag, const char *text, const char *name) {
        QTest::newRow(tag) << QString::fromUtf8(text) << QString::fromUtf8(name);
    };
    row("zone", "Europe/London", "Europe/London");
    row("link to a renamed zone", "Europe/Kiev", "Europe/Kiev");
    row("UTC", "UTC", "UTC");
    row("east", "+05:45", "UTC+05:45");
    row("west, ASCII minus", "-03:30", "UTC−03:30");
    row("west, true minus", "−12:00", "UTC−12:00");
    row("furthest east", "+14:00", "UTC+14:00");
    row("a word", "garbage", "");
    row("a continent", "Europe", "");
    row("letters and a digit, a POSIX rule to Qt", "abc1", "");
    row("a POSIX rule string", "CET-1CEST,M3.5.0,M10.5.0/3", "");
    row("a path", "../../etc/localtime", "");
    row("wrong case", "europe/london", "");
    row("offset with a trailing newline", "+01:00\n", "");
    row("beyond +14:00", "+14:30", "");
    row("beyond -12:00", "-12:30", "");
    row("no sign", "01:00", "");
    row("no colon", "+0100", "");
    row("UTC prefix", "UTC+01:00", "");
    row("minutes out of range", "+01:60", "");
}

void WallTimeTest::clocks()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    const std::optional<Clock> clock = Clock::parse(text);
    QCOMPARE(clock ? clock->name() : QString(), name);
}

void WallTimeTest::namedTraps_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("expected"); // Describe() of the resolution
    auto row = [](const char *tag, const char *zone, QDate date, QTime time, const char *expected) {
        QTest::newRow(tag) << QString::fromLatin1(zone) << date << time << QString::fromUtf8(expected);
    };
    row("Berlin spring gap", "Europe/Berlin", {2021, 3, 28}, {2, 30},
        "gap 2021-03-28T02:00-2021-03-28T03:00 [2021-03-28T01:30:00Z 3600 CET] [2021-03-28T00:30:00Z 7200 "
        "CEST summer]");
    row("Berlin summer", "Europe/Berlin", {2021, 7, 1}, {12, 0},
        "normal [2021-07-01T10:00:00Z 7200 CEST summer]");
    row("New York autumn overlap", "America/New_York", {2021, 11, 7}, {1, 30},
        "overlap [2021-11-07T05:30:00Z -14400 EDT summer] [2021-11-07T06:30:00Z -18000 EST]");
    row("New York overlap by rule, 2099", "America/New_York", {2099, 11, 1}, {1, 30},
        "overlap [2099-11-01T05:30:00Z -14400 EDT summer] [2099-11-01T06:30:00Z -18000 EST]");
    row("New York gap by rule, 2100", "America/New_York", {2100, 3, 14}, {2, 15},
        "gap 2100-03-14T02:00-2100-03-14T03:00 [2100-03-14T07:15:00Z -18000 EST] [2100-03-14T06:15:00Z "
        "-14400 EDT summer]");
    row("London double summer time, 1941", "Europe/London", {1941, 6, 1}, {12, 0},
        "normal [1941-06-01T10:00:00Z 7200 BDST summer]");
    row("London summer time kept through the winter, 1941", "Europe/London", {1941, 1, 15}, {12, 0},
        "normal [1941-01-15T11:00:00Z 3600 BST]");
    row("Kathmandu, a numeric abbreviation", "Asia/Kathmandu", {2020, 1, 1}, {12, 0},
        "normal [2020-01-01T06:15:00Z 20700 -]");
    row("Dublin winter, negative summer time in tzdata", "Europe/Dublin", {2021, 1, 15}, {12, 0},
        "normal [2021-01-15T12:00:00Z 0 GMT]");
    row("Dublin summer", "Europe/Dublin", {2021, 7, 15}, {12, 0},
        "normal [2021-07-15T11:00:00Z 3600 IST summer]");
    row("Sydney spring gap, southern hemisphere", "Australia/Sydney", {2021, 10, 3}, {2, 30},
        "gap 2021-10-03T02:00-2021-10-03T03:00 [2021-10-02T16:30:00Z 36000 AEST] [2021-10-02T15:30:00Z 39600 "
        "AEDT summer]");
    row("Lord Howe half-hour overlap", "Australia/Lord_Howe", {2021, 4, 4}, {1, 45},
        "overlap [2021-04-03T14:45:00Z 39600 - summer] [2021-04-03T15:15:00Z 37800 -]");
    row("UTC, a link of the tz database", "UTC", {2021, 7, 1}, {12, 0},
        "normal [2021-07-01T12:00:00Z 0 UTC]");
    row("London double summer time, 1944", "Europe/London", {1944, 6, 6}, {12, 0},
        "normal [1944-06-06T10:00:00Z 7200 BDST summer]");
    row("Apia skipped a whole day", "Pacific/Apia", {2011, 12, 30}, {12, 0},
        "gap 2011-12-30T00:00-2011-12-31T00:00 [2011-12-30T22:00:00Z -36000 -] "
        "[2011-12-29T22:00:00Z 50400 - summer]");
    row("Moscow permanent change is not summer time", "Europe/Moscow", {2015, 1, 15}, {12, 0},
        "normal [2015-01-15T09:00:00Z 10800 MSK]");
}

void WallTimeTest::namedTraps()
{
    QFETCH(QString, zone);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(QString, expected);
    QCOMPARE(Describe(Resolve(qPrintable(zone), date, time)), expected);
}

void WallTimeTest::localMeanTimeFromTheBirthplace()
{
    // Berlin kept local mean time until 1893; a birth there in 1890 is on the birthplace's own mean time.
    const auto atBerlin = Resolve("Europe/Berlin", {1890, 6, 1}, {12, 0}, 13.41053);
    QCOMPARE(Describe(atBerlin), QStringLiteral("normal [1890-06-01T11:06:21Z 3219 LMT]"));
    QVERIFY(atBerlin.readings.front().localMeanTime);
    // Munich's mean time, not Berlin's, though the zone is the same.
    QCOMPARE(Resolve("Europe/Berlin", {1890, 6, 1}, {12, 0}, 11.57549).readings.front().utSeconds,
             Utc("1890-06-01T11:13:42Z"));
    // West of Greenwich the offset is negative.
    QCOMPARE(Resolve("America/New_York", {1850, 1, 1}, {0, 0}, -74.0).readings.front().utSeconds,
             Utc("1850-01-01T04:56:00Z"));
    // Manila kept American dates until the end of 1844: its mean time then was 8:04 less a day.
    QCOMPARE(Describe(Resolve("Asia/Manila", {1840, 6, 1}, {12, 0}, 120.98)),
             QStringLiteral("normal [1840-06-02T03:56:05Z -57365 LMT]"));
    // Juneau kept Russian dates until 1867.
    QCOMPARE(Describe(Resolve("America/Juneau", {1850, 1, 1}, {0, 0}, -134.42)),
             QStringLiteral("normal [1849-12-31T08:57:41Z 54139 LMT]"));
    // The day Alaska changed sides showed twice.
    QCOMPARE(Resolve("America/Juneau", {1867, 10, 19}, {12, 0}, -134.42).kind, WallTimeKind::Overlap);
    // Standard time needs no longitude.
    const auto standard = Resolve("Europe/Berlin", {1900, 1, 1}, {12, 0}, 13.41053);
    QVERIFY(!standard.readings.front().localMeanTime);
    QCOMPARE(standard.readings.front().abbreviation, QStringLiteral("CET"));
}

// Every place of a zone keeps the zone's day while it keeps mean time, however far its longitude lies from
// the zone's reference city, and the day the zone skipped or repeated when it changed sides is skipped or
// repeated there too.
void WallTimeTest::meanTimeOnTheZonesDay_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected"); // Describe() of the resolution at noon
    auto row = [](const char *tag, const char *zone, double longitude, QDate date, const char *expected) {
        QTest::newRow(tag) << QString::fromLatin1(zone) << longitude << date << QString::fromUtf8(expected);
    };
    // Manila's mean time then was −15:56; Iba's, west of 120° E, lies beyond −16:00.
    row("Iba, American date", "Asia/Manila", 119.978, {1840, 6, 1},
        "normal [1840-06-02T04:00:05Z -57605 LMT]");
    row("Puerto Princesa, American date", "Asia/Manila", 118.73528, {1840, 6, 1},
        "normal [1840-06-02T04:05:04Z -57904 LMT]");
    row("Iba, the day Manila skipped", "Asia/Manila", 119.978, {1844, 12, 31},
        "gap 1844-12-30T23:56-1844-12-31T23:56 [1845-01-01T04:00:05Z -57605 LMT] "
        "[1844-12-31T04:00:05Z 28795 LMT]");
    // Mean time is never summer time, though Manila's lay above the offsets before and after it.
    row("Manila, mean time between two lower offsets", "Asia/Manila", 120.98, {1870, 6, 1},
        "normal [1870-06-01T03:56:05Z 29035 LMT]");
    row("a longitude far from Juneau, Russian date", "America/Juneau", 45.0, {1850, 1, 1},
        "normal [1849-12-31T09:00:00Z 97200 LMT]");
}

void WallTimeTest::meanTimeOnTheZonesDay()
{
    QFETCH(QString, zone);
    QFETCH(double, longitude);
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    QCOMPARE(Describe(Resolve(qPrintable(zone), date, {12, 0}, longitude)), expected);
}

void WallTimeTest::userOffsetOverridesTheZone()
{
    const PlaceClock clock(*Clock::fixedOffset(3600), 13.4);
    QCOMPARE(Describe(clock.resolve({2021, 3, 28}, {2, 30})),
             QStringLiteral("normal [2021-03-28T01:30:00Z 3600 -]"));
    QVERIFY(clock.changesBetween(Utc("1800-01-01T00:00:00Z"), Utc("2100-01-01T00:00:00Z")).empty());
}

// 10,000 (zone, wall time) cases over every zone of the gazetteer, 1800-2100, half of them within two hours
// of one of the zone's transitions, resolved here and by zoneinfo. zoneinfo's local mean time is the zone's
// reference city's, so each case is resolved at the longitude whose mean time that is.
void WallTimeTest::agreesWithZoneinfo()
{
    const QString python = QStringLiteral(QUORVIS_PYTHON);
    if (python.isEmpty())
        QSKIP("no python3 to run here (not installed, or a Windows build under Wine)");

    // Every zone and link that zoneinfo can read.
    QStringList zones;
    QProcess lister;
    lister.start(python, {QStringLiteral("-c"),
                          QStringLiteral(
                              "import zoneinfo; print('\\n'.join(sorted(zoneinfo.available_timezones())))")});
    QVERIFY(lister.waitForFinished(60000));
    for (const QByteArray &line : lister.readAllStandardOutput().split('\n'))
        if (IsZoneName(QString::fromUtf8(line)))
            zones << QString::fromUtf8(line);
    QVERIFY(zones.size() > 400);

    struct Case
    {
        QString zone;
        QDateTime wall; // as UTC, for its fields only
    };
    std::vector<Case> cases;
    std::mt19937_64 random(20261207);
    const qint64 first = Utc("1800-01-01T00:00:00Z");
    const qint64 last = Utc("2100-12-31T23:59:59Z");
    std::uniform_int_distribution<qint64> anyInstant(first, last);
    std::uniform_int_distribution<qint64> nearby(-7200, 7200);
    for (int i = 0; cases.size() < 10000; ++i) {
        const QString &name = zones[i % zones.size()];
        // At the reference city's own mean time, found below; longitude 0 is enough to find transitions.
        const PlaceClock zone(*Clock::zone(name), 0);
        qint64 wall = anyInstant(random);
        if (i % 2 == 1) {
            const qint64 from = anyInstant(random);
            const auto changes = zone.changesBetween(from, from + 5 * 366 * 86400);
            if (!changes.empty() && changes.front().utSeconds < last)
                wall = changes.front().wallAfter + nearby(random);
        }
        cases.push_back({name, QDateTime::fromSecsSinceEpoch(wall, QTimeZone::utc())});
    }

    QByteArray input;
    for (const Case &c : cases)
        input +=
            QStringLiteral("%1 %2\n").arg(c.zone, c.wall.toString(QStringLiteral("yyyy M d H m s"))).toUtf8();
    QProcess oracle;
    oracle.start(python, {QStringLiteral(QUORVIS_ZONEINFO_ORACLE)});
    QVERIFY(oracle.waitForStarted());
    oracle.write(input);
    oracle.closeWriteChannel();
    QVERIFY(oracle.waitForFinished(120000));
    QCOMPARE(oracle.exitCode(), 0);
    const QList<QByteArray> lines = oracle.readAllStandardOutput().split('\n');
    const int count = int(cases.size());
    QVERIFY(lines.size() > count);

    int mismatches = 0, gaps = 0, overlaps = 0, leftOut = 0;
    for (int i = 0; i < count; ++i) {
        const QList<QByteArray> f = lines[i].split(' ');
        QCOMPARE(f.size(), 8);
        const Case &c = cases[size_t(i)];
        // zoneinfo's mean time is the zone's reference city's: each case is resolved at the longitude whose
        // mean time that is. Where it changes from one "LMT" to another (across the date line, to a capital's
        // mean time) no one longitude gives both, and the case is left out.
        const QList<QByteArray> meanTimes = f[7] == "-" ? QList<QByteArray>() : f[7].split(',');
        if (meanTimes.size() > 1) {
            ++leftOut;
            continue;
        }
        const double longitude = meanTimes.isEmpty() ? 0.0 : meanTimes.front().toInt() / 240.0;
        const auto r = PlaceClock(*Clock::zone(c.zone), longitude).resolve(c.wall.date(), c.wall.time());
        const char *kinds[] = {"normal", "gap", "overlap"};
        bool same = f[0] == kinds[int(r.kind)] && !r.readings.isEmpty();
        if (same) {
            // zoneinfo's fold=0 is the offset before a change, fold=1 the offset after.
            const WallTimeReading &r0 = r.readings.front();
            const WallTimeReading &r1 = r.readings.back();
            same = r0.utSeconds == f[1].toLongLong() && r0.offsetSeconds == f[2].toInt() &&
                   r1.utSeconds == f[4].toLongLong() && r1.offsetSeconds == f[5].toInt();
            for (const auto &[reading, abbreviation] : {std::pair{&r0, f[3]}, std::pair{&r1, f[6]}})
                if (!abbreviation.startsWith('+') && !abbreviation.startsWith('-'))
                    same = same && reading->abbreviation == QString::fromUtf8(abbreviation);
        }
        gaps += r.kind == WallTimeKind::Gap;
        overlaps += r.kind == WallTimeKind::Overlap;
        if (!same && ++mismatches <= 10)
            qWarning("%s %s: zoneinfo says %s; here %s", qPrintable(c.zone),
                     qPrintable(c.wall.toString(Qt::ISODate)), lines[i].constData(), qPrintable(Describe(r)));
    }
    qInfo("%d cases over %lld zones (%d left out): %d gaps, %d overlaps, %d mismatches", count,
          qlonglong(zones.size()), leftOut, gaps, overlaps, mismatches);
    QCOMPARE(mismatches, 0);
    QVERIFY2(leftOut < 100, qPrintable(QString::number(leftOut)));
    QVERIFY(gaps > 100 && overlaps > 100);
}

QTEST_GUILESS_MAIN(WallTimeTest)
#include "walltime_test.moc"
