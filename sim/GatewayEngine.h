#pragma once
#include "sim/GatewayState.h"

#include <cstdint>
#include <optional>
#include <string>

namespace varkel::sim {

// The gateway's side of the configuration protocol, without any I/O: a
// complete request frame in, the reply (if the gateway gives one) out.
class GatewayEngine {
public:
    GatewayEngine(std::uint8_t hwMajor, std::uint8_t hwMinor) : major_(hwMajor), minor_(hwMinor) {}

    // Replies to one frame; no reply for a frame the gateway does not accept
    // (unknown command, wrong length or checksum, record out of sequence).
    // why tells what was done or refused, for the trace.
    std::optional<Bytes> Handle(const Bytes& frame, std::string* why = nullptr);

    const GatewayState& State() const { return state_; }
    void SetState(const GatewayState& state) { state_ = state; }
    std::uint8_t Major() const { return major_; }
    std::uint8_t Minor() const { return minor_; }
    // True when the last frame handled changed the state.
    bool Changed() const { return changed_; }

    // Length of a request frame given its first two bytes, or 0 when the
    // first byte is no request of this protocol.
    static std::size_t RequestLength(std::uint8_t command, std::uint8_t length);
    static std::uint8_t Sum(const std::uint8_t* bytes, std::size_t count);

private:
    Bytes Frame(std::uint8_t command, const Bytes& data) const;
    Bytes Ack(std::uint8_t command) const { return Bytes{command, 0x00, command}; }

    std::uint8_t major_;
    std::uint8_t minor_;
    GatewayState state_;
    bool changed_ = false;
};

} // namespace varkel::sim
