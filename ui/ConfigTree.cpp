#include "ui/ConfigTree.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFont>
#include <QHash>
#include <QHeaderView>
#include <QHelpEvent>
#include <QStyledItemDelegate>
#include <QToolTip>

#include "model/Catalog.h"
#include "model/Command.h"
#include "model/FunctionCode.h"
#include "model/Node.h"
#include "model/ParamItem.h"
#include "model/Project.h"
#include "model/TextTable.h"
#include "ui/ProgramIcon.h"
#include "ui/UiText.h"

#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace varkel {

namespace {
constexpr int kKindRole = Qt::UserRole;
constexpr int kEntryRole = Qt::UserRole + 1;
constexpr int kImageRole = Qt::UserRole + 2;

// The column is as wide as the widest entry, and Qt measures every entry
// again on each layout (four times while the window first shows), laying
// out its text each time. Entries with the same text, picture and font are
// as wide as each other: each such entry is measured once.
class MeasuredOnce : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        // The font's own key is a long text built anew on each call; the
        // view hands the same font every time, so it is built once.
        if (!(option.font == font_) || fontKey_.isEmpty()) {
            font_ = option.font;
            fontKey_ = font_.key();
        }
        const QString key = index.data(Qt::DisplayRole).toString() + QChar(0x1f) +
                            QString::number(index.data(kImageRole).toInt()) + QChar(0x1f) +
                            fontKey_ + QChar(0x1f) + QString::number(option.decorationSize.width());
        if (auto found = sizes_.constFind(key); found != sizes_.cend())
            return *found;
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        // A bound, for a tree whose entries are renamed over and over.
        if (sizes_.size() >= kMostSizes)
            sizes_.clear();
        sizes_.insert(key, size);
        return size;
    }

private:
    static constexpr qsizetype kMostSizes = 4096;
    mutable QHash<QString, QSize> sizes_;
    mutable QFont font_;
    mutable QString fontKey_;
};

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
    // Entries keep their whole text: the column is as wide as the longest,
    // and the tree scrolls sideways when the pane is narrower.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextElideMode(Qt::ElideNone);
    setItemDelegate(new MeasuredOnce(this));
    icons_ = {ProgramIcon("tree-folder"), ProgramIcon("tree-node"), ProgramIcon("tree-command")};
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
    item->setData(0, kKindRole, static_cast<int>(entry.GetKind()));
    item->setData(0, kEntryRole, QVariant::fromValue(entry));
    item->setData(0, kImageRole, image);
    if (QTreeWidgetItem* parentItem = ItemOfHandle(parent))
        parentItem->addChild(item);
    else
        addTopLevelItem(item);
    return HandleOf(item);
}

void ConfigTree::ExpandAll() {
    expandAll();
}

void ConfigTree::Rebuild(Project& project) {
    BuildTree(project, *this);
}

QList<int> ConfigTree::CurrentPath() const {
    QList<int> path;
    for (QTreeWidgetItem* item = currentItem(); item; item = item->parent())
        path.prepend(item->parent() ? item->parent()->indexOfChild(item)
                                    : indexOfTopLevelItem(item));
    return path;
}

QTreeWidgetItem* ConfigTree::SelectPath(const QList<int>& path) {
    QTreeWidgetItem* item = nullptr;
    for (int i = 0; i < path.size(); ++i) {
        const int at = path[i];
        QTreeWidgetItem* next =
            !item ? topLevelItem(at)
                  : (at >= 0 && at < item->childCount() ? item->child(at) : nullptr);
        if (!next && item && item->childCount() > 0)
            next = item->child(item->childCount() - 1);
        if (!next)
            break;
        item = next;
    }
    setCurrentItem(item);
    return item;
}

QTreeWidgetItem* ConfigTree::ItemOf(const TreeEntry& entry) {
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        if (HasEntry(*it) && EntryOf(*it) == entry)
            return *it;
    return nullptr;
}

void ConfigTree::Rename(const TreeEntry& entry, const QString& label) {
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        if (HasEntry(*it) && EntryOf(*it) == entry)
            (*it)->setText(0, label);
}

std::vector<Command*> ConfigTree::SelectedCommands(Node** nodeOut) const {
    std::vector<Command*> commands;
    QTreeWidgetItem* current = currentItem();
    if (nodeOut)
        *nodeOut = nullptr;
    if (!current)
        return commands;
    QTreeWidgetItem* nodeItem =
        EntryOf(current).GetKind() == TreeEntry::NodeKind ? current : current->parent();
    Node* node = EntryOf(nodeItem).AsNode();
    if (!node)
        return commands;
    if (nodeOut)
        *nodeOut = node;
    for (int i = 0; i < nodeItem->childCount(); ++i) {
        QTreeWidgetItem* child = nodeItem->child(i);
        if (child->isSelected() || child == current)
            if (Command* command = EntryOf(child).AsCommand())
                commands.push_back(command);
    }
    std::sort(commands.begin(), commands.end(), [node](const Command* a, const Command* b) {
        return node->IndexOfCommand(a) < node->IndexOfCommand(b);
    });
    return commands;
}

QTreeWidgetItem* ConfigTree::SelectCommands(Node* node, const std::vector<Command*>& commands) {
    QTreeWidgetItem* first =
        commands.empty() ? ItemOf(TreeEntry(node)) : ItemOf(TreeEntry(commands.front()));
    setCurrentItem(first);
    for (Command* command : commands)
        if (QTreeWidgetItem* item = ItemOf(TreeEntry(command)))
            item->setSelected(true);
    return first;
}

void ConfigTree::TakeOverSelection(QTreeWidgetItem* parent, int at) {
    // The tree leaves nothing current when several entries could be
    // selected.
    if (currentItem() || !parent)
        return;
    QTreeWidgetItem* next = parent->childCount() == 0   ? parent
                            : at < parent->childCount() ? parent->child(at)
                                                        : parent->child(parent->childCount() - 1);
    setCurrentItem(next);
}

bool ConfigTree::HasEntry(const QTreeWidgetItem* item) {
    return item && item->data(0, kKindRole).toInt() != TreeEntry::None;
}

TreeEntry ConfigTree::EntryOf(const QTreeWidgetItem* item) {
    if (!item)
        return TreeEntry();
    return item->data(0, kEntryRole).value<TreeEntry>();
}

int ConfigTree::ImageOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kImageRole).toInt() : -1;
}

QIcon ConfigTree::Image(int image) const {
    if (image < 0 || image >= int(icons_.size()))
        return QIcon();
    return icons_[std::size_t(image)];
}

QString ConfigTree::ToolTipOf(const QTreeWidgetItem* item) {
    const Command* command = HasEntry(item) ? EntryOf(item).AsCommand() : nullptr;
    if (!command)
        return QString();
    auto value = [command](int row) {
        const ParamItem* p = command->GetItem(row);
        return p ? p->GetValue() : std::string();
    };
    QStringList lines;
    if (const Node* node = item->parent() ? EntryOf(item->parent()).AsNode() : nullptr)
        if (const ParamItem* slave = node->GetItem(0))
            lines << tr("Slave: %1").arg(Q(slave->GetValue()));
    lines << tr("Function: %1").arg(Local(FactsOfIndex(command->GetFunctionIndex()).nameKey));
    if (command->GetItem(Command::RegisterRow)) {
        const ParamItem* start = command->GetItem(Command::RegisterRow);
        const ParamItem* count = command->GetItem(Command::DataNumberRow);
        const int n = count ? count->IntValue() : 0;
        const std::string last =
            n > 0 ? std::to_string(static_cast<long long>(start->IntValue()) + n - 1) : "?";
        lines << tr("Registers: %1–%2 (%3)")
                     .arg(Q(start->GetValue()), Q(last), count ? Q(count->GetValue()) : QString());
    }
    if (command->GetItem(Command::MappingRow)) {
        std::uint32_t address = 0;
        int offset = 0;
        int bits = 0;
        int direction = 0;
        command->GetMappingBits(address, offset, bits, direction);
        lines << tr("Mapping: %1 bit offset %2, %3 bits")
                     .arg(Q(value(Command::MappingRow)), QString::number(offset),
                          QString::number(bits));
    }
    if (!value(Command::MnemonicRow).empty())
        lines << tr("Mnemonic: %1").arg(Q(value(Command::MnemonicRow)));
    return lines.join(QLatin1Char('\n'));
}

bool ConfigTree::viewportEvent(QEvent* event) {
    // Worked out when asked, so that it shows the values as edited since.
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = ToolTipOf(itemAt(help->pos()));
        if (!tip.isEmpty()) {
            QToolTip::showText(help->globalPos(), tip, viewport());
            return true;
        }
    }
    return QTreeWidget::viewportEvent(event);
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
    // From the menu key: the menu opens at the current entry.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        if (QTreeWidgetItem* current = currentItem())
            emit RightClicked(visualItemRect(current).center());
        event->accept();
        return;
    }
    emit RightClicked(event->pos());
    event->accept();
}

} // namespace varkel
