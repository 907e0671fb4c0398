#pragma once

#include <map>
#include <optional>
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
    // Changes the value in the store; nothing reaches the disk before save.
    virtual void write(const std::string& section, const std::string& key, const std::string& value) = 0;
    // Writes the changes made since the last save in one go. Nothing on success; otherwise why
    // they could not be written, in plain words, and they stay pending.
    virtual std::optional<std::string> save() = 0;
};

// A store held in memory: for tests, fuzzing and the command-line tool.
class MemorySettingsStore : public SettingsStore {
public:
    std::string read(const std::string& section, const std::string& key,
                     const std::string& defaultValue) const override;
    void write(const std::string& section, const std::string& key, const std::string& value) override;
    // Memory holds everything already.
    std::optional<std::string> save() override { return std::nullopt; }

    // Every entry as "section/key" (key in lower case) -> value.
    const std::map<std::string, std::string>& entries() const { return entries_; }

private:
    std::map<std::string, std::string> entries_;
};

// "section/key" with the key in lower case: the form in which keys compare.
std::string settingsKey(const std::string& section, const std::string& key);

}  // namespace solvane
