#include "export/SheetCells.h"

namespace varkel {

void SheetCells::SetCell(int row, int column, const std::string& text) {
    if (row < 1 || row > kMaxRow || column < 1 || column > kMaxColumn)
        return;
    cells_[{row, column}] = text;
}

const std::string* SheetCells::Find(int row, int column) const {
    auto found = cells_.find({row, column});
    return found == cells_.end() ? nullptr : &found->second;
}

} // namespace varkel
