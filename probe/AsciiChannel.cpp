#include "probe/AsciiChannel.h"

#include "link/PosixSerialPort.h"
#include "model/Catalog.h"
#include "model/ResultCode.h"
#include "probe/ModbusAscii.h"
#include "probe/ProbeCatalog.h"

#include <chrono>

namespace varkel {
namespace {

// Discards what arrives until the line has been silent for the quiet gap,
// within a limit so that a line full of noise cannot hold the probe; with a
// zero gap only what is already waiting.
void Drain(PosixSerialPort& port, std::chrono::milliseconds quiet,
           std::chrono::milliseconds limit) {
    std::uint8_t scrap[256];
    if (quiet.count() <= 0) {
        while (port.Read(scrap, sizeof scrap, 0, 0) > 0) {
        }
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        const int wait = static_cast<int>(quiet.count());
        if (port.Read(scrap, sizeof scrap, wait, wait) <= 0)
            return;
    }
}

} // namespace

AsciiChannel::AsciiChannel() : port_(std::make_unique<PosixSerialPort>()) {}

AsciiChannel::~AsciiChannel() {
    Close();
}

ResultCode AsciiChannel::Open(const std::string& device, const ProbeLine& line,
                              std::string& error) {
    line_ = line;
    openError_ = {};
    settle_ = false;
    if (!port_->Open(device)) {
        openError_ = port_->LastOpenError();
        error = device + ": " + port_->LastErrorText();
        return PortOpenFailed;
    }
    if (!port_->SetLine(line.baud, line.dataBits, line.parity, line.stopBits)) {
        error = line.parity == 'M' || line.parity == 'S'
                    ? Text(ProbeMsg::ProbeParityRefused, {ParityName(line.parity)})
                    : Text(ProbeMsg::ProbeLineRefused,
                           {std::to_string(line.baud), ParityName(line.parity)});
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

bool AsciiChannel::Exchange(const std::vector<std::uint8_t>& request,
                            std::vector<std::uint8_t>& message, ProbeResult& result) {
    result.registers.clear();
    result.bits.clear();
    result.exception = 0;
    message.clear();
    if (!port_->IsOpen()) {
        result.status = ProbeStatus::PortFailed;
        return false;
    }
    Drain(*port_, settle_ ? QuietGap(line_) : std::chrono::milliseconds(0),
          std::chrono::milliseconds(line_.responseTimeoutMs));
    settle_ = true; // until a valid answer says otherwise
    const std::string frame = ModbusAscii::Encode(request);
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
        return false;
    }
    // Characters are read until LF or the response time-out; Modbus ASCII
    // allows up to a second between characters, the time-out bounds the whole.
    std::string answer;
    bool ended = false;
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
            return false;
        }
        if (n == 0)
            break;
        if (c == ':')
            answer.clear(); // a new frame starts; noise before it is dropped
        answer += static_cast<char>(c);
        if (c == '\n') {
            ended = true;
            break;
        }
    }
    result.ms = elapsed();
    // A frame still open at the time-out was not answered in time, however
    // much of it came; a line of noise that never ends is a broken frame.
    if (!ended && answer.size() < 600) {
        result.status = ProbeStatus::Timeout;
        return false;
    }
    if (ModbusAscii::Decode(answer, message) != ModbusAscii::Decoded::Ok) {
        message.clear();
        result.status = ProbeStatus::BadCheck;
        return false;
    }
    return true;
}

} // namespace varkel
