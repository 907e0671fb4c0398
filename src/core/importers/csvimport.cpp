#include "importers/csvimport.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "text/fields.h"
#include "text/numtext.h"

namespace solvane {

namespace {

// The field in column col (counted from 1) of a row, or nothing when the row is shorter.
const std::string* fieldAt(const std::vector<std::string>& row, int col)
{
    if (col < 1 || static_cast<std::size_t>(col) > row.size()) return nullptr;
    return &row[static_cast<std::size_t>(col - 1)];
}

std::optional<std::int16_t> parseIndex(std::string_view text)
{
    const auto value = parseNumberField(text);
    if (!value || std::fabs(*value) > 1e6) return std::nullopt;
    const long long rounded = roundHalfEven(*value);
    if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

struct Pair {
    double x = 0.0;
    double y = 0.0;
};

// "v" (used for X and Y) or "x y", separated by blanks.
std::optional<Pair> parsePair(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
        if (i > start) parts.push_back(text.substr(start, i - start));
    }
    if (parts.empty() || parts.size() > 2) return std::nullopt;
    const auto x = parseNumberField(parts[0]);
    const auto y = parseNumberField(parts.back());
    if (!x || !y) return std::nullopt;
    return Pair{*x, *y};
}

}  // namespace

CsvColumnsCheck checkCsvColumnBoxes(const std::array<std::string, 6>& boxTexts)
{
    std::array<std::int16_t, 6> values{};
    for (std::size_t box = 0; box < boxTexts.size(); ++box) {
        std::string_view text = boxTexts[box];
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
        bool whole = !text.empty() && text.size() <= 5;
        long value = 0;
        for (const char c : text) {
            if (!whole || c < '0' || c > '9') {  // more than five digits would overflow value
                whole = false;
                break;
            }
            value = value * 10 + (c - '0');
        }
        const bool relBox = box >= 4;  // X rel and Y rel name the defect itself
        if (!whole || value > std::numeric_limits<std::int16_t>::max() || (relBox && value == 0)) {
            CsvColumnsCheck check;
            check.box = static_cast<int>(box);
            check.message = std::string("The box \"") + CsvColumnLabels[box] +
                            "\" needs a column number: a whole number " + (relBox ? "from 1" : "from 0") + " to 32767" +
                            (relBox ? "." : " (0 when the file has no such column).");
            return check;
        }
        values[box] = static_cast<std::int16_t>(value);
    }
    CsvColumnsCheck check;
    check.columns = CsvColumns{values[0], values[1], values[2], values[3], values[4], values[5]};
    return check;
}

CsvImportResult importCsvDefects(std::string_view bytes, const CsvColumns& columns, Profile& profile,
                                 DefectStore& defects)
{
    profile.CoordSys = "Rectangular";
    profile.PointCount = 0;

    if (columns.CsvXRelCol < 1 || columns.CsvYRelCol < 1)
        return csvImportFailure(ImportStatus::BadColumns,
                                "The columns of X rel and Y rel must be given (numbers from 1 up).");
    if (columns.CsvCenterLocCol < 0 || columns.CsvDiePitchCol < 0 || columns.CsvXIndexCol < 0 ||
        columns.CsvYIndexCol < 0)
        return csvImportFailure(ImportStatus::BadColumns, "A column number below 0 cannot name a column.");

    FieldReader reader(withoutByteOrderMark(bytes));
    // A row keeps its fields up to the last column asked for (at least one).
    const auto usedColumns = static_cast<std::size_t>(
        std::max({columns.CsvCenterLocCol, columns.CsvDiePitchCol, columns.CsvXIndexCol, columns.CsvYIndexCol,
                  columns.CsvXRelCol, columns.CsvYRelCol}));

    std::array<Pair, MaxDefects + 1> centres{};
    std::array<Pair, MaxDefects + 1> pitches{};
    int count = 0;
    int rowNumber = 0;
    for (std::vector<std::string> row = reader.nextLine(usedColumns); !row.empty();
         row = reader.nextLine(usedColumns)) {
        ++rowNumber;
        const auto fieldError = [&](const char* name, const std::string* field, const char* kind) {
            const std::string what = field ? std::string("the ") + name + " field, " + shownField(*field) +
                                                 ", is not " + kind
                                           : std::string("the row has no ") + name + " field";
            return csvImportFailure(ImportStatus::Damaged, "Row " + std::to_string(rowNumber) + ": " + what + ".");
        };
        const std::string* xField = fieldAt(row, columns.CsvXRelCol);
        const std::string* yField = fieldAt(row, columns.CsvYRelCol);
        const auto xRel = xField ? parseNumberField(*xField) : std::nullopt;
        const auto yRel = yField ? parseNumberField(*yField) : std::nullopt;
        if (!xRel && !yRel) continue;  // a heading, a blank line or a comment
        if (!xRel) return fieldError("X rel", xField, "a number");
        if (!yRel) return fieldError("Y rel", yField, "a number");

        ++count;
        if (count > MaxDefects) continue;  // only counted, for the message

        DefectRec defect;
        defect.DefectID = static_cast<std::int16_t>(count);
        defect.XRel = *xRel;
        defect.YRel = *yRel;
        if (columns.CsvXIndexCol > 0) {
            const std::string* field = fieldAt(row, columns.CsvXIndexCol);
            const auto index = field ? parseIndex(*field) : std::nullopt;
            if (!index) return fieldError("X index", field, "a whole number from -32768 to 32767");
            defect.XIndex = *index;
        }
        if (columns.CsvYIndexCol > 0) {
            const std::string* field = fieldAt(row, columns.CsvYIndexCol);
            const auto index = field ? parseIndex(*field) : std::nullopt;
            if (!index) return fieldError("Y index", field, "a whole number from -32768 to 32767");
            defect.YIndex = *index;
        }
        if (columns.CsvCenterLocCol > 0) {
            const std::string* field = fieldAt(row, columns.CsvCenterLocCol);
            const auto centre = field ? parsePair(*field) : std::nullopt;
            if (!centre) return fieldError("Sample Center Location", field, "one number or two (X Y)");
            centres[static_cast<std::size_t>(count)] = *centre;
        }
        if (columns.CsvDiePitchCol > 0) {
            const std::string* field = fieldAt(row, columns.CsvDiePitchCol);
            const auto pitch = field ? parsePair(*field) : std::nullopt;
            if (!pitch) return fieldError("Die Pitch", field, "one number or two (X Y)");
            pitches[static_cast<std::size_t>(count)] = *pitch;
        }
        defects[static_cast<std::size_t>(count)] = defect;
    }

    // A binary file or one of headings only would otherwise empty the profile without a word.
    if (count == 0)
        return csvImportFailure(ImportStatus::NoDefects,
                                "The file holds no defect rows: no row has numbers in columns " +
                                    std::to_string(columns.CsvXRelCol) + " and " + std::to_string(columns.CsvYRelCol) +
                                    " (X rel and Y rel).");
    if (count > MaxDefects)
        return csvImportFailure(ImportStatus::TooManyDefects, "The file holds " + std::to_string(count) +
                                                                  " defect rows; an import takes at most " +
                                                                  std::to_string(MaxDefects) + ".");

    std::array<DefectPosition, MaxDefects + 1> positions{};
    for (int i = 1; i <= count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const auto position = defectPosition(defects[k], centres[k].x, centres[k].y, pitches[k].x, pitches[k].y);
        if (!position)
            return csvImportFailure(ImportStatus::Damaged,
                                    "Defect row " + std::to_string(i) + " of the file lies too far out to be a point.");
        positions[k] = *position;
    }
    storeDefectPoints(profile, positions, count);
    CsvImportResult result;
    result.pointCount = count;
    return result;
}

CsvImportResult importCsvFile(const std::string& path, const CsvColumns& columns, Profile& profile,
                              DefectStore& defects)
{
    const ImportFileBytes file = loadImportFile(path);
    if (!file.ok) {
        profile.CoordSys = "Rectangular";
        profile.PointCount = 0;
        return csvImportFailure(ImportStatus::FileError, file.message);
    }
    return importCsvDefects(file.bytes, columns, profile, defects);
}

}  // namespace solvane
