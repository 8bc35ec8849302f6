#pragma once
#include "model/CommandTable.h"

#include <string>

namespace varkel {

// Reads a command list from a CSV file with a header row: UTF-8 with or
// without byte-order mark, or GB18030; fields separated by commas or
// semicolons, whichever the header row uses; double-quoted fields. Within
// the limits of CommandTable.
class CsvList {
public:
    static CommandTable::Status ReadFile(const std::string& path, CommandTable& table,
                                         std::string& error);
    // The same from the bytes of a file; name is the list's name in messages.
    static CommandTable::Status Parse(const std::string& bytes, const std::string& name,
                                      CommandTable& table, std::string& error);
};

} // namespace varkel
