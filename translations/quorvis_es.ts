<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Angles</name>
    <message>
        <source>The latitude is that of a pole (90°), where the meridian and so the Midheaven are undefined.</source>
        <translation>La latitud es la de un polo (90°), donde el meridiano y, por tanto, el Medio Cielo no están definidos.</translation>
    </message>
    <message>
        <source>The latitude must lie between -90° and 90°.</source>
        <translation>La latitud debe estar entre -90° y 90°.</translation>
    </message>
    <message>
        <source>The longitude must lie between -180° and 180°.</source>
        <translation>La longitud debe estar entre -180° y 180°.</translation>
    </message>
    <message>
        <source>The instant lies outside the years the chart angles are computed for.</source>
        <translation>El instante queda fuera de los años para los que se calculan los ángulos de la carta.</translation>
    </message>
</context>
<context>
    <name>BirthDetails</name>
    <message>
        <source>Please Enter Your Name !</source>
        <translation>¡Introduzca su nombre!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>¡Introduzca un día o mes válido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>¡Introduzca un día o mes válido!</translation>
    </message>
</context>
<context>
    <name>ChartWheel</name>
    <message>
        <source>Chart wheel</source>
        <translation>Rueda de la carta</translation>
    </message>
    <message>
        <source>No chart yet: give the date, the time and the place of birth.</source>
        <translation>Aún no hay carta: indique la fecha, la hora y el lugar de nacimiento.</translation>
    </message>
    <message>
        <source>Ascendant %1, Midheaven %2, Descendant %3, Imum Coeli %4</source>
        <translation>Ascendente %1, Medio Cielo %2, Descendente %3, Fondo del Cielo %4</translation>
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
        <translation>%1; marcada la casa cuarta contada por signos enteros: %2</translation>
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
        <translation>Lugar:</translation>
    </message>
    <message>
        <source>Gap:</source>
        <translation>Salto:</translation>
    </message>
    <message>
        <source>Overlap:</source>
        <translation>Repetición:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Local time:</source>
        <translation>Hora local:</translation>
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
        <translation>Resultado %1 de %2: %3</translation>
    </message>
    <message>
        <source>No place matches &quot;%1&quot;.</source>
        <translation>Ningún lugar coincide con «%1».</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <source>Show the version, and that of the tz data in use.</source>
        <translation>Mostrar la versión y la de los datos tz en uso.</translation>
    </message>
    <message>
        <source>name</source>
        <comment>value of an option</comment>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Latitude, decimal degrees north (south &lt; 0).</source>
        <translation>Latitud, en grados decimales norte (sur &lt; 0).</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>value of an option</comment>
        <translation>grados</translation>
    </message>
    <message>
        <source>Longitude, decimal degrees east (west &lt; 0).</source>
        <translation>Longitud, en grados decimales este (oeste &lt; 0).</translation>
    </message>
    <message>
        <source>Time zone of the place, a name of the tz database such as Europe/London, or an offset such as +01:00.</source>
        <translation>Zona horaria del lugar, un nombre de la base tz como Europe/London, o un desfase como +01:00.</translation>
    </message>
    <message>
        <source>Fixed offset of the local clock from UT, -12:00 to +14:00, e.g. +01:00.</source>
        <translation>Desfase fijo del reloj local respecto a UT, de -12:00 a +14:00, p. ej. +01:00.</translation>
    </message>
    <message>
        <source>Local date, %1 to %2.</source>
        <translation>Fecha local, del %1 al %2.</translation>
    </message>
    <message>
        <source>Local clock time.</source>
        <translation>Hora local del reloj.</translation>
    </message>
    <message>
        <source>List the first places a search finds, and stop (only --json may go with it).</source>
        <translation>Listar los primeros lugares que encuentra una búsqueda y terminar (solo --json puede acompañarlo).</translation>
    </message>
    <message>
        <source>text</source>
        <comment>value of an option</comment>
        <translation>texto</translation>
    </message>
    <message>
        <source>Print one JSON object.</source>
        <translation>Imprimir un objeto JSON.</translation>
    </message>
    <message>
        <source>The exact Imum Coeli, Ascendant and Midheaven of a birth from its local date, time and place.</source>
        <translation>El Fondo del Cielo, el Ascendente y el Medio Cielo exactos de un nacimiento, a partir de su fecha,
hora y lugar.</translation>
    </message>
    <message>
        <source>Exit status: 0 for a reading (also when the local time fell in a clock change&apos;s gap or overlap) or a
place list; 1 when it cannot read because of the installed time-zone data or a failure of its own;
2 for input it cannot use.</source>
        <comment>the program wraps the lines</comment>
        <translation>Estado de salida: 0 para un resultado (también si la hora local cayó en el salto o la repetición de
un cambio de hora) o una lista de lugares; 1 si no puede calcular el resultado por los datos de zonas instalados o
por un fallo propio; 2 para datos que no puede usar.</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 se da más de una vez</translation>
    </message>
    <message>
        <source>--places takes no other options (only --json), not -%1%2</source>
        <translation>--places no admite otras opciones (solo --json), no -%1%2</translation>
    </message>
    <message>
        <source>give either --zone or --utc-offset, not both</source>
        <translation>indique --zone o --utc-offset, no ambos</translation>
    </message>
    <message>
        <source>give either --place or --lat and --lon, not both</source>
        <translation>indique --place o bien --lat y --lon, no ambos</translation>
    </message>
    <message>
        <source>give a place: --place NAME, or --lat and --lon with --zone or --utc-offset</source>
        <translation>indique un lugar: --place NOMBRE, o --lat y --lon con --zone o --utc-offset</translation>
    </message>
    <message>
        <source>give both --lat and --lon</source>
        <translation>indique tanto --lat como --lon</translation>
    </message>
    <message>
        <source>give the local date with --date YYYY-MM-DD, and the time with --time HH:MM or the two-hour slot with --slot</source>
        <translation>indique la fecha local con --date YYYY-MM-DD, y la hora con --time HH:MM o la franja de dos horas con --slot</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>quorvis-exact %1
tz data %2
</source>
        <translation>quorvis-exact %1
datos tz %2
</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrados</translation>
    </message>
    <message>
        <source>--places needs some text to search for</source>
        <translation>--places necesita un texto que buscar</translation>
    </message>
    <message>
        <source>zone</source>
        <comment>value of an option</comment>
        <translation>zona</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Franja:</translation>
    </message>
    <message>
        <source>IC signs:</source>
        <comment>the IC&apos;s signs during a slot</comment>
        <translation>Signos FC:</translation>
    </message>
    <message>
        <source>Time used:</source>
        <translation>Hora usada:</translation>
    </message>
    <message>
        <source>Birth place: a name as --places lists it, or the best match of a search.</source>
        <translation>Lugar de nacimiento: un nombre tal como aparece en --places, o la mejor coincidencia de una búsqueda.</translation>
    </message>
    <message>
        <source>Only the two-hour slot, instead of --time, as the quick reading lists it, e.g. 2pm-4pm.</source>
        <translation>Solo la franja de dos horas, en lugar de --time, tal como aparece en la lectura rápida, p. ej. &quot;14-16 h&quot;.</translation>
    </message>
    <message>
        <source>slot</source>
        <comment>value of an option</comment>
        <translation>franja</translation>
    </message>
    <message>
        <source>took %1 for %2; to name another, write it as --places lists it, such as --place %3</source>
        <translation>para %2 se tomó %1; para indicar otro, escríbalo tal como aparece en --places, por ejemplo --place %3</translation>
    </message>
    <message>
        <source>give either --time or --slot, not both</source>
        <translation>indique --time o --slot, no ambos</translation>
    </message>
    <message>
        <source>cannot write the reading: %1</source>
        <translation>no se puede escribir el resultado: %1</translation>
    </message>
    <message>
        <source>Zodiac:</source>
        <translation>Zodiaco:</translation>
    </message>
    <message>
        <source>The zodiac the signs are counted in: %1 (the default) or sidereal, by one of the ayanamsas %2.</source>
        <translation>El zodiaco en que se cuentan los signos: %1 (el predeterminado) o sideral, según una de las ayanamsas %2.</translation>
    </message>
    <message>
        <source>no place matches %1 (the list holds towns of %L2 people or more); --places TEXT lists what a search finds, or give the coordinates with --lat, --lon and --zone</source>
        <translation>ningún lugar coincide con %1 (la lista recoge localidades de %L2 habitantes o más); --places TEXTO lista lo que encuentra una búsqueda, o indique las coordenadas con --lat, --lon y --zone</translation>
    </message>
    <message>
        <source>no zodiac %1; --zodiac takes %2</source>
        <translation>no hay zodiaco %1; --zodiac admite %2</translation>
    </message>
</context>
<context>
    <name>ExactReading</name>
    <message>
        <source>The date must lie between %1 and %2.</source>
        <translation>La fecha debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>Not a date: “%1”. Give it as YYYY-MM-DD.</source>
        <translation>No es una fecha: «%1». Indíquela como YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>There is no such date as “%1”.</source>
        <translation>No existe la fecha «%1».</translation>
    </message>
    <message>
        <source>Not a time of day: “%1”. Give it as HH:MM or HH:MM:SS, from 00:00 to 23:59:59.</source>
        <translation>No es una hora: «%1». Indíquela como HH:MM o HH:MM:SS, de 00:00 a 23:59:59.</translation>
    </message>
    <message>
        <source>Not a latitude: “%1”. Give degrees from −90 to 90, north positive.</source>
        <translation>No es una latitud: «%1». Indique grados de −90 a 90, norte positivo.</translation>
    </message>
    <message>
        <source>Not a longitude: “%1”. Give degrees from −180 to 180, east positive.</source>
        <translation>No es una longitud: «%1». Indique grados de −180 a 180, este positivo.</translation>
    </message>
    <message>
        <source>Unknown time zone “%1”: give one such as Europe/London, or an offset from −12:00 to +14:00 such as +01:00.</source>
        <translation>Zona horaria desconocida «%1»: indique una como Europe/London, o un desfase de −12:00 a +14:00 como +01:00.</translation>
    </message>
    <message>
        <source>Not an offset from UTC: “%1”. Give one from −12:00 to +14:00 such as +01:00.</source>
        <translation>No es un desfase respecto a UTC: «%1». Indique uno de −12:00 a +14:00, como +01:00.</translation>
    </message>
    <message>
        <source>%1°%2′ %3</source>
        <comment>degrees, minutes and sign of a position in the zodiac</comment>
        <translation>%1°%2′ %3</translation>
    </message>
    <message>
        <source>%1, before the jump</source>
        <comment>a UTC offset</comment>
        <translation>%1, antes del salto</translation>
    </message>
    <message>
        <source>%1, after the jump</source>
        <comment>a UTC offset</comment>
        <translation>%1, después del salto</translation>
    </message>
    <message>
        <source>Both readings are given, with the offset before the jump and with the one after.</source>
        <translation>Se dan los dos resultados, con el desfase de antes del cambio de hora y con el de después.</translation>
    </message>
    <message>
        <source>%1, local mean time</source>
        <comment>a UTC offset</comment>
        <translation>%1, hora media local</translation>
    </message>
    <message>
        <source>%1, summer time</source>
        <comment>a UTC offset</comment>
        <translation>%1, horario de verano</translation>
    </message>
    <message>
        <source>%1, standard time</source>
        <comment>a UTC offset</comment>
        <translation>%1, hora estándar</translation>
    </message>
    <message>
        <source>Both readings are given, the earlier first.</source>
        <translation>Se dan los dos resultados, primero el anterior.</translation>
    </message>
    <message numerus="yes">
        <source>All %n readings are given, the earliest first.</source>
        <translation>
            <numerusform>Se dan los %n resultados, primero el más temprano.</numerusform>
            <numerusform>Se dan los %n resultados, primero el más temprano.</numerusform>
        </translation>
    </message>
    <message>
        <source>The local time could not be turned into Universal Time.</source>
        <translation>La hora local no se pudo convertir a tiempo universal.</translation>
    </message>
    <message>
        <source>The time of birth is not a time of day.</source>
        <translation>La hora de nacimiento no es una hora del día.</translation>
    </message>
    <message>
        <source>The two-hour slot must be one of the twelve.</source>
        <translation>La franja de dos horas debe ser una de las doce.</translation>
    </message>
    <message>
        <source>This build does not know %1, the time zone of %2.</source>
        <translation>Esta versión no conoce %1, la zona horaria de %2.</translation>
    </message>
    <message>
        <source>Give the place&apos;s time zone or its offset from UTC.</source>
        <translation>Indique la zona horaria del lugar o su desfase respecto a UTC.</translation>
    </message>
    <message>
        <source>Imum Coeli %1</source>
        <translation>Fondo del Cielo %1</translation>
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
        <translation>Los datos de zonas horarias instalados aquí no tienen la zona %1.</translation>
    </message>
    <message>
        <source>Quick reading for the same day and slot: %1</source>
        <translation>Lectura rápida para el mismo día y la misma franja: %1</translation>
    </message>
    <message>
        <source>The quick reading looks only at the day, the month and the two-hour slot through fixed tables; the exact one uses the minute and the birthplace, so the two can name different signs.</source>
        <translation>La lectura rápida solo tiene en cuenta el día, el mes y la franja de dos horas mediante tablas fijas; la exacta usa el minuto y el lugar de nacimiento, así que ambas pueden dar signos distintos.</translation>
    </message>
    <message>
        <source>Clocks there did not yet keep standard time, so the local mean time of the birthplace (%1) is used.</source>
        <translation>Allí los relojes aún no seguían la hora estándar, así que se usa la hora media local del lugar de nacimiento (%1).</translation>
    </message>
    <message>
        <source>Beyond the polar circle the ecliptic can stay wholly above or below the horizon for hours, so the Ascendant here is unreliable; the Imum Coeli and the Midheaven are exact.</source>
        <translation>Más allá del círculo polar, la eclíptica puede quedar horas enteramente por encima o por debajo del horizonte, así que aquí el Ascendente no es fiable; el Fondo del Cielo y el Medio Cielo son exactos.</translation>
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
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>went back from %1 on %2 to %3 on %4</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>se atrasaron de las %1 del %2 a las %3 del %4</translation>
    </message>
    <message>
        <source>jumped from %1 on %2 to %3 on %4</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>se adelantaron de las %1 del %2 a las %3 del %4</translation>
    </message>
    <message>
        <source>went back from %1 to %2 on %3</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>se atrasaron el %3 de las %1 a las %2</translation>
    </message>
    <message>
        <source>jumped from %1 to %2 on %3</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>se adelantaron el %3 de las %1 a las %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two changes of the clocks</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>changes of the clocks before the last</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <comment>a clock time on a day</comment>
        <translation>%1 del %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>format of a day with its year</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>format of a day without its year</comment>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4, so %5 never happened there.</source>
        <translation>Allí los relojes se adelantaron de las %1 del %2 a las %3 del %4, así que el %5 nunca existió allí.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4, so the days from %5 to %6 never happened there.</source>
        <translation>Allí los relojes se adelantaron de las %1 del %2 a las %3 del %4, así que los días del %5 al %6 nunca existieron allí.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4, so %5 on %6 never showed there.</source>
        <translation>Allí los relojes se adelantaron de las %1 del %2 a las %3 del %4, así que las %5 del %6 nunca se marcaron allí.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 to %2 on %3, so %4 never showed there.</source>
        <translation>Allí los relojes se adelantaron el %3 de las %1 a las %2, así que las %4 nunca se marcaron allí.</translation>
    </message>
    <message numerus="yes">
        <source>%1 showed %n times on the clocks there.</source>
        <comment>%1: a clock time on a day</comment>
        <translation>
            <numerusform>Las %1 se marcaron %n vez en los relojes de allí.</numerusform>
            <numerusform>Las %1 se marcaron %n veces en los relojes de allí.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clocks there went back from %1 on %2 to %3 on %4, so %5 on %6 showed twice there.</source>
        <translation>Allí los relojes se atrasaron de las %1 del %2 a las %3 del %4, así que las %5 del %6 se marcaron dos veces allí.</translation>
    </message>
    <message>
        <source>The clocks there went back from %1 to %2 on %3, so %4 showed twice there.</source>
        <translation>Allí los relojes se atrasaron el %3 de las %1 a las %2, así que las %4 se marcaron dos veces allí.</translation>
    </message>
    <message>
        <source>The clocks there %1, so %2 showed twice there.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>Allí los relojes %1, así que las %2 se marcaron dos veces allí.</translation>
    </message>
    <message numerus="yes">
        <source>The clocks there %1, so %2 showed %n times there.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>
            <numerusform>Allí los relojes %1, así que las %2 se marcaron %n vez allí.</numerusform>
            <numerusform>Allí los relojes %1, así que las %2 se marcaron %n veces allí.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clocks there went back from %1 on %2 to %3 on %4 during this slot, so it lasted %5.</source>
        <translation>Allí los relojes se atrasaron de las %1 del %2 a las %3 del %4 durante esta franja, que, por tanto, duró %5.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4 during this slot, so it lasted %5.</source>
        <translation>Allí los relojes se adelantaron de las %1 del %2 a las %3 del %4 durante esta franja, que, por tanto, duró %5.</translation>
    </message>
    <message>
        <source>The clocks there went back from %1 to %2 on %3 during this slot, so it lasted %4.</source>
        <translation>Allí los relojes se atrasaron el %3 de las %1 a las %2 durante esta franja, que, por tanto, duró %4.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 to %2 on %3 during this slot, so it lasted %4.</source>
        <translation>Allí los relojes se adelantaron el %3 de las %1 a las %2 durante esta franja, que, por tanto, duró %4.</translation>
    </message>
    <message>
        <source>The clocks there %1 during this slot, so it lasted %2.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>Allí los relojes %1 durante esta franja, que, por tanto, duró %2.</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT the day before</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 UT del día anterior</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT the next day</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 UT del día siguiente</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 UT</translation>
    </message>
    <message>
        <source>No minute of this slot showed on the clocks there. %1</source>
        <comment>%1: what the clocks did</comment>
        <translation>Ningún minuto de esta franja se marcó en los relojes de allí. %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <comment>a sign from a clock time</comment>
        <translation>%1 desde las %2</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <comment>a sign from a clock time and its clock</comment>
        <translation>%1 desde las %2 %3</translation>
    </message>
    <message>
        <source>%1, the middle of the slot</source>
        <comment>the time used</comment>
        <translation>%1, la mitad de la franja</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a place&apos;s name and where it lies</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the last two parts of a length of time</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>parts of a length of time before the last</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>format of the first day of a month, with its year</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>format of the first day of a month, without its year</comment>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>Not a two-hour slot: “%1”. Give one as the quick reading lists it, such as %2.</source>
        <translation>No es una franja de dos horas: «%1». Indique una tal como aparece en la lectura rápida, por ejemplo %2.</translation>
    </message>
    <message>
        <source>Clocks there did not yet keep standard time, so the local mean time of the birthplace is used, counted from either side of the date line: %1 and %2.</source>
        <translation>Allí los relojes aún no seguían la hora estándar, así que se usa la hora media local del lugar de nacimiento, contada desde ambos lados de la línea de cambio de fecha: %1 y %2.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, the nadir sign is the sign of the lowest point of the ecliptic beneath the birthplace at the moment of birth. By the rising sign, as the quick reading counts, it is the sign three on from the one rising in the east at that moment: the fourth house of those who count houses by whole signs.</source>
        <translation>Según el Fondo del Cielo, el signo del nadir es el del punto más bajo de la eclíptica bajo el lugar de nacimiento en el momento del nacimiento. Según el signo ascendente, tal como calcula la lectura rápida, es el signo situado tres signos más allá del que asciende por el este en ese momento: la casa cuarta para quienes cuentan las casas por signos enteros.</translation>
    </message>
    <message>
        <source>Nadir sign: %1, by the Imum Coeli. Counted from the rising sign, as the quick reading counts, it would be %2, but beyond the polar circle the rising sign is unreliable.</source>
        <translation>Signo del nadir: %1, según el Fondo del Cielo. Contado desde el signo ascendente, tal como calcula la lectura rápida, sería %2, pero más allá del círculo polar el signo ascendente no es fiable.</translation>
    </message>
    <message>
        <source>Nadir sign: %1, by the IC and by the rising sign alike</source>
        <translation>Signo del nadir: %1, tanto según el FC como según el signo ascendente</translation>
    </message>
    <message>
        <source>Your rising sign is %1, so counted as the quick reading counts, your nadir sign is %2; the lowest point of the sky itself, the Imum Coeli, lies in %3.</source>
        <translation>Su signo ascendente es %1, así que, contado tal como calcula la lectura rápida, su signo del nadir es %2; el punto más bajo del propio cielo, el Fondo del Cielo, está en %3.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Según el Fondo del Cielo, su signo del nadir pasa a %1 a las %2, %3 después.</translation>
    </message>
    <message>
        <source>Counted from the rising sign, your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Contado desde el signo ascendente, su signo del nadir pasa a %1 a las %2, %3 después.</translation>
    </message>
    <message>
        <source>Your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Su signo del nadir pasa a %1 a las %2, %3 después.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Según el Fondo del Cielo, su signo del nadir era %1 hasta las %2, %3 antes.</translation>
    </message>
    <message>
        <source>Counted from the rising sign, your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Contado desde el signo ascendente, su signo del nadir era %1 hasta las %2, %3 antes.</translation>
    </message>
    <message>
        <source>Your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Su signo del nadir era %1 hasta las %2, %3 antes.</translation>
    </message>
    <message>
        <source>DD</source>
        <comment>a day in a date&apos;s hint</comment>
        <translation>DD</translation>
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
        <translation>No es una fecha: «%1». Indíquela como %2 o %3.</translation>
    </message>
    <message>
        <source>The year in “%1” needs all four digits: give the date as %2.</source>
        <translation>El año de «%1» necesita sus cuatro cifras: indique la fecha como %2.</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <comment>a time&apos;s hint</comment>
        <translation>HH:MM</translation>
    </message>
    <message>
        <source>Not a time of day: “%1”. Give it as %2.</source>
        <translation>No es una hora: «%1». Indíquela como %2.</translation>
    </message>
    <message>
        <source>The quick reading counts the tropical zodiac.</source>
        <translation>La lectura rápida cuenta en el zodiaco tropical.</translation>
    </message>
    <message>
        <source>less than a second</source>
        <translation>menos de un segundo</translation>
    </message>
    <message numerus="yes">
        <source>%n second</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
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
        <translation>zodiaco tropical</translation>
    </message>
    <message>
        <source>sidereal zodiac, %1 ayanamsa %2°%3′</source>
        <comment>%1: the ayanamsa&apos;s name; %2 and %3: its degrees and minutes</comment>
        <translation>zodiaco sideral, ayanamsa de %1 %2°%3′</translation>
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
        <translation>Sideral (%1)</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>You will love being young all your life. But with age you will also respect the experience that you have gained through your life.</source>
        <translation>Le encantará ser joven toda la vida. Pero con los años también respetará la experiencia que haya ido adquiriendo a lo largo de su vida.</translation>
    </message>
    <message>
        <source>You will believe in nourishing and caring the old fashioned way. To know that your family is eating and sleeping well will matter a lot to you. You will also make it a point to be financially stable.</source>
        <translation>Creerá en alimentar y cuidar a la antigua usanza. Saber que su familia come y duerme bien será muy importante para usted. También se propondrá tener estabilidad económica.</translation>
    </message>
    <message>
        <source>You will lead a very unstable life. You may move or relocate a lot and thus find yourself at a new place every few days, months or years. You will be comfortable with technology.</source>
        <translation>Llevará una vida muy inestable. Puede que se mude a menudo y así se encuentre en un lugar nuevo cada pocos días, meses o años. Se sentirá a gusto con la tecnología.</translation>
    </message>
    <message>
        <source>You will not be able to stick to a single place. You will wander through many places before you find a place that you can call your home.</source>
        <translation>No podrá quedarse en un solo lugar. Recorrerá muchos lugares antes de encontrar uno al que pueda llamar hogar.</translation>
    </message>
    <message>
        <source>People may find you arrogant and overbearing. You will be like the mother lion and expect to be respected. You will be self sacrificing for your family.</source>
        <translation>Puede que a los demás les parezca arrogante y dominante. Será como una leona madre y esperará respeto. Se sacrificará por su familia.</translation>
    </message>
    <message>
        <source>You care a lot about other people&apos;s feelings. You are more expressive in written communication than oral.</source>
        <translation>Le importan mucho los sentimientos de los demás. Se expresa mejor por escrito que de palabra.</translation>
    </message>
    <message>
        <source>You will believe in yourself and always trust people. You set yourself very high ideals and strive to stand by them. You can fight people but at the same time need a peaceful and happy atmosphere.</source>
        <translation>Creerá en su propio valor y siempre confiará en la gente. Se marca ideales muy elevados y se esfuerza por serles fiel. Puede enfrentarse a los demás, pero al mismo tiempo necesita un ambiente tranquilo y feliz.</translation>
    </message>
    <message>
        <source>Your home is your secret hiding place where you will hide from the world. You will crave for privacy.</source>
        <translation>Su hogar es su escondite secreto, donde se ocultará del mundo. Anhelará la intimidad.</translation>
    </message>
    <message>
        <source>You will not live at one place. You will be religious.</source>
        <translation>No vivirá en un solo lugar. Será una persona religiosa.</translation>
    </message>
    <message>
        <source>You will never be happy with your life if you keep looking at the bits and pieces. Learn to enjoy yourself and have a happy time with your family. You may have seen separation from one parent. You will be highly responsible.</source>
        <translation>Nunca será feliz con su vida si sigue fijándose en los pequeños detalles. Aprenda a disfrutar y a pasar buenos momentos con su familia. Puede que haya vivido la separación de uno de sus padres. Será muy responsable.</translation>
    </message>
    <message>
        <source>You will overdo things for your family. Even if you are not in a physical or mental position to help people, you will never give up. Family will not mean a normal life but something different.</source>
        <translation>Hará demasiado por su familia. Aunque no esté en condiciones físicas o mentales de ayudar a los demás, nunca se rendirá. La familia no significará para usted una vida normal, sino algo diferente.</translation>
    </message>
    <message>
        <source>You will be comfortable with people who are gentle and loving. You will also plan for the future so that others can enjoy the fruits of your labor.</source>
        <translation>Se sentirá a gusto con personas dulces y cariñosas. También hará planes para el futuro, para que otros puedan disfrutar de los frutos de su trabajo.</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
</context>
<context>
    <name>PlaceList</name>
    <message>
        <source>Places found</source>
        <translation>Lugares encontrados</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Puede que haya una actualización disponible para este programa<byte value="xd"/>¿Desea buscar actualizaciones?</translation>
    </message>
</context>
<context>
    <name>ReadingCard</name>
    <message>
        <source>Data used</source>
        <translation>Datos usados</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>Lugares: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>A reading can be saved as %1, not as “%2”.</source>
        <translation>Un resultado se puede guardar como %1, no como «%2».</translation>
    </message>
    <message>
        <source>The card could not be drawn.</source>
        <translation>No se pudo dibujar la tarjeta.</translation>
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
        <translation>4–6 h</translation>
    </message>
    <message>
        <source>2am-4am</source>
        <translation>2–4 h</translation>
    </message>
    <message>
        <source>midnight-2am</source>
        <translation>0–2 h</translation>
    </message>
    <message>
        <source>10pm-midnight</source>
        <translation>22–24 h</translation>
    </message>
    <message>
        <source>8pm-10pm</source>
        <translation>20–22 h</translation>
    </message>
    <message>
        <source>6pm-8pm</source>
        <translation>18–20 h</translation>
    </message>
    <message>
        <source>4pm-6pm</source>
        <translation>16–18 h</translation>
    </message>
    <message>
        <source>2pm-4pm</source>
        <translation>14–16 h</translation>
    </message>
    <message>
        <source>noon-2pm</source>
        <translation>12–14 h</translation>
    </message>
    <message>
        <source>10am-noon</source>
        <translation>10–12 h</translation>
    </message>
    <message>
        <source>8am-10am</source>
        <translation>8–10 h</translation>
    </message>
    <message>
        <source>6am-8am</source>
        <translation>6–8 h</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The most popular online discussion board and the best resource for astrology and the occult on the Internet. Visit %1 Now</source>
        <translation>El foro de debate en línea más popular y el mejor recurso de astrología y ocultismo de Internet. Visite %1 ahora</translation>
    </message>
</context>
<context>
    <name>ZodiacSign</name>
    <message>
        <source>Aries</source>
        <extracomment>The sign&apos;s name as astrologers of the language write it.</extracomment>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. This is what makes you comfortable in life. This stands for security and stability.</source>
        <translation>Quorvis simboliza el principio y el fin de la vida de una persona. El Fondo del Cielo (Imum Coeli) o Nadir es el punto más bajo del horóscopo. Le revela más sobre lo que desea en la vida en relación con su vida personal, su familia, sus hijos, el cuidado y el amor. Es lo que le hace sentirse a gusto en la vida. Representa la seguridad y la estabilidad.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Abre la página principal del fabricante en su navegador web</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Abre la página de la oferta con su propia marca en su navegador web</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Haga clic aquí para más detalles</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este programa con la marca de su sitio web.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Quorvis icon</source>
        <translation>Icono de Quorvis</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haga clic aquí para visitar %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Abre la página de la oferta de marca compartida en su navegador web</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Ponga el nombre de su sitio en este programa.  Aumente la fidelidad y las visitas a su sitio. Aquí van el nombre &amp;  enlace de su sitio. Consulte «Ayuda» para más detalles.    Haga clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Abre la página de la oferta con su propia marca en su navegador web</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este programa con la marca de su sitio web. Haga clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quorvis Result</source>
        <translation>Resultado de Quorvis</translation>
    </message>
    <message>
        <source>Nadir Sign</source>
        <translation>Signo del nadir</translation>
    </message>
    <message>
        <source>Your Nadir Sign Is In</source>
        <translation>Su nadir está en</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretación</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Imagen del signo</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Abre la página principal del fabricante en su navegador web</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Buscar mi &amp;nadir exacto…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestro sitio web</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganar dinero en línea</translation>
    </message>
</context>
<context>
    <name>frmExact</name>
    <message>
        <source>Birth</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>&amp;Date of birth</source>
        <translation>&amp;Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>&amp;Time of birth</source>
        <translation>&amp;Hora de nacimiento</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Hora de nacimiento</translation>
    </message>
    <message>
        <source>I &amp;know only the two-hour slot</source>
        <translation>Solo cono&amp;zco la franja de dos horas</translation>
    </message>
    <message>
        <source>I know only the two-hour slot</source>
        <translation>Solo conozco la franja de dos horas</translation>
    </message>
    <message>
        <source>Two-hour sl&amp;ot</source>
        <translation>Franja de dos h&amp;oras</translation>
    </message>
    <message>
        <source>Two-hour slot</source>
        <translation>Franja de dos horas</translation>
    </message>
    <message>
        <source>&amp;Birthplace</source>
        <translation>&amp;Lugar de nacimiento</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Lugar de nacimiento</translation>
    </message>
    <message>
        <source>Type the first letters of a town</source>
        <translation>Escriba las primeras letras de una ciudad</translation>
    </message>
    <message>
        <source>Enter &amp;coordinates instead</source>
        <translation>Introducir &amp;coordenadas</translation>
    </message>
    <message>
        <source>Enter coordinates instead</source>
        <translation>Introducir coordenadas</translation>
    </message>
    <message>
        <source>L&amp;atitude</source>
        <translation>L&amp;atitud</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>degrees, north positive: 51.51</source>
        <translation>grados, norte positivo: 51,51</translation>
    </message>
    <message>
        <source>Longit&amp;ude</source>
        <translation>Longit&amp;ud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>degrees, east positive: -0.13</source>
        <translation>grados, este positivo: -0,13</translation>
    </message>
    <message>
        <source>Time &amp;zone</source>
        <translation>Zona hora&amp;ria</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Europe/London or +01:00</source>
        <translation>Europe/London o +01:00</translation>
    </message>
    <message>
        <source>Exact reading</source>
        <translation>Resultado exacto</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>Lugares: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Save Reading…</source>
        <translation>&amp;Guardar resultado…</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Exact Nadir - %1</source>
        <translation>Nadir exacto – %1</translation>
    </message>
    <message>
        <source>During the slot: %1</source>
        <translation>Durante la franja: %1</translation>
    </message>
    <message>
        <source>During the slot: %1. %2</source>
        <comment>%2: what the clocks did</comment>
        <translation>Durante la franja: %1. %2</translation>
    </message>
    <message>
        <source>Give the date, the time and the place of birth to see the exact nadir.</source>
        <translation>Indique la fecha, la hora y el lugar de nacimiento para ver el nadir exacto.</translation>
    </message>
    <message>
        <source>Exact nadir reading</source>
        <translation>Resultado exacto del nadir</translation>
    </message>
    <message>
        <source>Exact nadir reading for %1</source>
        <translation>Resultado exacto del nadir para %1</translation>
    </message>
    <message>
        <source>No reading yet</source>
        <translation>Aún no hay resultado</translation>
    </message>
    <message>
        <source>Reading shown: %1</source>
        <translation>Resultado mostrado: %1</translation>
    </message>
    <message>
        <source>Born %1 at %2</source>
        <translation>Nacimiento el %1 a las %2</translation>
    </message>
    <message>
        <source>Time used: %1</source>
        <translation>Hora usada: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Lugar: %1</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Reading</source>
        <translation>Guardar resultado</translation>
    </message>
    <message>
        <source>Born %1, %2</source>
        <translation>Nacimiento el %1, %2</translation>
    </message>
    <message>
        <source>Interpret the sign of the &amp;Imum Coeli</source>
        <translation>Interpretar el signo del Fondo del C&amp;ielo</translation>
    </message>
    <message>
        <source>Interpret the sign counted from the &amp;rising sign</source>
        <translation>Interpretar el signo contado desde el signo a&amp;scendente</translation>
    </message>
    <message>
        <source>Your nadir sign, %1</source>
        <translation>Su signo del nadir: %1</translation>
    </message>
    <message>
        <source>Your nadir sign counted from the rising sign, %1</source>
        <translation>Su signo del nadir contado desde el signo ascendente: %1</translation>
    </message>
    <message>
        <source>Your nadir sign by the Imum Coeli, %1</source>
        <translation>Su signo del nadir según el Fondo del Cielo: %1</translation>
    </message>
    <message>
        <source>The reading could not be saved to %1.

%2</source>
        <translation>No se pudo guardar el resultado en %1.

%2</translation>
    </message>
    <message>
        <source>Ne&amp;w Reading</source>
        <translation>Nue&amp;vo resultado</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Zodiac</source>
        <translation>Zodiaco</translation>
    </message>
    <message>
        <source>No place called “%1” in the list, which holds towns of %L2 people or more. Enter coordinates instead?</source>
        <translation>No hay ningún lugar llamado «%1» en la lista, que recoge localidades de %L2 habitantes o más. ¿Introducir coordenadas en su lugar?</translation>
    </message>
    <message>
        <source>Exact nadir reading</source>
        <comment>a file name</comment>
        <translation>Nadir exacto</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>Print Reading</source>
        <translation>Imprimir resultado</translation>
    </message>
    <message>
        <source>The reading could not be printed: the printer could not be started.</source>
        <translation>No se pudo imprimir el resultado: no se pudo iniciar la impresora.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Abre la página de la oferta de marca compartida en su navegador web</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Ponga el nombre de su sitio en este programa.  Aumente la fidelidad y las visitas a su sitio. Aquí van el nombre &amp;  enlace de su sitio. Consulte «Ayuda» para más detalles.    Haga clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Abre la página de la oferta con su propia marca en su navegador web</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este programa con la marca de su sitio web. Haga clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. Get your reading now!</source>
        <translation>Quorvis simboliza el principio y el fin de la vida de una persona. El Fondo del Cielo (Imum Coeli) o Nadir es el punto más bajo del horóscopo. Le revela más sobre lo que desea en la vida en relación con su vida personal, su familia, sus hijos, el cuidado y el amor. ¡Obtenga ahora su interpretación!</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Introduzca sus datos correctamente y descubra más sobre usted </translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Sus datos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Name:-</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Date Of Birth:-</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Time Of Birth</source>
        <translation>Hora de nacimiento</translation>
    </message>
    <message>
        <source>Time Of Birth:-</source>
        <translation>Hora de nacimiento:</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Abre la página principal del fabricante en su navegador web</translation>
    </message>
    <message>
        <source>Find My &amp;Quorvis Sign</source>
        <translation>Buscar mi signo &amp;Quorvis</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Buscar mi &amp;nadir exacto…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestro sitio web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganar dinero en línea</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet !</source>
        <extracomment>In a translated window the name takes the letters of every script, and spaces: say that.</extracomment>
        <translation>Escriba solo letras y espacios.</translation>
    </message>
</context>
<context>
    <name>frmPromotion</name>
    <message>
        <source>Quorvis icon</source>
        <translation>Icono de Quorvis</translation>
    </message>
    <message>
        <source>Opens the Pellmark home page in your web browser</source>
        <translation>Abre la página principal de Pellmark en su navegador web</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar ahora</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico del amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre del amigo</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Download Pellmark Softwares</source>
        <translation>Descargar programas de Pellmark</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Pellmark Softwares. From a single software, we have now grown to become the world’s largest resource of pellmark softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Pellmark Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Si le ha gustado este programa, seguro que le interesarán nuestros otros programas de Pellmark. De un solo programa hemos pasado a ser la mayor colección de programas de Pellmark del mundo. Ya sea astrología, videncia, tarot, numerología u ocultismo, tenemos programas en todos los campos, lo que ofrece a nuestros usuarios una amplia variedad según sus intereses.                                                             Todos los programas de Pellmark son sencillos y fáciles de usar. No solo son divertidos, sino también muy instructivos. Pruébelos hoy mismo y comparta su experiencia con sus amigos y su familia. </translation>
    </message>
    <message>
        <source>Opens the Pellmark Softwares page in your web browser</source>
        <translation>Abre la página de los programas de Pellmark en su navegador web</translation>
    </message>
    <message>
        <source>Click Here To Visit Pellmark Softwares</source>
        <translation>Haga clic aquí para ver los programas de Pellmark</translation>
    </message>
    <message>
        <source>Pellmark Softwares, such as this can be created and maintained only with your support. The best way to support Pellmark is to visit Pellmark regularly and take part in the discussions and other activities on the board.</source>
        <translation>Los programas de Pellmark como este solo pueden crearse y mantenerse con su apoyo. La mejor forma de apoyar a Pellmark es visitar Pellmark con regularidad y participar en los debates y demás actividades del foro.</translation>
    </message>
    <message>
        <source>Visit Pellmark regularly. Support Pellmark by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Pellmark</source>
        <translation>Visite Pellmark con regularidad. Apoye a Pellmark participando en los debates y demás actividades. Sin sus visitas regulares a Pellmark, estos programas no pueden mantenerse ni recibir soporte</translation>
    </message>
    <message>
        <source>Pellmark is a FREE online discussion forum on astrology, psychic, tarot, numerology and the occult. Visit Pellmark regularly to help us develop and maintain this software.</source>
        <translation>Pellmark es un foro de debate en línea GRATUITO sobre astrología, videncia, tarot, numerología y ocultismo. Visite Pellmark con regularidad para ayudarnos a desarrollar y mantener este programa.</translation>
    </message>
    <message>
        <source>Pellmark needs your help. All you need to do is visit Pellmark regularly and take part in the various discussions and activites to help us maintain and develop more Pellmark Softwares.</source>
        <translation>Pellmark necesita su ayuda. Solo tiene que visitar Pellmark con regularidad y participar en los distintos debates y actividades para ayudarnos a mantener y desarrollar más programas de Pellmark.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Haga clic aquí para visitar %1 ahora</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>El correo no puede contener espacios</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Introduzca dos direcciones de correo distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Introduzca una dirección de correo válida</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduzca su nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Introduzca su correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Introduzca su mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Introduzca el nombre de su amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Introduzca el correo electrónico de su amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre del amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico del amigo</translation>
    </message>
</context>
</TS>
