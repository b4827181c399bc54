// Local wall time -> UT: the named traps of summer-time changes and local mean time, the user's own UTC
// offset, and 10,000 seeded wall times compared with Python's zoneinfo, an independent reader of tzdata run
// as its own process.
#include "Places.h"

#include <QDateTime>
#include <QProcess>
#include <QSet>
#include <QTest>

#include <random>

using namespace quorvis::places;

namespace {

qint64 Utc(const char *iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toSecsSinceEpoch();
}

QString Describe(const WallTimeResolution &r)
{
    static const char *kinds[] = {"normal", "gap", "overlap"};
    QString text = QString::fromLatin1(kinds[int(r.kind)]);
    if (r.kind == WallTimeKind::Gap)
        text += QStringLiteral(" %1-%2").arg(r.gapFrom.toString(u"HH:mm"), r.gapTo.toString(u"HH:mm"));
    for (const WallTimeReading &reading : r.readings)
        text += QStringLiteral(" [%1 %2 %3%4]")
                    .arg(QDateTime::fromSecsSinceEpoch(reading.utSeconds, Qt::UTC).toString(Qt::ISODate))
                    .arg(reading.offsetSeconds)
                    .arg(reading.abbreviation, reading.summerTime ? QStringLiteral(" summer") : QString());
    return text;
}

} // namespace

class WallTimeTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void namedTraps_data();
    void namedTraps();
    void localMeanTimeFromTheBirthplace();
    void userOffsetOverridesTheZone();
    void invalidInput();
    void parseUtcOffset_data();
    void parseUtcOffset();
    void formatUtcOffset_data();
    void formatUtcOffset();
    void agreesWithZoneinfo();
};

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
        "gap 02:00-03:00 [2021-03-28T01:30:00Z 3600 CET] [2021-03-28T00:30:00Z 7200 CEST summer]");
    row("Berlin summer", "Europe/Berlin", {2021, 7, 1}, {12, 0},
        "normal [2021-07-01T10:00:00Z 7200 CEST summer]");
    row("New York autumn overlap", "America/New_York", {2021, 11, 7}, {1, 30},
        "overlap [2021-11-07T05:30:00Z -14400 EDT summer] [2021-11-07T06:30:00Z -18000 EST]");
    row("New York overlap by rule, 2099", "America/New_York", {2099, 11, 1}, {1, 30},
        "overlap [2099-11-01T05:30:00Z -14400 EDT summer] [2099-11-01T06:30:00Z -18000 EST]");
    row("New York gap by rule, 2100", "America/New_York", {2100, 3, 14}, {2, 15},
        "gap 02:00-03:00 [2100-03-14T07:15:00Z -18000 EST] [2100-03-14T06:15:00Z -14400 EDT summer]");
    row("London double summer time, 1941", "Europe/London", {1941, 6, 1}, {12, 0},
        "normal [1941-06-01T10:00:00Z 7200 BDST summer]");
    row("London summer time kept through the winter, 1941", "Europe/London", {1941, 1, 15}, {12, 0},
        "normal [1941-01-15T11:00:00Z 3600 BST]");
    row("Kathmandu, a numeric abbreviation", "Asia/Kathmandu", {2020, 1, 1}, {12, 0},
        "normal [2020-01-01T06:15:00Z 20700 UTC+05:45]");
    row("Dublin winter, negative summer time in tzdata", "Europe/Dublin", {2021, 1, 15}, {12, 0},
        "normal [2021-01-15T12:00:00Z 0 GMT]");
    row("Dublin summer", "Europe/Dublin", {2021, 7, 15}, {12, 0},
        "normal [2021-07-15T11:00:00Z 3600 IST summer]");
    row("Sydney spring gap, southern hemisphere", "Australia/Sydney", {2021, 10, 3}, {2, 30},
        "gap 02:00-03:00 [2021-10-02T16:30:00Z 36000 AEST] [2021-10-02T15:30:00Z 39600 AEDT summer]");
    row("Lord Howe half-hour overlap", "Australia/Lord_Howe", {2021, 4, 4}, {1, 45},
        "overlap [2021-04-03T14:45:00Z 39600 UTC+11:00 summer] [2021-04-03T15:15:00Z 37800 UTC+10:30]");
    row("Qt's own UTC zone", "UTC", {2021, 7, 1}, {12, 0}, "normal [2021-07-01T12:00:00Z 0 UTC]");
    row("Moscow permanent change is not summer time", "Europe/Moscow", {2015, 1, 15}, {12, 0},
        "normal [2015-01-15T09:00:00Z 10800 MSK]");
}

void WallTimeTest::namedTraps()
{
    QFETCH(QString, zone);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(QString, expected);
    QCOMPARE(Describe(ResolveWallTime(date, time, QTimeZone(zone.toUtf8()), 0)), expected);
}

void WallTimeTest::localMeanTimeFromTheBirthplace()
{
    // Berlin kept local mean time until 1893; a birth there in 1890 is on the birthplace's own mean time.
    const QTimeZone berlin("Europe/Berlin");
    const auto atBerlin = ResolveWallTime({1890, 6, 1}, {12, 0}, berlin, 13.41053);
    QCOMPARE(Describe(atBerlin), QStringLiteral("normal [1890-06-01T11:06:21Z 3219 LMT]"));
    QVERIFY(atBerlin.readings.front().localMeanTime);
    // Munich's mean time, not Berlin's, though the zone is the same.
    const auto atMunich = ResolveWallTime({1890, 6, 1}, {12, 0}, berlin, 11.57549);
    QCOMPARE(atMunich.readings.front().utSeconds, Utc("1890-06-01T11:13:42Z"));
    // West of Greenwich the offset is negative; the first standard time needs no longitude.
    QCOMPARE(ResolveWallTime({1850, 1, 1}, {0, 0}, QTimeZone("America/New_York"), -74.0)
                 .readings.front()
                 .utSeconds,
             Utc("1850-01-01T04:56:00Z"));
    // Manila kept American dates until the end of 1844: its mean time then was 8:04 less a day.
    const auto manila = ResolveWallTime({1840, 6, 1}, {12, 0}, QTimeZone("Asia/Manila"), 120.98);
    QCOMPARE(Describe(manila), QStringLiteral("normal [1840-06-02T03:56:05Z -57365 LMT]"));
    const auto standard = ResolveWallTime({1900, 1, 1}, {12, 0}, berlin, 13.41053);
    QVERIFY(!standard.readings.front().localMeanTime);
    QCOMPARE(standard.readings.front().abbreviation, QStringLiteral("CET"));
}

void WallTimeTest::userOffsetOverridesTheZone()
{
    const auto r = ResolveWallTime({2021, 3, 28}, {2, 30}, 3600);
    QCOMPARE(Describe(r), QStringLiteral("normal [2021-03-28T01:30:00Z 3600 UTC+01:00]"));
    QCOMPARE(Describe(ResolveWallTime({1890, 6, 1}, {12, 0}, -12600)),
             QString::fromUtf8("normal [1890-06-01T15:30:00Z -12600 UTC−03:30]"));
}

void WallTimeTest::invalidInput()
{
    QVERIFY(ResolveWallTime({2021, 2, 30}, {12, 0}, QTimeZone("Europe/Berlin"), 0).readings.isEmpty());
    QVERIFY(ResolveWallTime({2021, 2, 1}, {}, QTimeZone("Europe/Berlin"), 0).readings.isEmpty());
    QVERIFY(ResolveWallTime({2021, 2, 1}, {12, 0}, QTimeZone("Mars/Olympus_Mons"), 0).readings.isEmpty());
}

void WallTimeTest::parseUtcOffset_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("seconds");
    auto row = [](const char *tag, const char *text, bool valid, int seconds) {
        QTest::newRow(tag) << QString::fromUtf8(text) << valid << seconds;
    };
    row("plus hours and minutes", "+01:00", true, 3600);
    row("UTC prefix", "UTC+01:00", true, 3600);
    row("minus", "-03:30", true, -12600);
    row("minus sign", "UTC−03:30", true, -12600);
    row("no colon", "+0545", true, 20700);
    row("hours only, lower-case prefix", " utc+5 ", true, 18000);
    row("furthest east", "+14:00", true, 50400);
    row("beyond 14 hours", "+14:30", false, 0);
    row("no sign", "01:00", false, 0);
    row("one-digit minutes", "+1:5", false, 0);
    row("minutes out of range", "+01:60", false, 0);
    row("trailing text", "+01:00x", false, 0);
    row("words", "Berlin", false, 0);
}

void WallTimeTest::parseUtcOffset()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, seconds);
    int parsed = -1;
    QCOMPARE(ParseUtcOffset(text, &parsed), valid);
    if (valid)
        QCOMPARE(parsed, seconds);
}

void WallTimeTest::formatUtcOffset_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("east") << 3600 << QStringLiteral("UTC+01:00");
    QTest::newRow("west, a true minus sign") << -12600 << QString::fromUtf8("UTC−03:30");
    QTest::newRow("zero") << 0 << QStringLiteral("UTC+00:00");
    QTest::newRow("quarter hour") << 20700 << QStringLiteral("UTC+05:45");
    QTest::newRow("local mean time, seconds") << 3208 << QStringLiteral("UTC+00:53:28");
}

void WallTimeTest::formatUtcOffset()
{
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(FormatUtcOffset(seconds), text);
    int back = 0;
    if (seconds % 60 == 0) {
        QVERIFY(ParseUtcOffset(text, &back));
        QCOMPARE(back, seconds);
    }
}

// 10,000 (zone, wall time) cases over every zone of the gazetteer, 1800-2100, half of them within two hours
// of one of the zone's transitions, resolved here and by zoneinfo. zoneinfo's local mean time is the zone's
// reference city's, so each case is resolved at the longitude whose mean time that is.
void WallTimeTest::agreesWithZoneinfo()
{
    const QString python = QStringLiteral(QUORVIS_PYTHON);
    if (python.isEmpty())
        QSKIP("no python3 to run here (not installed, or a Windows build under Wine)");

    QSet<QString> zoneSet;
    for (const Place &place : Gazetteer::instance().places())
        zoneSet.insert(place.zone);
    QStringList zones(zoneSet.begin(), zoneSet.end());
    zones.sort();

    struct Case
    {
        QString zone;
        QDateTime wall; // as UTC, for its fields only
        double longitude;
    };
    std::vector<Case> cases;
    std::mt19937_64 random(20261207);
    const qint64 first = Utc("1800-01-01T00:00:00Z");
    const qint64 last = Utc("2100-12-31T23:59:59Z");
    std::uniform_int_distribution<qint64> anyInstant(first, last);
    std::uniform_int_distribution<qint64> nearby(-7200, 7200);
    int leftOut = 0;
    for (int i = 0; cases.size() < 10000; ++i) {
        const QString &name = zones[i % zones.size()];
        const QTimeZone zone(name.toUtf8());
        qint64 wall = anyInstant(random);
        if (i % 2 == 1) {
            const auto next = zone.nextTransition(QDateTime::fromSecsSinceEpoch(anyInstant(random), Qt::UTC));
            if (next.atUtc.isValid() && next.atUtc.toSecsSinceEpoch() < last)
                wall = next.atUtc.toSecsSinceEpoch() + next.offsetFromUtc + nearby(random);
        }
        // The mean time tzdata gives around this wall time; where it changes from one "LMT" to another
        // (across the date line, to a capital's mean time) no one longitude gives both, and the case is left
        // out.
        QSet<int> meanTimes;
        for (qint64 probe : {wall - 2 * 86400, wall, wall + 2 * 86400}) {
            const auto data = zone.offsetData(QDateTime::fromSecsSinceEpoch(probe, Qt::UTC));
            if (data.abbreviation == QLatin1String("LMT"))
                meanTimes.insert(data.offsetFromUtc);
        }
        if (meanTimes.size() > 1) {
            ++leftOut;
            continue;
        }
        const double longitude = meanTimes.isEmpty() ? 0.0 : *meanTimes.begin() / 240.0;
        cases.push_back({name, QDateTime::fromSecsSinceEpoch(wall, Qt::UTC), longitude});
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
    QVERIFY2(leftOut < 100, qPrintable(QString::number(leftOut)));

    int mismatches = 0, gaps = 0, overlaps = 0;
    for (int i = 0; i < count; ++i) {
        const QList<QByteArray> f = lines[i].split(' ');
        QCOMPARE(f.size(), 7);
        const Case &c = cases[size_t(i)];
        const auto r = ResolveWallTime(c.wall.date(), c.wall.time(), QTimeZone(c.zone.toUtf8()), c.longitude);
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
    QVERIFY(gaps > 100 && overlaps > 100);
}

QTEST_GUILESS_MAIN(WallTimeTest)
#include "walltime_test.moc"
