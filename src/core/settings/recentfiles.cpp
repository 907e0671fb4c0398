#include "settings/recentfiles.h"

#include <algorithm>

namespace solvane {

namespace {

constexpr const char* RecentSection = "Recent Files";

std::string placeKey(std::size_t index) { return "File" + std::to_string(index + 1); }

}  // namespace

RecentFiles RecentFiles::load(const SettingsStore& store)
{
    RecentFiles recent;
    for (std::size_t i = 0; i < MaxRecentFiles; ++i) {
        const std::string path = store.read(RecentSection, placeKey(i), "");
        const auto& known = recent.paths_;
        if (!path.empty() && std::find(known.begin(), known.end(), path) == known.end()) recent.paths_.push_back(path);
    }
    return recent;
}

void RecentFiles::save(SettingsStore& store) const
{
    for (std::size_t i = 0; i < MaxRecentFiles; ++i)
        store.write(RecentSection, placeKey(i), i < paths_.size() ? paths_[i] : std::string());
}

void RecentFiles::add(const std::string& path)
{
    remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > MaxRecentFiles) paths_.resize(MaxRecentFiles);
}

void RecentFiles::remove(const std::string& path)
{
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
}

std::string recentFileCaption(std::size_t index, const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string caption = "&" + std::to_string(index + 1) + " ";
    for (const char c : name) {
        caption += c;
        if (c == '&') caption += '&';
    }
    return caption;
}

}  // namespace solvane
