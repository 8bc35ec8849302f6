#pragma once
#include <string>

namespace varkel {

struct FunctionInfo {
    int code = -1;          // Modbus function code, -1 for an unknown index
    bool supported = false; // only supported functions get items
    std::string name;       // the function's text in the active table
};

// Function index (0 to 13, as the file stores it) to Modbus function code.
FunctionInfo LookupFunctionCode(int index);

// The function index of a Modbus function code accepted in an uploaded
// record, or -1.
int FunctionIndexOfCode(int code);

} // namespace varkel
