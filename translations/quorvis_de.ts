<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Angles</name>
    <message>
        <source>The latitude is that of a pole (90°), where the meridian and so the Midheaven are undefined.</source>
        <translation>Der Breitengrad ist der eines Pols (90°), wo der Meridian und damit das Medium Coeli nicht bestimmt sind.</translation>
    </message>
    <message>
        <source>The latitude must lie between -90° and 90°.</source>
        <translation>Der Breitengrad muss zwischen -90° und 90° liegen.</translation>
    </message>
    <message>
        <source>The longitude must lie between -180° and 180°.</source>
        <translation>Der Längengrad muss zwischen -180° und 180° liegen.</translation>
    </message>
    <message>
        <source>The instant lies outside the years the chart angles are computed for.</source>
        <translation>Der Zeitpunkt liegt außerhalb der Jahre, für die die Achsen des Horoskops berechnet werden.</translation>
    </message>
</context>
<context>
    <name>BirthDetails</name>
    <message>
        <source>Please Enter Your Name !</source>
        <translation>Bitte geben Sie Ihren Namen ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein!</translation>
    </message>
</context>
<context>
    <name>ChartWheel</name>
    <message>
        <source>Chart wheel</source>
        <translation>Horoskopkreis</translation>
    </message>
    <message>
        <source>No chart yet: give the date, the time and the place of birth.</source>
        <translation>Noch kein Horoskop: Geben Sie Datum, Uhrzeit und Ort der Geburt an.</translation>
    </message>
    <message>
        <source>Ascendant %1, Midheaven %2, Descendant %3, Imum Coeli %4</source>
        <translation>Aszendent %1, Medium Coeli %2, Deszendent %3, Imum Coeli %4</translation>
    </message>
    <message>
        <source>ASC</source>
        <comment>Ascendant, on the wheel</comment>
        <translation>AC</translation>
    </message>
    <message>
        <source>DSC</source>
        <comment>Descendant, on the wheel</comment>
        <translation>DC</translation>
    </message>
    <message>
        <source>MC</source>
        <comment>Midheaven, on the wheel</comment>
        <translation>MC</translation>
    </message>
    <message>
        <source>IC</source>
        <comment>Imum Coeli, on the wheel</comment>
        <translation>IC</translation>
    </message>
    <message>
        <source>%1; the fourth house counted by whole signs, marked: %2</source>
        <comment>%1: the angles</comment>
        <translation>%1; markiert ist das vierte Haus, nach ganzen Zeichen gezählt: %2</translation>
    </message>
</context>
<context>
    <name>ExactCommandLine</name>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>what was typed, in the quotation marks of the language</comment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Gap:</source>
        <translation>Lücke:</translation>
    </message>
    <message>
        <source>Overlap:</source>
        <translation>Überschneidung:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>Local time:</source>
        <translation>Ortszeit:</translation>
    </message>
    <message>
        <source>UT:</source>
        <translation>UT:</translation>
    </message>
    <message>
        <source>IC:</source>
        <translation>IC:</translation>
    </message>
    <message>
        <source>ASC:</source>
        <translation>AC:</translation>
    </message>
    <message>
        <source>MC:</source>
        <translation>MC:</translation>
    </message>
    <message>
        <source>Reading %1 of %2: %3</source>
        <translation>Ergebnis %1 von %2: %3</translation>
    </message>
    <message>
        <source>No place matches &quot;%1&quot;.</source>
        <translation>Kein Ort passt zu „%1“.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the version, and that of the tz data in use.</source>
        <translation>Die Version anzeigen und die der verwendeten tz-Daten.</translation>
    </message>
    <message>
        <source>name</source>
        <comment>value of an option</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Latitude, decimal degrees north (south &lt; 0).</source>
        <translation>Breite, Dezimalgrad Nord (Süd &lt; 0).</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>value of an option</comment>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Longitude, decimal degrees east (west &lt; 0).</source>
        <translation>Länge, Dezimalgrad Ost (West &lt; 0).</translation>
    </message>
    <message>
        <source>Time zone of the place, a name of the tz database such as Europe/London, or an offset such as +01:00.</source>
        <translation>Zeitzone des Ortes, ein Name der tz-Datenbank wie Europe/London oder ein Versatz wie +01:00.</translation>
    </message>
    <message>
        <source>Fixed offset of the local clock from UT, -12:00 to +14:00, e.g. +01:00.</source>
        <translation>Fester Versatz der Ortsuhr gegenüber UT, -12:00 bis +14:00, z. B. +01:00.</translation>
    </message>
    <message>
        <source>Local date, %1 to %2.</source>
        <translation>Ortsdatum, %1 bis %2.</translation>
    </message>
    <message>
        <source>Local clock time.</source>
        <translation>Ortsuhrzeit.</translation>
    </message>
    <message>
        <source>List the first places a search finds, and stop (only --json may go with it).</source>
        <translation>Die ersten Orte einer Suche auflisten und beenden (nur --json darf dabei stehen).</translation>
    </message>
    <message>
        <source>text</source>
        <comment>value of an option</comment>
        <translation>Text</translation>
    </message>
    <message>
        <source>Print one JSON object.</source>
        <translation>Ein JSON-Objekt ausgeben.</translation>
    </message>
    <message>
        <source>The exact Imum Coeli, Ascendant and Midheaven of a birth from its local date, time and place.</source>
        <translation>Imum Coeli, Aszendent und Medium Coeli einer Geburt, genau, aus Ortsdatum, Uhrzeit und Ort.</translation>
    </message>
    <message>
        <source>Exit status: 0 for a reading (also when the local time fell in a clock change&apos;s gap or overlap) or a
place list; 1 when it cannot read because of the installed time-zone data or a failure of its own;
2 for input it cannot use.</source>
        <comment>the program wraps the lines</comment>
        <translation>Exit-Status: 0 für ein Ergebnis (auch wenn die Ortszeit in die Lücke oder Überschneidung einer
Zeitumstellung fiel) oder eine Ortsliste; 1, wenn die installierten Zeitzonendaten oder ein eigener
Fehler die Berechnung des Ergebnisses verhindern; 2 für unbrauchbare Eingaben.</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 ist mehrfach angegeben</translation>
    </message>
    <message>
        <source>--places takes no other options (only --json), not -%1%2</source>
        <translation>--places nimmt keine weiteren Optionen (nur --json), nicht -%1%2</translation>
    </message>
    <message>
        <source>give either --zone or --utc-offset, not both</source>
        <translation>entweder --zone oder --utc-offset angeben, nicht beides</translation>
    </message>
    <message>
        <source>give either --place or --lat and --lon, not both</source>
        <translation>entweder --place oder --lat und --lon angeben, nicht beides</translation>
    </message>
    <message>
        <source>give a place: --place NAME, or --lat and --lon with --zone or --utc-offset</source>
        <translation>einen Ort angeben: --place NAME, oder --lat und --lon mit --zone oder --utc-offset</translation>
    </message>
    <message>
        <source>give both --lat and --lon</source>
        <translation>sowohl --lat als auch --lon angeben</translation>
    </message>
    <message>
        <source>give the local date with --date YYYY-MM-DD, and the time with --time HH:MM or the two-hour slot with --slot</source>
        <translation>Ortsdatum mit --date YYYY-MM-DD angeben, dazu die Uhrzeit mit --time HH:MM oder das Zwei-Stunden-Fenster mit --slot</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>quorvis-exact %1
tz data %2
</source>
        <translation>quorvis-exact %1
tz-Daten %2
</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>--places needs some text to search for</source>
        <translation>--places braucht einen Suchtext</translation>
    </message>
    <message>
        <source>zone</source>
        <comment>value of an option</comment>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Zeitfenster:</translation>
    </message>
    <message>
        <source>IC signs:</source>
        <comment>the IC&apos;s signs during a slot</comment>
        <translation>IC-Zeichen:</translation>
    </message>
    <message>
        <source>Time used:</source>
        <translation>Verwendete Zeit:</translation>
    </message>
    <message>
        <source>Birth place: a name as --places lists it, or the best match of a search.</source>
        <translation>Geburtsort: ein Name, wie ihn --places auflistet, oder der beste Treffer einer Suche.</translation>
    </message>
    <message>
        <source>Only the two-hour slot, instead of --time, as the quick reading lists it, e.g. 2pm-4pm.</source>
        <translation>Nur das Zwei-Stunden-Fenster statt --time, wie es die schnelle Deutung nennt, z. B. &quot;14-16 Uhr&quot;.</translation>
    </message>
    <message>
        <source>slot</source>
        <comment>value of an option</comment>
        <translation>Zeitfenster</translation>
    </message>
    <message>
        <source>took %1 for %2; to name another, write it as --places lists it, such as --place %3</source>
        <translation>für %2 wurde %1 gewählt; einen anderen Ort so angeben, wie ihn --places auflistet, etwa --place %3</translation>
    </message>
    <message>
        <source>give either --time or --slot, not both</source>
        <translation>entweder --time oder --slot angeben, nicht beides</translation>
    </message>
    <message>
        <source>cannot write the reading: %1</source>
        <translation>das Ergebnis kann nicht ausgegeben werden: %1</translation>
    </message>
    <message>
        <source>Zodiac:</source>
        <translation>Tierkreis:</translation>
    </message>
    <message>
        <source>The zodiac the signs are counted in: %1 (the default) or sidereal, by one of the ayanamsas %2.</source>
        <translation>Der Tierkreis, in dem die Zeichen gezählt werden: %1 (Vorgabe) oder siderisch, nach einer der Ayanamsas %2.</translation>
    </message>
    <message>
        <source>no place matches %1 (the list holds towns of %L2 people or more); --places TEXT lists what a search finds, or give the coordinates with --lat, --lon and --zone</source>
        <translation>kein Ort passt zu %1 (die Liste enthält Orte ab %L2 Einwohnern); --places TEXT listet auf, was eine Suche findet, oder geben Sie die Koordinaten mit --lat, --lon und --zone an</translation>
    </message>
    <message>
        <source>no zodiac %1; --zodiac takes %2</source>
        <translation>kein Tierkreis %1; --zodiac nimmt %2</translation>
    </message>
</context>
<context>
    <name>ExactReading</name>
    <message>
        <source>The date must lie between %1 and %2.</source>
        <translation>Das Datum muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>Not a date: “%1”. Give it as YYYY-MM-DD.</source>
        <translation>Kein Datum: „%1“. Geben Sie es als YYYY-MM-DD an.</translation>
    </message>
    <message>
        <source>There is no such date as “%1”.</source>
        <translation>Ein Datum „%1“ gibt es nicht.</translation>
    </message>
    <message>
        <source>Not a time of day: “%1”. Give it as HH:MM or HH:MM:SS, from 00:00 to 23:59:59.</source>
        <translation>Keine Uhrzeit: „%1“. Geben Sie sie als HH:MM oder HH:MM:SS an, von 00:00 bis 23:59:59.</translation>
    </message>
    <message>
        <source>Not a latitude: “%1”. Give degrees from −90 to 90, north positive.</source>
        <translation>Keine Breite: „%1“. Geben Sie Grad von −90 bis 90 an, Nord positiv.</translation>
    </message>
    <message>
        <source>Not a longitude: “%1”. Give degrees from −180 to 180, east positive.</source>
        <translation>Keine Länge: „%1“. Geben Sie Grad von −180 bis 180 an, Ost positiv.</translation>
    </message>
    <message>
        <source>Unknown time zone “%1”: give one such as Europe/London, or an offset from −12:00 to +14:00 such as +01:00.</source>
        <translation>Unbekannte Zeitzone „%1“: Geben Sie eine wie Europe/London an oder einen Versatz von −12:00 bis +14:00 wie +01:00.</translation>
    </message>
    <message>
        <source>Not an offset from UTC: “%1”. Give one from −12:00 to +14:00 such as +01:00.</source>
        <translation>Kein Versatz gegenüber UTC: „%1“. Geben Sie einen von −12:00 bis +14:00 an, etwa +01:00.</translation>
    </message>
    <message>
        <source>%1°%2′ %3</source>
        <comment>degrees, minutes and sign of a position in the zodiac</comment>
        <translation>%1°%2′ %3</translation>
    </message>
    <message>
        <source>%1, before the jump</source>
        <comment>a UTC offset</comment>
        <translation>%1, vor der Umstellung</translation>
    </message>
    <message>
        <source>%1, after the jump</source>
        <comment>a UTC offset</comment>
        <translation>%1, nach der Umstellung</translation>
    </message>
    <message>
        <source>Both readings are given, with the offset before the jump and with the one after.</source>
        <translation>Beide Ergebnisse werden gezeigt, mit dem Versatz vor der Umstellung und mit dem danach.</translation>
    </message>
    <message>
        <source>%1, local mean time</source>
        <comment>a UTC offset</comment>
        <translation>%1, Ortsmittelzeit</translation>
    </message>
    <message>
        <source>%1, summer time</source>
        <comment>a UTC offset</comment>
        <translation>%1, Sommerzeit</translation>
    </message>
    <message>
        <source>%1, standard time</source>
        <comment>a UTC offset</comment>
        <translation>%1, Normalzeit</translation>
    </message>
    <message>
        <source>Both readings are given, the earlier first.</source>
        <translation>Beide Ergebnisse werden gezeigt, das frühere zuerst.</translation>
    </message>
    <message numerus="yes">
        <source>All %n readings are given, the earliest first.</source>
        <translation>
            <numerusform>Alle %n Ergebnisse werden gezeigt, das früheste zuerst.</numerusform>
            <numerusform>Alle %n Ergebnisse werden gezeigt, das früheste zuerst.</numerusform>
        </translation>
    </message>
    <message>
        <source>The local time could not be turned into Universal Time.</source>
        <translation>Die Ortszeit ließ sich nicht in Weltzeit umrechnen.</translation>
    </message>
    <message>
        <source>The time of birth is not a time of day.</source>
        <translation>Die Geburtszeit ist keine Uhrzeit.</translation>
    </message>
    <message>
        <source>The two-hour slot must be one of the twelve.</source>
        <translation>Das Zwei-Stunden-Fenster muss eines der zwölf sein.</translation>
    </message>
    <message>
        <source>This build does not know %1, the time zone of %2.</source>
        <translation>Diese Version kennt %1 nicht, die Zeitzone von %2.</translation>
    </message>
    <message>
        <source>Give the place&apos;s time zone or its offset from UTC.</source>
        <translation>Geben Sie die Zeitzone des Ortes oder ihren Versatz gegenüber UTC an.</translation>
    </message>
    <message>
        <source>Imum Coeli %1</source>
        <translation>Imum Coeli %1</translation>
    </message>
    <message>
        <source>Ascendant %1</source>
        <translation>Aszendent %1</translation>
    </message>
    <message>
        <source>Midheaven %1</source>
        <translation>Medium Coeli %1</translation>
    </message>
    <message>
        <source>The time-zone data installed here has no zone %1.</source>
        <translation>Die hier installierten Zeitzonendaten kennen keine Zone %1.</translation>
    </message>
    <message>
        <source>Quick reading for the same day and slot: %1</source>
        <translation>Schnelle Deutung für denselben Tag und dasselbe Zeitfenster: %1</translation>
    </message>
    <message>
        <source>The quick reading looks only at the day, the month and the two-hour slot through fixed tables; the exact one uses the minute and the birthplace, so the two can name different signs.</source>
        <translation>Die schnelle Deutung berücksichtigt nur Tag, Monat und das Zwei-Stunden-Fenster anhand fester Tabellen; die genaue nutzt die Minute und den Geburtsort, daher können beide verschiedene Zeichen nennen.</translation>
    </message>
    <message>
        <source>Clocks there did not yet keep standard time, so the local mean time of the birthplace (%1) is used.</source>
        <translation>Die Uhren dort gingen noch nicht nach Normalzeit, daher wird die mittlere Ortszeit des Geburtsortes (%1) verwendet.</translation>
    </message>
    <message>
        <source>Beyond the polar circle the ecliptic can stay wholly above or below the horizon for hours, so the Ascendant here is unreliable; the Imum Coeli and the Midheaven are exact.</source>
        <translation>Jenseits des Polarkreises kann die Ekliptik stundenlang ganz über oder unter dem Horizont bleiben, daher ist der Aszendent hier unzuverlässig; Imum Coeli und Medium Coeli sind genau.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>latitude, longitude</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1°%2′ N</source>
        <translation>%1°%2′ N</translation>
    </message>
    <message>
        <source>%1°%2′ S</source>
        <translation>%1°%2′ S</translation>
    </message>
    <message>
        <source>%1°%2′ E</source>
        <translation>%1°%2′ O</translation>
    </message>
    <message>
        <source>%1°%2′ W</source>
        <translation>%1°%2′ W</translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>went back from %1 on %2 to %3 on %4</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>wurden von %1 am %2 auf %3 am %4 zurückgestellt</translation>
    </message>
    <message>
        <source>jumped from %1 on %2 to %3 on %4</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>wurden von %1 am %2 auf %3 am %4 vorgestellt</translation>
    </message>
    <message>
        <source>went back from %1 to %2 on %3</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>wurden am %3 von %1 auf %2 zurückgestellt</translation>
    </message>
    <message>
        <source>jumped from %1 to %2 on %3</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>wurden am %3 von %1 auf %2 vorgestellt</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two changes of the clocks</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>changes of the clocks before the last</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <comment>a clock time on a day</comment>
        <translation>%1 am %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>format of a day with its year</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>format of a day without its year</comment>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4, so %5 never happened there.</source>
        <translation>Die Uhren wurden dort von %1 am %2 auf %3 am %4 vorgestellt, daher gab es dort den %5 nie.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4, so the days from %5 to %6 never happened there.</source>
        <translation>Die Uhren wurden dort von %1 am %2 auf %3 am %4 vorgestellt, daher gab es dort die Tage vom %5 bis %6 nie.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4, so %5 on %6 never showed there.</source>
        <translation>Die Uhren wurden dort von %1 am %2 auf %3 am %4 vorgestellt, daher zeigten sie dort %5 am %6 nie.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 to %2 on %3, so %4 never showed there.</source>
        <translation>Die Uhren wurden dort am %3 von %1 auf %2 vorgestellt, daher zeigten sie dort %4 nie.</translation>
    </message>
    <message numerus="yes">
        <source>%1 showed %n times on the clocks there.</source>
        <comment>%1: a clock time on a day</comment>
        <translation>
            <numerusform>%1 erschien dort %n-mal auf den Uhren.</numerusform>
            <numerusform>%1 erschien dort %n-mal auf den Uhren.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clocks there went back from %1 on %2 to %3 on %4, so %5 on %6 showed twice there.</source>
        <translation>Die Uhren dort wurden von %1 am %2 auf %3 am %4 zurückgestellt, daher zeigten sie dort %5 am %6 zweimal.</translation>
    </message>
    <message>
        <source>The clocks there went back from %1 to %2 on %3, so %4 showed twice there.</source>
        <translation>Die Uhren dort wurden am %3 von %1 auf %2 zurückgestellt, daher zeigten sie dort %4 zweimal.</translation>
    </message>
    <message>
        <source>The clocks there %1, so %2 showed twice there.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>Die Uhren dort %1, daher erschien %2 dort zweimal.</translation>
    </message>
    <message numerus="yes">
        <source>The clocks there %1, so %2 showed %n times there.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>
            <numerusform>Die Uhren dort %1, daher erschien %2 dort %n-mal.</numerusform>
            <numerusform>Die Uhren dort %1, daher erschien %2 dort %n-mal.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clocks there went back from %1 on %2 to %3 on %4 during this slot, so it lasted %5.</source>
        <translation>Die Uhren dort wurden in diesem Zeitfenster von %1 am %2 auf %3 am %4 zurückgestellt, daher dauerte es %5.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4 during this slot, so it lasted %5.</source>
        <translation>Die Uhren wurden dort in diesem Zeitfenster von %1 am %2 auf %3 am %4 vorgestellt, daher dauerte es %5.</translation>
    </message>
    <message>
        <source>The clocks there went back from %1 to %2 on %3 during this slot, so it lasted %4.</source>
        <translation>Die Uhren dort wurden in diesem Zeitfenster am %3 von %1 auf %2 zurückgestellt, daher dauerte es %4.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 to %2 on %3 during this slot, so it lasted %4.</source>
        <translation>Die Uhren wurden dort in diesem Zeitfenster am %3 von %1 auf %2 vorgestellt, daher dauerte es %4.</translation>
    </message>
    <message>
        <source>The clocks there %1 during this slot, so it lasted %2.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>Die Uhren dort %1 in diesem Zeitfenster, daher dauerte es %2.</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT the day before</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 UT am Vortag</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT the next day</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 UT am Folgetag</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 UT</translation>
    </message>
    <message>
        <source>No minute of this slot showed on the clocks there. %1</source>
        <comment>%1: what the clocks did</comment>
        <translation>Keine Minute dieses Zeitfensters erschien dort auf den Uhren. %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <comment>a sign from a clock time</comment>
        <translation>%1 ab %2</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <comment>a sign from a clock time and its clock</comment>
        <translation>%1 ab %2 %3</translation>
    </message>
    <message>
        <source>%1, the middle of the slot</source>
        <comment>the time used</comment>
        <translation>%1, die Mitte des Zeitfensters</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a place&apos;s name and where it lies</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the last two parts of a length of time</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>parts of a length of time before the last</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>format of the first day of a month, with its year</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>format of the first day of a month, without its year</comment>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>Not a two-hour slot: “%1”. Give one as the quick reading lists it, such as %2.</source>
        <translation>Kein Zwei-Stunden-Fenster: „%1“. Geben Sie eines so an, wie es die schnelle Deutung nennt, etwa %2.</translation>
    </message>
    <message>
        <source>Clocks there did not yet keep standard time, so the local mean time of the birthplace is used, counted from either side of the date line: %1 and %2.</source>
        <translation>Die Uhren dort gingen noch nicht nach Normalzeit, daher wird die mittlere Ortszeit des Geburtsortes verwendet, von beiden Seiten der Datumsgrenze aus gezählt: %1 und %2.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, the nadir sign is the sign of the lowest point of the ecliptic beneath the birthplace at the moment of birth. By the rising sign, as the quick reading counts, it is the sign three on from the one rising in the east at that moment: the fourth house of those who count houses by whole signs.</source>
        <translation>Nach dem Imum Coeli ist das Nadir-Zeichen das Zeichen des tiefsten Punkts der Ekliptik unter dem Geburtsort im Moment der Geburt. Nach dem Aszendenten, wie die schnelle Deutung zählt, ist es das dritte Zeichen nach dem, das in diesem Moment im Osten aufsteigt: das vierte Haus für alle, die Häuser nach ganzen Zeichen zählen.</translation>
    </message>
    <message>
        <source>Nadir sign: %1, by the Imum Coeli. Counted from the rising sign, as the quick reading counts, it would be %2, but beyond the polar circle the rising sign is unreliable.</source>
        <translation>Nadir-Zeichen: %1, nach dem Imum Coeli. Vom Aszendenten aus gezählt, wie die schnelle Deutung zählt, wäre es %2, doch jenseits des Polarkreises ist der Aszendent unzuverlässig.</translation>
    </message>
    <message>
        <source>Nadir sign: %1, by the IC and by the rising sign alike</source>
        <translation>Nadir-Zeichen: %1, nach dem IC wie nach dem Aszendenten</translation>
    </message>
    <message>
        <source>Your rising sign is %1, so counted as the quick reading counts, your nadir sign is %2; the lowest point of the sky itself, the Imum Coeli, lies in %3.</source>
        <translation>Ihr Aszendent ist %1; so gezählt, wie die schnelle Deutung zählt, ist Ihr Nadir-Zeichen daher %2. Der tiefste Punkt des Himmels selbst, das Imum Coeli, liegt jedoch im Zeichen %3.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Nach dem Imum Coeli wechselt Ihr Nadir-Zeichen um %2, %3 später, ins Zeichen %1.</translation>
    </message>
    <message>
        <source>Counted from the rising sign, your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Vom Aszendenten aus gezählt wechselt Ihr Nadir-Zeichen um %2, %3 später, ins Zeichen %1.</translation>
    </message>
    <message>
        <source>Your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Ihr Nadir-Zeichen wechselt um %2, %3 später, ins Zeichen %1.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Nach dem Imum Coeli war Ihr Nadir-Zeichen bis %2, %3 früher, noch das Zeichen %1.</translation>
    </message>
    <message>
        <source>Counted from the rising sign, your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Vom Aszendenten aus gezählt war Ihr Nadir-Zeichen bis %2, %3 früher, noch das Zeichen %1.</translation>
    </message>
    <message>
        <source>Your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Ihr Nadir-Zeichen war bis %2, %3 früher, noch das Zeichen %1.</translation>
    </message>
    <message>
        <source>DD</source>
        <comment>a day in a date&apos;s hint</comment>
        <translation>TT</translation>
    </message>
    <message>
        <source>MM</source>
        <comment>a month in a date&apos;s hint</comment>
        <translation>MM</translation>
    </message>
    <message>
        <source>YYYY</source>
        <comment>a year in a date&apos;s hint</comment>
        <translation>JJJJ</translation>
    </message>
    <message>
        <source>Not a date: “%1”. Give it as %2 or %3.</source>
        <translation>Kein Datum: „%1“. Geben Sie es als %2 oder %3 an.</translation>
    </message>
    <message>
        <source>The year in “%1” needs all four digits: give the date as %2.</source>
        <translation>Das Jahr in „%1“ braucht alle vier Ziffern: Geben Sie das Datum als %2 an.</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <comment>a time&apos;s hint</comment>
        <translation>HH:MM</translation>
    </message>
    <message>
        <source>Not a time of day: “%1”. Give it as %2.</source>
        <translation>Keine Uhrzeit: „%1“. Geben Sie sie als %2 an.</translation>
    </message>
    <message>
        <source>The quick reading counts the tropical zodiac.</source>
        <translation>Die schnelle Deutung zählt im tropischen Tierkreis.</translation>
    </message>
    <message>
        <source>less than a second</source>
        <translation>weniger als eine Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>%n second</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Lahiri</source>
        <comment>an ayanamsa, named after its author</comment>
        <translation>Lahiri</translation>
    </message>
    <message>
        <source>Raman</source>
        <comment>an ayanamsa, named after its author</comment>
        <translation>Raman</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <comment>an ayanamsa, named after its author</comment>
        <translation>Krishnamurti</translation>
    </message>
    <message>
        <source>Fagan/Bradley</source>
        <comment>an ayanamsa, named after its two authors</comment>
        <translation>Fagan/Bradley</translation>
    </message>
    <message>
        <source>tropical zodiac</source>
        <translation>tropischer Tierkreis</translation>
    </message>
    <message>
        <source>sidereal zodiac, %1 ayanamsa %2°%3′</source>
        <comment>%1: the ayanamsa&apos;s name; %2 and %3: its degrees and minutes</comment>
        <translation>siderischer Tierkreis, Ayanamsa nach %1 %2°%3′</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a text naming signs, and their zodiac</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Tropical</source>
        <comment>the zodiac to choose</comment>
        <translation>Tropisch</translation>
    </message>
    <message>
        <source>Sidereal (%1)</source>
        <comment>%1: the ayanamsa&apos;s name</comment>
        <translation>Siderisch (%1)</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>You will love being young all your life. But with age you will also respect the experience that you have gained through your life.</source>
        <translation>Sie werden Ihr ganzes Leben lang gern jung sein. Mit den Jahren werden Sie aber auch die Erfahrung schätzen, die Sie im Lauf Ihres Lebens gewonnen haben.</translation>
    </message>
    <message>
        <source>You will believe in nourishing and caring the old fashioned way. To know that your family is eating and sleeping well will matter a lot to you. You will also make it a point to be financially stable.</source>
        <translation>Sie werden an Versorgen und Umsorgen auf die altmodische Art glauben. Zu wissen, dass Ihre Familie gut isst und gut schläft, wird Ihnen viel bedeuten. Auch auf finanzielle Sicherheit werden Sie großen Wert legen.</translation>
    </message>
    <message>
        <source>You will lead a very unstable life. You may move or relocate a lot and thus find yourself at a new place every few days, months or years. You will be comfortable with technology.</source>
        <translation>Sie werden ein sehr unstetes Leben führen. Vielleicht ziehen Sie oft um und finden sich so alle paar Tage, Monate oder Jahre an einem neuen Ort wieder. Mit Technik werden Sie gut zurechtkommen.</translation>
    </message>
    <message>
        <source>You will not be able to stick to a single place. You will wander through many places before you find a place that you can call your home.</source>
        <translation>Sie werden es nicht lange an einem Ort aushalten. Sie werden durch viele Orte ziehen, bevor Sie einen finden, den Sie Ihr Zuhause nennen können.</translation>
    </message>
    <message>
        <source>People may find you arrogant and overbearing. You will be like the mother lion and expect to be respected. You will be self sacrificing for your family.</source>
        <translation>Andere halten Sie vielleicht für arrogant und herrisch. Sie werden wie eine Löwenmutter sein und Respekt erwarten. Für Ihre Familie werden Sie sich aufopfern.</translation>
    </message>
    <message>
        <source>You care a lot about other people&apos;s feelings. You are more expressive in written communication than oral.</source>
        <translation>Die Gefühle anderer Menschen liegen Ihnen sehr am Herzen. Schriftlich drücken Sie sich besser aus als mündlich.</translation>
    </message>
    <message>
        <source>You will believe in yourself and always trust people. You set yourself very high ideals and strive to stand by them. You can fight people but at the same time need a peaceful and happy atmosphere.</source>
        <translation>Sie werden an sich glauben und Menschen immer vertrauen. Sie setzen sich sehr hohe Ideale und bemühen sich, ihnen treu zu bleiben. Sie können mit anderen streiten, brauchen aber zugleich eine friedliche und fröhliche Umgebung.</translation>
    </message>
    <message>
        <source>Your home is your secret hiding place where you will hide from the world. You will crave for privacy.</source>
        <translation>Ihr Zuhause ist Ihr geheimes Versteck, in dem Sie sich vor der Welt verbergen. Sie werden sich nach Ungestörtheit sehnen.</translation>
    </message>
    <message>
        <source>You will not live at one place. You will be religious.</source>
        <translation>Sie werden nicht an einem Ort leben. Sie werden religiös sein.</translation>
    </message>
    <message>
        <source>You will never be happy with your life if you keep looking at the bits and pieces. Learn to enjoy yourself and have a happy time with your family. You may have seen separation from one parent. You will be highly responsible.</source>
        <translation>Sie werden mit Ihrem Leben nie glücklich sein, wenn Sie immer nur auf Kleinigkeiten schauen. Lernen Sie, das Leben zu genießen und mit Ihrer Familie eine glückliche Zeit zu verbringen. Vielleicht haben Sie die Trennung von einem Elternteil erlebt. Sie werden sehr verantwortungsbewusst sein.</translation>
    </message>
    <message>
        <source>You will overdo things for your family. Even if you are not in a physical or mental position to help people, you will never give up. Family will not mean a normal life but something different.</source>
        <translation>Für Ihre Familie werden Sie des Guten zu viel tun. Selbst wenn Sie körperlich oder seelisch nicht in der Lage sind, anderen zu helfen, werden Sie nie aufgeben. Familie wird für Sie kein gewöhnliches Leben bedeuten, sondern etwas anderes.</translation>
    </message>
    <message>
        <source>You will be comfortable with people who are gentle and loving. You will also plan for the future so that others can enjoy the fruits of your labor.</source>
        <translation>Bei sanften und liebevollen Menschen werden Sie sich wohlfühlen. Sie werden auch für die Zukunft planen, damit andere die Früchte Ihrer Arbeit genießen können.</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
</context>
<context>
    <name>PlaceList</name>
    <message>
        <source>Places found</source>
        <translation>Gefundene Orte</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>Die Anwendung läuft bereits</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Für diese Software gibt es vielleicht ein Update<byte value="xd"/>Möchten Sie nach einem Update suchen?</translation>
    </message>
</context>
<context>
    <name>ReadingCard</name>
    <message>
        <source>Data used</source>
        <translation>Verwendete Daten</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>Orte: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>A reading can be saved as %1, not as “%2”.</source>
        <translation>Ein Ergebnis lässt sich als %1 speichern, nicht als „%2“.</translation>
    </message>
    <message>
        <source>The card could not be drawn.</source>
        <translation>Die Karte konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>%1, %2 or %3</source>
        <comment>the endings a card can be saved with</comment>
        <translation>%1, %2 oder %3</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the endings a card can be saved with</comment>
        <translation>%1 oder %2</translation>
    </message>
</context>
<context>
    <name>TimeSlot</name>
    <message>
        <source>4am-6am</source>
        <extracomment>A two-hour slot of the day of birth, in the style of the language&apos;s clocks; the list is narrow.</extracomment>
        <translation>4–6 Uhr</translation>
    </message>
    <message>
        <source>2am-4am</source>
        <translation>2–4 Uhr</translation>
    </message>
    <message>
        <source>midnight-2am</source>
        <translation>0–2 Uhr</translation>
    </message>
    <message>
        <source>10pm-midnight</source>
        <translation>22–24 Uhr</translation>
    </message>
    <message>
        <source>8pm-10pm</source>
        <translation>20–22 Uhr</translation>
    </message>
    <message>
        <source>6pm-8pm</source>
        <translation>18–20 Uhr</translation>
    </message>
    <message>
        <source>4pm-6pm</source>
        <translation>16–18 Uhr</translation>
    </message>
    <message>
        <source>2pm-4pm</source>
        <translation>14–16 Uhr</translation>
    </message>
    <message>
        <source>noon-2pm</source>
        <translation>12–14 Uhr</translation>
    </message>
    <message>
        <source>10am-noon</source>
        <translation>10–12 Uhr</translation>
    </message>
    <message>
        <source>8am-10am</source>
        <translation>8–10 Uhr</translation>
    </message>
    <message>
        <source>6am-8am</source>
        <translation>6–8 Uhr</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The most popular online discussion board and the best resource for astrology and the occult on the Internet. Visit %1 Now</source>
        <translation>Das beliebteste Diskussionsforum und die beste Quelle für Astrologie und Okkultes im Internet. Besuchen Sie jetzt %1</translation>
    </message>
</context>
<context>
    <name>ZodiacSign</name>
    <message>
        <source>Aries</source>
        <extracomment>The sign&apos;s name as astrologers of the language write it.</extracomment>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. This is what makes you comfortable in life. This stands for security and stability.</source>
        <translation>Quorvis steht für Anfang und Ende eines Menschenlebens. Das Imum Coeli (die Himmelstiefe) oder der Nadir ist der tiefste Punkt des Horoskops. Er verrät Ihnen mehr darüber, was Sie sich im Leben wünschen: im Privatleben, in Familie und Kindern, im Umsorgen und Lieben. Er zeigt, was Ihnen im Leben Geborgenheit gibt. Er steht für Sicherheit und Beständigkeit.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Öffnet die Startseite des Herstellers in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Öffnet die Seite zum Angebot mit Ihrer eigenen Marke in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Hier klicken für mehr Einzelheiten</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause. Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Holen Sie sich diese Software ganz mit der Marke Ihrer Website.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Quorvis icon</source>
        <translation>Quorvis-Symbol</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Hier klicken, um %1 zu besuchen</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Öffnet die Seite zum Co-Branding-Angebot in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Versehen Sie diese Software mit dem Namen Ihrer Website.  Mehr Treue und mehr Besucher für Ihre Website. Name &amp;  Link Ihrer Website kommen hierher. Einzelheiten unter „Hilfe“.    Hier klicken für mehr über Co-Branding.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Öffnet die Seite zum Angebot mit Ihrer eigenen Marke in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause. Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Holen Sie sich diese Software ganz mit der Marke Ihrer Website. Hier klicken für mehr Einzelheiten.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quorvis Result</source>
        <translation>Quorvis-Ergebnis</translation>
    </message>
    <message>
        <source>Nadir Sign</source>
        <translation>Nadir-Zeichen</translation>
    </message>
    <message>
        <source>Your Nadir Sign Is In</source>
        <translation>Ihr Nadir steht im Zeichen</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Deutung</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Bild des Zeichens</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Öffnet die Startseite des Herstellers in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Meinen genauen &amp;Nadir finden…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Info zur Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
</context>
<context>
    <name>frmExact</name>
    <message>
        <source>Birth</source>
        <translation>Geburt</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;Date of birth</source>
        <translation>&amp;Geburtsdatum</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>&amp;Time of birth</source>
        <translation>Geburts&amp;zeit</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Geburtszeit</translation>
    </message>
    <message>
        <source>I &amp;know only the two-hour slot</source>
        <translation>I&amp;ch kenne nur das Zwei-Stunden-Fenster</translation>
    </message>
    <message>
        <source>I know only the two-hour slot</source>
        <translation>Ich kenne nur das Zwei-Stunden-Fenster</translation>
    </message>
    <message>
        <source>Two-hour sl&amp;ot</source>
        <translation>Zwei-Stunden-&amp;Fenster</translation>
    </message>
    <message>
        <source>Two-hour slot</source>
        <translation>Zwei-Stunden-Fenster</translation>
    </message>
    <message>
        <source>&amp;Birthplace</source>
        <translation>Geburts&amp;ort</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Geburtsort</translation>
    </message>
    <message>
        <source>Type the first letters of a town</source>
        <translation>Tippen Sie die ersten Buchstaben eines Ortes</translation>
    </message>
    <message>
        <source>Enter &amp;coordinates instead</source>
        <translation>&amp;Koordinaten eingeben</translation>
    </message>
    <message>
        <source>Enter coordinates instead</source>
        <translation>Koordinaten eingeben</translation>
    </message>
    <message>
        <source>L&amp;atitude</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>degrees, north positive: 51.51</source>
        <translation>Grad, Nord positiv: 51,51</translation>
    </message>
    <message>
        <source>Longit&amp;ude</source>
        <translation>&amp;Länge</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>degrees, east positive: -0.13</source>
        <translation>Grad, Ost positiv: -0,13</translation>
    </message>
    <message>
        <source>Time &amp;zone</source>
        <translation>Zei&amp;tzone</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Europe/London or +01:00</source>
        <translation>Europe/London oder +01:00</translation>
    </message>
    <message>
        <source>Exact reading</source>
        <translation>Genaues Ergebnis</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>Orte: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Save Reading…</source>
        <translation>Ergebnis &amp;speichern…</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Ko&amp;pieren</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Exact Nadir - %1</source>
        <translation>Genauer Nadir – %1</translation>
    </message>
    <message>
        <source>During the slot: %1</source>
        <translation>Im Zeitfenster: %1</translation>
    </message>
    <message>
        <source>During the slot: %1. %2</source>
        <comment>%2: what the clocks did</comment>
        <translation>Im Zeitfenster: %1. %2</translation>
    </message>
    <message>
        <source>Give the date, the time and the place of birth to see the exact nadir.</source>
        <translation>Geben Sie Datum, Uhrzeit und Ort der Geburt an, um den genauen Nadir zu sehen.</translation>
    </message>
    <message>
        <source>Exact nadir reading</source>
        <translation>Genaues Nadir-Ergebnis</translation>
    </message>
    <message>
        <source>Exact nadir reading for %1</source>
        <translation>Genaues Nadir-Ergebnis für %1</translation>
    </message>
    <message>
        <source>No reading yet</source>
        <translation>Noch kein Ergebnis</translation>
    </message>
    <message>
        <source>Reading shown: %1</source>
        <translation>Gezeigtes Ergebnis: %1</translation>
    </message>
    <message>
        <source>Born %1 at %2</source>
        <translation>Geboren am %1 um %2</translation>
    </message>
    <message>
        <source>Time used: %1</source>
        <translation>Verwendete Zeit: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Ort: %1</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Save Reading</source>
        <translation>Ergebnis speichern</translation>
    </message>
    <message>
        <source>Born %1, %2</source>
        <translation>Geboren am %1, %2</translation>
    </message>
    <message>
        <source>Interpret the sign of the &amp;Imum Coeli</source>
        <translation>Das Zeichen des I&amp;mum Coeli deuten</translation>
    </message>
    <message>
        <source>Interpret the sign counted from the &amp;rising sign</source>
        <translation>Das vom &amp;Aszendenten aus gezählte Zeichen deuten</translation>
    </message>
    <message>
        <source>Your nadir sign, %1</source>
        <translation>Ihr Nadir-Zeichen: %1</translation>
    </message>
    <message>
        <source>Your nadir sign counted from the rising sign, %1</source>
        <translation>Ihr Nadir-Zeichen, vom Aszendenten aus gezählt: %1</translation>
    </message>
    <message>
        <source>Your nadir sign by the Imum Coeli, %1</source>
        <translation>Ihr Nadir-Zeichen nach dem Imum Coeli: %1</translation>
    </message>
    <message>
        <source>The reading could not be saved to %1.

%2</source>
        <translation>Das Ergebnis konnte nicht unter %1 gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Ne&amp;w Reading</source>
        <translation>Neue &amp;Eingabe</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Zodiac</source>
        <translation>Tierkreis</translation>
    </message>
    <message>
        <source>No place called “%1” in the list, which holds towns of %L2 people or more. Enter coordinates instead?</source>
        <translation>Kein Ort namens „%1“ in der Liste, die Orte ab %L2 Einwohnern enthält. Stattdessen Koordinaten eingeben?</translation>
    </message>
    <message>
        <source>Exact nadir reading</source>
        <comment>a file name</comment>
        <translation>Genauer Nadir</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert unter %1</translation>
    </message>
    <message>
        <source>Print Reading</source>
        <translation>Ergebnis drucken</translation>
    </message>
    <message>
        <source>The reading could not be printed: the printer could not be started.</source>
        <translation>Das Ergebnis konnte nicht gedruckt werden: Der Drucker ließ sich nicht starten.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Öffnet die Seite zum Co-Branding-Angebot in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Versehen Sie diese Software mit dem Namen Ihrer Website.  Mehr Treue und mehr Besucher für Ihre Website. Name &amp;  Link Ihrer Website kommen hierher. Einzelheiten unter „Hilfe“.    Hier klicken für mehr über Co-Branding.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Öffnet die Seite zum Angebot mit Ihrer eigenen Marke in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause. Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Holen Sie sich diese Software ganz mit der Marke Ihrer Website. Hier klicken für mehr Einzelheiten.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. Get your reading now!</source>
        <translation>Quorvis steht für Anfang und Ende eines Menschenlebens. Das Imum Coeli (die Himmelstiefe) oder der Nadir ist der tiefste Punkt des Horoskops. Er verrät Ihnen mehr darüber, was Sie sich im Leben wünschen: im Privatleben, in Familie und Kindern, im Umsorgen und Lieben. Holen Sie sich jetzt Ihre Deutung!</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Geben Sie Ihre Daten richtig ein und erfahren Sie mehr über sich </translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Ihre Angaben</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name:-</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Date Of Birth:-</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Time Of Birth</source>
        <translation>Geburtszeit</translation>
    </message>
    <message>
        <source>Time Of Birth:-</source>
        <translation>Geburtszeit:</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Öffnet die Startseite des Herstellers in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Find My &amp;Quorvis Sign</source>
        <translation>Mein &amp;Quorvis-Zeichen finden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Meinen genauen &amp;Nadir finden…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Info zur Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet !</source>
        <extracomment>In a translated window the name takes the letters of every script, and spaces: say that.</extracomment>
        <translation>Bitte geben Sie nur Buchstaben und Leerzeichen ein.</translation>
    </message>
</context>
<context>
    <name>frmPromotion</name>
    <message>
        <source>Quorvis icon</source>
        <translation>Quorvis-Symbol</translation>
    </message>
    <message>
        <source>Opens the Pellmark home page in your web browser</source>
        <translation>Öffnet die Startseite von Pellmark in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt weiterempfehlen</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Download Pellmark Softwares</source>
        <translation>Pellmark-Software herunterladen</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Pellmark Softwares. From a single software, we have now grown to become the world’s largest resource of pellmark softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Pellmark Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Wenn Ihnen diese Software gefallen hat, interessieren Sie sich sicher auch für unsere andere Pellmark-Software. Aus einem einzigen Programm ist die weltweit größte Sammlung von Pellmark-Software geworden. Ob Astrologie, Hellsehen, Tarot, Numerologie oder Okkultes: Wir haben Programme für jedes Gebiet, und unsere Nutzer haben je nach ihren Interessen eine große Auswahl.                                                             Alle Programme der Pellmark-Software sind einfach und leicht zu bedienen. Sie machen nicht nur Spaß, sondern sind auch sehr aufschlussreich. Probieren Sie sie noch heute aus und erzählen Sie Ihren Freunden und Ihrer Familie davon. </translation>
    </message>
    <message>
        <source>Opens the Pellmark Softwares page in your web browser</source>
        <translation>Öffnet die Seite der Pellmark-Software in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Click Here To Visit Pellmark Softwares</source>
        <translation>Hier klicken für die Pellmark-Software</translation>
    </message>
    <message>
        <source>Pellmark Softwares, such as this can be created and maintained only with your support. The best way to support Pellmark is to visit Pellmark regularly and take part in the discussions and other activities on the board.</source>
        <translation>Software von Pellmark wie diese kann nur mit Ihrer Unterstützung entstehen und gepflegt werden. Am besten unterstützen Sie Pellmark, indem Sie Pellmark regelmäßig besuchen und sich an den Diskussionen und anderen Aktivitäten im Forum beteiligen.</translation>
    </message>
    <message>
        <source>Visit Pellmark regularly. Support Pellmark by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Pellmark</source>
        <translation>Besuchen Sie Pellmark regelmäßig. Unterstützen Sie Pellmark, indem Sie sich an den Diskussionen und anderen Aktivitäten beteiligen. Ohne Ihre regelmäßigen Besuche bei Pellmark kann diese Software nicht betreut und gepflegt werden</translation>
    </message>
    <message>
        <source>Pellmark is a FREE online discussion forum on astrology, psychic, tarot, numerology and the occult. Visit Pellmark regularly to help us develop and maintain this software.</source>
        <translation>Pellmark ist ein KOSTENLOSES Online-Diskussionsforum über Astrologie, Hellsehen, Tarot, Numerologie und Okkultes. Besuchen Sie Pellmark regelmäßig und helfen Sie uns so, diese Software weiterzuentwickeln und zu pflegen.</translation>
    </message>
    <message>
        <source>Pellmark needs your help. All you need to do is visit Pellmark regularly and take part in the various discussions and activites to help us maintain and develop more Pellmark Softwares.</source>
        <translation>Pellmark braucht Ihre Hilfe. Sie müssen nur Pellmark regelmäßig besuchen und sich an den vielen Diskussionen und Aktivitäten beteiligen, damit wir weitere Pellmark-Software pflegen und entwickeln können.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Hier klicken und %1 jetzt besuchen</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Die E-Mail-Adresse darf keine Leerzeichen enthalten</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
</context>
</TS>
