#pragma once
#include "model/PortOpenError.h"
#include "probe/ProbeTypes.h"

#include <memory>
#include <string>

namespace varkel {

// One Modbus master framing on a serial port: RTU through libmodbus, or our
// own ASCII framing over the project's serial transport.
class ProbeChannel {
public:
    virtual ~ProbeChannel() = default;

    // 0 or PortOpenFailed, with the reason in error. Never opens the port
    // with other line settings than those given.
    virtual int Open(const std::string& device, const ProbeLine& line, std::string& error) = 0;
    // Why the port itself did not open, as a value; none when Open failed
    // for the line settings (then error says why) or succeeded.
    virtual PortOpenError LastOpenError() const { return {}; }
    virtual void Close() = 0;
    // Sends the command's read and waits for its answer; fills status, data
    // and round-trip time. Waits at most the response time-out.
    virtual void Read(const ProbeCommand& command, ProbeResult& result) = 0;
    // After Open: the port is a pseudo-terminal, which took the line but
    // carries neither its parity nor its data bits, and the line has one of
    // them other than 8 data bits without parity.
    virtual bool FramingDropped() const { return false; }

    // The channel for the line's framing.
    static std::unique_ptr<ProbeChannel> ForLine(const ProbeLine& line);
};

} // namespace varkel
