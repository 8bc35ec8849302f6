#include "ui/ViewController.h"

#include "model/Catalog.h"
#include "model/CommitRules.h"
#include "model/Messages.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/TextTable.h"
#include "ui/CBriskView.h"
#include "ui/CConfigApp.h"
#include "ui/CConflictDlg.h"
#include "ui/CDovelDoc.h"
#include "ui/CMainFrame.h"
#include "ui/CUpDownDlg.h"
#include "ui/ConfigTree.h"
#include "ui/ImportDialog.h"
#include "ui/SelectCommandDialog.h"
#include "ui/UserDialogs.h"
#include "ui/WorkbookExportCall.h"

#include <QFileInfo>
#include <QTreeWidgetItemIterator>
#include <QUrl>

namespace varkel {

namespace {

std::function<void(CUpDownDlg&)>& TransferDialogHook() {
    static std::function<void(CUpDownDlg&)> hook;
    return hook;
}

} // namespace

ViewController::ViewController(CConfigApp& app, CMainFrame& frame, CBriskView& view)
    : QObject(&frame), app_(app), frame_(frame), view_(view) {}

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
    ConfigTree* tree = frame_.Tree();
    Node* node = app_.GetProject().GetSubnet().CreateNode();
    if (!node)
        return;
    if (!view_.SelectedItem() && tree->topLevelItemCount() > 1) {
        tree->setCurrentItem(tree->topLevelItem(1));
        view_.SetSelectedItem(tree->topLevelItem(1));
    }
    QTreeWidgetItem* parent = view_.SelectedItem();
    if (!parent)
        return;
    tree->Insert(ConfigTree::HandleOf(parent), node->GetName(), NodeImage,
                 TreeEntry{TreeEntry::NodeKind, node});
    tree->ExpandAll();
    MarkModified();
}

void ViewController::OnDeleteNode() {
    QTreeWidgetItem* selected = view_.SelectedItem();
    if (view_.SelectedKind() != TreeEntry::NodeKind || !selected)
        return;
    Node* node = ConfigTree::EntryOf(selected).AsNode();
    ConfigObject* owner = ConfigTree::EntryOf(selected->parent()).AsConfigObject();
    if (!node || !owner || owner->RemoveNode(node) != 1)
        return;
    MarkModified();
    delete selected;
    AfterRemoval();
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
        ShowMessage(LocalText(1001));
        return;
    }
    if (!node)
        return;
    Command* command = node->CreateCommand(functionIndex);
    if (!command)
        return;
    ConfigTree* tree = frame_.Tree();
    tree->Insert(ConfigTree::HandleOf(selected), command->GetName(), CommandImage,
                 TreeEntry{TreeEntry::CommandKind, command});
    tree->ExpandAll();
    MarkModified();
}

void ViewController::OnDeleteCommand() {
    QTreeWidgetItem* selected = view_.SelectedItem();
    if (view_.SelectedKind() != TreeEntry::CommandKind || !selected)
        return;
    Command* command = ConfigTree::EntryOf(selected).AsCommand();
    // Only commands of a node can go; those held by the fieldbus or the
    // subnet themselves stay.
    Node* node = ConfigTree::EntryOf(selected->parent()).AsNode();
    if (!command || !node || node->RemoveCommand(command) != 1)
        return;
    MarkModified();
    delete selected;
    AfterRemoval();
}

void ViewController::OnAutoMapping() {
    if (!CanAutoMap())
        return;
    // An address still in its editor is settled first; left open, it would
    // later write the old address over the recalculated one.
    view_.CommitEditor();
    if (AskQuestion(LocalText(19), Buttons::YesNo) != Answer::Yes)
        return;
    app_.GetProject().AutoMap();
    MarkModified();
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
    ImportDialog dialog(app_.GetProject(), path, &frame_);
    // The dialog replaced the node's commands as an upload replaces the
    // configuration: the tree and grid are rebuilt the same way.
    if (dialog.exec() == QDialog::Accepted)
        AfterUpload();
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
    CUpDownDlg dialog(app_.GetProject(), mode, &frame_);
    dialog.SetUploadRefresh([this] { AfterUpload(); });
    if (TransferDialogHook())
        TransferDialogHook()(dialog);
    dialog.exec();
}

void ViewController::AfterUpload() {
    frame_.RebuildTree();
    view_.ClearGrid();
    view_.ResetSelection();
    app_.SetModified(true);
    // Nothing shows the replaced configuration any more.
    app_.GetProject().ReleaseRetired();
    frame_.UpdateActions();
}

void ViewController::OnConflictDetect() {
    if (!CanDetectConflicts())
        return;
    view_.CommitEditor();
    CConflictDlg dialog(app_.GetProject(), &frame_);
    dialog.exec();
}

void ViewController::EnterValue(const TreeEntry& entry, int row, const std::string& text) {
    const CommitResult result = CommitValue(app_.GetProject(), entry, row, text);
    if (result.code != Success) {
        ShowResult(result.code, true);
        return;
    }
    if (result.Accepted() && result.changed)
        MarkModified();
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
            if (ConfigTree::HasEntry(*it) && ConfigTree::EntryOf(*it).object == entry.object)
                (*it)->setText(0, QString::fromStdString(result.nodeName));
    }
}

void ViewController::MarkModified() {
    app_.SetModified(true);
    frame_.UpdateActions();
}

void ViewController::AfterRemoval() {
    view_.ForgetRemoved(frame_.Tree()->currentItem());
    // The tree and the grid no longer show the removed object.
    app_.GetProject().ReleaseRetired();
    frame_.UpdateActions();
}

} // namespace varkel
