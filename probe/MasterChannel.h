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

} // namespace varkel
