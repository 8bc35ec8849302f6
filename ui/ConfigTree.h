#pragma once
#include "ui/TreeFill.h"

#include <QIcon>
#include <QList>
#include <QTreeWidget>

#include <array>
#include <vector>

namespace varkel {

class Command;
class Node;
class Project;

// The configuration tree: one entry per fieldbus, subnet, node and command,
// each carrying the tree entry of the object it stands for. It keeps itself
// in step with the configuration: built anew, entries found, renamed and
// selected by the object or by position.
class ConfigTree : public QTreeWidget, public TreeSink {
    Q_OBJECT
public:
    explicit ConfigTree(QWidget* parent = nullptr);

    void DeleteAll() override;
    Handle Insert(Handle parent, const std::string& label, int image,
                  const TreeEntry& entry) override;
    void ExpandAll() override;

    // Builds the tree from the project and expands it.
    void Rebuild(Project& project);
    // The child positions from the top of the tree to the current entry.
    QList<int> CurrentPath() const;
    // Makes the entry at the path current, or as much of the path as
    // exists; a position past the end of a level stands for its last entry.
    // Returns the entry made current.
    QTreeWidgetItem* SelectPath(const QList<int>& path);
    // The entry that stands for the object, or nullptr.
    QTreeWidgetItem* ItemOf(const TreeEntry& entry);
    // Labels every entry of the object anew (a node named after its address).
    void Rename(const TreeEntry& entry, const QString& label);
    // The commands selected under the current entry's node, in their order,
    // and that node (nullptr when the current entry is not in a node).
    std::vector<Command*> SelectedCommands(Node** node = nullptr) const;
    // Makes the first of the node's commands current (the node itself when
    // there are none) and selects them all.
    QTreeWidgetItem* SelectCommands(Node* node, const std::vector<Command*>& commands);
    // After entries were removed from parent at position at, with nothing
    // current: the entry now in that place takes over, else the one before
    // it, else the parent.
    void TakeOverSelection(QTreeWidgetItem* parent, int at);

    static QTreeWidgetItem* ItemOfHandle(Handle handle) {
        return reinterpret_cast<QTreeWidgetItem*>(handle);
    }
    static Handle HandleOf(QTreeWidgetItem* item) { return reinterpret_cast<Handle>(item); }
    // Whether the entry carries a tree entry, and the entry.
    static bool HasEntry(const QTreeWidgetItem* item);
    static TreeEntry EntryOf(const QTreeWidgetItem* item);
    // The entry's image, 0 to 2.
    static int ImageOf(const QTreeWidgetItem* item);
    // The icon of an image, 0 to 2; null for any other.
    QIcon Image(int image) const;
    // What tells a command entry from its look-alikes: slave, function,
    // registers, mapping and mnemonic, one a line; empty for other entries.
    static QString ToolTipOf(const QTreeWidgetItem* item);

signals:
    // A right click at a point of the viewport.
    void RightClicked(const QPoint& position);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    // Made once: every entry shares them, rather than reading and rendering
    // its own copy of the picture.
    std::array<QIcon, 3> icons_;
};

} // namespace varkel
