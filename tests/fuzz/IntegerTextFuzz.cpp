// Any text through the integer conversion: a converted value writes back as a
// text that converts to it again, and plain decimal texts agree with a
// straightforward reference.
#include "toolkit/NumberText.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// Blanks, a sign and decimal digits only, in the 32-bit range.
std::optional<long long> referenceDecimal(const std::string& text)
{
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string::npos)
        return std::nullopt;
    bool negative = text[at] == '-';
    if (text[at] == '+' || text[at] == '-')
        ++at;
    if (at == text.size())
        return std::nullopt;
    long long value = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9')
            return std::nullopt;
        value = value * 10 + (text[at] - '0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > 2147483647LL)
        return std::nullopt;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    std::optional<int> value = TryStrToInt(text);
    if (value && TryStrToInt(IntToStr(*value)) != value)
        std::abort();
    if (text.find_first_of("$xX") == std::string::npos) {
        std::optional<long long> expected = referenceDecimal(text);
        if (expected.has_value() != value.has_value() || (expected && *expected != *value))
            std::abort();
    }
    return 0;
}
