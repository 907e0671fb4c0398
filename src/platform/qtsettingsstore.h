#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "settings/settingsstore.h"

namespace solvane {

// The per-user settings store in an INI file as QSettings writes it: organisation and application
// "Solvane" (~/.config/Solvane/Solvane.ini), one INI group per section. INI keys are
// case-sensitive, so keys are matched here without regard to case. Values are text, kept as
// ISO-8859-1. The file is read once when the store is made and written only by save, in one
// go and safely (a new file replaces the old one), so the program never rewrites it per key.
// A file that is damaged (bytes no INI text holds, a broken section line) or no plain file at
// all gives the defaults, and save then replaces a damaged file with the values written.
class QtSettingsStore : public SettingsStore {
public:
    // The user's own store.
    QtSettingsStore();
    // A store in the given INI file (tests, portable set-ups).
    explicit QtSettingsStore(const QString& iniFilePath);
    // Saves what the program did not save itself, so a change is not lost; failures go unheard here.
    ~QtSettingsStore() override;

    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    std::string read(const std::string& section, const std::string& key,
                     const std::string& defaultValue) const override;
    void write(const std::string& section, const std::string& key, const std::string& value) override;
    // Waits at most LockWaitMs for another writer's lock, so a stale lock cannot stop the program.
    std::optional<std::string> save() override;

    // Where the entries are kept.
    QString fileName() const { return path_; }

    static constexpr int LockWaitMs = 2000;

private:
    void load();
    // The stored keys of section that equal key without regard to case.
    QStringList storedKeys(const QString& section, const QString& key) const;

    QString path_;
    QMap<QString, QVariant> entries_;  // "Section/Key" as stored -> value as QSettings read it
    bool changed_ = false;
};

}  // namespace solvane
