#include "ui/UndoHistory.h"

#include "model/Project.h"
#include "ui/SnapshotCommand.h"

#include <QUndoStack>

namespace varkel {

UndoHistory::UndoHistory(Project& project, std::function<QList<int>()> currentPath, QObject* parent)
    : QObject(parent), project_(project), currentPath_(std::move(currentPath)),
      stack_(new QUndoStack(this)) {
    // Undoing back to the saved state clears the modified flag.
    connect(stack_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit ModifiedChanged(!clean); });
}

UndoHistory::~UndoHistory() = default;

void UndoHistory::MarkSaved() {
    stack_->setClean();
}

void UndoHistory::Forget() {
    stack_->clear();
    // Called once a file or a new configuration took the old one's place.
    emit ConfigurationChanged();
}

bool UndoHistory::Record(const QString& text, const std::function<bool()>& change) {
    auto before = std::make_unique<Project>();
    before->CopyFrom(project_);
    const QList<int> beforePath = currentPath_();
    if (!change())
        return false;
    auto after = std::make_unique<Project>();
    after->CopyFrom(project_);
    stack_->push(new SnapshotCommand(
        text, std::move(before), beforePath, std::move(after), currentPath_(),
        [this](const Project& state, const QList<int>& path) { Restore(state, path); }));
    // A change that leaves the flag as it was (the stack was not clean) still
    // changes what can be done.
    emit ModifiedChanged(!stack_->isClean());
    emit ConfigurationChanged();
    return true;
}

void UndoHistory::Restore(const Project& state, const QList<int>& path) {
    emit Restoring();
    Project copy;
    copy.CopyFrom(state);
    project_.TakeFrom(copy);
    emit Restored(path);
    // The tree and the grid show only the restored objects now.
    project_.ReleaseRetired();
    emit ConfigurationChanged();
}

void UndoHistory::KeepBeforeReplace(const QString& text) {
    kept_ = std::make_unique<Project>();
    kept_->CopyFrom(project_);
    keptPath_ = currentPath_();
    replaceText_ = text;
}

void UndoHistory::Replaced() {
    if (kept_) {
        auto after = std::make_unique<Project>();
        after->CopyFrom(project_);
        stack_->push(new SnapshotCommand(
            replaceText_, std::move(kept_), keptPath_, std::move(after), {},
            [this](const Project& state, const QList<int>& path) { Restore(state, path); }));
    }
    emit ModifiedChanged(true);
    // Nothing shows the replaced configuration any more.
    project_.ReleaseRetired();
    emit ConfigurationChanged();
}

void UndoHistory::DropKept() {
    kept_.reset();
}

} // namespace varkel
