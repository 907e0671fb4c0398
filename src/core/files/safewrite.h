#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace solvane {

// Outcome of a save: ok, or the reason it failed in plain words.
struct WriteResult {
    bool ok = true;
    std::string message;
};

// The step that moves the finished temporary file over the target. Replaceable so that a test
// can make it fail; the default renames.
using ReplaceFileStep =
    std::function<std::error_code(const std::filesystem::path& from, const std::filesystem::path& to)>;

// Puts bytes into the file at path so that a reader, a crash or a full disk never sees a half
// file: the bytes go to a new temporary file beside the target (created exclusively, with the
// target's permissions, or 0666 less the umask for a new file), are flushed to the disk, and the
// temporary then replaces the target and the folder is flushed too. A symbolic link is followed,
// so the file it names is replaced (and created when the link dangles); a folder or any other
// thing that is not a plain file is refused. A read-only target is replaced all the same: asking
// first is the caller's business. On failure nothing on disk has changed.
WriteResult writeFileSafely(const std::string& path, std::string_view bytes, const ReplaceFileStep& replace = {});

}  // namespace solvane
