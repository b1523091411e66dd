#pragma once
// Extended (80-bit) arithmetic with the component library's floating-point
// errors where the hardware would give an infinity or a NaN.
#include <optional>

// dividend / divisor; a zero divisor raises EZeroDivide, or EInvalidOp when
// the dividend is zero too.
long double Divide(long double dividend, long double divisor);

// The value cut toward zero to a signed 32-bit integer; nothing when the cut
// value does not fit, or the value is an infinity or a NaN.
std::optional<int> TryTruncToInt(long double value);
