#pragma once

#include <cstddef>
#include <string_view>

namespace solvane {

// What a file given from outside the file dialogs (the command line, another start, a drop, the recent
// list) is, and so which command takes it.
enum class FileKind {
    Profile,     // opened as a document
    KlaResults,  // imported as a KLA results file
    Csv,         // imported as CSV, with the column dialog
    Unknown,     // none of these: refused with a message
};

// Enough of a file's start for fileKindOf.
inline constexpr std::size_t FileKindProbeBytes = 256;

// The kind of the file named fileName whose first bytes are head. A KLA results file is known by its
// first field (FileVersion, or the Record of the nested layout, which its import refuses in plain words)
// whatever its name ends in; a profile by its ending (.waf, .map) or by its version line; a CSV file by
// its ending (.csv, .txt). Endings compare without regard to case.
FileKind fileKindOf(std::string_view fileName, std::string_view head);

}  // namespace solvane
