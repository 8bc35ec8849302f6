#pragma once
#include "model/Sinks.h"

#include <QWidget>

class QTreeWidgetItem;

namespace varkel {

class CConfigApp;
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
    int SelectedKind() const { return selectedKind_; }
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

    // Whether each command is enabled now.
    bool CanAddNode() const;
    bool CanDeleteNode() const;
    bool CanAddCommand() const;
    bool CanDeleteCommand() const;
    bool CanAutoMap() const;

    // The file name the export dialog chose, with ".xlsx" unless it has it.
    static QString WithXlsxSuffix(const QString& path);

private:
    void OnGridClicked(int row, int column);
    void MarkModified();
    void AfterRemoval();

    CConfigApp& app_;
    CMainFrame& frame_;
    ParamGrid* grid_;
    QTreeWidgetItem* selectedItem_ = nullptr;
    int selectedKind_ = 0;
    ParamItem* clickedItem_ = nullptr;
    TreeEntry selectedEntry_;
    TreeEntry editedEntry_;
    int editedRow_ = 0;
};

} // namespace varkel
