#include "ui/SnapshotCommand.h"

#include "model/Project.h"

namespace varkel {

SnapshotCommand::SnapshotCommand(const QString& text, std::unique_ptr<Project> before,
                                 QList<int> beforePath, std::unique_ptr<Project> after,
                                 QList<int> afterPath, Restore restore)
    : QUndoCommand(text), before_(std::move(before)), after_(std::move(after)),
      beforePath_(std::move(beforePath)), afterPath_(std::move(afterPath)),
      restore_(std::move(restore)) {}

SnapshotCommand::~SnapshotCommand() = default;

void SnapshotCommand::undo() {
    restore_(*before_, beforePath_);
}

void SnapshotCommand::redo() {
    if (!pushed_) {
        pushed_ = true;
        return;
    }
    restore_(*after_, afterPath_);
}

} // namespace varkel
