#include "NumberText.h"

#include "Exceptions.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

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

char DecimalSeparator = '.';

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Exponents beyond this already put any text far outside the extended range.
constexpr long long exponentLimit = 100000000;

} // namespace

std::optional<long double> TryStrToFloat(const std::string& text, char separator)
{
    std::string::size_type at = 0;
    std::string::size_type end = text.size();
    while (at < end && text[at] == ' ')
        ++at;
    while (end > at && text[end - 1] == ' ')
        --end;
    bool negative = false;
    if (at < end && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';

    // The significant digits as an integer, and the power of ten it stands for.
    std::string digits;
    long long exponent = 0;
    bool anyDigit = false;
    for (; at < end && isDigit(text[at]); ++at) {
        anyDigit = true;
        if (!digits.empty() || text[at] != '0')
            digits += text[at];
    }
    if (at < end && text[at] == separator) {
        for (++at; at < end && isDigit(text[at]); ++at) {
            anyDigit = true;
            --exponent;
            if (!digits.empty() || text[at] != '0')
                digits += text[at];
        }
    }
    if (!anyDigit)
        return std::nullopt;

    if (at < end && (text[at] == 'E' || text[at] == 'e')) {
        ++at;
        bool negativeExponent = false;
        if (at < end && (text[at] == '+' || text[at] == '-'))
            negativeExponent = text[at++] == '-';
        if (at == end || !isDigit(text[at]))
            return std::nullopt;
        long long written = 0;
        for (; at < end && isDigit(text[at]); ++at)
            written = std::min(written * 10 + (text[at] - '0'), exponentLimit);
        exponent += negativeExponent ? -written : written;
    }
    if (at != end)
        return std::nullopt;
    if (digits.empty())
        return negative ? -0.0L : 0.0L;

    // The C library rounds an integer and a power of ten to the nearest
    // extended value; written without a separator, the locale cannot interfere.
    std::string plain = (negative ? "-" : "") + digits + "e" + std::to_string(exponent);
    long double value = std::strtold(plain.c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

long double StrToFloat(const std::string& text, char separator)
{
    std::optional<long double> value = TryStrToFloat(text, separator);
    if (!value)
        throw EConvertError(FormatPattern("'%s' は浮動小数点数ではありません", text));
    return *value;
}

namespace {

// An unsigned integer of any size, least significant 32 bits first.
using BigNumber = std::vector<std::uint32_t>;

void multiply(BigNumber& number, std::uint32_t factor)
{
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : number) {
        carry += static_cast<std::uint64_t>(limb) * factor;
        limb = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    if (carry)
        number.push_back(static_cast<std::uint32_t>(carry));
}

// Multiplies by base to the power count, in steps whose factor fits 32 bits.
void multiplyByPower(BigNumber& number, std::uint32_t base, std::uint32_t largestStep, int stepCount, int count)
{
    for (; count >= stepCount; count -= stepCount)
        multiply(number, largestStep);
    std::uint32_t rest = 1;
    for (; count > 0; --count)
        rest *= base;
    multiply(number, rest);
}

std::string decimalDigits(BigNumber number)
{
    std::string reversed;
    while (!number.empty()) {
        std::uint64_t remainder = 0;
        for (auto limb = number.rbegin(); limb != number.rend(); ++limb) {
            remainder = (remainder << 32) | *limb;
            *limb = static_cast<std::uint32_t>(remainder / 1000000000);
            remainder %= 1000000000;
        }
        while (!number.empty() && number.back() == 0)
            number.pop_back();
        for (int i = 0; i < 9; ++i, remainder /= 10)
            reversed += static_cast<char>('0' + remainder % 10);
    }
    while (reversed.size() > 1 && reversed.back() == '0')
        reversed.pop_back();
    return std::string(reversed.rbegin(), reversed.rend());
}

// The exact decimal form of a finite positive value: digits times ten to the
// exponent. Every binary fraction has one, so no rounding happens here.
struct ExactDecimal {
    std::string digits;
    int exponent;
};

ExactDecimal exactDecimal(long double value)
{
    int binaryExponent = 0;
    long double fraction = std::frexp(value, &binaryExponent);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    binaryExponent -= 64;
    while ((mantissa & 1) == 0) {
        mantissa >>= 1;
        ++binaryExponent;
    }
    BigNumber number{static_cast<std::uint32_t>(mantissa), static_cast<std::uint32_t>(mantissa >> 32)};
    if (number.back() == 0)
        number.pop_back();
    if (binaryExponent >= 0) {
        multiplyByPower(number, 2, 1u << 31, 31, binaryExponent);
        return {decimalDigits(number), 0};
    }
    // m / 2^n = m * 5^n / 10^n
    multiplyByPower(number, 5, 1220703125u, 13, -binaryExponent);
    return {decimalDigits(number), binaryExponent};
}

constexpr std::size_t significantDigits = 15;

} // namespace

std::string FloatToStr(long double value, char separator)
{
    if (std::isnan(value))
        throw EInvalidOp();
    if (std::isinf(value))
        throw EOverflow();
    if (value == 0)
        return "0";

    ExactDecimal exact = exactDecimal(std::fabs(value));
    std::string digits = exact.digits;
    // The power of ten of the first digit.
    int magnitude = exact.exponent + static_cast<int>(digits.size()) - 1;
    if (digits.size() > significantDigits) {
        bool roundUp = digits[significantDigits] >= '5';
        digits.resize(significantDigits);
        if (roundUp) {
            std::size_t at = significantDigits;
            while (at > 0 && digits[at - 1] == '9')
                digits[--at] = '0';
            if (at == 0) {
                digits.insert(digits.begin(), '1');
                ++magnitude;
            } else {
                ++digits[at - 1];
            }
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = std::signbit(value) ? "-" : "";
    if (magnitude >= -4 && magnitude < 15) {
        std::string whole = "0";
        std::string fraction;
        if (magnitude >= 0) {
            auto wholeDigits = static_cast<std::size_t>(magnitude) + 1;
            whole = digits.substr(0, wholeDigits);
            whole.resize(wholeDigits, '0');
            if (digits.size() > wholeDigits)
                fraction = digits.substr(wholeDigits);
        } else {
            fraction = std::string(static_cast<std::size_t>(-magnitude - 1), '0') + digits;
        }
        text += whole;
        if (!fraction.empty())
            text.append(1, separator).append(fraction);
    } else {
        text += digits[0];
        if (digits.size() > 1)
            text.append(1, separator).append(digits, 1);
        text.append("E").append(std::to_string(magnitude));
    }
    return text;
}
