#include "files/recoveryfile.h"

#include <charconv>

namespace solvane {

namespace {

constexpr std::string_view Marker = "Solvane recovery copy 1\n";

}  // namespace

std::string formatRecoveryCopy(const RecoveryCopy& copy)
{
    // The path goes by length: a file name may hold line ends of its own.
    std::string text(Marker);
    text += std::to_string(copy.originalPath.size()) + '\n' + copy.originalPath + '\n';
    return text + copy.profileText;
}

std::optional<RecoveryCopy> parseRecoveryCopy(std::string_view text)
{
    if (text.substr(0, Marker.size()) != Marker) return std::nullopt;
    text.remove_prefix(Marker.size());
    const std::size_t lineEnd = text.find('\n');
    if (lineEnd == std::string_view::npos) return std::nullopt;
    std::size_t length = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + lineEnd, length);
    if (error != std::errc() || end != text.data() + lineEnd) return std::nullopt;
    text.remove_prefix(lineEnd + 1);
    if (text.size() < length + 1 || text[length] != '\n') return std::nullopt;
    return RecoveryCopy{std::string(text.substr(0, length)), std::string(text.substr(length + 1))};
}

std::string recoveryFolder(const char* xdgStateHome, const char* home)
{
    // A relative value is invalid for the XDG variables and is ignored, as the base directory rules say.
    if (xdgStateHome && xdgStateHome[0] == '/') return std::string(xdgStateHome) + "/Solvane";
    if (home && home[0] != '\0') return std::string(home) + "/.local/state/Solvane";
    return {};
}

std::string fileTitleOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace solvane
