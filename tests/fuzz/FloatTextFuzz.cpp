// Any text through the floating-point conversion, and any 80-bit pattern
// through the general number format: a formatted value reads back as a value
// that formats to the same text, and an infinity or a NaN never becomes text.
#include "toolkit/Exceptions.h"
#include "toolkit/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

void checkFormat(long double value)
{
    std::string text;
    try {
        text = FloatToStr(value);
    } catch (const EOverflow&) {
        if (!std::isinf(value))
            std::abort();
        return;
    } catch (const EInvalidOp&) {
        if (!std::isnan(value))
            std::abort();
        return;
    }
    if (!std::isfinite(value))
        std::abort();
    std::optional<long double> again = TryStrToFloat(text);
    if (!again || FloatToStr(*again) != text)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    if (std::optional<long double> value = TryStrToFloat(text))
        checkFormat(*value);
    if (size >= 10) {
        long double pattern = 0;
        std::memcpy(&pattern, bytes, 10);
        checkFormat(pattern);
    }
    return 0;
}
