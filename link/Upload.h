#pragma once
#include "link/Download.h"
#include "model/ResultCode.h"

#include <cstdint>

namespace varkel {

class Fieldbus;
class Project;
class SerialLink;
class Subnet;

// The whole upload into the project; a failure part-way leaves it exactly
// as it was. version, when given, receives the gateway's version.
[[nodiscard]] ResultCode Upload(Project& project, SerialLink& link,
                                HardwareVersion* version = nullptr);
// The parts, for the gateway of the given version.
[[nodiscard]] ResultCode Upload(Subnet& subnet, SerialLink& link, std::uint8_t hwMajor,
                                std::uint8_t hwMinor);
[[nodiscard]] ResultCode Upload(Fieldbus& fieldbus, SerialLink& link, ProtocolType protocolType,
                                std::uint8_t hwMajor, std::uint8_t hwMinor);

} // namespace varkel
