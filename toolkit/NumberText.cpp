#include "NumberText.h"

#include "Exceptions.h"

#include <cstdint>

namespace {

int digitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

} // namespace

std::optional<int> TryStrToInt(const std::string& text)
{
    std::string::size_type at = 0;
    while (at < text.size() && text[at] == ' ')
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';

    int base = 10;
    if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
        base = 16;
        ++at;
    } else if (at + 1 < text.size() && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
        base = 16;
        at += 2;
    }

    if (at == text.size())
        return std::nullopt;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        int digit = digitValue(text[at], base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int StrToInt(const std::string& text)
{
    std::optional<int> value = TryStrToInt(text);
    if (!value)
        throw EConvertError(FormatPattern("'%s' は数値ではありません", text));
    return *value;
}

std::string IntToStr(int value)
{
    return std::to_string(value);
}
