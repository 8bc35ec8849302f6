#include "model/CommandTable.h"

#include "model/Catalog.h"
#include "model/Utf8.h"

namespace varkel {

namespace {
const std::string kEmpty;
}

bool CommandTable::AddCell(int row, int column, std::string text, std::string& error) {
    if (text.empty())
        return true;
    if (text.size() > kMaxCellSize) {
        error = Text(Msg::ListCellTooLarge,
                     {CellName(row, column), EscapedText(sheet), std::to_string(kMaxCellSize)});
        return false;
    }
    if (column > kMaxColumns) {
        error = Text(Msg::ListTooManyColumns,
                     {CellName(row, column), EscapedText(sheet), std::to_string(kMaxColumns)});
        return false;
    }
    if (rows.empty() || rows.back().number != row) {
        if (static_cast<int>(rows.size()) >= kMaxRows) {
            error = Text(Msg::ListTooManyRows, {EscapedText(sheet), std::to_string(kMaxRows)});
            return false;
        }
        rows.push_back({row, {}});
    }
    auto& cells = rows.back().cells;
    if (static_cast<int>(cells.size()) < column)
        cells.resize(static_cast<std::size_t>(column));
    cells[static_cast<std::size_t>(column - 1)] = std::move(text);
    return true;
}

const std::string& CommandTable::Cell(const Row& row, int column) {
    if (column < 1 || column > static_cast<int>(row.cells.size()))
        return kEmpty;
    return row.cells[static_cast<std::size_t>(column - 1)];
}

std::string CommandTable::ColumnLetters(int column) {
    std::string name;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        name.insert(name.begin(), static_cast<char>('A' + digit));
        column = (column - 1) / 26;
    }
    return name;
}

std::string CommandTable::CellName(int row, int column) {
    return ColumnLetters(column) + std::to_string(row);
}

} // namespace varkel
