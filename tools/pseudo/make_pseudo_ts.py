#!/usr/bin/env python3
"""Makes the pseudo-language from the source texts of a Qt Linguist file.

    make_pseudo_ts.py quorvis_de.ts quorvis_pseudo.ts

Every text becomes "[Ŧĥé Ñàḿé~~~~]": its letters swapped for accented look-alikes, so that a text which escaped
translation stands out as plain, and lengthened by about 40 % with tildes inside brackets, so that a box laid out
for the English shows whether it can hold a longer language. Placeholders (%1, %L1, %n), markup tags, access keys
(&F stays &F, && stays &&) and line breaks are kept as they are. The tests compile it with lrelease and open each
window in it; it is never shipped.
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

LOOK_ALIKES = dict(zip(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "àƀçđéƒĝĥĩĵķļḿñôƥɋŕšţûṽŵẋŷžÀƁÇĐÉƑĜĤĨĴĶĻḾÑÔƤɊŔŠŦÛṼŴẊŶŽ"))

# What must come through unchanged: placeholders, tags, an access key with its letter, a literal ampersand.
KEPT = re.compile(r"%L?\d+|%n|<[^>]*>|&&|&.|\r|\n")


def pseudo(text):
    if not text:
        return text
    pieces = []
    last = 0
    for kept in KEPT.finditer(text):
        pieces.append("".join(LOOK_ALIKES.get(c, c) for c in text[last:kept.start()]))
        pieces.append(kept.group(0))
        last = kept.end()
    pieces.append("".join(LOOK_ALIKES.get(c, c) for c in text[last:]))
    padding = max(1, math.ceil(len(text) * 0.4) - 2)
    return "[" + "".join(pieces) + "~" * padding + "]"


def main(source_ts, pseudo_ts):
    with open(source_ts, encoding="utf-8") as source:
        # Linguist writes a carriage return as an element; a character reference keeps it in the text.
        root = ET.fromstring(re.sub(r'<byte value="x([0-9a-fA-F]+)"\s*/>', r"&#x\1;", source.read()))
    # English plural rules: two forms.
    root.set("language", "en")
    for message in root.iter("message"):
        source = message.find("source").text or ""
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(source)
        else:
            translation.text = pseudo(source)
    text = ET.tostring(root, encoding="unicode")
    # XML would read a bare carriage return back as a line feed.
    text = text.replace("\r", '<byte value="xd"/>').replace("&#13;", '<byte value="xd"/>')
    with open(pseudo_ts, "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + text + "\n")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
