#include "ui/ParamGrid.h"

#include "ui/ParamDelegate.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>

namespace varkel {

namespace {
constexpr int kItemRole = Qt::UserRole;

QColor ToColour(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QTableWidgetItem* MakeCell(const QString& text, Rgb background, bool editable) {
    auto* cell = new QTableWidgetItem(text);
    // Values change only through the delegate's editors, opened by the view
    // (the table's own edit triggers are off).
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                   (editable ? Qt::ItemIsEditable : Qt::NoItemFlags));
    cell->setBackground(ToColour(background));
    // The background is fixed white or grey, so the text must not follow a
    // dark theme's light text colour.
    cell->setForeground(QColor(Qt::black));
    return cell;
}
} // namespace

ParamGrid::ParamGrid(QWidget* parent) : QTableWidget(0, 2, parent) {
    setObjectName(QStringLiteral("parameterGrid"));
    ShowHeaders();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setAlternatingRowColors(false);
    setShowGrid(true);
    // Compact rows like a property list; the editors that open over a cell
    // take the same height.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    delegate_ = new ParamDelegate(*this);
    setItemDelegateForColumn(ValueColumn, delegate_);
}

void ParamGrid::ShowHeaders() {
    setHorizontalHeaderLabels({tr("Parameter"), tr("Value")});
}

void ParamGrid::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ShowHeaders();
}

void ParamGrid::ShowRow(int row, const std::string& name, const std::string& value,
                        Rgb valueBackground, ParamItem* item) {
    if (row < 0)
        return;
    if (row >= rowCount())
        setRowCount(row + 1);
    QTableWidgetItem* nameCell = MakeCell(QString::fromStdString(name), kWhite, false);
    nameCell->setData(kItemRole, QVariant::fromValue(reinterpret_cast<quintptr>(item)));
    setItem(row, NameColumn, nameCell);
    QTableWidgetItem* valueCell = MakeCell(QString::fromStdString(value), valueBackground, true);
    valueCell->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setItem(row, ValueColumn, valueCell);
}

void ParamGrid::ClearGrid() {
    clearContents();
    setRowCount(0);
}

ParamItem* ParamGrid::RowItem(int row) const {
    const QTableWidgetItem* cell = item(row, NameColumn);
    if (!cell)
        return nullptr;
    return reinterpret_cast<ParamItem*>(cell->data(kItemRole).value<quintptr>());
}

QString ParamGrid::NameText(int row) const {
    const QTableWidgetItem* cell = item(row, NameColumn);
    return cell ? cell->text() : QString();
}

QString ParamGrid::ValueText(int row) const {
    const QTableWidgetItem* cell = item(row, ValueColumn);
    return cell ? cell->text() : QString();
}

void ParamGrid::SetValueText(int row, const QString& text) {
    if (QTableWidgetItem* cell = item(row, ValueColumn))
        cell->setText(text);
}

Rgb ParamGrid::ValueBackground(int row) const {
    const QTableWidgetItem* cell = item(row, ValueColumn);
    if (!cell)
        return kWhite;
    const QColor c = cell->background().color();
    return Rgb{c.red(), c.green(), c.blue()};
}

void ParamGrid::SetValueBackground(int row, Rgb colour) {
    if (QTableWidgetItem* cell = item(row, ValueColumn))
        cell->setBackground(ToColour(colour));
}

QString ParamGrid::RowToolTip(int row) const {
    const QTableWidgetItem* cell = item(row, ValueColumn);
    return cell ? cell->toolTip() : QString();
}

void ParamGrid::SetRowToolTip(int row, const QString& tip) {
    for (int column : {NameColumn, ValueColumn})
        if (QTableWidgetItem* cell = item(row, column); cell && cell->toolTip() != tip)
            cell->setToolTip(tip);
}

void ParamGrid::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    // Ctrl+Return and the like are left to the window's shortcuts.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    // Keys an open editor passes on to the grid are not the grid's own.
    if (plain && hasFocus() &&
        (key == Qt::Key_F2 || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (currentRow() >= 0)
            emit EditKeyPressed(currentRow());
        event->accept();
        return;
    }
    const int before = currentRow();
    QTableWidget::keyPressEvent(event);
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && currentRow() >= 0 && currentRow() != before)
        emit RowStepped(currentRow());
}

bool ParamGrid::OpenValueEditor(int row) {
    // The protected edit(): the public slot warns when no editor opens.
    return edit(model()->index(row, ValueColumn), QAbstractItemView::AllEditTriggers, nullptr);
}

void ParamGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableWidget::closeEditor(editor, hint);
    emit EditorClosed();
}

QRect ParamGrid::ValueCellRect(int row) const {
    const QTableWidgetItem* cell = item(row, ValueColumn);
    if (!cell)
        return QRect();
    return visualItemRect(cell).translated(viewport()->pos());
}

} // namespace varkel
