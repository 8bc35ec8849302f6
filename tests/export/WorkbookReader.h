#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

// Reads a workbook file back the way a spreadsheet program would, with
// libzip and TinyXML only, so that the tests do not trust the export's own
// reading of workbooks.
struct CellValue {
    std::string text;  // as shown: shared strings resolved, escapes decoded
    std::string style; // the s attribute
    std::string type;  // the t attribute
    bool operator==(const CellValue&) const = default;
};

using CellMap = std::map<std::pair<int, int>, CellValue>; // (row, column) from 1

// The cell at (row, column), or an empty one.
inline CellValue At(const CellMap& cells, int row, int column) {
    auto found = cells.find({row, column});
    return found == cells.end() ? CellValue() : found->second;
}

class WorkbookReader {
public:
    bool Open(const std::string& path);
    bool Has(const std::string& part) const { return parts_.count(part) != 0; }
    std::string Part(const std::string& part) const;
    std::vector<std::string> PartNames() const { return order_; }
    // Sheet names in workbook order.
    std::vector<std::string> SheetNames() const;
    // The part of the named sheet, through the workbook relationships.
    std::string SheetPart(const std::string& sheetName) const;
    // Cells of the named sheet; sets ok to false when the sheet XML does not
    // parse or breaks the row and cell order.
    CellMap Cells(const std::string& sheetName, bool* ok = nullptr) const;
    // The dimension reference of the named sheet.
    std::string Dimension(const std::string& sheetName) const;

private:
    std::map<std::string, std::string> parts_;
    std::vector<std::string> order_;
};

// Writes a zip file with the given parts, in order.
bool WriteZip(const std::string& path,
              const std::vector<std::pair<std::string, std::string>>& parts);
// The parts of a zip file, in order; empty when it cannot be read.
std::vector<std::pair<std::string, std::string>> ReadZip(const std::string& path);
