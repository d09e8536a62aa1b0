// Any text, parsed as minutes, must give what a reading on the standard library alone gives: an
// optional plus, then ASCII digits and nothing else, at least 1, and few enough that the count in
// seconds fits a signed 64-bit integer.
#include "session/Minutes.h"

#include <QString>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Read as UTF-8, the bytes reach every character a person can type or paste.
    const std::u16string text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)).toStdU16String();
    const std::size_t start = !text.empty() && text[0] == u'+';
    std::optional<std::int64_t> expected;
    std::int64_t value = 0;
    const std::string digits(text.begin() + qsizetype(start), text.end());
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (start < text.size() &&
        text.find_first_not_of(u"0123456789", start) == std::u16string::npos &&
        error == std::errc() && value >= 1 &&
        value <= std::numeric_limits<std::int64_t>::max() / 60)
        expected = value;
    if (parseMinutes(QString::fromStdU16String(text)) != expected)
        std::abort();
    return 0;
}
