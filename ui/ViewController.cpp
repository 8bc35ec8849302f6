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
#include "ui/CConflictDlg.h"
#include "ui/CUpDownDlg.h"
#include "ui/CommandClipboard.h"
#include "ui/ConfigTree.h"
#include "ui/ImportDialog.h"
#include "ui/SelectCommandDialog.h"
#include "ui/UiText.h"
#include "ui/UndoHistory.h"
#include "ui/UserDialogs.h"
#include "ui/WorkbookExportCall.h"

#include <QFileInfo>
#include <QUrl>

#include <algorithm>

namespace varkel {

namespace {

std::function<void(CUpDownDlg&)>& TransferDialogHook() {
    static std::function<void(CUpDownDlg&)> hook;
    return hook;
}

} // namespace

ViewController::ViewController(Project& project, ConfigTree& tree, CBriskView& view,
                               UndoHistory& history, std::function<QString()> documentPath,
                               QWidget* window)
    : QObject(window), project_(project), tree_(tree), view_(view), history_(history),
      documentPath_(std::move(documentPath)), window_(window) {
    // A value still being typed belongs to the state being left.
    connect(&history_, &UndoHistory::Restoring, this, [this] { view_.CloseEditor(); });
    connect(&history_, &UndoHistory::Restored, this, &ViewController::ShowRestored);
}

void ViewController::ShowRestored(const QList<int>& path) {
    tree_.Rebuild(project_);
    view_.ClearGrid();
    view_.ResetSelection();
    view_.SetSelectedItem(tree_.SelectPath(path));
    emit ActionsChanged();
}

bool ViewController::CanAddNode() const {
    const Subnet& subnet = project_.GetSubnet();
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
    return project_.GetSubnet().GetProtocolType() == ProtocolType::ModbusMaster;
}

bool ViewController::CanDetectConflicts() const {
    return project_.GetSubnet().GetProtocolType() == ProtocolType::ModbusMaster;
}

void ViewController::OnAddNode() {
    if (!CanAddNode())
        return;
    history_.Record(tr("add node"), [this] {
        Node* node = project_.GetSubnet().CreateNode();
        if (!node)
            return false;
        if (!view_.SelectedItem() && tree_.topLevelItemCount() > 1) {
            tree_.setCurrentItem(tree_.topLevelItem(1));
            view_.SetSelectedItem(tree_.topLevelItem(1));
        }
        QTreeWidgetItem* parent = view_.SelectedItem();
        if (parent) {
            tree_.Insert(ConfigTree::HandleOf(parent), node->GetName(), NodeImage, TreeEntry(node));
            tree_.ExpandAll();
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
        AskQuestion(tr("The node \"%1\" holds %2 commands. Delete the node and all its commands?")
                        .arg(Q(node->GetName()), QString::number(node->GetCommandCount())),
                    Buttons::YesNo) != Answer::Yes)
        return;
    history_.Record(tr("delete node %1").arg(Q(node->GetName())), [&] {
        if (owner->RemoveNode(node) != 1)
            return false;
        QTreeWidgetItem* parent = selected->parent();
        const int at = parent->indexOfChild(selected);
        delete selected;
        tree_.TakeOverSelection(parent, at);
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
    SelectCommandDialog dialog([this](int index) { AddCommandOfFunctionIndex(index); }, window_);
    dialog.exec();
}

void ViewController::AddCommandOfFunctionIndex(int functionIndex) {
    QTreeWidgetItem* selected = view_.SelectedItem();
    Node* node = view_.SelectedKind() == TreeEntry::NodeKind && selected
                     ? ConfigTree::EntryOf(selected).AsNode()
                     : nullptr;
    // The gateway keeps the commands of the first node; a node read from a
    // file may be another one, and it must not grow past the same limit.
    if (project_.GetCommandCount() >= kMaxCommands ||
        (node && node->GetCommandCount() >= kMaxCommands)) {
        ShowMessage(LocalText(kKeyAtMost48Commands));
        return;
    }
    if (!node)
        return;
    history_.Record(tr("add command %1").arg(Local(FactsOfIndex(functionIndex).nameKey)), [&] {
        Command* command = node->CreateCommand(functionIndex);
        if (!command)
            return false;
        tree_.Insert(ConfigTree::HandleOf(selected), command->GetName(), CommandImage,
                     TreeEntry(command));
        tree_.ExpandAll();
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
    const std::vector<Command*> commands = tree_.SelectedCommands(&node);
    if (commands.empty() || !node)
        return;
    history_.Record(tr("delete commands"), [&] {
        QTreeWidgetItem* parent = selected->parent();
        const int at = parent->indexOfChild(tree_.ItemOf(TreeEntry(commands.front())));
        for (Command* command : commands) {
            if (node->RemoveCommand(command) != 1)
                continue;
            delete tree_.ItemOf(TreeEntry(command));
        }
        tree_.TakeOverSelection(parent, at);
        AfterRemoval();
        return true;
    });
}

bool ViewController::CanCopy() const {
    return !tree_.SelectedCommands().empty();
}

bool ViewController::CanPaste() const {
    Node* node = nullptr;
    tree_.SelectedCommands(&node);
    return node != nullptr;
}

bool ViewController::CanMove(int step) const {
    Node* node = nullptr;
    const std::vector<Command*> commands = tree_.SelectedCommands(&node);
    if (commands.empty())
        return false;
    return step < 0 ? node->IndexOfCommand(commands.front()) > 0
                    : node->IndexOfCommand(commands.back()) < node->GetCommandCount() - 1;
}

void ViewController::OnCopy() {
    const std::vector<Command*> commands = tree_.SelectedCommands();
    if (commands.empty())
        return;
    CommandClipboard::Put(std::vector<const Command*>(commands.begin(), commands.end()));
}

void ViewController::OnPaste() {
    Node* node = nullptr;
    const std::vector<Command*> selected = tree_.SelectedCommands(&node);
    if (!node)
        return;
    CommandList commands = CommandClipboard::Take();
    if (commands.empty()) {
        ShowMessage(tr("The clipboard holds no commands to paste."));
        return;
    }
    // After the selected commands, or at the end when the node is selected.
    const int at =
        selected.empty() ? node->GetCommandCount() : node->IndexOfCommand(selected.back()) + 1;
    InsertCommands(node, at, std::move(commands), tr("paste commands"));
}

void ViewController::OnDuplicate() {
    Node* node = nullptr;
    const std::vector<Command*> selected = tree_.SelectedCommands(&node);
    if (selected.empty())
        return;
    CommandList copies;
    for (const Command* command : selected)
        copies.push_back(command->Clone());
    InsertCommands(node, node->IndexOfCommand(selected.back()) + 1, std::move(copies),
                   tr("duplicate commands"));
}

bool ViewController::InsertCommands(Node* node, int index, CommandList commands,
                                    const QString& text) {
    view_.CommitEditor();
    const int added = int(commands.size());
    // The same limit as for a command added one at a time, for the whole
    // configuration and for the node.
    if (project_.GetCommandCount() + added > kMaxCommands ||
        node->GetCommandCount() + added > kMaxCommands) {
        ShowMessage(LocalText(kKeyAtMost48Commands));
        return false;
    }
    return history_.Record(text, [&] {
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
    const std::vector<Command*> commands = tree_.SelectedCommands(&node);
    history_.Record(step < 0 ? tr("move commands up") : tr("move commands down"), [&] {
        // Each one passes the neighbour that is not moving; the block keeps
        // its order.
        const int n = int(commands.size());
        for (int k = 0; k < n; ++k) {
            const Command* command = commands[std::size_t(step < 0 ? k : n - 1 - k)];
            const int at = node->IndexOfCommand(command);
            // The move is offered only when the block is off that edge.
            [[maybe_unused]] const bool swapped = node->SwapCommands(at, at + step);
            Q_ASSERT(swapped);
        }
        ShowCommands(node, commands);
        return true;
    });
}

void ViewController::ShowCommands(Node* node, const std::vector<Command*>& commands) {
    tree_.Rebuild(project_);
    view_.ResetSelection();
    view_.SetSelectedItem(tree_.SelectCommands(node, commands));
    project_.ReleaseRetired();
    emit ActionsChanged();
}

void ViewController::OnAutoMapping() {
    if (!CanAutoMap())
        return;
    // An address still in its editor is settled first; left open, it would
    // later write the old address over the recalculated one.
    view_.CommitEditor();
    if (AskQuestion(LocalText(kKeyReallyRecalculateMapping), Buttons::YesNo) != Answer::Yes)
        return;
    history_.Record(tr("auto mapping"), [this] {
        std::string overflow;
        if (!project_.AutoMap(&overflow))
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
    const QString current = documentPath_();
    const QString start =
        UserDialogs::StartPath(current, current.isEmpty() ? QString()
                                                          : QFileInfo(current).completeBaseName() +
                                                                QLatin1String(".xlsx"));
    const QString path = WithXlsxSuffix(UserDialogs::Get().SaveFileName(
        window_, tr("Export XLS"), tr("Excel File(*.xlsx)"), QStringLiteral("xlsx"), start));
    if (path.isEmpty())
        return;
    UserDialogs::RememberFolder(path);
    std::string error;
    if (!ExportProjectWorkbook(project_, path, error)) {
        ShowMessage(!error.empty() ? Q(error) : tr("The export failed."));
        return;
    }
    if (!UserDialogs::Get().OpenUrl(QUrl::fromLocalFile(path)))
        ShowMessage(
            tr("The workbook %1 was written, but no program was found to open it.").arg(path));
}

void ViewController::OnImportCommands() {
    // Commands exist in the Modbus master mode only.
    if (!CanAutoMap())
        return;
    view_.CommitEditor();
    const QString path = UserDialogs::Get().OpenFileName(
        window_, tr("Import Commands"), tr("Command lists (*.xlsx *.csv);;All files (*)"),
        UserDialogs::StartPath(documentPath_()));
    if (path.isEmpty())
        return;
    UserDialogs::RememberFolder(path);
    history_.KeepBeforeReplace(tr("import commands"));
    ImportDialog dialog(project_, path, window_);
    // The dialog replaced the node's commands as an upload replaces the
    // configuration: the tree and grid are rebuilt the same way.
    if (dialog.exec() == QDialog::Accepted)
        AfterUpload();
    history_.DropKept();
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
        history_.KeepBeforeReplace(tr("upload"));
    CUpDownDlg dialog(project_, mode, window_);
    dialog.SetUploadRefresh([this] { AfterUpload(); });
    if (TransferDialogHook())
        TransferDialogHook()(dialog);
    dialog.exec();
    // A failed upload replaced nothing.
    history_.DropKept();
    if (dialog.WantsConflictDetect())
        OnConflictDetect();
    // The dialog and its message boxes are gone: the keyboard comes back to
    // the main window, where the user was, without a click first.
    if (window_ && window_->isVisible()) {
        window_->raise();
        window_->activateWindow();
        if (QWidget* last = window_->focusWidget())
            last->setFocus(Qt::ActiveWindowFocusReason);
        else
            tree_.setFocus(Qt::ActiveWindowFocusReason);
    }
}

void ViewController::AfterUpload() {
    tree_.Rebuild(project_);
    view_.ClearGrid();
    view_.ResetSelection();
    history_.Replaced();
    emit ActionsChanged();
}

void ViewController::OnConflictDetect() {
    if (!CanDetectConflicts())
        return;
    view_.CommitEditor();
    CConflictDlg dialog(project_, window_);
    dialog.exec();
}

void ViewController::EnterValue(const TreeEntry& entry, int row, const std::string& text) {
    const ParamItem* item = ItemAtRow(entry, row);
    const std::string name = item ? ShownName(*item, KeysOfRow(entry, row)) : std::string();
    CommitResult result;
    // Recorded before the tree and the grid show the outcome, so that the
    // step's selection is the entry edited.
    history_.Record(tr("set %1").arg(Q(name)), [&] {
        result = CommitValue(project_, entry, row, text);
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
        ShowWarning(message);
        view_.ReopenEditor(entry, row, QString::fromStdString(text));
        return;
    }
    // The subnet's rows and children change: the tree is built anew.
    if (result.Accepted() && result.protocolSwitched)
        tree_.Rebuild(project_);
    view_.ShowCommit(result, entry, row);
    if (!result.Accepted())
        return;
    if (result.protocolSwitched)
        emit ActionsChanged();
    if (result.renamedNode)
        tree_.Rename(entry, QString::fromStdString(result.nodeName));
}

void ViewController::AfterRemoval() {
    view_.ForgetRemoved(tree_.currentItem());
    // The tree and the grid no longer show the removed object.
    project_.ReleaseRetired();
    emit ActionsChanged();
}

} // namespace varkel
