// The gazetteer: the compiled-in index (GazetteerFormat.h), written sorted and folded at build time and used
// where it lies in the program's read-only data, and a prefix search over every place's names that costs one
// binary search and one pass over the matching places, whatever the number of places.
//
// The index's search keys are unique and in byte order, so the keys that start with a typed text form one
// contiguous run whose first key, when it equals the text, is the exact match; the places of consecutive keys
// are consecutive too. Places are numbered most populous first, so "by population" is "by number".
#include "GazetteerData.h"
#include "GazetteerFormat.h"
#include "Places.h"

#include <QSysInfo>
#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace quorvis::places {

namespace {

quint32 U32(const uchar *at, size_t i = 0) { return qFromLittleEndian<quint32>(at + 4 * i); }

// The first number in [lo, hi) for which `before` is false, `before` being true up to some point only.
template <typename Before> quint32 PartitionPoint(quint32 lo, quint32 hi, Before before)
{
    while (lo < hi) {
        const quint32 mid = lo + (hi - lo) / 2;
        if (before(mid))
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

} // namespace

QString Place::displayName() const
{
    QString text = name;
    if (!admin1.isEmpty() && admin1 != name)
        text += QLatin1String(", ") + admin1;
    if (!country.isEmpty())
        text += QLatin1String(", ") + country;
    return text;
}

QString ShownPlace::text() const
{
    QString text = name;
    if (!admin1.isEmpty())
        text += QLatin1String(", ") + admin1;
    if (!country.isEmpty())
        text += QLatin1String(", ") + country;
    return text;
}

struct Gazetteer::Index
{
    const uchar *data = nullptr;
    quint32 size = 0;
    const uchar *places = nullptr;
    const uchar *strings = nullptr;
    const uchar *text = nullptr;
    quint32 stringCount = 0;
    quint64 textUnits = 0;
    quint32 placeCount = 0;
    quint32 divisionCount = 0;
    quint32 countryCount = 0;
    quint32 languageCount = 0;
    const uchar *languages = nullptr;
    const uchar *shown = nullptr;
    quint32 keyCount = 0;
    const uchar *keyStarts = nullptr;
    const uchar *postings = nullptr;
    const uchar *keyPlaces = nullptr;
    const uchar *keyBytes = nullptr;

    quint32 field(format::HeaderField f) const { return U32(data, f); }

    const uchar *section(format::HeaderField at, quint64 bytes) const
    {
        const quint32 offset = field(at);
        if (offset % 8 != 0 || offset + bytes > size)
            qFatal("The compiled-in gazetteer is damaged (section %u)", unsigned(at));
        return data + offset;
    }

    // A shallow string: no copy and no allocation, the text stays where it is for the life of the program.
    QString string(quint32 number) const
    {
        if (number >= stringCount)
            qFatal("The compiled-in gazetteer is damaged (string %u)", unsigned(number));
        const quint32 first = U32(strings, 2 * size_t(number));
        const quint32 length = U32(strings, 2 * size_t(number) + 1);
        if (quint64(first) + length > textUnits)
            qFatal("The compiled-in gazetteer is damaged (text of string %u)", unsigned(number));
        if (length == 0)
            return QString();
        const uchar *units = text + 2 * size_t(first);
        if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian)
            return QString::fromRawData(reinterpret_cast<const QChar *>(units), length);
        QString copy(length, Qt::Uninitialized);
        for (quint32 i = 0; i < length; ++i)
            copy[i] = QChar(qFromLittleEndian<quint16>(units + 2 * size_t(i)));
        return copy;
    }

    const uchar *record(quint32 place) const { return places + size_t(place) * format::kPlaceRecordSize; }
    quint32 division(quint32 place) const
    {
        return qFromLittleEndian<quint16>(record(place) + format::DivisionNumber);
    }
    quint32 country(quint32 place) const
    {
        return qFromLittleEndian<quint16>(record(place) + format::CountryNumber);
    }

    // Language `l`'s entries: a place's, a division's, a country's.
    const uchar *shownOf(quint32 l) const
    {
        return shown + 4 * size_t(l) * (size_t(placeCount) + divisionCount + countryCount);
    }
    quint32 placeEntry(quint32 l, quint32 place) const { return U32(shownOf(l), place); }
    QString divisionName(quint32 l, quint32 division) const
    {
        return division < divisionCount ? string(U32(shownOf(l), size_t(placeCount) + division)) : QString();
    }
    QString countryName(quint32 l, quint32 country) const
    {
        return country < countryCount ? string(U32(shownOf(l), size_t(placeCount) + divisionCount + country))
                                      : QString();
    }

    std::string_view key(quint32 k) const
    {
        const quint32 from = U32(keyStarts, k);
        return std::string_view(reinterpret_cast<const char *>(keyBytes) + from,
                                U32(keyStarts, k + 1) - from);
    }
};

Gazetteer::Gazetteer()
{
    auto owned = std::make_unique<Index>();
    Index *index = owned.get();
    m_index = std::move(owned);
    index->data = quorvis_gazetteer_index;
    index->size = quint32(quorvis_gazetteer_index_end - quorvis_gazetteer_index);
    if (index->size < 4 * format::HeaderFieldCount || index->field(format::Magic) != format::kMagic ||
        index->field(format::Version) != format::kVersion || index->field(format::FileSize) != index->size)
        qFatal("The compiled-in gazetteer is not of this program's version");

    const quint32 placeCount = index->placeCount = index->field(format::PlaceCount);
    const quint32 stringCount = index->stringCount = index->field(format::StringCount);
    index->keyCount = index->field(format::KeyCount);
    index->divisionCount = index->field(format::DivisionCount);
    index->countryCount = index->field(format::CountryCount);
    index->languageCount = index->field(format::LanguageCount);
    const quint32 keyPlaceCount = index->field(format::KeyPlaceCount);
    const uchar *places = index->places =
        index->section(format::PlacesAt, quint64(placeCount) * format::kPlaceRecordSize);
    index->strings = index->section(format::StringsAt, quint64(stringCount) * 8);
    index->text = index->section(format::TextAt, 0);
    index->textUnits = (index->size - (index->text - index->data)) / 2;
    index->languages = index->section(format::LanguagesAt, quint64(index->languageCount) * 4);
    index->shown = index->section(format::ShownAt,
                                  quint64(index->languageCount) * 4 *
                                      (quint64(placeCount) + index->divisionCount + index->countryCount));
    index->keyStarts = index->section(format::KeyStartsAt, (quint64(index->keyCount) + 1) * 4);
    index->postings = index->section(format::PostingsAt, (quint64(index->keyCount) + 1) * 4);
    index->keyPlaces = index->section(format::KeyPlacesAt, quint64(keyPlaceCount) * 4);
    index->keyBytes = index->section(format::KeyBytesAt, U32(index->keyStarts, index->keyCount));
    if (U32(index->postings, index->keyCount) != keyPlaceCount)
        qFatal("The compiled-in gazetteer is damaged (postings)");

    const auto string = [index](quint32 number) { return index->string(number); };
    m_places.resize(placeCount);
    for (quint32 i = 0; i < placeCount; ++i) {
        const uchar *record = places + size_t(i) * format::kPlaceRecordSize;
        Place &place = m_places[i];
        place.latitude = std::bit_cast<double>(qFromLittleEndian<quint64>(record + format::Latitude));
        place.longitude = std::bit_cast<double>(qFromLittleEndian<quint64>(record + format::Longitude));
        place.population = U32(record + format::Population);
        place.name = string(U32(record + format::NameString));
        place.admin1 = string(U32(record + format::Admin1String));
        place.country = string(U32(record + format::CountryString));
        place.countryCode = string(U32(record + format::CountryCodeString));
        place.zone = string(U32(record + format::ZoneString));
    }
}

Gazetteer::~Gazetteer() = default;

const Gazetteer &Gazetteer::instance()
{
    static const Gazetteer gazetteer;
    return gazetteer;
}

QStringList Gazetteer::languages() const
{
    QStringList codes;
    for (quint32 l = 0; l < m_index->languageCount; ++l)
        codes << m_index->string(U32(m_index->languages, l));
    return codes;
}

// The number of `place` when it is one of `places`, else `places.size()` (a place made up by its user).
static quint32 NumberOf(const Place &place, const std::vector<Place> &places)
{
    const auto at = reinterpret_cast<std::uintptr_t>(&place);
    const auto first = reinterpret_cast<std::uintptr_t>(places.data());
    if (at < first || at >= first + places.size() * sizeof(Place))
        return quint32(places.size());
    return quint32((at - first) / sizeof(Place));
}

ShownPlace Gazetteer::shown(const Place &place, QStringView language) const
{
    const Index &index = *m_index;
    const quint32 number = NumberOf(place, m_places);
    quint32 l = 0;
    while (l < index.languageCount && index.string(U32(index.languages, l)) != language)
        ++l;
    if (l == index.languageCount || number == m_places.size()) {
        const bool namesake = place.admin1 == place.name;
        return {place.name, namesake ? QString() : place.admin1, place.country, QStringLiteral("en")};
    }
    const quint32 entry = index.placeEntry(l, number);
    ShownPlace shown;
    shown.language = language.toString();
    shown.name = index.string(entry & ~format::kWithoutDivision);
    if (shown.name.isEmpty())
        shown.name = place.name;
    if (!(entry & format::kWithoutDivision)) {
        shown.admin1 = index.divisionName(l, index.division(number));
        if (shown.admin1.isEmpty())
            shown.admin1 = place.admin1;
    }
    shown.country = index.countryName(l, index.country(number));
    if (shown.country.isEmpty())
        shown.country = place.country;
    return shown;
}

PlaceNames Gazetteer::names(const Place &place) const
{
    const Index &index = *m_index;
    const quint32 number = NumberOf(place, m_places);
    PlaceNames names;
    const auto add = [](QStringList &list, const QString &name) {
        if (!name.isEmpty() && !list.contains(name))
            list << name;
    };
    add(names.names, place.name);
    add(names.admin1, place.admin1);
    add(names.countries, place.country);
    for (quint32 l = 0; l < index.languageCount && number < m_places.size(); ++l) {
        add(names.names, index.string(index.placeEntry(l, number) & ~format::kWithoutDivision));
        add(names.admin1, index.divisionName(l, index.division(number)));
        add(names.countries, index.countryName(l, index.country(number)));
    }
    return names;
}

std::vector<const Place *> Gazetteer::search(QStringView text, int limit) const
{
    return find(SearchKey(text).toUtf8(), limit);
}

std::vector<const Place *> Gazetteer::searchAsWritten(QStringView text, int limit) const
{
    const QString written = WrittenKey(text);
    if (written.isEmpty() || written == SearchKey(text))
        return {};
    return find(format::kWrittenMark + written.toUtf8(), limit);
}

std::vector<const Place *> Gazetteer::find(const QByteArray &folded, int limit) const
{
    std::vector<const Place *> found;
    if (folded.isEmpty() || limit <= 0)
        return found;
    const std::string_view query(folded.constData(), size_t(folded.size()));
    const Index &index = *m_index;

    // The keys that start with the query, the exact one first when there is one.
    const quint32 first = PartitionPoint(0, index.keyCount, [&](quint32 k) { return index.key(k) < query; });
    const quint32 end = PartitionPoint(
        first, index.keyCount, [&](quint32 k) { return index.key(k).substr(0, query.size()) == query; });
    if (first == end)
        return found;

    // An exact match counts the same on any of a place's names: its places, most populous first.
    std::vector<quint32> exact;
    quint32 prefixFrom = first;
    if (index.key(first).size() == query.size()) {
        for (quint32 p = U32(index.postings, first); p < U32(index.postings, first + 1); ++p) {
            exact.push_back(U32(index.keyPlaces, p));
            if (exact.size() == size_t(limit))
                break;
        }
        prefixFrom = first + 1;
    }

    // Then the most populous of the places whose names only start with it: the smallest numbers, each once.
    const size_t wanted = size_t(limit) - exact.size();
    std::vector<quint32> best; // ascending
    if (wanted > 0) {
        best.reserve(wanted + 1);
        for (quint32 p = U32(index.postings, prefixFrom), pEnd = U32(index.postings, end); p < pEnd; ++p) {
            const quint32 place = U32(index.keyPlaces, p);
            if (best.size() == wanted && place >= best.back())
                continue;
            const auto at = std::lower_bound(best.begin(), best.end(), place);
            if ((at != best.end() && *at == place) || std::binary_search(exact.begin(), exact.end(), place))
                continue;
            best.insert(at, place);
            if (best.size() > wanted)
                best.pop_back();
        }
    }

    found.reserve(exact.size() + best.size());
    for (const quint32 place : exact)
        found.push_back(&m_places[place]);
    for (const quint32 place : best)
        found.push_back(&m_places[place]);
    return found;
}

} // namespace quorvis::places
