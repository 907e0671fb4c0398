// Number text: leadingNumber on any text; formatNumber with every pattern the program uses; and
// the general format, whose text must read back through leadingNumber to the value it shows.
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

#include "fuzzcheck.h"
#include "text/numtext.h"

using namespace solvane;

namespace {

// Every pattern the table, the read-outs, the clipboard, the report and the dialogs use.
constexpr std::array<const char*, 9> Patterns = {"0",     "###",    "###0",  "0.00", "#0.00",
                                                 "##0.0", "##0.00", "##.00", "###.0"};

struct Shape {
    int decimals = 0;
    int minDecimals = 0;
    int minInteger = 0;
};

Shape shapeOf(std::string_view pattern)
{
    Shape shape;
    const std::size_t point = pattern.find('.');
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool after = point != std::string_view::npos && i > point;
        if (after) ++shape.decimals;
        if (pattern[i] == '0') ++(after ? shape.minDecimals : shape.minInteger);
    }
    return shape;
}

// The text formatNumber gives for a finite value: [-]digits[<separator>digits], the digit counts
// as the pattern asks, and the value it shows within half a unit of the last place (plus the
// error of taking the value to its significant digits first).
void checkFormatted(double value, const std::string& text, std::string_view pattern, char separator,
                    double relativeError)
{
    const Shape shape = shapeOf(pattern);
    std::size_t i = 0;
    const bool minus = !text.empty() && text[0] == '-';
    if (minus) i = 1;
    std::size_t integerDigits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++integerDigits;
    std::size_t fractionDigits = 0;
    const bool hasSeparator = i < text.size() && text[i] == separator;
    if (hasSeparator) {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++fractionDigits;
        FUZZ_CHECK(fractionDigits >= 1);
    }
    FUZZ_CHECK(i == text.size());
    FUZZ_CHECK(integerDigits >= static_cast<std::size_t>(shape.minInteger));
    FUZZ_CHECK(fractionDigits >= static_cast<std::size_t>(shape.minDecimals));
    FUZZ_CHECK(fractionDigits <= static_cast<std::size_t>(shape.decimals));
    FUZZ_CHECK(!minus || value < 0.0);

    std::string plain = text;
    if (hasSeparator) plain[plain.find(separator)] = '.';
    // Long double: the digits shown for a value near the top of the double range may lie past it.
    const long double shown = plain.empty() || plain == "-" ? 0.0L : std::strtold(plain.c_str(), nullptr);
    FUZZ_CHECK(!minus || shown != 0.0L);  // a value that rounds to zero has no sign
    const long double halfUnit = 0.5L * std::pow(10.0L, -shape.decimals);
    const long double error = std::fabs(shown - static_cast<long double>(value));
    FUZZ_CHECK(error <= halfUnit * (1 + 1e-9L) + std::fabs(static_cast<long double>(value)) * relativeError);
}

void checkPatterns(double value)
{
    for (const char* pattern : Patterns) {
        for (const char separator : {'.', ','}) {
            const std::string text = formatNumber(value, pattern, separator);
            const std::string single = formatNumber(static_cast<float>(value), pattern, separator);
            if (!std::isfinite(value)) {
                FUZZ_CHECK(text == "NaN" || text == "Inf" || text == "-Inf");
                continue;
            }
            checkFormatted(value, text, pattern, separator, 1e-14);
            if (std::fabs(value) <= FLT_MAX)
                checkFormatted(static_cast<float>(value), single, pattern, separator, 1e-6);
        }
    }
}

// The general format: at most `digits` significant digits, no leading zero before the point, no
// trailing zeros, the exponent form exactly below 1E-04 or from 10^digits up.
void checkGeneralShape(const std::string& text, double shownValue, int digits)
{
    std::string_view mantissa = text;
    const std::size_t e = text.find('E');
    if (e != std::string::npos) {
        mantissa = std::string_view(text).substr(0, e);
        const std::string_view exponent = std::string_view(text).substr(e + 1);
        FUZZ_CHECK(exponent.size() >= 3 && (exponent[0] == '+' || exponent[0] == '-'));
    }
    if (!mantissa.empty() && mantissa[0] == '-') mantissa.remove_prefix(1);
    FUZZ_CHECK(!mantissa.empty());
    FUZZ_CHECK(mantissa.size() < 2 || mantissa.substr(0, 2) != "0.");
    const std::size_t point = mantissa.find('.');
    if (point != std::string_view::npos) FUZZ_CHECK(mantissa.back() != '0' && mantissa.back() != '.');
    int significant = 0;
    bool leading = true;
    for (const char c : mantissa) {
        if (c == '.') continue;
        FUZZ_CHECK(c >= '0' && c <= '9');
        if (c != '0') leading = false;
        if (!leading) ++significant;
    }
    FUZZ_CHECK(significant <= digits);
    const double magnitude = std::fabs(shownValue);
    const bool exponentForm = magnitude != 0.0 && (magnitude < 1e-4 || magnitude >= std::pow(10.0, digits));
    FUZZ_CHECK(exponentForm == (e != std::string::npos));
}

void checkGeneral(double value)
{
    if (!std::isfinite(value)) {
        FUZZ_CHECK(generalNumber(value, 15) == "0");
        return;
    }
    const std::string text = generalNumber(value, 15);
    const double back = leadingNumber(text);
    checkGeneralShape(text, back, 15);
    // The text names the value to 15 significant digits (half a unit of the last, and the step of
    // the double nearest the text) ...
    FUZZ_CHECK(std::fabs(back - value) <= std::fabs(value) * (5e-15 + DBL_EPSILON) || std::fabs(value) < DBL_MIN);
    // ... and a value of at most 15 digits, as read back, comes back exactly and prints the same.
    FUZZ_CHECK(generalNumber(back, 15) == text);
    FUZZ_CHECK(leadingNumber(generalNumber(back, 15)) == back);

    // Single-precision fields are written with 7 digits: they name the single to half a unit of
    // their last place, but cannot always carry it back exactly (near 1E+28 the single nearest the
    // text prints one step lower). The text settles after one rewrite.
    if (std::fabs(value) <= FLT_MAX) {
        const float single = static_cast<float>(value);
        const std::string text7 = generalNumber(single, 7);
        const float back7 = static_cast<float>(leadingNumber(text7));
        checkGeneralShape(text7, leadingNumber(text7), 7);
        FUZZ_CHECK(fuzz::closeSingle(back7, single));
        const std::string again = generalNumber(back7, 7);
        FUZZ_CHECK(generalNumber(static_cast<float>(leadingNumber(again)), 7) == again);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input input(data, size);
    const double bits = input.bitsAsDouble();
    checkPatterns(bits);
    checkGeneral(bits);

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double leading = leadingNumber(text);
    FUZZ_CHECK(std::isfinite(leading));
    checkPatterns(leading);
    checkGeneral(leading);
    (void)roundHalfEven(bits);
    (void)roundHalfEven(leading);
    return 0;
}
