#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace varkel {

// A command list as read from a workbook sheet or a CSV file: the texts of
// its cells as the spreadsheet shows them, with the row numbers it gives.
// The readers fill it through AddCell, which holds the limits that keep a
// hostile file from taking memory or time; every one is a clear refusal,
// never a cut list.
class CommandTable {
public:
    enum Status {
        Read = 0,
        Missing = 1,    // no such file, or it cannot be opened
        Unreadable = 2, // not a list the readers take, or over a limit
    };

    // The file on disk, and a workbook's parts unpacked together.
    static constexpr std::size_t kMaxFileSize = std::size_t{16} * 1024 * 1024;
    // One cell's text, as spreadsheet programs allow.
    static constexpr std::size_t kMaxCellSize = 32767;
    // Rows holding anything; a node takes 48 commands.
    static constexpr int kMaxRows = 1000;
    // Columns holding anything.
    static constexpr int kMaxColumns = 256;

    struct Row {
        int number = 0;                 // as the spreadsheet numbers it, from 1
        std::vector<std::string> cells; // column 1 first; missing ones are empty
    };

    std::string sheet;     // the sheet's name, or the file name of a CSV list
    std::vector<Row> rows; // rows with at least one non-empty cell, in order

    // Takes a cell of the row being read or of a later one; an empty text
    // is no cell. False, with the reason in error, when it breaks a limit.
    bool AddCell(int row, int column, std::string text, std::string& error);

    // The cell at a column (from 1), or the empty text.
    static const std::string& Cell(const Row& row, int column);
    // "A" for column 1, "AA" for 27, as spreadsheets name columns.
    static std::string ColumnLetters(int column);
    // "B2" for row 2, column 2.
    static std::string CellName(int row, int column);
};

} // namespace varkel
