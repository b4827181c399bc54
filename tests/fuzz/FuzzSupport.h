// What the fuzz targets share: a check that stops the run on a broken promise, and text from raw bytes.
#pragma once

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// A finding: the condition, where, and the input's own reproduction is libFuzzer's crash file.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

namespace quorvis::fuzz {

// UTF-8 as a command line brings it, or, when the first byte is odd, UTF-16 code units as a text field may
// hold them (lone surrogates included). Seeds start with '8' (UTF-8) or 'W' (UTF-16), or another byte of the
// same parity where the target reads more from it.
inline QString Text(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return {};
    if ((data[0] & 1) == 0)
        return QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    std::u16string units((size - 1) / 2, u'\0');
    std::memcpy(units.data(), data + 1, units.size() * 2);
    return QString(reinterpret_cast<const QChar *>(units.data()), qsizetype(units.size()));
}

// A message for one line of a terminal that reads as it is written: not empty, and, code point by code point
// (decoded here, not by Qt), no C0 or C1 control, no line or paragraph separator, no lone surrogate, no
// non-character and no format character: Unicode's category Cf, listed here from its tables rather than asked
// of the library the program itself asks.
inline bool OneLine(const QString &text)
{
    static constexpr char32_t Format[][2] = {
        {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
        {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
        {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
        {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
        {0x13430, 0x13438}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
        {0xE0020, 0xE007F}};
    const auto units = reinterpret_cast<const char16_t *>(text.utf16());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c <= 0xDFFF) {
            if (c > 0xDBFF || i + 1 == text.size() || units[i + 1] < 0xDC00 || units[i + 1] > 0xDFFF)
                return false; // a lone surrogate
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        }
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029)
            return false;
        if ((c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE)
            return false;
        for (const auto &range : Format)
            if (c >= range[0] && c <= range[1])
                return false;
    }
    return !text.isEmpty();
}

} // namespace quorvis::fuzz
