#include "undo/undohistory.h"

#include <QUndoCommand>
#include <utility>

namespace solvane {

// One step: the snapshots before and after a command. The command has already run when the step is
// pushed, so the first redo does nothing.
class SnapshotStep : public QUndoCommand {
public:
    SnapshotStep(UndoHistory& history, const QString& text, std::shared_ptr<const ProfileSnapshot> before,
                 std::shared_ptr<const ProfileSnapshot> after, int session)
        : QUndoCommand(text), history_(history), before_(std::move(before)), after_(std::move(after)), session_(session)
    {}

    void undo() override { history_.show(before_); }
    void redo() override
    {
        if (done_) history_.show(after_);
        done_ = true;
    }
    // Steps of one description session merge; others never do.
    int id() const override { return session_ != 0 ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const SnapshotStep*>(other);
        if (next->session_ != session_) return false;
        after_ = next->after_;
        // Typed back to where it started: nothing left to undo.
        setObsolete(sameContent(*before_, *after_));
        return true;
    }

private:
    UndoHistory& history_;
    std::shared_ptr<const ProfileSnapshot> before_;
    std::shared_ptr<const ProfileSnapshot> after_;
    int session_;
    bool done_ = false;
};

UndoHistory::UndoHistory(Profile& profile, std::function<int()> currentRow,
                         std::function<void(const ProfileSnapshot&)> show, QObject* parent)
    : QObject(parent), profile_(profile), currentRow_(std::move(currentRow)), show_(std::move(show)), stack_(this)
{
    // Undo and redo steps move the index; a save or a new document moves the clean mark.
    connect(&stack_, &QUndoStack::indexChanged, this, &UndoHistory::followCleanState);
    connect(&stack_, &QUndoStack::cleanChanged, this, &UndoHistory::followCleanState);
    last_ = snapshotNow();
}

std::shared_ptr<const ProfileSnapshot> UndoHistory::snapshotNow() const
{
    return std::make_shared<const ProfileSnapshot>(takeSnapshot(profile_, currentRow_()));
}

void UndoHistory::followCleanState()
{
    profile_.DataChanged = stack_.isClean() ? False : True;
    emit modifiedChanged(!stack_.isClean());
}

void UndoHistory::startEmpty(bool unsaved)
{
    stack_.clear();
    if (unsaved) stack_.resetClean();
    last_ = snapshotNow();
    followCleanState();
}

void UndoHistory::markSaved()
{
    stack_.setClean();
    followCleanState();
}

void UndoHistory::describe(const std::string& description)
{
    std::shared_ptr<const ProfileSnapshot> before = snapshotNow();
    profile_.Description = description;
    record(QStringLiteral("Description"), std::move(before), descriptionSession_);
}

bool UndoHistory::record(const QString& text, std::shared_ptr<const ProfileSnapshot> before, int session)
{
    std::shared_ptr<const ProfileSnapshot> after = snapshotNow();
    if (sameContent(*before, *after)) return false;
    if (sameContent(*last_, *before)) before = last_;  // share the snapshot with the step before
    last_ = after;
    stack_.push(new SnapshotStep(*this, text, std::move(before), std::move(after), session));
    return true;
}

void UndoHistory::show(const std::shared_ptr<const ProfileSnapshot>& snapshot)
{
    last_ = snapshot;
    ++descriptionSession_;
    show_(*snapshot);
}

UndoStep::UndoStep(UndoHistory& history, const QString& text, Outcome outcome)
    : history_(history), text_(text), outcome_(outcome), outermost_(history.openGuards_++ == 0)
{
    if (outermost_) before_ = history_.snapshotNow();
}

UndoStep::~UndoStep()
{
    --history_.openGuards_;
    if (!outermost_) return;
    ++history_.descriptionSession_;
    if (history_.record(text_, before_) && outcome_ == EndsSaved) history_.markSaved();
    // A command that changed nothing may still have marked the document changed, as its refresh does.
    emit history_.modifiedChanged(history_.profile_.DataChanged != False);
}

}  // namespace solvane
