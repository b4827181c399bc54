// Typed values are read whole and exactly: a date, time or number followed by anything at all is refused, as
// is a clock that is neither a zone of the tz database nor an offset; nothing is guessed.
#include "ExactInput.h"

#include "ExactReading.h"
#include "ExactTexts.h"
#include "Language.h"
#include "reading.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <span>

namespace quorvis::exact {

namespace {

bool Matches(QStringView pattern, const QString &text)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch();
}

// A slot's name as typed and as listed compare without spaces, case or the kind of dash: the lists write
// "14–16 Uhr" and "14 h–16 h" with an en dash, a keyboard types "14-16 Uhr" or "14h-16h".
QString SlotKey(const QString &name)
{
    QString key;
    for (const QChar c : name) {
        if (c.isSpace())
            continue;
        const char16_t u = c.unicode();
        key += (u >= 0x2010 && u <= 0x2015) || u == 0x2212 || u == 0xFE63 || u == 0xFF0D ? QChar(u'-')
                                                                                          : c.toCaseFolded();
    }
    return key;
}

template <typename T> std::optional<T> Refuse(QString *problem, const QString &sentence)
{
    *problem = sentence;
    return std::nullopt;
}

std::optional<double> readDegrees(const QString &text, double limit, QString *problem,
                                  const QString &sentence)
{
    if (const std::optional<double> degrees = ParseDegrees(text, limit))
        return degrees;
    return Refuse<double>(problem, sentence.arg(ShownSafely(text)));
}

bool IsNonCharacter(char32_t c) { return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE; }

} // namespace

// English writes the dates as they are typed (1800-01-01); a translation as its language writes a day.
QString DateInMessage(QDate date)
{
    return Language::SpeaksEnglish() ? date.toString(Qt::ISODate) : DayText(date);
}

QString ShownSafely(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        qsizetype units = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            units = 2;
        }
        const QChar::Category category = QChar::category(c);
        if (c == u'\n')
            shown += QLatin1String("\\n");
        else if (c == u'\t')
            shown += QLatin1String("\\t");
        else if (category == QChar::Other_Control || category == QChar::Other_Format ||
                 category == QChar::Other_Surrogate || category == QChar::Separator_Line ||
                 category == QChar::Separator_Paragraph || IsNonCharacter(c))
            shown += c > 0xFFFF ? QLatin1String("\\U") + QString::number(c, 16).toUpper().rightJustified(8, u'0')
                                : QLatin1String("\\u") + QString::number(c, 16).toUpper().rightJustified(4, u'0');
        else
            shown += text.mid(i, units);
        i += units - 1;
    }
    return shown;
}

QString DateRangeMessage()
{
    return QCoreApplication::translate("ExactReading", "The date must lie between %1 and %2.")
        .arg(DateInMessage(FirstBirthDate), DateInMessage(LastBirthDate));
}

std::optional<double> ParseDegrees(QStringView text, double limit)
{
    static const QRegularExpression number(
        QRegularExpression::anchoredPattern(QStringLiteral("[+\\-\u2212]?[0-9]{1,3}(?:[.,][0-9]+)?")));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    QString plain = text.toString();
    plain.replace(QChar(u'\u2212'), QLatin1Char('-')).replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok || !(std::abs(value) <= limit))
        return std::nullopt;
    return value;
}

QString FormatDegrees(double degrees, int decimals, const QLocale &region)
{
    QLocale writing = region;
    if (writing.zeroDigit() != QLatin1String("0") ||
        !QStringList{QStringLiteral("."), QStringLiteral(",")}.contains(writing.decimalPoint()) ||
        !QStringList{QStringLiteral("-"), QStringLiteral("\u2212")}.contains(writing.negativeSign()))
        writing = QLocale::c();
    writing.setNumberOptions(writing.numberOptions() | QLocale::OmitGroupSeparator);
    return writing.toString(degrees, 'f', decimals);
}

std::optional<QDate> ReadDate(const QString &text, QString *problem)
{
    if (!Matches(u"[0-9]{4}-[0-9]{2}-[0-9]{2}", text))
        return Refuse<QDate>(
            problem, QCoreApplication::translate("ExactReading", "Not a date: “%1”. Give it as YYYY-MM-DD.")
                         .arg(ShownSafely(text)));
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid())
        return Refuse<QDate>(
            problem, QCoreApplication::translate("ExactReading", "There is no such date as “%1”.").arg(ShownSafely(text)));
    if (date < FirstBirthDate || date > LastBirthDate)
        return Refuse<QDate>(problem, DateRangeMessage());
    return date;
}

namespace {

// The letters a hint writes for a day, a month and a year, in the language spoken: "TT.MM.JJJJ".
QString HintLetters(QChar field)
{
    return field == u'd'   ? QCoreApplication::translate("ExactReading", "DD", "a day in a date's hint")
           : field == u'M' ? QCoreApplication::translate("ExactReading", "MM", "a month in a date's hint")
                           : QCoreApplication::translate("ExactReading", "YYYY", "a year in a date's hint");
}

// A date format split into its day, month and year fields and the text between them; empty when it has other
// fields (month names, weekdays) than these three, once each.
struct DateFields
{
    QList<QChar> fields;    // 'd', 'M', 'y' in the order written
    QStringList separators; // before each field, and after the last
};

DateFields SplitFormat(const QString &format)
{
    DateFields split;
    QString between;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        if (c == u'\'') { // quoted text: a separator
            const qsizetype end = format.indexOf(u'\'', i + 1);
            between += format.mid(i + 1, end < 0 ? -1 : end - i - 1);
            i = end < 0 ? format.size() : end + 1;
            continue;
        }
        if (c.isLetter()) {
            const bool known = (c == u'd' && run <= 2) || (c == u'M' && run <= 2) || c == u'y';
            if (!known || split.fields.contains(c))
                return {};
            split.separators << between;
            split.fields << c;
            between.clear();
        } else {
            between += format.mid(i, run);
        }
        i += run;
    }
    split.separators << between;
    if (split.fields.size() != 3)
        return {};
    return split;
}

QString Written(const DateFields &split, bool hint)
{
    QString text = split.separators.front();
    for (qsizetype i = 0; i < split.fields.size(); ++i) {
        const QChar field = split.fields[i];
        text += hint ? HintLetters(field) : field == u'y' ? QStringLiteral("yyyy") : QString(2, field);
        text += split.separators[i + 1];
    }
    return text.trimmed();
}

} // namespace

DateStyle DateStyle::of(const QLocale &region)
{
    static const DateFields iso = SplitFormat(QStringLiteral("yyyy-MM-dd"));
    DateFields split = SplitFormat(region.dateFormat(QLocale::ShortFormat));
    if (split.fields.isEmpty())
        split = iso;
    return {Written(split, false), Written(split, true), Written(iso, true)};
}

std::optional<QDate> ReadDate(const QString &text, const DateStyle &style, QString *problem)
{
    const QString typed = text.trimmed();
    if (Matches(u"[0-9]{4}-[0-9]{2}-[0-9]{2}", typed))
        return ReadDate(typed, problem);
    // The region's own order, each field one or two digits but the year, between its separators (spaces in
    // them optional).
    const DateFields split = SplitFormat(style.pattern);
    const auto refuse = [&] {
        return Refuse<QDate>(problem,
                             QCoreApplication::translate("ExactReading", "Not a date: “%1”. Give it as "
                                                                         "%2 or %3.")
                                 .arg(ShownSafely(text), style.hint, style.isoHint));
    };
    if (split.fields.isEmpty())
        return refuse();
    QString pattern = QStringLiteral("\\s*");
    for (qsizetype i = 0; i <= split.fields.size(); ++i) {
        for (const QString &part : split.separators[i].trimmed().split(u' ', Qt::SkipEmptyParts))
            pattern += QRegularExpression::escape(part) + QStringLiteral("\\s*");
        if (i < split.fields.size())
            pattern +=
                split.fields[i] == u'y' ? QStringLiteral("([0-9]+)\\s*") : QStringLiteral("([0-9]{1,2})\\s*");
    }
    const QRegularExpressionMatch match =
        QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(typed);
    if (!match.hasMatch())
        return refuse();
    int day = 0, month = 0, year = 0;
    for (qsizetype i = 0; i < split.fields.size(); ++i) {
        const QString digits = match.captured(int(i) + 1);
        if (split.fields[i] == u'y' && digits.size() != 4)
            return Refuse<QDate>(problem, QCoreApplication::translate(
                                              "ExactReading", "The year in “%1” needs all four digits: "
                                                              "give the date as %2.")
                                              .arg(ShownSafely(text), style.hint));
        (split.fields[i] == u'd' ? day : split.fields[i] == u'M' ? month : year) = digits.toInt();
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        return Refuse<QDate>(problem,
                             QCoreApplication::translate("ExactReading", "There is no such date as “%1”.")
                                 .arg(ShownSafely(text)));
    if (date < FirstBirthDate || date > LastBirthDate)
        return Refuse<QDate>(problem, DateRangeMessage());
    return date;
}

namespace {

bool HasTwelveHours(const QLocale &region)
{
    return region.timeFormat(QLocale::ShortFormat).contains(u'a', Qt::CaseInsensitive);
}

} // namespace

QString TimeHint(const QLocale &region)
{
    const QString hint = QCoreApplication::translate("ExactReading", "HH:MM", "a time's hint");
    return HasTwelveHours(region) ? QStringLiteral("%1 %2/%3").arg(hint, region.amText(), region.pmText())
                                  : hint;
}

std::optional<QTime> ReadTime(const QString &text, const QLocale &region, QString *problem)
{
    const QString typed = text.trimmed();
    static const QRegularExpression clock(QRegularExpression::anchoredPattern(
        QStringLiteral("([0-9]{1,2}):([0-9]{2})(?::([0-9]{2}))?\\s*(\\S.*)?")));
    const QRegularExpressionMatch match = clock.match(typed);
    if (match.hasMatch()) {
        int hour = match.captured(1).toInt();
        const QString half = match.captured(4).remove(u'.').toCaseFolded();
        const auto is = [&half](const QString &marker, const char *english) {
            return half == QString(marker).remove(u'.').toCaseFolded() || half == QLatin1String(english);
        };
        const bool am = !half.isEmpty() && is(region.amText(), "am");
        const bool pm = !half.isEmpty() && !am && is(region.pmText(), "pm");
        if (half.isEmpty() || ((am || pm) && hour >= 1 && hour <= 12)) {
            if (am || pm)
                hour = hour % 12 + (pm ? 12 : 0);
            const QTime time(hour, match.captured(2).toInt(), match.captured(3).toInt());
            if (time.isValid())
                return time;
        }
    }
    return Refuse<QTime>(problem,
                         QCoreApplication::translate("ExactReading", "Not a time of day: “%1”. Give it "
                                                                     "as %2.")
                             .arg(ShownSafely(text), TimeHint(region)));
}

std::optional<int> ReadTimeSlot(const QString &text, QString *problem)
{
    // The names of the slots in English, in the language spoken, and in every translation built in.
    static const std::vector<QStringList> names = [] {
        std::vector<QStringList> all(TimeSlots.size());
        QList<QTranslator *> translators;
        for (const QString &language : Language::BuiltIn()) {
            auto *translator = new QTranslator;
            if (translator->load(Language::BuiltInFile(language)))
                translators << translator;
            else
                delete translator;
        }
        for (std::size_t i = 0; i < TimeSlots.size(); ++i) {
            const QByteArray english(TimeSlots[i].data(), qsizetype(TimeSlots[i].size()));
            all[i] << QString::fromLatin1(english)
                   << QCoreApplication::translate("TimeSlot", english.constData());
            for (const QTranslator *translator : std::as_const(translators))
                all[i] << translator->translate("TimeSlot", english.constData());
        }
        qDeleteAll(translators);
        return all;
    }();
    const QString typed = SlotKey(text);
    for (std::size_t i = 0; i < names.size(); ++i)
        for (const QString &name : names[i])
            if (!name.isEmpty() && typed == SlotKey(name))
                return int(i);
    return Refuse<int>(
        problem,
        QCoreApplication::translate(
            "ExactReading", "Not a two-hour slot: “%1”. Give one as the quick reading lists it, such as %2.")
            .arg(ShownSafely(text), QCoreApplication::translate("TimeSlot", TimeSlots[7].data())));
}

std::optional<QTime> ReadTime(const QString &text, QString *problem)
{
    QTime time;
    if (Matches(u"[0-9]{2}:[0-9]{2}", text))
        time = QTime::fromString(text, QStringLiteral("HH:mm"));
    else if (Matches(u"[0-9]{2}:[0-9]{2}:[0-9]{2}", text))
        time = QTime::fromString(text, QStringLiteral("HH:mm:ss"));
    if (!time.isValid())
        return Refuse<QTime>(problem, QCoreApplication::translate(
                                          "ExactReading", "Not a time of day: “%1”. Give it as HH:MM or "
                                                          "HH:MM:SS, from 00:00 to 23:59:59.")
                                          .arg(ShownSafely(text)));
    return time;
}

std::optional<double> ReadLatitude(const QString &text, QString *problem)
{
    return readDegrees(text, 90, problem,
                       QCoreApplication::translate("ExactReading",
                                                   "Not a latitude: “%1”. Give degrees from −90 to 90, north "
                                                   "positive."));
}

std::optional<double> ReadLongitude(const QString &text, QString *problem)
{
    return readDegrees(text, 180, problem,
                       QCoreApplication::translate("ExactReading",
                                                   "Not a longitude: “%1”. Give degrees from −180 to 180, "
                                                   "east positive."));
}

std::optional<places::Clock> ReadClock(const QString &text, QString *problem)
{
    if (std::optional<places::Clock> clock = places::Clock::parse(text))
        return clock;
    return Refuse<places::Clock>(
        problem,
        QCoreApplication::translate("ExactReading", "Unknown time zone “%1”: give one such as "
                                                    "Europe/London, or an offset from −12:00 to +14:00 such "
                                                    "as +01:00.")
            .arg(ShownSafely(text)));
}

std::optional<places::Clock> ReadUtcOffset(const QString &text, QString *problem)
{
    std::optional<places::Clock> clock = places::Clock::parse(text);
    if (clock && clock->isFixedOffset())
        return clock;
    return Refuse<places::Clock>(
        problem,
        QCoreApplication::translate("ExactReading", "Not an offset from UTC: “%1”. Give one from −12:00 to "
                                                    "+14:00 such as +01:00.")
            .arg(ShownSafely(text)));
}

std::vector<const places::Place *> FindPlaces(QStringView text)
{
    const places::Gazetteer &gazetteer = places::Gazetteer::instance();
    std::vector<const places::Place *> found = gazetteer.searchAsWritten(text, ShownPlaceMatches);
    for (const places::Place *place : gazetteer.search(text, ShownPlaceMatches)) {
        if (found.size() == std::size_t(ShownPlaceMatches))
            break;
        if (std::find(found.begin(), found.end(), place) == found.end())
            found.push_back(place);
    }
    return found;
}

namespace {

// A name's comma-separated parts, each by its SearchKey: "Washington, D.C." is two.
QStringList PartKeys(QStringView text)
{
    QStringList keys;
    for (const QStringView part : text.split(u','))
        keys << places::SearchKey(part);
    return keys;
}

// Whether `parts` from `at` on are, in this order, one of `lists[0]` (each name split at its commas as the
// parts are), then one of `lists[1]` and so on, each list after the first left out or not.
bool NamedBy(const QStringList &parts, qsizetype at, std::span<const QStringList *const> lists, bool first)
{
    if (lists.empty())
        return at == parts.size();
    for (const QString &name : *lists.front()) {
        const QStringList keys = PartKeys(name);
        if (at + keys.size() <= parts.size() && std::equal(keys.begin(), keys.end(), parts.begin() + at) &&
            NamedBy(parts, at + keys.size(), lists.subspan(1), false))
            return true;
    }
    return !first && NamedBy(parts, at, lists.subspan(1), false);
}

// Whether `place` is what the comma-separated `parts` name: one of its names, then its division and its
// country in that order, either of them left out; each in GeoNames's words or any language's.
bool Names(const places::Place &place, const QStringList &parts)
{
    const places::PlaceNames names = places::Gazetteer::instance().names(place);
    const QStringList *lists[] = {&names.names, &names.admin1, &names.countries};
    return NamedBy(parts, 0, lists, true);
}

// The numbers in a text and its last comma-separated part: "51°30′ N, 0°07′ W, Europe/London" gives 51 30 0
// 07 and Europe/London in every language, whatever it calls north and west.
QString WhereKey(QStringView where)
{
    QString key;
    for (const QChar c : where)
        key += c.isDigit() ? c : u' ';
    return key.simplified() + u'|' + places::SearchKey(where.mid(where.lastIndexOf(u',') + 1));
}

} // namespace

NamedPlace FindNamedPlace(QStringView text)
{
    // Enough to hold every place of one name (there are a few dozen Springfields at most).
    constexpr int EveryBearer = 500;
    const places::Gazetteer &gazetteer = places::Gazetteer::instance();
    NamedPlace named;
    // A label as --places prints it ends in where the place lies, after a colon: any language's label.
    const qsizetype colon = text.indexOf(u':');
    const QStringView written = colon < 0 ? text : text.first(colon);
    const QStringList parts = PartKeys(written);
    if (parts.size() > 1 || colon >= 0) {
        const QString where = colon < 0 ? QString() : WhereKey(text.mid(colon + 1));
        for (const places::Place *place : gazetteer.search(written.split(u',').front(), EveryBearer)) {
            const bool whole = colon < 0 || WhereKey(PlaceText(nullptr, place->latitude, place->longitude,
                                                               place->zone)) == where;
            if (whole && Names(*place, parts)) {
                named.place = place;
                return named;
            }
        }
        return named;
    }
    const std::vector<const places::Place *> best = FindPlaces(text);
    if (best.empty())
        return named;
    named.place = best.front();
    const QString key = places::SearchKey(text);
    const auto bearsName = [&key](const places::Place &place) {
        const QStringList names = places::Gazetteer::instance().names(place).names;
        return std::any_of(names.begin(), names.end(),
                           [&key](const QString &name) { return places::SearchKey(name) == key; });
    };
    if (!bearsName(*named.place))
        return named;
    for (const places::Place *place : gazetteer.search(text, EveryBearer))
        if (place != named.place && 2 * place->population >= named.place->population && bearsName(*place))
            named.alike.push_back(place);
    return named;
}

void UsePlace(Request &request, const places::Place &place)
{
    request.place = &place;
    request.latitude = place.latitude;
    request.longitude = place.longitude;
    request.clock = places::Clock::zone(place.zone);
}

} // namespace quorvis::exact
