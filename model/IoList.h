#pragma once
#include <string>
#include <vector>

namespace varkel {

class Subnet;

// One register or coil of a command and where the Profibus master finds it.
struct IoRow {
    std::string tag;
    int memory = 0;   // InputDirection or OutputDirection
    int byte = 0;     // counted from the memory's start, 0..167
    int bitFirst = 0; // a coil: its bit; a register: 0..15 from its first byte
    int bitLast = 0;
    int slave = 0;
    int function = -1;
    long long modbusAddress = 0; // zero-based protocol address
    int swap = 0;                // 0 none, 1 two bytes, 2 four bytes
    bool slow = false;
    int node = 0;
    int command = 0;
    int element = 0; // its position in the command, from 0
    int count = 1;   // the command's elements, listed or not
};

struct IoList {
    std::vector<IoRow> rows;
    // Elements whose place lies outside their memory: not listed, counted so
    // that the front ends can say so.
    long long outside = 0;
};

// Every data element of every command of the subnet's Modbus master, in node
// and command order. Universal mode has none.
IoList BuildIoList(const Subnet& subnet);

// Column names shared by the CSV, the JSON and the spreadsheet.
const std::vector<std::string>& IoListColumns();

// The row's values as the CSV writes them, in column order.
std::vector<std::string> IoRowFields(const IoRow& row);

// The list as CSV: UTF-8 with a byte-order mark when asked, one header row,
// one row per element, CR LF line ends.
std::string IoListCsv(const IoList& list, bool byteOrderMark = true);

} // namespace varkel
