#include "text/numtext.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>

namespace solvane {

namespace {

struct PatternShape {
    int minIntegerDigits = 0;  // '0's before the decimal point
    int decimals = 0;          // digit places after it
    int minDecimals = 0;       // '0's after it
    bool hasPoint = false;
};

PatternShape shapeOf(std::string_view pattern)
{
    PatternShape shape;
    bool afterPoint = false;
    for (const char c : pattern) {
        if (c == '.') {
            afterPoint = true;
            shape.hasPoint = true;
        } else if (c == '0' || c == '#') {
            if (afterPoint) {
                ++shape.decimals;
                if (c == '0') ++shape.minDecimals;
            } else if (c == '0') {
                ++shape.minIntegerDigits;
            }
        }
    }
    return shape;
}

bool isIgnoredBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The digits of |value| rounded to significantDigits significant decimal digits (the value as the
// user sees it), and the power of ten of the first of them.
struct SignificantDigits {
    char digits[40];
    int count = 0;
    int exponent = 0;

    // The digit of weight 10^power: '0' outside the significant ones.
    char at(int power) const
    {
        const int i = exponent - power;
        return i >= 0 && i < count ? digits[i] : '0';
    }
};

SignificantDigits significantDigitsOf(double magnitude, int significantDigits)
{
    // to_chars rounds exactly as printf's "%.*e" does, at a fraction of its cost.
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific,
                                       std::clamp(significantDigits, 1, 17) - 1);
    SignificantDigits out;
    const char* p = text;
    for (; p != written.ptr && *p != 'e'; ++p)
        if (*p != '.') out.digits[out.count++] = *p;
    if (p != written.ptr) std::from_chars(p + (p[1] == '+' ? 2 : 1), written.ptr, out.exponent);
    return out;
}

// For each n, the largest k with 2^k <= 10^n: a quotient by 2^k instead of by 10^n is too large by
// less than a factor two, and costs a shift instead of a division.
constexpr auto BinaryFloorOfTenTo = [] {
    std::array<int, 18> exponents{};
    std::uint64_t power = 1;
    for (auto& exponent : exponents) {
        while ((std::uint64_t{2} << exponent) <= power) ++exponent;
        power *= 10;
    }
    return exponents;
}();

// The digits of |value| at the pattern's decimals (all of them, the last `decimals` after the point)
// rounded half away from zero, worked out from the binary value itself: value = M * 2^-shift
// exactly, so value * 10^decimals has the integer part (M * 10^decimals) >> shift and the remainder
// below it. The rounding to significantDigits that the display applies first moves the value by at
// most half a unit of its last digit, less than (M * 10^decimals) / 10^(significantDigits - 1) in
// remainder units, so only a remainder that close to one half could round the other way; those
// values, and those too large for the 64-bit sums, are left to the decimal route (nothing returned).
// A remainder of exactly one half is a value of at most significantDigits digits while the integer
// part stays below 10^(significantDigits - 1), so it rounds up.
std::optional<std::string_view> binaryRoundedDigits(double magnitude, int significantDigits, int decimals,
                                                    char (&out)[24])
{
    // 10^decimals times the 53-bit mantissa stays below 2^63 for up to three decimals.
    constexpr std::uint64_t Scales[] = {1, 10, 100, 1000};
    if (decimals < 0 || decimals > 3 || significantDigits < 3 || significantDigits > 17) return std::nullopt;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biasedExponent = static_cast<int>(bits >> 52);
    constexpr std::uint64_t FractionMask = (std::uint64_t{1} << 52) - 1;
    const std::uint64_t mantissa = biasedExponent == 0 ? bits & FractionMask
                                                       : (bits & FractionMask) | (FractionMask + 1);
    const int shift = 1075 - std::max(biasedExponent, 1);
    if (shift <= 0) return std::nullopt;  // 2^52 and above: integers with more digits than are kept

    const std::uint64_t scaled = mantissa * Scales[decimals];
    std::uint64_t rounded = 0;
    // From a shift of 64 on, value * 10^decimals is below 0.49, and three or more significant
    // digits cannot lift it to one half: it rounds to zero.
    if (shift < 64) {
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        const std::uint64_t remainder = scaled & ((half << 1) - 1);
        rounded = scaled >> shift;
        const int significantShift = BinaryFloorOfTenTo[static_cast<std::size_t>(significantDigits - 1)];
        const std::uint64_t distance = remainder > half ? remainder - half : half - remainder;
        if (distance == 0) {
            if (rounded >> significantShift != 0) return std::nullopt;
        } else if (distance <= (scaled >> significantShift) + 1) {
            return std::nullopt;
        }
        if (remainder >= half) ++rounded;
    }

    // At least one integer digit before the decimals, as the decimal route gives.
    char* const end = out + sizeof out;
    char* first = end;
    for (int written = 0; rounded != 0 || written <= decimals; ++written, rounded /= 10)
        *--first = static_cast<char>('0' + rounded % 10);
    return std::string_view(first, static_cast<std::size_t>(end - first));
}

// The same digits by way of the significant decimal digits: rounded once from them, which avoids
// the double rounding of a fixed-point print.
std::string decimalRoundedDigits(double magnitude, int significantDigits, int decimals)
{
    const SignificantDigits significant = significantDigitsOf(magnitude, significantDigits);
    std::string kept;
    for (int power = std::max(significant.exponent, 0); power >= -decimals; --power) kept += significant.at(power);
    if (significant.at(-decimals - 1) >= '5') {
        auto digit = kept.rbegin();
        for (; digit != kept.rend() && *digit == '9'; ++digit) *digit = '0';
        if (digit != kept.rend())
            ++*digit;
        else
            kept.insert(kept.begin(), '1');
    }
    return kept;
}

// The rounded digits laid out as the pattern asks, in one string sized up front.
std::string laidOut(std::string_view digits, const PatternShape& shape, bool negative, char decimalSeparator)
{
    std::string_view integerPart = digits.substr(0, digits.size() - static_cast<std::size_t>(shape.decimals));
    std::string_view fraction = digits.substr(integerPart.size());

    // Optional decimal places ('#') drop trailing zeros down to the required ones.
    while (static_cast<int>(fraction.size()) > shape.minDecimals && fraction.back() == '0') fraction.remove_suffix(1);
    // Leading zeros of the integer part are printed only as far as the pattern's '0's ask.
    integerPart.remove_prefix(std::min(integerPart.find_first_not_of('0'), integerPart.size()));
    const std::size_t zerosBefore = static_cast<std::size_t>(
        std::max(shape.minIntegerDigits - static_cast<int>(integerPart.size()), 0));

    const bool isZero = integerPart.empty() && fraction.find_first_not_of('0') == std::string_view::npos;
    const bool sign = negative && !isZero;
    const bool point = shape.hasPoint && (!fraction.empty() || shape.minDecimals > 0);
    std::string out(static_cast<std::size_t>(sign) + zerosBefore + integerPart.size() +
                        (point ? 1 + fraction.size() : 0),
                    '0');
    char* at = out.data();
    if (sign) *at++ = '-';
    at = std::copy(integerPart.begin(), integerPart.end(), at + zerosBefore);
    if (point) {
        *at++ = decimalSeparator;
        std::copy(fraction.begin(), fraction.end(), at);
    }
    return out;
}

std::string formatDigits(double value, int significantDigits, std::string_view pattern, char decimalSeparator)
{
    const PatternShape shape = shapeOf(pattern);
    if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value > 0 ? "Inf" : "-Inf");

    const double magnitude = std::fabs(value);
    char buffer[24];
    if (const auto digits = binaryRoundedDigits(magnitude, significantDigits, shape.decimals, buffer))
        return laidOut(*digits, shape, std::signbit(value), decimalSeparator);
    return laidOut(decimalRoundedDigits(magnitude, significantDigits, shape.decimals), shape, std::signbit(value),
                   decimalSeparator);
}

}  // namespace

std::string formatNumber(double value, std::string_view pattern, char decimalSeparator)
{
    return formatDigits(value, 15, pattern, decimalSeparator);
}

std::string formatNumber(float value, std::string_view pattern, char decimalSeparator)
{
    return formatDigits(static_cast<double>(value), 7, pattern, decimalSeparator);
}

double leadingNumber(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text)
        if (!isIgnoredBlank(c)) compact += c;

    if (compact.size() >= 2 && compact[0] == '&') {
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(compact[1])));
        const int base = kind == 'H' ? 16 : kind == 'O' ? 8 : 0;
        if (base == 0) return 0.0;
        long long result = 0;
        for (std::size_t i = 2; i < compact.size(); ++i) {
            const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(compact[i])));
            int digit = -1;
            if (c >= '0' && c <= '9') digit = c - '0';
            if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            if (digit < 0 || digit >= base) break;
            // Too many digits for the integer: keep the largest value, as the decimal form does.
            if (result > (std::numeric_limits<long long>::max() - digit) / base) {
                result = std::numeric_limits<long long>::max();
                continue;
            }
            result = result * base + digit;
        }
        return static_cast<double>(result);
    }

    // Take the longest prefix of the form [sign] digits [. digits] [E|D [sign] digits].
    std::size_t i = 0;
    const std::size_t n = compact.size();
    std::string number;
    if (i < n && (compact[i] == '+' || compact[i] == '-')) number += compact[i++];
    bool anyDigit = false;
    while (i < n && std::isdigit(static_cast<unsigned char>(compact[i]))) {
        number += compact[i++];
        anyDigit = true;
    }
    if (i < n && compact[i] == '.') {
        number += compact[i++];
        while (i < n && std::isdigit(static_cast<unsigned char>(compact[i]))) {
            number += compact[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0.0;
    if (i < n && (compact[i] == 'E' || compact[i] == 'e' || compact[i] == 'D' || compact[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < n && (compact[j] == '+' || compact[j] == '-')) exponent += compact[j++];
        bool expDigit = false;
        while (j < n && std::isdigit(static_cast<unsigned char>(compact[j]))) {
            exponent += compact[j++];
            expDigit = true;
        }
        if (expDigit) number += exponent;
    }
    const double value = std::strtod(number.c_str(), nullptr);
    // An exponent past the double range gives the largest finite value rather than infinity.
    if (std::isinf(value)) return std::copysign(std::numeric_limits<double>::max(), value);
    return value;
}

std::string generalNumber(double value, int significantDigits)
{
    if (!std::isfinite(value)) return "0";
    // The general format ("%G" rules) chooses the exponent form exactly below 1E-04 or from
    // 10^significantDigits up, and drops trailing zeros. to_chars gives it without the cost of
    // printf, which matters when a full profile is written.
    char buffer[64];
    const auto converted = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                         significantDigits);
    std::string_view text(buffer, static_cast<std::size_t>(converted.ptr - buffer));
    std::string_view exponent;
    const std::size_t e = text.find('e');
    if (e != std::string_view::npos) {
        exponent = text.substr(e + 1);
        text = text.substr(0, e);
    }

    std::string out;
    out.reserve(text.size() + exponent.size() + 1);
    if (text.size() >= 2 && text[0] == '0' && text[1] == '.') {
        text.remove_prefix(1);
    } else if (text.size() >= 3 && text[0] == '-' && text[1] == '0' && text[2] == '.') {
        out += '-';
        text.remove_prefix(2);
    }
    out += text;
    if (out == "-0") out = "0";
    if (!exponent.empty()) {
        out += 'E';
        out += exponent;
    }
    return out;
}

long long roundHalfEven(double value)
{
    if (!std::isfinite(value)) return 0;
    if (value > 9.0e18) return std::numeric_limits<long long>::max();
    if (value < -9.0e18) return std::numeric_limits<long long>::min();
    return static_cast<long long>(std::nearbyint(value));
}

}  // namespace solvane
