#pragma once
#include "model/CommandTable.h"

#include <string>

namespace varkel {

// Reads the command list of a workbook (.xlsx) for the import, within the
// limits of CommandTable. CSV lists are read by persist/CsvList.
class ListReader {
public:
    // Whether the file is a workbook by its content (a zip package, or the
    // compound file of an encrypted or old binary one), whatever its name.
    static bool IsWorkbookFile(const std::string& path);
    // The sheet that holds the command list: the export's order list sheet
    // in either language, else the first sheet. Encrypted, macro-enabled,
    // over-large and malformed workbooks are refused with the reason.
    static CommandTable::Status ReadWorkbook(const std::string& path, CommandTable& table,
                                             std::string& error);
};

} // namespace varkel
