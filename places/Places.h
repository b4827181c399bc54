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
    // The one gazetteer, decoded from the compiled-in resource on the first call (thread-safe).
    static const Gazetteer &instance();

    // Case- and accent-insensitive prefix search over names and alternate names: exact matches first, then
    // by population. At most `limit` places, each once.
    std::vector<const Place *> search(QStringView text, int limit = 10) const;

    const std::vector<Place> &places() const { return m_places; }

    Gazetteer(const Gazetteer &) = delete;
    Gazetteer &operator=(const Gazetteer &) = delete;
    ~Gazetteer();

private:
    Gazetteer();
    std::vector<Place> m_places;
    // search index: implementation's own
    struct Index;
    const Index *m_index = nullptr;
};

// The search key of a text: lower case, accents and apostrophes dropped, hyphens and dots as spaces, runs of
// spaces as one ("Saint-Étienne" -> "saint etienne").
QString SearchKey(QStringView text);

} // namespace quorvis::places
