#pragma once

#include <string>
#include <vector>

#include "settings/settingsstore.h"

namespace solvane {

// The files the user opened, imported or saved last, newest first, at most MaxRecentFiles, each path
// once. Kept in the settings store under "Recent Files" as "File1" (newest) to "File8".
class RecentFiles {
public:
    static constexpr std::size_t MaxRecentFiles = 8;

    // The list as stored; empty entries and repeated paths are dropped.
    static RecentFiles load(const SettingsStore& store);
    // Writes every place of the list, the unused ones empty, so no older entry outlives a removal.
    void save(SettingsStore& store) const;

    // Puts path first; the oldest falls off a full list.
    void add(const std::string& path);
    void remove(const std::string& path);

    const std::vector<std::string>& paths() const { return paths_; }

private:
    std::vector<std::string> paths_;
};

// The caption of the recent file at index (0 = newest): "&1 name" to "&8 name", the name without its
// folder and with any "&" doubled so that it shows as written.
std::string recentFileCaption(std::size_t index, const std::string& path);

}  // namespace solvane
