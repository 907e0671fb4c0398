#include "platform/qtsettingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>

#include "files/filechecks.h"
#include "files/safewrite.h"
#include "render/qttext.h"

namespace solvane {

namespace {

// Text QSettings itself wrote, or a person typed: UTF-8 without control characters but tabs and
// line ends. Anything else is damage, whatever QSettings would make of it.
bool looksLikeIniText(const QByteArray& bytes)
{
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') return false;
        if (byte == 0x7F) return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    [[maybe_unused]] const QString decoded = utf8.decode(bytes);
    return !utf8.hasError();
}

// Where QSettings keeps the user's INI file. Not asked of QSettings: it reads the file as soon as it
// is made, and a FIFO there would stop the start-up.
QString userSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Solvane/Solvane.ini");
}

}  // namespace

QtSettingsStore::QtSettingsStore() : path_(userSettingsPath()) { load(); }

QtSettingsStore::QtSettingsStore(const QString& iniFilePath) : path_(iniFilePath) { load(); }

QtSettingsStore::~QtSettingsStore() { save(); }

void QtSettingsStore::load()
{
    // QSettings would open a FIFO and wait for a writer that never comes.
    if (plainFileProblem(toFileSystem(path_))) return;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly) || !looksLikeIniText(file.readAll())) return;
    const QSettings settings(path_, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) return;
    const QStringList keys = settings.allKeys();
    for (const QString& key : keys) entries_.insert(key, settings.value(key));
}

QStringList QtSettingsStore::storedKeys(const QString& section, const QString& key) const
{
    const QString prefix = section + QLatin1Char('/');
    QStringList matches;
    for (auto entry = entries_.lowerBound(prefix); entry != entries_.end() && entry.key().startsWith(prefix); ++entry) {
        const QString name = entry.key().mid(prefix.size());
        if (name.compare(key, Qt::CaseInsensitive) == 0) matches.append(name);
    }
    return matches;
}

std::string QtSettingsStore::read(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) const
{
    const QString group = fromBytes(section);
    const QString wanted = fromBytes(key);
    const QStringList names = storedKeys(group, wanted);
    if (names.isEmpty()) return defaultValue;
    // Of several spellings (a hand-edited file), the exact one wins.
    const QString name = names.contains(wanted) ? wanted : names.first();

    const QVariant value = entries_.value(group + QLatin1Char('/') + name);
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
        if (other != name) entries_.remove(group + QLatin1Char('/') + other);
    }
    entries_.insert(group + QLatin1Char('/') + name, fromBytes(value));
    changed_ = true;
}

std::optional<std::string> QtSettingsStore::save()
{
    if (!changed_) return std::nullopt;
    const std::string path = toFileSystem(path_);
    if (auto problem = plainFileProblem(path)) return problem;
    // A user who made the file read-only wants it left as it is.
    if (isReadOnlyFile(path)) return "\"" + path + "\" is read-only";
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) return "cannot create the folder \"" + toFileSystem(folder) + "\"";

    // The lock QSettings takes for the same file: another instance saving at the same moment waits
    // its turn. A lock nobody releases (a folder of that name, say) must not stop the program.
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs))
        return "the settings file is locked by \"" + path + ".lock\"; remove it if no other Solvane is running";

    // QSettings lays the entries out (escapes, groups, lists) in a scratch file; the bytes then
    // replace the settings file in one safe step.
    const QTemporaryDir scratch;
    if (!scratch.isValid()) return "cannot make a scratch folder: " + toBytes(scratch.errorString());
    const QString layoutPath = scratch.filePath(QStringLiteral("Solvane.ini"));
    {
        QSettings layout(layoutPath, QSettings::IniFormat);
        for (auto entry = entries_.cbegin(); entry != entries_.cend(); ++entry)
            layout.setValue(entry.key(), entry.value());
        layout.sync();
        if (layout.status() != QSettings::NoError)
            return "cannot lay out the settings in \"" + toFileSystem(layoutPath) + "\"";
    }
    QFile laidOut(layoutPath);
    if (!laidOut.open(QIODevice::ReadOnly)) return "cannot read back \"" + toFileSystem(layoutPath) + "\"";
    const QByteArray bytes = laidOut.readAll();
    const WriteResult written = writeFileSafely(path, std::string_view(bytes.constData(),
                                                                       static_cast<std::size_t>(bytes.size())));
    if (!written.ok) return written.message;
    changed_ = false;
    return std::nullopt;
}

}  // namespace solvane
