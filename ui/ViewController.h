#pragma once
#include <QObject>
#include <QString>

#include "model/Command.h"

#include <QList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QUndoStack;
class QTreeWidgetItem;

namespace varkel {

class TreeEntry;
class CBriskView;
class CConfigApp;
class CMainFrame;
class CUpDownDlg;
class Command;
class Node;
class Project;

// The commands of the Edit and Tools menus and of the tree's context menu,
// and the store of a value entered in the grid: what changes the
// configuration. The view shows the outcome.
class ViewController : public QObject {
    Q_OBJECT
public:
    ViewController(CConfigApp& app, CMainFrame& frame, CBriskView& view);

    void OnAddNode();
    void OnDeleteNode();
    void OnAddCommand();
    void AddCommandOfFunctionIndex(int functionIndex);
    void OnDeleteCommand();
    // The Delete key: the selected node or commands, whichever is selected.
    void OnDeleteSelected();
    void OnAutoMapping();
    void OnExportXls();
    void OnImportCommands();
    void OnUpload();
    void OnDownload();
    void OnConflictDetect();
    void OnCopy();
    void OnPaste();
    void OnDuplicate();
    void OnMoveUp();
    void OnMoveDown();

    // Whether each command is enabled now.
    bool CanAddNode() const;
    bool CanDeleteNode() const;
    bool CanAddCommand() const;
    bool CanDeleteCommand() const;
    bool CanAutoMap() const;
    bool CanDetectConflicts() const;
    bool CanCopy() const;
    bool CanPaste() const;
    bool CanMove(int step) const;

    // Every change of the configuration is one step of this stack; its
    // clean state is the saved state.
    QUndoStack* UndoStack() const { return undo_; }
    // The configuration was saved, or replaced by a file or a new one.
    void MarkSaved();
    void ForgetHistory();
    // Runs a change and records it as one undo step named text when it
    // reports that it changed the configuration.
    bool Record(const QString& text, const std::function<bool()>& change);
    // The child positions from the top of the tree to the current entry.
    QList<int> CurrentPath() const;
    // Makes the entry at the path current, or as much of the path as exists.
    void SelectPath(const QList<int>& path);
    // The commands selected in the tree under the current entry's node, in
    // their order, and that node.
    std::vector<Command*> SelectedCommands(Node** node = nullptr) const;

    // Stores the text entered for a row of the entry's object through the
    // one commit operation, and has the tree and the grid show the outcome.
    void EnterValue(const TreeEntry& entry, int row, const std::string& text);

    // Called with each transfer dialog before it is shown (tests answer it).
    static void SetTransferDialogHook(std::function<void(CUpDownDlg&)> hook);

    // The file name the export dialog chose, with ".xlsx" unless it has it.
    static QString WithXlsxSuffix(const QString& path);

signals:
    // The configuration changed: an edit, undo or redo, an upload or import,
    // or a file opened or a new one started.
    void ConfigurationChanged();

private:
    void OpenTransfer(int mode);
    void AfterUpload();
    void AfterRemoval();
    void TakeOverSelection(QTreeWidgetItem* parent, int at);
    void RestoreState(const Project& state, const QList<int>& path);
    // Builds the tree anew and selects the node's commands, the first one
    // current; the node itself when the list is empty.
    void ShowCommands(Node* node, const std::vector<Command*>& commands);
    bool InsertCommands(Node* node, int index, CommandList commands, const QString& text);
    void MoveCommands(int step);
    QTreeWidgetItem* ItemOf(const TreeEntry& entry) const;

    CConfigApp& app_;
    CMainFrame& frame_;
    CBriskView& view_;
    QUndoStack* undo_;
    // The configuration before an upload or an import, recorded as a step
    // named replaceText_ once it was replaced.
    void KeepBeforeReplace(const QString& text);
    QString replaceText_;
    std::unique_ptr<Project> beforeUpload_;
    QList<int> beforeUploadPath_;
};

} // namespace varkel
