#include "help/helpfile.h"

namespace solvane {

namespace {

std::string asFolder(std::string folder, char folderSeparator)
{
    // An empty folder becomes the bare separator: the root.
    if (folder.empty() || folder.back() != folderSeparator) folder += folderSeparator;
    return folder;
}

}  // namespace

HelpSearchResult FindHelpFile(const std::string& programDir, const std::string& pathValue,
                              const std::function<bool(const std::string&)>& fileExists, char folderSeparator,
                              char listSeparator)
{
    HelpSearchResult result;
    const auto tryFolder = [&](const std::string& folder) {
        result.HelpPath = asFolder(folder, folderSeparator);
        return fileExists && fileExists(result.HelpPath + HelpFileName);
    };

    bool found = tryFolder(programDir);
    if (!found && !pathValue.empty()) {
        std::string rest = pathValue;
        if (rest.back() != listSeparator) rest += listSeparator;
        // Every entry, empty ones included, is ended by a list separator now.
        std::size_t end = rest.find(listSeparator);
        std::size_t start = 0;
        while (!found && end != std::string::npos) {
            found = tryFolder(rest.substr(start, end - start));
            start = end + 1;
            end = rest.find(listSeparator, start);
        }
    }

    result.found = found;
    if (found) result.helpFile = result.HelpPath + HelpFileName;
    return result;
}

}  // namespace solvane
