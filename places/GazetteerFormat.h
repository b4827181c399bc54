// The gazetteer's compiled-in index, written at build time by tools/gazetteer/make_gazetteer_index.cpp from
// places/data/ and used in place by Gazetteer.cpp: nothing is parsed, sorted or folded when the program runs.
//
// Every integer is little-endian and of fixed width, and every section starts at a multiple of 8 bytes, so
// that the Linux and the Windows builds write the same bytes. All offsets count from the start of the file.
//
//   header     kMagic, kVersion, then the counts and section offsets below (HeaderField order), u32 each
//   places     one PlaceRecord a place, most populous first: a place's number is its rank
//   languages  u32 string per language the names are shown in ("de", "pt_BR"), in the order of `shown`
//   shown      per language: u32 per place, the string of its name in that language (0: GeoNames's own) with
//              kWithoutDivision set where the place is shown without its division; u32 per division, then
//              u32 per country, the string of its name in that language (0: GeoNames's own)
//   strings    (u32 first unit in `text`, u32 length in units) per string; names, divisions, countries, zones
//   text       UTF-16LE code units of all the strings
//   keyStarts  u32 per search key + 1: where each key starts in `keyBytes`; keys in byte order, each once
//   postings   u32 per search key + 1: where each key's places start in `keyPlaces`
//   keyPlaces  u32 place numbers, ascending within each key: the places that bear a name with that key
//   keyBytes   UTF-8 of the search keys (SearchKey), end to end; then, each behind kWrittenMark (so that they
//              sort first and no typed text's SearchKey reaches them), the names as written (WrittenKey) where
//              that differs from their SearchKey
#pragma once

#include <QtGlobal>

namespace quorvis::places::format {

constexpr quint32 kMagic = 0x315A4751; // "QGZ1" read as little-endian bytes
constexpr quint32 kVersion = 3;
// The first byte of a key that holds a name as written.
constexpr char kWrittenMark = '\x01';
// In a place's entry of `shown`: the place is shown without its division in that language.
constexpr quint32 kWithoutDivision = 0x80000000u;
// A place's division or country number when it has none.
constexpr quint16 kNone = 0xFFFF;

enum HeaderField : quint32 {
    Magic,
    Version,
    FileSize,
    PlaceCount,
    StringCount,
    KeyCount,
    KeyPlaceCount,
    PlacesAt,
    StringsAt,
    TextAt,
    KeyStartsAt,
    PostingsAt,
    KeyPlacesAt,
    KeyBytesAt,
    LanguageCount,
    DivisionCount,
    CountryCount,
    LanguagesAt,
    ShownAt,
    HeaderFieldCount
};

// A place: 44 bytes.
//   f64 latitude, f64 longitude (IEEE 754), u32 population,
//   u32 strings: name, first-level division, country, country code, zone (empty string: length 0),
//   u16 division number, u16 country number (kNone: none), for the names in `shown`
constexpr quint32 kPlaceRecordSize = 44;
enum PlaceField : quint32 {
    Latitude = 0,
    Longitude = 8,
    Population = 16,
    NameString = 20,
    Admin1String = 24,
    CountryString = 28,
    CountryCodeString = 32,
    ZoneString = 36,
    DivisionNumber = 40,
    CountryNumber = 42
};

constexpr quint32 Aligned(quint32 offset) { return (offset + 7u) & ~7u; }

} // namespace quorvis::places::format
