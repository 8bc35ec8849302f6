#include "ui/CBriskView.h"

#include "model/CommitRules.h"
#include "model/ItemKeys.h"
#include "model/Node.h"
#include "model/ResultCode.h"
#include "ui/ConfigTree.h"
#include "ui/GridFill.h"
#include "ui/ParamDelegate.h"
#include "ui/ParamGrid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include <map>

namespace varkel {

CBriskView::CBriskView(ConfigTree& tree, QWidget* parent) : QWidget(parent), tree_(tree) {
    setObjectName(QStringLiteral("parameterView"));
    grid_ = new ParamGrid(this);
    delegate_ = grid_->Delegate();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    connect(grid_, &QTableWidget::cellClicked, this, &CBriskView::OnGridClicked);
    // The keyboard opens the editor and shows the help as a click does.
    connect(grid_, &ParamGrid::EditKeyPressed, this,
            [this](int row) { OnGridClicked(row, ParamGrid::ValueColumn); });
    connect(grid_, &ParamGrid::RowStepped, this,
            [this](int row) { OnGridClicked(row, ParamGrid::NameColumn); });
    connect(delegate_, &ParamDelegate::ValueEntered, this, &CBriskView::OnValueEntered);
    delegate_->SetKeysOfRow([this](int row) { return KeysOfRow(editedEntry_, row); });
    // Stored only once the grid has let the editor go: storing may list the
    // rows anew.
    connect(grid_, &ParamGrid::EditorClosed, this, &CBriskView::StorePendingValue);
}

QLineEdit* CBriskView::ValueEdit() const {
    return delegate_->LineEditor();
}

QComboBox* CBriskView::ValueChooser() const {
    return delegate_->ChoiceEditor();
}

void CBriskView::ClearGrid() {
    CloseEditor();
    grid_->ClearGrid();
    emit HelpText(QString());
}

void CBriskView::ListObject(const TreeEntry& entry) {
    FillGrid(entry, *grid_);
    MarkRows();
}

void CBriskView::MarkRows() {
    std::map<const ParamItem*, const RefusedValue*> outside;
    const std::vector<RefusedValue> refused =
        refusedValues_ ? refusedValues_() : std::vector<RefusedValue>{};
    for (const RefusedValue& value : refused)
        outside.emplace(value.source, &value);
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const ParamItem* item = grid_->RowItem(row);
        if (!item)
            continue;
        QString tip;
        Rgb background = BackgroundOf(*item);
        if (const auto found = outside.find(item); found != outside.end()) {
            background = kOutOfRange;
            const QString accepted = QString::fromStdString(found->second->accepted);
            tip = accepted.isEmpty()
                      ? tr("This value cannot be entered now: %1")
                            .arg(QString::fromStdString(ResultMessage(found->second->code)))
                      : tr("Outside its range: %1 is accepted").arg(accepted);
        } else if (item->GetState() != ParamItem::Typed && item->GetState() != ParamItem::Picked) {
            tip = tr("Shown only: this value is not set in the grid");
        } else if (item->GetEnable() != 1) {
            tip = tr("Not used with the current settings, so it cannot be changed");
        }
        if (grid_->ValueBackground(row) != background)
            grid_->SetValueBackground(row, background);
        grid_->SetRowToolTip(row, tip);
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

void CBriskView::ForgetRemoved(QTreeWidgetItem* current) {
    selectedItem_ = current;
    if (!selectedItem_) {
        // Nothing took the selection over: forget the removed entry.
        selectedEntry_ = TreeEntry{};
        selectedKind_ = TreeEntry::None;
    }
    clickedItem_ = nullptr;
    editedEntry_ = selectedEntry_;
}

void CBriskView::OnSelectionChanged(QTreeWidgetItem* current) {
    ClearGrid();
    selectedItem_ = current;
    // The grid's rows are gone, so a click remembered from them is stale.
    clickedItem_ = nullptr;
    if (ConfigTree::HasEntry(current)) {
        selectedEntry_ = ConfigTree::EntryOf(current);
        ListObject(selectedEntry_);
        selectedKind_ = selectedEntry_.GetKind();
    }
    emit SelectionChanged();
}

void CBriskView::OnTreeRightClick(const QPoint& position) {
    QTreeWidgetItem* hit = tree_.itemAt(position);
    if (hit != tree_.currentItem())
        tree_.setCurrentItem(hit);
    else if (!hit)
        OnSelectionChanged(nullptr);
    selectedItem_ = hit;
    if (!ConfigTree::HasEntry(hit))
        return;
    selectedKind_ = ConfigTree::EntryOf(hit).GetKind();
    emit SelectionChanged();
    emit ContextMenuWanted(tree_.viewport()->mapToGlobal(position));
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
    QString help = QString::fromStdString(ShownHelp(*item, KeysOfRow(selectedEntry_, row)));
    help.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    emit HelpText(help);
    if (column != ParamGrid::ValueColumn || !grid_->OpenValueEditor(row))
        return;
    // A list drops down at once.
    if (delegate_->OpenEditor() == delegate_->ChoiceEditor())
        delegate_->ChoiceEditor()->showPopup();
}

bool CBriskView::CommitEditor() {
    return delegate_->Commit();
}

void CBriskView::CloseEditor() {
    delegate_->Close();
}

void CBriskView::ReopenEditor(const TreeEntry& entry, int row, const QString& text) {
    if (entry != selectedEntry_ || row < 0 || row >= grid_->rowCount())
        return;
    refused_ = Entered{entry, row, text.toStdString()};
    grid_->setCurrentCell(row, ParamGrid::ValueColumn);
    OnGridClicked(row, ParamGrid::ValueColumn);
    if (delegate_->OpenEditor() != delegate_->LineEditor())
        return;
    delegate_->LineEditor()->setText(text);
    delegate_->LineEditor()->setFocus(Qt::OtherFocusReason);
}

void CBriskView::OnValueEntered(int row, const QString& text, bool picked, bool nothingChosen) {
    pending_.reset();
    const TreeEntry entry = editedEntry_;
    ParamItem* item = ItemAtRow(entry, row);
    // An editor left over from rows listed anew commits nothing.
    if (!item || row != editedRow_ || item != clickedItem_ ||
        item->GetState() != (picked ? ParamItem::Picked : ParamItem::Typed))
        return;
    const bool givenUp = refused_ && !picked && refused_->entry == entry && refused_->row == row &&
                         refused_->text == text.toStdString();
    refused_.reset();
    if (nothingChosen || givenUp) {
        // The cell shows the value again.
        if (entry == selectedEntry_)
            ShowValue(entry, row);
        return;
    }
    pending_ = Entered{entry, row, text.toStdString()};
}

void CBriskView::ShowValue(const TreeEntry& entry, int row) {
    if (const ParamItem* item = ItemAtRow(entry, row))
        grid_->SetValueText(row, QString::fromStdString(ShownValue(*item, KeysOfRow(entry, row))));
}

void CBriskView::StorePendingValue() {
    if (!pending_)
        return;
    const Entered entered = std::move(*pending_);
    pending_.reset();
    emit ValueEntered(entered.entry, entered.row, entered.text);
}

void CBriskView::ShowCommit(const CommitResult& result, const TreeEntry& entry, int row) {
    const bool shown = entry == selectedEntry_;
    ParamItem* item = ItemAtRow(entry, row);
    if (!result.Accepted()) {
        if (shown && item)
            ShowValue(entry, row);
        return;
    }
    if (result.protocolSwitched) {
        // The subnet's rows change: list them anew.
        ClearGrid();
        selectedItem_ = nullptr;
        selectedEntry_ = entry;
        selectedKind_ = entry.GetKind();
        clickedItem_ = nullptr;
        ListObject(entry);
    } else if (shown) {
        ShowValue(entry, row);
        for (int changed : result.valueChangedRows)
            ShowValue(entry, changed);
        // Enable flags and the values' ranges may have changed with it.
        MarkRows();
    }
    if (row < grid_->rowCount())
        grid_->setCurrentCell(row, ParamGrid::ValueColumn);
}

} // namespace varkel
