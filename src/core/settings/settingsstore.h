#pragma once

#include <map>
#include <string>

namespace solvane {

// A per-user store of text values by section and key; the application name is the store's own.
// Keys compare without regard to case: a value written as "units" is read as "Units".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or defaultValue when the key is absent.
    virtual std::string read(const std::string& section, const std::string& key,
                             const std::string& defaultValue) const = 0;
    virtual void write(const std::string& section, const std::string& key, const std::string& value) = 0;
};

// A store held in memory: for tests, fuzzing and the command-line tool.
class MemorySettingsStore : public SettingsStore {
public:
    std::string read(const std::string& section, const std::string& key,
                     const std::string& defaultValue) const override;
    void write(const std::string& section, const std::string& key, const std::string& value) override;

    // Every entry as "section/key" (key in lower case) -> value.
    const std::map<std::string, std::string>& entries() const { return entries_; }

private:
    std::map<std::string, std::string> entries_;
};

// "section/key" with the key in lower case: the form in which keys compare.
std::string settingsKey(const std::string& section, const std::string& key);

}  // namespace solvane
