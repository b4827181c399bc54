// Places of the world: the compiled-in gazetteer (GeoNames cities of 15,000 people or more) with its search.
// Their clocks are in WallTime.h.
//
//   typed text --Gazetteer::search--> places (name, division, country, coordinates, tz database zone)
//
// Qt Core only. The gazetteer is loaded on first use, never at start-up.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

namespace quorvis::places {

// The fewest people a place in the gazetteer has (GeoNames's cities15000).
inline constexpr int LeastPopulation = 15000;

struct Place
{
    QString name;         // "London"
    QString admin1;       // name of the first-level division: "England"; may be empty
    QString country;      // "United Kingdom"
    QString countryCode;  // "GB"
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    QString zone;         // current IANA name, a zone of the tz database: "Europe/London", "Europe/Kyiv"
    qint64 population = 0;

    // "London, England, United Kingdom"; the division is left out when empty or equal to the name.
    QString displayName() const;
};

// A place as a reader of one language is shown it (Gazetteer::shown).
struct ShownPlace
{
    QString name;     // "München"
    QString admin1;   // "Bayern"; empty when left out
    QString country;  // "Deutschland"
    QString language; // whose names these are: "de", "pt_BR"; "en" for GeoNames's own
    // "München, Bayern, Deutschland"
    QString text() const;
};

// Every name of a place, its division and its country: GeoNames's first, then each language's, each once.
struct PlaceNames
{
    QStringList names;
    QStringList admin1;
    QStringList countries;
};

class Gazetteer
{
public:
    // The one gazetteer, set up over the compiled-in index on the first call (thread-safe); its places and
    // their strings live as long as the program.
    static const Gazetteer &instance();

    // Case- and accent-insensitive prefix search over names and alternate names, in any script: the places
    // with a name equal to the text (their own or an alternate one, alike) by population, then those with a
    // name that starts with it, by population. At most `limit` places, each once.
    std::vector<const Place *> search(QStringView text, int limit = 10) const;
    // The same search over names as written (WrittenKey): the places with a name that begins with the text in
    // its own letters, accents included. Nothing when the text holds no letter the fold changes, since then
    // search() finds the same.
    std::vector<const Place *> searchAsWritten(QStringView text, int limit = 10) const;

    const std::vector<Place> &places() const { return m_places; }

    // The languages the gazetteer has names in besides GeoNames's own: "de", "es", ... "pt_BR", "ru".
    QStringList languages() const;
    // `place` (one of places()) as a reader of `language` is shown it: the names of the place, its division
    // and its country in that language where GeoNames has them, else GeoNames's own; the division is left out
    // where it is the place itself, and in a language of another script where it has no name in it and is
    // not needed to tell places of one name apart. A language the gazetteer has no names in ("en") reads
    // GeoNames's names as displayName() gives them.
    ShownPlace shown(const Place &place, QStringView language) const;
    // The names of `place` in GeoNames and in every language, for reading a place named in any of them.
    PlaceNames names(const Place &place) const;

    Gazetteer(const Gazetteer &) = delete;
    Gazetteer &operator=(const Gazetteer &) = delete;
    ~Gazetteer();

private:
    Gazetteer();
    std::vector<const Place *> find(const QByteArray &key, int limit) const;
    std::vector<Place> m_places;
    // search index: implementation's own
    struct Index;
    std::unique_ptr<const Index> m_index;
};

// The search key of a text, the one fold of both the gazetteer's names (at build time) and what is typed:
// compatibility forms made plain and case folded (Unicode), accents and apostrophes dropped, a few letters
// spelled out ("ß" -> "ss", "ł" -> "l"), anything neither letter nor digit a break between words, breaks
// as one space ("Saint-Étienne" -> "saint etienne", "İstanbul" -> "istanbul").
QString SearchKey(QStringView text);
// The same fold with the letters kept as written: accents and letters such as "ß" stay ("München" ->
// "münchen"), so that what a person typed with them can be told from what only the fold makes equal.
QString WrittenKey(QStringView text);

} // namespace quorvis::places
