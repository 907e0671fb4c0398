#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "settings/settingsstore.h"

class QSettings;

namespace solvane {

// The per-user settings store on QSettings in INI format: organisation and application "Solvane"
// (~/.config/Solvane/Solvane.ini), one INI group per section. INI keys are case-sensitive, so
// keys are matched here without regard to case. Values are text, kept as ISO-8859-1.
// A file that cannot be read or parsed gives the defaults.
class QtSettingsStore : public SettingsStore {
public:
    // The user's own store.
    QtSettingsStore();
    // A store in the given INI file (tests, portable set-ups).
    explicit QtSettingsStore(const QString& iniFilePath);
    ~QtSettingsStore() override;

    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    std::string read(const std::string& section, const std::string& key,
                     const std::string& defaultValue) const override;
    void write(const std::string& section, const std::string& key, const std::string& value) override;

    // Where the entries are kept.
    QString fileName() const;

private:
    // The stored keys of section that equal key without regard to case.
    QStringList storedKeys(const QString& section, const QString& key) const;

    std::unique_ptr<QSettings> settings_;
};

}  // namespace solvane
