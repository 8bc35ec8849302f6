#pragma once
#include "model/Sinks.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLineEdit;
class QTreeWidgetItem;

namespace varkel {

struct CommitResult;
class CConfigApp;
class CUpDownDlg;
class CMainFrame;
class ConfigTree;
class ParamGrid;
class ParamItem;

// The form in the middle of the main window: the parameter grid of the
// object selected in the tree, and the commands that change the tree.
class CBriskView : public QWidget {
    Q_OBJECT
public:
    CBriskView(CConfigApp& app, CMainFrame& frame, QWidget* parent = nullptr);

    ParamGrid* Grid() const { return grid_; }

    // Selection state.
    QTreeWidgetItem* SelectedItem() const { return selectedItem_; }
    TreeEntry::Kind SelectedKind() const { return selectedKind_; }
    const TreeEntry& SelectedEntry() const { return selectedEntry_; }
    ParamItem* ClickedItem() const { return clickedItem_; }
    int EditedRow() const { return editedRow_; }

    // Empties the grid and the annotation pane.
    void ClearGrid();
    // Lists the entry's object in the grid.
    void ListObject(const TreeEntry& entry);
    // Forgets the selection and the grid's editing state.
    void ResetSelection();

    // Tree events.
    void OnSelectionChanged(QTreeWidgetItem* current);
    void OnTreeRightClick(const QPoint& position);

    // Edit commands.
    void OnAddNode();
    void OnDeleteNode();
    void OnAddCommand();
    void AddCommandOfFunctionIndex(int functionIndex);
    void OnDeleteCommand();
    void OnAutoMapping();
    void OnExportXls();
    void OnUpload();
    void OnDownload();
    void OnConflictDetect();

    // Whether each command is enabled now.
    bool CanAddNode() const;
    bool CanDeleteNode() const;
    bool CanAddCommand() const;
    bool CanDeleteCommand() const;
    bool CanAutoMap() const;
    bool CanDetectConflicts() const;

    // The in-place editors of the grid's value cells.
    QLineEdit* ValueEdit() const { return edit_; }
    QComboBox* ValueChooser() const { return chooser_; }
    // Opens the editor of a cell as a click on it does; F2, Return and
    // Up/Down on the grid come here too.
    void OnGridClicked(int row, int column);
    // Commits the open editor, as leaving it does; false when none was open.
    bool CommitEditor();
    // Hides the open editor without committing.
    void CloseEditor();

    // Called with each transfer dialog before it is shown (tests answer it).
    static void SetTransferDialogHook(std::function<void(CUpDownDlg&)> hook);

    // The file name the export dialog chose, with ".xlsx" unless it has it.
    static QString WithXlsxSuffix(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Editor { None, Line, Choice };

    void OpenTransfer(int mode);
    void AfterUpload();
    void CommitTypedValue();
    void CommitChoice(int index);
    void ApplyCommit(const CommitResult& result, const TreeEntry& entry, int row);
    void PlaceEditor();
    void HideEditor(QWidget* editor);
    void MarkModified();
    void AfterRemoval();

    CConfigApp& app_;
    CMainFrame& frame_;
    ParamGrid* grid_;
    QTreeWidgetItem* selectedItem_ = nullptr;
    TreeEntry::Kind selectedKind_ = TreeEntry::None;
    ParamItem* clickedItem_ = nullptr;
    TreeEntry selectedEntry_;
    TreeEntry editedEntry_;
    int editedRow_ = 0;
    QLineEdit* edit_ = nullptr;
    QComboBox* chooser_ = nullptr;
    Editor openEditor_ = Editor::None;
};

} // namespace varkel
