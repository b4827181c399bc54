<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Angles</name>
    <message>
        <source>The latitude is that of a pole (90°), where the meridian and so the Midheaven are undefined.</source>
        <translation>A latitude é a de um polo (90°), onde o meridiano e, portanto, o Meio do Céu não são definidos.</translation>
    </message>
    <message>
        <source>The latitude must lie between -90° and 90°.</source>
        <translation>A latitude deve estar entre -90° e 90°.</translation>
    </message>
    <message>
        <source>The longitude must lie between -180° and 180°.</source>
        <translation>A longitude deve estar entre -180° e 180°.</translation>
    </message>
    <message>
        <source>The instant lies outside the years the chart angles are computed for.</source>
        <translation>O instante está fora dos anos para os quais os ângulos do mapa são calculados.</translation>
    </message>
</context>
<context>
    <name>BirthDetails</name>
    <message>
        <source>Please Enter Your Name !</source>
        <translation>Digite seu nome!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Digite um dia ou mês válido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Digite um dia ou mês válido!</translation>
    </message>
</context>
<context>
    <name>ChartWheel</name>
    <message>
        <source>Chart wheel</source>
        <translation>Roda do mapa</translation>
    </message>
    <message>
        <source>No chart yet: give the date, the time and the place of birth.</source>
        <translation>Ainda não há mapa: informe a data, a hora e o local de nascimento.</translation>
    </message>
    <message>
        <source>Ascendant %1, Midheaven %2, Descendant %3, Imum Coeli %4</source>
        <translation>Ascendente %1, Meio do Céu %2, Descendente %3, Fundo do Céu %4</translation>
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
        <translation>%1; marcada a quarta casa contada por signos inteiros: %2</translation>
    </message>
</context>
<context>
    <name>ExactCommandLine</name>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>what was typed, in the quotation marks of the language</comment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Local:</translation>
    </message>
    <message>
        <source>Gap:</source>
        <translation>Salto:</translation>
    </message>
    <message>
        <source>Overlap:</source>
        <translation>Repetição:</translation>
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
        <translation>Nenhum local corresponde a “%1”.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ajuda.</translation>
    </message>
    <message>
        <source>Show the version, and that of the tz data in use.</source>
        <translation>Mostrar a versão e a dos dados tz em uso.</translation>
    </message>
    <message>
        <source>name</source>
        <comment>value of an option</comment>
        <translation>nome</translation>
    </message>
    <message>
        <source>Latitude, decimal degrees north (south &lt; 0).</source>
        <translation>Latitude, em graus decimais norte (sul &lt; 0).</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>value of an option</comment>
        <translation>graus</translation>
    </message>
    <message>
        <source>Longitude, decimal degrees east (west &lt; 0).</source>
        <translation>Longitude, em graus decimais leste (oeste &lt; 0).</translation>
    </message>
    <message>
        <source>Time zone of the place, a name of the tz database such as Europe/London, or an offset such as +01:00.</source>
        <translation>Fuso horário do local, um nome da base tz como Europe/London, ou uma diferença como +01:00.</translation>
    </message>
    <message>
        <source>Fixed offset of the local clock from UT, -12:00 to +14:00, e.g. +01:00.</source>
        <translation>Diferença fixa do relógio local em relação ao UT, de -12:00 a +14:00, p. ex. +01:00.</translation>
    </message>
    <message>
        <source>Local date, %1 to %2.</source>
        <translation>Data local, de %1 a %2.</translation>
    </message>
    <message>
        <source>Local clock time.</source>
        <translation>Hora local do relógio.</translation>
    </message>
    <message>
        <source>List the first places a search finds, and stop (only --json may go with it).</source>
        <translation>Listar os primeiros locais que uma busca encontra e parar (só --json pode acompanhá-lo).</translation>
    </message>
    <message>
        <source>text</source>
        <comment>value of an option</comment>
        <translation>texto</translation>
    </message>
    <message>
        <source>Print one JSON object.</source>
        <translation>Imprimir um objeto JSON.</translation>
    </message>
    <message>
        <source>The exact Imum Coeli, Ascendant and Midheaven of a birth from its local date, time and place.</source>
        <translation>O Fundo do Céu, o Ascendente e o Meio do Céu exatos de um nascimento, a partir da data, hora e
local.</translation>
    </message>
    <message>
        <source>Exit status: 0 for a reading (also when the local time fell in a clock change&apos;s gap or overlap) or a
place list; 1 when it cannot read because of the installed time-zone data or a failure of its own;
2 for input it cannot use.</source>
        <comment>the program wraps the lines</comment>
        <translation>Status de saída: 0 para um resultado (também quando a hora local caiu no salto ou na repetição de
uma mudança de horário) ou uma lista de locais; 1 quando não consegue calcular o resultado por causa dos dados de fuso
instalados ou de uma falha própria; 2 para dados que não pode usar.</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 foi dado mais de uma vez</translation>
    </message>
    <message>
        <source>--places takes no other options (only --json), not -%1%2</source>
        <translation>--places não aceita outras opções (só --json), não -%1%2</translation>
    </message>
    <message>
        <source>give either --zone or --utc-offset, not both</source>
        <translation>informe --zone ou --utc-offset, não ambos</translation>
    </message>
    <message>
        <source>give either --place or --lat and --lon, not both</source>
        <translation>informe --place ou então --lat e --lon, não ambos</translation>
    </message>
    <message>
        <source>give a place: --place NAME, or --lat and --lon with --zone or --utc-offset</source>
        <translation>informe um local: --place NOME, ou --lat e --lon com --zone ou --utc-offset</translation>
    </message>
    <message>
        <source>give both --lat and --lon</source>
        <translation>informe tanto --lat quanto --lon</translation>
    </message>
    <message>
        <source>give the local date with --date YYYY-MM-DD, and the time with --time HH:MM or the two-hour slot with --slot</source>
        <translation>informe a data local com --date YYYY-MM-DD, e a hora com --time HH:MM ou a faixa de duas horas com --slot</translation>
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
dados tz %2
</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>não encontrados</translation>
    </message>
    <message>
        <source>--places needs some text to search for</source>
        <translation>--places precisa de um texto para buscar</translation>
    </message>
    <message>
        <source>zone</source>
        <comment>value of an option</comment>
        <translation>fuso</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Faixa:</translation>
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
        <translation>Local de nascimento: um nome como aparece em --places, ou a melhor correspondência de uma busca.</translation>
    </message>
    <message>
        <source>Only the two-hour slot, instead of --time, as the quick reading lists it, e.g. 2pm-4pm.</source>
        <translation>Só a faixa de duas horas, em vez de --time, como aparece na leitura rápida, p. ex. 14h-16h.</translation>
    </message>
    <message>
        <source>slot</source>
        <comment>value of an option</comment>
        <translation>faixa</translation>
    </message>
    <message>
        <source>took %1 for %2; to name another, write it as --places lists it, such as --place %3</source>
        <translation>para %2 foi escolhido %1; para indicar outro, escreva-o como aparece em --places, por exemplo --place %3</translation>
    </message>
    <message>
        <source>give either --time or --slot, not both</source>
        <translation>informe --time ou --slot, não ambos</translation>
    </message>
    <message>
        <source>cannot write the reading: %1</source>
        <translation>não é possível escrever o resultado: %1</translation>
    </message>
    <message>
        <source>Zodiac:</source>
        <translation>Zodíaco:</translation>
    </message>
    <message>
        <source>The zodiac the signs are counted in: %1 (the default) or sidereal, by one of the ayanamsas %2.</source>
        <translation>O zodíaco em que os signos são contados: %1 (o padrão) ou sideral, por uma das ayanamsas %2.</translation>
    </message>
    <message>
        <source>no place matches %1 (the list holds towns of %L2 people or more); --places TEXT lists what a search finds, or give the coordinates with --lat, --lon and --zone</source>
        <translation>nenhum local corresponde a %1 (a lista reúne cidades de %L2 habitantes ou mais); --places TEXTO lista o que uma busca encontra, ou informe as coordenadas com --lat, --lon e --zone</translation>
    </message>
    <message>
        <source>no zodiac %1; --zodiac takes %2</source>
        <translation>nenhum zodíaco %1; --zodiac aceita %2</translation>
    </message>
</context>
<context>
    <name>ExactReading</name>
    <message>
        <source>The date must lie between %1 and %2.</source>
        <translation>A data deve estar entre %1 e %2.</translation>
    </message>
    <message>
        <source>Not a date: “%1”. Give it as YYYY-MM-DD.</source>
        <translation>Não é uma data: “%1”. Informe-a como YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>There is no such date as “%1”.</source>
        <translation>Não existe a data “%1”.</translation>
    </message>
    <message>
        <source>Not a time of day: “%1”. Give it as HH:MM or HH:MM:SS, from 00:00 to 23:59:59.</source>
        <translation>Não é uma hora: “%1”. Informe-a como HH:MM ou HH:MM:SS, de 00:00 a 23:59:59.</translation>
    </message>
    <message>
        <source>Not a latitude: “%1”. Give degrees from −90 to 90, north positive.</source>
        <translation>Não é uma latitude: “%1”. Informe graus de −90 a 90, norte positivo.</translation>
    </message>
    <message>
        <source>Not a longitude: “%1”. Give degrees from −180 to 180, east positive.</source>
        <translation>Não é uma longitude: “%1”. Informe graus de −180 a 180, leste positivo.</translation>
    </message>
    <message>
        <source>Unknown time zone “%1”: give one such as Europe/London, or an offset from −12:00 to +14:00 such as +01:00.</source>
        <translation>Fuso horário desconhecido “%1”: informe um como Europe/London, ou uma diferença de −12:00 a +14:00 como +01:00.</translation>
    </message>
    <message>
        <source>Not an offset from UTC: “%1”. Give one from −12:00 to +14:00 such as +01:00.</source>
        <translation>Não é uma diferença em relação ao UTC: “%1”. Informe uma de −12:00 a +14:00, como +01:00.</translation>
    </message>
    <message>
        <source>%1°%2′ %3</source>
        <comment>degrees, minutes and sign of a position in the zodiac</comment>
        <translation>%1°%2′ %3</translation>
    </message>
    <message>
        <source>%1, before the jump</source>
        <comment>a UTC offset</comment>
        <translation>%1, antes do salto</translation>
    </message>
    <message>
        <source>%1, after the jump</source>
        <comment>a UTC offset</comment>
        <translation>%1, depois do salto</translation>
    </message>
    <message>
        <source>Both readings are given, with the offset before the jump and with the one after.</source>
        <translation>Os dois resultados são dados, com a diferença de antes da mudança de horário e com a de depois.</translation>
    </message>
    <message>
        <source>%1, local mean time</source>
        <comment>a UTC offset</comment>
        <translation>%1, hora média local</translation>
    </message>
    <message>
        <source>%1, summer time</source>
        <comment>a UTC offset</comment>
        <translation>%1, horário de verão</translation>
    </message>
    <message>
        <source>%1, standard time</source>
        <comment>a UTC offset</comment>
        <translation>%1, horário padrão</translation>
    </message>
    <message>
        <source>Both readings are given, the earlier first.</source>
        <translation>Os dois resultados são dados, em ordem cronológica.</translation>
    </message>
    <message numerus="yes">
        <source>All %n readings are given, the earliest first.</source>
        <translation>
            <numerusform>Os %n resultados são dados, o mais cedo primeiro.</numerusform>
            <numerusform>Os %n resultados são dados, o mais cedo primeiro.</numerusform>
        </translation>
    </message>
    <message>
        <source>The local time could not be turned into Universal Time.</source>
        <translation>Não foi possível converter a hora local em tempo universal.</translation>
    </message>
    <message>
        <source>The time of birth is not a time of day.</source>
        <translation>A hora de nascimento não é uma hora do dia.</translation>
    </message>
    <message>
        <source>The two-hour slot must be one of the twelve.</source>
        <translation>A faixa de duas horas deve ser uma das doze.</translation>
    </message>
    <message>
        <source>This build does not know %1, the time zone of %2.</source>
        <translation>Esta versão não conhece %1, o fuso horário de %2.</translation>
    </message>
    <message>
        <source>Give the place&apos;s time zone or its offset from UTC.</source>
        <translation>Informe o fuso horário do local ou sua diferença em relação ao UTC.</translation>
    </message>
    <message>
        <source>Imum Coeli %1</source>
        <translation>Fundo do Céu %1</translation>
    </message>
    <message>
        <source>Ascendant %1</source>
        <translation>Ascendente %1</translation>
    </message>
    <message>
        <source>Midheaven %1</source>
        <translation>Meio do Céu %1</translation>
    </message>
    <message>
        <source>The time-zone data installed here has no zone %1.</source>
        <translation>Os dados de fuso instalados aqui não têm o fuso %1.</translation>
    </message>
    <message>
        <source>Quick reading for the same day and slot: %1</source>
        <translation>Leitura rápida para o mesmo dia e a mesma faixa: %1</translation>
    </message>
    <message>
        <source>The quick reading looks only at the day, the month and the two-hour slot through fixed tables; the exact one uses the minute and the birthplace, so the two can name different signs.</source>
        <translation>A leitura rápida considera só o dia, o mês e a faixa de duas horas, por tabelas fixas; a exata usa o minuto e o local de nascimento, por isso as duas podem indicar signos diferentes.</translation>
    </message>
    <message>
        <source>Clocks there did not yet keep standard time, so the local mean time of the birthplace (%1) is used.</source>
        <translation>Os relógios de lá ainda não seguiam o horário padrão, por isso é usada a hora média local do local de nascimento (%1).</translation>
    </message>
    <message>
        <source>Beyond the polar circle the ecliptic can stay wholly above or below the horizon for hours, so the Ascendant here is unreliable; the Imum Coeli and the Midheaven are exact.</source>
        <translation>Além do círculo polar, a eclíptica pode ficar horas inteiramente acima ou abaixo do horizonte, por isso o Ascendente aqui não é confiável; o Fundo do Céu e o Meio do Céu são exatos.</translation>
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
        <translation>%1°%2′ L</translation>
    </message>
    <message>
        <source>%1°%2′ W</source>
        <translation>%1°%2′ O</translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
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
        <translation>foram atrasados das %1 de %2 para as %3 de %4</translation>
    </message>
    <message>
        <source>jumped from %1 on %2 to %3 on %4</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>foram adiantados das %1 de %2 para as %3 de %4</translation>
    </message>
    <message>
        <source>went back from %1 to %2 on %3</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>foram atrasados em %3 das %1 para as %2</translation>
    </message>
    <message>
        <source>jumped from %1 to %2 on %3</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>foram adiantados em %3 das %1 para as %2</translation>
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
        <translation>%1 de %2</translation>
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
        <translation>Os relógios de lá foram adiantados das %1 de %2 para as %3 de %4, por isso o dia %5 nunca existiu lá.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4, so the days from %5 to %6 never happened there.</source>
        <translation>Os relógios de lá foram adiantados das %1 de %2 para as %3 de %4, por isso os dias de %5 a %6 nunca existiram lá.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4, so %5 on %6 never showed there.</source>
        <translation>Os relógios de lá foram adiantados das %1 de %2 para as %3 de %4, por isso o horário %5 de %6 nunca apareceu lá.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 to %2 on %3, so %4 never showed there.</source>
        <translation>Os relógios de lá foram adiantados em %3 das %1 para as %2, por isso o horário %4 nunca apareceu lá.</translation>
    </message>
    <message numerus="yes">
        <source>%1 showed %n times on the clocks there.</source>
        <comment>%1: a clock time on a day</comment>
        <translation>
            <numerusform>%1 apareceu %n vez nos relógios de lá.</numerusform>
            <numerusform>%1 apareceu %n vezes nos relógios de lá.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clocks there went back from %1 on %2 to %3 on %4, so %5 on %6 showed twice there.</source>
        <translation>Os relógios de lá foram atrasados das %1 de %2 para as %3 de %4, por isso o horário %5 de %6 apareceu duas vezes lá.</translation>
    </message>
    <message>
        <source>The clocks there went back from %1 to %2 on %3, so %4 showed twice there.</source>
        <translation>Os relógios de lá foram atrasados em %3 das %1 para as %2, por isso o horário %4 apareceu duas vezes lá.</translation>
    </message>
    <message>
        <source>The clocks there %1, so %2 showed twice there.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>Os relógios de lá %1, por isso o horário %2 apareceu duas vezes lá.</translation>
    </message>
    <message numerus="yes">
        <source>The clocks there %1, so %2 showed %n times there.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>
            <numerusform>Os relógios de lá %1, por isso %2 apareceu %n vez lá.</numerusform>
            <numerusform>Os relógios de lá %1, por isso %2 apareceu %n vezes lá.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clocks there went back from %1 on %2 to %3 on %4 during this slot, so it lasted %5.</source>
        <translation>Os relógios de lá foram atrasados das %1 de %2 para as %3 de %4 durante esta faixa, que durou então %5.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4 during this slot, so it lasted %5.</source>
        <translation>Os relógios de lá foram adiantados das %1 de %2 para as %3 de %4 durante esta faixa, que durou então %5.</translation>
    </message>
    <message>
        <source>The clocks there went back from %1 to %2 on %3 during this slot, so it lasted %4.</source>
        <translation>Os relógios de lá foram atrasados em %3 das %1 para as %2 durante esta faixa, que durou então %4.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 to %2 on %3 during this slot, so it lasted %4.</source>
        <translation>Os relógios de lá foram adiantados em %3 das %1 para as %2 durante esta faixa, que durou então %4.</translation>
    </message>
    <message>
        <source>The clocks there %1 during this slot, so it lasted %2.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>Os relógios de lá %1 durante esta faixa, que durou então %2.</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT the day before</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 UT do dia anterior</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT the next day</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 UT do dia seguinte</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 UT</translation>
    </message>
    <message>
        <source>No minute of this slot showed on the clocks there. %1</source>
        <comment>%1: what the clocks did</comment>
        <translation>Nenhum minuto desta faixa apareceu nos relógios de lá. %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <comment>a sign from a clock time</comment>
        <translation>%1 a partir das %2</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <comment>a sign from a clock time and its clock</comment>
        <translation>%1 a partir das %2 %3</translation>
    </message>
    <message>
        <source>%1, the middle of the slot</source>
        <comment>the time used</comment>
        <translation>%1, o meio da faixa</translation>
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
        <translation>d&apos;º de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>format of the first day of a month, without its year</comment>
        <translation>d&apos;º de&apos; MMMM</translation>
    </message>
    <message>
        <source>Not a two-hour slot: “%1”. Give one as the quick reading lists it, such as %2.</source>
        <translation>Não é uma faixa de duas horas: “%1”. Informe uma como aparece na leitura rápida, por exemplo %2.</translation>
    </message>
    <message>
        <source>Clocks there did not yet keep standard time, so the local mean time of the birthplace is used, counted from either side of the date line: %1 and %2.</source>
        <translation>Os relógios de lá ainda não seguiam o horário padrão, por isso é usada a hora média local do local de nascimento, contada de cada lado da linha internacional de data: %1 e %2.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, the nadir sign is the sign of the lowest point of the ecliptic beneath the birthplace at the moment of birth. By the rising sign, as the quick reading counts, it is the sign three on from the one rising in the east at that moment: the fourth house of those who count houses by whole signs.</source>
        <translation>Pelo Fundo do Céu, o signo do nadir é o do ponto mais baixo da eclíptica sob o local de nascimento no momento do nascimento. Pelo signo ascendente, como conta a leitura rápida, é o signo que fica três signos adiante daquele que ascende no leste nesse momento: a quarta casa para quem conta as casas por signos inteiros.</translation>
    </message>
    <message>
        <source>Nadir sign: %1, by the Imum Coeli. Counted from the rising sign, as the quick reading counts, it would be %2, but beyond the polar circle the rising sign is unreliable.</source>
        <translation>Signo do nadir: %1, pelo Fundo do Céu. Contado a partir do signo ascendente, como faz a leitura rápida, seria %2, mas além do círculo polar o signo ascendente não é confiável.</translation>
    </message>
    <message>
        <source>Nadir sign: %1, by the IC and by the rising sign alike</source>
        <translation>Signo do nadir: %1, tanto pelo FC quanto pelo signo ascendente</translation>
    </message>
    <message>
        <source>Your rising sign is %1, so counted as the quick reading counts, your nadir sign is %2; the lowest point of the sky itself, the Imum Coeli, lies in %3.</source>
        <translation>Seu signo ascendente é %1, então, contado como faz a leitura rápida, seu signo do nadir é %2; o ponto mais baixo do próprio céu, o Fundo do Céu, fica em %3.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Pelo Fundo do Céu, seu signo do nadir muda para %1 às %2, %3 depois.</translation>
    </message>
    <message>
        <source>Counted from the rising sign, your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Contado a partir do signo ascendente, seu signo do nadir muda para %1 às %2, %3 depois.</translation>
    </message>
    <message>
        <source>Your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Seu signo do nadir muda para %1 às %2, %3 depois.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Pelo Fundo do Céu, seu signo do nadir era %1 até as %2, %3 antes.</translation>
    </message>
    <message>
        <source>Counted from the rising sign, your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Contado a partir do signo ascendente, seu signo do nadir era %1 até as %2, %3 antes.</translation>
    </message>
    <message>
        <source>Your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Seu signo do nadir era %1 até as %2, %3 antes.</translation>
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
        <translation>Não é uma data: “%1”. Informe-a como %2 ou %3.</translation>
    </message>
    <message>
        <source>The year in “%1” needs all four digits: give the date as %2.</source>
        <translation>O ano em “%1” precisa dos quatro dígitos: informe a data como %2.</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <comment>a time&apos;s hint</comment>
        <translation>HH:MM</translation>
    </message>
    <message>
        <source>Not a time of day: “%1”. Give it as %2.</source>
        <translation>Não é uma hora: “%1”. Informe-a como %2.</translation>
    </message>
    <message>
        <source>The quick reading counts the tropical zodiac.</source>
        <translation>A leitura rápida conta no zodíaco tropical.</translation>
    </message>
    <message>
        <source>less than a second</source>
        <translation>menos de um segundo</translation>
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
        <translation>zodíaco tropical</translation>
    </message>
    <message>
        <source>sidereal zodiac, %1 ayanamsa %2°%3′</source>
        <comment>%1: the ayanamsa&apos;s name; %2 and %3: its degrees and minutes</comment>
        <translation>zodíaco sideral, ayanamsa de %1 %2°%3′</translation>
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
        <translation>Você vai adorar ser jovem a vida toda. Mas, com a idade, também vai respeitar a experiência que adquiriu ao longo da vida.</translation>
    </message>
    <message>
        <source>You will believe in nourishing and caring the old fashioned way. To know that your family is eating and sleeping well will matter a lot to you. You will also make it a point to be financially stable.</source>
        <translation>Você vai acreditar em nutrir e cuidar à moda antiga. Saber que sua família está comendo e dormindo bem vai importar muito para você. Você também fará questão de ter estabilidade financeira.</translation>
    </message>
    <message>
        <source>You will lead a very unstable life. You may move or relocate a lot and thus find yourself at a new place every few days, months or years. You will be comfortable with technology.</source>
        <translation>Você vai levar uma vida muito instável. Talvez se mude muitas vezes e, assim, se veja num lugar novo a cada poucos dias, meses ou anos. Você vai se dar bem com a tecnologia.</translation>
    </message>
    <message>
        <source>You will not be able to stick to a single place. You will wander through many places before you find a place that you can call your home.</source>
        <translation>Você não vai conseguir ficar num só lugar. Vai passar por muitos lugares antes de encontrar um que possa chamar de lar.</translation>
    </message>
    <message>
        <source>People may find you arrogant and overbearing. You will be like the mother lion and expect to be respected. You will be self sacrificing for your family.</source>
        <translation>Os outros podem achar você arrogante e prepotente. Você será como uma leoa mãe e vai exigir respeito. Você vai se sacrificar pela sua família.</translation>
    </message>
    <message>
        <source>You care a lot about other people&apos;s feelings. You are more expressive in written communication than oral.</source>
        <translation>Você se importa muito com os sentimentos dos outros. Você se expressa melhor por escrito do que falando.</translation>
    </message>
    <message>
        <source>You will believe in yourself and always trust people. You set yourself very high ideals and strive to stand by them. You can fight people but at the same time need a peaceful and happy atmosphere.</source>
        <translation>Você vai acreditar em si e sempre confiar nas pessoas. Você estabelece ideais muito elevados e se esforça para ser fiel a eles. Você pode brigar com os outros, mas ao mesmo tempo precisa de um ambiente tranquilo e feliz.</translation>
    </message>
    <message>
        <source>Your home is your secret hiding place where you will hide from the world. You will crave for privacy.</source>
        <translation>Seu lar é seu esconderijo secreto, onde você vai se esconder do mundo. Você vai ansiar por privacidade.</translation>
    </message>
    <message>
        <source>You will not live at one place. You will be religious.</source>
        <translation>Você não vai morar num só lugar. Você será uma pessoa religiosa.</translation>
    </message>
    <message>
        <source>You will never be happy with your life if you keep looking at the bits and pieces. Learn to enjoy yourself and have a happy time with your family. You may have seen separation from one parent. You will be highly responsible.</source>
        <translation>Você nunca vai ser feliz com sua vida se ficar olhando só para os detalhes. Aprenda a aproveitar a vida e a ter momentos felizes com sua família. Talvez você tenha passado pela separação de um dos pais. Você será muito responsável.</translation>
    </message>
    <message>
        <source>You will overdo things for your family. Even if you are not in a physical or mental position to help people, you will never give up. Family will not mean a normal life but something different.</source>
        <translation>Você vai fazer demais pela sua família. Mesmo que não esteja em condições físicas ou mentais de ajudar os outros, nunca vai desistir. Família não vai significar uma vida comum, mas algo diferente.</translation>
    </message>
    <message>
        <source>You will be comfortable with people who are gentle and loving. You will also plan for the future so that others can enjoy the fruits of your labor.</source>
        <translation>Você vai se sentir bem com pessoas gentis e carinhosas. Também vai planejar o futuro para que outros possam aproveitar os frutos do seu trabalho.</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dezembro</translation>
    </message>
</context>
<context>
    <name>PlaceList</name>
    <message>
        <source>Places found</source>
        <translation>Locais encontrados</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Talvez haja uma atualização disponível para este programa<byte value="xd"/>Deseja procurar atualizações?</translation>
    </message>
</context>
<context>
    <name>ReadingCard</name>
    <message>
        <source>Data used</source>
        <translation>Dados usados</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>Locais: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>A reading can be saved as %1, not as “%2”.</source>
        <translation>Um resultado pode ser salvo como %1, não como “%2”.</translation>
    </message>
    <message>
        <source>The card could not be drawn.</source>
        <translation>Não foi possível desenhar o cartão.</translation>
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
        <translation>4h–6h</translation>
    </message>
    <message>
        <source>2am-4am</source>
        <translation>2h–4h</translation>
    </message>
    <message>
        <source>midnight-2am</source>
        <translation>0h–2h</translation>
    </message>
    <message>
        <source>10pm-midnight</source>
        <translation>22h–24h</translation>
    </message>
    <message>
        <source>8pm-10pm</source>
        <translation>20h–22h</translation>
    </message>
    <message>
        <source>6pm-8pm</source>
        <translation>18h–20h</translation>
    </message>
    <message>
        <source>4pm-6pm</source>
        <translation>16h–18h</translation>
    </message>
    <message>
        <source>2pm-4pm</source>
        <translation>14h–16h</translation>
    </message>
    <message>
        <source>noon-2pm</source>
        <translation>12h–14h</translation>
    </message>
    <message>
        <source>10am-noon</source>
        <translation>10h–12h</translation>
    </message>
    <message>
        <source>8am-10am</source>
        <translation>8h–10h</translation>
    </message>
    <message>
        <source>6am-8am</source>
        <translation>6h–8h</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The most popular online discussion board and the best resource for astrology and the occult on the Internet. Visit %1 Now</source>
        <translation>O fórum de discussão on-line mais popular e o melhor recurso de astrologia e ocultismo da Internet. Visite %1 agora</translation>
    </message>
</context>
<context>
    <name>ZodiacSign</name>
    <message>
        <source>Aries</source>
        <extracomment>The sign&apos;s name as astrologers of the language write it.</extracomment>
        <translation>Áries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricórnio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. This is what makes you comfortable in life. This stands for security and stability.</source>
        <translation>Quorvis significa o começo e o fim da vida de uma pessoa. O Fundo do Céu (Imum Coeli) ou Nadir é o ponto mais baixo do horóscopo. Ele revela mais sobre o que você deseja na vida pessoal, na família, nos filhos, no cuidar e no amar. É o que traz conforto à sua vida. Representa segurança e estabilidade.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Abre a página inicial do fabricante no seu navegador</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Abre a página da oferta com a sua própria marca no seu navegador</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Clique aqui para mais detalhes</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na Internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Quorvis icon</source>
        <translation>Ícone do Quorvis</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Clique aqui para visitar %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Abre a página da oferta de marca compartilhada no seu navegador</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Coloque a marca do seu site neste programa.  Aumente a fidelidade e as visitas ao seu site. Ponha aqui o nome &amp;  link do seu site. Veja “Ajuda” para mais detalhes.    Clique aqui para saber mais sobre marca compartilhada.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Abre a página da oferta com a sua própria marca no seu navegador</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na Internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site. Clique aqui para mais detalhes.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Quorvis Result</source>
        <translation>Resultado do Quorvis</translation>
    </message>
    <message>
        <source>Nadir Sign</source>
        <translation>Signo do nadir</translation>
    </message>
    <message>
        <source>Your Nadir Sign Is In</source>
        <translation>Seu nadir está em</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Interpretação</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Imagem do signo</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Abre a página inicial do fabricante no seu navegador</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Encontrar meu &amp;nadir exato…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Procurar atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganhar dinheiro on-line</translation>
    </message>
</context>
<context>
    <name>frmExact</name>
    <message>
        <source>Birth</source>
        <translation>Nascimento</translation>
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
        <translation>&amp;Data de nascimento</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>&amp;Time of birth</source>
        <translation>&amp;Hora de nascimento</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Hora de nascimento</translation>
    </message>
    <message>
        <source>I &amp;know only the two-hour slot</source>
        <translation>Só &amp;sei a faixa de duas horas</translation>
    </message>
    <message>
        <source>I know only the two-hour slot</source>
        <translation>Só sei a faixa de duas horas</translation>
    </message>
    <message>
        <source>Two-hour sl&amp;ot</source>
        <translation>&amp;Faixa de duas horas</translation>
    </message>
    <message>
        <source>Two-hour slot</source>
        <translation>Faixa de duas horas</translation>
    </message>
    <message>
        <source>&amp;Birthplace</source>
        <translation>&amp;Local de nascimento</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Local de nascimento</translation>
    </message>
    <message>
        <source>Type the first letters of a town</source>
        <translation>Digite as primeiras letras de uma cidade</translation>
    </message>
    <message>
        <source>Enter &amp;coordinates instead</source>
        <translation>Informar &amp;coordenadas</translation>
    </message>
    <message>
        <source>Enter coordinates instead</source>
        <translation>Informar coordenadas</translation>
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
        <translation>graus, norte positivo: 51,51</translation>
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
        <translation>graus, leste positivo: -0,13</translation>
    </message>
    <message>
        <source>Time &amp;zone</source>
        <translation>Fuso horá&amp;rio</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Europe/London or +01:00</source>
        <translation>Europe/London ou +01:00</translation>
    </message>
    <message>
        <source>Exact reading</source>
        <translation>Resultado exato</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>Locais: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Save Reading…</source>
        <translation>Sal&amp;var resultado…</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>F&amp;echar</translation>
    </message>
    <message>
        <source>Exact Nadir - %1</source>
        <translation>Nadir exato – %1</translation>
    </message>
    <message>
        <source>During the slot: %1</source>
        <translation>Durante a faixa: %1</translation>
    </message>
    <message>
        <source>During the slot: %1. %2</source>
        <comment>%2: what the clocks did</comment>
        <translation>Durante a faixa: %1. %2</translation>
    </message>
    <message>
        <source>Give the date, the time and the place of birth to see the exact nadir.</source>
        <translation>Informe a data, a hora e o local de nascimento para ver o nadir exato.</translation>
    </message>
    <message>
        <source>Exact nadir reading</source>
        <translation>Resultado exato do nadir</translation>
    </message>
    <message>
        <source>Exact nadir reading for %1</source>
        <translation>Resultado exato do nadir para %1</translation>
    </message>
    <message>
        <source>No reading yet</source>
        <translation>Ainda não há resultado</translation>
    </message>
    <message>
        <source>Reading shown: %1</source>
        <translation>Resultado mostrado: %1</translation>
    </message>
    <message>
        <source>Born %1 at %2</source>
        <translation>Nascimento em %1 às %2</translation>
    </message>
    <message>
        <source>Time used: %1</source>
        <translation>Hora usada: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Local: %1</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Desenho SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Reading</source>
        <translation>Salvar resultado</translation>
    </message>
    <message>
        <source>Born %1, %2</source>
        <translation>Nascimento em %1, %2</translation>
    </message>
    <message>
        <source>Interpret the sign of the &amp;Imum Coeli</source>
        <translation>&amp;Interpretar o signo do Fundo do Céu</translation>
    </message>
    <message>
        <source>Interpret the sign counted from the &amp;rising sign</source>
        <translation>Interpretar o signo con&amp;tado a partir do ascendente</translation>
    </message>
    <message>
        <source>Your nadir sign, %1</source>
        <translation>Seu signo do nadir: %1</translation>
    </message>
    <message>
        <source>Your nadir sign counted from the rising sign, %1</source>
        <translation>Seu signo do nadir contado a partir do signo ascendente: %1</translation>
    </message>
    <message>
        <source>Your nadir sign by the Imum Coeli, %1</source>
        <translation>Seu signo do nadir pelo Fundo do Céu: %1</translation>
    </message>
    <message>
        <source>The reading could not be saved to %1.

%2</source>
        <translation>Não foi possível salvar o resultado em %1.

%2</translation>
    </message>
    <message>
        <source>Ne&amp;w Reading</source>
        <translation>Nov&amp;o resultado</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Zodiac</source>
        <translation>Zodíaco</translation>
    </message>
    <message>
        <source>No place called “%1” in the list, which holds towns of %L2 people or more. Enter coordinates instead?</source>
        <translation>Nenhum local chamado “%1” na lista, que reúne cidades de %L2 habitantes ou mais. Informar coordenadas em vez disso?</translation>
    </message>
    <message>
        <source>Exact nadir reading</source>
        <comment>a file name</comment>
        <translation>Nadir exato</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvo em %1</translation>
    </message>
    <message>
        <source>Print Reading</source>
        <translation>Imprimir resultado</translation>
    </message>
    <message>
        <source>The reading could not be printed: the printer could not be started.</source>
        <translation>Não foi possível imprimir o resultado: a impressora não pôde ser iniciada.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Abre a página da oferta de marca compartilhada no seu navegador</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Coloque a marca do seu site neste programa.  Aumente a fidelidade e as visitas ao seu site. Ponha aqui o nome &amp;  link do seu site. Veja “Ajuda” para mais detalhes.    Clique aqui para saber mais sobre marca compartilhada.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Abre a página da oferta com a sua própria marca no seu navegador</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na Internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site. Clique aqui para mais detalhes.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. Get your reading now!</source>
        <translation>Quorvis significa o começo e o fim da vida de uma pessoa. O Fundo do Céu (Imum Coeli) ou Nadir é o ponto mais baixo do horóscopo. Ele revela mais sobre o que você deseja na vida pessoal, na família, nos filhos, no cuidar e no amar. Receba agora sua interpretação!</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Digite seus dados corretamente e saiba mais sobre você </translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Seus dados</translation>
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
        <translation>Data de nascimento:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Time Of Birth</source>
        <translation>Hora de nascimento</translation>
    </message>
    <message>
        <source>Time Of Birth:-</source>
        <translation>Hora de nascimento:</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Abre a página inicial do fabricante no seu navegador</translation>
    </message>
    <message>
        <source>Find My &amp;Quorvis Sign</source>
        <translation>Encontrar meu signo &amp;Quorvis</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Encontrar meu &amp;nadir exato…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Procurar atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganhar dinheiro on-line</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet !</source>
        <extracomment>In a translated window the name takes the letters of every script, and spaces: say that.</extracomment>
        <translation>Digite apenas letras e espaços.</translation>
    </message>
</context>
<context>
    <name>frmPromotion</name>
    <message>
        <source>Quorvis icon</source>
        <translation>Ícone do Quorvis</translation>
    </message>
    <message>
        <source>Opens the Pellmark home page in your web browser</source>
        <translation>Abre a página inicial do Pellmark no seu navegador</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique a um amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Indicar agora</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Download Pellmark Softwares</source>
        <translation>Baixar programas Pellmark</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Pellmark Softwares. From a single software, we have now grown to become the world’s largest resource of pellmark softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Pellmark Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Se você gostou deste programa, certamente vai se interessar pelos nossos outros programas Pellmark. De um único programa, crescemos até nos tornar a maior fonte de programas Pellmark do mundo. Seja astrologia, vidência, tarô, numerologia ou ocultismo, temos programas em todas as áreas, oferecendo aos nossos usuários uma ampla escolha de acordo com seus interesses.                                                             Todos os programas Pellmark são simples e fáceis de usar. Além de divertidos, são muito informativos. Experimente hoje mesmo e compartilhe sua experiência com seus amigos e sua família. </translation>
    </message>
    <message>
        <source>Opens the Pellmark Softwares page in your web browser</source>
        <translation>Abre a página dos programas Pellmark no seu navegador</translation>
    </message>
    <message>
        <source>Click Here To Visit Pellmark Softwares</source>
        <translation>Clique aqui para visitar os programas Pellmark</translation>
    </message>
    <message>
        <source>Pellmark Softwares, such as this can be created and maintained only with your support. The best way to support Pellmark is to visit Pellmark regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programas Pellmark como este só podem ser criados e mantidos com o seu apoio. A melhor forma de apoiar o Pellmark é visitar o Pellmark regularmente e participar das discussões e de outras atividades do fórum.</translation>
    </message>
    <message>
        <source>Visit Pellmark regularly. Support Pellmark by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Pellmark</source>
        <translation>Visite o Pellmark regularmente. Apoie o Pellmark participando das discussões e de outras atividades. Sem suas visitas regulares ao Pellmark, estes programas não podem ter suporte e manutenção</translation>
    </message>
    <message>
        <source>Pellmark is a FREE online discussion forum on astrology, psychic, tarot, numerology and the occult. Visit Pellmark regularly to help us develop and maintain this software.</source>
        <translation>O Pellmark é um fórum de discussão on-line GRATUITO sobre astrologia, vidência, tarô, numerologia e ocultismo. Visite o Pellmark regularmente para nos ajudar a desenvolver e manter este programa.</translation>
    </message>
    <message>
        <source>Pellmark needs your help. All you need to do is visit Pellmark regularly and take part in the various discussions and activites to help us maintain and develop more Pellmark Softwares.</source>
        <translation>O Pellmark precisa da sua ajuda. Basta visitar o Pellmark regularmente e participar das várias discussões e atividades para nos ajudar a manter e desenvolver mais programas Pellmark.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Clique aqui para visitar %1 agora</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O e-mail não pode conter espaços</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Digite dois endereços de e-mail diferentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Digite um endereço de e-mail válido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Digite seu e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Digite o e-mail do seu amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do amigo</translation>
    </message>
</context>
</TS>
