#pragma once

#include <optional>
#include <string>

#include <string_view>

#include "files/profilefile.h"
#include "model/profile.h"

namespace solvane::cli {

// Reads the whole of a profile file that a command will write back changed. Returns the exit
// status after reporting why it cannot be used (a file that reads only partly is refused: writing
// what it let through would pass the damage on silently), or nothing when it was read whole.
std::optional<int> readWholeProfile(Profile& profile, const std::string& input);

// A profile as the editor starts one (its start-up parameters, no points), for an import to fill.
Profile startupProfile();

// The end of an import: warns, in the words of nothingFound, when it gave no points, then writes
// the profile to output.
int writeImported(Profile& profile, const std::string& input, const std::string& output, std::string_view nothingFound);

// Reads as much of a profile file as it gives, for a command that shows it (dump, render, report).
// Nothing, after saying why, when there is nothing to show: the file cannot be opened, or not even
// its version line reads. A partly read file is warned of: "reads only partly (why): " and use,
// which says what the command does with it ("drawing what was read").
std::optional<ReadResult> readShownProfile(Profile& profile, const std::string& input, std::string_view use);

// The exit status of a command that showed what read gave: ExitPartialRead when it was only part.
int shownStatus(const ReadResult& read);

}  // namespace solvane::cli
