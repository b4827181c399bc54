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
