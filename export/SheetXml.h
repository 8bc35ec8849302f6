#pragma once
#include "export/SheetCells.h"
#include "export/XmlScanner.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace varkel {

// "A" for column 1, "Z" for 26, "AA" for 27.
std::string ColumnName(int column);
// "B2" for row 2, column 2.
std::string CellReference(int row, int column);
// Reads "B2" (or "$B$2"); false when the text is not a cell reference.
bool ParseCellReference(const std::string& reference, int& row, int& column);
// A cell text as sheet XML content: XML-escaped, CR kept, characters XML
// cannot carry and text that reads like an "_xHHHH_" escape written as
// such escapes, broken UTF-8 replaced by U+FFFD.
std::string EncodeCellText(const std::string& text);

// The XML of one worksheet, with its cell data taken apart so that cells
// can be written into it while every other byte of it stays as it was.
class SheetXml {
public:
    // False when the text is not a worksheet (malformed, or no cell data).
    bool Load(const std::string& xml);
    // Writes a text cell. The cell keeps its style; a new cell takes the
    // style of its row or column. An empty text leaves an empty cell.
    void SetCell(int row, int column, const std::string& text);
    void SetCells(const SheetCells& cells);
    // The worksheet with the written cells and its dimension brought up to
    // date; the original text when nothing was written.
    std::string Save() const;

private:
    struct Cell {
        int column = 0;
        std::string raw; // the whole element as read, or as built
        bool hasReference = true;
        std::string style; // value of its s attribute, empty when none
    };
    struct Row {
        int index = 0;
        std::string name; // qualified element name
        std::vector<std::pair<std::string, std::string>> attributes;
        std::string raw; // the whole element as read
        std::vector<Cell> cells;
        std::string tail; // children other than cells, kept after them
        bool rebuild = false;
    };
    struct ColumnStyle {
        int first = 0, last = 0;
        std::string style;
    };

    bool ParseCols(XmlScanner& scanner, const XmlTag& start);
    bool ParseSheetData(XmlScanner& scanner, const XmlTag& start);
    bool ParseRow(XmlScanner& scanner, const XmlTag& start, Row& row);
    Row& RowAt(int index);
    std::string StyleForNewCell(const Row& row, int column) const;
    std::string BuildRow(const Row& row) const;
    std::string Dimension() const;

    std::string xml_;
    std::string prefix_; // namespace prefix of the sheet's elements, e.g. "x:"
    std::string sheetDataName_;
    std::size_t sheetDataBegin_ = 0, sheetDataEnd_ = 0;
    std::size_t dimensionBegin_ = std::string::npos, dimensionEnd_ = std::string::npos;
    std::size_t dimensionInsert_ = 0; // where a missing dimension goes
    std::vector<ColumnStyle> columnStyles_;
    std::vector<Row> rows_;
    std::string sheetDataTail_;
    bool changed_ = false;
};

} // namespace varkel
