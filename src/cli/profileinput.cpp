#include "profileinput.h"

#include "command.h"
#include "files/profilefile.h"

namespace solvane::cli {

std::optional<int> readWholeProfile(Profile& profile, const std::string& input)
{
    resetPoints(profile);
    const ReadResult read = readprofileFile(profile, input);
    if (!read.opened) return fileError(read.message);
    if (!read.ok) return fileError(input + " reads only partly (" + read.message + "): nothing was written");
    return std::nullopt;
}

}  // namespace solvane::cli
