#!/usr/bin/env python3
"""Derives the compiled-in gazetteer (places/data/) from Debian's libtimezonemap-data, libgeonames-common and tzdata.

The GeoNames snapshot in libtimezonemap-data dates from 2015: its zones are brought up to date here, so that
the program never has to. Legacy link names (Europe/Kiev) become the names tzdata lists today (Europe/Kyiv),
and places in zones split off since the snapshot (Saratov, Tomsk, Punta Arenas, ...) move to the new zone by
first-level division, checked against zone1970.tab.

Output, all UTF-8 and tab-separated, rows in a fixed order so that the same inputs give the same bytes:
  places.tsv     name, alternate names (comma-separated), latitude, longitude, country code,
                 division code, zone (line number in zones.tsv, from 0), population; most populous first
  zones.tsv      IANA zone names, sorted
  divisions.tsv  country code "." division code, division name (only those used)
  countries.tsv  country code, country name (only those used)
  shown.tsv      the names each language Quorvis speaks gives: language, key, name, "-" where a place is shown
                 without its division; the key is a place's line number in places.tsv (from 0), "CC.NN" for
                 a division or "CC" for a country; an empty name is GeoNames's own; sorted by language, key

The names in other languages are GeoNames's language-tagged names as libgeonames-common ships them, one gettext
catalogue a language keyed by GeoNames id, country code or "CC.NN"; they are mended here (see LANGUAGES,
BRAZILIAN, OVERRIDES and shown_name) so that the program shows and folds them as they are.
"""

import argparse
import gettext
import math
import os
import sys
import unicodedata

GEONAMES = "/usr/share/libtimezonemap/ui"
ZONEINFO = "/usr/share/zoneinfo"
LOCALE = "/usr/share/locale"

# The languages Quorvis speaks besides English, each with the catalogue it reads. "pt" is European Portuguese
# ("Moscovo", "Teerão", and the state of Vienna "Viana") and "pt_BR" is empty: Brazilian readers get GeoNames's
# own names of places, except the Brazilian forms in BRAZILIAN, the catalogue's names of the divisions of
# Brazil and Portugal (the same in both variants), and its names of countries (CLDR's, which are Brazilian)
# mended by BRAZILIAN_COUNTRIES.
LANGUAGES = {"de": "de", "es": "es", "fr": "fr", "it": "it", "pt_BR": "pt", "ru": "ru"}
# Languages whose script is not Latin: a division they have no name for is shown in Latin letters only when it
# is needed to tell two places of one name and country apart.
NON_LATIN = {"ru"}

# The Brazilian forms of the largest places' names where they differ from GeoNames's own (reviewed by hand).
BRAZILIAN = {
    "524901": "Moscou", "112931": "Teerã", "1816670": "Pequim", "498817": "São Petersburgo", "703448": "Kiev",
    "756135": "Varsóvia", "683506": "Bucareste", "3054643": "Budapeste", "3067696": "Praga", "2761369": "Viena",
    "2867714": "Munique", "2911298": "Hamburgo", "2886242": "Colônia", "2925533": "Frankfurt",
    "2950159": "Berlim", "2643743": "Londres", "3169070": "Roma", "3173435": "Milão", "3165524": "Turim",
    "3176959": "Florença", "3172394": "Nápoles", "3164603": "Veneza", "2510911": "Sevilha",
    "2660646": "Genebra", "2657896": "Zurique", "2800866": "Bruxelas", "2803138": "Antuérpia",
    "2747373": "Haia", "2618425": "Copenhague", "2673730": "Estocolmo", "658225": "Helsinque",
    "264371": "Atenas", "745044": "Istambul", "2507480": "Argel", "2464470": "Túnis", "2210247": "Trípoli",
    "2542997": "Marrakech", "98182": "Bagdá", "170654": "Damasco", "108410": "Riad", "104515": "Meca",
    "281184": "Jerusalém", "276781": "Beirute", "250441": "Amã", "1138958": "Cabul", "616052": "Ierevan",
    "1850147": "Tóquio", "1857910": "Quioto", "1835848": "Seul", "1581130": "Hanói", "1609350": "Bangcoc",
    "1275004": "Calcutá", "1261481": "Nova Délhi", "1185241": "Daca", "1668341": "Taipé",
    "1880252": "Singapura", "1809858": "Cantão", "1799962": "Nanquim", "1796236": "Xangai",
    "1642911": "Jacarta", "3530597": "Cidade do México", "5128581": "Nova York", "4560349": "Filadélfia",
    "4335045": "Nova Orleans", "4140963": "Washington", "6077243": "Montreal", "6325494": "Quebec",
    "2650225": "Edimburgo", "2267057": "Lisboa", "792680": "Belgrado", "3196359": "Liubliana",
    "3369157": "Cidade do Cabo", "993800": "Joanesburgo", "344979": "Adis Abeba", "3439389": "Assunção",
}
# Countries whose name in the catalogue is not the one Brazil uses, or an official long form.
BRAZILIAN_COUNTRIES = {
    "BF": "Burkina Faso", "BY": "Belarus", "CD": "República Democrática do Congo", "CI": "Costa do Marfim",
    "FO": "Ilhas Faroe", "GL": "Groenlândia", "IE": "Irlanda", "KM": "Comores", "KR": "Coreia do Sul",
    "LI": "Liechtenstein", "LY": "Líbia", "MC": "Mônaco", "MK": "Macedônia do Norte", "MM": "Mianmar",
    "MU": "Maurício", "SK": "Eslováquia", "TL": "Timor-Leste", "US": "Estados Unidos",
    "VA": "Vaticano", "VC": "São Vicente e Granadinas",
}

# Names the catalogues give that would be wrong on a reading card: (language, key) -> (name, reason). An empty
# name is GeoNames's own.
OVERRIDES = {
    ("de", "5128581"): ("New York", "the catalogue keeps the English \"New York City\""),
    ("de", "2038180"): ("", "\"Chángchūn\" is written with the tone marks of Pinyin, which German does not write"),
    ("ru", "1788534"): ("Синьян", "the catalogue gives Xinyang the name of Jinan, another city of China"),
    ("ru", "2322794"): ("Суледжа", "the catalogue gives Suleja the name of Abuja, the capital next to it"),
    ("ru", "273203"): ("Библ", "the catalogue adds the name in Latin letters in brackets"),
    ("ru", "1904391"): ("", "a doubled space and a name no Russian reader uses; GeoNames's own is better"),
    ("es", "8948694"): ("", "an abbreviated district in brackets, not a name"),
    ("fr", "8948694"): ("", "an abbreviated district in brackets, not a name"),
    ("de", "2511330"): ("San Juan de Alicante", "\"(bei Alicante)\" is a note, not the name"),
    ("es", "MM"): ("Myanmar", "the old name in brackets"),
    ("ru", "MM"): ("Мьянма", "the old name in brackets"),
    ("pt_BR", "2038180"): ("", "no Brazilian form"),
}

# Zones split off since the snapshot: (zone, country, division code, radius in km around the zone's reference
# point in zone1970.tab, or None for the whole division).
SPLITS = [
    ("Europe/Astrakhan", "RU", "07", None),
    ("Europe/Kirov", "RU", "33", None),
    ("Europe/Saratov", "RU", "67", None),
    ("Europe/Ulyanovsk", "RU", "81", None),
    ("Asia/Barnaul", "RU", "04", None),  # Altai Krai
    ("Asia/Barnaul", "RU", "03", None),  # Altai Republic
    ("Asia/Tomsk", "RU", "75", None),
    ("Asia/Chita", "RU", "93", None),
    ("Asia/Atyrau", "KZ", "06", None),
    ("Asia/Qostanay", "KZ", "13", None),
    ("America/Punta_Arenas", "CL", "10", None),
    ("America/Coyhaique", "CL", "02", None),
    ("America/Ciudad_Juarez", "MX", "06", 40.0),  # the municipality only, not all of Chihuahua
    ("Asia/Famagusta", "CY", "02", None),  # Kyrenia district lies wholly in Northern Cyprus
    ("Asia/Famagusta", "CY", "01", 10.0),  # Famagusta district is split by the line
]

# Alternate names kept: proper names (exonyms, spellings without accents), those in Latin script for every
# place and those in other scripts (Москва, 東京) for places of at least this many people, so that the
# committed files stay under 4 MB; lower-case romanisations, abbreviations and "City of ..." style phrases are
# left out. Names are never folded here: the program's index folds them all with its own SearchKey, so an
# alternate name that differs from the place's own name in any way is kept.
OTHER_SCRIPTS_FROM = 100_000
PHRASES = ("Gorad ", "Lungsod ", "Dakbayan ", "Oras ", "Bayan ", "Ciudad de ", "City of ")


def latin(text):
    return all(ord(c) < 0x250 or unicodedata.combining(c) or c in "’ʻʼ‐‑–" for c in text)


def parse_coordinate(text):
    """zone1970.tab's ISO 6709 +DDMM[SS]+DDDMM[SS] to degrees."""
    for split in range(1, len(text)):
        if text[split] in "+-":
            break
    def one(part, degree_digits):
        sign = -1 if part[0] == "-" else 1
        digits = part[1:]
        value = int(digits[:degree_digits]) + int(digits[degree_digits:degree_digits + 2]) / 60
        if len(digits) > degree_digits + 2:
            value += int(digits[degree_digits + 2:]) / 3600
        return sign * value
    return one(text[:split], 2), one(text[split:], 3)


def distance_km(lat1, lon1, lat2, lon2):
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dp, dl = p2 - p1, math.radians(lon2 - lon1)
    a = math.sin(dp / 2) ** 2 + math.cos(p1) * math.cos(p2) * math.sin(dl / 2) ** 2
    return 2 * 6371.0 * math.asin(math.sqrt(a))


def read_rows(path):
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            yield line.rstrip("\n").split("\t")


LOCALE_FOLDER = LOCALE


def catalogue(language):
    path = os.path.join(LOCALE_FOLDER, language, "LC_MESSAGES", "geonames.mo")
    with open(path, "rb") as f:
        return {k: v for k, v in gettext.GNUTranslations(f)._catalog.items() if k}


def fold(text):
    return " ".join("".join(c for c in unicodedata.normalize("NFKD", text).casefold()
                            if c.isalnum() or c.isspace()).split())


def shown_name(name, qualifiers):
    """A catalogue's name as shown: spaces normalised, and a bracketed note that only repeats the division or
    country ("Newport (Wales)", "Orange  (State of New South Wales)") left out; brackets that are part of the
    name ("Frankfurt (Oder)", "Halle (Saale)") stay."""
    name = " ".join(name.split())
    if name.endswith(")") and " (" in name:
        head, note = name[:-1].rsplit(" (", 1)
        if any(q and fold(q) in fold(note) for q in qualifiers):
            name = head
    return name


def shown_names(places, divisions, countries):
    """(language, key) -> (name, without division) rows of shown.tsv; see the module's text."""
    rows = {}
    for language, source in LANGUAGES.items():
        names = catalogue(source)
        brazilian = language == "pt_BR"
        def named(key, english, qualifiers=()):
            if (language, key) in OVERRIDES:
                name = OVERRIDES[(language, key)][0]
            elif brazilian and key in BRAZILIAN:
                name = BRAZILIAN[key]
            elif brazilian and key in BRAZILIAN_COUNTRIES:
                name = BRAZILIAN_COUNTRIES[key]
            elif brazilian and not (len(key) == 2 or key[:3] in ("BR.", "PT.")):
                name = ""
            else:
                name = shown_name(names.get(key, ""), qualifiers)
            return "" if name == english else name
        country_names = {cc: named(cc, countries.get(cc, cc)) for cc in {p["cc"] for p in places}}
        division_names = {code: named(code, divisions[code]) for code in
                          {f"{p['cc']}.{p['admin1']}" for p in places} & divisions.keys()}
        for code, name in division_names.items():
            if name:
                rows[(language, code)] = (name, False)
        for cc, name in country_names.items():
            if name:
                rows[(language, cc)] = (name, False)
        shown = []
        for number, p in enumerate(places):
            code = f"{p['cc']}.{p['admin1']}"
            division = divisions.get(code, "")
            name = named(p["id"], p["name"], (division, division_names.get(code), countries.get(p["cc"]),
                                              country_names.get(p["cc"])))
            shown.append((number, name or p["name"], code, division, name))
        # How many places bear each shown name in each country.
        bearers = {}
        for number, name, code, division, _ in shown:
            key = (fold(name), places[number]["cc"])
            bearers[key] = bearers.get(key, 0) + 1
        for number, name, code, division, own in shown:
            p = places[number]
            translated = division_names.get(code, "")
            # A division that is the place itself (Moscow, Dubai, Vienna) is known by its code and GeoNames's
            # names, not by comparing the shown texts, which may be in two languages.
            namesake = bool(division) and (fold(division) == fold(p["name"]) or
                                           (translated and fold(translated) == fold(name)))
            unreadable = (language in NON_LATIN and division and not translated and
                          bearers[(fold(name), p["cc"])] == 1)
            if own or namesake or unreadable:
                rows[(language, str(number))] = (own, bool(namesake or unreadable))
    return rows


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--geonames", default=GEONAMES, help="folder with cities15000.txt, admin1Codes.txt, countryInfo.txt")
    ap.add_argument("--zoneinfo", default=ZONEINFO, help="folder with zone.tab, zone1970.tab and tzdata.zi")
    ap.add_argument("--locale", default=LOCALE, help="folder with <language>/LC_MESSAGES/geonames.mo")
    ap.add_argument("--out", required=True, help="folder to write places.tsv, zones.tsv, divisions.tsv, countries.tsv, shown.tsv into")
    args = ap.parse_args()
    global LOCALE_FOLDER
    LOCALE_FOLDER = args.locale

    current = {row[2] for row in read_rows(os.path.join(args.zoneinfo, "zone.tab"))}
    zone1970 = {row[2]: (row[0].split(","), parse_coordinate(row[1]))
                for row in read_rows(os.path.join(args.zoneinfo, "zone1970.tab"))}
    links = {}
    with open(os.path.join(args.zoneinfo, "tzdata.zi"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("L "):
                _, target, name = line.split()
                links[name] = target

    def current_name(zone):
        seen = set()
        while zone not in current and zone in links and zone not in seen:
            seen.add(zone)
            zone = links[zone]
        if zone not in current:
            sys.exit(f"zone {zone} is neither in zone.tab nor a link to a zone in it")
        return zone

    countries = {row[0]: row[4] for row in read_rows(os.path.join(args.geonames, "countryInfo.txt"))}
    divisions = {row[0]: row[1] for row in read_rows(os.path.join(args.geonames, "admin1Codes.txt"))}

    places = []
    for row in read_rows(os.path.join(args.geonames, "cities15000.txt")):
        places.append({
            "id": row[0], "name": row[1], "alternates": [a for a in row[3].split(",") if a],
            "lat": row[4], "lon": row[5], "cc": row[8], "admin1": row[10],
            "zone": current_name(row[17]), "population": int(row[14] or 0), "feature": row[7],
        })

    for zone, cc, admin1, radius in SPLITS:
        if zone not in zone1970 or cc not in zone1970[zone][0]:
            sys.exit(f"{zone} is not a zone of {cc} in zone1970.tab")
        # A check on the table: the zone's reference point lies in one of the divisions given for it.
        ref_lat, ref_lon = zone1970[zone][1]
        nearest = min((p for p in places if p["cc"] == cc),
                      key=lambda p: distance_km(ref_lat, ref_lon, float(p["lat"]), float(p["lon"])))
        if nearest["admin1"] not in {a for z, c, a, _ in SPLITS if z == zone and c == cc}:
            sys.exit(f"{zone}: its reference point lies in division {cc}.{nearest['admin1']}, not in the table")
        for p in places:
            if p["cc"] == cc and p["admin1"] == admin1 and (
                    radius is None or distance_km(ref_lat, ref_lon, float(p["lat"]), float(p["lon"])) <= radius):
                p["zone"] = zone

    for p in places:
        seen = {p["name"]}
        kept = []
        for a in p["alternates"]:
            in_latin = latin(a)
            if (a in seen or len(a) > 40 or (a.isupper() and len(a) <= 4) or a.startswith(PHRASES)
                    or (not a[0].isupper() if in_latin else a[0].islower())):
                continue
            if not in_latin and p["population"] < OTHER_SCRIPTS_FROM:
                continue
            seen.add(a)
            kept.append(a)
        p["alternates"] = kept

    # Most populous first; among equals (GeoNames gives the City of London London's population) the capital,
    # then seats of divisions, before other places.
    rank = {"PPLC": 0, "PPLA": 1, "PPLA2": 2, "PPLA3": 3, "PPLA4": 4}
    places.sort(key=lambda p: (-p["population"], rank.get(p["feature"], 5), p["name"], p["cc"], p["lat"], p["lon"]))
    used_divisions = sorted({f"{p['cc']}.{p['admin1']}" for p in places} & divisions.keys())
    used_countries = sorted({p["cc"] for p in places})
    zones = sorted({p["zone"] for p in places})
    zone_number = {z: i for i, z in enumerate(zones)}

    shown = shown_names(places, divisions, countries)

    os.makedirs(args.out, exist_ok=True)
    with open(os.path.join(args.out, "places.tsv"), "w", encoding="utf-8", newline="\n") as f:
        for p in places:
            f.write("\t".join([p["name"], ",".join(p["alternates"]), p["lat"], p["lon"], p["cc"], p["admin1"],
                               str(zone_number[p["zone"]]), str(p["population"])]) + "\n")
    with open(os.path.join(args.out, "zones.tsv"), "w", encoding="utf-8", newline="\n") as f:
        f.write("".join(z + "\n" for z in zones))
    with open(os.path.join(args.out, "divisions.tsv"), "w", encoding="utf-8", newline="\n") as f:
        for code in used_divisions:
            f.write(f"{code}\t{divisions[code]}\n")
    with open(os.path.join(args.out, "countries.tsv"), "w", encoding="utf-8", newline="\n") as f:
        for cc in used_countries:
            f.write(f"{cc}\t{countries.get(cc, cc)}\n")
    def order(row):
        language, key = row
        return (language, 0 if key.isdigit() else 1, int(key) if key.isdigit() else 0, key)
    with open(os.path.join(args.out, "shown.tsv"), "w", encoding="utf-8", newline="\n") as f:
        for language, key in sorted(shown, key=order):
            name, without_division = shown[(language, key)]
            f.write(f"{language}\t{key}\t{name}\t{'-' if without_division else ''}\n")


if __name__ == "__main__":
    main()
