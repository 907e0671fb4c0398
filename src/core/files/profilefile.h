#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

#include "files/safewrite.h"
#include "model/profile.h"

namespace solvane {

// The version string of the layout this program writes.
inline constexpr const char* CurrentProfileVersion = "Solvane 5.1";
// The version string of the layout before it (no coordinate system line, points always polar).
inline constexpr const char* PreviousProfileVersion = "Solvane 5.0";
// Written in place of an empty description.
inline constexpr const char* NoDescriptionText = "No Description";
// Put into the description before reading; only files of the oldest layout leave it there.
inline constexpr const char* OldestLayoutDescription = "Solvane 3.1 file opened";

// Sets ProfileTitle, ProfileExt and ProfileFilter from ModelType. Models without a flavour of
// their own (15, 17, 18, 19 and any other value) get the wafer flavour.
void setfiletype(Profile& profile);

// The exact bytes of the profile file, CR LF line ends. Changes the model as a save does:
// ProfileVersion becomes "Solvane 5.1", every point's Flag becomes True, and in any system but
// "Polar" an X or Y below 0.001 in magnitude becomes 0. A double quote in the description is
// written as an apostrophe (the format has no escape for it); the model keeps the user's text.
std::string formatprofile(Profile& profile);

// Saves the profile to path with writeFileSafely, so a failed save leaves any previous file as it
// was. A path that begins with "*" is still a dialog's wildcard pattern: nothing is written
// (ProfileVersion is set, the points are left alone) and the result says so.
WriteResult writeprofile(Profile& profile, const std::string& path, const ReplaceFileStep& replace = {});

// The header fields and the point list, in file order, for reporting where a read stopped.
enum class ProfileField {
    Version,
    Description,
    WaferDiameter,
    EdgeExclusion,
    BeamDiameter,
    CoordSys,
    WaferColor,
    SpotColor,
    PointCount,
    Points,
    None,  // nothing failed
};

// Outcome of a read. A read that stops early keeps everything read before the failing field.
struct ReadResult {
    bool ok = true;
    bool opened = true;   // false when the file could not be opened at all (nothing was read)
    std::string message;  // plain words, with the line: "line 12: expected a number for the Y of point 3"
    ProfileField stoppedAt = ProfileField::None;
    int pointsRead = 0;  // points 1..pointsRead are complete
};

// Reads profile text of any of the three layouts into the model. The caller resets the point
// store first. A UTF-8 byte-order mark at the start is skipped. PointCount is always the number
// of points read whole (0 until the count has been read), never the count the file announces; a
// count above the store's capacity reads the first 2000 points and then fails, a negative one
// reads no points and fails. A wafer diameter of 0 or less is a damaged file: the read fails
// there and leaves WaferDiameter as it was. ok is false for every read that stopped early.
ReadResult readprofile(Profile& profile, std::string_view text);

// A full profile is about 40 KB; a file above this size is refused unread rather than held in memory.
constexpr std::size_t MaxProfileFileBytes = 64u * 1024u * 1024u;

// Loads the file at path and reads it as above. A file that cannot be opened, or is larger than
// MaxProfileFileBytes, gives opened = false and leaves the model as beginning a read does.
ReadResult readprofileFile(Profile& profile, const std::string& path);

}  // namespace solvane
