#include "probe/ProbeChannel.h"

#include "model/CycleEstimate.h"
#include "probe/AsciiChannel.h"
#include "probe/ModbusAscii.h"
#include "probe/RtuChannel.h"

#include <algorithm>
#include <cmath>

namespace varkel {

namespace {
constexpr std::chrono::milliseconds kAdapterHold{100};
}

std::unique_ptr<MasterChannel> MasterChannel::ForLine(const ProbeLine& line) {
    if (line.ascii)
        return std::make_unique<AsciiChannel>();
    return std::make_unique<RtuChannel>();
}

void FramedChannel::Read(const ProbeCommand& command, ProbeResult& result) {
    std::vector<std::uint8_t> answer;
    if (Exchange(ModbusAscii::ReadRequest(command.slave, command.function, command.address,
                                          command.count),
                 answer, result)) {
        Interpret(command, answer, result);
        settle_ = result.status != ProbeStatus::Ok && result.status != ProbeStatus::Exception;
    }
}

void FramedChannel::Write(const ModbusWrite& write, ProbeResult& result) {
    std::vector<std::uint8_t> answer;
    if (Exchange(ModbusWriter::Request(write), answer, result)) {
        InterpretWrite(write, answer, result);
        settle_ = result.status != ProbeStatus::Ok && result.status != ProbeStatus::Exception;
    }
}

std::unique_ptr<ProbeChannel> ProbeChannel::ForLine(const ProbeLine& line) {
    return MasterChannel::ForLine(line);
}

std::chrono::milliseconds ProbeChannel::QuietGap(const ProbeLine& line) {
    const int bits = CharacterBits(line.dataBits, line.parity != 'N', line.stopBits);
    const double ms = line.baud > 0 ? kRtuSilenceChars * 1000.0 * bits / line.baud : 0.0;
    return std::max(kAdapterHold, std::chrono::milliseconds(static_cast<long long>(std::ceil(ms))));
}

void ProbeChannel::Interpret(const ProbeCommand& command, const std::vector<std::uint8_t>& answer,
                             ProbeResult& result) {
    result.registers.clear();
    result.bits.clear();
    result.exception = 0;
    if (answer.size() < 3 || answer[0] != command.slave) {
        result.status = ProbeStatus::Mismatch;
        return;
    }
    if (answer[1] == (command.function | 0x80)) {
        result.status = answer.size() == 3 ? ProbeStatus::Exception : ProbeStatus::Mismatch;
        result.exception = answer.size() == 3 ? answer[2] : 0;
        return;
    }
    const std::size_t expected = command.IsRegisters()
                                     ? 2 * static_cast<std::size_t>(command.count)
                                     : (static_cast<std::size_t>(command.count) + 7) / 8;
    if (answer[1] != command.function || answer[2] != expected || answer.size() != 3 + expected) {
        result.status = ProbeStatus::Mismatch;
        return;
    }
    const std::uint8_t* data = answer.data() + 3;
    if (command.IsRegisters()) {
        for (std::size_t i = 0; i < static_cast<std::size_t>(command.count); ++i)
            result.registers.push_back(
                static_cast<std::uint16_t>(data[2 * i] << 8 | data[2 * i + 1]));
    } else {
        for (int i = 0; i < command.count; ++i)
            result.bits.push_back(static_cast<std::uint8_t>((data[i / 8] >> (i % 8)) & 1));
    }
    result.status = ProbeStatus::Ok;
}

} // namespace varkel
