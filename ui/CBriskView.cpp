#include "ui/CBriskView.h"

#include "model/Messages.h"
#include "model/Node.h"
#include "model/Project.h"
#include "ui/CConfigApp.h"
#include "ui/CMainFrame.h"
#include "ui/ConfigTree.h"
#include "ui/ParamGrid.h"
#include "ui/SelectCommandDialog.h"
#include "ui/UiText.h"
#include "ui/UserDialogs.h"
#include "ui/WorkbookExportCall.h"

#include <QMenu>
#include <QVBoxLayout>

namespace varkel {

CBriskView::CBriskView(CConfigApp& app, CMainFrame& frame, QWidget* parent)
    : QWidget(parent), app_(app), frame_(frame) {
    setObjectName(QStringLiteral("parameterView"));
    grid_ = new ParamGrid(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    connect(grid_, &QTableWidget::cellClicked, this, &CBriskView::OnGridClicked);
}

void CBriskView::ClearGrid() {
    grid_->ClearGrid();
    frame_.SetAnnotationText(QString());
}

void CBriskView::ListObject(const TreeEntry& entry) {
    if (!entry.object)
        return;
    switch (entry.kind) {
    case TreeEntry::CommandKind:
        entry.AsCommand()->FillGrid(*grid_);
        break;
    case TreeEntry::NodeKind:
        entry.AsNode()->FillGrid(*grid_);
        break;
    case TreeEntry::FieldbusKind:
    case TreeEntry::SubnetKind:
        entry.AsConfigObject()->FillGrid(*grid_);
        break;
    default:
        break;
    }
}

void CBriskView::ResetSelection() {
    selectedItem_ = nullptr;
    selectedKind_ = 0;
    selectedEntry_ = TreeEntry{};
    clickedItem_ = nullptr;
    editedEntry_ = TreeEntry{};
    editedRow_ = 0;
}

void CBriskView::OnSelectionChanged(QTreeWidgetItem* current) {
    ClearGrid();
    selectedItem_ = current;
    // The grid's rows are gone, so a click remembered from them is stale.
    clickedItem_ = nullptr;
    if (ConfigTree::HasEntry(current)) {
        selectedEntry_ = ConfigTree::EntryOf(current);
        ListObject(selectedEntry_);
        selectedKind_ = selectedEntry_.kind;
    }
    frame_.UpdateActions();
}

void CBriskView::OnTreeRightClick(const QPoint& position) {
    ConfigTree* tree = frame_.Tree();
    QTreeWidgetItem* hit = tree->itemAt(position);
    if (hit != tree->currentItem())
        tree->setCurrentItem(hit);
    else if (!hit)
        OnSelectionChanged(nullptr);
    selectedItem_ = hit;
    if (!ConfigTree::HasEntry(hit))
        return;
    selectedKind_ = ConfigTree::EntryOf(hit).kind;
    frame_.UpdateActions();
    frame_.ContextMenu()->exec(tree->viewport()->mapToGlobal(position));
}

bool CBriskView::CanAddNode() const {
    const Subnet& subnet = app_.GetProject().GetSubnet();
    return selectedKind_ == TreeEntry::SubnetKind && subnet.GetProtocolType() != 1 &&
           subnet.GetNodeCount() == 0;
}

bool CBriskView::CanDeleteNode() const {
    return selectedKind_ == TreeEntry::NodeKind;
}

bool CBriskView::CanAddCommand() const {
    return selectedKind_ == TreeEntry::NodeKind;
}

bool CBriskView::CanDeleteCommand() const {
    return selectedKind_ == TreeEntry::CommandKind;
}

bool CBriskView::CanAutoMap() const {
    return app_.GetProject().GetSubnet().GetProtocolType() == 0;
}

void CBriskView::OnAddNode() {
    if (!CanAddNode())
        return;
    ConfigTree* tree = frame_.Tree();
    Node* node = app_.GetProject().GetSubnet().CreateNode();
    if (!node)
        return;
    if (!selectedItem_ && tree->topLevelItemCount() > 1) {
        tree->setCurrentItem(tree->topLevelItem(1));
        selectedItem_ = tree->topLevelItem(1);
    }
    if (!selectedItem_)
        return;
    tree->Insert(ConfigTree::HandleOf(selectedItem_), node->GetName(), NodeImage,
                 TreeEntry{TreeEntry::NodeKind, node});
    tree->ExpandAll();
    MarkModified();
}

void CBriskView::OnDeleteNode() {
    if (selectedKind_ != TreeEntry::NodeKind || !selectedItem_)
        return;
    Node* node = ConfigTree::EntryOf(selectedItem_).AsNode();
    ConfigObject* owner = ConfigTree::EntryOf(selectedItem_->parent()).AsConfigObject();
    if (!node || !owner || owner->RemoveNode(node) != 1)
        return;
    MarkModified();
    delete selectedItem_;
    AfterRemoval();
}

void CBriskView::OnAddCommand() {
    if (!CanAddCommand())
        return;
    SelectCommandDialog dialog([this](int index) { AddCommandOfFunctionIndex(index); }, &frame_);
    dialog.exec();
}

void CBriskView::AddCommandOfFunctionIndex(int functionIndex) {
    Node* node = selectedKind_ == TreeEntry::NodeKind && selectedItem_
                     ? ConfigTree::EntryOf(selectedItem_).AsNode()
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
    tree->Insert(ConfigTree::HandleOf(selectedItem_), command->GetName(), CommandImage,
                 TreeEntry{TreeEntry::CommandKind, command});
    tree->ExpandAll();
    MarkModified();
}

void CBriskView::OnDeleteCommand() {
    if (selectedKind_ != TreeEntry::CommandKind || !selectedItem_)
        return;
    Command* command = ConfigTree::EntryOf(selectedItem_).AsCommand();
    // Only commands of a node can go; those held by the fieldbus or the
    // subnet themselves stay.
    Node* node = ConfigTree::EntryOf(selectedItem_->parent()).AsNode();
    if (!command || !node || node->RemoveCommand(command) != 1)
        return;
    MarkModified();
    delete selectedItem_;
    AfterRemoval();
}

void CBriskView::OnAutoMapping() {
    if (!CanAutoMap())
        return;
    if (AskQuestion(LocalText(19), Buttons::YesNo) != Answer::Yes)
        return;
    app_.GetProject().AutoMap();
    MarkModified();
    // Show the new addresses at once.
    if (selectedItem_)
        ListObject(selectedEntry_);
}

QString CBriskView::WithXlsxSuffix(const QString& path) {
    if (path.isEmpty() || path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        return path;
    return path + QLatin1String(".xlsx");
}

void CBriskView::OnExportXls() {
    const QString path = WithXlsxSuffix(UserDialogs::Get().SaveFileName(
        &frame_, tr("Export XLS"), tr("Excel File(*.xlsx)"), QStringLiteral("xlsx")));
    if (path.isEmpty())
        return;
    std::string error;
    if (!ExportProjectWorkbook(app_.GetProject(), path, error)) {
        ShowMessage(!error.empty() ? error
                                   : Pick("输出文档失败。", "The export failed.").toStdString());
        return;
    }
    if (!UserDialogs::Get().OpenUrl(QUrl::fromLocalFile(path)))
        ShowMessage(Pick("文档 %1 已输出，但没有找到可以打开它的程序。",
                         "The workbook %1 was written, but no program was found to open it.")
                        .arg(path)
                        .toStdString());
}

void CBriskView::OnGridClicked(int row, int column) {
    Q_UNUSED(column);
    editedEntry_ = selectedEntry_;
    editedRow_ = row;
    ParamItem* item = grid_->RowItem(row);
    if (!item)
        return;
    clickedItem_ = item;
    QString help = QString::fromStdString(item->GetHelp());
    help.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    frame_.SetAnnotationText(help);
}

void CBriskView::MarkModified() {
    app_.SetModified(1);
    frame_.UpdateActions();
}

void CBriskView::AfterRemoval() {
    ConfigTree* tree = frame_.Tree();
    selectedItem_ = tree->currentItem();
    if (!selectedItem_) {
        // Nothing took the selection over: forget the removed entry.
        selectedEntry_ = TreeEntry{};
        selectedKind_ = 0;
    }
    clickedItem_ = nullptr;
    editedEntry_ = selectedEntry_;
    // The tree and the grid no longer show the removed object.
    app_.GetProject().ReleaseRetired();
    frame_.UpdateActions();
}

} // namespace varkel
