#pragma once
#include <map>
#include <string>
#include <vector>

namespace varkel {

class Subnet;

// The file a tag table is written as: plain CSV, the workbook the S7
// engineering tool imports, or an IEC 61131-3 global variable list.
enum class PlcTagFormat { Csv, S7, Iec };

// The PLC data types a tag can have: BOOL for a coil or input, the rest for
// registers; the last four take two registers each.
enum class PlcTagType { Bool, Int, Uint, Word, Dint, Udint, Dword, Real };

// "INT", "DWORD", ... as the command line, the CSV and the IEC text write them.
const char* PlcTagTypeName(PlcTagType type);
// "Int", "DWord", ... as the S7 tag table writes them.
const char* PlcTagTypeS7Name(PlcTagType type);
// A register type by its name in either spelling, case ignored; false for
// anything else (BOOL included: coils have no choice).
bool ParseRegisterTagType(const std::string& text, PlcTagType& type);
// The register types in the order the front ends offer them.
const std::vector<PlcTagType>& RegisterTagTypes();
// Registers a tag of the type takes: 0 for BOOL, 1 or 2.
int TagTypeRegisters(PlcTagType type);

struct PlcTagOptions {
    PlcTagFormat format = PlcTagFormat::Csv;
    int inputBase = 0;  // PLC byte address of the gateway's input memory
    int outputBase = 0; // and of its output memory
    bool iecByteAddressing = false;
    std::string table = "Varkel"; // the S7 table path, named in the IEC text's heading
    // Types of register commands by command number (from 1, across the
    // nodes, as the workbook counts); INT where none is given.
    std::map<int, PlcTagType> types;
};

// Longest tag name in characters for the format.
int TagNameLimit(PlcTagFormat format);

// One PLC tag: a coil or input, one register, or a register pair.
struct PlcTag {
    std::string name;
    PlcTagType type = PlcTagType::Int;
    std::string address; // in the format's notation, base included
    std::string comment; // in the active language
    int memory = 0;      // InputDirection or OutputDirection
    int byte = 0;        // first byte in the gateway's memory, 0..167
    int bit = 0;         // BOOL: the bit in that byte
    int size = 0;        // BOOL: 0; otherwise bytes (2 or 4)
    int command = 0;     // command number from 1
    int slave = 0;
    int function = 0;
    long long modbusAddress = 0; // of the first register or of the coil
    int registers = 0;           // registers covered (0 for BOOL)
    int swap = 0;                // the command's swapping: 0 none, 1 two, 2 four bytes
    bool swapNoted = false;      // the comment tells the PLC how to reorder the bytes
};

// A command with data, as the tag table counts it.
struct PlcTagCommand {
    int number = 0;   // from 1
    std::string name; // the command's name in the active language
    int function = 0;
    int slave = 0;
    long long start = 0;
    int count = 0;
    bool registers = false;
};

struct PlcTagTable {
    PlcTagOptions options;
    std::vector<PlcTag> tags;
    std::vector<PlcTagCommand> commands;
    // What the reader should know: an odd register count under a
    // two-register type, elements outside the memory.
    std::vector<std::string> notes;
    // What keeps the table from being written: a type for a command that
    // has no registers, an address the format cannot express.
    std::vector<std::string> problems;
};

// The tags of every register and coil of the subnet's commands, in the
// I/O list's order and at its places plus the base; names valid for the
// format, unique within the table (case ignored) and the same on every run.
// Universal mode has none.
PlcTagTable BuildPlcTags(const Subnet& subnet, const PlcTagOptions& options);

// Two tags of different commands that cover the same bits of a memory: the
// first such pair of each two commands.
struct PlcTagOverlap {
    std::size_t first = 0; // tag indices, first < second
    std::size_t second = 0;
};
std::vector<PlcTagOverlap> FindPlcTagOverlaps(const PlcTagTable& table);
// The warning for an overlap, naming both tags and where they meet.
std::string PlcTagOverlapText(const PlcTagTable& table, const PlcTagOverlap& overlap);

} // namespace varkel
