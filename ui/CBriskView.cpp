#include "ui/CBriskView.h"

#include "model/CommitRules.h"
#include "model/Messages.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "ui/CConfigApp.h"
#include "ui/CConflictDlg.h"
#include "ui/CDovelDoc.h"
#include "ui/CMainFrame.h"
#include "ui/CUpDownDlg.h"
#include "ui/ConfigTree.h"
#include "ui/ParamGrid.h"
#include "ui/SelectCommandDialog.h"
#include "ui/UiText.h"
#include "ui/UserDialogs.h"
#include "ui/WorkbookExportCall.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace varkel {

namespace {

std::function<void(CUpDownDlg&)>& TransferDialogHook() {
    static std::function<void(CUpDownDlg&)> hook;
    return hook;
}

// Editors are drawn on white whatever the theme, like the cells under them.
void MakeWhite(QWidget* widget) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Button, Qt::white);
    widget->setPalette(p);
}

} // namespace

CBriskView::CBriskView(CConfigApp& app, CMainFrame& frame, QWidget* parent)
    : QWidget(parent), app_(app), frame_(frame) {
    setObjectName(QStringLiteral("parameterView"));
    grid_ = new ParamGrid(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    connect(grid_, &QTableWidget::cellClicked, this, &CBriskView::OnGridClicked);
    // The keyboard opens the editor and shows the help as a click does.
    connect(grid_, &ParamGrid::EditKeyPressed, this,
            [this](int row) { OnGridClicked(row, ParamGrid::ValueColumn); });
    connect(grid_, &ParamGrid::RowStepped, this,
            [this](int row) { OnGridClicked(row, ParamGrid::NameColumn); });

    // The editors live on the grid's viewport, so that they move with the
    // cell when the grid scrolls.
    edit_ = new QLineEdit(grid_->viewport());
    edit_->setObjectName(QStringLiteral("valueEdit"));
    edit_->setFrame(false);
    // A thin line tells the editor from the cell it covers.
    edit_->setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid #316ac5; padding-left: 2px; }"));
    edit_->hide();
    MakeWhite(edit_);
    edit_->installEventFilter(this);

    chooser_ = new QComboBox(grid_->viewport());
    chooser_->setObjectName(QStringLiteral("valueChooser"));
    chooser_->setEditable(false);
    chooser_->setInsertPolicy(QComboBox::InsertAtBottom);
    chooser_->hide();
    MakeWhite(chooser_);
    chooser_->installEventFilter(this);
    connect(chooser_, &QComboBox::activated, this, [this](int index) {
        if (openEditor_ == Editor::Choice) {
            openEditor_ = Editor::None;
            CommitChoice(index);
        }
    });

    // Column widths follow the view's width: keep the editor on its cell.
    connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this] { PlaceEditor(); });
    grid_->viewport()->installEventFilter(this);
}

void CBriskView::ClearGrid() {
    CloseEditor();
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
    CloseEditor();
    selectedItem_ = nullptr;
    selectedKind_ = TreeEntry::None;
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
    return selectedKind_ == TreeEntry::SubnetKind &&
           subnet.GetProtocolType() != ProtocolType::Universal && subnet.GetNodeCount() == 0;
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
    return app_.GetProject().GetSubnet().GetProtocolType() == ProtocolType::ModbusMaster;
}

bool CBriskView::CanDetectConflicts() const {
    return app_.GetProject().GetSubnet().GetProtocolType() == ProtocolType::ModbusMaster;
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
    // An address still in its editor is settled first; left open, it would
    // later write the old address over the recalculated one.
    CommitEditor();
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
    // A value being typed belongs to the configuration that is written.
    CommitEditor();
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

void CBriskView::SetTransferDialogHook(std::function<void(CUpDownDlg&)> hook) {
    TransferDialogHook() = std::move(hook);
}

void CBriskView::OnUpload() {
    OpenTransfer(CUpDownDlg::UploadMode);
}

void CBriskView::OnDownload() {
    OpenTransfer(CUpDownDlg::DownloadMode);
}

void CBriskView::OpenTransfer(int mode) {
    // A value being typed belongs to the configuration that is sent.
    CommitEditor();
    CUpDownDlg dialog(app_.GetProject(), mode, &frame_);
    dialog.SetUploadRefresh([this] { AfterUpload(); });
    if (TransferDialogHook())
        TransferDialogHook()(dialog);
    dialog.exec();
}

void CBriskView::AfterUpload() {
    frame_.RebuildTree();
    ClearGrid();
    ResetSelection();
    app_.SetModified(true);
    // Nothing shows the replaced configuration any more.
    app_.GetProject().ReleaseRetired();
    frame_.UpdateActions();
}

void CBriskView::OnConflictDetect() {
    if (!CanDetectConflicts())
        return;
    CommitEditor();
    CConflictDlg dialog(app_.GetProject(), &frame_);
    dialog.exec();
}

void CBriskView::OnGridClicked(int row, int column) {
    CloseEditor();
    editedEntry_ = selectedEntry_;
    editedRow_ = row;
    if (row < 0 || column < 0)
        return;
    ParamItem* item = grid_->RowItem(row);
    if (!item)
        return;
    clickedItem_ = item;
    QString help = QString::fromStdString(item->GetHelp());
    help.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    frame_.SetAnnotationText(help);
    if (item->GetEnable() == 0 || column != ParamGrid::ValueColumn)
        return;

    chooser_->clear();
    for (const std::string& choice : item->GetChoices())
        chooser_->addItem(QString::fromStdString(choice));
    if (item->GetState() == ParamItem::Typed) {
        openEditor_ = Editor::Line;
        PlaceEditor();
        edit_->setText(QString::fromStdString(item->GetValue()));
        edit_->show();
        edit_->setFocus(Qt::MouseFocusReason);
        edit_->selectAll();
    } else if (item->GetState() == ParamItem::Picked) {
        openEditor_ = Editor::Choice;
        chooser_->setCurrentIndex(-1);
        PlaceEditor();
        chooser_->show();
        chooser_->setFocus(Qt::MouseFocusReason);
        chooser_->showPopup();
    }
}

void CBriskView::PlaceEditor() {
    QWidget* editor = openEditor_ == Editor::Line     ? static_cast<QWidget*>(edit_)
                      : openEditor_ == Editor::Choice ? static_cast<QWidget*>(chooser_)
                                                      : nullptr;
    if (!editor)
        return;
    const QTableWidgetItem* cell = grid_->item(editedRow_, ParamGrid::ValueColumn);
    if (!cell)
        return;
    editor->setGeometry(grid_->visualItemRect(cell));
}

void CBriskView::CloseEditor() {
    // Marked closed first: hiding a focused editor makes it lose the focus,
    // which must not commit.
    openEditor_ = Editor::None;
    if (edit_) {
        HideEditor(edit_);
        edit_->clear();
    }
    if (chooser_) {
        chooser_->hidePopup();
        HideEditor(chooser_);
    }
}

void CBriskView::HideEditor(QWidget* editor) {
    // The grid takes the focus first: a focused editor that is hidden hands
    // the focus on as Tab does, and the grid would move its current cell to
    // the next row.
    if (editor->hasFocus())
        grid_->setFocus(Qt::OtherFocusReason);
    editor->hide();
}

bool CBriskView::CommitEditor() {
    if (openEditor_ == Editor::Line) {
        openEditor_ = Editor::None;
        CommitTypedValue();
        return true;
    }
    if (openEditor_ == Editor::Choice) {
        openEditor_ = Editor::None;
        CommitChoice(chooser_->currentIndex());
        return true;
    }
    return false;
}

void CBriskView::CommitTypedValue() {
    const std::string text = edit_->text().toStdString();
    HideEditor(edit_);
    ParamItem* item = ItemAtRow(editedEntry_, editedRow_);
    if (!item || item != clickedItem_ || item->GetState() != ParamItem::Typed)
        return;
    const TreeEntry entry = editedEntry_;
    const int row = editedRow_;
    ApplyCommit(CommitValue(app_.GetProject(), entry, row, text), entry, row);
}

void CBriskView::CommitChoice(int index) {
    chooser_->hidePopup();
    const QString text = chooser_->itemText(index);
    HideEditor(chooser_);
    const TreeEntry entry = editedEntry_;
    const int row = editedRow_;
    ParamItem* item = ItemAtRow(entry, row);
    if (!item || item != clickedItem_ || item->GetState() != ParamItem::Picked)
        return;
    if (index < 0) {
        // Nothing chosen: the cell shows the value again.
        if (entry.object == selectedEntry_.object)
            grid_->SetValueText(row, QString::fromStdString(item->GetValue()));
        return;
    }
    ApplyCommit(CommitValue(app_.GetProject(), entry, row, text.toStdString()), entry, row);
}

void CBriskView::ApplyCommit(const CommitResult& result, const TreeEntry& entry, int row) {
    if (result.code != Success) {
        ShowResult(result.code, true);
        return;
    }
    const bool shown = entry.object == selectedEntry_.object;
    ParamItem* item = ItemAtRow(entry, row);
    if (!result.Accepted()) {
        if (shown && item)
            grid_->SetValueText(row, QString::fromStdString(item->GetValue()));
        return;
    }
    if (result.changed)
        MarkModified();
    if (result.protocolSwitched) {
        // The subnet's rows and children change: show them anew.
        frame_.RebuildTree();
        ClearGrid();
        selectedItem_ = nullptr;
        selectedEntry_ = entry;
        selectedKind_ = entry.kind;
        clickedItem_ = nullptr;
        ListObject(entry);
        frame_.UpdateActions();
    } else if (shown) {
        grid_->SetValueText(row, QString::fromStdString(result.storedValue));
        for (int changed : result.enableChangedRows)
            if (ParamItem* other = ItemAtRow(entry, changed))
                grid_->SetValueBackground(changed, other->GetEnable() ? kWhite : kGrey);
        for (int changed : result.valueChangedRows)
            if (ParamItem* other = ItemAtRow(entry, changed))
                grid_->SetValueText(changed, QString::fromStdString(other->GetValue()));
    }
    if (result.renamedNode) {
        for (QTreeWidgetItemIterator it(frame_.Tree()); *it; ++it)
            if (ConfigTree::HasEntry(*it) && ConfigTree::EntryOf(*it).object == entry.object)
                (*it)->setText(0, QString::fromStdString(result.nodeName));
    }
    if (row < grid_->rowCount())
        grid_->setCurrentCell(row, ParamGrid::ValueColumn);
}

bool CBriskView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport() && event->type() == QEvent::Resize) {
        // The columns are stretched after the viewport has its new size.
        QMetaObject::invokeMethod(
            this, [this] { PlaceEditor(); }, Qt::QueuedConnection);
    } else if ((watched == edit_ || watched == chooser_) && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // The drop-down list and another window taking the focus leave the
        // editor open; anything else is the user leaving it.
        const bool mine = (watched == edit_ && openEditor_ == Editor::Line) ||
                          (watched == chooser_ && openEditor_ == Editor::Choice);
        if (mine && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
            !(watched == chooser_ && chooser_->view()->isVisible()))
            CommitEditor();
    } else if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Return stores the text. The key is kept from the line edit,
            // which would pass it on to the grid and open the editor again.
            CommitEditor();
            grid_->setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (key == Qt::Key_Escape) {
            // Escape drops what was typed.
            CloseEditor();
            grid_->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CBriskView::MarkModified() {
    app_.SetModified(true);
    frame_.UpdateActions();
}

void CBriskView::AfterRemoval() {
    ConfigTree* tree = frame_.Tree();
    selectedItem_ = tree->currentItem();
    if (!selectedItem_) {
        // Nothing took the selection over: forget the removed entry.
        selectedEntry_ = TreeEntry{};
        selectedKind_ = TreeEntry::None;
    }
    clickedItem_ = nullptr;
    editedEntry_ = selectedEntry_;
    // The tree and the grid no longer show the removed object.
    app_.GetProject().ReleaseRetired();
    frame_.UpdateActions();
}

} // namespace varkel
