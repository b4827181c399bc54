// Degrees as the window's fields and --lat/--lon take them: an optional sign (+, -, U+2212), one to three
// digits, and a fraction after a point or a comma; within ±limit. The first byte also picks the limit.
#include "ExactInput.h"
#include "FuzzSupport.h"

#include <cmath>
#include <string>

using namespace quorvis;

namespace {

// The value of a text of that form, read by the C library; nothing for any other text.
std::optional<double> Expected(const QString &text)
{
    std::string plain;
    int i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-' || text[i] == u'\u2212'))
        plain += text[i++] == u'+' ? '+' : '-';
    const auto digits = [&] {
        int count = 0;
        for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i, ++count)
            plain += char(text[i].unicode());
        return count;
    };
    const int whole = digits();
    if (whole < 1 || whole > 3)
        return std::nullopt;
    if (i < text.size() && (text[i] == u'.' || text[i] == u',')) {
        ++i;
        plain += '.';
        if (digits() == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return std::strtod(plain.c_str(), nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    static constexpr double limits[] = {90, 180, 1000};
    const double limit = limits[(data[0] >> 1) % 3];
    const QString text = fuzz::Text(data, size);
    const std::optional<double> degrees = exact::ParseDegrees(text, limit);
    std::optional<double> expected = Expected(text);
    if (expected && !(std::abs(*expected) <= limit))
        expected.reset();
    FUZZ_CHECK(degrees.has_value() == expected.has_value());
    if (degrees)
        FUZZ_CHECK(*degrees == *expected);
    return 0;
}
