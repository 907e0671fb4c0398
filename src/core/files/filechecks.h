#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace solvane {

// Opening for reading: the path is opened without waiting, so a FIFO with no writer or a device
// cannot hang the program, and anything but a plain file is refused before a byte is read.

// The bytes of a whole plain file, or a one-line message in plain words saying why there are none.
struct FileBytes {
    bool ok = false;
    std::string bytes;
    std::string message;
};

// Reads the whole file at path (links followed). Refused: a folder ("… is a folder"), anything
// else that is not a plain file ("… is not a plain file"), a file larger than maxBytes ("… is
// larger than 64 MB, too large " + tooLargeFor), and a file that cannot be opened or read (the
// system's reason).
FileBytes readPlainFile(const std::string& path, std::size_t maxBytes, std::string_view tooLargeFor);

// Why path cannot be read as a plain file ("… is not a plain file", "… is a folder", "cannot open
// …: Permission denied"), or nothing when it can or when nothing is there at all. For callers
// that hand the path on to a reader of their own (settings, help).
std::optional<std::string> plainFileProblem(const std::string& path);

// True when path, after following symbolic links, is an existing plain file that the user may
// not write: its permissions refuse the user, or nobody at all may write it (mode 0444 counts
// even for the superuser, who could). The window asks before replacing such a file.
bool isReadOnlyFile(const std::string& path);

}  // namespace solvane
