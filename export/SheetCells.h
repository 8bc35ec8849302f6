#pragma once
#include "export/SheetLayout.h"

#include <map>
#include <string>
#include <utility>

namespace varkel {

// The cells an export writes into one sheet, in row and column order. A
// later write to the same cell replaces the earlier one.
class SheetCells : public SheetSink {
public:
    // The limits of a worksheet; writes outside them are dropped.
    static constexpr int kMaxRow = 1048576;
    static constexpr int kMaxColumn = 16384;

    using Key = std::pair<int, int>; // row, column; both from 1

    void SetCell(int row, int column, const std::string& text) override;

    const std::map<Key, std::string>& Cells() const { return cells_; }
    const std::string* Find(int row, int column) const;
    bool Empty() const { return cells_.empty(); }

private:
    std::map<Key, std::string> cells_;
};

} // namespace varkel
