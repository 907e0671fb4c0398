#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace solvane {

// The first formatting, through printf's "%.*e" and string arithmetic: slow, plainly right, and the
// reference that formatNumber must match character for character (tst_numtext, fuzz_numtext).
inline std::string printfFormatted(double value, int significantDigits, std::string_view pattern, char separator)
{
    const std::size_t point = pattern.find('.');
    const std::string_view before = pattern.substr(0, point);
    const std::string_view after = point == std::string_view::npos ? "" : pattern.substr(point + 1);
    const auto zeros = [](std::string_view part) {
        return static_cast<std::size_t>(std::count(part.begin(), part.end(), '0'));
    };
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significantDigits - 1, std::fabs(value));
    std::string digits;
    const char* e = buffer;
    for (; *e != 'e'; ++e)
        if (*e != '.') digits += *e;
    const int pointAt = std::atoi(e + 1) + 1;
    std::string all = pointAt <= 0 ? std::string(static_cast<std::size_t>(1 - pointAt), '0') + digits : digits;
    const std::size_t integerDigits = pointAt <= 0 ? 1 : static_cast<std::size_t>(pointAt);
    if (all.size() < integerDigits + after.size() + 1) all.resize(integerDigits + after.size() + 1, '0');
    const bool up = all[integerDigits + after.size()] >= '5';
    all.resize(integerDigits + after.size());
    for (std::size_t i = all.size(); up; --i) {
        if (i == 0) {
            all.insert(all.begin(), '1');
            break;
        }
        if (all[i - 1] != '9') {
            ++all[i - 1];
            break;
        }
        all[i - 1] = '0';
    }
    std::string integer = all.substr(0, all.size() - after.size());
    std::string fraction = all.substr(integer.size());
    while (fraction.size() > zeros(after) && fraction.back() == '0') fraction.pop_back();
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (integer.size() < zeros(before)) integer.insert(0, zeros(before) - integer.size(), '0');
    const bool zero = integer.find_first_not_of('0') == std::string::npos &&
                      fraction.find_first_not_of('0') == std::string::npos;
    std::string out = (std::signbit(value) && !zero ? "-" : "") + integer;
    if (point != std::string_view::npos && (!fraction.empty() || zeros(after) > 0)) out += separator + fraction;
    return out;
}

}  // namespace solvane
