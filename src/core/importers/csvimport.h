#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "importers/klaimport.h"
#include "model/profile.h"

namespace solvane {

// The CSV layout the import reads:
//
// - The file is read by the field reading rule of profile files: fields are separated by commas,
//   leading blanks are skipped and trailing ones removed, and a field that begins with a double
//   quote is the text up to the next double quote. Lines end in CR LF, LF or CR; a UTF-8
//   byte-order mark at the start is skipped.
// - One defect per row. Columns are counted from 1 and chosen by the user; 0 means "not in the file".
// - The X rel and Y rel columns must be given. A row whose X rel and Y rel fields are both not
//   numbers (a heading, a blank line, a comment) is skipped; a row where only one of them is a
//   number is an error.
// - X index and Y index are whole numbers (die column and row); 0 when their column is 0.
// - The sample centre and die pitch columns, when given, hold that row's centre or pitch in
//   micrometres: one number used for X and Y, or "X Y" (two numbers separated by blanks) in one
//   field. Without the column the value is 0.
// - X rel, Y rel, centre and pitch are in micrometres, converted as a KLA results file is:
//     X = (X index * pitch X) / 1000 + X rel / 1000 - centre X / 1000   (mm), Y likewise.
// - At least one and at most 1000 defect rows: a file without any, or a longer one, imports nothing
//   and says why.
// - Any error leaves the profile without points; the message names the row and the column.

// Column numbers from the CSV dialog, in the dialog's order (0 = not given).
struct CsvColumns {
    std::int16_t CsvCenterLocCol = 0;
    std::int16_t CsvDiePitchCol = 0;
    std::int16_t CsvXIndexCol = 0;
    std::int16_t CsvYIndexCol = 0;
    std::int16_t CsvXRelCol = 0;
    std::int16_t CsvYRelCol = 0;
};

// The labels of the dialog's six boxes, in the same order as CsvColumns.
inline constexpr std::array<const char*, 6> CsvColumnLabels = {
    "Sample Center Location:", "Die Pitch:", "X index:", "Y index:", "X rel:", "Y rel:"};

// The six box texts checked: the columns, or a message naming the first box refused. A box must
// hold a whole number from 0 to 32767 (blanks around it allowed); X rel and Y rel may not be 0.
struct CsvColumnsCheck {
    std::optional<CsvColumns> columns;
    std::string message;
    int box = -1;  // index of the refused box into CsvColumnLabels
};
CsvColumnsCheck checkCsvColumnBoxes(const std::array<std::string, 6>& boxTexts);

struct CsvImportResult {
    ImportStatus status = ImportStatus::Ok;  // Ok, TooManyDefects, Damaged, BadColumns, NoDefects or FileError
    std::string message;                     // one plain sentence for the user; empty when Ok
    int pointCount = 0;                      // points put into the profile
};

// A result that imported nothing, with its reason for the user.
inline CsvImportResult csvImportFailure(ImportStatus status, std::string message)
{
    return {status, std::move(message)};
}

// Imports the defect rows of the CSV text in bytes with the given columns. The caller has reset the
// point store. CoordSys becomes "Rectangular" (only the name); on Ok, PointCount is the number of
// defect rows and point i is row i's defect, R and Theta derived from X and Y (Theta by arctan).
// Every other outcome leaves PointCount 0 and the points as they were.
CsvImportResult importCsvDefects(std::string_view bytes, const CsvColumns& columns, Profile& profile,
                                 DefectStore& defects);

// loadImportFile, then importCsvDefects; a file that cannot be read gives FileError.
CsvImportResult importCsvFile(const std::string& path, const CsvColumns& columns, Profile& profile,
                              DefectStore& defects);

}  // namespace solvane
