#include "profileinput.h"

#include "command.h"

namespace solvane::cli {

std::optional<int> readWholeProfile(Profile& profile, const std::string& input)
{
    resetPoints(profile);
    const ReadResult read = readprofileFile(profile, input);
    if (!read.opened) return fileError(read.message);
    if (!read.ok) return fileError(input + " reads only partly (" + read.message + "): nothing was written");
    return std::nullopt;
}

Profile startupProfile()
{
    Profile profile;
    setCoordFlags(profile, profile.CoordSys);
    resetPoints(profile);
    return profile;
}

int writeImported(Profile& profile, const std::string& input, const std::string& output, std::string_view nothingFound)
{
    if (profile.PointCount == 0) warning(input + ": " + std::string(nothingFound) + "; " + output + " holds no points");
    return finishWrite(writeprofile(profile, output));
}

std::optional<ReadResult> readShownProfile(Profile& profile, const std::string& input, std::string_view use)
{
    resetPoints(profile);
    ReadResult read = readprofileFile(profile, input);
    if (!read.opened) {
        fileError(read.message);
        return std::nullopt;
    }
    if (!read.ok && read.stoppedAt == ProfileField::Version) {
        fileError(input + ": " + read.message);
        return std::nullopt;
    }
    if (!read.ok) warning(input + " reads only partly (" + read.message + "): " + std::string(use));
    return read;
}

int shownStatus(const ReadResult& read) { return read.ok ? ExitSuccess : ExitPartialRead; }

}  // namespace solvane::cli
