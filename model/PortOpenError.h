#pragma once
#include <string>

namespace varkel {

// Why a serial port did not open. The link and probe layers return it as a
// value; the front ends turn it into the user's text with PortOpenText.
enum class OpenFailure { None, Missing, Permission, Busy, NotTerminal, Settings, Other };

// What stands at a port's path when it is not a terminal.
enum class PortPathKind { Unknown, Fifo, RegularFile, Folder, Socket, OtherDevice };

struct PortOpenError {
    OpenFailure failure = OpenFailure::None;
    std::string device;
    PortPathKind kind = PortPathKind::Unknown; // NotTerminal: what the path is
    std::string group;  // Permission: the group that owns the device, when known
    std::string detail; // the failing call and the system's reason
    bool Failed() const { return failure != OpenFailure::None; }
};

// "Failed to open serial port" and, on a line of its own, why and what to do
// about it, in the active language.
std::string PortOpenText(const PortOpenError& error);

} // namespace varkel
