#pragma once
#include "model/PortOpenError.h"
#include "model/ResultCode.h"
#include "probe/ProbeTypes.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace varkel {

// One Modbus master framing on a serial port: RTU through libmodbus, or our
// own ASCII framing over the project's serial transport.
class ProbeChannel {
public:
    virtual ~ProbeChannel() = default;

    // Success or PortOpenFailed, with the reason in error. Never opens the port
    // with other line settings than those given.
    [[nodiscard]] virtual ResultCode Open(const std::string& device, const ProbeLine& line,
                                          std::string& error) = 0;
    // Why the port itself did not open, as a value; none when Open failed
    // for the line settings (then error says why) or succeeded.
    virtual PortOpenError LastOpenError() const { return {}; }
    virtual void Close() = 0;
    // Sends the command's read and waits for its answer; fills status, data
    // and round-trip time. An answer not complete within the response
    // time-out is a time-out. After an exchange without a valid answer, what
    // still arrives is discarded until the line is quiet before the next
    // request goes out, so that a late answer is never taken for the next.
    virtual void Read(const ProbeCommand& command, ProbeResult& result) = 0;
    // After Open: the port is a pseudo-terminal, which took the line but
    // carries neither its parity nor its data bits, and the line has one of
    // them other than 8 data bits without parity.
    virtual bool FramingDropped() const { return false; }

    // Turns an answer (unit, function, data) to the command into a result:
    // an exception with whatever number it carries, the data when unit,
    // function and byte count are those asked for, a mismatch otherwise.
    static void Interpret(const ProbeCommand& command, const std::vector<std::uint8_t>& answer,
                          ProbeResult& result);

    // The channel for the line's framing.
    static std::unique_ptr<ProbeChannel> ForLine(const ProbeLine& line);

protected:
    // How long the line must stay silent before the rest of a late or
    // broken answer counts as gone: the frame gap of 3.5 characters, but
    // never shorter than a USB adapter may hold bytes back.
    static std::chrono::milliseconds QuietGap(const ProbeLine& line);
};

} // namespace varkel
