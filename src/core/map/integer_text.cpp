#include "core/map/integer_text.h"

#include "core/error/messages.h"
#include "core/error/vornik_error.h"

#include <algorithm>
#include <cstdint>

namespace vornik {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::uint64_t> digitsValue(std::string_view digits, int base, std::uint64_t limit)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<int> TryParseInteger(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const bool hex = text.starts_with('$') || text.starts_with("0x") || text.starts_with("0X");
    if (hex) {
        text.remove_prefix(text.front() == '$' ? 1 : 2);
        const auto value = digitsValue(text, 16, 0xFFFFFFFFu);
        if (!value)
            return std::nullopt;
        const auto bits = static_cast<std::uint32_t>(negative ? 0u - *value : *value);
        return static_cast<int>(bits);
    }
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    const auto value = digitsValue(text, 10, limit);
    if (!value)
        return std::nullopt;
    return negative ? static_cast<int>(-static_cast<std::int64_t>(*value)) : static_cast<int>(*value);
}

int ParseInteger(const QString &text)
{
    std::optional<int> value;
    const bool ascii = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        const QByteArray latin = text.toLatin1();
        value = TryParseInteger(std::string_view(latin.constData(), latin.size()));
    }
    if (!value)
        throw VornikError(messages::notValidInteger(text));
    return *value;
}

} // namespace vornik
