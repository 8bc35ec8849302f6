#include "ui/ViewController.h"

#include "model/Catalog.h"
#include "model/CommitRules.h"
#include "model/FunctionCode.h"
#include "model/ItemKeys.h"
#include "model/Messages.h"
#include "model/Node.h"
#include "model/ParamItem.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "ui/CBriskView.h"
#include "ui/CConfigApp.h"
#include "ui/CConflictDlg.h"
#include "ui/CDovelDoc.h"
#include "ui/CMainFrame.h"
#include "ui/CUpDownDlg.h"
#include "ui/CommandClipboard.h"
#include "ui/ConfigTree.h"
#include "ui/ImportDialog.h"
#include "ui/SelectCommandDialog.h"
#include "ui/SnapshotCommand.h"
#include "ui/UserDialogs.h"
#include "ui/WorkbookExportCall.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTreeWidgetItemIterator>
#include <QUndoStack>
#include <QUrl>

#include <algorithm>

namespace varkel {

namespace {

std::function<void(CUpDownDlg&)>& TransferDialogHook() {
    static std::function<void(CUpDownDlg&)> hook;
    return hook;
}

} // namespace

namespace {
QString Q(Msg msg, std::initializer_list<std::string> args = {}) {
    return QString::fromStdString(args.size() ? Text(msg, args) : Text(msg));
}
} // namespace

ViewController::ViewController(CConfigApp& app, CMainFrame& frame, CBriskView& view)
    : QObject(&frame), app_(app), frame_(frame), view_(view), undo_(new QUndoStack(this)) {
    // Undoing back to the saved state clears the modified flag.
    connect(undo_, &QUndoStack::cleanChanged, this, [this](bool clean) {
        app_.SetModified(!clean);
        frame_.UpdateActions();
    });
}

void ViewController::MarkSaved() {
    undo_->setClean();
}

void ViewController::ForgetHistory() {
    undo_->clear();
    // Called once a file or a new configuration took the old one's place.
    emit ConfigurationChanged();
}

bool ViewController::Record(const QString& text, const std::function<bool()>& change) {
    auto before = std::make_unique<Project>();
    before->CopyFrom(app_.GetProject());
    const QList<int> beforePath = CurrentPath();
    if (!change())
        return false;
    auto after = std::make_unique<Project>();
    after->CopyFrom(app_.GetProject());
    undo_->push(new SnapshotCommand(
        text, std::move(before), beforePath, std::move(after), CurrentPath(),
        [this](const Project& state, const QList<int>& path) { RestoreState(state, path); }));
    // A change that leaves the flag as it was (the stack was not clean) still
    // changes what can be done.
    app_.SetModified(!undo_->isClean());
    frame_.UpdateActions();
    emit ConfigurationChanged();
    return true;
}

void ViewController::RestoreState(const Project& state, const QList<int>& path) {
    // A value still being typed belongs to the state being left.
    view_.CloseEditor();
    Project copy;
    copy.CopyFrom(state);
    app_.GetProject().TakeFrom(copy);
    frame_.RebuildTree();
    view_.ClearGrid();
    view_.ResetSelection();
    SelectPath(path);
    // The tree and the grid show only the restored objects now.
    app_.GetProject().ReleaseRetired();
    frame_.UpdateActions();
    emit ConfigurationChanged();
}

QList<int> ViewController::CurrentPath() const {
    QList<int> path;
    const QTreeWidget* tree = frame_.Tree();
    for (QTreeWidgetItem* item = tree->currentItem(); item; item = item->parent())
        path.prepend(item->parent() ? item->parent()->indexOfChild(item)
                                    : tree->indexOfTopLevelItem(item));
    return path;
}

void ViewController::SelectPath(const QList<int>& path) {
    ConfigTree* tree = frame_.Tree();
    QTreeWidgetItem* item = nullptr;
    for (int i = 0; i < path.size(); ++i) {
        const int at = path[i];
        QTreeWidgetItem* next =
            !item ? tree->topLevelItem(at)
                  : (at >= 0 && at < item->childCount() ? item->child(at) : nullptr);
        // A position past the end stands for the last entry of that level.
        if (!next && item && item->childCount() > 0)
            next = item->child(item->childCount() - 1);
        if (!next)
            break;
        item = next;
    }
    tree->setCurrentItem(item);
    view_.SetSelectedItem(item);
}

QTreeWidgetItem* ViewController::ItemOf(const TreeEntry& entry) const {
    for (QTreeWidgetItemIterator it(frame_.Tree()); *it; ++it)
        if (ConfigTree::HasEntry(*it) && ConfigTree::EntryOf(*it) == entry)
            return *it;
    return nullptr;
}

std::vector<Command*> ViewController::SelectedCommands(Node** nodeOut) const {
    std::vector<Command*> commands;
    QTreeWidgetItem* current = frame_.Tree()->currentItem();
    if (nodeOut)
        *nodeOut = nullptr;
    if (!current)
        return commands;
    QTreeWidgetItem* nodeItem =
        ConfigTree::EntryOf(current).GetKind() == TreeEntry::NodeKind ? current : current->parent();
    Node* node = ConfigTree::EntryOf(nodeItem).AsNode();
    if (!node)
        return commands;
    if (nodeOut)
        *nodeOut = node;
    for (int i = 0; i < nodeItem->childCount(); ++i) {
        QTreeWidgetItem* child = nodeItem->child(i);
        if (child->isSelected() || child == current)
            if (Command* command = ConfigTree::EntryOf(child).AsCommand())
                commands.push_back(command);
    }
    std::sort(commands.begin(), commands.end(), [node](const Command* a, const Command* b) {
        return node->IndexOfCommand(a) < node->IndexOfCommand(b);
    });
    return commands;
}

bool ViewController::CanAddNode() const {
    const Subnet& subnet = app_.GetProject().GetSubnet();
    return view_.SelectedKind() == TreeEntry::SubnetKind &&
           subnet.GetProtocolType() != ProtocolType::Universal && subnet.GetNodeCount() == 0;
}

bool ViewController::CanDeleteNode() const {
    return view_.SelectedKind() == TreeEntry::NodeKind;
}

bool ViewController::CanAddCommand() const {
    return view_.SelectedKind() == TreeEntry::NodeKind;
}

bool ViewController::CanDeleteCommand() const {
    return view_.SelectedKind() == TreeEntry::CommandKind;
}

bool ViewController::CanAutoMap() const {
    return app_.GetProject().GetSubnet().GetProtocolType() == ProtocolType::ModbusMaster;
}

bool ViewController::CanDetectConflicts() const {
    return app_.GetProject().GetSubnet().GetProtocolType() == ProtocolType::ModbusMaster;
}

void ViewController::OnAddNode() {
    if (!CanAddNode())
        return;
    Record(Q(Msg::EditAddNode), [this] {
        ConfigTree* tree = frame_.Tree();
        Node* node = app_.GetProject().GetSubnet().CreateNode();
        if (!node)
            return false;
        if (!view_.SelectedItem() && tree->topLevelItemCount() > 1) {
            tree->setCurrentItem(tree->topLevelItem(1));
            view_.SetSelectedItem(tree->topLevelItem(1));
        }
        QTreeWidgetItem* parent = view_.SelectedItem();
        if (parent) {
            tree->Insert(ConfigTree::HandleOf(parent), node->GetName(), NodeImage, TreeEntry(node));
            tree->ExpandAll();
        }
        return true;
    });
}

void ViewController::OnDeleteNode() {
    QTreeWidgetItem* selected = view_.SelectedItem();
    if (view_.SelectedKind() != TreeEntry::NodeKind || !selected)
        return;
    Node* node = ConfigTree::EntryOf(selected).AsNode();
    ConfigObject* owner = ConfigTree::EntryOf(selected->parent()).AsConfigObject();
    if (!node || !owner)
        return;
    // The node's commands go with it: a slip of the key must not cost them.
    if (node->GetCommandCount() > 0 &&
        AskQuestion(Text(Msg::EditDeleteNodeAsk,
                         {node->GetName(), std::to_string(node->GetCommandCount())}),
                    Buttons::YesNo) != Answer::Yes)
        return;
    Record(Q(Msg::EditDeleteNode, {node->GetName()}), [&] {
        if (owner->RemoveNode(node) != 1)
            return false;
        QTreeWidgetItem* parent = selected->parent();
        const int at = parent->indexOfChild(selected);
        delete selected;
        TakeOverSelection(parent, at);
        AfterRemoval();
        return true;
    });
}

void ViewController::OnDeleteSelected() {
    if (CanDeleteNode())
        OnDeleteNode();
    else if (CanDeleteCommand())
        OnDeleteCommand();
}

void ViewController::OnAddCommand() {
    if (!CanAddCommand())
        return;
    SelectCommandDialog dialog([this](int index) { AddCommandOfFunctionIndex(index); }, &frame_);
    dialog.exec();
}

void ViewController::AddCommandOfFunctionIndex(int functionIndex) {
    QTreeWidgetItem* selected = view_.SelectedItem();
    Node* node = view_.SelectedKind() == TreeEntry::NodeKind && selected
                     ? ConfigTree::EntryOf(selected).AsNode()
                     : nullptr;
    // The gateway keeps the commands of the first node; a node read from a
    // file may be another one, and it must not grow past the same limit.
    if (app_.GetProject().GetCommandCount() >= kMaxCommands ||
        (node && node->GetCommandCount() >= kMaxCommands)) {
        ShowMessage(LocalText(kKeyAtMost48Commands));
        return;
    }
    if (!node)
        return;
    Record(Q(Msg::EditAddCommand, {LocalText(FactsOfIndex(functionIndex).nameKey)}), [&] {
        Command* command = node->CreateCommand(functionIndex);
        if (!command)
            return false;
        ConfigTree* tree = frame_.Tree();
        tree->Insert(ConfigTree::HandleOf(selected), command->GetName(), CommandImage,
                     TreeEntry(command));
        tree->ExpandAll();
        return true;
    });
}

void ViewController::OnDeleteCommand() {
    QTreeWidgetItem* selected = view_.SelectedItem();
    if (view_.SelectedKind() != TreeEntry::CommandKind || !selected)
        return;
    // Only commands of a node can go; those held by the fieldbus or the
    // subnet themselves stay.
    Node* node = nullptr;
    const std::vector<Command*> commands = SelectedCommands(&node);
    if (commands.empty() || !node)
        return;
    Record(Q(Msg::EditDeleteCommands), [&] {
        QTreeWidgetItem* parent = selected->parent();
        const int at = parent->indexOfChild(ItemOf(TreeEntry(commands.front())));
        for (Command* command : commands) {
            if (node->RemoveCommand(command) != 1)
                continue;
            delete ItemOf(TreeEntry(command));
        }
        TakeOverSelection(parent, at);
        AfterRemoval();
        return true;
    });
}

bool ViewController::CanCopy() const {
    return !SelectedCommands().empty();
}

bool ViewController::CanPaste() const {
    Node* node = nullptr;
    SelectedCommands(&node);
    return node != nullptr;
}

bool ViewController::CanMove(int step) const {
    Node* node = nullptr;
    const std::vector<Command*> commands = SelectedCommands(&node);
    if (commands.empty())
        return false;
    return step < 0 ? node->IndexOfCommand(commands.front()) > 0
                    : node->IndexOfCommand(commands.back()) < node->GetCommandCount() - 1;
}

void ViewController::OnCopy() {
    const std::vector<Command*> commands = SelectedCommands();
    if (commands.empty())
        return;
    CommandClipboard::Put(std::vector<const Command*>(commands.begin(), commands.end()));
}

void ViewController::OnPaste() {
    Node* node = nullptr;
    const std::vector<Command*> selected = SelectedCommands(&node);
    if (!node)
        return;
    CommandList commands = CommandClipboard::Take();
    if (commands.empty()) {
        ShowMessage(Text(Msg::EditNothingToPaste));
        return;
    }
    // After the selected commands, or at the end when the node is selected.
    const int at =
        selected.empty() ? node->GetCommandCount() : node->IndexOfCommand(selected.back()) + 1;
    InsertCommands(node, at, std::move(commands), Q(Msg::EditPasteCommands));
}

void ViewController::OnDuplicate() {
    Node* node = nullptr;
    const std::vector<Command*> selected = SelectedCommands(&node);
    if (selected.empty())
        return;
    CommandList copies;
    for (const Command* command : selected)
        copies.push_back(command->Clone());
    InsertCommands(node, node->IndexOfCommand(selected.back()) + 1, std::move(copies),
                   Q(Msg::EditDuplicateCommands));
}

bool ViewController::InsertCommands(Node* node, int index, CommandList commands,
                                    const QString& text) {
    view_.CommitEditor();
    const int added = int(commands.size());
    // The same limit as for a command added one at a time, for the whole
    // configuration and for the node.
    if (app_.GetProject().GetCommandCount() + added > kMaxCommands ||
        node->GetCommandCount() + added > kMaxCommands) {
        ShowMessage(LocalText(kKeyAtMost48Commands));
        return false;
    }
    return Record(text, [&] {
        std::vector<Command*> inserted;
        for (auto& command : commands) {
            Command* raw = command.get();
            if (node->InsertCommand(index, std::move(command)) == 1) {
                inserted.push_back(raw);
                ++index;
            }
        }
        if (inserted.empty())
            return false;
        ShowCommands(node, inserted);
        return true;
    });
}

void ViewController::OnMoveUp() {
    MoveCommands(-1);
}

void ViewController::OnMoveDown() {
    MoveCommands(1);
}

void ViewController::MoveCommands(int step) {
    if (!CanMove(step))
        return;
    view_.CommitEditor();
    Node* node = nullptr;
    const std::vector<Command*> commands = SelectedCommands(&node);
    Record(Q(step < 0 ? Msg::EditMoveUp : Msg::EditMoveDown), [&] {
        // Each one passes the neighbour that is not moving; the block keeps
        // its order.
        const int n = int(commands.size());
        for (int k = 0; k < n; ++k) {
            const Command* command = commands[std::size_t(step < 0 ? k : n - 1 - k)];
            const int at = node->IndexOfCommand(command);
            node->SwapCommands(at, at + step);
        }
        ShowCommands(node, commands);
        return true;
    });
}

void ViewController::ShowCommands(Node* node, const std::vector<Command*>& commands) {
    ConfigTree* tree = frame_.Tree();
    frame_.RebuildTree();
    view_.ResetSelection();
    QTreeWidgetItem* first =
        commands.empty() ? ItemOf(TreeEntry(node)) : ItemOf(TreeEntry(commands.front()));
    tree->setCurrentItem(first);
    view_.SetSelectedItem(first);
    for (Command* command : commands)
        if (QTreeWidgetItem* item = ItemOf(TreeEntry(command)))
            item->setSelected(true);
    app_.GetProject().ReleaseRetired();
    frame_.UpdateActions();
}

void ViewController::OnAutoMapping() {
    if (!CanAutoMap())
        return;
    // An address still in its editor is settled first; left open, it would
    // later write the old address over the recalculated one.
    view_.CommitEditor();
    if (AskQuestion(LocalText(kKeyReallyRecalculateMapping), Buttons::YesNo) != Answer::Yes)
        return;
    Record(Q(Msg::EditAutoMapping), [this] {
        std::string overflow;
        if (!app_.GetProject().AutoMap(&overflow))
            ShowMessage(overflow);
        return true;
    });
    // Show the new addresses at once.
    if (view_.SelectedItem())
        view_.ListObject(view_.SelectedEntry());
}

QString ViewController::WithXlsxSuffix(const QString& path) {
    if (path.isEmpty() || path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        return path;
    return path + QLatin1String(".xlsx");
}

void ViewController::OnExportXls() {
    // A value being typed belongs to the configuration that is written.
    view_.CommitEditor();
    // The workbook is proposed beside the configuration file, named after it.
    const QString current = frame_.Document().GetPathName();
    const QString start =
        UserDialogs::StartPath(current, current.isEmpty() ? QString()
                                                          : QFileInfo(current).completeBaseName() +
                                                                QLatin1String(".xlsx"));
    const QString path = WithXlsxSuffix(UserDialogs::Get().SaveFileName(
        &frame_, tr("Export XLS"), tr("Excel File(*.xlsx)"), QStringLiteral("xlsx"), start));
    if (path.isEmpty())
        return;
    UserDialogs::RememberFolder(path);
    std::string error;
    if (!ExportProjectWorkbook(app_.GetProject(), path, error)) {
        ShowMessage(!error.empty() ? error : Text(Msg::GuiExportFailed));
        return;
    }
    if (!UserDialogs::Get().OpenUrl(QUrl::fromLocalFile(path)))
        ShowMessage(Text(Msg::GuiExportNoViewer, {path.toStdString()}));
}

void ViewController::OnImportCommands() {
    // Commands exist in the Modbus master mode only.
    if (!CanAutoMap())
        return;
    view_.CommitEditor();
    const QString path = UserDialogs::Get().OpenFileName(
        &frame_, tr("Import Commands"), tr("Command lists (*.xlsx *.csv);;All files (*)"),
        UserDialogs::StartPath(frame_.Document().GetPathName()));
    if (path.isEmpty())
        return;
    UserDialogs::RememberFolder(path);
    KeepBeforeReplace(Q(Msg::EditImportCommands));
    ImportDialog dialog(app_.GetProject(), path, &frame_);
    // The dialog replaced the node's commands as an upload replaces the
    // configuration: the tree and grid are rebuilt the same way.
    if (dialog.exec() == QDialog::Accepted)
        AfterUpload();
    beforeUpload_.reset();
}

void ViewController::SetTransferDialogHook(std::function<void(CUpDownDlg&)> hook) {
    TransferDialogHook() = std::move(hook);
}

void ViewController::OnUpload() {
    OpenTransfer(CUpDownDlg::UploadMode);
}

void ViewController::OnDownload() {
    OpenTransfer(CUpDownDlg::DownloadMode);
}

void ViewController::OpenTransfer(int mode) {
    // A value being typed belongs to the configuration that is sent.
    view_.CommitEditor();
    if (mode == CUpDownDlg::UploadMode)
        KeepBeforeReplace(Q(Msg::EditUpload));
    CUpDownDlg dialog(app_.GetProject(), mode, &frame_);
    dialog.SetUploadRefresh([this] { AfterUpload(); });
    if (TransferDialogHook())
        TransferDialogHook()(dialog);
    dialog.exec();
    // A failed upload replaced nothing.
    beforeUpload_.reset();
    if (dialog.WantsConflictDetect())
        OnConflictDetect();
}

void ViewController::KeepBeforeReplace(const QString& text) {
    beforeUpload_ = std::make_unique<Project>();
    beforeUpload_->CopyFrom(app_.GetProject());
    beforeUploadPath_ = CurrentPath();
    replaceText_ = text;
}

void ViewController::AfterUpload() {
    frame_.RebuildTree();
    view_.ClearGrid();
    view_.ResetSelection();
    if (beforeUpload_) {
        auto after = std::make_unique<Project>();
        after->CopyFrom(app_.GetProject());
        undo_->push(new SnapshotCommand(
            replaceText_, std::move(beforeUpload_), beforeUploadPath_, std::move(after), {},
            [this](const Project& state, const QList<int>& path) { RestoreState(state, path); }));
    }
    app_.SetModified(true);
    // Nothing shows the replaced configuration any more.
    app_.GetProject().ReleaseRetired();
    frame_.UpdateActions();
    emit ConfigurationChanged();
}

void ViewController::OnConflictDetect() {
    if (!CanDetectConflicts())
        return;
    view_.CommitEditor();
    CConflictDlg dialog(app_.GetProject(), &frame_);
    dialog.exec();
}

void ViewController::EnterValue(const TreeEntry& entry, int row, const std::string& text) {
    const ParamItem* item = ItemAtRow(entry, row);
    const std::string name = item ? ShownName(*item, KeysOfRow(entry, row)) : std::string();
    CommitResult result;
    // Recorded before the tree and the grid show the outcome, so that the
    // step's selection is the entry edited.
    Record(Q(Msg::EditSetValue, {name}), [&] {
        result = CommitValue(app_.GetProject(), entry, row, text);
        return result.Accepted() && result.changed;
    });
    if (result.code != Success) {
        // The message names the parameter and what it takes; the editor
        // comes back with the text typed, to be corrected, not retyped.
        std::string message;
        if (result.code == OutOfRange && !result.accepted.empty())
            message = Text(Msg::EditValueOutOfRange, {name, text, result.accepted});
        else if (!result.accepted.empty())
            message = Text(Msg::EditValueRefusedRange,
                           {name, text, ResultMessage(result.code), result.accepted});
        else
            message = Text(Msg::EditValueRefused, {name, text, ResultMessage(result.code)});
        ShowMessage(message);
        view_.ReopenEditor(entry, row, QString::fromStdString(text));
        return;
    }
    // The subnet's rows and children change: the tree is built anew.
    if (result.Accepted() && result.protocolSwitched)
        frame_.RebuildTree();
    view_.ShowCommit(result, entry, row);
    if (!result.Accepted())
        return;
    if (result.protocolSwitched)
        frame_.UpdateActions();
    if (result.renamedNode) {
        for (QTreeWidgetItemIterator it(frame_.Tree()); *it; ++it)
            if (ConfigTree::HasEntry(*it) && ConfigTree::EntryOf(*it) == entry)
                (*it)->setText(0, QString::fromStdString(result.nodeName));
    }
}

void ViewController::TakeOverSelection(QTreeWidgetItem* parent, int at) {
    // The tree leaves nothing current when several entries could be
    // selected: the entry now in the removed one's place takes over, else
    // the one before it, else the parent.
    ConfigTree* tree = frame_.Tree();
    if (tree->currentItem() || !parent)
        return;
    QTreeWidgetItem* next = parent->childCount() == 0   ? parent
                            : at < parent->childCount() ? parent->child(at)
                                                        : parent->child(parent->childCount() - 1);
    tree->setCurrentItem(next);
}

void ViewController::AfterRemoval() {
    view_.ForgetRemoved(frame_.Tree()->currentItem());
    // The tree and the grid no longer show the removed object.
    app_.GetProject().ReleaseRetired();
    frame_.UpdateActions();
}

} // namespace varkel
