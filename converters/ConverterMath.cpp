#include "ConverterMath.h"

#include "toolkit/Exceptions.h"
#include "toolkit/FloatMath.h"
#include "toolkit/NumberText.h"

#include <optional>

namespace {

// The extended values nearest to these fractions.
constexpr long double oneThousandth = 0.001L;
constexpr long double oneNinth = 1.0L / 9;
constexpr long double oneFifth = 1.0L / 5;
constexpr long double oneTenth = 1.0L / 10;

// Tenths of a degree for a result computed from text; a result beyond 32 bits
// is refused rather than wrapped.
int degreeTenths(long double tenths, const std::string& text)
{
    std::optional<int> cut = TryTruncToInt(tenths);
    if (!cut)
        throw EConvertError(FormatPattern("'%s' の換算結果は扱える温度の範囲を超えています", text));
    return *cut;
}

} // namespace

int RateThousandths(const std::string& rateText)
{
    long double rate = StrToFloat(rateText);
    std::optional<int> thousandths = TryTruncToInt(rate * 1000);
    if (!thousandths)
        throw EConvertError(FormatPattern("'%s' は扱える換算レートの範囲を超えています", rateText));
    return *thousandths;
}

std::string YenText(const std::string& amountText, int irate)
{
    long double amount = StrToFloat(amountText);
    return FloatToStr((amount * irate) * oneThousandth);
}

std::string OtherCurrencyText(const std::string& yenText, int irate)
{
    long double yen = StrToFloat(yenText);
    return FloatToStr(Divide(yen, irate) * 1000);
}

int CelsiusTenths(const std::string& fahrenheitText)
{
    long double degrees = StrToFloat(fahrenheitText);
    degrees = degrees - 32;
    degrees = degrees * 5;
    degrees = degrees * 10;
    degrees = degrees * oneNinth;
    return degreeTenths(degrees, fahrenheitText);
}

int FahrenheitTenths(const std::string& celsiusText)
{
    long double degrees = StrToFloat(celsiusText);
    degrees = degrees * 9;
    degrees = degrees * oneFifth;
    degrees = degrees + 32;
    degrees = degrees * 10;
    return degreeTenths(degrees, celsiusText);
}

std::string DegreesText(float fondo)
{
    return FloatToStr(oneTenth * fondo);
}
