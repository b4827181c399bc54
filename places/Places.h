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
