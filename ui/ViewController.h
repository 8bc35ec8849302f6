#pragma once
#include <QObject>
#include <QString>

#include "model/Command.h"

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace varkel {

class TreeEntry;
class CBriskView;
class CUpDownDlg;
class ConfigTree;
class Node;
class Project;
class UndoHistory;

// The commands of the Edit and Tools menus and of the tree's context menu,
// and the store of a value entered in the grid: what changes the
// configuration. Each change is recorded in the undo history; the tree and
// the view show the outcome. Dialogs open over the window given.
class ViewController : public QObject {
    Q_OBJECT
public:
    ViewController(Project& project, ConfigTree& tree, CBriskView& view, UndoHistory& history,
                   std::function<QString()> documentPath, QWidget* window);

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

    // Stores the text entered for a row of the entry's object through the
    // one commit operation, and has the tree and the grid show the outcome.
    void EnterValue(const TreeEntry& entry, int row, const std::string& text);

    // Called with each transfer dialog before it is shown (tests answer it).
    static void SetTransferDialogHook(std::function<void(CUpDownDlg&)> hook);

    // The file name the export dialog chose, with ".xlsx" unless it has it.
    static QString WithXlsxSuffix(const QString& path);

signals:
    // What the commands can do may have changed.
    void ActionsChanged();

private:
    void OpenTransfer(int mode);
    void AfterUpload();
    void AfterRemoval();
    // A state of the history is in place: the tree and the grid show it
    // anew, with the entry at the path selected.
    void ShowRestored(const QList<int>& path);
    // Builds the tree anew and selects the node's commands, the first one
    // current; the node itself when the list is empty.
    void ShowCommands(Node* node, const std::vector<Command*>& commands);
    bool InsertCommands(Node* node, int index, CommandList commands, const QString& text);
    void MoveCommands(int step);

    Project& project_;
    ConfigTree& tree_;
    CBriskView& view_;
    UndoHistory& history_;
    std::function<QString()> documentPath_;
    QWidget* window_;
};

} // namespace varkel
