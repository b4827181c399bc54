// A date read whole (--date): exactly YYYY-MM-DD, a day of the proleptic Gregorian calendar within the years
// the reading covers, and nothing else. The calendar here is the standard library's, not Qt's.
#include "ExactInput.h"
#include "FuzzSupport.h"

#include <chrono>

using namespace quorvis;

namespace {

// The date the text names when it is written YYYY-MM-DD of ASCII digits and is a real day.
std::optional<std::chrono::year_month_day> Expected(const QString &text)
{
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return std::nullopt;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
    const std::chrono::year_month_day day{std::chrono::year(text.mid(0, 4).toInt()),
                                          std::chrono::month(unsigned(text.mid(5, 2).toInt())),
                                          std::chrono::day(unsigned(text.mid(8, 2).toInt()))};
    if (!day.ok() || day < std::chrono::year(1800) / 1 / 1 || day > std::chrono::year(2100) / 12 / 31)
        return std::nullopt;
    return day;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString problem;
    const std::optional<QDate> date = exact::ReadDate(text, &problem);
    const auto expected = Expected(text);
    FUZZ_CHECK(date.has_value() == expected.has_value());
    FUZZ_CHECK(date.has_value() == problem.isEmpty());
    if (expected)
        FUZZ_CHECK(date->year() == int(expected->year()) &&
                   date->month() == int(unsigned(expected->month())) &&
                   date->day() == int(unsigned(expected->day())));
    return 0;
}
