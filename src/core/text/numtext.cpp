#include "text/numtext.h"

#include <cctype>
#include <cmath>
#include <cstdio>
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

}  // namespace

std::string formatNumber(double value, std::string_view pattern, char decimalSeparator)
{
    const PatternShape shape = shapeOf(pattern);
    if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value > 0 ? "Inf" : "-Inf");

    // Fixed-point text with three guard digits, then decimal rounding half away from zero,
    // so 0.125 in "0.00" gives 0.13 whatever its binary representation rounds to.
    const bool negative = std::signbit(value);
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", shape.decimals + 3, std::fabs(value));
    std::string digits(buffer);
    const std::size_t point = digits.find('.');
    std::string integerPart = digits.substr(0, point);
    std::string fraction = digits.substr(point + 1, static_cast<std::size_t>(shape.decimals));
    const bool roundUp = digits[point + 1 + static_cast<std::size_t>(shape.decimals)] >= '5';
    if (roundUp) {
        std::string all = integerPart + fraction;
        int i = static_cast<int>(all.size()) - 1;
        for (; i >= 0; --i) {
            if (all[static_cast<std::size_t>(i)] == '9') {
                all[static_cast<std::size_t>(i)] = '0';
            } else {
                ++all[static_cast<std::size_t>(i)];
                break;
            }
        }
        if (i < 0) all.insert(all.begin(), '1');
        integerPart = all.substr(0, all.size() - fraction.size());
        fraction = all.substr(all.size() - fraction.size());
    }

    // Optional decimal places ('#') drop trailing zeros down to the required ones.
    while (static_cast<int>(fraction.size()) > shape.minDecimals && !fraction.empty() && fraction.back() == '0')
        fraction.pop_back();

    // Leading zeros of the integer part are printed only as far as the pattern's '0's ask.
    std::size_t firstSignificant = integerPart.find_first_not_of('0');
    if (firstSignificant == std::string::npos) firstSignificant = integerPart.size();
    std::string integerText = integerPart.substr(firstSignificant);
    while (static_cast<int>(integerText.size()) < shape.minIntegerDigits) integerText.insert(integerText.begin(), '0');

    const bool isZero = integerText.find_first_not_of('0') == std::string::npos &&
                        fraction.find_first_not_of('0') == std::string::npos;
    std::string out;
    if (negative && !isZero) out += '-';
    out += integerText;
    if (shape.hasPoint && (!fraction.empty() || shape.minDecimals > 0)) {
        out += decimalSeparator;
        out += fraction;
    }
    return out;
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
        for (std::size_t i = 2; i < compact.size() && i < 20; ++i) {
            const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(compact[i])));
            int digit = -1;
            if (c >= '0' && c <= '9') digit = c - '0';
            if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            if (digit < 0 || digit >= base) break;
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
    char buffer[64];
    // "%G" chooses the exponent form exactly below 1E-04 or from 10^significantDigits up.
    std::snprintf(buffer, sizeof buffer, "%.*G", significantDigits, value);
    std::string text(buffer);
    std::string exponent;
    const std::size_t e = text.find('E');
    if (e != std::string::npos) {
        exponent = text.substr(e);
        text.erase(e);
    }
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    if (text.rfind("0.", 0) == 0) text.erase(0, 1);
    if (text.rfind("-0.", 0) == 0) text.erase(1, 1);
    if (text == "-0") text = "0";
    return text + exponent;
}

long long roundHalfEven(double value)
{
    if (!std::isfinite(value)) return 0;
    if (value > 9.0e18) return std::numeric_limits<long long>::max();
    if (value < -9.0e18) return std::numeric_limits<long long>::min();
    return static_cast<long long>(std::nearbyint(value));
}

}  // namespace solvane
