#pragma once
#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace varkel {

// The subnet's line and master timing as the probe uses them.
struct ProbeLine {
    bool ascii = false;
    int baud = 19200;
    int dataBits = 8;
    char parity = 'N'; // 'N', 'O', 'E', 'M' (mark), 'S' (space)
    int stopBits = 1;
    int responseTimeoutMs = 300;
    int pollDelayMs = 0;
    int scanRatio = 1;
};

enum class Swapping { None = 0, TwoBytes = 1, FourBytes = 2 };

// One configured command as it goes on the line. The probe sends a write
// command as the read of its target (coils with code 1, registers with
// code 3); the gateway's runtime sends it as configured.
struct ProbeCommand {
    int index = 0;              // position in the node
    std::string name;           // the command's label
    int configuredFunction = 0; // the function code in the configuration
    int function = 0;           // the function actually sent
    int slave = 1;
    int address = 0; // first register or coil
    int count = 1;
    bool slowScan = false;
    bool output = false; // mapped into the output memory
    int mapByte = 0;     // mapping address within its memory
    int bitOffset = 0;   // first bit in mapByte, coils and inputs only
    Swapping swapping = Swapping::None;

    bool IsWriteChecked() const { return function != configuredFunction; }
    bool IsRegisters() const {
        return function == 3 || function == 4 || function == 6 || function == 16;
    }
    bool IsWrite() const {
        return function == 5 || function == 6 || function == 15 || function == 16;
    }
    // First and last bit the data takes in its memory.
    int FirstBit() const { return mapByte * 8 + (IsRegisters() ? 0 : bitOffset); }
    int LastBit() const { return FirstBit() + (IsRegisters() ? 16 * count : count) - 1; }
};

enum class ProbeStatus { Ok, Exception, Timeout, BadCheck, Mismatch, PortFailed };

// What one request brought back.
struct ProbeResult {
    int pass = 0;
    int command = 0; // index in the plan
    ProbeStatus status = ProbeStatus::Timeout;
    int exception = 0;                    // Modbus exception number when status is Exception
    std::vector<std::uint16_t> registers; // codes 3 and 4
    std::vector<std::uint8_t> bits;       // codes 1 and 2, one 0/1 per coil or input
    double ms = 0;                        // round trip
    std::chrono::system_clock::time_point time;
    std::string detail; // what went wrong, for the port failures
};

// Where a pass stands once it is over.
struct PassSummary {
    int pass = 0;
    double ms = 0;
    int answered = 0;
    int failed = 0;
};

// The name of a parity letter of ProbeLine, as messages give it.
const char* ParityName(char parity);
// Status words as the command line and the log write them.
const char* StatusName(ProbeStatus status);
// The standard name of a Modbus exception number.
std::string ExceptionName(int exception);
// A result's status in the active language, for tables and logs.
std::string StatusText(const ProbeResult& result);

} // namespace varkel
