#include "settings/settingsstore.h"

#include <cctype>

namespace solvane {

std::string settingsKey(const std::string& section, const std::string& key)
{
    std::string folded = section + "/";
    for (const char c : key) folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

std::string MemorySettingsStore::read(const std::string& section, const std::string& key,
                                      const std::string& defaultValue) const
{
    const auto found = entries_.find(settingsKey(section, key));
    return found == entries_.end() ? defaultValue : found->second;
}

void MemorySettingsStore::write(const std::string& section, const std::string& key, const std::string& value)
{
    entries_[settingsKey(section, key)] = value;
}

}  // namespace solvane
