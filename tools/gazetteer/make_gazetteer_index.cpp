// Build-time tool: turns the committed gazetteer (places/data/*.tsv, written by make_gazetteer.py) into the
// index the program uses as it is (places/GazetteerFormat.h), with every name folded by the program's own
// SearchKey. Built for the target and, when cross-building, run through the build's emulator: its output must
// not depend on the platform, so every number is written byte by byte, little-endian.
//
//   make_gazetteer_index DATA_FOLDER OUTPUT_FILE
#include "GazetteerFormat.h"
#include "Places.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QList>
#include <QString>
#include <QtEndian>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

using namespace quorvis::places;

namespace {

[[noreturn]] void Fail(const QString &message)
{
    std::fprintf(stderr, "make_gazetteer_index: %s\n", qPrintable(message));
    std::exit(1);
}

QList<QStringList> ReadTsv(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("cannot read %1").arg(path));
    QList<QStringList> rows;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (!line.isEmpty())
            rows.append(QString::fromUtf8(line).split(u'\t'));
    return rows;
}

class Writer
{
public:
    void u32(quint32 value)
    {
        char bytes[4];
        qToLittleEndian(value, bytes);
        m_data.append(bytes, 4);
    }
    void f64(double value)
    {
        quint64 bits = 0;
        static_assert(sizeof bits == sizeof value);
        std::memcpy(&bits, &value, sizeof bits);
        char bytes[8];
        qToLittleEndian(bits, bytes);
        m_data.append(bytes, 8);
    }
    void u16(quint16 value)
    {
        char bytes[2];
        qToLittleEndian(quint16(value), bytes);
        m_data.append(bytes, 2);
    }
    void bytes(const std::string &text) { m_data.append(text.data(), qsizetype(text.size())); }
    // Pads to the next section boundary and returns where that section starts.
    quint32 section()
    {
        m_data.append(QByteArray(qsizetype(format::Aligned(quint32(m_data.size())) - m_data.size()), '\0'));
        return quint32(m_data.size());
    }
    void patch(quint32 field, quint32 value) { qToLittleEndian(value, m_data.data() + 4 * field); }
    quint32 size() const { return quint32(m_data.size()); }
    const QByteArray &data() const { return m_data; }

private:
    QByteArray m_data;
};

// Strings shared by many places (countries, divisions, zones) are kept once.
class Strings
{
public:
    Strings() { add(QString()); }
    quint32 add(const QString &text)
    {
        const auto found = m_numbers.constFind(text);
        if (found != m_numbers.constEnd())
            return *found;
        const auto number = quint32(m_list.size());
        m_numbers.insert(text, number);
        m_list.append(text);
        return number;
    }
    const QList<QString> &list() const { return m_list; }

private:
    QHash<QString, quint32> m_numbers;
    QList<QString> m_list;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        Fail(QStringLiteral("usage: make_gazetteer_index DATA_FOLDER OUTPUT_FILE"));
    const QString folder = QString::fromLocal8Bit(argv[1]) + u'/';

    // Divisions and countries are numbered by their lines, for their names in `shown`.
    QHash<QString, QString> countries, divisions;
    QHash<QString, quint32> countryNumbers, divisionNumbers;
    for (const QStringList &row : ReadTsv(folder + QStringLiteral("countries.tsv"))) {
        countryNumbers.insert(row.value(0), quint32(countries.size()));
        countries.insert(row.value(0), row.value(1));
    }
    for (const QStringList &row : ReadTsv(folder + QStringLiteral("divisions.tsv"))) {
        divisionNumbers.insert(row.value(0), quint32(divisions.size()));
        divisions.insert(row.value(0), row.value(1));
    }
    if (countries.size() >= format::kNone || divisions.size() >= format::kNone)
        Fail(QStringLiteral("more divisions or countries than a place record can number"));
    QStringList zones;
    for (const QStringList &row : ReadTsv(folder + QStringLiteral("zones.tsv")))
        zones.append(row.value(0));

    // Columns of places.tsv: name, alternate names, latitude, longitude, country code, division code, zone
    // (line of zones.tsv), population.
    const QList<QStringList> rows = ReadTsv(folder + QStringLiteral("places.tsv"));

    // Columns of shown.tsv: language, key (a place's line of places.tsv, "CC.NN" or "CC"), name (empty:
    // GeoNames's own), "-" where the place goes without its division. Languages in order of first mention.
    QStringList languages;
    struct Shown
    {
        QStringList places;
        std::vector<bool> withoutDivision;
        QStringList divisions, countries;
    };
    std::vector<Shown> shown;
    for (const QStringList &row : ReadTsv(folder + QStringLiteral("shown.tsv"))) {
        if (row.size() != 4)
            Fail(QStringLiteral("shown.tsv has a line of %1 fields, not 4").arg(row.size()));
        if (!languages.contains(row[0])) {
            languages.append(row[0]);
            shown.push_back({QList<QString>(rows.size()), std::vector<bool>(size_t(rows.size())),
                             QList<QString>(divisions.size()), QList<QString>(countries.size())});
        }
        Shown &names = shown[size_t(languages.indexOf(row[0]))];
        const QString &key = row[1];
        bool isPlace = false;
        const qsizetype place = key.toLongLong(&isPlace);
        if (isPlace && place >= 0 && place < rows.size()) {
            names.places[place] = row[2];
            names.withoutDivision[size_t(place)] = row[3] == u'-';
        } else if (divisionNumbers.contains(key)) {
            names.divisions[divisionNumbers.value(key)] = row[2];
        } else if (countryNumbers.contains(key)) {
            names.countries[countryNumbers.value(key)] = row[2];
        } else {
            Fail(QStringLiteral("shown.tsv names %1, which is no place, division or country").arg(key));
        }
    }

    Strings strings;
    std::vector<quint32> placeStrings; // five a place
    std::map<std::string, std::vector<quint32>> keys;
    Writer places;
    for (qsizetype number = 0; number < rows.size(); ++number) {
        const QStringList &row = rows[number];
        if (row.size() != 8)
            Fail(QStringLiteral("places.tsv line %1 has %2 fields, not 8").arg(number + 1).arg(row.size()));
        bool ok[4];
        const double latitude = row[2].toDouble(&ok[0]);
        const double longitude = row[3].toDouble(&ok[1]);
        const qsizetype zone = row[6].toLongLong(&ok[2]);
        const qint64 population = row[7].toLongLong(&ok[3]);
        if (!(ok[0] && ok[1] && ok[2] && ok[3]) || zone < 0 || zone >= zones.size() || population < 0 ||
            population > 0xFFFFFFFFLL)
            Fail(QStringLiteral("places.tsv line %1 is malformed").arg(number + 1));
        const QString &code = row[4];
        const bool known = countries.contains(code);
        places.f64(latitude);
        places.f64(longitude);
        places.u32(quint32(population));
        places.u32(strings.add(row[0]));
        places.u32(strings.add(divisions.value(code + u'.' + row[5])));
        places.u32(strings.add(known ? countries.value(code) : QString()));
        places.u32(strings.add(known ? code : QString()));
        places.u32(strings.add(zones[zone]));
        const QString division = code + u'.' + row[5];
        places.u16(quint16(divisionNumbers.value(division, format::kNone)));
        places.u16(quint16(countryNumbers.value(code, format::kNone)));

        // Every name the place bears is a key to it: GeoNames's, the alternate ones, and those it is shown
        // by.
        QStringList names{row[0]};
        if (!row[1].isEmpty())
            names += row[1].split(u',');
        for (const Shown &language : shown)
            if (!language.places[number].isEmpty())
                names += language.places[number];
        const auto bear = [&](const std::string &key) {
            std::vector<quint32> &bearers = keys[key];
            if (bearers.empty() || bearers.back() != quint32(number)) // places come in order: each once
                bearers.push_back(quint32(number));
        };
        for (const QString &name : names) {
            const QString key = SearchKey(name);
            if (key.isEmpty())
                continue;
            bear(key.toStdString());
            if (const QString written = WrittenKey(name); written != key)
                bear(format::kWrittenMark + written.toStdString());
        }
    }

    Writer out;
    for (quint32 i = 0; i < format::HeaderFieldCount; ++i)
        out.u32(0);
    out.patch(format::Magic, format::kMagic);
    out.patch(format::Version, format::kVersion);
    out.patch(format::PlaceCount, quint32(rows.size()));
    out.patch(format::KeyCount, quint32(keys.size()));
    out.patch(format::LanguageCount, quint32(languages.size()));
    out.patch(format::DivisionCount, quint32(divisions.size()));
    out.patch(format::CountryCount, quint32(countries.size()));

    out.patch(format::PlacesAt, out.section());
    out.bytes(places.data().toStdString());

    out.patch(format::LanguagesAt, out.section());
    for (const QString &language : languages)
        out.u32(strings.add(language));
    out.patch(format::ShownAt, out.section());
    for (const Shown &language : shown) {
        for (qsizetype place = 0; place < rows.size(); ++place)
            out.u32(strings.add(language.places[place]) |
                    (language.withoutDivision[size_t(place)] ? format::kWithoutDivision : 0u));
        for (const QString &name : language.divisions)
            out.u32(strings.add(name));
        for (const QString &name : language.countries)
            out.u32(strings.add(name));
    }

    out.patch(format::StringCount, quint32(strings.list().size()));
    out.patch(format::StringsAt, out.section());
    quint32 unit = 0;
    for (const QString &text : strings.list()) {
        out.u32(unit);
        out.u32(quint32(text.size()));
        unit += quint32(text.size());
    }
    out.patch(format::TextAt, out.section());
    for (const QString &text : strings.list())
        for (const QChar c : text)
            out.u16(quint16(c.unicode()));

    out.patch(format::KeyStartsAt, out.section());
    quint32 at = 0;
    for (const auto &[key, bearers] : keys) {
        out.u32(at);
        at += quint32(key.size());
    }
    out.u32(at);
    out.patch(format::PostingsAt, out.section());
    quint32 posting = 0;
    for (const auto &[key, bearers] : keys) {
        out.u32(posting);
        posting += quint32(bearers.size());
    }
    out.u32(posting);
    out.patch(format::KeyPlaceCount, posting);
    out.patch(format::KeyPlacesAt, out.section());
    for (const auto &[key, bearers] : keys)
        for (const quint32 place : bearers)
            out.u32(place);
    out.patch(format::KeyBytesAt, out.section());
    for (const auto &[key, bearers] : keys)
        out.bytes(key);
    out.section();
    out.patch(format::FileSize, out.size());

    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out.data()) != out.data().size())
        Fail(QStringLiteral("cannot write %1").arg(file.fileName()));
    return 0;
}
