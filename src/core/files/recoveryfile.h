#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace solvane {

// A recovery copy of unsaved work: the path of the file the document belongs to (empty for an
// untitled one) and the document in the profile file format.
struct RecoveryCopy {
    std::string originalPath;
    std::string profileText;
};

// The copy's file name inside the recovery folder.
inline constexpr const char* RecoveryFileName = "unsaved-profile";

// The bytes of a recovery copy: a first line that marks the file, a line with the length of the
// path, the path itself (any bytes) and the profile text.
std::string formatRecoveryCopy(const RecoveryCopy& copy);

// Nothing when text is not a whole recovery copy.
std::optional<RecoveryCopy> parseRecoveryCopy(std::string_view text);

// The folder for recovery copies: "$XDG_STATE_HOME/Solvane" when that variable holds an absolute
// path, else "$HOME/.local/state/Solvane"; empty when neither is known. Arguments may be null.
std::string recoveryFolder(const char* xdgStateHome, const char* home);

// The file name of a path: the document's title ("" for an empty path).
std::string fileTitleOf(const std::string& path);

}  // namespace solvane
