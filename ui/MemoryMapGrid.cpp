#include "ui/MemoryMapGrid.h"

#include "ui/ConflictColours.h"

#include <QHeaderView>
#include <QScrollBar>

namespace varkel {

MemoryMapGrid::MemoryMapGrid(unsigned base, QWidget* parent)
    : QTableWidget(kRows, kColumns, parent), base_(base) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    setFont(small);

    setColumnWidth(0, TwipsToPixelsX(kLabelWidthTwips));
    for (int c = 1; c < kColumns; ++c)
        setColumnWidth(c, TwipsToPixelsX(kBitWidthTwips));
    for (int r = 0; r < kRows; ++r)
        setRowHeight(r, TwipsToPixelsY(kRowHeightTwips));

    auto makeCell = [](const QString& text) {
        auto* cell = new QTableWidgetItem(text);
        cell->setFlags(Qt::ItemIsEnabled);
        cell->setTextAlignment(Qt::AlignCenter);
        cell->setBackground(kNotUseColour);
        cell->setForeground(QColor(Qt::black));
        return cell;
    };
    // Header: the byte offset over the first bit of each byte.
    for (int c = 0; c < kColumns; ++c) {
        QString text;
        if (c >= 1 && (c - 1) % 8 == 0)
            text = QStringLiteral("%1").arg((c - 1) / 8, 2, 16, QLatin1Char('0')).toUpper();
        setItem(0, c, makeCell(text));
    }
    for (int r = 1; r < kRows; ++r) {
        const unsigned address = base_ + static_cast<unsigned>(r - 1) * 4;
        QTableWidgetItem* label =
            makeCell(QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper());
        label->setBackground(kSelectedColour);
        label->setForeground(QColor(Qt::white));
        setItem(r, 0, label);
        for (int c = 1; c < kColumns; ++c)
            setItem(r, c, makeCell(QString()));
    }

    // The header row and the address column are shown by the table's own
    // headers, which stay in view while the map scrolls; their cells keep
    // the texts but are hidden.
    for (int c = 0; c < kColumns; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem(item(0, c)->text()));
    for (int r = 0; r < kRows; ++r)
        setVerticalHeaderItem(r, new QTableWidgetItem(item(r, 0)->text()));
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setFixedHeight(TwipsToPixelsY(kRowHeightTwips));
    horizontalHeader()->setFont(small);
    horizontalHeader()->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background: white; color: black; border: none;"
        " border-right: 1px solid #d0d0d0; border-bottom: 1px solid #d0d0d0; padding: 0; }"));
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setFixedWidth(TwipsToPixelsX(kLabelWidthTwips));
    verticalHeader()->setFont(small);
    verticalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background: rgb(%1, %2, %3); color: white;"
                       " border: none; border-bottom: 1px solid #d0d0d0; padding: 0; }")
            .arg(kSelectedColour.red())
            .arg(kSelectedColour.green())
            .arg(kSelectedColour.blue()));
    setRowHidden(0, true);
    setColumnHidden(0, true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void MemoryMapGrid::SetBitWidth(int pixels) {
    for (int c = 1; c < kColumns; ++c)
        setColumnWidth(c, pixels);
}

int MemoryMapGrid::TwipsToPixelsX(int twips) const {
    return twips * logicalDpiX() / 1440;
}

int MemoryMapGrid::TwipsToPixelsY(int twips) const {
    return twips * logicalDpiY() / 1440;
}

int MemoryMapGrid::FullWidth() const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width() +
                TwipsToPixelsX(kLabelWidthTwips);
    for (int c = 1; c < kColumns; ++c)
        width += columnWidth(c);
    return width;
}

void MemoryMapGrid::SetCellColour(int row, int column, const QColor& colour) {
    if (QTableWidgetItem* cell = item(row, column))
        cell->setBackground(colour);
}

QColor MemoryMapGrid::CellColour(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->background().color() : QColor();
}

QColor MemoryMapGrid::BitColour(int bit) const {
    return CellColour(RowOfBit(bit), ColumnOfBit(bit));
}

QString MemoryMapGrid::CellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

} // namespace varkel
