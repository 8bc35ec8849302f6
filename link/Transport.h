#pragma once
#include "model/PortOpenError.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace varkel {

class CancelToken;

// A byte pipe to one gateway. The protocol code sees only this, so that
// another operating system's serial port can be added without touching it.
class Transport {
public:
    virtual ~Transport() = default;

    // Opens the device exclusively at 19200 baud 8N1, raw, and empties both
    // directions. Returns true on success.
    virtual bool Open(const std::string& device) = 0;
    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;
    // Why the last Open failed; the protocol layer only needs to know that
    // it failed, the front end tells the user why and what to do.
    virtual PortOpenError LastOpenError() const { return {}; }
    // Operating-system text of the last failure, for the trace.
    virtual std::string LastErrorText() const = 0;

    // Writes up to count bytes, giving up after timeoutMs. Returns the bytes
    // written, or -1 when the port failed.
    virtual long Write(const std::uint8_t* bytes, std::size_t count, int timeoutMs) = 0;
    // Reads until count bytes arrived, or intervalMs pass after a byte
    // without another, or totalMs pass in all; with totalMs 0 only what has
    // already arrived. Returns the bytes read, or -1 when the port failed
    // (device gone, hang-up).
    virtual long Read(std::uint8_t* buffer, std::size_t count, int intervalMs, int totalMs) = 0;
    // A read waiting when the token is cancelled gives up at once and
    // returns -1. A transport that cannot be woken ignores the token; the
    // transfer still stops at its next frame.
    virtual void SetCancelToken(const CancelToken* /*token*/) {}
};

} // namespace varkel
