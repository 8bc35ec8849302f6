#pragma once
#include <string>
#include <vector>

namespace varkel {

// A command list as read from a workbook sheet or a CSV file: the texts of
// its cells as the spreadsheet shows them, with the row numbers it gives.
struct CommandTable {
    struct Row {
        int number = 0;                 // as the spreadsheet numbers it, from 1
        std::vector<std::string> cells; // column 1 first; missing ones are empty
    };
    std::string sheet;     // the sheet's name, or the file name of a CSV list
    std::vector<Row> rows; // rows with at least one non-empty cell, in order

    // The cell at a column (from 1), or the empty text.
    static const std::string& Cell(const Row& row, int column);
};

} // namespace varkel
