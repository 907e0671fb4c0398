// Number text: leadingNumber on any text; formatNumber with every pattern the program uses, against
// the printf formatting it replaced; and the general format, whose text must read back through
// leadingNumber to the value it shows.
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

#include "../core/printfformatted.h"
#include "fuzzcheck.h"
#include "text/numtext.h"

using namespace solvane;

namespace {

// Every pattern the table, the read-outs, the clipboard, the report and the dialogs use.
constexpr std::array<const char*, 9> Patterns = {"0",     "###",    "###0",  "0.00", "#0.00",
                                                 "##0.0", "##0.00", "##.00", "###.0"};

// Any finite value, in either precision, prints as the printf formatting it replaced; the others by name.
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
            FUZZ_CHECK(text == printfFormatted(value, 15, pattern, separator));
            if (std::fabs(value) <= FLT_MAX)
                FUZZ_CHECK(single == printfFormatted(static_cast<float>(value), 7, pattern, separator));
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
