#pragma once
#include "ui/TreeFill.h"

#include <QIcon>
#include <QTreeWidget>

#include <array>

namespace varkel {

// The configuration tree: one entry per fieldbus, subnet, node and command,
// each carrying the tree entry of the object it stands for.
class ConfigTree : public QTreeWidget, public TreeSink {
    Q_OBJECT
public:
    explicit ConfigTree(QWidget* parent = nullptr);

    void DeleteAll() override;
    Handle Insert(Handle parent, const std::string& label, int image,
                  const TreeEntry& entry) override;
    void ExpandAll() override;

    static QTreeWidgetItem* ItemOf(Handle handle) {
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
