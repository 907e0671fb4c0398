#include "platform/qtsettingsstore.h"

#include <QSettings>

#include "platform/qttext.h"

namespace solvane {

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Solvane"),
                                            QStringLiteral("Solvane")))
{}

QtSettingsStore::QtSettingsStore(const QString& iniFilePath)
    : settings_(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat))
{}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::fileName() const { return settings_->fileName(); }

QStringList QtSettingsStore::storedKeys(const QString& section, const QString& key) const
{
    const QString prefix = section + QLatin1Char('/');
    QStringList matches;
    const QStringList keys = settings_->allKeys();
    for (const QString& candidate : keys) {
        if (!candidate.startsWith(prefix)) continue;
        const QString name = candidate.mid(prefix.size());
        if (name.compare(key, Qt::CaseInsensitive) == 0) matches.append(name);
    }
    return matches;
}

std::string QtSettingsStore::read(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) const
{
    // An unreadable or damaged file must not feed half-parsed values into start-up.
    if (settings_->status() != QSettings::NoError) return defaultValue;
    const QString group = fromBytes(section);
    const QString wanted = fromBytes(key);
    const QStringList names = storedKeys(group, wanted);
    if (names.isEmpty()) return defaultValue;
    // Of several spellings (a hand-edited file), the exact one wins.
    const QString name = names.contains(wanted) ? wanted : names.first();

    const QVariant value = settings_->value(group + QLatin1Char('/') + name);
    // A hand-edited value with commas comes back from the INI reader as a list.
    if (value.typeId() == QMetaType::QStringList) return toBytes(value.toStringList().join(QLatin1Char(',')));
    return toBytes(value.toString());
}

void QtSettingsStore::write(const std::string& section, const std::string& key, const std::string& value)
{
    const QString group = fromBytes(section);
    const QString name = fromBytes(key);
    // Drop spellings that differ only in case, so the file holds one entry per key.
    const QStringList stored = storedKeys(group, name);
    for (const QString& other : stored) {
        if (other != name) settings_->remove(group + QLatin1Char('/') + other);
    }
    settings_->setValue(group + QLatin1Char('/') + name, fromBytes(value));
    settings_->sync();
}

}  // namespace solvane
