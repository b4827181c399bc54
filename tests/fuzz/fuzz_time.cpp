// --time read whole: exactly HH:MM or HH:MM:SS of ASCII digits, 00:00 to 23:59:59, and nothing else.
#include "FuzzSupport.h"
#include "Request.h"

#include <cstring>

using namespace quorvis;

namespace {

// Seconds since midnight of the time the text names when it is written HH:MM[:SS] within the day.
std::optional<int> Expected(const QString &text)
{
    if (text.size() != 5 && text.size() != 8)
        return std::nullopt;
    int fields[3] = {0, 0, 0};
    for (int i = 0; i < text.size(); ++i) {
        if (i % 3 == 2) {
            if (text[i] != u':')
                return std::nullopt;
        } else if (text[i] >= u'0' && text[i] <= u'9') {
            fields[i / 3] = fields[i / 3] * 10 + (text[i].unicode() - u'0');
        } else {
            return std::nullopt;
        }
    }
    if (fields[0] > 23 || fields[1] > 59 || fields[2] > 59)
        return std::nullopt;
    return fields[0] * 3600 + fields[1] * 60 + fields[2];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (std::memchr(data, 0, size))
        return 0; // no argument holds a NUL
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const cli::ParsedRequest parsed =
        cli::ParseRequest({QStringLiteral("quorvis-exact"), QStringLiteral("--date=2000-01-01"),
                           QStringLiteral("--time=") + text, QStringLiteral("--lat=0"),
                           QStringLiteral("--lon=0"), QStringLiteral("--utc-offset=+00:00")});
    const std::optional<int> expected = Expected(text);
    FUZZ_CHECK(parsed.error.isEmpty() == expected.has_value());
    if (expected)
        FUZZ_CHECK(parsed.request.reading.time &&
                   parsed.request.reading.time->msecsSinceStartOfDay() == *expected * 1000);
    else
        FUZZ_CHECK(fuzz::OneLine(parsed.error));
    return 0;
}
