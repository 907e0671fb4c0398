#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>
#include <string>

#include "files/recoveryfile.h"
#include "model/profile.h"

namespace solvane {

// Keeps a recovery copy of the open document while it has unsaved changes, so that a crash, a kill or
// the end of the desktop session loses nothing: checked every ten seconds once started, written
// atomically (QSaveFile) only when it differs from the copy on disk, removed when the document has
// no unsaved changes. The window owns the keeper and the profile it watches.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // folder: where the copy lives (created 0700 when first needed); empty keeps no copy.
    RecoveryKeeper(const Profile& profile, const QString& folder, QObject* parent = nullptr);

    // The copy an earlier run left, if there is a readable one.
    std::optional<RecoveryCopy> found() const;
    // Starts the periodic check.
    void start();
    // Writes the copy now when the document has unsaved changes; removes it otherwise.
    void keepNow();
    // Removes the copy: the changes were saved or the user gave them up.
    void discard();

private:
    QString filePath() const;

    const Profile& profile_;
    QString folder_;
    QTimer timer_;
    std::string written_;  // the bytes on disk, to skip writing the same copy again
};

}  // namespace solvane
