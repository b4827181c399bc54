// The gazetteer: the compiled-in GeoNames places (places/data/, a compressed resource) decoded on first use,
// and a prefix search over their names and alternate names that costs one binary search and one pass over the
// matching keys, whatever the number of places.
//
// Every name and alternate name becomes a search key (SearchKey), kept in one flat buffer; the entries
// pointing into it are sorted by key, so the keys that start with a typed text form one contiguous range,
// whose first entries are the exact matches. Places are stored most populous first, so "by population" is "by
// index".
#include "Places.h"

#include <QByteArray>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

namespace quorvis::places {

namespace {

// One character's part of a search key: up to two UTF-16 units ("ß" -> "ss"), nothing (accents, apostrophes),
// or a word break.
struct Folded
{
    char16_t units[2] = {0, 0};
    quint8 size = 0;
    bool separator = false;
};

Folded FoldSlowly(char32_t c)
{
    Folded f;
    auto put = [&f](char16_t a, char16_t b = 0) {
        f.units[0] = a;
        f.units[1] = b;
        f.size = b ? 2 : 1;
        return f;
    };
    if (c < 0x80) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            return put(char16_t(c));
        if (c >= 'A' && c <= 'Z')
            return put(char16_t(c - 'A' + 'a'));
        if (c == '\'' || c == '"' || c == '`')
            return f;
        f.separator = true;
        return f;
    }
    char32_t lower = QChar::toLower(c);
    switch (lower) {
    case U'ß':
        return put(u's', u's');
    case U'æ':
        return put(u'a', u'e');
    case U'œ':
        return put(u'o', u'e');
    case U'ø':
        return put(u'o');
    case U'ł':
        return put(u'l');
    case U'đ':
    case U'ð':
        return put(u'd');
    case U'þ':
        return put(u't', u'h');
    case U'ı':
        return put(u'i');
    case U'\u2019': // ’
    case U'\u02BB': // ʻ
    case U'\u02BC': // ʼ
    case U'\u00B4': // ´
        return f;
    default:
        break;
    }
    const QChar::Category category = QChar::category(lower);
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
        category == QChar::Mark_SpacingCombining)
        return f;
    if (QChar::isSpace(lower) || QChar::isPunct(lower)) {
        f.separator = true;
        return f;
    }
    // The base letter of a canonical decomposition ("é" = "e" + acute), all the way down ("ễ" -> "ê" -> "e").
    while (QChar::decompositionTag(lower) == QChar::Canonical) {
        const QString parts = QChar::decomposition(lower);
        if (parts.isEmpty())
            break;
        const char32_t first = parts.at(0).isHighSurrogate() && parts.size() > 1
                                   ? QChar::surrogateToUcs4(parts.at(0), parts.at(1))
                                   : parts.at(0).unicode();
        if (first == lower)
            break;
        lower = first;
    }
    if (lower > 0xFFFF)
        return put(QChar::highSurrogate(lower), QChar::lowSurrogate(lower));
    return put(char16_t(lower));
}

// Latin letters, nearly all of the gazetteer's text, from a table made once.
constexpr char32_t kTabled = 0x250;

const Folded *FoldTable()
{
    static const std::vector<Folded> table = [] {
        std::vector<Folded> t(kTabled);
        for (char32_t c = 0; c < kTabled; ++c)
            t[c] = FoldSlowly(c);
        return t;
    }();
    return table.data();
}

// The next code point of valid UTF-8 text.
char32_t NextCodePoint(std::string_view text, size_t &i)
{
    const auto byte = [&](size_t k) { return char32_t(static_cast<unsigned char>(text[k])); };
    const char32_t lead = byte(i);
    int more = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    if (i + size_t(more) >= text.size() + (more ? 0 : 1)) {
        i = text.size();
        return 0xFFFD;
    }
    char32_t c = more == 0 ? lead : more == 1 ? lead & 0x1F : more == 2 ? lead & 0x0F : lead & 0x07;
    for (++i; more > 0; --more, ++i)
        c = c << 6 | (byte(i) & 0x3F);
    return c;
}

// Appends SearchKey(text) for UTF-8 text.
void AppendKeyUtf8(std::string_view text, std::u16string &out)
{
    const Folded *table = FoldTable();
    const size_t from = out.size();
    bool space = false;
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80 && table[byte].size == 1 && !space) { // most characters: plain letters within a word
            out.push_back(table[byte].units[0]);
            ++i;
            continue;
        }
        const char32_t c = NextCodePoint(text, i);
        const Folded f = c < kTabled ? table[c] : FoldSlowly(c);
        if (f.separator) {
            space = out.size() > from;
        } else if (f.size > 0) {
            if (space)
                out.push_back(u' ');
            space = false;
            out.append(f.units, f.size);
        }
    }
}

std::string_view NextField(std::string_view &line)
{
    const size_t tab = line.find('\t');
    const std::string_view field = line.substr(0, tab);
    line = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
    return field;
}

QByteArray ReadResource(const char *path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("The compiled-in gazetteer resource %s is missing", path);
    return file.readAll();
}

// Calls `row(line)` for each line of a tab-separated resource.
template <typename Row> void ForEachLine(const QByteArray &data, Row row)
{
    std::string_view rest(data.constData(), size_t(data.size()));
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!line.empty())
            row(line);
    }
}

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

template <typename Number> Number ToNumber(std::string_view text)
{
    Number value{};
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

QString SearchKey(QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    std::u16string key;
    AppendKeyUtf8(std::string_view(utf8.constData(), size_t(utf8.size())), key);
    return QString::fromStdU16String(key);
}

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
    struct Entry
    {
        quint64 head;        // the key's first four UTF-16 units, for a cheap first comparison
        quint32 offset : 24; // into `keys`
        quint32 length : 8;
        quint32 place : 31;
        quint32 alternate : 1;
    };
    std::u16string keys;
    std::vector<Entry> entries;

    std::u16string_view key(const Entry &e) const
    {
        return std::u16string_view(keys).substr(e.offset, e.length);
    }

    void add(size_t offset, quint32 place, bool alternate)
    {
        const size_t length = std::min<size_t>(keys.size() - offset, 255);
        if (length == 0 || offset >= (1u << 24))
            return;
        quint64 head = 0;
        for (size_t i = 0; i < 4; ++i)
            head = head << 16 | (i < length ? keys[offset + i] : 0);
        entries.push_back({head, quint32(offset), quint32(length), place, alternate});
    }

    // By key, then by place. A radix sort on the first four units, then the few runs that share them.
    void sort()
    {
        std::vector<Entry> buffer(entries.size());
        std::vector<quint32> counts(1 << 16);
        for (int shift = 0; shift < 64; shift += 16) {
            std::fill(counts.begin(), counts.end(), 0);
            for (const Entry &e : entries)
                ++counts[(e.head >> shift) & 0xFFFF];
            quint32 total = 0;
            for (quint32 &count : counts)
                total += std::exchange(count, total);
            for (const Entry &e : entries)
                buffer[counts[(e.head >> shift) & 0xFFFF]++] = e;
            entries.swap(buffer);
        }
        for (auto run = entries.begin(); run != entries.end();) {
            const auto runEnd =
                std::find_if(run, entries.end(), [&](const Entry &e) { return e.head != run->head; });
            if (runEnd - run > 1)
                std::sort(run, runEnd, [this](const Entry &a, const Entry &b) {
                    const int order = key(a).compare(key(b));
                    return order != 0 ? order < 0 : a.place < b.place;
                });
            run = runEnd;
        }
    }
};

Gazetteer::Gazetteer()
{
    auto *index = new Index;
    m_index = index;

    // Country code -> (code, name), shared by all the country's places.
    QHash<QByteArray, std::pair<QString, QString>> countries;
    ForEachLine(ReadResource(":/places/countries.tsv"), [&](std::string_view line) {
        const std::string_view code = NextField(line);
        countries.insert(QByteArray(code.data(), qsizetype(code.size())),
                         {ToQString(code), ToQString(NextField(line))});
    });
    QHash<QByteArray, QString> divisions;
    ForEachLine(ReadResource(":/places/divisions.tsv"), [&](std::string_view line) {
        const std::string_view code = NextField(line);
        divisions.insert(QByteArray(code.data(), qsizetype(code.size())), ToQString(NextField(line)));
    });
    std::vector<QString> zones;
    ForEachLine(ReadResource(":/places/zones.tsv"),
                [&](std::string_view line) { zones.push_back(ToQString(line)); });

    const QByteArray data = ReadResource(":/places/places.tsv");
    m_places.reserve(size_t(data.size() / 40));
    index->keys.reserve(size_t(data.size()));
    index->entries.reserve(size_t(data.size() / 10));
    ForEachLine(data, [&](std::string_view line) {
        const auto number = quint32(m_places.size());
        Place place;
        const std::string_view name = NextField(line);
        std::string_view alternates = NextField(line);
        place.name = ToQString(name);
        place.latitude = ToNumber<double>(NextField(line));
        place.longitude = ToNumber<double>(NextField(line));
        const std::string_view countryCode = NextField(line);
        const auto country =
            countries.constFind(QByteArray::fromRawData(countryCode.data(), qsizetype(countryCode.size())));
        if (country != countries.constEnd())
            std::tie(place.countryCode, place.country) = *country;
        const std::string_view division = NextField(line);
        char code[32];
        if (countryCode.size() + 1 + division.size() <= sizeof code) {
            const auto end = std::copy(division.begin(), division.end(),
                                       std::copy(countryCode.begin(), countryCode.end(), code) + 1);
            code[countryCode.size()] = '.';
            place.admin1 = divisions.value(QByteArray::fromRawData(code, qsizetype(end - code)));
        }
        const auto zone = ToNumber<size_t>(NextField(line));
        if (zone < zones.size())
            place.zone = zones[zone];
        place.population = ToNumber<qint64>(NextField(line));
        m_places.push_back(std::move(place));

        size_t offset = index->keys.size();
        AppendKeyUtf8(name, index->keys);
        index->add(offset, number, false);
        while (!alternates.empty()) {
            const size_t comma = alternates.find(',');
            offset = index->keys.size();
            AppendKeyUtf8(alternates.substr(0, comma), index->keys);
            index->add(offset, number, true);
            alternates = comma == std::string_view::npos ? std::string_view() : alternates.substr(comma + 1);
        }
    });
    index->sort();
}

Gazetteer::~Gazetteer() { delete m_index; }

const Gazetteer &Gazetteer::instance()
{
    static const Gazetteer gazetteer;
    return gazetteer;
}

std::vector<const Place *> Gazetteer::search(QStringView text, int limit) const
{
    std::vector<const Place *> found;
    const QString folded = SearchKey(text);
    if (folded.isEmpty() || limit <= 0)
        return found;
    const std::u16string_view query(reinterpret_cast<const char16_t *>(folded.utf16()),
                                    size_t(folded.size()));
    const Index &index = *m_index;

    const auto first =
        std::lower_bound(index.entries.begin(), index.entries.end(), query,
                         [&](const Index::Entry &e, std::u16string_view q) { return index.key(e) < q; });
    const auto end = std::partition_point(first, index.entries.end(), [&](const Index::Entry &e) {
        return index.key(e).substr(0, query.size()) == query;
    });
    const auto exactEnd =
        std::partition_point(first, end, [&](const Index::Entry &e) { return e.length == query.size(); });

    // Exact matches: on a place's own name before an alternate name, then by population.
    std::vector<std::pair<bool, quint32>> exact;
    for (auto e = first; e != exactEnd; ++e)
        exact.emplace_back(e->alternate, e->place);
    std::sort(exact.begin(), exact.end());
    std::vector<quint32> chosen;
    for (const auto &[alternate, place] : exact) {
        if (std::find(chosen.begin(), chosen.end(), place) == chosen.end())
            chosen.push_back(place);
        if (chosen.size() == size_t(limit))
            break;
    }

    // Then the most populous of the other prefix matches: the smallest place numbers, each once.
    const size_t wanted = size_t(limit) - chosen.size();
    std::vector<quint32> best; // ascending
    for (auto e = exactEnd; e != end && wanted > 0; ++e) {
        const quint32 place = e->place;
        if (best.size() == wanted && place >= best.back())
            continue;
        const auto at = std::lower_bound(best.begin(), best.end(), place);
        if (at != best.end() && *at == place)
            continue;
        if (std::find(chosen.begin(), chosen.end(), place) != chosen.end())
            continue;
        best.insert(at, place);
        if (best.size() > wanted)
            best.pop_back();
    }
    chosen.insert(chosen.end(), best.begin(), best.end());

    found.reserve(chosen.size());
    for (quint32 place : chosen)
        found.push_back(&m_places[place]);
    return found;
}

} // namespace quorvis::places
