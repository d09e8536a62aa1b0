// Any text, parsed as minutes, must give what an independent reading on the standard library
// alone gives: an optional single sign, then one or more ASCII digits and nothing else, at least
// 1, and few enough that the count in seconds fits a signed 64-bit integer.
#include "session/Minutes.h"

#include <QString>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {
constexpr std::int64_t MOST_MINUTES = std::numeric_limits<std::int64_t>::max() / 60;

std::optional<std::int64_t> expectedMinutes(const std::u16string &text)
{
    std::string number;
    std::size_t i = 0;
    if (!text.empty() && (text[0] == u'+' || text[0] == u'-')) {
        // from_chars takes a minus but no plus.
        if (text[0] == u'-')
            number = "-";
        i = 1;
    }
    if (i == text.size())
        return std::nullopt;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
        number.push_back(char(text[i]));
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    if (value < 1 || value > MOST_MINUTES)
        return std::nullopt;
    return value;
}

std::string describe(const std::optional<std::int64_t> &minutes)
{
    return minutes ? std::to_string(*minutes) : std::string("nothing");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Read as UTF-8, the bytes reach every character a person can type or paste, digits of
    // other scripts included.
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<qint64> parsed = parseMinutes(text);
    const std::optional<std::int64_t> expected = expectedMinutes(text.toStdU16String());
    if (parsed != expected) {
        std::fprintf(stderr, "parseMinutes(\"%s\") gave %s, expected %s\n",
                     text.toUtf8().constData(), describe(parsed).c_str(),
                     describe(expected).c_str());
        std::abort();
    }
    return 0;
}
