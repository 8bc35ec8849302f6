#pragma once
#include "probe/ModbusWriter.h"
#include "probe/ProbeChannel.h"

#include <memory>

namespace varkel {

// A Modbus master on a serial line that reads and writes: what the gateway's
// runtime drives. The probe takes the same channels as ProbeChannel alone.
class MasterChannel : public ProbeChannel, public ModbusWriter {
public:
    // The channel for the line's framing.
    static std::unique_ptr<MasterChannel> ForLine(const ProbeLine& line);
};

// A master channel that frames every request the same way, reads and writes
// alike: the RTU and ASCII channels. It judges the answer and remembers
// whether the line may still carry the rest of a broken one.
class FramedChannel : public MasterChannel {
public:
    void Read(const ProbeCommand& command, ProbeResult& result) override;
    void Write(const ModbusWrite& write, ProbeResult& result) override;

protected:
    // Sends a request (unit, function, data) and takes its answer the same
    // way, check sum checked and removed; false with the status set when
    // none came.
    virtual bool Exchange(const std::vector<std::uint8_t>& request,
                          std::vector<std::uint8_t>& answer, ProbeResult& result) = 0;

    // The last exchange ended without a valid answer: its rest may still come.
    bool settle_ = false;
};

} // namespace varkel
