#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "model/profile.h"
#include "undo/profilesnapshot.h"

namespace solvane {

// The undo history of the open profile: one step per command that changed the profile, each holding
// the snapshot before and after it. Consecutive steps share the snapshot between them, so a step
// costs one snapshot (about 40 KB at 2000 points). The stack's clean state is the saved document:
// every move of the history sets the profile's DataChanged from it.
class UndoHistory : public QObject {
    Q_OBJECT
public:
    // currentRow: the table's current row, kept with each snapshot. show: puts a snapshot into the
    // profile and refreshes the window.
    UndoHistory(Profile& profile, std::function<int()> currentRow, std::function<void(const ProfileSnapshot&)> show,
                QObject* parent = nullptr);

    QUndoStack& stack() { return stack_; }

    // Empties the history for a document just loaded or started; unsaved marks a document that is not
    // what any file holds (a restored recovery copy), so no undo reaches a saved state.
    void startEmpty(bool unsaved = false);
    // The document was saved: its present state is the clean one.
    void markSaved();
    // The description box's text changed by the user: one step per editing session of the box.
    void describe(const std::string& description);
    // The box lost the focus or the user pressed Enter: the next change starts a new step.
    void endDescriptionSession() { ++descriptionSession_; }

signals:
    // Whether the document differs from its file, for the window title's modified mark.
    void modifiedChanged(bool modified);

private:
    friend class UndoStep;
    friend class SnapshotStep;

    std::shared_ptr<const ProfileSnapshot> snapshotNow() const;
    // Pushes a step from before to the present profile when they differ (and returns true).
    bool record(const QString& text, std::shared_ptr<const ProfileSnapshot> before, int session = 0);
    // Shows a snapshot as the present state, for an undo or a redo.
    void show(const std::shared_ptr<const ProfileSnapshot>& snapshot);
    void followCleanState();

    Profile& profile_;
    std::function<int()> currentRow_;
    std::function<void(const ProfileSnapshot&)> show_;
    QUndoStack stack_;
    std::shared_ptr<const ProfileSnapshot> last_;  // the state the history last recorded or showed
    int openGuards_ = 0;
    int descriptionSession_ = 1;
};

// Taken at the start of a command: records one step named text when the command ends with a changed
// profile. Commands nested in another (a drag that ends in Delete) add nothing of their own.
class UndoStep {
public:
    // EndsSaved: the command leaves a document that counts as saved (Clear Points, an import).
    enum Outcome { Changed, EndsSaved };
    UndoStep(UndoHistory& history, const QString& text, Outcome outcome = Changed);
    ~UndoStep();
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    UndoHistory& history_;
    QString text_;
    Outcome outcome_;
    bool outermost_;
    std::shared_ptr<const ProfileSnapshot> before_;
};

}  // namespace solvane
