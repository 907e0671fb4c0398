#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/filechecks.h"
#include "model/profile.h"

namespace solvane {

// One import holds at most this many defects (entries 1..MaxDefects of the store).
constexpr int MaxDefects = 1000;

// Files above this size are refused before reading: a results file of 1000 defects is well under
// 1 MB, and the largest real ones (tens of thousands of defects) stay below 10 MB.
constexpr std::size_t MaxImportFileBytes = 64u * 1024u * 1024u;

// One defect as the results file gives it, in file units (micrometres).
struct DefectRec {
    std::int16_t DefectID = 0;
    double XRel = 0.0;        // position inside the die along X
    double YRel = 0.0;        // position inside the die along Y
    std::int16_t XIndex = 0;  // die column
    std::int16_t YIndex = 0;  // die row
    double Real6 = 0.0;       // the three reals after YINDEX in the fixed column order: kept, never used
    double Real7 = 0.0;
    double Real8 = 0.0;
};

// The defect store shared by both importers. Entry 0 is never a defect; an import fills 1..n.
using DefectStore = std::array<DefectRec, MaxDefects + 1>;

// How an import ended. Every outcome but Ok leaves the profile without points (PointCount 0).
enum class ImportStatus {
    Ok,
    InvalidFileType,  // not a results file of the line-based kind (first field not "FileVersion...")
    TooManyDefects,   // more than MaxDefects defects (or CSV rows) to import
    Damaged,          // the file breaks its own structure or holds a non-number where a number belongs
    NoSuchWafer,      // the wafer asked for is not in the file
    BadColumns,       // CSV only: the column numbers cannot describe a defect
    NoDefects,        // CSV only: not one row holds a defect (a binary file, headings only)
    FileError,        // the file could not be read at all, or is too large
};

// The text and title of the box the import command shows for InvalidFileType.
inline constexpr char KlaFileTypeErrorText[] = "File type error, please re-enter";
inline constexpr char KlaFileTypeErrorTitle[] = "Invalid file type";

// One wafer of a results file, as listed for the user to choose from.
struct KlaWafer {
    std::string WaferID;  // without its quotes; empty when the file gives none
    std::string Slot;     // as written ("01" stays "01"); empty when the file gives none
    int DefectCount = 0;  // defects in all of the wafer's defect lists
};

struct KlaImportResult {
    ImportStatus status = ImportStatus::Ok;
    std::string message;           // one plain sentence for the user; empty when status is Ok
    std::vector<KlaWafer> wafers;  // the wafers found (so far, when the file is damaged)
    std::size_t wafer = 0;         // index into wafers of the wafer imported
    int pointCount = 0;            // points put into the profile
};

// Reads the wafers of a results file without importing: status Ok, InvalidFileType or Damaged.
// Only the layout is checked here; the numbers of a defect are checked when it is imported.
KlaImportResult listKlaWafers(std::string_view bytes);

// Imports the defects of one wafer (index into the wafer list, 0 = the first) of the results file
// held in bytes. The caller has reset the point store. CoordSys becomes "Rectangular" (only the
// name); on Ok, PointCount is the number of defects and point i is defect i:
//   X = (XIndex * pitchX) / 1000 + XRel / 1000 - centreX / 1000   (double, stored as float), Y alike,
//   R = sqrt(X * X + Y * Y), Theta = arctan(X, Y); Flag is left alone.
// Every other outcome leaves PointCount 0 and the points as they were.
//
// The reading: a UTF-8 byte-order mark is skipped and the first field must begin with "FileVersion".
// The rest is a sequence of records, each a keyword and its values up to a ";" (a record may run
// over several lines, ending in CR LF or LF). Keywords are compared case-sensitively:
//   SampleCenterLocation X Y; DiePitch X Y;  centre and pitch in micrometres (0 while absent);
//   DefectRecordSpec n NAME...;              the defect columns (at most 1000): DEFECTID, XREL, YREL, XINDEX and
//                                            YINDEX are found by name; IMAGELIST is a count N
//                                            followed by N pairs, which may run onto the next lines;
//                                            without those names the order is fixed (DEFECTID XREL
//                                            YREL XINDEX YINDEX and three reals), one line a defect;
//   DefectList d...;                         defects separated by blanks or tabs, each starting on
//                                            a new line; only the last ends with ";". A line holding
//                                            "Summary" also ends the list. Several lists of one
//                                            wafer append;
//   WaferID id; Slot s;                      a WaferID after a defect list starts the next wafer.
// A line holding "EndOfFile" ends the reading. Every defect list must be followed by a line holding
// "Summary" before the next wafer or the end. Other keywords are passed over, and so is a line that
// starts with one of the keywords above even when the record before it lacks its ";".
KlaImportResult importKlaResults(std::string_view bytes, Profile& profile, DefectStore& defects, std::size_t wafer = 0);

// The bytes of a file to import, or a one-line message saying why there are none.
using ImportFileBytes = FileBytes;

// Reads a whole plain file as bytes (readPlainFile), refusing one larger than MaxImportFileBytes.
ImportFileBytes loadImportFile(const std::string& path);

// loadImportFile, then importKlaResults; a file that cannot be read gives FileError.
KlaImportResult importKlaFile(const std::string& path, Profile& profile, DefectStore& defects, std::size_t wafer = 0);

// The profile position of defect d, in mm from the wafer centre, by the formula above; the centre
// and pitch are in file units. Nothing when a coordinate does not fit a float.
struct DefectPosition {
    float X;
    float Y;
};
std::optional<DefectPosition> defectPosition(const DefectRec& d, double centreX, double centreY, double pitchX,
                                             double pitchY);

// Writes points 1..count from positions[1..count] (R and Theta derived from X and Y) and sets
// PointCount; Flag is left alone.
void storeDefectPoints(Profile& profile, const std::array<DefectPosition, MaxDefects + 1>& positions, int count);

}  // namespace solvane
