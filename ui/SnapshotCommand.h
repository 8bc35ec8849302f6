#pragma once
#include <QList>
#include <QUndoCommand>

#include <functional>
#include <memory>

namespace varkel {

class Project;

// One undo step: the whole configuration before and after a change, with
// the tree entry selected at each. Restoring a copy rather than replaying
// the change cannot leave a tree entry or a grid row pointing at an object
// that the step freed: the view is built anew on the restored copy.
class SnapshotCommand : public QUndoCommand {
public:
    // Puts a copy of the state into the program and selects the entry at
    // the path (child positions from the top of the tree).
    using Restore = std::function<void(const Project& state, const QList<int>& path)>;

    SnapshotCommand(const QString& text, std::unique_ptr<Project> before, QList<int> beforePath,
                    std::unique_ptr<Project> after, QList<int> afterPath, Restore restore);
    ~SnapshotCommand() override;

    void undo() override;
    // The first call comes from the push, after the change has been made.
    void redo() override;

private:
    std::unique_ptr<Project> before_;
    std::unique_ptr<Project> after_;
    QList<int> beforePath_;
    QList<int> afterPath_;
    Restore restore_;
    bool pushed_ = false;
};

} // namespace varkel
