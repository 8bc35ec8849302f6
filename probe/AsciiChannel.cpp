#include "probe/AsciiChannel.h"

#include "link/PosixSerialPort.h"
#include "model/Catalog.h"
#include "model/ResultCode.h"
#include "probe/ModbusAscii.h"

#include <chrono>

namespace varkel {
namespace {

// Drains what is waiting on the line without blocking.
void Drain(PosixSerialPort& port) {
    std::uint8_t scrap[256];
    while (port.Read(scrap, sizeof scrap, 0, 0) > 0) {
    }
}

} // namespace

AsciiChannel::AsciiChannel() : port_(std::make_unique<PosixSerialPort>()) {}

AsciiChannel::~AsciiChannel() {
    Close();
}

int AsciiChannel::Open(const std::string& device, const ProbeLine& line, std::string& error) {
    line_ = line;
    openError_ = {};
    if (!port_->Open(device)) {
        openError_ = port_->LastOpenError();
        error = device + ": " + port_->LastErrorText();
        return PortOpenFailed;
    }
    if (!port_->SetLine(line.baud, line.dataBits, line.parity, line.stopBits)) {
        error =
            line.parity == 'M' || line.parity == 'S'
                ? Text(Msg::ProbeParityRefused, {ParityName(line.parity)})
                : Text(Msg::ProbeLineRefused, {std::to_string(line.baud), ParityName(line.parity)});
        port_->Close();
        return PortOpenFailed;
    }
    return Success;
}

bool AsciiChannel::FramingDropped() const {
    return port_->IsOpen() && port_->FramingDropped();
}

void AsciiChannel::Close() {
    port_->Close();
}

void AsciiChannel::Interpret(const ProbeCommand& command, const std::vector<std::uint8_t>& answer,
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
        for (int i = 0; i < command.count; ++i)
            result.registers.push_back(
                static_cast<std::uint16_t>(data[2 * i] << 8 | data[2 * i + 1]));
    } else {
        for (int i = 0; i < command.count; ++i)
            result.bits.push_back(static_cast<std::uint8_t>((data[i / 8] >> (i % 8)) & 1));
    }
    result.status = ProbeStatus::Ok;
}

void AsciiChannel::Read(const ProbeCommand& command, ProbeResult& result) {
    result.registers.clear();
    result.bits.clear();
    result.exception = 0;
    if (!port_->IsOpen()) {
        result.status = ProbeStatus::PortFailed;
        return;
    }
    Drain(*port_);
    const std::string frame = ModbusAscii::Encode(
        ModbusAscii::ReadRequest(command.slave, command.function, command.address, command.count));
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };
    const long sent = port_->Write(reinterpret_cast<const std::uint8_t*>(frame.data()),
                                   frame.size(), line_.responseTimeoutMs);
    if (sent != static_cast<long>(frame.size())) {
        result.status = ProbeStatus::PortFailed;
        result.detail = port_->LastErrorText();
        result.ms = elapsed();
        return;
    }
    // Characters are read until LF or the response time-out; Modbus ASCII
    // allows up to a second between characters, the time-out bounds the whole.
    std::string answer;
    const auto deadline = start + std::chrono::milliseconds(line_.responseTimeoutMs);
    while (answer.size() < 600) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0)
            break;
        std::uint8_t c = 0;
        const long n = port_->Read(&c, 1, static_cast<int>(left), static_cast<int>(left));
        if (n < 0) {
            result.status = ProbeStatus::PortFailed;
            result.detail = port_->LastErrorText();
            result.ms = elapsed();
            return;
        }
        if (n == 0)
            break;
        if (c == ':')
            answer.clear(); // a new frame starts; noise before it is dropped
        answer += static_cast<char>(c);
        if (c == '\n')
            break;
    }
    result.ms = elapsed();
    std::vector<std::uint8_t> message;
    switch (ModbusAscii::Decode(answer, message)) {
    case ModbusAscii::Decoded::Ok:
        Interpret(command, message, result);
        return;
    case ModbusAscii::Decoded::BadLrc:
        result.status = ProbeStatus::BadCheck;
        return;
    case ModbusAscii::Decoded::Incomplete:
        result.status = answer.empty() ? ProbeStatus::Timeout : ProbeStatus::BadCheck;
        return;
    case ModbusAscii::Decoded::BadFrame:
        result.status = ProbeStatus::BadCheck;
        return;
    }
}

} // namespace varkel
