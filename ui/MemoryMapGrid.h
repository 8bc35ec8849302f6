#pragma once
#include <QColor>
#include <QTableWidget>

namespace varkel {

// One gateway memory bit by bit: 100 rows of 32 bits (four bytes) under a
// header row, each row led by the address of its first byte. Cells are
// painted by the conflict dialog; the grid itself only lays them out.
class MemoryMapGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kRows = 100;
    static constexpr int kColumns = 33;
    static constexpr int kBitsPerRow = 32;
    // Sizes in twips (1/1440 inch), turned into pixels by the screen's dots
    // per inch.
    static constexpr int kLabelWidthTwips = 600;
    static constexpr int kBitWidthTwips = 300;
    static constexpr int kRowHeightTwips = 300;

    // base: the memory's first address (0 for input, 4000H for output).
    MemoryMapGrid(unsigned base, QWidget* parent = nullptr);

    unsigned Base() const { return base_; }
    static int RowOfBit(int bit) { return bit / kBitsPerRow + 1; }
    static int ColumnOfBit(int bit) { return bit % kBitsPerRow + 1; }
    static int BitOfCell(int row, int column) { return (row - 1) * kBitsPerRow + (column - 1); }

    // Background of a cell, and of the cell of a bit.
    void SetCellColour(int row, int column, const QColor& colour);
    QColor CellColour(int row, int column) const;
    QColor BitColour(int bit) const;
    QString CellText(int row, int column) const;

    // Pixels of a length in twips, by the screen's dots per inch.
    int TwipsToPixelsX(int twips) const;
    int TwipsToPixelsY(int twips) const;
    // The width that shows the address column and all 32 bit columns.
    int FullWidth() const;
    // Narrows (or widens) the 32 bit columns to a width in pixels.
    void SetBitWidth(int pixels);

private:
    unsigned base_;
};

} // namespace varkel
