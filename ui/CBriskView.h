#pragma once
#include "model/TreeEntry.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QTreeWidgetItem;

namespace varkel {

struct CommitResult;
struct RefusedValue;
class ConfigTree;
class ParamDelegate;
class ParamGrid;
class ParamItem;

// The form in the middle of the main window: the parameter grid of the
// object selected in the tree. It shows; a value entered is handed on
// (ValueEntered) to what changes the configuration, the help of a row goes
// out as HelpText.
class CBriskView : public QWidget {
    Q_OBJECT
public:
    // The tree whose selection the view lists.
    explicit CBriskView(ConfigTree& tree, QWidget* parent = nullptr);

    ParamGrid* Grid() const { return grid_; }
    // Where the view learns which stored values are outside their range, to
    // mark their cells.
    void SetRefusedValues(std::function<std::vector<RefusedValue>()> source) {
        refusedValues_ = std::move(source);
    }
    // Marks the rows listed: a value outside its range red with the range
    // accepted, a row that cannot be edited grey with the reason.
    void MarkRows();

    // Selection state.
    QTreeWidgetItem* SelectedItem() const { return selectedItem_; }
    TreeEntry::Kind SelectedKind() const { return selectedKind_; }
    const TreeEntry& SelectedEntry() const { return selectedEntry_; }
    ParamItem* ClickedItem() const { return clickedItem_; }
    int EditedRow() const { return editedRow_; }
    void SetSelectedItem(QTreeWidgetItem* item) { selectedItem_ = item; }
    // After a removal from the tree: the current entry takes the selection
    // over, or nothing is selected.
    void ForgetRemoved(QTreeWidgetItem* current);

    // Empties the grid and the annotation pane.
    void ClearGrid();
    // Lists the entry's object in the grid.
    void ListObject(const TreeEntry& entry);
    // Forgets the selection and the grid's editing state.
    void ResetSelection();
    // Shows what a commit of a row of the entry's object did.
    void ShowCommit(const CommitResult& result, const TreeEntry& entry, int row);

    // Tree events.
    void OnSelectionChanged(QTreeWidgetItem* current);
    void OnTreeRightClick(const QPoint& position);

    // The in-place editors of the grid's value cells.
    QLineEdit* ValueEdit() const;
    QComboBox* ValueChooser() const;
    // Shows the row's help and opens the editor of a value cell, as a click
    // on it does; F2, Return and Up/Down on the grid come here too.
    void OnGridClicked(int row, int column);
    // Commits the open editor, as leaving it does; false when none was open.
    bool CommitEditor();
    // Hides the open editor without committing.
    void CloseEditor();
    // Opens the row's editor again with a text the configuration refused,
    // while the entry's object is still the one listed.
    void ReopenEditor(const TreeEntry& entry, int row, const QString& text);

signals:
    // A value committed in the grid, once its editor is closed.
    void ValueEntered(const TreeEntry& entry, int row, const std::string& text);
    // The help of the row clicked, or empty when the grid was emptied.
    void HelpText(const QString& text);
    // The selection changed: what the commands can do may have too.
    void SelectionChanged();
    // A right click on an entry: the tree's menu at a global position.
    void ContextMenuWanted(const QPoint& globalPosition);

private:
    struct Entered {
        TreeEntry entry;
        int row = 0;
        std::string text;
    };

    void OnValueEntered(int row, const QString& text, bool picked, bool nothingChosen);
    void StorePendingValue();
    // A row's value as the grid shows it, in the active language where it is
    // a key's text.
    void ShowValue(const TreeEntry& entry, int row);

    ConfigTree& tree_;
    std::function<std::vector<RefusedValue>()> refusedValues_;
    ParamGrid* grid_;
    ParamDelegate* delegate_;
    QTreeWidgetItem* selectedItem_ = nullptr;
    TreeEntry::Kind selectedKind_ = TreeEntry::None;
    ParamItem* clickedItem_ = nullptr;
    TreeEntry selectedEntry_;
    TreeEntry editedEntry_;
    int editedRow_ = 0;
    // A value committed by its editor, stored once the editor is closed.
    std::optional<Entered> pending_;
    // The text last refused and given back in its editor: committed again
    // unchanged (the editor left once more), it is given up, not reported
    // over and over.
    std::optional<Entered> refused_;
};

} // namespace varkel
