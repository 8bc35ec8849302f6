#pragma once
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QUndoStack;

namespace varkel {

class Project;

// The undo history of the configuration: every change the window makes is
// one step holding a copy of the configuration before and after it. Its
// clean state is the saved state. It knows the project and, to remember
// the selection of each step, how to ask for the current tree position;
// the window learns of restored states and changes through its signals.
class UndoHistory : public QObject {
    Q_OBJECT
public:
    UndoHistory(Project& project, std::function<QList<int>()> currentPath,
                QObject* parent = nullptr);
    ~UndoHistory() override;

    QUndoStack* Stack() const { return stack_; }

    // The configuration was saved, or replaced by a file or a new one.
    void MarkSaved();
    void Forget();
    // Runs a change and records it as one step named text when it reports
    // that it changed the configuration.
    bool Record(const QString& text, const std::function<bool()>& change);
    // An upload or an import replaces the configuration from outside:
    // KeepBeforeReplace copies it first, Replaced records the replacement as
    // one step, DropKept forgets the copy when nothing was replaced.
    void KeepBeforeReplace(const QString& text);
    void Replaced();
    void DropKept();

signals:
    // A stored state is about to take the configuration's place: whatever
    // shows the configuration lets go of its editors.
    void Restoring();
    // It has: show it afresh and select the entry at the path.
    void Restored(const QList<int>& path);
    // Whether the configuration differs from the saved one.
    void ModifiedChanged(bool modified);
    // The configuration changed: a recorded step, an undo or redo, a
    // replacement, or a file or new configuration in its place.
    void ConfigurationChanged();

private:
    void Restore(const Project& state, const QList<int>& path);

    Project& project_;
    std::function<QList<int>()> currentPath_;
    QUndoStack* stack_;
    // The configuration before an upload or an import, recorded as a step
    // named replaceText_ once it was replaced.
    std::unique_ptr<Project> kept_;
    QList<int> keptPath_;
    QString replaceText_;
};

} // namespace varkel
