// A time read whole (--time): exactly HH:MM or HH:MM:SS of ASCII digits, 00:00 to 23:59:59, and nothing else.
#include "ExactInput.h"
#include "FuzzSupport.h"

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
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString problem;
    const std::optional<QTime> time = exact::ReadTime(text, &problem);
    const std::optional<int> expected = Expected(text);
    FUZZ_CHECK(time.has_value() == expected.has_value());
    FUZZ_CHECK(time.has_value() == problem.isEmpty());
    if (expected)
        FUZZ_CHECK(time->msecsSinceStartOfDay() == *expected * 1000);
    return 0;
}
