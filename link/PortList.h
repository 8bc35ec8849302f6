#pragma once
#include <string>
#include <vector>

namespace varkel {

struct SerialPortInfo {
    std::string path;        // /dev/ttyUSB0
    std::string name;        // ttyUSB0
    std::string stableId;    // its /dev/serial/by-id name, when there is one
    std::string description; // what a USB adapter says it is ("FT232R USB UART")
};

// The serial devices the system has, in a stable order: built-in ports
// (ttyS) that really exist, then USB adapters (ttyUSB), then USB modems
// (ttyACM), each by number, then other devices that have a by-id name (an
// adapter whose driver names its ports otherwise), by name. The roots are
// for tests.
std::vector<SerialPortInfo> ListSerialPorts(const std::string& devRoot = "/dev",
                                            const std::string& sysRoot = "/sys/class/tty");

// The stable path of a port, /dev/serial/by-id/NAME, or its path when it
// has none.
std::string StablePath(const SerialPortInfo& port, const std::string& devRoot = "/dev");

} // namespace varkel
