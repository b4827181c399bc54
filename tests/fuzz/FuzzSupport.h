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

// A message for one line of a terminal: not empty, no line breaks, no control characters.
inline bool OneLine(const QString &text)
{
    for (QChar c : text)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            return false;
    return !text.isEmpty();
}

} // namespace quorvis::fuzz
