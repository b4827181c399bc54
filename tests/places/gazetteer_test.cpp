// The gazetteer: what typed text finds and in which order, the search key's folding, and the zones of the
// rows.
#include "Places.h"
#include "WallTime.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QTest>
#include <QTimeZone>

using namespace quorvis::places;

namespace {

const Place *Find(const QString &name, const QString &countryCode, const QString &admin1 = {})
{
    for (const Place &place : Gazetteer::instance().places())
        if (place.name == name && place.countryCode == countryCode &&
            (admin1.isEmpty() || place.admin1 == admin1))
            return &place;
    return nullptr;
}

QStringList Names(const std::vector<const Place *> &places)
{
    QStringList names;
    for (const Place *place : places)
        names << place->displayName();
    return names;
}

} // namespace

class GazetteerTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void searchKey_data();
    void searchKey();
    void firstMatch_data();
    void firstMatch();
    void ambiguousNamesByPopulation();
    void eachPlaceOnceWithinLimit_data();
    void eachPlaceOnceWithinLimit();
    void nothingFound_data();
    void nothingFound();
    void everyZoneValid();
    void currentZones_data();
    void currentZones();
};

void GazetteerTest::searchKey_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::newRow("accents") << QStringLiteral("Saint-Étienne") << QStringLiteral("saint etienne");
    QTest::newRow("umlaut") << QStringLiteral("MÜNCHEN") << QStringLiteral("munchen");
    QTest::newRow("sharp s") << QStringLiteral("Straße") << QStringLiteral("strasse");
    QTest::newRow("stroke letters") << QStringLiteral("Łódź, Ærøskøbing")
                                    << QStringLiteral("lodz aeroskobing");
    QTest::newRow("stacked accents") << QStringLiteral("Hồ Chí Minh") << QStringLiteral("ho chi minh");
    QTest::newRow("apostrophes") << QStringLiteral("O'Higgins Ma’ale") << QStringLiteral("ohiggins maale");
    QTest::newRow("spaces") << QStringLiteral("  new   york ") << QStringLiteral("new york");
    QTest::newRow("only punctuation") << QStringLiteral(" - ") << QString();
}

void GazetteerTest::searchKey()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QCOMPARE(SearchKey(text), key);
}

void GazetteerTest::firstMatch_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("first");
    const QString munich = QStringLiteral("Munich, Bavaria, Germany");
    QTest::newRow("munchen") << QStringLiteral("munchen") << munich;
    QTest::newRow("München") << QStringLiteral("München") << munich;
    QTest::newRow("Munich") << QStringLiteral("Munich") << munich;
    QTest::newRow("cologne, an alternate name")
        << QStringLiteral("cologne") << QStringLiteral("Köln, North Rhine-Westphalia, Germany");
    QTest::newRow("koln without umlaut")
        << QStringLiteral("koln") << QStringLiteral("Köln, North Rhine-Westphalia, Germany");
    QTest::newRow("kyiv, current spelling")
        << QStringLiteral("kyiv") << QStringLiteral("Kiev, Kyiv City, Ukraine");
    QTest::newRow("division equal to the name is left out")
        << QStringLiteral("sao paulo") << QStringLiteral("São Paulo, Brazil");
    QTest::newRow("london") << QStringLiteral("london") << QStringLiteral("London, England, United Kingdom");
    QTest::newRow("londo, a prefix") << QStringLiteral("londo")
                                     << QStringLiteral("London, England, United Kingdom");
    QTest::newRow("LONDON in capitals")
        << QStringLiteral("LONDON") << QStringLiteral("London, England, United Kingdom");
    QTest::newRow("exact name before a bigger prefix match")
        << QStringLiteral("York") << QStringLiteral("York, England, United Kingdom");
    QTest::newRow("exact name before an alternate name")
        << QStringLiteral("monaco") << QStringLiteral("Monaco, Monaco");
    QTest::newRow("no division") << QStringLiteral("singapore") << QStringLiteral("Singapore, Singapore");
    QTest::newRow("hyphen typed as space")
        << QStringLiteral("saint etienne") << QStringLiteral("Saint-Étienne, Rhône-Alpes, France");
}

void GazetteerTest::firstMatch()
{
    QFETCH(QString, typed);
    QFETCH(QString, first);
    const auto found = Gazetteer::instance().search(typed);
    QVERIFY2(!found.empty(), qPrintable(typed));
    QCOMPARE(found.front()->displayName(), first);
}

void GazetteerTest::ambiguousNamesByPopulation()
{
    const QStringList names = Names(Gazetteer::instance().search(u"london", 10));
    const qsizetype ontario = names.indexOf(QStringLiteral("London, Ontario, Canada"));
    QVERIFY2(ontario > 0, qPrintable(names.join(u'|')));
    // Every exact "London" comes before the first place that only starts with it.
    const auto found = Gazetteer::instance().search(u"london", 10);
    bool prefixSeen = false;
    for (const Place *place : found) {
        const bool exact = place->name == QLatin1String("London");
        QVERIFY2(!(exact && prefixSeen), qPrintable(names.join(u'|')));
        prefixSeen = prefixSeen || !exact;
    }
}

void GazetteerTest::eachPlaceOnceWithinLimit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("count");
    QTest::newRow("one letter") << QStringLiteral("s") << 10 << 10;
    QTest::newRow("many alternate names match") << QStringLiteral("san") << 40 << 40;
    QTest::newRow("name and alternate names of one place") << QStringLiteral("munich") << 5 << 1;
    QTest::newRow("limit one") << QStringLiteral("par") << 1 << 1;
}

void GazetteerTest::eachPlaceOnceWithinLimit()
{
    QFETCH(QString, typed);
    QFETCH(int, limit);
    QFETCH(int, count);
    const auto found = Gazetteer::instance().search(typed, limit);
    QCOMPARE(int(found.size()), count);
    QCOMPARE(QSet<const Place *>(found.begin(), found.end()).size(), found.size());
    // After the exact matches, most populous first.
    for (size_t i = 1; i < found.size(); ++i)
        if (SearchKey(found[i - 1]->name) != SearchKey(typed))
            QVERIFY(found[i - 1]->population >= found[i]->population);
}

void GazetteerTest::nothingFound_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << QString();
    QTest::newRow("spaces") << QStringLiteral("   ");
    QTest::newRow("no such place") << QStringLiteral("qqxzz");
}

void GazetteerTest::nothingFound()
{
    QFETCH(QString, typed);
    QVERIFY(Gazetteer::instance().search(typed).empty());
}

void GazetteerTest::everyZoneValid()
{
    const auto &places = Gazetteer::instance().places();
    QCOMPARE(places.size(), size_t(23461));
    // Qt lists the zones of tzdata's zone.tab, current names only: "Europe/Kyiv", not the link "Europe/Kiev".
    // On Windows it lists Windows' own zones, so there the zone.tab shipped beside the program is read.
#ifdef Q_OS_WIN
    QList<QByteArray> current;
    QFile tab(QCoreApplication::applicationDirPath() + QLatin1String("/zoneinfo/zone.tab"));
    QVERIFY(tab.open(QIODevice::ReadOnly));
    while (!tab.atEnd())
        if (const QList<QByteArray> fields = tab.readLine().trimmed().split('\t'); fields.size() >= 3)
            if (!fields[0].startsWith('#'))
                current << fields[2];
#else
    const QList<QByteArray> current = QTimeZone::availableTimeZoneIds();
#endif
    QSet<QString> checked;
    for (const Place &place : places) {
        QVERIFY2(!place.country.isEmpty(), qPrintable(place.name));
        if (checked.contains(place.zone))
            continue;
        QVERIFY2(IsZoneName(place.zone), qPrintable(place.name + u' ' + place.zone));
        QVERIFY2(current.contains(place.zone.toUtf8()), qPrintable(place.name + u' ' + place.zone));
        checked.insert(place.zone);
    }
}

void GazetteerTest::currentZones_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("countryCode");
    QTest::addColumn<QString>("admin1");
    QTest::addColumn<QString>("zone");
    auto row = [](const char *tag, const char *name, const char *cc, const char *admin1, const char *zone) {
        QTest::newRow(tag) << QString::fromUtf8(name) << QString::fromLatin1(cc) << QString::fromUtf8(admin1)
                           << QString::fromLatin1(zone);
    };
    row("renamed: Kyiv", "Kiev", "UA", "", "Europe/Kyiv");
    row("renamed: Zaporizhzhia", "Zaporizhzhya", "UA", "", "Europe/Kyiv");
    row("renamed: Yangon", "Yangon", "MM", "", "Asia/Yangon");
    row("split: Saratov", "Saratov", "RU", "", "Europe/Saratov");
    row("split: elsewhere in Saratov oblast", "Balakovo", "RU", "", "Europe/Saratov");
    row("split: Ulyanovsk", "Ulyanovsk", "RU", "", "Europe/Ulyanovsk");
    row("split: Astrakhan", "Astrakhan’", "RU", "", "Europe/Astrakhan");
    row("split: Kirov in Kirov oblast", "Kirov", "RU", "Kirov", "Europe/Kirov");
    row("not split: Kirov in Kaluga oblast", "Kirov", "RU", "Kaluga", "Europe/Moscow");
    row("split: Tomsk", "Tomsk", "RU", "", "Asia/Tomsk");
    row("split: Barnaul", "Barnaul", "RU", "", "Asia/Barnaul");
    row("split: Altai Republic", "Gorno-Altaysk", "RU", "", "Asia/Barnaul");
    row("split: Chita", "Chita", "RU", "", "Asia/Chita");
    row("split: Punta Arenas", "Punta Arenas", "CL", "", "America/Punta_Arenas");
    row("split: Coyhaique", "Coihaique", "CL", "", "America/Coyhaique");
    row("split: Atyrau", "Atyrau", "KZ", "", "Asia/Atyrau");
    row("split: Qostanay", "Kostanay", "KZ", "", "Asia/Qostanay");
    row("split: Famagusta", "Famagusta", "CY", "", "Asia/Famagusta");
    row("split: Kyrenia", "Kyrenia", "CY", "", "Asia/Famagusta");
    row("not split: Protaras, south of the line", "Protaras", "CY", "", "Asia/Nicosia");
    row("split: Ciudad Juárez", "Ciudad Juárez", "MX", "", "America/Ciudad_Juarez");
    row("not split: Chihuahua city", "Chihuahua", "MX", "", "America/Chihuahua");
    row("not split: Volgograd", "Volgograd", "RU", "", "Europe/Volgograd");
}

void GazetteerTest::currentZones()
{
    QFETCH(QString, name);
    QFETCH(QString, countryCode);
    QFETCH(QString, admin1);
    QFETCH(QString, zone);
    const Place *place = Find(name, countryCode, admin1);
    QVERIFY2(place, qPrintable(name));
    QCOMPARE(place->zone, zone);
}

QTEST_GUILESS_MAIN(GazetteerTest)
#include "gazetteer_test.moc"
