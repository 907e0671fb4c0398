#include "model/pastedpoints.h"

#include <cmath>
#include <optional>
#include <string>

#include "model/conversions.h"
#include "text/fields.h"

namespace solvane {

namespace {

// Beyond this a value is no position on a wafer, and would not fit a single.
constexpr double LargestPastedValue = 1e6;

std::optional<double> pastedNumber(std::string_view field, char decimalSeparator)
{
    std::string text(field);
    for (char& c : text)
        if (c == decimalSeparator) c = '.';
    const auto value = parseNumberField(text);
    if (!value || std::fabs(*value) > LargestPastedValue) return std::nullopt;
    return value;
}

std::vector<std::string_view> splitAt(std::string_view line, char separator)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(separator, start);
        fields.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

std::vector<std::string_view> splitAtBlanks(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ') ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ') ++i;
        if (i > start) fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

std::optional<PastedPair> pairOf(std::string_view line, char decimalSeparator)
{
    std::vector<std::string_view> fields;
    if (line.find('\t') != std::string_view::npos) {
        fields = splitAt(line, '\t');
    } else if (line.find(';') != std::string_view::npos) {
        fields = splitAt(line, ';');
    } else if (decimalSeparator != ',' && line.find(',') != std::string_view::npos) {
        fields = splitAt(line, ',');
    } else {
        fields = splitAtBlanks(line);
    }
    // A spreadsheet row may end in a separator.
    while (!fields.empty() && fields.back().find_first_not_of(' ') == std::string_view::npos) fields.pop_back();
    if (fields.size() != 2) return std::nullopt;
    const auto first = pastedNumber(fields[0], decimalSeparator);
    const auto second = pastedNumber(fields[1], decimalSeparator);
    if (!first || !second) return std::nullopt;
    return PastedPair{*first, *second};
}

}  // namespace

PastedText parsePastedPoints(std::string_view text, char decimalSeparator)
{
    PastedText result;
    bool firstLine = true;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        if (line.find_first_not_of(" \t") == std::string_view::npos) continue;

        if (const auto pair = pairOf(line, decimalSeparator)) {
            result.pairs.push_back(*pair);
        } else if (!firstLine) {
            ++result.skippedLines;
        }
        firstLine = false;
    }
    return result;
}

int appendPastedPoints(Profile& profile, const std::vector<PastedPair>& pairs)
{
    int appended = 0;
    for (const PastedPair& pair : pairs) {
        if (!hasRoomForPoint(profile)) break;
        ++profile.PointCount;
        PointRec& point = profile.Points[static_cast<std::size_t>(profile.PointCount)];
        point = PointRec{};
        if (profile.PolarSys) {
            point.R = static_cast<float>(pair.first);
            point.Theta = static_cast<float>(pair.second);
            deriveRectangular(point);
        } else {
            point.X = static_cast<float>(pair.first);
            point.Y = static_cast<float>(pair.second);
            derivePolar(point);
        }
        ++appended;
    }
    return appended;
}

}  // namespace solvane
