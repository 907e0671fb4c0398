#include "files/recoverykeeper.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "files/profilefile.h"
#include "render/qttext.h"

namespace solvane {

namespace {

constexpr int CheckIntervalMs = 10000;

}  // namespace

RecoveryKeeper::RecoveryKeeper(const Profile& profile, const QString& folder, QObject* parent)
    : QObject(parent), profile_(profile), folder_(folder)
{
    timer_.setInterval(CheckIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::keepNow);
}

QString RecoveryKeeper::filePath() const { return folder_ + QLatin1Char('/') + QLatin1String(RecoveryFileName); }

std::optional<RecoveryCopy> RecoveryKeeper::found() const
{
    if (folder_.isEmpty()) return std::nullopt;
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(MaxProfileFileBytes);
    return parseRecoveryCopy(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void RecoveryKeeper::start() { timer_.start(); }

void RecoveryKeeper::keepNow()
{
    if (folder_.isEmpty()) return;
    if (profile_.DataChanged == False) {
        discard();
        return;
    }
    // The writer adjusts what it writes (version, flags): a copy takes that, the document stays as it is.
    Profile copy = profile_;
    // After New the path still names the last file, but the work is untitled: restored, it stays so.
    const std::string original = profile_.FileTitle.empty() ? std::string() : profile_.FilePath;
    const std::string bytes = formatRecoveryCopy({original, formatprofile(copy)});
    if (bytes == written_) return;

    if (!QDir().mkpath(folder_)) return;
    QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly)) return;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (file.commit()) written_ = bytes;
}

void RecoveryKeeper::discard()
{
    if (folder_.isEmpty()) return;
    written_.clear();
    QFile::remove(filePath());
}

}  // namespace solvane
