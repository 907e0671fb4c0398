#include "text/numtext.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

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

std::string formatDigits(double value, int significantDigits, std::string_view pattern, char decimalSeparator)
{
    const PatternShape shape = shapeOf(pattern);
    if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value > 0 ? "Inf" : "-Inf");

    // The digits from the highest integer place down to the pattern's last decimal, rounded half away
    // from zero on the first digit dropped. Rounding once from the significant digits avoids the
    // double rounding of a fixed-point print.
    const SignificantDigits significant = significantDigitsOf(std::fabs(value), significantDigits);
    std::string kept;
    for (int power = std::max(significant.exponent, 0); power >= -shape.decimals; --power)
        kept += significant.at(power);
    if (significant.at(-shape.decimals - 1) >= '5') {
        auto digit = kept.rbegin();
        for (; digit != kept.rend() && *digit == '9'; ++digit) *digit = '0';
        if (digit != kept.rend())
            ++*digit;
        else
            kept.insert(kept.begin(), '1');
    }
    const std::string_view digits = kept;
    std::string_view integerPart = digits.substr(0, digits.size() - static_cast<std::size_t>(shape.decimals));
    std::string_view fraction = digits.substr(integerPart.size());

    // Optional decimal places ('#') drop trailing zeros down to the required ones.
    while (static_cast<int>(fraction.size()) > shape.minDecimals && fraction.back() == '0') fraction.remove_suffix(1);
    // Leading zeros of the integer part are printed only as far as the pattern's '0's ask.
    integerPart.remove_prefix(std::min(integerPart.find_first_not_of('0'), integerPart.size()));
    const int zerosBefore = std::max(shape.minIntegerDigits - static_cast<int>(integerPart.size()), 0);

    const bool isZero = integerPart.empty() && fraction.find_first_not_of('0') == std::string_view::npos;
    std::string out;
    if (std::signbit(value) && !isZero) out += '-';
    out.append(static_cast<std::size_t>(zerosBefore), '0');
    out += integerPart;
    if (shape.hasPoint && (!fraction.empty() || shape.minDecimals > 0)) {
        out += decimalSeparator;
        out += fraction;
    }
    return out;
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
