#include "ui/ConfigTree.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHeaderView>

namespace varkel {

namespace {
constexpr int kKindRole = Qt::UserRole;
constexpr int kObjectRole = Qt::UserRole + 1;
constexpr int kImageRole = Qt::UserRole + 2;
} // namespace

ConfigTree::ConfigTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("configurationTree"));
    setColumnCount(1);
    header()->hide();
    setIconSize(QSize(18, 18));
    setRootIsDecorated(true);
    // Several commands at once for Delete, Copy and Move.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setUniformRowHeights(true);
    icons_ = {QIcon(QStringLiteral(":/icons/tree-folder.svg")),
              QIcon(QStringLiteral(":/icons/tree-node.svg")),
              QIcon(QStringLiteral(":/icons/tree-command.svg"))};
}

void ConfigTree::DeleteAll() {
    // Moving the selection away first reports it like a user's click, so the
    // grid lets go of the rows before the entries disappear.
    setCurrentItem(nullptr);
    clear();
}

TreeSink::Handle ConfigTree::Insert(Handle parent, const std::string& label, int image,
                                    const TreeEntry& entry) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, QString::fromStdString(label));
    item->setIcon(0, Image(image));
    item->setData(0, kKindRole, static_cast<int>(entry.kind));
    item->setData(0, kObjectRole, QVariant::fromValue(reinterpret_cast<quintptr>(entry.object)));
    item->setData(0, kImageRole, image);
    if (QTreeWidgetItem* parentItem = ItemOf(parent))
        parentItem->addChild(item);
    else
        addTopLevelItem(item);
    return HandleOf(item);
}

void ConfigTree::ExpandAll() {
    expandAll();
}

bool ConfigTree::HasEntry(const QTreeWidgetItem* item) {
    return item && item->data(0, kKindRole).toInt() != TreeEntry::None;
}

TreeEntry ConfigTree::EntryOf(const QTreeWidgetItem* item) {
    TreeEntry entry;
    if (!item)
        return entry;
    entry.kind = static_cast<TreeEntry::Kind>(item->data(0, kKindRole).toInt());
    entry.object = reinterpret_cast<void*>(item->data(0, kObjectRole).value<quintptr>());
    return entry;
}

int ConfigTree::ImageOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kImageRole).toInt() : -1;
}

QIcon ConfigTree::Image(int image) const {
    if (image < 0 || image >= int(icons_.size()))
        return QIcon();
    return icons_[std::size_t(image)];
}

void ConfigTree::focusInEvent(QFocusEvent* event) {
    // Qt makes the first entry current when the tree gets the focus with
    // none current (start-up, a closed dialog after an upload); that entry is
    // not selected, yet the grid would list it. Nothing becomes current until
    // the user picks an entry: the arrow keys start at the first one.
    if (!currentItem() && event->reason() != Qt::MouseFocusReason) {
        QFocusEvent asByMouse(event->type(), Qt::MouseFocusReason);
        QTreeWidget::focusInEvent(&asByMouse);
        return;
    }
    QTreeWidget::focusInEvent(event);
}

void ConfigTree::contextMenuEvent(QContextMenuEvent* event) {
    emit RightClicked(event->pos());
    event->accept();
}

} // namespace varkel
