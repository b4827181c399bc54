<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Angles</name>
    <message>
        <source>The latitude is that of a pole (90°), where the meridian and so the Midheaven are undefined.</source>
        <translation>La latitudine è quella di un polo (90°), dove il meridiano e quindi il Medio Cielo non sono definiti.</translation>
    </message>
    <message>
        <source>The latitude must lie between -90° and 90°.</source>
        <translation>La latitudine deve essere compresa tra -90° e 90°.</translation>
    </message>
    <message>
        <source>The longitude must lie between -180° and 180°.</source>
        <translation>La longitudine deve essere compresa tra -180° e 180°.</translation>
    </message>
    <message>
        <source>The instant lies outside the years the chart angles are computed for.</source>
        <translation>L’istante cade fuori dagli anni per cui si calcolano gli angoli del tema.</translation>
    </message>
</context>
<context>
    <name>BirthDetails</name>
    <message>
        <source>Please Enter Your Name !</source>
        <translation>Inserisci il tuo nome!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Inserisci un giorno o un mese valido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Inserisci un giorno o un mese valido!</translation>
    </message>
</context>
<context>
    <name>ChartWheel</name>
    <message>
        <source>Chart wheel</source>
        <translation>Ruota del tema</translation>
    </message>
    <message>
        <source>No chart yet: give the date, the time and the place of birth.</source>
        <translation>Ancora nessun tema: indica la data, l’ora e il luogo di nascita.</translation>
    </message>
    <message>
        <source>Ascendant %1, Midheaven %2, Descendant %3, Imum Coeli %4</source>
        <translation>Ascendente %1, Medio Cielo %2, Discendente %3, Fondo Cielo %4</translation>
    </message>
    <message>
        <source>ASC</source>
        <comment>Ascendant, on the wheel</comment>
        <translation>ASC</translation>
    </message>
    <message>
        <source>DSC</source>
        <comment>Descendant, on the wheel</comment>
        <translation>DSC</translation>
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
        <translation>%1; evidenziata la quarta casa contata a segni interi: %2</translation>
    </message>
</context>
<context>
    <name>ExactCommandLine</name>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>what was typed, in the quotation marks of the language</comment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Luogo:</translation>
    </message>
    <message>
        <source>Gap:</source>
        <translation>Salto:</translation>
    </message>
    <message>
        <source>Overlap:</source>
        <translation>Ripetizione:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Local time:</source>
        <translation>Ora locale:</translation>
    </message>
    <message>
        <source>UT:</source>
        <translation>UT:</translation>
    </message>
    <message>
        <source>IC:</source>
        <translation>FC:</translation>
    </message>
    <message>
        <source>ASC:</source>
        <translation>ASC:</translation>
    </message>
    <message>
        <source>MC:</source>
        <translation>MC:</translation>
    </message>
    <message>
        <source>Reading %1 of %2: %3</source>
        <translation>Risultato %1 di %2: %3</translation>
    </message>
    <message>
        <source>No place matches &quot;%1&quot;.</source>
        <translation>Nessun luogo corrisponde a «%1».</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Show the version, and that of the tz data in use.</source>
        <translation>Mostra la versione e quella dei dati tz in uso.</translation>
    </message>
    <message>
        <source>name</source>
        <comment>value of an option</comment>
        <translation>nome</translation>
    </message>
    <message>
        <source>Latitude, decimal degrees north (south &lt; 0).</source>
        <translation>Latitudine, in gradi decimali nord (sud &lt; 0).</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>value of an option</comment>
        <translation>gradi</translation>
    </message>
    <message>
        <source>Longitude, decimal degrees east (west &lt; 0).</source>
        <translation>Longitudine, in gradi decimali est (ovest &lt; 0).</translation>
    </message>
    <message>
        <source>Time zone of the place, a name of the tz database such as Europe/London, or an offset such as +01:00.</source>
        <translation>Fuso orario del luogo, un nome del database tz come Europe/London, o uno scarto come +01:00.</translation>
    </message>
    <message>
        <source>Fixed offset of the local clock from UT, -12:00 to +14:00, e.g. +01:00.</source>
        <translation>Scarto fisso dell’orologio locale da UT, da -12:00 a +14:00, ad es. +01:00.</translation>
    </message>
    <message>
        <source>Local date, %1 to %2.</source>
        <translation>Data locale, tra %1 e %2.</translation>
    </message>
    <message>
        <source>Local clock time.</source>
        <translation>Ora locale dell’orologio.</translation>
    </message>
    <message>
        <source>List the first places a search finds, and stop (only --json may go with it).</source>
        <translation>Elenca i primi luoghi trovati da una ricerca e termina (solo --json può accompagnarlo).</translation>
    </message>
    <message>
        <source>text</source>
        <comment>value of an option</comment>
        <translation>testo</translation>
    </message>
    <message>
        <source>Print one JSON object.</source>
        <translation>Stampa un oggetto JSON.</translation>
    </message>
    <message>
        <source>The exact Imum Coeli, Ascendant and Midheaven of a birth from its local date, time and place.</source>
        <translation>Il Fondo Cielo, l’Ascendente e il Medio Cielo esatti di una nascita, dalla data, dall’ora e dal
luogo.</translation>
    </message>
    <message>
        <source>Exit status: 0 for a reading (also when the local time fell in a clock change&apos;s gap or overlap) or a
place list; 1 when it cannot read because of the installed time-zone data or a failure of its own;
2 for input it cannot use.</source>
        <comment>the program wraps the lines</comment>
        <translation>Stato di uscita: 0 per un risultato (anche se l’ora locale cadeva nel salto o nella ripetizione di
un cambio d’ora) o un elenco di luoghi; 1 se non può calcolare il risultato per i dati dei fusi installati o per un
errore proprio; 2 per dati che non può usare.</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 è indicato più di una volta</translation>
    </message>
    <message>
        <source>--places takes no other options (only --json), not -%1%2</source>
        <translation>--places non accetta altre opzioni (solo --json), non -%1%2</translation>
    </message>
    <message>
        <source>give either --zone or --utc-offset, not both</source>
        <translation>indica --zone o --utc-offset, non entrambi</translation>
    </message>
    <message>
        <source>give either --place or --lat and --lon, not both</source>
        <translation>indica --place oppure --lat e --lon, non entrambi</translation>
    </message>
    <message>
        <source>give a place: --place NAME, or --lat and --lon with --zone or --utc-offset</source>
        <translation>indica un luogo: --place NOME, oppure --lat e --lon con --zone o --utc-offset</translation>
    </message>
    <message>
        <source>give both --lat and --lon</source>
        <translation>indica sia --lat sia --lon</translation>
    </message>
    <message>
        <source>give the local date with --date YYYY-MM-DD, and the time with --time HH:MM or the two-hour slot with --slot</source>
        <translation>indica la data locale con --date YYYY-MM-DD, e l’ora con --time HH:MM o la fascia di due ore con --slot</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argomento inatteso %1</translation>
    </message>
    <message>
        <source>quorvis-exact %1
tz data %2
</source>
        <translation>quorvis-exact %1
dati tz %2
</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>non trovati</translation>
    </message>
    <message>
        <source>--places needs some text to search for</source>
        <translation>--places richiede un testo da cercare</translation>
    </message>
    <message>
        <source>zone</source>
        <comment>value of an option</comment>
        <translation>fuso</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Fascia:</translation>
    </message>
    <message>
        <source>IC signs:</source>
        <comment>the IC&apos;s signs during a slot</comment>
        <translation>Segni FC:</translation>
    </message>
    <message>
        <source>Time used:</source>
        <translation>Ora usata:</translation>
    </message>
    <message>
        <source>Birth place: a name as --places lists it, or the best match of a search.</source>
        <translation>Luogo di nascita: un nome come lo elenca --places, o la migliore corrispondenza di una ricerca.</translation>
    </message>
    <message>
        <source>Only the two-hour slot, instead of --time, as the quick reading lists it, e.g. 2pm-4pm.</source>
        <translation>Solo la fascia di due ore, al posto di --time, come appare nella lettura rapida, ad es. &quot;ore 14-16&quot;.</translation>
    </message>
    <message>
        <source>slot</source>
        <comment>value of an option</comment>
        <translation>fascia</translation>
    </message>
    <message>
        <source>took %1 for %2; to name another, write it as --places lists it, such as --place %3</source>
        <translation>per %2 è stato scelto %1; per indicarne un altro, scrivilo come lo elenca --places, ad esempio --place %3</translation>
    </message>
    <message>
        <source>give either --time or --slot, not both</source>
        <translation>indica --time o --slot, non entrambi</translation>
    </message>
    <message>
        <source>cannot write the reading: %1</source>
        <translation>impossibile scrivere il risultato: %1</translation>
    </message>
    <message>
        <source>Zodiac:</source>
        <translation>Zodiaco:</translation>
    </message>
    <message>
        <source>The zodiac the signs are counted in: %1 (the default) or sidereal, by one of the ayanamsas %2.</source>
        <translation>Lo zodiaco in cui si contano i segni: %1 (predefinito) o siderale, secondo una delle ayanamsa %2.</translation>
    </message>
    <message>
        <source>no place matches %1 (the list holds towns of %L2 people or more); --places TEXT lists what a search finds, or give the coordinates with --lat, --lon and --zone</source>
        <translation>nessun luogo corrisponde a %1 (l’elenco comprende i centri da %L2 abitanti in su); --places TESTO elenca ciò che trova una ricerca, oppure indica le coordinate con --lat, --lon e --zone</translation>
    </message>
    <message>
        <source>no zodiac %1; --zodiac takes %2</source>
        <translation>nessuno zodiaco %1; --zodiac accetta %2</translation>
    </message>
</context>
<context>
    <name>ExactReading</name>
    <message>
        <source>The date must lie between %1 and %2.</source>
        <translation>La data deve essere compresa tra %1 e %2.</translation>
    </message>
    <message>
        <source>Not a date: “%1”. Give it as YYYY-MM-DD.</source>
        <translation>Non è una data: «%1». Indicala come YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>There is no such date as “%1”.</source>
        <translation>La data «%1» non esiste.</translation>
    </message>
    <message>
        <source>Not a time of day: “%1”. Give it as HH:MM or HH:MM:SS, from 00:00 to 23:59:59.</source>
        <translation>Non è un’ora: «%1». Indicala come HH:MM o HH:MM:SS, da 00:00 a 23:59:59.</translation>
    </message>
    <message>
        <source>Not a latitude: “%1”. Give degrees from −90 to 90, north positive.</source>
        <translation>Non è una latitudine: «%1». Indica i gradi da −90 a 90, nord positivo.</translation>
    </message>
    <message>
        <source>Not a longitude: “%1”. Give degrees from −180 to 180, east positive.</source>
        <translation>Non è una longitudine: «%1». Indica i gradi da −180 a 180, est positivo.</translation>
    </message>
    <message>
        <source>Unknown time zone “%1”: give one such as Europe/London, or an offset from −12:00 to +14:00 such as +01:00.</source>
        <translation>Fuso orario sconosciuto «%1»: indicane uno come Europe/London, o uno scarto da −12:00 a +14:00 come +01:00.</translation>
    </message>
    <message>
        <source>Not an offset from UTC: “%1”. Give one from −12:00 to +14:00 such as +01:00.</source>
        <translation>Non è uno scarto da UTC: «%1». Indicane uno da −12:00 a +14:00, come +01:00.</translation>
    </message>
    <message>
        <source>%1°%2′ %3</source>
        <comment>degrees, minutes and sign of a position in the zodiac</comment>
        <translation>%1°%2′ %3</translation>
    </message>
    <message>
        <source>%1, before the jump</source>
        <comment>a UTC offset</comment>
        <translation>%1, prima del salto</translation>
    </message>
    <message>
        <source>%1, after the jump</source>
        <comment>a UTC offset</comment>
        <translation>%1, dopo il salto</translation>
    </message>
    <message>
        <source>Both readings are given, with the offset before the jump and with the one after.</source>
        <translation>Sono dati entrambi i risultati, con lo scarto di prima del cambio d’ora e con quello di dopo.</translation>
    </message>
    <message>
        <source>%1, local mean time</source>
        <comment>a UTC offset</comment>
        <translation>%1, tempo medio locale</translation>
    </message>
    <message>
        <source>%1, summer time</source>
        <comment>a UTC offset</comment>
        <translation>%1, ora legale</translation>
    </message>
    <message>
        <source>%1, standard time</source>
        <comment>a UTC offset</comment>
        <translation>%1, ora del fuso orario</translation>
    </message>
    <message>
        <source>Both readings are given, the earlier first.</source>
        <translation>Sono dati entrambi i risultati, in ordine cronologico.</translation>
    </message>
    <message numerus="yes">
        <source>All %n readings are given, the earliest first.</source>
        <translation>
            <numerusform>Sono dati tutti i %n risultati, prima il più antico.</numerusform>
            <numerusform>Sono dati tutti i %n risultati, prima il più antico.</numerusform>
        </translation>
    </message>
    <message>
        <source>The local time could not be turned into Universal Time.</source>
        <translation>Non è stato possibile convertire l’ora locale in tempo universale.</translation>
    </message>
    <message>
        <source>The time of birth is not a time of day.</source>
        <translation>L’ora di nascita non è un’ora del giorno.</translation>
    </message>
    <message>
        <source>The two-hour slot must be one of the twelve.</source>
        <translation>La fascia di due ore deve essere una delle dodici.</translation>
    </message>
    <message>
        <source>This build does not know %1, the time zone of %2.</source>
        <translation>Questa versione non conosce %1, il fuso orario di %2.</translation>
    </message>
    <message>
        <source>Give the place&apos;s time zone or its offset from UTC.</source>
        <translation>Indica il fuso orario del luogo o il suo scarto da UTC.</translation>
    </message>
    <message>
        <source>Imum Coeli %1</source>
        <translation>Fondo Cielo %1</translation>
    </message>
    <message>
        <source>Ascendant %1</source>
        <translation>Ascendente %1</translation>
    </message>
    <message>
        <source>Midheaven %1</source>
        <translation>Medio Cielo %1</translation>
    </message>
    <message>
        <source>The time-zone data installed here has no zone %1.</source>
        <translation>I dati dei fusi installati qui non hanno il fuso %1.</translation>
    </message>
    <message>
        <source>Quick reading for the same day and slot: %1</source>
        <translation>Lettura rapida per lo stesso giorno e la stessa fascia: %1</translation>
    </message>
    <message>
        <source>The quick reading looks only at the day, the month and the two-hour slot through fixed tables; the exact one uses the minute and the birthplace, so the two can name different signs.</source>
        <translation>La lettura rapida considera solo il giorno, il mese e la fascia di due ore tramite tabelle fisse; quella esatta usa il minuto e il luogo di nascita, quindi le due possono indicare segni diversi.</translation>
    </message>
    <message>
        <source>Clocks there did not yet keep standard time, so the local mean time of the birthplace (%1) is used.</source>
        <translation>In quel luogo gli orologi non seguivano ancora l’ora di un fuso orario, quindi si usa il tempo medio locale del luogo di nascita (%1).</translation>
    </message>
    <message>
        <source>Beyond the polar circle the ecliptic can stay wholly above or below the horizon for hours, so the Ascendant here is unreliable; the Imum Coeli and the Midheaven are exact.</source>
        <translation>Oltre il circolo polare l’eclittica può restare per ore tutta sopra o sotto l’orizzonte, quindi qui l’Ascendente non è affidabile; il Fondo Cielo e il Medio Cielo sono esatti.</translation>
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
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour</source>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>went back from %1 on %2 to %3 on %4</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>sono stati portati indietro dalle %1 del giorno %2 alle %3 del giorno %4</translation>
    </message>
    <message>
        <source>jumped from %1 on %2 to %3 on %4</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>sono stati portati avanti dalle %1 del giorno %2 alle %3 del giorno %4</translation>
    </message>
    <message>
        <source>went back from %1 to %2 on %3</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>sono stati portati indietro il giorno %3 dalle %1 alle %2</translation>
    </message>
    <message>
        <source>jumped from %1 to %2 on %3</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>sono stati portati avanti il giorno %3 dalle %1 alle %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two changes of the clocks</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>changes of the clocks before the last</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <comment>a clock time on a day</comment>
        <translation>%1 del giorno %2</translation>
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
        <translation>In quel luogo gli orologi sono stati portati avanti dalle %1 del %2 alle %3 del %4, quindi il giorno %5 non è mai esistito.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4, so the days from %5 to %6 never happened there.</source>
        <translation>In quel luogo gli orologi sono stati portati avanti dalle %1 del %2 alle %3 del %4, quindi i giorni dal %5 al %6 non sono mai esistiti.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4, so %5 on %6 never showed there.</source>
        <translation>In quel luogo gli orologi sono stati portati avanti dalle %1 del %2 alle %3 del %4, quindi le %5 del %6 non sono mai comparse.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 to %2 on %3, so %4 never showed there.</source>
        <translation>In quel luogo gli orologi sono stati portati avanti il giorno %3 dalle %1 alle %2, quindi le %4 non sono mai comparse.</translation>
    </message>
    <message numerus="yes">
        <source>%1 showed %n times on the clocks there.</source>
        <comment>%1: a clock time on a day</comment>
        <translation>
            <numerusform>Le %1 sono comparse %n volta sugli orologi del luogo.</numerusform>
            <numerusform>Le %1 sono comparse %n volte sugli orologi del luogo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clocks there went back from %1 on %2 to %3 on %4, so %5 on %6 showed twice there.</source>
        <translation>In quel luogo gli orologi sono stati portati indietro dalle %1 del %2 alle %3 del %4, quindi le %5 del %6 sono comparse due volte.</translation>
    </message>
    <message>
        <source>The clocks there went back from %1 to %2 on %3, so %4 showed twice there.</source>
        <translation>In quel luogo gli orologi sono stati portati indietro il giorno %3 dalle %1 alle %2, quindi le %4 sono comparse due volte.</translation>
    </message>
    <message>
        <source>The clocks there %1, so %2 showed twice there.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>In quel luogo gli orologi %1, quindi le %2 sono comparse due volte.</translation>
    </message>
    <message numerus="yes">
        <source>The clocks there %1, so %2 showed %n times there.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>
            <numerusform>In quel luogo gli orologi %1, quindi le %2 sono comparse %n volta.</numerusform>
            <numerusform>In quel luogo gli orologi %1, quindi le %2 sono comparse %n volte.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clocks there went back from %1 on %2 to %3 on %4 during this slot, so it lasted %5.</source>
        <translation>In quel luogo gli orologi sono stati portati indietro dalle %1 del %2 alle %3 del %4 durante questa fascia, che è quindi durata %5.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4 during this slot, so it lasted %5.</source>
        <translation>In quel luogo gli orologi sono stati portati avanti dalle %1 del %2 alle %3 del %4 durante questa fascia, che è quindi durata %5.</translation>
    </message>
    <message>
        <source>The clocks there went back from %1 to %2 on %3 during this slot, so it lasted %4.</source>
        <translation>In quel luogo gli orologi sono stati portati indietro il giorno %3 dalle %1 alle %2 durante questa fascia, che è quindi durata %4.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 to %2 on %3 during this slot, so it lasted %4.</source>
        <translation>In quel luogo gli orologi sono stati portati avanti il giorno %3 dalle %1 alle %2 durante questa fascia, che è quindi durata %4.</translation>
    </message>
    <message>
        <source>The clocks there %1 during this slot, so it lasted %2.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>In quel luogo gli orologi %1 durante questa fascia, che è quindi durata %2.</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT the day before</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 UT del giorno prima</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT the next day</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 UT del giorno dopo</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 UT</translation>
    </message>
    <message>
        <source>No minute of this slot showed on the clocks there. %1</source>
        <comment>%1: what the clocks did</comment>
        <translation>Nessun minuto di questa fascia è comparso sugli orologi del luogo. %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <comment>a sign from a clock time</comment>
        <translation>%1 dalle %2</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <comment>a sign from a clock time and its clock</comment>
        <translation>%1 dalle %2 %3</translation>
    </message>
    <message>
        <source>%1, the middle of the slot</source>
        <comment>the time used</comment>
        <translation>%1, la metà della fascia</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a place&apos;s name and where it lies</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the last two parts of a length of time</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>parts of a length of time before the last</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>format of the first day of a month, with its year</comment>
        <translation>d&apos;º&apos; MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>format of the first day of a month, without its year</comment>
        <translation>d&apos;º&apos; MMMM</translation>
    </message>
    <message>
        <source>Not a two-hour slot: “%1”. Give one as the quick reading lists it, such as %2.</source>
        <translation>Non è una fascia di due ore: «%1». Scrivine una come appare nella lettura rapida, ad esempio %2.</translation>
    </message>
    <message>
        <source>Clocks there did not yet keep standard time, so the local mean time of the birthplace is used, counted from either side of the date line: %1 and %2.</source>
        <translation>In quel luogo gli orologi non seguivano ancora l’ora di un fuso orario, quindi si usa il tempo medio locale del luogo di nascita, contato dai due lati della linea del cambio di data: %1 e %2.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, the nadir sign is the sign of the lowest point of the ecliptic beneath the birthplace at the moment of birth. By the rising sign, as the quick reading counts, it is the sign three on from the one rising in the east at that moment: the fourth house of those who count houses by whole signs.</source>
        <translation>Secondo il Fondo Cielo, il segno del nadir è il segno del punto più basso dell’eclittica sotto il luogo di nascita al momento della nascita. Secondo l’ascendente, come conta la lettura rapida, è il segno che viene tre segni dopo quello che sorge a est in quel momento: la quarta casa per chi conta le case a segni interi.</translation>
    </message>
    <message>
        <source>Nadir sign: %1, by the Imum Coeli. Counted from the rising sign, as the quick reading counts, it would be %2, but beyond the polar circle the rising sign is unreliable.</source>
        <translation>Segno del nadir: %1, secondo il Fondo Cielo. Contando dall’ascendente, come fa la lettura rapida, sarebbe %2, ma oltre il circolo polare l’ascendente non è affidabile.</translation>
    </message>
    <message>
        <source>Nadir sign: %1, by the IC and by the rising sign alike</source>
        <translation>Segno del nadir: %1, sia secondo il FC sia secondo l’ascendente</translation>
    </message>
    <message>
        <source>Your rising sign is %1, so counted as the quick reading counts, your nadir sign is %2; the lowest point of the sky itself, the Imum Coeli, lies in %3.</source>
        <translation>Il tuo ascendente è %1, quindi, contando come fa la lettura rapida, il tuo segno del nadir è %2; il punto più basso del cielo stesso, il Fondo Cielo, si trova in %3.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Secondo il Fondo Cielo, il tuo segno del nadir diventa %1 alle %2, %3 dopo.</translation>
    </message>
    <message>
        <source>Counted from the rising sign, your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Contando dall’ascendente, il tuo segno del nadir diventa %1 alle %2, %3 dopo.</translation>
    </message>
    <message>
        <source>Your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Il tuo segno del nadir diventa %1 alle %2, %3 dopo.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Secondo il Fondo Cielo, il tuo segno del nadir era %1 fino alle %2, %3 prima.</translation>
    </message>
    <message>
        <source>Counted from the rising sign, your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Contando dall’ascendente, il tuo segno del nadir era %1 fino alle %2, %3 prima.</translation>
    </message>
    <message>
        <source>Your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Il tuo segno del nadir era %1 fino alle %2, %3 prima.</translation>
    </message>
    <message>
        <source>DD</source>
        <comment>a day in a date&apos;s hint</comment>
        <translation>GG</translation>
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
        <translation>Non è una data: «%1». Indicala come %2 o %3.</translation>
    </message>
    <message>
        <source>The year in “%1” needs all four digits: give the date as %2.</source>
        <translation>L’anno in «%1» richiede tutte e quattro le cifre: indica la data come %2.</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <comment>a time&apos;s hint</comment>
        <translation>HH:MM</translation>
    </message>
    <message>
        <source>Not a time of day: “%1”. Give it as %2.</source>
        <translation>Non è un’ora: «%1». Indicala come %2.</translation>
    </message>
    <message>
        <source>The quick reading counts the tropical zodiac.</source>
        <translation>La lettura rapida conta nello zodiaco tropicale.</translation>
    </message>
    <message>
        <source>less than a second</source>
        <translation>meno di un secondo</translation>
    </message>
    <message numerus="yes">
        <source>%n second</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
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
        <translation>zodiaco tropicale</translation>
    </message>
    <message>
        <source>sidereal zodiac, %1 ayanamsa %2°%3′</source>
        <comment>%1: the ayanamsa&apos;s name; %2 and %3: its degrees and minutes</comment>
        <translation>zodiaco siderale, ayanamsa di %1 %2°%3′</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a text naming signs, and their zodiac</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Tropical</source>
        <comment>the zodiac to choose</comment>
        <translation>Tropicale</translation>
    </message>
    <message>
        <source>Sidereal (%1)</source>
        <comment>%1: the ayanamsa&apos;s name</comment>
        <translation>Siderale (%1)</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>You will love being young all your life. But with age you will also respect the experience that you have gained through your life.</source>
        <translation>Amerai essere giovane per tutta la vita. Ma con gli anni rispetterai anche l’esperienza che la vita ti avrà donato.</translation>
    </message>
    <message>
        <source>You will believe in nourishing and caring the old fashioned way. To know that your family is eating and sleeping well will matter a lot to you. You will also make it a point to be financially stable.</source>
        <translation>Crederai in un modo tradizionale di nutrire e di prenderti cura degli altri. Sapere che la tua famiglia mangia e dorme bene conterà molto per te. Farai anche in modo di avere una stabilità economica.</translation>
    </message>
    <message>
        <source>You will lead a very unstable life. You may move or relocate a lot and thus find yourself at a new place every few days, months or years. You will be comfortable with technology.</source>
        <translation>Condurrai una vita molto instabile. Potresti traslocare spesso e ritrovarti così in un posto nuovo dopo pochi giorni, mesi o anni. Ti troverai a tuo agio con la tecnologia.</translation>
    </message>
    <message>
        <source>You will not be able to stick to a single place. You will wander through many places before you find a place that you can call your home.</source>
        <translation>Non riuscirai a restare in un solo posto. Vagherai per molti luoghi prima di trovarne uno che tu possa chiamare casa.</translation>
    </message>
    <message>
        <source>People may find you arrogant and overbearing. You will be like the mother lion and expect to be respected. You will be self sacrificing for your family.</source>
        <translation>Gli altri potrebbero trovarti arrogante e prepotente. Sarai come una leonessa con i suoi cuccioli e pretenderai rispetto. Ti sacrificherai per la tua famiglia.</translation>
    </message>
    <message>
        <source>You care a lot about other people&apos;s feelings. You are more expressive in written communication than oral.</source>
        <translation>Tieni molto ai sentimenti degli altri. Ti esprimi meglio per iscritto che a voce.</translation>
    </message>
    <message>
        <source>You will believe in yourself and always trust people. You set yourself very high ideals and strive to stand by them. You can fight people but at the same time need a peaceful and happy atmosphere.</source>
        <translation>Crederai in te e ti fiderai sempre delle persone. Ti poni ideali molto alti e ti sforzi di restarvi fedele. Sai scontrarti con gli altri, ma allo stesso tempo hai bisogno di un’atmosfera serena e felice.</translation>
    </message>
    <message>
        <source>Your home is your secret hiding place where you will hide from the world. You will crave for privacy.</source>
        <translation>La tua casa è il tuo nascondiglio segreto, dove ti ripari dal mondo. Avrai un gran bisogno di riservatezza.</translation>
    </message>
    <message>
        <source>You will not live at one place. You will be religious.</source>
        <translation>Non vivrai in un solo luogo. Sarai una persona religiosa.</translation>
    </message>
    <message>
        <source>You will never be happy with your life if you keep looking at the bits and pieces. Learn to enjoy yourself and have a happy time with your family. You may have seen separation from one parent. You will be highly responsible.</source>
        <translation>Non sarai mai felice della tua vita se continuerai a badare alle piccolezze. Impara a goderti la vita e a passare momenti felici con la tua famiglia. Potresti aver vissuto la separazione da uno dei genitori. Avrai un forte senso di responsabilità.</translation>
    </message>
    <message>
        <source>You will overdo things for your family. Even if you are not in a physical or mental position to help people, you will never give up. Family will not mean a normal life but something different.</source>
        <translation>Farai più del necessario per la tua famiglia. Anche quando non sarai in condizione, fisicamente o mentalmente, di aiutare gli altri, non ti arrenderai mai. Per te la famiglia non significherà una vita normale, ma qualcosa di diverso.</translation>
    </message>
    <message>
        <source>You will be comfortable with people who are gentle and loving. You will also plan for the future so that others can enjoy the fruits of your labor.</source>
        <translation>Ti troverai a tuo agio con le persone dolci e affettuose. Farai anche progetti per il futuro, perché altri possano godere dei frutti del tuo lavoro.</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dicembre</translation>
    </message>
</context>
<context>
    <name>PlaceList</name>
    <message>
        <source>Places found</source>
        <translation>Luoghi trovati</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>L’applicazione è già in esecuzione</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Potrebbe essere disponibile un aggiornamento di questo software<byte value="xd"/>Vuoi cercare un aggiornamento?</translation>
    </message>
</context>
<context>
    <name>ReadingCard</name>
    <message>
        <source>Data used</source>
        <translation>Dati usati</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>Luoghi: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>A reading can be saved as %1, not as “%2”.</source>
        <translation>Un risultato si può salvare come %1, non come «%2».</translation>
    </message>
    <message>
        <source>The card could not be drawn.</source>
        <translation>Impossibile disegnare la scheda.</translation>
    </message>
    <message>
        <source>%1, %2 or %3</source>
        <comment>the endings a card can be saved with</comment>
        <translation>%1, %2 o %3</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the endings a card can be saved with</comment>
        <translation>%1 o %2</translation>
    </message>
</context>
<context>
    <name>TimeSlot</name>
    <message>
        <source>4am-6am</source>
        <extracomment>A two-hour slot of the day of birth, in the style of the language&apos;s clocks; the list is narrow.</extracomment>
        <translation>ore 4–6</translation>
    </message>
    <message>
        <source>2am-4am</source>
        <translation>ore 2–4</translation>
    </message>
    <message>
        <source>midnight-2am</source>
        <translation>ore 0–2</translation>
    </message>
    <message>
        <source>10pm-midnight</source>
        <translation>ore 22–24</translation>
    </message>
    <message>
        <source>8pm-10pm</source>
        <translation>ore 20–22</translation>
    </message>
    <message>
        <source>6pm-8pm</source>
        <translation>ore 18–20</translation>
    </message>
    <message>
        <source>4pm-6pm</source>
        <translation>ore 16–18</translation>
    </message>
    <message>
        <source>2pm-4pm</source>
        <translation>ore 14–16</translation>
    </message>
    <message>
        <source>noon-2pm</source>
        <translation>ore 12–14</translation>
    </message>
    <message>
        <source>10am-noon</source>
        <translation>ore 10–12</translation>
    </message>
    <message>
        <source>8am-10am</source>
        <translation>ore 8–10</translation>
    </message>
    <message>
        <source>6am-8am</source>
        <translation>ore 6–8</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The most popular online discussion board and the best resource for astrology and the occult on the Internet. Visit %1 Now</source>
        <translation>Il forum di discussione online più popolare e la migliore risorsa su astrologia e occulto in Internet. Visita subito %1</translation>
    </message>
</context>
<context>
    <name>ZodiacSign</name>
    <message>
        <source>Aries</source>
        <extracomment>The sign&apos;s name as astrologers of the language write it.</extracomment>
        <translation>Ariete</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Toro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gemelli</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancro</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leone</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vergine</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Bilancia</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpione</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorno</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acquario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Pesci</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. This is what makes you comfortable in life. This stands for security and stability.</source>
        <translation>Quorvis rappresenta l’inizio e la fine della vita di una persona. Il Fondo Cielo (Imum Coeli), o nadir, è il punto più basso dell’oroscopo. Ti rivela di più su ciò che desideri nella vita privata, nella famiglia, nei figli, nel prenderti cura degli altri e nell’amare. È ciò che ti fa sentire a tuo agio nella vita. Rappresenta sicurezza e stabilità.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Apre la home page del produttore nel browser web</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Apre la pagina dell’offerta con il tuo marchio nel browser web</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Fai clic qui per maggiori dettagli</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Lavoro da casa. Avvia la tua attività su Internet e guadagna online. Ottieni questo software interamente con il marchio del tuo sito web.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Quorvis icon</source>
        <translation>Icona di Quorvis</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Fai clic qui per visitare %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Apre la pagina dell’offerta di co-branding nel browser web</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Metti il marchio del tuo sito su questo software.  Più fedeltà e più traffico per il tuo sito. Qui il nome &amp;  il link del tuo sito. Dettagli in «Aiuto».    Fai clic qui per saperne di più sul co-branding.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Apre la pagina dell’offerta con il tuo marchio nel browser web</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Lavoro da casa. Avvia la tua attività su Internet e guadagna online. Ottieni questo software interamente con il marchio del tuo sito web. Fai clic qui per maggiori dettagli.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quorvis Result</source>
        <translation>Risultato Quorvis</translation>
    </message>
    <message>
        <source>Nadir Sign</source>
        <translation>Segno del nadir</translation>
    </message>
    <message>
        <source>Your Nadir Sign Is In</source>
        <translation>Il tuo nadir è in</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretazione</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Immagine del segno</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Apre la home page del produttore nel browser web</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Trova il mio &amp;nadir esatto…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Guida online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il nostro sito</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Cerca &amp;aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Dona</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Guadagna online</translation>
    </message>
</context>
<context>
    <name>frmExact</name>
    <message>
        <source>Birth</source>
        <translation>Nascita</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>&amp;Date of birth</source>
        <translation>&amp;Data di nascita</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Data di nascita</translation>
    </message>
    <message>
        <source>&amp;Time of birth</source>
        <translation>&amp;Ora di nascita</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Ora di nascita</translation>
    </message>
    <message>
        <source>I &amp;know only the two-hour slot</source>
        <translation>Cono&amp;sco solo la fascia di due ore</translation>
    </message>
    <message>
        <source>I know only the two-hour slot</source>
        <translation>Conosco solo la fascia di due ore</translation>
    </message>
    <message>
        <source>Two-hour sl&amp;ot</source>
        <translation>&amp;Fascia di due ore</translation>
    </message>
    <message>
        <source>Two-hour slot</source>
        <translation>Fascia di due ore</translation>
    </message>
    <message>
        <source>&amp;Birthplace</source>
        <translation>&amp;Luogo di nascita</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Luogo di nascita</translation>
    </message>
    <message>
        <source>Type the first letters of a town</source>
        <translation>Digita le prime lettere di una città</translation>
    </message>
    <message>
        <source>Enter &amp;coordinates instead</source>
        <translation>Inserisci le &amp;coordinate</translation>
    </message>
    <message>
        <source>Enter coordinates instead</source>
        <translation>Inserisci le coordinate</translation>
    </message>
    <message>
        <source>L&amp;atitude</source>
        <translation>L&amp;atitudine</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>degrees, north positive: 51.51</source>
        <translation>gradi, nord positivo: 51,51</translation>
    </message>
    <message>
        <source>Longit&amp;ude</source>
        <translation>Longit&amp;udine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>degrees, east positive: -0.13</source>
        <translation>gradi, est positivo: -0,13</translation>
    </message>
    <message>
        <source>Time &amp;zone</source>
        <translation>Fuso o&amp;rario</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Europe/London or +01:00</source>
        <translation>Europe/London o +01:00</translation>
    </message>
    <message>
        <source>Exact reading</source>
        <translation>Risultato esatto</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>Luoghi: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Save Reading…</source>
        <translation>Sal&amp;va risultato…</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;pia</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Exact Nadir - %1</source>
        <translation>Nadir esatto – %1</translation>
    </message>
    <message>
        <source>During the slot: %1</source>
        <translation>Durante la fascia: %1</translation>
    </message>
    <message>
        <source>During the slot: %1. %2</source>
        <comment>%2: what the clocks did</comment>
        <translation>Durante la fascia: %1. %2</translation>
    </message>
    <message>
        <source>Give the date, the time and the place of birth to see the exact nadir.</source>
        <translation>Indica la data, l’ora e il luogo di nascita per vedere il nadir esatto.</translation>
    </message>
    <message>
        <source>Exact nadir reading</source>
        <translation>Risultato esatto del nadir</translation>
    </message>
    <message>
        <source>Exact nadir reading for %1</source>
        <translation>Risultato esatto del nadir per %1</translation>
    </message>
    <message>
        <source>No reading yet</source>
        <translation>Ancora nessun risultato</translation>
    </message>
    <message>
        <source>Reading shown: %1</source>
        <translation>Risultato mostrato: %1</translation>
    </message>
    <message>
        <source>Born %1 at %2</source>
        <translation>Data di nascita: %1, ore %2</translation>
    </message>
    <message>
        <source>Time used: %1</source>
        <translation>Ora usata: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Luogo: %1</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Disegno SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Reading</source>
        <translation>Salva risultato</translation>
    </message>
    <message>
        <source>Born %1, %2</source>
        <translation>Data di nascita: %1, %2</translation>
    </message>
    <message>
        <source>Interpret the sign of the &amp;Imum Coeli</source>
        <translation>Interpreta il segno del Fondo C&amp;ielo</translation>
    </message>
    <message>
        <source>Interpret the sign counted from the &amp;rising sign</source>
        <translation>Interpreta il segno contato dall’asc&amp;endente</translation>
    </message>
    <message>
        <source>Your nadir sign, %1</source>
        <translation>Il tuo segno del nadir: %1</translation>
    </message>
    <message>
        <source>Your nadir sign counted from the rising sign, %1</source>
        <translation>Il tuo segno del nadir contato dall’ascendente: %1</translation>
    </message>
    <message>
        <source>Your nadir sign by the Imum Coeli, %1</source>
        <translation>Il tuo segno del nadir secondo il Fondo Cielo: %1</translation>
    </message>
    <message>
        <source>The reading could not be saved to %1.

%2</source>
        <translation>Impossibile salvare il risultato in %1.

%2</translation>
    </message>
    <message>
        <source>Ne&amp;w Reading</source>
        <translation>Nuovo risul&amp;tato</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Stampa…</translation>
    </message>
    <message>
        <source>Zodiac</source>
        <translation>Zodiaco</translation>
    </message>
    <message>
        <source>No place called “%1” in the list, which holds towns of %L2 people or more. Enter coordinates instead?</source>
        <translation>Nessun luogo chiamato «%1» nell’elenco, che comprende i centri da %L2 abitanti in su. Inserire invece le coordinate?</translation>
    </message>
    <message>
        <source>Exact nadir reading</source>
        <comment>a file name</comment>
        <translation>Nadir esatto</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message>
        <source>Print Reading</source>
        <translation>Stampa risultato</translation>
    </message>
    <message>
        <source>The reading could not be printed: the printer could not be started.</source>
        <translation>Impossibile stampare il risultato: la stampante non si è avviata.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Apre la pagina dell’offerta di co-branding nel browser web</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Metti il marchio del tuo sito su questo software.  Più fedeltà e più traffico per il tuo sito. Qui il nome &amp;  il link del tuo sito. Dettagli in «Aiuto».    Fai clic qui per saperne di più sul co-branding.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Apre la pagina dell’offerta con il tuo marchio nel browser web</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Lavoro da casa. Avvia la tua attività su Internet e guadagna online. Ottieni questo software interamente con il marchio del tuo sito web. Fai clic qui per maggiori dettagli.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. Get your reading now!</source>
        <translation>Quorvis rappresenta l’inizio e la fine della vita di una persona. Il Fondo Cielo (Imum Coeli), o nadir, è il punto più basso dell’oroscopo. Ti rivela di più su ciò che desideri nella vita privata, nella famiglia, nei figli, nel prenderti cura degli altri e nell’amare. Scopri subito la tua interpretazione!</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Inserisci i tuoi dati corretti e scopri di più su di te </translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>I tuoi dati</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Name:-</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Date Of Birth:-</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Time Of Birth</source>
        <translation>Ora di nascita</translation>
    </message>
    <message>
        <source>Time Of Birth:-</source>
        <translation>Ora di nascita:</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Apre la home page del produttore nel browser web</translation>
    </message>
    <message>
        <source>Find My &amp;Quorvis Sign</source>
        <translation>Trova il mio segno &amp;Quorvis</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Trova il mio &amp;nadir esatto…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Guida online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il nostro sito</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Cerca &amp;aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Dona</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Guadagna online</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet !</source>
        <extracomment>In a translated window the name takes the letters of every script, and spaces: say that.</extracomment>
        <translation>Inserisci solo lettere e spazi.</translation>
    </message>
</context>
<context>
    <name>frmPromotion</name>
    <message>
        <source>Quorvis icon</source>
        <translation>Icona di Quorvis</translation>
    </message>
    <message>
        <source>Opens the Pellmark home page in your web browser</source>
        <translation>Apre la home page di Pellmark nel browser web</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Consiglia a un amico</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Consiglia ora</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Email dell’amico</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome dell’amico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Il tuo messaggio</translation>
    </message>
    <message>
        <source>Download Pellmark Softwares</source>
        <translation>Scarica i software Pellmark</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Pellmark Softwares. From a single software, we have now grown to become the world’s largest resource of pellmark softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Pellmark Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Se questo software ti è piaciuto, gli altri software Pellmark ti interesseranno di sicuro. Da un solo software siamo diventati la più grande raccolta di software Pellmark al mondo. Astrologia, chiaroveggenza, tarocchi, numerologia o occulto: abbiamo programmi in ogni campo, per offrire ai nostri utenti un’ampia scelta in base ai loro interessi.                                                             Tutti i programmi della suite Pellmark sono semplici e facili da usare. Non solo sono divertenti, ma anche molto istruttivi. Provali oggi stesso e condividi la tua esperienza con amici e familiari. </translation>
    </message>
    <message>
        <source>Opens the Pellmark Softwares page in your web browser</source>
        <translation>Apre la pagina dei software Pellmark nel browser web</translation>
    </message>
    <message>
        <source>Click Here To Visit Pellmark Softwares</source>
        <translation>Fai clic qui per scoprire i software Pellmark</translation>
    </message>
    <message>
        <source>Pellmark Softwares, such as this can be created and maintained only with your support. The best way to support Pellmark is to visit Pellmark regularly and take part in the discussions and other activities on the board.</source>
        <translation>I software Pellmark come questo possono essere creati e mantenuti solo con il tuo sostegno. Il modo migliore per sostenere Pellmark è visitare Pellmark regolarmente e partecipare alle discussioni e alle altre attività del forum.</translation>
    </message>
    <message>
        <source>Visit Pellmark regularly. Support Pellmark by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Pellmark</source>
        <translation>Visita Pellmark regolarmente. Sostieni Pellmark partecipando alle discussioni e alle altre attività. Senza le tue visite regolari a Pellmark, questi software non possono essere supportati e mantenuti</translation>
    </message>
    <message>
        <source>Pellmark is a FREE online discussion forum on astrology, psychic, tarot, numerology and the occult. Visit Pellmark regularly to help us develop and maintain this software.</source>
        <translation>Pellmark è un forum di discussione online GRATUITO su astrologia, chiaroveggenza, tarocchi, numerologia e occulto. Visita Pellmark regolarmente per aiutarci a sviluppare e mantenere questo software.</translation>
    </message>
    <message>
        <source>Pellmark needs your help. All you need to do is visit Pellmark regularly and take part in the various discussions and activites to help us maintain and develop more Pellmark Softwares.</source>
        <translation>Pellmark ha bisogno del tuo aiuto. Ti basta visitare Pellmark regolarmente e partecipare alle varie discussioni e attività per aiutarci a mantenere e sviluppare altri software Pellmark.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Visita subito %1</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L’indirizzo email non può contenere spazi</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Inserisci due indirizzi email diversi</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Inserisci un indirizzo email valido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Inserisci la tua email</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Inserisci il tuo messaggio</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Inserisci il nome del tuo amico</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Inserisci l’email del tuo amico</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Il tuo messaggio</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome dell’amico</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Email dell’amico</translation>
    </message>
</context>
</TS>
