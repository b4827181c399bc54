<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Angles</name>
    <message>
        <source>The latitude is that of a pole (90°), where the meridian and so the Midheaven are undefined.</source>
        <translation>Это широта полюса (90°), где меридиан, а значит и Середина неба, не определены.</translation>
    </message>
    <message>
        <source>The latitude must lie between -90° and 90°.</source>
        <translation>Широта должна быть в пределах от -90° до 90°.</translation>
    </message>
    <message>
        <source>The longitude must lie between -180° and 180°.</source>
        <translation>Долгота должна быть в пределах от -180° до 180°.</translation>
    </message>
    <message>
        <source>The instant lies outside the years the chart angles are computed for.</source>
        <translation>Момент выходит за пределы диапазона лет, для которых рассчитываются углы карты.</translation>
    </message>
</context>
<context>
    <name>BirthDetails</name>
    <message>
        <source>Please Enter Your Name !</source>
        <translation>Пожалуйста, введите ваше имя!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Пожалуйста, введите правильный день или месяц!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Пожалуйста, введите правильный день или месяц!</translation>
    </message>
</context>
<context>
    <name>ChartWheel</name>
    <message>
        <source>Chart wheel</source>
        <translation>Круг карты</translation>
    </message>
    <message>
        <source>No chart yet: give the date, the time and the place of birth.</source>
        <translation>Карты пока нет: укажите дату, время и место рождения.</translation>
    </message>
    <message>
        <source>Ascendant %1, Midheaven %2, Descendant %3, Imum Coeli %4</source>
        <translation>Асцендент %1, Середина неба %2, Десцендент %3, Глубина неба %4</translation>
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
        <translation>IC</translation>
    </message>
    <message>
        <source>%1; the fourth house counted by whole signs, marked: %2</source>
        <comment>%1: the angles</comment>
        <translation>%1; отмечен четвёртый дом по целым знакам: %2</translation>
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
        <translation>Место:</translation>
    </message>
    <message>
        <source>Gap:</source>
        <translation>Пропуск:</translation>
    </message>
    <message>
        <source>Overlap:</source>
        <translation>Повтор:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Примечание:</translation>
    </message>
    <message>
        <source>Local time:</source>
        <translation>Местное время:</translation>
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
        <translation>ASC:</translation>
    </message>
    <message>
        <source>MC:</source>
        <translation>MC:</translation>
    </message>
    <message>
        <source>Reading %1 of %2: %3</source>
        <translation>Вариант %1 из %2: %3</translation>
    </message>
    <message>
        <source>No place matches &quot;%1&quot;.</source>
        <translation>Нет мест, подходящих под «%1».</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Показать эту справку.</translation>
    </message>
    <message>
        <source>Show the version, and that of the tz data in use.</source>
        <translation>Показать версию и версию используемых данных tz.</translation>
    </message>
    <message>
        <source>name</source>
        <comment>value of an option</comment>
        <translation>название</translation>
    </message>
    <message>
        <source>Latitude, decimal degrees north (south &lt; 0).</source>
        <translation>Широта, десятичные градусы северной широты (южная &lt; 0).</translation>
    </message>
    <message>
        <source>degrees</source>
        <comment>value of an option</comment>
        <translation>градусы</translation>
    </message>
    <message>
        <source>Longitude, decimal degrees east (west &lt; 0).</source>
        <translation>Долгота, десятичные градусы восточной долготы (западная &lt; 0).</translation>
    </message>
    <message>
        <source>Time zone of the place, a name of the tz database such as Europe/London, or an offset such as +01:00.</source>
        <translation>Часовой пояс места: имя из базы tz, например Europe/London, или смещение, например +01:00.</translation>
    </message>
    <message>
        <source>Fixed offset of the local clock from UT, -12:00 to +14:00, e.g. +01:00.</source>
        <translation>Постоянное смещение местных часов от UT, от -12:00 до +14:00, например +01:00.</translation>
    </message>
    <message>
        <source>Local date, %1 to %2.</source>
        <translation>Местная дата: с %1 по %2 включительно.</translation>
    </message>
    <message>
        <source>Local clock time.</source>
        <translation>Местное время по часам.</translation>
    </message>
    <message>
        <source>List the first places a search finds, and stop (only --json may go with it).</source>
        <translation>Вывести первые места, найденные поиском, и завершить работу (вместе с ним допустим только --json).</translation>
    </message>
    <message>
        <source>text</source>
        <comment>value of an option</comment>
        <translation>текст</translation>
    </message>
    <message>
        <source>Print one JSON object.</source>
        <translation>Вывести один объект JSON.</translation>
    </message>
    <message>
        <source>The exact Imum Coeli, Ascendant and Midheaven of a birth from its local date, time and place.</source>
        <translation>Точные Глубина неба, асцендент и Середина неба рождения по его местной дате, времени и месту.</translation>
    </message>
    <message>
        <source>Exit status: 0 for a reading (also when the local time fell in a clock change&apos;s gap or overlap) or a
place list; 1 when it cannot read because of the installed time-zone data or a failure of its own;
2 for input it cannot use.</source>
        <comment>the program wraps the lines</comment>
        <translation>Код возврата: 0 — расчёт выполнен (в том числе когда местное время попало в пропуск или повтор при
переводе часов) или выведен список мест; 1 — расчёт невозможен из-за установленных данных часовых
поясов или собственной ошибки; 2 — входные данные непригодны.</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 указан более одного раза</translation>
    </message>
    <message>
        <source>--places takes no other options (only --json), not -%1%2</source>
        <translation>--places допускает только --json, но не -%1%2</translation>
    </message>
    <message>
        <source>give either --zone or --utc-offset, not both</source>
        <translation>укажите либо --zone, либо --utc-offset, но не оба</translation>
    </message>
    <message>
        <source>give either --place or --lat and --lon, not both</source>
        <translation>укажите либо --place, либо --lat и --lon, но не оба</translation>
    </message>
    <message>
        <source>give a place: --place NAME, or --lat and --lon with --zone or --utc-offset</source>
        <translation>укажите место: --place НАЗВАНИЕ или --lat и --lon с --zone или --utc-offset</translation>
    </message>
    <message>
        <source>give both --lat and --lon</source>
        <translation>укажите и --lat, и --lon</translation>
    </message>
    <message>
        <source>give the local date with --date YYYY-MM-DD, and the time with --time HH:MM or the two-hour slot with --slot</source>
        <translation>укажите местную дату: --date YYYY-MM-DD, и время: --time HH:MM или двухчасовой интервал: --slot</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>неожиданный аргумент %1</translation>
    </message>
    <message>
        <source>quorvis-exact %1
tz data %2
</source>
        <translation>quorvis-exact %1
данные tz %2
</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>не найдены</translation>
    </message>
    <message>
        <source>--places needs some text to search for</source>
        <translation>--places нужен текст для поиска</translation>
    </message>
    <message>
        <source>zone</source>
        <comment>value of an option</comment>
        <translation>пояс</translation>
    </message>
    <message>
        <source>Slot:</source>
        <translation>Интервал:</translation>
    </message>
    <message>
        <source>IC signs:</source>
        <comment>the IC&apos;s signs during a slot</comment>
        <translation>Знаки IC:</translation>
    </message>
    <message>
        <source>Time used:</source>
        <translation>Использованное время:</translation>
    </message>
    <message>
        <source>Birth place: a name as --places lists it, or the best match of a search.</source>
        <translation>Место рождения: название, как его показывает --places, или лучшее совпадение поиска.</translation>
    </message>
    <message>
        <source>Only the two-hour slot, instead of --time, as the quick reading lists it, e.g. 2pm-4pm.</source>
        <translation>Только двухчасовой интервал вместо --time, как его называет быстрый расчёт, например «14-16 ч».</translation>
    </message>
    <message>
        <source>slot</source>
        <comment>value of an option</comment>
        <translation>интервал</translation>
    </message>
    <message>
        <source>took %1 for %2; to name another, write it as --places lists it, such as --place %3</source>
        <translation>для %2 выбрано место %1; чтобы указать другое, запишите его так, как показывает --places, например --place %3</translation>
    </message>
    <message>
        <source>give either --time or --slot, not both</source>
        <translation>укажите либо --time, либо --slot, но не оба</translation>
    </message>
    <message>
        <source>cannot write the reading: %1</source>
        <translation>не удаётся вывести расчёт: %1</translation>
    </message>
    <message>
        <source>Zodiac:</source>
        <translation>Зодиак:</translation>
    </message>
    <message>
        <source>The zodiac the signs are counted in: %1 (the default) or sidereal, by one of the ayanamsas %2.</source>
        <translation>Зодиак знаков: %1 (по умолчанию) или сидерический, по одной из аянамш: %2.</translation>
    </message>
    <message>
        <source>no place matches %1 (the list holds towns of %L2 people or more); --places TEXT lists what a search finds, or give the coordinates with --lat, --lon and --zone</source>
        <translation>нет мест, подходящих под %1 (в списке города с населением от %L2 человек); --places ТЕКСТ показывает, что находит поиск, или укажите координаты через --lat, --lon и --zone</translation>
    </message>
    <message>
        <source>no zodiac %1; --zodiac takes %2</source>
        <translation>нет зодиака %1; --zodiac принимает %2</translation>
    </message>
</context>
<context>
    <name>ExactReading</name>
    <message>
        <source>The date must lie between %1 and %2.</source>
        <translation>Дата должна быть в пределах от %1 до %2.</translation>
    </message>
    <message>
        <source>Not a date: “%1”. Give it as YYYY-MM-DD.</source>
        <translation>Это не дата: «%1». Укажите её в виде YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>There is no such date as “%1”.</source>
        <translation>Даты «%1» не существует.</translation>
    </message>
    <message>
        <source>Not a time of day: “%1”. Give it as HH:MM or HH:MM:SS, from 00:00 to 23:59:59.</source>
        <translation>Это не время суток: «%1». Укажите его в виде HH:MM или HH:MM:SS, от 00:00 до 23:59:59.</translation>
    </message>
    <message>
        <source>Not a latitude: “%1”. Give degrees from −90 to 90, north positive.</source>
        <translation>Это не широта: «%1». Укажите градусы от −90 до 90, север положительный.</translation>
    </message>
    <message>
        <source>Not a longitude: “%1”. Give degrees from −180 to 180, east positive.</source>
        <translation>Это не долгота: «%1». Укажите градусы от −180 до 180, восток положительный.</translation>
    </message>
    <message>
        <source>Unknown time zone “%1”: give one such as Europe/London, or an offset from −12:00 to +14:00 such as +01:00.</source>
        <translation>Неизвестный часовой пояс «%1»: укажите, например, Europe/London или смещение от −12:00 до +14:00, например +01:00.</translation>
    </message>
    <message>
        <source>Not an offset from UTC: “%1”. Give one from −12:00 to +14:00 such as +01:00.</source>
        <translation>Это не смещение от UTC: «%1». Укажите смещение от −12:00 до +14:00, например +01:00.</translation>
    </message>
    <message>
        <source>%1°%2′ %3</source>
        <comment>degrees, minutes and sign of a position in the zodiac</comment>
        <translation>%1°%2′ %3</translation>
    </message>
    <message>
        <source>%1, before the jump</source>
        <comment>a UTC offset</comment>
        <translation>%1, до перевода часов</translation>
    </message>
    <message>
        <source>%1, after the jump</source>
        <comment>a UTC offset</comment>
        <translation>%1, после перевода часов</translation>
    </message>
    <message>
        <source>Both readings are given, with the offset before the jump and with the one after.</source>
        <translation>Даны оба варианта: со смещением до перевода часов и со смещением после него.</translation>
    </message>
    <message>
        <source>%1, local mean time</source>
        <comment>a UTC offset</comment>
        <translation>%1, местное среднее время</translation>
    </message>
    <message>
        <source>%1, summer time</source>
        <comment>a UTC offset</comment>
        <translation>%1, летнее время</translation>
    </message>
    <message>
        <source>%1, standard time</source>
        <comment>a UTC offset</comment>
        <translation>%1, поясное время</translation>
    </message>
    <message>
        <source>Both readings are given, the earlier first.</source>
        <translation>Даны оба варианта, сначала более ранний.</translation>
    </message>
    <message numerus="yes">
        <source>All %n readings are given, the earliest first.</source>
        <translation>
            <numerusform>Дан %n вариант, сначала самый ранний.</numerusform>
            <numerusform>Даны все %n варианта, сначала самый ранний.</numerusform>
            <numerusform>Даны все %n вариантов, сначала самый ранний.</numerusform>
        </translation>
    </message>
    <message>
        <source>The local time could not be turned into Universal Time.</source>
        <translation>Местное время не удалось перевести во всемирное.</translation>
    </message>
    <message>
        <source>The time of birth is not a time of day.</source>
        <translation>Время рождения не является временем суток.</translation>
    </message>
    <message>
        <source>The two-hour slot must be one of the twelve.</source>
        <translation>Двухчасовой интервал должен быть одним из двенадцати.</translation>
    </message>
    <message>
        <source>This build does not know %1, the time zone of %2.</source>
        <translation>Эта сборка не знает %1, часовой пояс места %2.</translation>
    </message>
    <message>
        <source>Give the place&apos;s time zone or its offset from UTC.</source>
        <translation>Укажите часовой пояс места или его смещение от UTC.</translation>
    </message>
    <message>
        <source>Imum Coeli %1</source>
        <translation>Глубина неба %1</translation>
    </message>
    <message>
        <source>Ascendant %1</source>
        <translation>Асцендент %1</translation>
    </message>
    <message>
        <source>Midheaven %1</source>
        <translation>Середина неба %1</translation>
    </message>
    <message>
        <source>The time-zone data installed here has no zone %1.</source>
        <translation>В установленных здесь данных часовых поясов нет пояса %1.</translation>
    </message>
    <message>
        <source>Quick reading for the same day and slot: %1</source>
        <translation>Быстрый расчёт для того же дня и интервала: %1</translation>
    </message>
    <message>
        <source>The quick reading looks only at the day, the month and the two-hour slot through fixed tables; the exact one uses the minute and the birthplace, so the two can name different signs.</source>
        <translation>Быстрый расчёт учитывает только день, месяц и двухчасовой интервал по готовым таблицам; точный использует минуту и место рождения, поэтому они могут назвать разные знаки.</translation>
    </message>
    <message>
        <source>Clocks there did not yet keep standard time, so the local mean time of the birthplace (%1) is used.</source>
        <translation>Часы там ещё не шли по поясному времени, поэтому используется местное среднее время места рождения (%1).</translation>
    </message>
    <message>
        <source>Beyond the polar circle the ecliptic can stay wholly above or below the horizon for hours, so the Ascendant here is unreliable; the Imum Coeli and the Midheaven are exact.</source>
        <translation>За полярным кругом эклиптика может часами целиком оставаться над горизонтом или под ним, поэтому асцендент здесь ненадёжен; Глубина неба и Середина неба точны.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>latitude, longitude</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1°%2′ N</source>
        <translation>%1°%2′ с. ш.</translation>
    </message>
    <message>
        <source>%1°%2′ S</source>
        <translation>%1°%2′ ю. ш.</translation>
    </message>
    <message>
        <source>%1°%2′ E</source>
        <translation>%1°%2′ в. д.</translation>
    </message>
    <message>
        <source>%1°%2′ W</source>
        <translation>%1°%2′ з. д.</translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour</source>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n минуту</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n минуту</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>went back from %1 on %2 to %3 on %4</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>перевели назад с %1 %2 на %3 %4</translation>
    </message>
    <message>
        <source>jumped from %1 on %2 to %3 on %4</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>перевели вперёд с %1 %2 на %3 %4</translation>
    </message>
    <message>
        <source>went back from %1 to %2 on %3</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>перевели назад %3 с %1 на %2</translation>
    </message>
    <message>
        <source>jumped from %1 to %2 on %3</source>
        <comment>a change of the clocks, inside a sentence</comment>
        <translation>перевели вперёд %3 с %1 на %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two changes of the clocks</comment>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>changes of the clocks before the last</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <comment>a clock time on a day</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>format of a day with its year</comment>
        <translation>d MMMM yyyy &apos;г.&apos;</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>format of a day without its year</comment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4, so %5 never happened there.</source>
        <translation>Часы там перевели вперёд с %1 %2 на %3 %4, поэтому дня %5 там не было.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4, so the days from %5 to %6 never happened there.</source>
        <translation>Часы там перевели вперёд с %1 %2 на %3 %4, поэтому дней с %5 по %6 там не было.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4, so %5 on %6 never showed there.</source>
        <translation>Часы там перевели вперёд с %1 %2 на %3 %4, поэтому %5 %6 на часах там не было.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 to %2 on %3, so %4 never showed there.</source>
        <translation>Часы там перевели вперёд %3 с %1 на %2, поэтому %4 на часах там не было.</translation>
    </message>
    <message numerus="yes">
        <source>%1 showed %n times on the clocks there.</source>
        <comment>%1: a clock time on a day</comment>
        <translation>
            <numerusform>%1 было на часах там %n раз.</numerusform>
            <numerusform>%1 было на часах там %n раза.</numerusform>
            <numerusform>%1 было на часах там %n раз.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clocks there went back from %1 on %2 to %3 on %4, so %5 on %6 showed twice there.</source>
        <translation>Часы там перевели назад с %1 %2 на %3 %4, поэтому %5 %6 было на часах там дважды.</translation>
    </message>
    <message>
        <source>The clocks there went back from %1 to %2 on %3, so %4 showed twice there.</source>
        <translation>Часы там перевели назад %3 с %1 на %2, поэтому %4 было на часах там дважды.</translation>
    </message>
    <message>
        <source>The clocks there %1, so %2 showed twice there.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>Часы там %1, поэтому %2 было на часах там дважды.</translation>
    </message>
    <message numerus="yes">
        <source>The clocks there %1, so %2 showed %n times there.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>
            <numerusform>Часы там %1, поэтому %2 было на часах там %n раз.</numerusform>
            <numerusform>Часы там %1, поэтому %2 было на часах там %n раза.</numerusform>
            <numerusform>Часы там %1, поэтому %2 было на часах там %n раз.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clocks there went back from %1 on %2 to %3 on %4 during this slot, so it lasted %5.</source>
        <translation>Часы там перевели назад с %1 %2 на %3 %4 в этом интервале, поэтому он длился %5.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 on %2 to %3 on %4 during this slot, so it lasted %5.</source>
        <translation>Часы там перевели вперёд с %1 %2 на %3 %4 в этом интервале, поэтому он длился %5.</translation>
    </message>
    <message>
        <source>The clocks there went back from %1 to %2 on %3 during this slot, so it lasted %4.</source>
        <translation>Часы там перевели назад %3 с %1 на %2 в этом интервале, поэтому он длился %4.</translation>
    </message>
    <message>
        <source>The clocks there jumped from %1 to %2 on %3 during this slot, so it lasted %4.</source>
        <translation>Часы там перевели вперёд %3 с %1 на %2 в этом интервале, поэтому он длился %4.</translation>
    </message>
    <message>
        <source>The clocks there %1 during this slot, so it lasted %2.</source>
        <comment>%1: changes of the clocks</comment>
        <translation>Часы там %1 в этом интервале, поэтому он длился %2.</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT the day before</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 UT накануне</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT the next day</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 UT на следующий день</translation>
    </message>
    <message>
        <source>%1 %2 = %3 UT</source>
        <comment>local time, its clock, UT</comment>
        <translation>%1 %2 = %3 UT</translation>
    </message>
    <message>
        <source>No minute of this slot showed on the clocks there. %1</source>
        <comment>%1: what the clocks did</comment>
        <translation>Ни одной минуты этого интервала на часах там не было. %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <comment>a sign from a clock time</comment>
        <translation>%1 с %2</translation>
    </message>
    <message>
        <source>%1 from %2 %3</source>
        <comment>a sign from a clock time and its clock</comment>
        <translation>%1 с %2 %3</translation>
    </message>
    <message>
        <source>%1, the middle of the slot</source>
        <comment>the time used</comment>
        <translation>%1, середина интервала</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a place&apos;s name and where it lies</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the last two parts of a length of time</comment>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>parts of a length of time before the last</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>format of the first day of a month, with its year</comment>
        <translation>d MMMM yyyy &apos;г.&apos;</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>format of the first day of a month, without its year</comment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>Not a two-hour slot: “%1”. Give one as the quick reading lists it, such as %2.</source>
        <translation>Это не двухчасовой интервал: «%1». Укажите интервал так, как его называет быстрый расчёт, например %2.</translation>
    </message>
    <message>
        <source>Clocks there did not yet keep standard time, so the local mean time of the birthplace is used, counted from either side of the date line: %1 and %2.</source>
        <translation>Часы там ещё не шли по поясному времени, поэтому используется местное среднее время места рождения, отсчитанное по обе стороны от линии перемены дат: %1 и %2.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, the nadir sign is the sign of the lowest point of the ecliptic beneath the birthplace at the moment of birth. By the rising sign, as the quick reading counts, it is the sign three on from the one rising in the east at that moment: the fourth house of those who count houses by whole signs.</source>
        <translation>По Глубине неба знак надира — это знак самой нижней точки эклиптики под местом рождения в момент рождения. По асценденту, как в быстром расчёте, это третий знак после того, что восходит на востоке в этот момент: четвёртый дом у тех, кто считает дома по целым знакам.</translation>
    </message>
    <message>
        <source>Nadir sign: %1, by the Imum Coeli. Counted from the rising sign, as the quick reading counts, it would be %2, but beyond the polar circle the rising sign is unreliable.</source>
        <translation>Знак надира: %1, по Глубине неба. При отсчёте от асцендента, как в быстром расчёте, получился бы знак %2, но за полярным кругом асцендент ненадёжен.</translation>
    </message>
    <message>
        <source>Nadir sign: %1, by the IC and by the rising sign alike</source>
        <translation>Знак надира: %1, и по IC, и по асценденту</translation>
    </message>
    <message>
        <source>Your rising sign is %1, so counted as the quick reading counts, your nadir sign is %2; the lowest point of the sky itself, the Imum Coeli, lies in %3.</source>
        <translation>Ваш асцендент — %1, поэтому при отсчёте, как в быстром расчёте, знак вашего надира — %2; сама же нижняя точка неба, Глубина неба, лежит в другом знаке: %3.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>По Глубине неба через %3, в %2, знак вашего надира сменится; новый знак — %1.</translation>
    </message>
    <message>
        <source>Counted from the rising sign, your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>При отсчёте от асцендента через %3, в %2, знак вашего надира сменится; новый знак — %1.</translation>
    </message>
    <message>
        <source>Your nadir sign changes to %1 at %2, %3 later.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>Через %3, в %2, знак вашего надира сменится; новый знак — %1.</translation>
    </message>
    <message>
        <source>By the Imum Coeli, your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>По Глубине неба за %3 до этого, до %2, знак вашего надира был другим — %1.</translation>
    </message>
    <message>
        <source>Counted from the rising sign, your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>При отсчёте от асцендента за %3 до этого, до %2, знак вашего надира был другим — %1.</translation>
    </message>
    <message>
        <source>Your nadir sign was %1 until %2, %3 earlier.</source>
        <comment>%1: a sign, %2: a clock time, %3: minutes</comment>
        <translation>За %3 до этого, до %2, знак вашего надира был другим — %1.</translation>
    </message>
    <message>
        <source>DD</source>
        <comment>a day in a date&apos;s hint</comment>
        <translation>ДД</translation>
    </message>
    <message>
        <source>MM</source>
        <comment>a month in a date&apos;s hint</comment>
        <translation>ММ</translation>
    </message>
    <message>
        <source>YYYY</source>
        <comment>a year in a date&apos;s hint</comment>
        <translation>ГГГГ</translation>
    </message>
    <message>
        <source>Not a date: “%1”. Give it as %2 or %3.</source>
        <translation>Это не дата: «%1». Укажите её в виде %2 или %3.</translation>
    </message>
    <message>
        <source>The year in “%1” needs all four digits: give the date as %2.</source>
        <translation>Год в «%1» нужен полностью, четырьмя цифрами: укажите дату в виде %2.</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <comment>a time&apos;s hint</comment>
        <translation>ЧЧ:ММ</translation>
    </message>
    <message>
        <source>Not a time of day: “%1”. Give it as %2.</source>
        <translation>Это не время суток: «%1». Укажите его в виде %2.</translation>
    </message>
    <message>
        <source>The quick reading counts the tropical zodiac.</source>
        <translation>Быстрое толкование считает по тропическому зодиаку.</translation>
    </message>
    <message>
        <source>less than a second</source>
        <translation>меньше секунды</translation>
    </message>
    <message numerus="yes">
        <source>%n second</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>Lahiri</source>
        <comment>an ayanamsa, named after its author</comment>
        <translation>Лахири</translation>
    </message>
    <message>
        <source>Raman</source>
        <comment>an ayanamsa, named after its author</comment>
        <translation>Раман</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <comment>an ayanamsa, named after its author</comment>
        <translation>Кришнамурти</translation>
    </message>
    <message>
        <source>Fagan/Bradley</source>
        <comment>an ayanamsa, named after its two authors</comment>
        <translation>Фэган/Брэдли</translation>
    </message>
    <message>
        <source>tropical zodiac</source>
        <translation>тропический зодиак</translation>
    </message>
    <message>
        <source>sidereal zodiac, %1 ayanamsa %2°%3′</source>
        <comment>%1: the ayanamsa&apos;s name; %2 and %3: its degrees and minutes</comment>
        <translation>сидерический зодиак, аянамша %1 %2°%3′</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a text naming signs, and their zodiac</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Tropical</source>
        <comment>the zodiac to choose</comment>
        <translation>Тропический</translation>
    </message>
    <message>
        <source>Sidereal (%1)</source>
        <comment>%1: the ayanamsa&apos;s name</comment>
        <translation>Сидерический (%1)</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>You will love being young all your life. But with age you will also respect the experience that you have gained through your life.</source>
        <translation>Вы всю жизнь будете любить молодость. Но с годами вы научитесь ценить и опыт, который подарила вам жизнь.</translation>
    </message>
    <message>
        <source>You will believe in nourishing and caring the old fashioned way. To know that your family is eating and sleeping well will matter a lot to you. You will also make it a point to be financially stable.</source>
        <translation>Вы будете верить в заботу и опеку по старинке. Для вас будет очень важно знать, что ваша семья хорошо ест и хорошо спит. Вы также непременно позаботитесь о своём финансовом благополучии.</translation>
    </message>
    <message>
        <source>You will lead a very unstable life. You may move or relocate a lot and thus find yourself at a new place every few days, months or years. You will be comfortable with technology.</source>
        <translation>Ваша жизнь будет очень непостоянной. Возможно, вы будете часто переезжать и каждые несколько дней, месяцев или лет оказываться на новом месте. С техникой вы будете легко ладить.</translation>
    </message>
    <message>
        <source>You will not be able to stick to a single place. You will wander through many places before you find a place that you can call your home.</source>
        <translation>Вам не усидеть на одном месте. Вы будете странствовать по многим краям, прежде чем найдёте место, которое сможете назвать своим домом.</translation>
    </message>
    <message>
        <source>People may find you arrogant and overbearing. You will be like the mother lion and expect to be respected. You will be self sacrificing for your family.</source>
        <translation>Окружающим может казаться, что вы высокомерны и властны. Как львица-мать, вы будете ждать к себе уважения. Ради своей семьи вы будете готовы пожертвовать собой.</translation>
    </message>
    <message>
        <source>You care a lot about other people&apos;s feelings. You are more expressive in written communication than oral.</source>
        <translation>Чувства других людей очень важны для вас. Письменно вы выражаете свои мысли лучше, чем устно.</translation>
    </message>
    <message>
        <source>You will believe in yourself and always trust people. You set yourself very high ideals and strive to stand by them. You can fight people but at the same time need a peaceful and happy atmosphere.</source>
        <translation>Вы будете верить в себя и всегда доверять людям. Вы ставите перед собой очень высокие идеалы и стараетесь им следовать. Вы способны спорить с людьми, но при этом нуждаетесь в мирной и радостной обстановке.</translation>
    </message>
    <message>
        <source>Your home is your secret hiding place where you will hide from the world. You will crave for privacy.</source>
        <translation>Ваш дом — ваше тайное убежище, где вы будете скрываться от мира. Вы будете жаждать уединения.</translation>
    </message>
    <message>
        <source>You will not live at one place. You will be religious.</source>
        <translation>Вы не будете жить на одном месте. Вы будете религиозны.</translation>
    </message>
    <message>
        <source>You will never be happy with your life if you keep looking at the bits and pieces. Learn to enjoy yourself and have a happy time with your family. You may have seen separation from one parent. You will be highly responsible.</source>
        <translation>Вы никогда не будете довольны жизнью, если будете замечать одни лишь мелочи. Научитесь радоваться жизни и счастливо проводить время с семьёй. Возможно, вам довелось пережить разлуку с одним из родителей. Вы будете очень ответственны.</translation>
    </message>
    <message>
        <source>You will overdo things for your family. Even if you are not in a physical or mental position to help people, you will never give up. Family will not mean a normal life but something different.</source>
        <translation>Ради семьи вы будете делать больше, чем нужно. Даже если у вас не будет ни телесных, ни душевных сил помогать людям, вы никогда не сдадитесь. Семья будет значить для вас не обычную жизнь, а нечто иное.</translation>
    </message>
    <message>
        <source>You will be comfortable with people who are gentle and loving. You will also plan for the future so that others can enjoy the fruits of your labor.</source>
        <translation>Вам будет хорошо рядом с мягкими и любящими людьми. Вы также будете строить планы на будущее, чтобы другие могли наслаждаться плодами вашего труда.</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>Январь</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Февраль</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Март</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Апрель</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Май</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Июнь</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Июль</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Август</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Сентябрь</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Октябрь</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Ноябрь</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Декабрь</translation>
    </message>
</context>
<context>
    <name>PlaceList</name>
    <message>
        <source>Places found</source>
        <translation>Найденные места</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>Приложение уже запущено</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Возможно, для этой программы есть обновление<byte value="xd"/>Хотите проверить наличие обновлений?</translation>
    </message>
</context>
<context>
    <name>ReadingCard</name>
    <message>
        <source>Data used</source>
        <translation>Использованные данные</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>Места: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>A reading can be saved as %1, not as “%2”.</source>
        <translation>Расчёт можно сохранить как %1, но не как «%2».</translation>
    </message>
    <message>
        <source>The card could not be drawn.</source>
        <translation>Не удалось нарисовать карточку.</translation>
    </message>
    <message>
        <source>%1, %2 or %3</source>
        <comment>the endings a card can be saved with</comment>
        <translation>%1, %2 или %3</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>the endings a card can be saved with</comment>
        <translation>%1 или %2</translation>
    </message>
</context>
<context>
    <name>TimeSlot</name>
    <message>
        <source>4am-6am</source>
        <extracomment>A two-hour slot of the day of birth, in the style of the language&apos;s clocks; the list is narrow.</extracomment>
        <translation>4–6 ч</translation>
    </message>
    <message>
        <source>2am-4am</source>
        <translation>2–4 ч</translation>
    </message>
    <message>
        <source>midnight-2am</source>
        <translation>0–2 ч</translation>
    </message>
    <message>
        <source>10pm-midnight</source>
        <translation>22–24 ч</translation>
    </message>
    <message>
        <source>8pm-10pm</source>
        <translation>20–22 ч</translation>
    </message>
    <message>
        <source>6pm-8pm</source>
        <translation>18–20 ч</translation>
    </message>
    <message>
        <source>4pm-6pm</source>
        <translation>16–18 ч</translation>
    </message>
    <message>
        <source>2pm-4pm</source>
        <translation>14–16 ч</translation>
    </message>
    <message>
        <source>noon-2pm</source>
        <translation>12–14 ч</translation>
    </message>
    <message>
        <source>10am-noon</source>
        <translation>10–12 ч</translation>
    </message>
    <message>
        <source>8am-10am</source>
        <translation>8–10 ч</translation>
    </message>
    <message>
        <source>6am-8am</source>
        <translation>6–8 ч</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The most popular online discussion board and the best resource for astrology and the occult on the Internet. Visit %1 Now</source>
        <translation>Самый популярный форум и лучший источник знаний об астрологии и оккультизме в интернете. Посетите %1 прямо сейчас</translation>
    </message>
</context>
<context>
    <name>ZodiacSign</name>
    <message>
        <source>Aries</source>
        <extracomment>The sign&apos;s name as astrologers of the language write it.</extracomment>
        <translation>Овен</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Телец</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Близнецы</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Рак</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Лев</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Дева</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Весы</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Скорпион</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Стрелец</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Козерог</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Водолей</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Рыбы</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. This is what makes you comfortable in life. This stands for security and stability.</source>
        <translation>Quorvis означает начало и конец жизни человека. Глубина неба (Imum Coeli), или надир, — самая нижняя точка гороскопа. Он больше расскажет вам о том, чего вы желаете в личной жизни, в семье и детях, в заботе и любви. Он показывает, что дарит вам в жизни покой и уют. Он символизирует защищённость и стабильность.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Открывает сайт разработчика в вашем браузере</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Открывает в браузере страницу о версии под вашим брендом</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Нажмите здесь, чтобы узнать больше</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Бизнес на дому. Откройте собственный интернет-бизнес и зарабатывайте онлайн. Получите эту программу под брендом вашего сайта.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Quorvis icon</source>
        <translation>Значок Quorvis</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Нажмите, чтобы посетить %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Открывает в браузере страницу о совместном брендинге</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Добавьте в эту программу имя вашего сайта.  Больше постоянных посетителей для вашего сайта. Разместите здесь название &amp;  ссылку вашего сайта. Подробнее — в «Справке».    Нажмите здесь, чтобы узнать о совместном брендинге.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Открывает в браузере страницу о версии под вашим брендом</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бизнес на дому. Откройте собственный интернет-бизнес и зарабатывайте онлайн. Получите эту программу под брендом вашего сайта. Нажмите здесь, чтобы узнать больше.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Quorvis Result</source>
        <translation>Результат Quorvis</translation>
    </message>
    <message>
        <source>Nadir Sign</source>
        <translation>Знак надира</translation>
    </message>
    <message>
        <source>Your Nadir Sign Is In</source>
        <translation>Знак вашего надира</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Толкование</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Изображение знака</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Открывает сайт разработчика в вашем браузере</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Найти мой &amp;точный надир…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Онлайн-&amp;справка</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Посетить наш сайт</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Проверить о&amp;бновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Пожертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработать онлайн</translation>
    </message>
</context>
<context>
    <name>frmExact</name>
    <message>
        <source>Birth</source>
        <translation>Рождение</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Имя</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>&amp;Date of birth</source>
        <translation>&amp;Дата рождения</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Дата рождения</translation>
    </message>
    <message>
        <source>&amp;Time of birth</source>
        <translation>&amp;Время рождения</translation>
    </message>
    <message>
        <source>Time of birth</source>
        <translation>Время рождения</translation>
    </message>
    <message>
        <source>I &amp;know only the two-hour slot</source>
        <translation>Я зна&amp;ю только двухчасовой интервал</translation>
    </message>
    <message>
        <source>I know only the two-hour slot</source>
        <translation>Я знаю только двухчасовой интервал</translation>
    </message>
    <message>
        <source>Two-hour sl&amp;ot</source>
        <translation>Двухчасовой инт&amp;ервал</translation>
    </message>
    <message>
        <source>Two-hour slot</source>
        <translation>Двухчасовой интервал</translation>
    </message>
    <message>
        <source>&amp;Birthplace</source>
        <translation>&amp;Место рождения</translation>
    </message>
    <message>
        <source>Birthplace</source>
        <translation>Место рождения</translation>
    </message>
    <message>
        <source>Type the first letters of a town</source>
        <translation>Введите первые буквы названия города</translation>
    </message>
    <message>
        <source>Enter &amp;coordinates instead</source>
        <translation>Ввести &amp;координаты</translation>
    </message>
    <message>
        <source>Enter coordinates instead</source>
        <translation>Ввести координаты</translation>
    </message>
    <message>
        <source>L&amp;atitude</source>
        <translation>&amp;Широта</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>degrees, north positive: 51.51</source>
        <translation>градусы, север положительный: 51,51</translation>
    </message>
    <message>
        <source>Longit&amp;ude</source>
        <translation>Д&amp;олгота</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>degrees, east positive: -0.13</source>
        <translation>градусы, восток положительный: -0,13</translation>
    </message>
    <message>
        <source>Time &amp;zone</source>
        <translation>Часовой &amp;пояс</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>Europe/London or +01:00</source>
        <translation>Europe/London или +01:00</translation>
    </message>
    <message>
        <source>Exact reading</source>
        <translation>Точный расчёт</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>Места: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Save Reading…</source>
        <translation>&amp;Сохранить расчёт…</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>Копи&amp;ровать</translation>
    </message>
    <message>
        <source>Clos&amp;e</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Exact Nadir - %1</source>
        <translation>Точный надир — %1</translation>
    </message>
    <message>
        <source>During the slot: %1</source>
        <translation>В интервале: %1</translation>
    </message>
    <message>
        <source>During the slot: %1. %2</source>
        <comment>%2: what the clocks did</comment>
        <translation>В интервале: %1. %2</translation>
    </message>
    <message>
        <source>Give the date, the time and the place of birth to see the exact nadir.</source>
        <translation>Укажите дату, время и место рождения, чтобы увидеть точный надир.</translation>
    </message>
    <message>
        <source>Exact nadir reading</source>
        <translation>Точный расчёт надира</translation>
    </message>
    <message>
        <source>Exact nadir reading for %1</source>
        <translation>Точный расчёт надира: %1</translation>
    </message>
    <message>
        <source>No reading yet</source>
        <translation>Расчёта пока нет</translation>
    </message>
    <message>
        <source>Reading shown: %1</source>
        <translation>Показан вариант: %1</translation>
    </message>
    <message>
        <source>Born %1 at %2</source>
        <translation>Дата рождения: %1, время: %2</translation>
    </message>
    <message>
        <source>Time used: %1</source>
        <translation>Использованное время: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Место: %1</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Рисунок SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Reading</source>
        <translation>Сохранить расчёт</translation>
    </message>
    <message>
        <source>Born %1, %2</source>
        <translation>Дата рождения: %1, %2</translation>
    </message>
    <message>
        <source>Interpret the sign of the &amp;Imum Coeli</source>
        <translation>Толковать знак &amp;Глубины неба</translation>
    </message>
    <message>
        <source>Interpret the sign counted from the &amp;rising sign</source>
        <translation>Толковать знак, отсчитанный от &amp;асцендента</translation>
    </message>
    <message>
        <source>Your nadir sign, %1</source>
        <translation>Знак вашего надира: %1</translation>
    </message>
    <message>
        <source>Your nadir sign counted from the rising sign, %1</source>
        <translation>Знак вашего надира при отсчёте от асцендента: %1</translation>
    </message>
    <message>
        <source>Your nadir sign by the Imum Coeli, %1</source>
        <translation>Знак вашего надира по Глубине неба: %1</translation>
    </message>
    <message>
        <source>The reading could not be saved to %1.

%2</source>
        <translation>Не удалось сохранить расчёт в %1.

%2</translation>
    </message>
    <message>
        <source>Ne&amp;w Reading</source>
        <translation>&amp;Новый расчёт</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Печать…</translation>
    </message>
    <message>
        <source>Zodiac</source>
        <translation>Зодиак</translation>
    </message>
    <message>
        <source>No place called “%1” in the list, which holds towns of %L2 people or more. Enter coordinates instead?</source>
        <translation>Места «%1» нет в списке: в нём только города с населением от %L2 человек. Ввести координаты?</translation>
    </message>
    <message>
        <source>Exact nadir reading</source>
        <comment>a file name</comment>
        <translation>Точный надир</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Сохранено: %1</translation>
    </message>
    <message>
        <source>Print Reading</source>
        <translation>Печать расчёта</translation>
    </message>
    <message>
        <source>The reading could not be printed: the printer could not be started.</source>
        <translation>Не удалось напечатать расчёт: принтер не запустился.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Открывает в браузере страницу о совместном брендинге</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Добавьте в эту программу имя вашего сайта.  Больше постоянных посетителей для вашего сайта. Разместите здесь название &amp;  ссылку вашего сайта. Подробнее — в «Справке».    Нажмите здесь, чтобы узнать о совместном брендинге.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Открывает в браузере страницу о версии под вашим брендом</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бизнес на дому. Откройте собственный интернет-бизнес и зарабатывайте онлайн. Получите эту программу под брендом вашего сайта. Нажмите здесь, чтобы узнать больше.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. Get your reading now!</source>
        <translation>Quorvis означает начало и конец жизни человека. Глубина неба (Imum Coeli), или надир, — самая нижняя точка гороскопа. Он больше расскажет вам о том, чего вы желаете в личной жизни, в семье и детях, в заботе и любви. Получите своё толкование прямо сейчас!</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Введите точные данные и узнайте о себе больше </translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Ваши данные</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Name:-</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Date Of Birth:-</source>
        <translation>Дата рождения:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Time Of Birth</source>
        <translation>Время рождения</translation>
    </message>
    <message>
        <source>Time Of Birth:-</source>
        <translation>Время рождения:</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Открывает сайт разработчика в вашем браузере</translation>
    </message>
    <message>
        <source>Find My &amp;Quorvis Sign</source>
        <translation>&amp;Найти мой знак Quorvis</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Найти мой &amp;точный надир…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Онлайн-&amp;справка</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Посетить наш сайт</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Проверить о&amp;бновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Пожертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработать онлайн</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet !</source>
        <extracomment>In a translated window the name takes the letters of every script, and spaces: say that.</extracomment>
        <translation>Вводите только буквы и пробелы.</translation>
    </message>
</context>
<context>
    <name>frmPromotion</name>
    <message>
        <source>Quorvis icon</source>
        <translation>Значок Quorvis</translation>
    </message>
    <message>
        <source>Opens the Pellmark home page in your web browser</source>
        <translation>Открывает сайт Pellmark в вашем браузере</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Посоветуйте другу</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Порекомендовать сейчас</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Адрес эл. почты друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Download Pellmark Softwares</source>
        <translation>Скачать программы Pellmark</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Pellmark Softwares. From a single software, we have now grown to become the world’s largest resource of pellmark softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Pellmark Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Если вам понравилась эта программа, вас наверняка заинтересуют и другие программы Pellmark. Начав с одной-единственной программы, мы выросли в крупнейшую в мире коллекцию программ Pellmark. Астрология, ясновидение, таро, нумерология или оккультизм — у нас есть программы для всех областей, и каждый пользователь найдёт то, что ему по душе.                                                             Все программы из набора Pellmark просты и удобны. С ними не только интересно, но и очень познавательно. Попробуйте их уже сегодня и поделитесь впечатлениями с друзьями и близкими. </translation>
    </message>
    <message>
        <source>Opens the Pellmark Softwares page in your web browser</source>
        <translation>Открывает страницу программ Pellmark в вашем браузере</translation>
    </message>
    <message>
        <source>Click Here To Visit Pellmark Softwares</source>
        <translation>Нажмите, чтобы перейти к программам Pellmark</translation>
    </message>
    <message>
        <source>Pellmark Softwares, such as this can be created and maintained only with your support. The best way to support Pellmark is to visit Pellmark regularly and take part in the discussions and other activities on the board.</source>
        <translation>Такие программы Pellmark, как эта, могут создаваться и развиваться только благодаря вам. Лучший способ поддержать Pellmark — регулярно заходить на Pellmark и участвовать в обсуждениях и других делах форума.</translation>
    </message>
    <message>
        <source>Visit Pellmark regularly. Support Pellmark by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Pellmark</source>
        <translation>Заходите на Pellmark регулярно. Поддержите Pellmark, участвуя в обсуждениях и других делах форума. Без ваших регулярных визитов на Pellmark эти программы невозможно поддерживать и развивать</translation>
    </message>
    <message>
        <source>Pellmark is a FREE online discussion forum on astrology, psychic, tarot, numerology and the occult. Visit Pellmark regularly to help us develop and maintain this software.</source>
        <translation>Pellmark — БЕСПЛАТНЫЙ онлайн-форум об астрологии, ясновидении, таро, нумерологии и оккультизме. Регулярно заходите на Pellmark, чтобы помочь нам развивать и поддерживать эту программу.</translation>
    </message>
    <message>
        <source>Pellmark needs your help. All you need to do is visit Pellmark regularly and take part in the various discussions and activites to help us maintain and develop more Pellmark Softwares.</source>
        <translation>Pellmark нуждается в вашей помощи. Вам нужно лишь регулярно заходить на Pellmark и участвовать в обсуждениях и других делах форума, чтобы помочь нам поддерживать и создавать новые программы Pellmark.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Нажмите, чтобы посетить %1 сейчас</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Адрес эл. почты не может содержать пробелов</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Пожалуйста, введите два разных адреса эл. почты</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Пожалуйста, введите правильный адрес эл. почты</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Пожалуйста, введите ваше имя</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Пожалуйста, введите ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Пожалуйста, введите ваше сообщение</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Пожалуйста, введите имя вашего друга</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Пожалуйста, введите адрес эл. почты вашего друга</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Адрес эл. почты друга</translation>
    </message>
</context>
</TS>
