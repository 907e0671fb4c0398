#pragma once

#include <functional>
#include <string>

namespace solvane {

// The name of the program's help file, looked for beside the program and along the search path.
inline constexpr const char* HelpFileName = "qdx5.hlp";

// Outcome of the help-file search.
struct HelpSearchResult {
    bool found = false;
    // The folder the file was found in, or the last folder tried; always ends in the folder separator.
    std::string HelpPath;
    // HelpPath + HelpFileName when found; empty otherwise.
    std::string helpFile;
};

// Looks for the help file in programDir, then in each entry of pathValue (a search-path list such
// as the PATH variable) in order, stopping at the first hit. Empty list entries are tried as the
// bare folder separator (the root). fileExists answers whether a file of that exact path exists.
// Separators are parameters so the same rule serves "\" and ";" as well as "/" and ":".
HelpSearchResult FindHelpFile(const std::string& programDir, const std::string& pathValue,
                              const std::function<bool(const std::string&)>& fileExists, char folderSeparator,
                              char listSeparator);

}  // namespace solvane
