#pragma once
#include <string>

namespace varkel {

// What a Modbus function code means for a command; one row a function in
// FunctionCode.cpp, from which the command's items, its mapping, the
// automatic mapping and the value limits follow.
struct FunctionFacts {
    enum Access { Bit, Word };
    int code = -1;          // Modbus function code
    int nameKey = 48;       // text key of the function's name
    bool supported = false; // only supported functions get items
    Access access = Word;   // coils/inputs (bits) or registers (16-bit words)
    bool output = true;     // writes from the output memory, else reads into the input memory
    bool single = false;    // writes exactly one coil or register (data number fixed at 1)
    int maxCount = 0;       // largest data number in RTU mode; 0 when not checked
    // A bit access starts at a bit offset within the mapped byte.
    bool HasBitOffset() const { return access == Bit; }
};

// The row of a function index (0 to 13, as the file stores it); an index
// outside the table gets an unsupported row with code -1.
const FunctionFacts& FactsOfIndex(int index);
// The row of a Modbus function code, supported or not; an unknown code
// counts as a word write.
const FunctionFacts& FactsOfCode(int code);

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
