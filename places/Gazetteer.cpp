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

struct Gazetteer::Index
{
    const uchar *data = nullptr;
    quint32 size = 0;
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

    const quint32 placeCount = index->field(format::PlaceCount);
    const quint32 stringCount = index->field(format::StringCount);
    index->keyCount = index->field(format::KeyCount);
    const quint32 keyPlaceCount = index->field(format::KeyPlaceCount);
    const uchar *places = index->section(format::PlacesAt, quint64(placeCount) * format::kPlaceRecordSize);
    const uchar *strings = index->section(format::StringsAt, quint64(stringCount) * 8);
    const uchar *text = index->section(format::TextAt, 0);
    const quint64 textUnits = (index->size - (text - index->data)) / 2;
    index->keyStarts = index->section(format::KeyStartsAt, (quint64(index->keyCount) + 1) * 4);
    index->postings = index->section(format::PostingsAt, (quint64(index->keyCount) + 1) * 4);
    index->keyPlaces = index->section(format::KeyPlacesAt, quint64(keyPlaceCount) * 4);
    index->keyBytes = index->section(format::KeyBytesAt, U32(index->keyStarts, index->keyCount));
    if (U32(index->postings, index->keyCount) != keyPlaceCount)
        qFatal("The compiled-in gazetteer is damaged (postings)");

    // Shallow strings: no copy and no allocation, the text stays where it is for the life of the program.
    const auto string = [&](quint32 number) {
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
    };
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
