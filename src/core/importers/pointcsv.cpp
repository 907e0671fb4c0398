#include "importers/pointcsv.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "model/conversions.h"
#include "text/fields.h"

namespace solvane {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Fixed four decimals; a value that rounds to zero loses its minus sign.
std::string fixed4(double value)
{
    char buffer[64];
    const auto converted = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
    std::string text(buffer, converted.ptr);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

// The X_mm and Y_mm fields of a row, when both are numbers a single holds.
std::optional<std::pair<float, float>> pointOf(const std::vector<std::string>& row)
{
    if (row.size() < 5) return std::nullopt;
    const auto x = parseNumberField(row[3]);
    const auto y = parseNumberField(row[4]);
    if (!x || !y || std::fabs(*x) > 1e6 || std::fabs(*y) > 1e6) return std::nullopt;
    return std::pair(static_cast<float>(*x), static_cast<float>(*y));
}

}  // namespace

std::string formatPointCsv(const Profile& profile)
{
    std::string out = std::string(PointCsvHeader) + "\r\n";
    for (int i = 1; i <= profile.PointCount; ++i) {
        const PointRec& p = profile.Points[static_cast<std::size_t>(i)];
        out += std::to_string(i) + ',' + fixed4(p.R) + ',' + fixed4(p.Theta) + ',' + fixed4(p.X) + ',' + fixed4(p.Y) +
               "\r\n";
    }
    return out;
}

bool isPointCsv(std::string_view bytes)
{
    if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark) bytes.remove_prefix(ByteOrderMark.size());
    const std::string_view header = PointCsvHeader;
    if (bytes.substr(0, header.size()) != header) return false;
    return bytes.size() == header.size() || bytes[header.size()] == '\r' || bytes[header.size()] == '\n';
}

CsvImportResult importPointCsv(std::string_view bytes, Profile& profile)
{
    profile.CoordSys = "Rectangular";
    profile.PointCount = 0;
    if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark) bytes.remove_prefix(ByteOrderMark.size());

    FieldReader reader(bytes);
    reader.nextLine();  // the header
    std::vector<std::pair<float, float>> points;
    int rowNumber = 1;
    for (std::vector<std::string> row = reader.nextLine(5); !row.empty(); row = reader.nextLine(5)) {
        ++rowNumber;
        if (row.size() == 1 && row[0].empty()) continue;
        const auto point = pointOf(row);
        if (!point)
            return csvImportFailure(ImportStatus::Damaged,
                                    "Line " + std::to_string(rowNumber) +
                                        ": the X_mm and Y_mm fields must be numbers of millimetres.");
        points.push_back(*point);
    }
    if (points.size() > static_cast<std::size_t>(MaxPoints))
        return csvImportFailure(ImportStatus::TooManyDefects, "The file holds " + std::to_string(points.size()) +
                                                                  " points; a profile takes at most " +
                                                                  std::to_string(MaxPoints) + ".");

    for (std::size_t i = 0; i < points.size(); ++i) {
        PointRec& point = profile.Points[i + 1];
        point.X = points[i].first;
        point.Y = points[i].second;
        const double x = point.X;
        const double y = point.Y;
        point.R = static_cast<float>(std::sqrt(x * x + y * y));
        point.Theta = arctan(point.X, point.Y);
    }
    profile.PointCount = static_cast<std::int16_t>(points.size());
    CsvImportResult result;
    result.pointCount = profile.PointCount;
    return result;
}

}  // namespace solvane
