#pragma once
#include "model/CommitRules.h"
#include "model/ProtocolType.h"
#include "model/ResultCode.h"

#include <cstdint>
#include <string>
#include <vector>

namespace varkel {

class Command;
class Fieldbus;
class Node;
class Project;
class SerialLink;
class Subnet;

// The gateway's hardware version, as the version query found it.
struct HardwareVersion {
    std::uint8_t major = 0;
    std::uint8_t minor = 0;
    bool known = false;
};

// What stops a download before it sends anything: the first of the subnet's
// problems (empty values, bad settings), the memory maps, then every value
// the editor would refuse (listed in one message). code is Success when
// nothing does; message is what the user is told (empty for the memory
// maps, whose result says it).
struct DownloadCheck {
    ResultCode code = Success;
    std::string message;
};
[[nodiscard]] DownloadCheck CheckBeforeDownload(const Project& project);

// One refused value as a line for the user, and all of them under a heading.
std::string RefusedValueLine(const RefusedValue& refused);
std::string RefusedValuesText(const std::string& heading, const std::vector<RefusedValue>& all);

// The whole download: checks, version query, settings, records and the
// fieldbus switch. version, when given, receives the gateway's version.
[[nodiscard]] ResultCode Download(const Project& project, SerialLink& link,
                                  HardwareVersion* version = nullptr);
// The version query in its double form (the first answer is not examined)
// and in its single form.
[[nodiscard]] ResultCode QueryHardwareVersion(const Project& project, SerialLink& link,
                                              std::uint8_t& hwMajor, std::uint8_t& hwMinor);
[[nodiscard]] ResultCode QueryHardwareVersion(const Subnet& subnet, SerialLink& link,
                                              std::uint8_t& hwMajor, std::uint8_t& hwMinor);
// The double query that opens a transfer; version, when given, receives the
// answer. A gateway of a layout we do not know is refused (VersionMismatch).
[[nodiscard]] ResultCode QueryKnownHardware(const Project& project, SerialLink& link,
                                            std::uint8_t& hwMajor, std::uint8_t& hwMinor,
                                            HardwareVersion* version);
// The parts, for the gateway of the given version.
[[nodiscard]] ResultCode Download(const Subnet& subnet, SerialLink& link, std::uint8_t hwMajor,
                                  std::uint8_t hwMinor);
[[nodiscard]] ResultCode Download(const Node& node, SerialLink& link, int& frameCounter);
[[nodiscard]] ResultCode Download(const Command& command, SerialLink& link, int& frameCounter,
                                  int slaveAddress);
[[nodiscard]] ResultCode Download(const Fieldbus& fieldbus, SerialLink& link,
                                  ProtocolType protocolType, std::uint8_t hwMajor,
                                  std::uint8_t hwMinor);

} // namespace varkel
