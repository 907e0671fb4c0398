#pragma once

#include <string>
#include <string_view>
#include <type_traits>

namespace solvane {

// Formats value with a number-format pattern such as "0.00", "##0.0", "##.00", "###" or "###0":
// "0" is a digit always printed, "#" a digit printed only when significant, "." the position of
// the decimal separator (passed in, the user's locale's). The value, taken as its 15 significant
// decimal digits, is rounded half away from zero to the pattern's decimals; integer digits beyond
// the pattern are still printed. A value that rounds to zero prints without a minus sign.
std::string formatNumber(double value, std::string_view pattern, char decimalSeparator = '.');

// A single-precision value is taken as the 7 significant digits it holds, so 0.145f (a hair below
// in binary) prints 0.15 in "0.00", as typed.
std::string formatNumber(float value, std::string_view pattern, char decimalSeparator = '.');

// Whole numbers are exact as doubles (and would otherwise be ambiguous between the two above).
template <typename Int, std::enable_if_t<std::is_integral_v<Int>, int> = 0>
std::string formatNumber(Int value, std::string_view pattern, char decimalSeparator = '.')
{
    return formatNumber(static_cast<double>(value), pattern, decimalSeparator);
}

// The number at the start of text: blanks, tabs and line feeds are ignored wherever they stand;
// an optional sign, digits with at most one ".", an optional exponent ("E" or "D"), or a leading
// "&H"/"&O" hexadecimal or octal integer. Reading stops at the first character that cannot
// continue the number; no leading number gives 0. The decimal point is always ".".
double leadingNumber(std::string_view text);

// The general number format: at most significantDigits significant digits (7 for single-precision
// values, 15 for doubles), "." as the decimal point, no leading zero before it (".5"), no trailing
// zeros, whole numbers without a point ("200"). Magnitudes below 1E-04 or of more digits than
// significantDigits take the exponent form "1E-05" (sign and at least two exponent digits).
std::string generalNumber(double value, int significantDigits = 15);

// Round half to even, as the integer conversions of stored settings do.
long long roundHalfEven(double value);

}  // namespace solvane
