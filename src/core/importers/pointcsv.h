#pragma once

#include <string>
#include <string_view>

#include "importers/csvimport.h"
#include "model/profile.h"

namespace solvane {

// The point list as a CSV file for other tools: a header line, then one line per point
// "n,R_mm,Theta_deg,X_mm,Y_mm" with "." as the decimal point whatever the user's locale, four
// decimals (a tenth of a micrometre, well inside the single precision of the points), CR LF line
// ends. The CSV import recognises the file by its header line and reads it back without asking
// for columns.
inline constexpr char PointCsvHeader[] = "n,R_mm,Theta_deg,X_mm,Y_mm";

std::string formatPointCsv(const Profile& profile);

// True when bytes (after an optional UTF-8 byte-order mark) begin with PointCsvHeader as a whole line.
bool isPointCsv(std::string_view bytes);

// Reads a point CSV: each row's X_mm and Y_mm make a point, R and Theta derived from them as every
// import does (the n, R_mm and Theta_deg fields are for the reader's eye and are not checked).
// Blank lines are skipped. CoordSys becomes "Rectangular" (only the name). More than the store's
// 2000 points, or a row without two numbers there, leaves PointCount 0 with a message naming the row.
CsvImportResult importPointCsv(std::string_view bytes, Profile& profile);

}  // namespace solvane
