// The CSV import on any text, with the six column numbers taken from the first bytes (most of
// them small, some 0, negative or past any row); and the column boxes of the dialog on the
// first line's texts.
#include <array>

#include "fuzzcheck.h"
#include "importers/csvimport.h"

using namespace solvane;

namespace {

std::int16_t column(std::uint8_t byte)
{
    switch (byte >> 5) {
    case 7: return static_cast<std::int16_t>(-1 - (byte & 3));          // below 0: refused
    case 6: return static_cast<std::int16_t>(byte & 1 ? 32767 : 1000);  // far past any row
    default: return static_cast<std::int16_t>(byte % 9);                // 0 (not in the file) to 8
    }
}

void checkBoxes(fuzz::Input& input)
{
    std::array<std::string, 6> boxes;
    for (std::string& box : boxes) box = std::string(input.until('|'));
    const CsvColumnsCheck check = checkCsvColumnBoxes(boxes);
    if (!check.columns) {
        FUZZ_CHECK(check.box >= 0 && check.box < 6);
        FUZZ_CHECK(!check.message.empty() && fuzz::plainMessage(check.message));
        return;
    }
    const CsvColumns& c = *check.columns;
    FUZZ_CHECK(check.box == -1 && check.message.empty());
    for (const std::int16_t col : {c.CsvCenterLocCol, c.CsvDiePitchCol, c.CsvXIndexCol, c.CsvYIndexCol})
        FUZZ_CHECK(col >= 0);
    FUZZ_CHECK(c.CsvXRelCol >= 1 && c.CsvYRelCol >= 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input input(data, size);
    CsvColumns columns;
    columns.CsvCenterLocCol = column(input.byte());
    columns.CsvDiePitchCol = column(input.byte());
    columns.CsvXIndexCol = column(input.byte());
    columns.CsvYIndexCol = column(input.byte());
    columns.CsvXRelCol = column(input.byte());
    columns.CsvYRelCol = column(input.byte());
    const std::string_view text = input.rest();

    static DefectStore defects;
    Profile profile;
    profile.PointCount = 7;  // as a previous profile leaves it: the import starts from none
    const CsvImportResult result = importCsvDefects(text, columns, profile, defects);
    fuzz::checkImported(profile, result.status, result.message);
    const bool badColumns = columns.CsvXRelCol < 1 || columns.CsvYRelCol < 1 || columns.CsvCenterLocCol < 0 ||
                            columns.CsvDiePitchCol < 0 || columns.CsvXIndexCol < 0 || columns.CsvYIndexCol < 0;
    FUZZ_CHECK(badColumns == (result.status == ImportStatus::BadColumns));
    FUZZ_CHECK(result.status == ImportStatus::Ok || result.status == ImportStatus::TooManyDefects ||
               result.status == ImportStatus::Damaged || result.status == ImportStatus::BadColumns ||
               result.status == ImportStatus::NoDefects);
    FUZZ_CHECK(result.pointCount == profile.PointCount && result.pointCount <= MaxDefects);
    for (int i = 1; i <= profile.PointCount; ++i) FUZZ_CHECK(defects[static_cast<std::size_t>(i)].DefectID == i);

    fuzz::Input boxes(data, size);
    for (int i = 0; i < 6; ++i) boxes.byte();
    checkBoxes(boxes);
    return 0;
}
