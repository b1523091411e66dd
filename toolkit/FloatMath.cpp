#include "FloatMath.h"

#include "Exceptions.h"

#include <cmath>

long double Divide(long double dividend, long double divisor)
{
    if (divisor == 0) {
        if (dividend == 0)
            throw EInvalidOp();
        throw EZeroDivide();
    }
    return dividend / divisor;
}

std::optional<int> TryTruncToInt(long double value)
{
    long double whole = std::trunc(value);
    // NaN fails both comparisons.
    if (!(whole >= -2147483648.0L && whole <= 2147483647.0L))
        return std::nullopt;
    return static_cast<int>(whole);
}
