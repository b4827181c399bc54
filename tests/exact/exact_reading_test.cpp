// The exact reading as both front ends get it: what the clocks did, in words, for a time and for a whole
// slot; the nadir sign by both rules, against swetest, and how near each is to changing; and the one reading
// of typed degrees.
#include "ExactReading.h"
#include "ExactSteps.h"
#include "ExactTexts.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QtMath>

#include <algorithm>
#include <cmath>

using namespace quorvis;

namespace {

exact::Request At(const char *zone, double latitude, double longitude, QDate date, std::optional<QTime> time,
                  int slot = 0, Zodiac zodiac = Zodiac::Tropical)
{
    exact::Request r;
    r.zodiac = zodiac;
    r.date = date;
    r.time = time;
    r.slot = slot;
    r.latitude = latitude;
    r.longitude = longitude;
    r.clock = places::Clock::zone(QString::fromLatin1(zone));
    return r;
}

QStringList Listed(const exact::Result &r)
{
    QStringList listed;
    for (const exact::SlotSign &s : r.slotSigns)
        listed << exact::SignName(s.sign) + u' ' + s.wall.time.toString(u"HH:mm") +
                      u' ' + s.reading.abbreviation;
    return listed;
}

constexpr int TwoToFourAm = 1; // index into TimeSlots

// swetest's Ascendant and Imum Coeli (its house 4) for an instant in UT, as a separate process; nothing where
// it is not installed or answers otherwise.
std::optional<std::pair<double, double>> SwetestAscAndIc(QDateTime ut, double latitude, double longitude)
{
    QProcess swetest;
    swetest.start(QStringLiteral("swetest"),
                  {ut.toString(u"'-b'd.M.yyyy"), ut.toString(u"'-ut'HH:mm:ss"), QStringLiteral("-p"),
                   QStringLiteral("-house%1,%2,P").arg(longitude, 0, 'f', 6).arg(latitude, 0, 'f', 6),
                   QStringLiteral("-emos"), QStringLiteral("-fPl"), QStringLiteral("-head")});
    if (!swetest.waitForFinished(30000))
        return std::nullopt;
    const QString out = QString::fromLatin1(swetest.readAllStandardOutput());
    const auto value = [&out](const char *name) {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("^%1 +([0-9.]+)$").arg(QLatin1String(name)),
                               QRegularExpression::MultilineOption)
                .match(out);
        return m.hasMatch() ? m.captured(1).toDouble() : -1.0;
    };
    const double asc = value("Ascendant"), ic = value("house  4");
    if (asc < 0 || ic < 0)
        return std::nullopt;
    return std::pair{asc, ic};
}

// The sign of a longitude, and how far it lies from the nearest change of sign, in degrees.
int SignOf(double longitude) { return int(longitude / 30) % 12; }
double FromSignChange(double longitude)
{
    return std::min(std::fmod(longitude, 30), 30 - std::fmod(longitude, 30));
}

} // namespace

class ExactReadingTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void whatTheClocksDid_data();
    void whatTheClocksDid();
    void clockChangesKeepTheirInstant();
    void overlapSentence_data();
    void overlapSentence();
    void slotByTheClockOnTheWall();
    void slotSignsHoldFromTheirMinute_data();
    void slotSignsHoldFromTheirMinute();
    void aSlotThatNeverShowed();
    void refusals_data();
    void refusals();
    void degrees_data();
    void degrees();
    void regionalDatesAndTimes_data();
    void regionalDatesAndTimes();
    void degreesWrittenAreRead_data();
    void degreesWrittenAreRead();
    void placesFound_data();
    void placesFound();
    void everyLabelNamesItsPlace();
    void wholeSignNadirAgainstSwetest_data();
    void wholeSignNadirAgainstSwetest();
    void nadirSignsSaid_data();
    void nadirSignsSaid();
    void nearestChangesOfEachRule_data();
    void nearestChangesOfEachRule();
};

void ExactReadingTest::whatTheClocksDid_data()
{
    QTest::addColumn<exact::Request>("request");
    QTest::addColumn<QString>("ambiguity");
    QTest::addColumn<QString>("meanTimeNote"); // naming every mean-time offset the readings use
    const QString bothSides = QStringLiteral("Clocks there did not yet keep standard time, so the local mean time "
                                             "of the birthplace is used, counted from either side of the date "
                                             "line: %1 and %2.");
    QTest::newRow("Apia skipped a whole day")
        << At("Pacific/Apia", -13.83, -171.76, {2011, 12, 30}, QTime(12, 0))
        << "The clocks there jumped from 23:59 on 29 December to 00:00 on 31 December 2011, so 30 December "
           "2011 "
           "never happened there."
        << QString();
    QTest::newRow("a gap into standard time, beside the mean-time note")
        << At("Europe/Berlin", 52.52, 13.4, {1893, 4, 1}, QTime(0, 3))
        << "The clocks there jumped from 00:00:08 to 00:06:32 on 1 April 1893, so 00:03 never showed there."
        << "Clocks there did not yet keep standard time, so the local mean time of the birthplace "
           "(UTC+00:53:36) is used.";
    QTest::newRow("the day Alaska changed sides")
        << At("America/Juneau", 58.3, -134.42, {1867, 10, 19}, QTime(12, 0))
        << "The clocks there went back from 15:33:32 on 19 October to 15:33:32 on 18 October 1867, so 12:00 "
           "on "
           "19 October 1867 showed twice there."
        << bothSides.arg(u"UTC+15:02:19", u"UTC−08:57:41");
    QTest::newRow("the day Manila skipped, at Iba, west of 120° E")
        << At("Asia/Manila", 15.3276, 119.978, {1844, 12, 31}, QTime(12, 0))
        << "The clocks there jumped from 23:56:03 on 30 December to 23:56:03 on 31 December 1844, so 12:00 "
           "on 31 December 1844 never showed there."
        << bothSides.arg(u"UTC−16:00:05", u"UTC+07:59:55");
    QTest::newRow("an ordinary autumn overlap")
        << At("Europe/London", 51.5, -0.13, {2021, 10, 31}, QTime(1, 30))
        << "The clocks there went back from 02:00 to 01:00 on 31 October 2021, so 01:30 showed twice there."
        << QString();
}

void ExactReadingTest::whatTheClocksDid()
{
    QFETCH(exact::Request, request);
    QFETCH(QString, ambiguity);
    QFETCH(QString, meanTimeNote);
    const exact::Result r = exact::Compute(request);
    QVERIFY2(r.ok(), qPrintable(r.problem));
    QCOMPARE(r.candidates.size(), 2);
    QCOMPARE(r.ambiguity, ambiguity);
    QCOMPARE(r.meanTimeNote, meanTimeNote);
}

// A change of the clocks, and the edges of a gap, carry their own offsets: each side names the instant of the
// change.
void ExactReadingTest::clockChangesKeepTheirInstant()
{
    const places::PlaceClock berlin(*places::Clock::zone(u"Europe/Berlin"), 13.405);
    const qint64 spring = QDateTime(QDate(2021, 3, 28), QTime(1, 0), Qt::UTC).toSecsSinceEpoch();
    const QDateTime instant = QDateTime::fromSecsSinceEpoch(spring, Qt::UTC);
    const std::vector<exact::CivilChange> changes =
        exact::ToCivil(berlin.changesBetween(spring - 3600, spring + 3600));
    QCOMPARE(changes.size(), std::size_t(1));
    QCOMPARE(changes.front().before.ut(), instant);
    QCOMPARE(changes.front().after.ut(), instant);
    const qint64 wall = places::WallSeconds({2021, 3, 28}, QTime(2, 30));
    const exact::CivilGap gap = exact::ToCivil(berlin.resolve(wall), wall);
    QCOMPARE(gap.from.ut(), instant);
    QCOMPARE(gap.to.ut(), instant);
}

// However many times a local time showed, the sentence names what the clocks did and how often it showed.
void ExactReadingTest::overlapSentence_data()
{
    const auto wall = [](int hour, int minute) { return exact::CivilTime{{2000, 1, 1}, QTime(hour, minute)}; };
    const auto back = [&](int fromHour, int fromMinute, int toHour, int toMinute) {
        return exact::CivilChange{wall(fromHour, fromMinute), wall(toHour, toMinute)};
    };
    QTest::addColumn<std::vector<exact::CivilChange>>("changes");
    QTest::addColumn<exact::CivilTime>("wall");
    QTest::addColumn<int>("times");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("three times")
        << std::vector{back(3, 0, 2, 0), back(2, 30, 1, 30)} << wall(2, 15) << 3
        << "The clocks there went back from 03:00 to 02:00 on 1 January 2000 and went "
           "back from 02:30 to 01:30 on 1 January 2000, so 02:15 showed 3 times there.";
    QTest::newRow("no change found") << std::vector<exact::CivilChange>{} << wall(2, 15) << 2
                                     << "02:15 on 1 January 2000 showed 2 times on the clocks there.";
}

void ExactReadingTest::overlapSentence()
{
    QFETCH(std::vector<exact::CivilChange>, changes);
    QFETCH(exact::CivilTime, wall);
    QFETCH(int, times);
    QFETCH(QString, sentence);
    QCOMPARE(exact::OverlapSentence(changes, wall, times), sentence);
}

// A slot is two hours of the clock on the wall: on a day the clocks change, only the minutes that showed are
// listed, and the middle is that of the time that passed.
void ExactReadingTest::slotByTheClockOnTheWall()
{
    const exact::Result spring =
        exact::Compute(At("Europe/Berlin", 52.52, 13.405, {2021, 3, 28}, {}, TwoToFourAm));
    QVERIFY2(spring.ok(), qPrintable(spring.problem));
    // The IC enters Gemini at 04:35, after the slot: the slot holds only the hour from 03:00.
    QCOMPARE(Listed(spring), QStringList{"Taurus 03:00 CEST"});
    QCOMPARE(spring.slotJumps, "The clocks there jumped from 02:00 to 03:00 on 28 March 2021 during this "
                               "slot, so it lasted 1 hour.");
    QCOMPARE(spring.candidates.front().timeUsed, "03:30 CEST (UTC+02:00) = 01:30 UT, the middle of the slot");

    const exact::Result autumn =
        exact::Compute(At("Europe/Berlin", 52.52, 13.405, {2021, 10, 31}, {}, TwoToFourAm));
    QVERIFY2(autumn.ok(), qPrintable(autumn.problem));
    QCOMPARE(
        autumn.slotJumps,
        "The clocks there went back from 03:00 to 02:00 on 31 October 2021 during this slot, so it lasted 3 "
        "hours.");
    QCOMPARE(autumn.candidates.front().timeUsed, "02:30 CET (UTC+01:00) = 01:30 UT, the middle of the slot");
    QVERIFY(Listed(autumn).front().endsWith(QLatin1String("02:00 CEST")));

    const exact::Result plain =
        exact::Compute(At("Europe/Berlin", 52.52, 13.405, {2021, 6, 1}, {}, TwoToFourAm));
    QVERIFY(plain.slotJumps.isEmpty());
    QVERIFY2(!plain.slotChanges.contains(QLatin1String("CEST")), qPrintable(plain.slotChanges));
    QCOMPARE(plain.candidates.front().timeUsed, "03:00 CEST (UTC+02:00) = 01:00 UT, the middle of the slot");
}

// A slot in which the IC enters a sign less than a millisecond before the slot's last minute, where the sky
// turned from the first minute still shows the sign before: only the exact angles at the last minute see it.
namespace {
exact::Request ChangeJustBeforeTheLastMinute()
{
    const QDate date(2000, 7, 1);
    constexpr int slot = 5; // 10:00 to 12:00 UT
    constexpr double latitude = 51.5;
    const qint64 first = QDateTime(date, exact::SlotStart(slot), Qt::UTC).toSecsSinceEpoch();
    const qint64 last = first + 119 * 60;
    const ChartAngles atLast = ComputeAngles(last, latitude, 0).angles;
    const double lag =
        atLast.ramc - TurnedAngles(ComputeAngles(first, latitude, 0).angles, first, last, latitude)->ramc;
    // The RAMC where the IC, rounded to the arc-minute, enters the next sign; the place put half the lag past
    // it.
    const double mc = qDegreesToRadians((ToSignPosition(atLast.ic).sign + 1) * 30.0 - 1.0 / 120 - 180);
    const double ramc = qRadiansToDegrees(
        std::atan2(std::sin(mc) * std::cos(qDegreesToRadians(atLast.obliquity)), std::cos(mc)));
    if (!(lag > 0))
        qFatal("the turned sky does not lag at the slot's last minute here; take another slot");
    return At("Etc/UTC", latitude, std::remainder(ramc - atLast.ramc + lag / 2, 360.0), date, {}, slot);
}
} // namespace

// The sweep of a slot against the exact angles at every minute of it that showed: the same signs, changing at
// the same minutes.
void ExactReadingTest::slotSignsHoldFromTheirMinute_data()
{
    QTest::addColumn<exact::Request>("slot");
    QTest::newRow("London, an ordinary day") << At("Europe/London", 51.5, -0.13, {1990, 8, 1}, {}, 9);
    QTest::newRow("Berlin, clocks forward") << At("Europe/Berlin", 52.52, 13.405, {2021, 3, 28}, {}, 1);
    QTest::newRow("Berlin, clocks back") << At("Europe/Berlin", 52.52, 13.405, {2021, 10, 31}, {}, 1);
    QTest::newRow("a change just before the last minute") << ChangeJustBeforeTheLastMinute();
    QTest::newRow("Pune, Lahiri") << At("Asia/Kolkata", 18.52, 73.8567, {1990, 10, 21}, {}, 11,
                                        Zodiac::Lahiri);
    QTest::newRow("Berlin, clocks forward, Fagan/Bradley")
        << At("Europe/Berlin", 52.52, 13.405, {2021, 3, 28}, {}, 1, Zodiac::FaganBradley);
}

void ExactReadingTest::slotSignsHoldFromTheirMinute()
{
    QFETCH(exact::Request, slot);
    const exact::Result r = exact::Compute(slot);
    QVERIFY2(r.ok(), qPrintable(r.problem));
    const places::PlaceClock clock(*slot.clock, slot.longitude);
    const qint64 start = places::WallSeconds(slot.date, exact::SlotStart(slot.slot));
    std::vector<qint64> instants;
    for (int minute = 0; minute < 120; ++minute)
        if (const places::WallTimeResolution at = clock.resolve(start + 60 * minute);
            at.kind != places::WallTimeKind::Gap)
            for (const places::WallTimeReading &reading : at.readings)
                instants.push_back(reading.utSeconds);
    std::sort(instants.begin(), instants.end());
    QList<std::pair<qint64, int>> exactly, listed;
    for (const qint64 ut : instants)
        if (const int sign =
                ToSignPosition(ComputeAngles(ut, slot.latitude, slot.longitude, slot.zodiac).angles.ic).sign;
            exactly.isEmpty() || exactly.back().second != sign)
            exactly.append({ut, sign});
    for (const exact::SlotSign &s : r.slotSigns)
        listed.append({s.reading.utSeconds, s.sign});
    QCOMPARE(listed, exactly);
}

void ExactReadingTest::aSlotThatNeverShowed()
{
    const exact::Result r =
        exact::Compute(At("Pacific/Apia", -13.83, -171.76, {2011, 12, 30}, {}, TwoToFourAm));
    QVERIFY(!r.ok());
    QVERIFY2(r.problem.startsWith(QLatin1String("No minute of this slot showed on the clocks there.")),
             qPrintable(r.problem));
}

// What cannot be read is refused with a sentence, and says whose fault it is: the request's, or the build's
// and the installed data's.
void ExactReadingTest::refusals_data()
{
    static const places::Place nowhere{u"Nowhere"_qs, {}, u"Utopia"_qs, {}, 0, 0, u"Mars/Olympus_Mons"_qs};
    exact::Request unknownZone = At("UTC", 10, 10, {2000, 1, 1}, QTime(12, 0));
    exact::UsePlace(unknownZone, nowhere);

    QTest::addColumn<exact::Request>("request");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<bool>("internal");
    QTest::newRow("a slot before the first")
        << At("UTC", 10, 10, {2000, 1, 1}, {}, -1) << "The two-hour slot must be one of the twelve." << false;
    QTest::newRow("a slot after the last")
        << At("UTC", 10, 10, {2000, 1, 1}, {}, 12) << "The two-hour slot must be one of the twelve." << false;
    QTest::newRow("a place whose zone this build does not know")
        << unknownZone << "This build does not know Mars/Olympus_Mons, the time zone of Nowhere, Utopia."
        << true;
}

void ExactReadingTest::refusals()
{
    QFETCH(exact::Request, request);
    QFETCH(QString, problem);
    QFETCH(bool, internal);
    const exact::Result r = exact::Compute(request);
    QVERIFY(!r.ok());
    QCOMPARE(r.problem, problem);
    QCOMPARE(r.internal, internal);
}

// The window reads a date as the person's region writes it, with the year whole, as well as in ISO 8601, and
// a time also on a twelve-hour clock; a two-digit year is refused, never guessed.
void ExactReadingTest::regionalDatesAndTimes_data()
{
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("read"); // ISO 8601, or the refusal's words
    QTest::newRow("Germany") << "de_DE"
                             << "12.05.1979"
                             << "1979-05-12";
    QTest::newRow("Germany, ISO") << "de_DE"
                                  << "1979-05-12"
                                  << "1979-05-12";
    QTest::newRow("Germany, one digit") << "de_DE"
                                        << "1.5.1979"
                                        << "1979-05-01";
    QTest::newRow("Germany, two-digit year") << "de_DE"
                                             << "12.05.79"
                                             << "needs all four digits: give the date as DD.MM.YYYY";
    QTest::newRow("Russia") << "ru_RU"
                            << "12.05.1979"
                            << "1979-05-12";
    QTest::newRow("Britain") << "en_GB"
                             << "12/05/1979"
                             << "1979-05-12";
    QTest::newRow("India") << "en_IN"
                           << "12/05/1979"
                           << "1979-05-12";
    QTest::newRow("United States") << "en_US"
                                   << "05/12/1979"
                                   << "1979-05-12";
    QTest::newRow("United States, no such day") << "en_US"
                                                << "31/12/1979"
                                                << "There is no such date";
    QTest::newRow("United States, the other order") << "en_US"
                                                    << "1979/05/12"
                                                    << "Give it as MM/DD/YYYY or YYYY-MM-DD";
    QTest::newRow("12 hours, evening") << "en_US"
                                       << "11:40 pm"
                                       << "23:40";
    QTest::newRow("12 hours, after midnight") << "en_US"
                                              << "12:05 AM"
                                              << "00:05";
    QTest::newRow("12 hours, not an hour of them") << "en_US"
                                                   << "13:40 pm"
                                                   << "Give it as HH:MM AM/PM";
    QTest::newRow("24 hours") << "de_DE"
                              << "23:40"
                              << "23:40";
    QTest::newRow("24 hours, one digit") << "de_DE"
                                         << "9:05"
                                         << "09:05";
    QTest::newRow("24 hours, a half of the day typed") << "de_DE"
                                                       << "9:05 pm"
                                                       << "21:05";
}

void ExactReadingTest::regionalDatesAndTimes()
{
    QFETCH(QString, region);
    QFETCH(QString, typed);
    QFETCH(QString, read);
    const QLocale locale(region);
    QString problem;
    QString got;
    if (typed.contains(u':')) {
        const std::optional<QTime> time = exact::ReadTime(typed, locale, &problem);
        got = time ? time->toString(u"HH:mm") : problem;
    } else {
        const std::optional<QDate> date = exact::ReadDate(typed, exact::DateStyle::of(locale), &problem);
        got = date ? date->toString(Qt::ISODate) : problem;
    }
    QVERIFY2(got == read || (!read.front().isDigit() && got.contains(read)), qPrintable(got));
}

// The window and the command line read degrees alike.
void ExactReadingTest::degrees_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("limit");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::newRow("decimal point") << "51.5" << 90.0 << true << 51.5;
    QTest::newRow("decimal comma") << "51,5" << 90.0 << true << 51.5;
    QTest::newRow("true minus") << "\u22120.13" << 180.0 << true << -0.13;
    QTest::newRow("the limit itself") << "-180" << 180.0 << true << -180.0;
    QTest::newRow("beyond the limit") << "90.01" << 90.0 << false << 0.0;
    QTest::newRow("trailing newline") << "51.5\n" << 90.0 << false << 0.0;
    QTest::newRow("exponent") << "5e1" << 90.0 << false << 0.0;
    QTest::newRow("not a number") << "nan" << 90.0 << false << 0.0;
    QTest::newRow("two decimal marks") << "51.5.1" << 90.0 << false << 0.0;
    QTest::newRow("a degree sign") << "51.5\u00B0" << 90.0 << false << 0.0;
}

void ExactReadingTest::degrees()
{
    QFETCH(QString, text);
    QFETCH(double, limit);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const std::optional<double> parsed = exact::ParseDegrees(text, limit);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

// Degrees written as any region writes them are read back as they were, to the places written.
void ExactReadingTest::degreesWrittenAreRead_data()
{
    QTest::addColumn<QLocale>("region");
    QTest::newRow("C, a point") << QLocale::c();
    QTest::newRow("German, a comma") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("Swedish, a true minus") << QLocale(QLocale::Swedish, QLocale::Sweden);
    QTest::newRow("Arabic, digits of its own") << QLocale(QLocale::Arabic, QLocale::Egypt);
    QTest::newRow("Persian, its own digits and minus") << QLocale(QLocale::Persian, QLocale::Iran);
}

void ExactReadingTest::degreesWrittenAreRead()
{
    QFETCH(QLocale, region);
    for (const double degrees : {-179.123456, -0.5, 0.0, 51.507222, 179.999999}) {
        const QString written = exact::FormatDegrees(degrees, 6, region);
        const std::optional<double> read = exact::ParseDegrees(written, 180);
        QVERIFY2(read && std::abs(*read - degrees) < 5e-7, qPrintable(written));
    }
}

// Both front ends find places through FindPlaces and FindNamedPlace: a name beginning with the letters as typed
// first, and every form a place list writes names its place.
void ExactReadingTest::placesFound_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("named"); // through FindNamedPlace, as --place reads it
    QTest::addColumn<QString>("place");
    QTest::addColumn<QStringList>("alike");
    const QString munich = QStringLiteral("Munich, Bavaria, Germany"),
                  illinois = QStringLiteral("Springfield, Illinois, United States");
    QTest::newRow("Mün: München before Muntivideu") << "Mün" << false << munich << QStringList();
    QTest::newRow("Mun: the larger first") << "Mun" << false << "Montevideo, Uruguay" << QStringList();
    QTest::newRow("Mün, named") << "Mün" << true << munich << QStringList();
    QTest::newRow("name and division") << "Springfield, Illinois" << true << illinois << QStringList();
    QTest::newRow("as a place list writes it")
        << "Springfield, Illinois, United States: 39°48′ N, 89°39′ W, America/Chicago" << true << illinois
        << QStringList();
    QTest::newRow("name and country") << "London, Canada" << true << "London, Ontario, Canada" << QStringList();
    QTest::newRow("a division that is not the place's") << "Springfield, Narnia" << true << "" << QStringList();
    QTest::newRow("a bare name of places of a size")
        << "Springfield" << true << "Springfield, Missouri, United States"
        << QStringList{"Springfield, Massachusetts, United States", illinois};
    QTest::newRow("a bare name, one place far larger") << "London" << true
                                                       << "London, England, United Kingdom" << QStringList();
    const QString graz = QStringLiteral("Graz, Styria, Austria");
    QTest::newRow("German name of the division") << "Graz, Steiermark" << true << graz << QStringList();
    QTest::newRow("all in German") << "Graz, Steiermark, Österreich" << true << graz << QStringList();
    QTest::newRow("languages mixed") << "Грац, Steiermark, Autriche" << true << graz << QStringList();
    QTest::newRow("a Russian name only")
        << "Бердск" << true << "Berdsk, Novosibirsk, Russia" << QStringList();
    QTest::newRow("a German name only") << "Kyiw" << true << "Kiev, Kyiv City, Ukraine" << QStringList();
    QTest::newRow("a name with a comma in German")
        << "Stolberg, Rheinland, Nordrhein-Westfalen, Deutschland" << true
        << "Stolberg, North Rhine-Westphalia, Germany" << QStringList();
    QTest::newRow("a name with a comma in English")
        << "Washington, D.C., United States" << true << "Washington, D.C., United States" << QStringList();
    QTest::newRow("a Russian place list's line")
        << "Спрингфилд, Иллинойс, США: 39°48′ с. ш., 89°39′ з. д., America/Chicago" << true << illinois
        << QStringList();
    QTest::newRow("a place list's line, the coordinates another's")
        << "Springfield, Illinois, United States: 39°48′ N, 89°38′ W, America/Chicago" << true << ""
        << QStringList();
}

// Whatever language a place list was written in, each of its lines names its place again: for every place a
// search lists and every language, "<shown name>: <where>".
void ExactReadingTest::everyLabelNamesItsPlace()
{
    const places::Gazetteer &gazetteer = places::Gazetteer::instance();
    int checked = 0;
    for (const char16_t *typed : {u"Springfield", u"San", u"Мос", u"Frankfurt", u"Stolberg", u"Washington"})
        for (const places::Place *place : exact::FindPlaces(typed))
            for (const QString &language : gazetteer.languages() + QStringList{QStringLiteral("en")}) {
                const QString label = QStringLiteral("%1: %2").arg(
                    gazetteer.shown(*place, language).text(),
                    exact::PlaceText(nullptr, place->latitude, place->longitude, place->zone));
                QVERIFY2(exact::FindNamedPlace(label).place == place, qPrintable(label));
                ++checked;
            }
    QVERIFY(checked > 200);
}

void ExactReadingTest::placesFound()
{
    QFETCH(QString, typed);
    QFETCH(bool, named);
    QFETCH(QString, place);
    QFETCH(QStringList, alike);
    QStringList found;
    if (named) {
        const exact::NamedPlace n = exact::FindNamedPlace(typed);
        found << (n.place ? n.place->displayName() : QString());
        for (const places::Place *other : n.alike)
            found << other->displayName();
    } else {
        const std::vector<const places::Place *> list = exact::FindPlaces(typed);
        QCOMPARE(int(list.size()), exact::ShownPlaceMatches);
        found << list.front()->displayName();
    }
    QCOMPARE(found, QStringList{place} + alike);
}

// Quorvis's own rule counts the nadir sign three on from the rising sign: with the exact Ascendant, that is
// the fourth house by whole signs. Against swetest's Ascendant and Imum Coeli, at latitudes from the equator
// to 66° either side, births where the two rules agree and births where they differ.
void ExactReadingTest::wholeSignNadirAgainstSwetest_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QDateTime>("ut");
    QTest::addColumn<bool>("differ");
    const auto at = [](int y, int m, int d, int h, int min) {
        return QDateTime(QDate(y, m, d), QTime(h, min), Qt::UTC);
    };
    QTest::newRow("0°") << 0.0 << 30.0 << at(1990, 3, 21, 1, 0) << false;
    QTest::newRow("10° N") << 10.0 << -75.0 << at(2001, 7, 4, 13, 0) << false;
    QTest::newRow("23°24′ N") << 23.4 << 45.0 << at(1975, 12, 21, 13, 0) << true;
    QTest::newRow("33°54′ S") << -33.9 << 151.2 << at(1988, 1, 26, 1, 0) << false;
    QTest::newRow("35° N") << 35.0 << 139.7 << at(1969, 7, 20, 7, 30) << true;
    QTest::newRow("45° N") << 45.0 << -93.0 << at(1950, 1, 15, 19, 45) << true;
    QTest::newRow("45° S") << -45.0 << 170.0 << at(2020, 2, 29, 13, 0) << true;
    QTest::newRow("51°30′ N") << 51.5 << -0.13 << at(1990, 8, 1, 13, 0) << false;
    QTest::newRow("Oslo, two signs apart") << 59.91273 << 10.74609 << at(1985, 3, 10, 4, 15) << true;
    QTest::newRow("64° N") << 64.0 << -22.0 << at(2010, 5, 5, 7, 30) << true;
    QTest::newRow("66° N") << 66.0 << 25.0 << at(1999, 9, 9, 19, 45) << true;
}

void ExactReadingTest::wholeSignNadirAgainstSwetest()
{
#ifdef Q_OS_WIN
    QSKIP("swetest is a Linux program");
#endif
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QDateTime, ut);
    QFETCH(bool, differ);
    const std::optional<std::pair<double, double>> reference = SwetestAscAndIc(ut, latitude, longitude);
    if (!reference)
        QSKIP("swetest is not installed (Debian package swetest)");
    const auto [asc, ic] = *reference;
    QVERIFY2(FromSignChange(asc) > 0.05 && FromSignChange(ic) > 0.05, "a row too near a change of sign");

    exact::Request request = At("UTC", latitude, longitude, ut.date(), ut.time());
    const exact::Result r = exact::Compute(request);
    QVERIFY2(r.ok(), qPrintable(r.problem));
    const exact::Candidate &c = r.candidates.front();
    QCOMPARE(c.wholeSignNadir, (SignOf(asc) + 3) % 12);
    QCOMPARE(c.nadirSign, SignOf(ic));
    QVERIFY(!c.wholeSignNadirUnreliable);
    QCOMPARE(c.nadirRulesDiffer(), differ);
    QVERIFY2(c.nadirSigns.contains(exact::SignName(c.wholeSignNadir)), qPrintable(c.nadirSigns));
}

// The nadir sign by both rules in one sentence: alike, different, or only the IC's beyond the polar circle.
void ExactReadingTest::nadirSignsSaid_data()
{
    QTest::addColumn<exact::Request>("request");
    QTest::addColumn<QString>("said");
    QTest::newRow("London, alike") << At("Europe/London", 51.5, -0.13, {1990, 8, 1}, QTime(10, 11, 36))
                                   << "Nadir sign: Sagittarius, by the IC and by the rising sign alike";
    QTest::newRow("Oslo, different") << At("Europe/Oslo", 59.91273, 10.74609, {1985, 3, 10}, QTime(5, 15))
                                     << "Your rising sign is Capricorn, so counted as the quick reading "
                                        "counts, your nadir sign is Aries; the "
                                        "lowest point of the sky itself, the Imum Coeli, lies in Gemini.";
    QTest::newRow("Tromsø, the rising sign unreliable")
        << At("Europe/Oslo", 69.65, 18.96, {1975, 12, 21}, QTime(0, 0))
        << "Nadir sign: Capricorn, by the Imum Coeli. Counted from the rising sign, as the quick reading "
           "counts, "
           "it would be Capricorn, but beyond the polar circle the rising sign is unreliable.";
}

void ExactReadingTest::nadirSignsSaid()
{
    QFETCH(exact::Request, request);
    QFETCH(QString, said);
    const exact::Result r = exact::Compute(request);
    QVERIFY2(r.ok(), qPrintable(r.problem));
    QCOMPARE(r.candidates.front().nadirSigns, said);
}

// Each rule's nearest change, before and after the reading, is where its sign changes: the second before it
// has the one sign, the second itself the other, and every minute between it and the reading the reading's.
// Within half an hour, a sentence says so.
void ExactReadingTest::nearestChangesOfEachRule_data()
{
    QTest::addColumn<exact::Request>("request");
    QTest::addColumn<QStringList>("said");
    QTest::newRow("London, both rules change together")
        << At("Europe/London", 51.5, -0.13, {1990, 8, 1}, QTime(10, 12))
        << QStringList{"Your nadir sign changes to Capricorn at 10:22, 10 minutes later."};
    QTest::newRow("Oslo, the rules differ")
        << At("Europe/Oslo", 59.91273, 10.74609, {1985, 3, 10}, QTime(5, 15))
        << QStringList{"By the Imum Coeli, your nadir sign was Taurus until 04:58, 17 minutes earlier."};
    QTest::newRow("Singapore, near the equator the rules change alike")
        << At("Asia/Singapore", 1.29, 103.85, {2000, 1, 1}, QTime(12, 0))
        << QStringList{"Your nadir sign changes to Cancer at 12:24, 24 minutes later."};
    QTest::newRow("Tromsø, the rising sign unreliable, a change the day before")
        << At("Europe/Oslo", 69.65, 18.96, {1975, 12, 21}, QTime(0, 0))
        << QStringList{"Your nadir sign was Sagittarius until 23:49, 11 minutes earlier."};
    QTest::newRow("Húsavík at 66°, where the rising sign runs fastest: one lasts 6 minutes")
        << At("Atlantic/Reykjavik", 66.04, -17.34, {1990, 6, 15}, QTime(1, 26))
        << QStringList{"By the Imum Coeli, your nadir sign changes to Cancer at 01:37, 11 minutes later.",
                       "Counted from the rising sign, your nadir sign changes to Taurus at 01:29, 3 minutes "
                       "later."};
    QTest::newRow("Sydney, a clock time that showed twice")
        << At("Australia/Sydney", -33.87, 151.21, {2021, 4, 4}, QTime(2, 30))
        << QStringList{"By the Imum Coeli, your nadir sign changes to Gemini at 02:58, 28 minutes later.",
                       "Counted from the rising sign, your nadir sign changes to Gemini at 02:44, 14 minutes "
                       "later."};
    QTest::newRow("Moscow, a change seconds away")
        << At("Europe/Moscow", 55.75222, 37.61556, {1985, 3, 14}, QTime(7, 45))
        << QStringList{"Counted from the rising sign, your nadir sign was Cancer until 07:44:47, 13 seconds "
                       "earlier."};
    QTest::newRow("Pune, Lahiri: a rising sign of its own")
        << At("Asia/Kolkata", 18.52, 73.8567, {1990, 10, 21}, QTime(6, 5), 0, Zodiac::Lahiri)
        << QStringList{
               "By the Imum Coeli, your nadir sign changes to Capricorn at 06:21, 16 minutes later.",
               "Counted from the rising sign, your nadir sign changes to Capricorn at 06:19, 14 minutes "
               "later."};
    QTest::newRow("Sydney, twice, Krishnamurti")
        << At("Australia/Sydney", -33.87, 151.21, {2021, 4, 4}, QTime(2, 30), 0, Zodiac::Krishnamurti)
        << QStringList{
               "Counted from the rising sign, your nadir sign was Aries until 02:15, 15 minutes earlier.",
               "By the Imum Coeli, your nadir sign changes to Taurus at 02:33, 3 minutes later."};
    // The night Berlin's clocks went back at 01:00 UT: at a longitude where the Imum Coeli leaves its sign at
    // 00:59:30 UT, its first whole minute in the new sign is 02:00 on the clocks (already CET), not 03:00.
    {
        const qint64 change = QDateTime(QDate(2021, 10, 31), QTime(0, 59, 30), Qt::UTC).toSecsSinceEpoch();
        const auto icAt = [change](double longitude) { return ComputeAngles(change, 52.5, longitude).angles.ic; };
        double west = 0, east = 25; // the IC's longitude crosses 30° steps as the longitude grows
        const double boundary = 30.0 * (std::floor(icAt(east) / 30.0));
        for (int i = 0; i < 60; ++i)
            (icAt((west + east) / 2) < boundary ? west : east) = (west + east) / 2;
        exact::Request r = At("Europe/Berlin", 52.5, east, {2021, 10, 31}, QTime(2, 45));
        QTest::newRow("Berlin, the night the clocks went back")
            << r
            << QStringList{"Counted from the rising sign, your nadir sign was Scorpio until 02:16, 29 minutes earlier.",
                           "By the Imum Coeli, your nadir sign changes to " +
                               exact::SignName(int(boundary / 30) % 12) + " at 02:00, 15 minutes later."};
    }
    QTest::newRow("New York, nothing near")
        << At("America/New_York", 40.71, -74.01, {2021, 12, 7}, QTime(18, 0)) << QStringList{};
}

void ExactReadingTest::nearestChangesOfEachRule()
{
    QFETCH(exact::Request, request);
    QFETCH(QStringList, said);
    const exact::Result r = exact::Compute(request);
    QVERIFY2(r.ok(), qPrintable(r.problem));
    const auto signs = [&request](qint64 ut) {
        const ChartAngles a = ComputeAngles(ut, request.latitude, request.longitude, request.zodiac).angles;
        return std::pair{ToSignPosition(a.ic).sign, (ToSignPosition(a.asc).sign + 3) % 12};
    };
    int found = 0;
    QStringList near;
    for (const exact::Candidate &c : r.candidates) {
        near << c.nadirChangesNear;
        for (const bool byIc : {true, false}) {
            const exact::NadirSignChanges &changes = byIc ? c.icChanges : c.wholeSignChanges;
            const auto sign = [&](qint64 ut) { return byIc ? signs(ut).first : signs(ut).second; };
            const int now = byIc ? c.nadirSign : c.wholeSignNadir;
            QCOMPARE(!changes.before && !changes.after, !byIc && c.wholeSignNadirUnreliable);
            for (const auto &change : {changes.before, changes.after}) {
                if (!change)
                    continue;
                ++found;
                const bool later = change->utSeconds > c.reading.utSeconds;
                QCOMPARE(sign(change->utSeconds - 1), later ? now : change->sign);
                QCOMPARE(sign(change->utSeconds), later ? change->sign : now);
                for (qint64 ut = c.reading.utSeconds;
                     later ? ut < change->utSeconds : ut >= change->utSeconds; ut += later ? 60 : -60)
                    QCOMPARE(sign(ut), now);
                QCOMPARE(change->reading.offsetSeconds, places::PlaceClock(*request.clock, request.longitude)
                                                            .readingAt(change->utSeconds)
                                                            .offsetSeconds);
            }
        }
    }
    QVERIFY(found >= 2);
    QCOMPARE(near, said);
}

QTEST_GUILESS_MAIN(ExactReadingTest)
#include "exact_reading_test.moc"
