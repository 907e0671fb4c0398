#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "files/description.h"
#include "model/profile.h"

namespace solvane {

// The label that opens the column header line, and the gap between the two value titles.
inline constexpr const char* ReportNumberLabel = "point no.       ";  // "point no." and 7 blanks
inline constexpr const char* ReportTitleGap = "        ";             // 8 blanks

// The report shows this much of a description, then "...": as much as the description box holds,
// while a file may carry megabytes that would otherwise be laid out in full.
inline constexpr std::size_t ReportDescriptionLimit = MaxDescriptionLength;

// One point line of the report as its three column texts.
struct ReportPointLine {
    std::string number;  // "1", "2", ...
    std::string value1;  // R or X, "#0.00"
    std::string value2;  // Theta "##0.00", or Y "#0.00"
};

// The printed point report as data: the header lines, printed once, then one entry per point.
// The column titles are kept apart so a printer can place each value under its title with the
// metrics of its own font.
struct ReportLines {
    std::vector<std::string> header;  // "Filename: ...", "File Description: ...", " ", column header
    std::string title1;               // "R(mm)" or "X (mm)"
    std::string title2;               // "Theta" or "Y (mm)"
    std::vector<ReportPointLine> points;
};

// The report of points 1..PointCount in the system the point table shows (PolarSys, not
// CoordSys), the description cut at ReportDescriptionLimit. decimalSeparator is the user's locale's.
ReportLines reportLines(const Profile& profile, const std::string& fileTitle, const std::string& description,
                        char decimalSeparator);

// The report as plain text, every line ended by CR LF like the program's other text files.
// Columns are aligned with blanks: each text ends in the column where its title ends (point
// numbers under "point no.", values under their titles), so decimal points line up. A text too
// wide for its room is moved right so that at least one blank separates it from the text before.
std::string reportText(const Profile& profile, const std::string& fileTitle, const std::string& description,
                       char decimalSeparator);

}  // namespace solvane
