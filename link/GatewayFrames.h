#pragma once
#include "link/Frame.h"

#include <cstdint>

namespace varkel {

class Command;
class Fieldbus;
class Project;
class Subnet;

// The download frames, built from the model's values.
Bytes VersionRequestFrame();
Bytes SerialSettingsFrame(const Subnet& subnet);     // 03h, 17 bytes
Bytes LongSerialSettingsFrame(const Subnet& subnet); // 03h, 28 bytes, hardware 2.0
Bytes UniversalSettingsFrame(const Subnet& subnet);  // 05h, 15 bytes
Bytes CommandListStartFrame();                       // 14h 03h 00h 55h AAh 16h
Bytes CommandRecordFrame(const Command& command, int frameCounter, int slaveAddress);
Bytes ValidLengthFrame(const Fieldbus& fieldbus);  // 30h, 6 bytes
Bytes ClearOnFaultFrame(const Fieldbus& fieldbus); // 32h, 4 bytes

// Frames of a download after the checks, the two version requests
// included, for a gateway of the given version.
int DownloadStepCount(const Project& project, std::uint8_t hwMajor, std::uint8_t hwMinor);

} // namespace varkel
