<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Angles</name>
    <message>
        <source>The latitude is that of a pole (90°), where the meridian and so the Midheaven are undefined.</source>
        <translation>La latitude est celle d’un pôle (90°), où le méridien, et donc le Milieu du Ciel, ne sont pas définis.</translation>
    </message>
    <message>
        <source>The latitude must lie between -90° and 90°.</source>
        <translation>La latitude doit être comprise entre -90° et 90°.</translation>
    </message>
    <message>
        <source>The longitude must lie between -180° and 180°.</source>
        <translation>La longitude doit être comprise entre -180° et 180°.</translation>
    </message>
    <message>
        <source>The instant lies outside the years the chart angles are computed for.</source>
        <translation>L’instant se situe hors des années pour lesquelles les angles du thème sont calculés.</translation>
    </message>
</context>
<context>
    <name>BirthDetails</name>
    <message>
        <source>Please Enter Your Name !</source>
        <translation>Veuillez saisir votre nom&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Veuillez saisir un jour ou un mois valide&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Veuillez saisir un jour ou un mois valide&#xa0;!</translation>
    </message>
</context>
<context>
    <name>ChartWheel</name>
    <message>
        <source>Chart wheel</source>
        <translation>Roue du thème</translation>
    </message>
    <message>
        <source>No chart yet: give the date, the time and the place of birth.</source>
        <translation>Pas encore de thème&#xa0;: indiquez la date, l’heure et le lieu de naissance.</translation>
    </message>
    <message>
        <source>Ascendant %1, Midheaven %2, Descendant %3, Imum Coeli %4</source>
        <translation>Ascendant %1, Milieu du Ciel %2, Descendant %3, Fond du Ciel %4</translation>
    </message>
    <message>
        <source>ASC</source>
        <comment>Ascendant, on the wheel</comment>
        <translation>AS</translation>
    </message>
    <message>
        <source>DSC</source>
        <comment>Descendant, on the wheel</comment>
        <translation>DS</translation>
    </message>
    <message>
        <source>MC</source>
        <comment>Midheaven, on the wheel</comment>
        <translation>MC</translation>
    </message>
    <message>
        <source>IC</source>
        <comment>Imum Coeli, on the wheel</comment>
        <translation>FC</translation>
    </message>
    <message>
        <source>%1; the fourth house counted by whole signs, marked: %2</source>
        <comment>%1: the angles</comment>
        <translation>%1&#xa0;; quatrième maison en signes entiers, marquée&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ExactCommandLine</name>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>what was typed, in the quotation marks of the language</comment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Lieu&#xa0;:</translation>
    </message>
    <message>
        <source>Gap:</source>
        <translation>Heure inexistante&#xa0;:</translation>
    </message>
    <message>
        <source>Overlap:</source>
        <translation>Heure en double&#xa0;:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Note&#xa0;:</translation>
    </message>
    <message>
        <source>Local time:</source>
        <translation>Heure locale&#xa0;:</translation>
    </message>
    <message>
        <source>UT:</source>
        <translation>TU&#xa0;:</translation>
    </message>
    <message>
        <source>IC:</source>
        <translation>FC&#xa0;:</translation>
    </message>
    <message>
        <source>ASC:</source>
        <translation>AS&#xa0;:</translation>
    </message>
    <message>
        <source>MC:</source>
        <translation>MC&#xa0;:</translation>
    </message>
    <message>
        <source>Reading %1 of %2: %3</source>
        <translation>Résultat %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>No place matches &quot;%1&quot;.</source>
        <translation>Aucun lieu ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the version, and that of the tz data in use.</source>
        <translation>Afficher la version, et celle des données tz utilisées.</translation>
    </message>
    <message>
        <source>name</source>
        <comment>value of an option</comment>
        <translation>nom</translation>
    </message>
    <message>
        <source>Latitude, decimal degrees north (south &lt; 0).</source>
        <translation>Latitude, en degrés décimaux nord (sud &lt; 0).</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>value of an option</comment>
        <translation>degrés</translation>
    </message>
    <message>
        <source>Longitude, decimal degrees east (west &lt; 0).</source>
        <translation>Longitude, en degrés décimaux est (ouest &lt; 0).</translation>
    </message>
    <message>
        <source>Time zone of the place, a name of the tz database such as Europe/London, or an offset such as +01:00.</source>
        <translation>Fuseau horaire du lieu, un nom de la base tz comme Europe/London, ou un décalage comme +01:00.</translation>
    </message>
    <message>
        <source>Fixed offset of the local clock from UT, -12:00 to +14:00, e.g. +01:00.</source>
        <translation>Décalage fixe de l’horloge locale par rapport au TU, de -12:00 à +14:00, p. ex. +01:00.</translation>
    </message>
    <message>
        <source>Local date, %1 to %2.</source>
        <translation>Date locale, du %1 au %2.</translation>
    </message>
    <message>
        <source>Local clock time.</source>
        <translation>Heure locale.</translation>
    </message>
    <message>
        <source>List the first places a search finds, and stop (only --json may go with it).</source>
        <translation>Lister les premiers lieux trouvés par une recherche, puis s’arrêter (seul --json peut l’accompagner).</translation>
    </message>
    <message>
        <source>text</source>
        <comment>value of an option</comment>
        <translation>texte</translation>
    </message>
    <message>
        <source>Print one JSON object.</source>
        <translation>Afficher un objet JSON.</translation>
    </message>
    <message>
        <source>The exact Imum Coeli, Ascendant and Midheaven of a birth from its local date, time and place.</source>
        <translation>Le Fond du Ciel, l’Ascendant et le Milieu du Ciel exacts d’une naissance, d’après sa date, son heure
et son lieu.</translation>
    </message>
    <message>
        <source>Exit status: 0 for a reading (also when the local time fell in a clock change&apos;s gap or overlap) or a
place list; 1 when it cannot read because of the installed time-zone data or a failure of its own;
2 for input it cannot use.</source>
        <comment>the program wraps the lines</comment>
        <translation>Code de sortie&#xa0;: 0 pour un résultat (même si l’heure locale tombait dans le saut ou le doublon d’un
changement d’heure) ou une liste de lieux&#xa0;; 1 s’il ne peut calculer le résultat à cause des données de fuseaux
installées ou d’une erreur interne&#xa0;; 2 pour une saisie inutilisable.</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 est donné plus d’une fois</translation>
    </message>
    <message>
        <source>--places takes no other options (only --json), not -%1%2</source>
        <translation>--places n’accepte aucune autre option (seulement --json), pas -%1%2</translation>
    </message>
    <message>
        <source>give either --zone or --utc-offset, not both</source>
        <translation>donnez --zone ou --utc-offset, pas les deux</translation>
    </message>
    <message>
        <source>give either --place or --lat and --lon, not both</source>
        <translation>donnez --place ou bien --lat et --lon, pas les deux</translation>
    </message>
    <message>
        <source>give a place: --place NAME, or --lat and --lon with --zone or --utc-offset</source>
        <translation>donnez un lieu&#xa0;: --place NOM, ou --lat et --lon avec --zone ou --utc-offset</translation>
    </message>
    <message>
        <source>give both --lat and --lon</source>
        <translation>donnez à la fois --lat et --lon</translation>
    </message>
    <message>
        <source>give the local date with --date YYYY-MM-DD, and the time with --time HH:MM or the two-hour slot with --slot</source>
        <translation>donnez la date locale avec --date YYYY-MM-DD, et l’heure avec --time HH:MM ou la tranche de deux heures avec --slot</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>quorvis-exact %1
tz data %2
</source>
        <translation>quorvis-exact %1
données tz %2
</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvables</translation>
    </message>
    <message>
        <source>--places needs some text to search for</source>
        <translation>--places demande un texte à rechercher</translation>
    </message>
    <message>
        <source>zone</source>
        <comment>value of an option</comment>
        <translation>fuseau</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Tranche&#xa0;:</translation>
    </message>
    <message>
        <source>IC signs:</source>
        <comment>the IC&apos;s signs during a slot</comment>
        <translation>Signes FC&#xa0;:</translation>
    </message>
    <message>
        <source>Time used:</source>
        <translation>Heure utilisée&#xa0;:</translation>
    </message>
    <message>
        <source>Birth place: a name as --places lists it, or the best match of a search.</source>
        <translation>Lieu de naissance&#xa0;: un nom tel que l’affiche --places, ou la meilleure correspondance d’une recherche.</translation>
    </message>
    <message>
        <source>Only the two-hour slot, instead of --time, as the quick reading lists it, e.g. 2pm-4pm.</source>
        <translation>Seulement la tranche de deux heures, au lieu de --time, telle qu’elle apparaît dans la lecture rapide, p. ex. 14h-16h.</translation>
    </message>
    <message>
        <source>slot</source>
        <comment>value of an option</comment>
        <translation>tranche</translation>
    </message>
    <message>
        <source>took %1 for %2; to name another, write it as --places lists it, such as --place %3</source>
        <translation>lieu retenu pour %2&#xa0;: %1&#xa0;; pour en désigner un autre, écrivez-le comme l’affiche --places, par exemple --place %3</translation>
    </message>
    <message>
        <source>give either --time or --slot, not both</source>
        <translation>donnez --time ou --slot, pas les deux</translation>
    </message>
    <message>
        <source>cannot write the reading: %1</source>
        <translation>impossible d’écrire le résultat&#xa0;: %1</translation>
    </message>
    <message>
        <source>Zodiac:</source>
        <translation>Zodiaque&#xa0;:</translation>
    </message>
    <message>
        <source>The zodiac the signs are counted in: %1 (the default) or sidereal, by one of the ayanamsas %2.</source>
        <translation>Le zodiaque dans lequel les signes sont comptés&#xa0;: %1 (par défaut) ou sidéral, selon l’une des ayanamsas %2.</translation>
    </message>
    <message>
        <source>no place matches %1 (the list holds towns of %L2 people or more); --places TEXT lists what a search finds, or give the coordinates with --lat, --lon and --zone</source>
        <translation>aucun lieu ne correspond à %1 (la liste compte les villes de %L2&#xa0;habitants ou plus)&#xa0;; --places TEXTE liste ce que trouve une recherche, ou indiquez les coordonnées avec --lat, --lon et --zone</translation>
    </message>
    <message>
        <source>no zodiac %1; --zodiac takes %2</source>
        <translation>aucun zodiaque %1&#xa0;; --zodiac accepte %2</translation>
    </message>
</context>
<context>
    <name>ExactReading</name>
    <message>
        <source>The date must lie between %1 and %2.</source>
        <translation>La date doit être comprise entre le %1 et le %2.</translation>
    </message>
    <message>
        <source>Not a date: “%1”. Give it as YYYY-MM-DD.</source>
        <translation>Ce n’est pas une date&#xa0;: «&#xa0;%1&#xa0;». Indiquez-la sous la forme YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>There is no such date as “%1”.</source>
        <translation>La date «&#xa0;%1&#xa0;» n’existe pas.</translation>
    </message>
    <message>
        <source>Not a time of day: “%1”. Give it as HH:MM or HH:MM:SS, from 00:00 to 23:59:59.</source>
        <translation>Ce n’est pas une heure&#xa0;: «&#xa0;%1&#xa0;». Indiquez-la sous la forme HH:MM ou HH:MM:SS, de 00:00 à 23:59:59.</translation>
    </message>
    <message>
        <source>Not a latitude: “%1”. Give degrees from −90 to 90, north positive.</source>
        <translation>Ce n’est pas une latitude&#xa0;: «&#xa0;%1&#xa0;». Indiquez des degrés de −90 à 90, nord positif.</translation>
    </message>
    <message>
        <source>Not a longitude: “%1”. Give degrees from −180 to 180, east positive.</source>
        <translation>Ce n’est pas une longitude&#xa0;: «&#xa0;%1&#xa0;». Indiquez des degrés de −180 à 180, est positif.</translation>
    </message>
    <message>
        <source>Unknown time zone “%1”: give one such as Europe/London, or an offset from −12:00 to +14:00 such as +01:00.</source>
        <translation>Fuseau horaire inconnu «&#xa0;%1&#xa0;»&#xa0;: indiquez-en un comme Europe/London, ou un décalage de −12:00 à +14:00 comme +01:00.</translation>
    </message>
    <message>
        <source>Not an offset from UTC: “%1”. Give one from −12:00 to +14:00 such as +01:00.</source>
        <translation>Ce n’est pas un décalage par rapport à UTC&#xa0;: «&#xa0;%1&#xa0;». Indiquez-en un de −12:00 à +14:00, comme +01:00.</translation>
    </message>
    <message>
        <source>%1°%2′ %3</source>
        <comment>degrees, minutes and sign of a position in the zodiac</comment>
        <translation>%1°%2′ %3</translation>
    </message>
    <message>
        <source>%1, before the jump</source>
        <comment>a UTC offset</comment>
        <translation>%1, avant le saut</translation>
    </message>
    <message>
        <source>%1, after the jump</source>
        <comment>a UTC offset</comment>
        <translation>%1, après le saut</translation>
    </message>
    <message>
        <source>Both readings are given, with the offset before the jump and with the one after.</source>
        <translation>Les deux résultats sont donnés, avec le décalage d’avant le changement d’heure et avec celui d’après.</translation>
    </message>
    <message>
        <source>%1, local mean time</source>
        <comment>a UTC offset</comment>
        <translation>%1, heure moyenne locale</translation>
    </message>
    <message>
        <source>%1, summer time</source>
        <comment>a UTC offset</comment>
        <translation>%1, heure d’été</translation>
    </message>
    <message>
        <source>%1, standard time</source>
        <comment>a UTC offset</comment>
        <translation>%1, heure normale</translation>
    </message>
    <message>
        <source>Both readings are given, the earlier first.</source>
        <translation>Les deux résultats sont donnés, dans l’ordre chronologique.</translation>
    </message>
    <message numerus="yes">
        <source>All %n readings are given, the earliest first.</source>
        <translation>
            <numerusform>Les %n résultats sont donnés, le plus tôt d’abord.</numerusform>
            <numerusform>Les %n résultats sont donnés, le plus tôt d’abord.</numerusform>
        </translation>
    </message>
    <message>
        <source>The local time could not be turned into Universal Time.</source>
        <translation>L’heure locale n’a pas pu être convertie en temps universel.</translation>
    </message>
    <message>
        <source>The time of birth is not a time of day.</source>
        <translation>L’heure de naissance n’est pas une heure de la journée.</translation>
    </message>
    <message>
        <source>The two-hour slot must be one of the twelve.</source>
        <translation>La tranche de deux heures doit être l’une des douze.</translation>
    </message>
    <message>
        <source>This build does not know %1, the time zone of %2.</source>
        <translation>Cette version ne connaît pas %1, le fuseau horaire de %2.</translation>
    </message>
    <message>
        <source>Give the place&apos;s time zone or its offset from UTC.</source>
        <translation>Indiquez le fuseau horaire du lieu ou son décalage par rapport à UTC.</translation>
    </message>
    <message>
        <source>Imum Coeli %1</source>
        <translation>Fond du Ciel %1</translation>
    </message>
    <message>
        <source>Ascendant %1</source>
        <translation>Ascendant %1</translation>
    </message>
    <message>
        <source>Midheaven %1</source>
        <translation>Milieu du Ciel %1</translation>
    </message>
    <message>
        <source>The time-zone data installed here has no zone %1.</source>
        <translation>Les données de fuseaux installées ici n’ont pas de fuseau %1.</translation>
    </message>
    <message>
        <source>Quick reading for the same day and slot: %1</source>
        <translation>Lecture rapide pour le même jour et la même tranche&#xa0;: %1</translation>
    </message>
    <message>
        <source>The quick reading looks only at the day, the month and the two-hour slot through fixed tables; the exact one uses the minute and the birthplace, so the two can name different signs.</source>
        <translation>La lecture rapide ne tient compte que du jour, du mois et de la tranche de deux heures, au moyen de tables fixes&#xa0;; la lecture exacte utilise la minute et le lieu de naissance, si bien que les deux peuvent donner des signes différents.</translation>
    </message>
    <message>
        <source>Clocks there did not yet keep standard time, so the local mean time of the birthplace (%1) is used.</source>
        <translation>Les horloges n’y suivaient pas encore l’heure normale&#xa0;: l’heure moyenne locale du lieu de naissance (%1) est donc utilisée.</translation>
    </message>
    <message>
        <source>Beyond the polar circle the ecliptic can stay wholly above or below the horizon for hours, so the Ascendant here is unreliable; the Imum Coeli and the Midheaven are exact.</source>
        <translation>Au-delà du cercle polaire, l’écliptique peut rester des heures entièrement au-dessus ou au-dessous de l’horizon&#xa0;: l’Ascendant n’est donc pas fiable ici&#xa0;; le Fond du Ciel et le Milieu du Ciel sont exacts.</translation>
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
        <translation>%1°%2′ E</translation>
    </message>
    <message>
        <source>%1°%2′ W</source>
        <translation>%1°%2′ O</translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>went back from %1 on %2 to %3 on %4</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>ont été retardées de %1 le %2 à %3 le %4</translation>
    </message>
    <message>
        <source>jumped from %1 on %2 to %3 on %4</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>ont été avancées de %1 le %2 à %3 le %4</translation>
    </message>
    <message>
        <source>went back from %1 to %2 on %3</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>ont été retardées le %3 de %1 à %2</translation>
    </message>
    <message>
        <source>jumped from %1 to %2 on %3</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>ont été avancées le %3 de %1 à %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two changes of the clocks</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>changes of the clocks before the last</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <comment>a clock time on a day</comment>
        <translation>%1 le %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>format of a day with its year</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>format of a day without its year</comment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4, so %5 never happened there.</source>
        <translation>Les horloges y ont été avancées de %1 le %2 à %3 le %4&#xa0;: le %5 n’y a donc jamais existé.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4, so the days from %5 to %6 never happened there.</source>
        <translation>Les horloges y ont été avancées de %1 le %2 à %3 le %4&#xa0;: les jours du %5 au %6 n’y ont donc jamais existé.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4, so %5 on %6 never showed there.</source>
        <translation>Les horloges y ont été avancées de %1 le %2 à %3 le %4&#xa0;: %5 le %6 ne s’y est donc jamais affiché.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 to %2 on %3, so %4 never showed there.</source>
        <translation>Les horloges y ont été avancées le %3 de %1 à %2&#xa0;: %4 ne s’y est donc jamais affiché.</translation>
    </message>
    <message numerus="yes">
        <source>%1 showed %n times on the clocks there.</source>
        <comment>%1: a clock time on a day</comment>
        <translation>
            <numerusform>%1 s’est affiché %n fois sur les horloges de ce lieu.</numerusform>
            <numerusform>%1 s’est affiché %n fois sur les horloges de ce lieu.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clocks there went back from %1 on %2 to %3 on %4, so %5 on %6 showed twice there.</source>
        <translation>Les horloges y ont été retardées de %1 le %2 à %3 le %4&#xa0;: %5 le %6 s’y est donc affiché deux fois.</translation>
    </message>
    <message>
        <source>The clocks there went back from %1 to %2 on %3, so %4 showed twice there.</source>
        <translation>Les horloges y ont été retardées le %3 de %1 à %2&#xa0;: %4 s’y est donc affiché deux fois.</translation>
    </message>
    <message>
        <source>The clocks there %1, so %2 showed twice there.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>Les horloges y %1&#xa0;: %2 s’y est donc affiché deux fois.</translation>
    </message>
    <message numerus="yes">
        <source>The clocks there %1, so %2 showed %n times there.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>
            <numerusform>Les horloges y %1&#xa0;: %2 s’y est donc affiché %n fois.</numerusform>
            <numerusform>Les horloges y %1&#xa0;: %2 s’y est donc affiché %n fois.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clocks there went back from %1 on %2 to %3 on %4 during this slot, so it lasted %5.</source>
        <translation>Les horloges y ont été retardées de %1 le %2 à %3 le %4 pendant cette tranche, qui a donc duré %5.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4 during this slot, so it lasted %5.</source>
        <translation>Les horloges y ont été avancées de %1 le %2 à %3 le %4 pendant cette tranche, qui a donc duré %5.</translation>
    </message>
    <message>
        <source>The clocks there went back from %1 to %2 on %3 during this slot, so it lasted %4.</source>
        <translation>Les horloges y ont été retardées le %3 de %1 à %2 pendant cette tranche, qui a donc duré %4.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 to %2 on %3 during this slot, so it lasted %4.</source>
        <translation>Les horloges y ont été avancées le %3 de %1 à %2 pendant cette tranche, qui a donc duré %4.</translation>
    </message>
    <message>
        <source>The clocks there %1 during this slot, so it lasted %2.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>Les horloges y %1 pendant cette tranche, qui a donc duré %2.</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT the day before</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 TU la veille</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT the next day</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 TU le lendemain</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 TU</translation>
    </message>
    <message>
        <source>No minute of this slot showed on the clocks there. %1</source>
        <comment>%1: what the clocks did</comment>
        <translation>Aucune minute de cette tranche ne s’est affichée sur les horloges de ce lieu. %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <comment>a sign from a clock time</comment>
        <translation>%1 à partir de %2</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <comment>a sign from a clock time and its clock</comment>
        <translation>%1 à partir de %2 %3</translation>
    </message>
    <message>
        <source>%1, the middle of the slot</source>
        <comment>the time used</comment>
        <translation>%1, le milieu de la tranche</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a place&apos;s name and where it lies</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the last two parts of a length of time</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>parts of a length of time before the last</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>format of the first day of a month, with its year</comment>
        <translation>d’er&apos; MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>format of the first day of a month, without its year</comment>
        <translation>d’er&apos; MMMM</translation>
    </message>
    <message>
        <source>Not a two-hour slot: “%1”. Give one as the quick reading lists it, such as %2.</source>
        <translation>Ce n’est pas une tranche de deux heures&#xa0;: «&#xa0;%1&#xa0;». Indiquez-en une telle qu’elle apparaît dans la lecture rapide, par exemple %2.</translation>
    </message>
    <message>
        <source>Clocks there did not yet keep standard time, so the local mean time of the birthplace is used, counted from either side of the date line: %1 and %2.</source>
        <translation>Les horloges n’y suivaient pas encore l’heure normale&#xa0;: l’heure moyenne locale du lieu de naissance est donc utilisée, comptée de part et d’autre de la ligne de changement de date, soit %1 et %2.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, the nadir sign is the sign of the lowest point of the ecliptic beneath the birthplace at the moment of birth. By the rising sign, as the quick reading counts, it is the sign three on from the one rising in the east at that moment: the fourth house of those who count houses by whole signs.</source>
        <translation>Selon le Fond du Ciel, le signe du nadir est celui du point le plus bas de l’écliptique sous le lieu de naissance au moment de la naissance. Selon le signe ascendant, comme le compte la lecture rapide, c’est le signe situé trois signes après celui qui se lève à l’est à ce moment&#xa0;: la quatrième maison pour qui compte les maisons en signes entiers.</translation>
    </message>
    <message>
        <source>Nadir sign: %1, by the Imum Coeli. Counted from the rising sign, as the quick reading counts, it would be %2, but beyond the polar circle the rising sign is unreliable.</source>
        <translation>Signe du nadir&#xa0;: %1, selon le Fond du Ciel. Compté depuis le signe ascendant, comme le fait la lecture rapide, ce serait %2, mais au-delà du cercle polaire le signe ascendant n’est pas fiable.</translation>
    </message>
    <message>
        <source>Nadir sign: %1, by the IC and by the rising sign alike</source>
        <translation>Signe du nadir&#xa0;: %1, selon le FC comme selon le signe ascendant</translation>
    </message>
    <message>
        <source>Your rising sign is %1, so counted as the quick reading counts, your nadir sign is %2; the lowest point of the sky itself, the Imum Coeli, lies in %3.</source>
        <translation>Votre signe ascendant est %1&#xa0;; compté comme le fait la lecture rapide, votre signe du nadir est donc %2, alors que le point le plus bas du ciel lui-même, le Fond du Ciel, se trouve en %3.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Selon le Fond du Ciel, votre signe du nadir passe en %1 à %2, %3 plus tard.</translation>
    </message>
    <message>
        <source>Counted from the rising sign, your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Compté depuis le signe ascendant, votre signe du nadir passe en %1 à %2, %3 plus tard.</translation>
    </message>
    <message>
        <source>Your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Votre signe du nadir passe en %1 à %2, %3 plus tard.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Selon le Fond du Ciel, votre signe du nadir était %1 jusqu’à %2, %3 plus tôt.</translation>
    </message>
    <message>
        <source>Counted from the rising sign, your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Compté depuis le signe ascendant, votre signe du nadir était %1 jusqu’à %2, %3 plus tôt.</translation>
    </message>
    <message>
        <source>Your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Votre signe du nadir était %1 jusqu’à %2, %3 plus tôt.</translation>
    </message>
    <message>
        <source>DD</source>
        <comment>a day in a date&apos;s hint</comment>
        <translation>JJ</translation>
    </message>
    <message>
        <source>MM</source>
        <comment>a month in a date&apos;s hint</comment>
        <translation>MM</translation>
    </message>
    <message>
        <source>YYYY</source>
        <comment>a year in a date&apos;s hint</comment>
        <translation>AAAA</translation>
    </message>
    <message>
        <source>Not a date: “%1”. Give it as %2 or %3.</source>
        <translation>Ce n’est pas une date&#xa0;: «&#xa0;%1&#xa0;». Indiquez-la sous la forme %2 ou %3.</translation>
    </message>
    <message>
        <source>The year in “%1” needs all four digits: give the date as %2.</source>
        <translation>L’année de «&#xa0;%1&#xa0;» doit avoir ses quatre chiffres&#xa0;: indiquez la date sous la forme %2.</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <comment>a time&apos;s hint</comment>
        <translation>HH:MM</translation>
    </message>
    <message>
        <source>Not a time of day: “%1”. Give it as %2.</source>
        <translation>Ce n’est pas une heure&#xa0;: «&#xa0;%1&#xa0;». Indiquez-la sous la forme %2.</translation>
    </message>
    <message>
        <source>The quick reading counts the tropical zodiac.</source>
        <translation>La lecture rapide compte dans le zodiaque tropical.</translation>
    </message>
    <message>
        <source>less than a second</source>
        <translation>moins d’une seconde</translation>
    </message>
    <message numerus="yes">
        <source>%n second</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
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
        <translation>zodiaque tropical</translation>
    </message>
    <message>
        <source>sidereal zodiac, %1 ayanamsa %2°%3′</source>
        <comment>%1: the ayanamsa&apos;s name; %2 and %3: its degrees and minutes</comment>
        <translation>zodiaque sidéral, ayanamsa de %1 %2°%3′</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a text naming signs, and their zodiac</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Tropical</source>
        <comment>the zodiac to choose</comment>
        <translation>Tropical</translation>
    </message>
    <message>
        <source>Sidereal (%1)</source>
        <comment>%1: the ayanamsa&apos;s name</comment>
        <translation>Sidéral (%1)</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>You will love being young all your life. But with age you will also respect the experience that you have gained through your life.</source>
        <translation>Toute votre vie, vous aimerez être jeune. Mais avec l’âge, vous respecterez aussi l’expérience que la vie vous aura apportée.</translation>
    </message>
    <message>
        <source>You will believe in nourishing and caring the old fashioned way. To know that your family is eating and sleeping well will matter a lot to you. You will also make it a point to be financially stable.</source>
        <translation>Vous croirez en une façon traditionnelle de nourrir et de prendre soin des autres. Savoir que votre famille mange et dort bien comptera beaucoup pour vous. Vous mettrez aussi un point d’honneur à être financièrement stable.</translation>
    </message>
    <message>
        <source>You will lead a very unstable life. You may move or relocate a lot and thus find yourself at a new place every few days, months or years. You will be comfortable with technology.</source>
        <translation>Vous mènerez une vie très instable. Vous déménagerez peut-être souvent, et vous vous retrouverez ainsi dans un nouvel endroit au bout de quelques jours, de quelques mois ou de quelques années. Vous serez à l’aise avec la technologie.</translation>
    </message>
    <message>
        <source>You will not be able to stick to a single place. You will wander through many places before you find a place that you can call your home.</source>
        <translation>Vous ne pourrez pas rester au même endroit. Vous passerez par bien des lieux avant de trouver celui que vous pourrez appeler votre foyer.</translation>
    </message>
    <message>
        <source>People may find you arrogant and overbearing. You will be like the mother lion and expect to be respected. You will be self sacrificing for your family.</source>
        <translation>Certains jugeront peut-être votre attitude arrogante et autoritaire. Vous serez comme la lionne qui protège ses petits et vous exigerez le respect. Vous vous sacrifierez pour votre famille.</translation>
    </message>
    <message>
        <source>You care a lot about other people&apos;s feelings. You are more expressive in written communication than oral.</source>
        <translation>Les sentiments des autres comptent beaucoup pour vous. Vous vous exprimez mieux à l’écrit qu’à l’oral.</translation>
    </message>
    <message>
        <source>You will believe in yourself and always trust people. You set yourself very high ideals and strive to stand by them. You can fight people but at the same time need a peaceful and happy atmosphere.</source>
        <translation>Vous croirez en vous et ferez toujours confiance aux autres. Vous vous fixez des idéaux très élevés et vous efforcez d’y rester fidèle. Vous savez vous battre, mais vous avez en même temps besoin d’une atmosphère paisible et joyeuse.</translation>
    </message>
    <message>
        <source>Your home is your secret hiding place where you will hide from the world. You will crave for privacy.</source>
        <translation>Votre foyer est votre cachette secrète, où vous vous abritez du monde. Vous aurez soif d’intimité.</translation>
    </message>
    <message>
        <source>You will not live at one place. You will be religious.</source>
        <translation>Vous ne vivrez pas toujours au même endroit. Vous aurez une âme religieuse.</translation>
    </message>
    <message>
        <source>You will never be happy with your life if you keep looking at the bits and pieces. Learn to enjoy yourself and have a happy time with your family. You may have seen separation from one parent. You will be highly responsible.</source>
        <translation>Votre vie ne vous comblera jamais si vous vous arrêtez aux moindres détails. Apprenez à profiter de la vie et à passer de bons moments en famille. Vous avez peut-être connu la séparation d’avec l’un de vos parents. Vous aurez un grand sens des responsabilités.</translation>
    </message>
    <message>
        <source>You will overdo things for your family. Even if you are not in a physical or mental position to help people, you will never give up. Family will not mean a normal life but something different.</source>
        <translation>Vous en ferez trop pour votre famille. Même quand vous ne serez pas en état, physiquement ou moralement, d’aider les autres, vous n’abandonnerez jamais. Pour vous, la famille ne signifiera pas une vie ordinaire, mais quelque chose de différent.</translation>
    </message>
    <message>
        <source>You will be comfortable with people who are gentle and loving. You will also plan for the future so that others can enjoy the fruits of your labor.</source>
        <translation>Vous serez à l’aise avec les personnes douces et aimantes. Vous préparerez aussi l’avenir pour que d’autres puissent profiter des fruits de votre travail.</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
</context>
<context>
    <name>PlaceList</name>
    <message>
        <source>Places found</source>
        <translation>Lieux trouvés</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>L’application est déjà lancée</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible<byte value="xd"/>Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ReadingCard</name>
    <message>
        <source>Data used</source>
        <translation>Données utilisées</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>Lieux&#xa0;: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>A reading can be saved as %1, not as “%2”.</source>
        <translation>Un résultat peut être enregistré en %1, mais pas en «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The card could not be drawn.</source>
        <translation>La fiche n’a pas pu être dessinée.</translation>
    </message>
    <message>
        <source>%1, %2 or %3</source>
        <comment>the endings a card can be saved with</comment>
        <translation>%1, %2 ou %3</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the endings a card can be saved with</comment>
        <translation>%1 ou %2</translation>
    </message>
</context>
<context>
    <name>TimeSlot</name>
    <message>
        <source>4am-6am</source>
        <extracomment>A two-hour slot of the day of birth, in the style of the language&apos;s clocks; the list is narrow.</extracomment>
        <translation>4 h–6 h</translation>
    </message>
    <message>
        <source>2am-4am</source>
        <translation>2 h–4 h</translation>
    </message>
    <message>
        <source>midnight-2am</source>
        <translation>0 h–2 h</translation>
    </message>
    <message>
        <source>10pm-midnight</source>
        <translation>22 h–24 h</translation>
    </message>
    <message>
        <source>8pm-10pm</source>
        <translation>20 h–22 h</translation>
    </message>
    <message>
        <source>6pm-8pm</source>
        <translation>18 h–20 h</translation>
    </message>
    <message>
        <source>4pm-6pm</source>
        <translation>16 h–18 h</translation>
    </message>
    <message>
        <source>2pm-4pm</source>
        <translation>14 h–16 h</translation>
    </message>
    <message>
        <source>noon-2pm</source>
        <translation>12 h–14 h</translation>
    </message>
    <message>
        <source>10am-noon</source>
        <translation>10 h–12 h</translation>
    </message>
    <message>
        <source>8am-10am</source>
        <translation>8 h–10 h</translation>
    </message>
    <message>
        <source>6am-8am</source>
        <translation>6 h–8 h</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The most popular online discussion board and the best resource for astrology and the occult on the Internet. Visit %1 Now</source>
        <translation>Le forum de discussion le plus populaire et la meilleure ressource d’Internet sur l’astrologie et l’occultisme. Visitez %1 dès maintenant</translation>
    </message>
</context>
<context>
    <name>ZodiacSign</name>
    <message>
        <source>Aries</source>
        <extracomment>The sign&apos;s name as astrologers of the language write it.</extracomment>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. This is what makes you comfortable in life. This stands for security and stability.</source>
        <translation>Quorvis représente le début et la fin de la vie d’une personne. Le Fond du Ciel (Imum Coeli), ou nadir, est le point le plus bas de l’horoscope. Il vous en dit plus sur ce que vous désirez dans la vie&#xa0;: votre vie personnelle, votre famille, vos enfants, votre façon de prendre soin des autres et d’aimer. C’est ce qui vous apporte le bien-être dans la vie. Il symbolise la sécurité et la stabilité.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Ouvre la page d’accueil de l’éditeur dans votre navigateur web</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Ouvre la page de l’offre à votre marque dans votre navigateur web</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Cliquez ici pour en savoir plus</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Activité à domicile. Créez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement à la marque de votre site web.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Quorvis icon</source>
        <translation>Icône de Quorvis</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Ouvre la page de l’offre de co-marquage dans votre navigateur web</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Associez votre marque à ce logiciel.  Fidélisez vos visiteurs et augmentez votre trafic. Le nom &amp;  le lien de votre site ici. Détails dans «&#xa0;Aide&#xa0;».    Cliquez ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Ouvre la page de l’offre à votre marque dans votre navigateur web</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Activité à domicile. Créez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement à la marque de votre site web. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quorvis Result</source>
        <translation>Résultat Quorvis</translation>
    </message>
    <message>
        <source>Nadir Sign</source>
        <translation>Signe du nadir</translation>
    </message>
    <message>
        <source>Your Nadir Sign Is In</source>
        <translation>Votre nadir est en</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interprétation</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Image du signe</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Ouvre la page d’accueil de l’éditeur dans votre navigateur web</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Trouver mon &amp;nadir exact…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Revenus en &amp;ligne</translation>
    </message>
</context>
<context>
    <name>frmExact</name>
    <message>
        <source>Birth</source>
        <translation>Naissance</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>&amp;Date of birth</source>
        <translation>&amp;Date de naissance</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>&amp;Time of birth</source>
        <translation>&amp;Heure de naissance</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Heure de naissance</translation>
    </message>
    <message>
        <source>I &amp;know only the two-hour slot</source>
        <translation>Je ne connais que la &amp;tranche de deux heures</translation>
    </message>
    <message>
        <source>I know only the two-hour slot</source>
        <translation>Je ne connais que la tranche de deux heures</translation>
    </message>
    <message>
        <source>Two-hour sl&amp;ot</source>
        <translation>Tranche de deu&amp;x heures</translation>
    </message>
    <message>
        <source>Two-hour slot</source>
        <translation>Tranche de deux heures</translation>
    </message>
    <message>
        <source>&amp;Birthplace</source>
        <translation>&amp;Lieu de naissance</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Lieu de naissance</translation>
    </message>
    <message>
        <source>Type the first letters of a town</source>
        <translation>Tapez les premières lettres d’une ville</translation>
    </message>
    <message>
        <source>Enter &amp;coordinates instead</source>
        <translation>Saisir des &amp;coordonnées</translation>
    </message>
    <message>
        <source>Enter coordinates instead</source>
        <translation>Saisir des coordonnées</translation>
    </message>
    <message>
        <source>L&amp;atitude</source>
        <translation>L&amp;atitude</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>degrees, north positive: 51.51</source>
        <translation>degrés, nord positif&#xa0;: 51,51</translation>
    </message>
    <message>
        <source>Longit&amp;ude</source>
        <translation>Longit&amp;ude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>degrees, east positive: -0.13</source>
        <translation>degrés, est positif&#xa0;: -0,13</translation>
    </message>
    <message>
        <source>Time &amp;zone</source>
        <translation>&amp;Fuseau horaire</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Europe/London or +01:00</source>
        <translation>Europe/London ou +01:00</translation>
    </message>
    <message>
        <source>Exact reading</source>
        <translation>Résultat exact</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>Lieux&#xa0;: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Save Reading…</source>
        <translation>&amp;Enregistrer le résultat…</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;pier</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>Fe&amp;rmer</translation>
    </message>
    <message>
        <source>Exact Nadir - %1</source>
        <translation>Nadir exact – %1</translation>
    </message>
    <message>
        <source>During the slot: %1</source>
        <translation>Pendant la tranche&#xa0;: %1</translation>
    </message>
    <message>
        <source>During the slot: %1. %2</source>
        <comment>%2: what the clocks did</comment>
        <translation>Pendant la tranche&#xa0;: %1. %2</translation>
    </message>
    <message>
        <source>Give the date, the time and the place of birth to see the exact nadir.</source>
        <translation>Indiquez la date, l’heure et le lieu de naissance pour voir le nadir exact.</translation>
    </message>
    <message>
        <source>Exact nadir reading</source>
        <translation>Résultat exact du nadir</translation>
    </message>
    <message>
        <source>Exact nadir reading for %1</source>
        <translation>Résultat exact du nadir pour %1</translation>
    </message>
    <message>
        <source>No reading yet</source>
        <translation>Pas encore de résultat</translation>
    </message>
    <message>
        <source>Reading shown: %1</source>
        <translation>Résultat affiché&#xa0;: %1</translation>
    </message>
    <message>
        <source>Born %1 at %2</source>
        <translation>Né(e) le %1 à %2</translation>
    </message>
    <message>
        <source>Time used: %1</source>
        <translation>Heure utilisée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Lieu&#xa0;: %1</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Reading</source>
        <translation>Enregistrer le résultat</translation>
    </message>
    <message>
        <source>Born %1, %2</source>
        <translation>Né(e) le %1, %2</translation>
    </message>
    <message>
        <source>Interpret the sign of the &amp;Imum Coeli</source>
        <translation>Interpréter le signe du F&amp;ond du Ciel</translation>
    </message>
    <message>
        <source>Interpret the sign counted from the &amp;rising sign</source>
        <translation>Interpréter le signe compté depuis le signe a&amp;scendant</translation>
    </message>
    <message>
        <source>Your nadir sign, %1</source>
        <translation>Votre signe du nadir&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your nadir sign counted from the rising sign, %1</source>
        <translation>Votre signe du nadir compté depuis le signe ascendant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your nadir sign by the Imum Coeli, %1</source>
        <translation>Votre signe du nadir selon le Fond du Ciel&#xa0;: %1</translation>
    </message>
    <message>
        <source>The reading could not be saved to %1.

%2</source>
        <translation>Le résultat n’a pas pu être enregistré dans %1.

%2</translation>
    </message>
    <message>
        <source>Ne&amp;w Reading</source>
        <translation>Nou&amp;veau résultat</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Zodiac</source>
        <translation>Zodiaque</translation>
    </message>
    <message>
        <source>No place called “%1” in the list, which holds towns of %L2 people or more. Enter coordinates instead?</source>
        <translation>Aucun lieu nommé «&#xa0;%1&#xa0;» dans la liste, qui compte les villes de %L2&#xa0;habitants ou plus. Saisir plutôt des coordonnées&#xa0;?</translation>
    </message>
    <message>
        <source>Exact nadir reading</source>
        <comment>a file name</comment>
        <translation>Nadir exact</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>Print Reading</source>
        <translation>Imprimer le résultat</translation>
    </message>
    <message>
        <source>The reading could not be printed: the printer could not be started.</source>
        <translation>Le résultat n’a pas pu être imprimé&#xa0;: l’imprimante n’a pas pu démarrer.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Ouvre la page de l’offre de co-marquage dans votre navigateur web</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Associez votre marque à ce logiciel.  Fidélisez vos visiteurs et augmentez votre trafic. Le nom &amp;  le lien de votre site ici. Détails dans «&#xa0;Aide&#xa0;».    Cliquez ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Ouvre la page de l’offre à votre marque dans votre navigateur web</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Activité à domicile. Créez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement à la marque de votre site web. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. Get your reading now!</source>
        <translation>Quorvis représente le début et la fin de la vie d’une personne. Le Fond du Ciel (Imum Coeli), ou nadir, est le point le plus bas de l’horoscope. Il vous en dit plus sur ce que vous désirez dans la vie&#xa0;: votre vie personnelle, votre famille, vos enfants, votre façon de prendre soin des autres et d’aimer. Découvrez votre interprétation dès maintenant&#xa0;!</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Saisissez vos données exactes et apprenez-en plus sur vous </translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Vos informations</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Name:-</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Date Of Birth:-</source>
        <translation>Date de naissance&#xa0;:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Time Of Birth</source>
        <translation>Heure de naissance</translation>
    </message>
    <message>
        <source>Time Of Birth:-</source>
        <translation>Heure de naissance&#xa0;:</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Ouvre la page d’accueil de l’éditeur dans votre navigateur web</translation>
    </message>
    <message>
        <source>Find My &amp;Quorvis Sign</source>
        <translation>&amp;Trouver mon signe Quorvis</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Trouver mon &amp;nadir exact…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Revenus en &amp;ligne</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet !</source>
        <extracomment>In a translated window the name takes the letters of every script, and spaces: say that.</extracomment>
        <translation>Veuillez ne saisir que des lettres et des espaces.</translation>
    </message>
</context>
<context>
    <name>frmPromotion</name>
    <message>
        <source>Quorvis icon</source>
        <translation>Icône de Quorvis</translation>
    </message>
    <message>
        <source>Opens the Pellmark home page in your web browser</source>
        <translation>Ouvre la page d’accueil de Pellmark dans votre navigateur web</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recommander maintenant</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de l’ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de l’ami</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Download Pellmark Softwares</source>
        <translation>Télécharger les logiciels Pellmark</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Pellmark Softwares. From a single software, we have now grown to become the world’s largest resource of pellmark softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Pellmark Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Si vous avez aimé ce logiciel, nos autres logiciels Pellmark vous intéresseront sûrement. Partis d’un seul logiciel, nous sommes devenus la plus grande source de logiciels Pellmark au monde. Astrologie, voyance, tarot, numérologie ou occultisme&#xa0;: nous avons des programmes dans tous les domaines, pour offrir à nos utilisateurs un large choix selon leurs centres d’intérêt.                                                             Tous les programmes de la suite Pellmark sont simples et faciles à utiliser. Ils sont non seulement amusants, mais aussi très instructifs. Essayez-les dès aujourd’hui et partagez votre expérience avec vos amis et votre famille. </translation>
    </message>
    <message>
        <source>Opens the Pellmark Softwares page in your web browser</source>
        <translation>Ouvre la page des logiciels Pellmark dans votre navigateur web</translation>
    </message>
    <message>
        <source>Click Here To Visit Pellmark Softwares</source>
        <translation>Cliquez ici pour découvrir les logiciels Pellmark</translation>
    </message>
    <message>
        <source>Pellmark Softwares, such as this can be created and maintained only with your support. The best way to support Pellmark is to visit Pellmark regularly and take part in the discussions and other activities on the board.</source>
        <translation>Les logiciels Pellmark comme celui-ci ne peuvent être créés et maintenus qu’avec votre soutien. La meilleure façon de soutenir Pellmark est de visiter Pellmark régulièrement et de participer aux discussions et aux autres activités du forum.</translation>
    </message>
    <message>
        <source>Visit Pellmark regularly. Support Pellmark by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Pellmark</source>
        <translation>Visitez Pellmark régulièrement. Soutenez Pellmark en participant aux discussions et aux autres activités. Ces logiciels ne peuvent être suivis et maintenus sans vos visites régulières sur Pellmark</translation>
    </message>
    <message>
        <source>Pellmark is a FREE online discussion forum on astrology, psychic, tarot, numerology and the occult. Visit Pellmark regularly to help us develop and maintain this software.</source>
        <translation>Pellmark est un forum de discussion en ligne GRATUIT sur l’astrologie, la voyance, le tarot, la numérologie et l’occultisme. Visitez Pellmark régulièrement pour nous aider à développer et à maintenir ce logiciel.</translation>
    </message>
    <message>
        <source>Pellmark needs your help. All you need to do is visit Pellmark regularly and take part in the various discussions and activites to help us maintain and develop more Pellmark Softwares.</source>
        <translation>Pellmark a besoin de votre aide. Il vous suffit de visiter Pellmark régulièrement et de participer aux diverses discussions et activités pour nous aider à maintenir et à développer d’autres logiciels Pellmark.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Visitez %1 dès maintenant</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L’adresse e-mail ne peut pas contenir d’espace</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l’e-mail de votre ami</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de l’ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de l’ami</translation>
    </message>
</context>
</TS>
