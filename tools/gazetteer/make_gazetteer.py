#!/usr/bin/env python3
"""Derives the compiled-in gazetteer (places/data/) from Debian's libtimezonemap-data and tzdata.

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
"""

import argparse
import math
import os
import sys
import unicodedata

GEONAMES = "/usr/share/libtimezonemap/ui"
ZONEINFO = "/usr/share/zoneinfo"

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


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--geonames", default=GEONAMES, help="folder with cities15000.txt, admin1Codes.txt, countryInfo.txt")
    ap.add_argument("--zoneinfo", default=ZONEINFO, help="folder with zone.tab, zone1970.tab and tzdata.zi")
    ap.add_argument("--out", required=True, help="folder to write places.tsv, divisions.tsv, countries.tsv into")
    args = ap.parse_args()

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
            "name": row[1], "alternates": [a for a in row[3].split(",") if a],
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


if __name__ == "__main__":
    main()
