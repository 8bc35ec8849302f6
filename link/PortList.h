#pragma once
#include <string>
#include <vector>

namespace varkel {

struct SerialPortInfo {
    std::string path;     // /dev/ttyUSB0
    std::string name;     // ttyUSB0
    std::string stableId; // its /dev/serial/by-id name, when there is one
};

// The serial devices the system has, in a stable order: built-in ports
// (ttyS) that really exist, then USB adapters (ttyUSB), then USB modems
// (ttyACM), each by number. The roots are for tests.
std::vector<SerialPortInfo> ListSerialPorts(const std::string& devRoot = "/dev",
                                            const std::string& sysRoot = "/sys/class/tty");

} // namespace varkel
