#include "sim/GatewayEngine.h"

#include "model/Catalog.h"
#include "sim/SimCatalog.h"

#include <algorithm>

namespace varkel::sim {
namespace {

constexpr std::size_t kPageRecords = 6;

void Say(std::string* why, const std::string& text) {
    if (why)
        *why = text;
}

} // namespace

std::uint8_t GatewayEngine::Sum(const std::uint8_t* bytes, std::size_t count) {
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum = static_cast<std::uint8_t>(sum + bytes[i]);
    return sum;
}

std::size_t GatewayEngine::RequestLength(std::uint8_t command, std::uint8_t length) {
    switch (command) {
    case 0x01:
    case 0x03:
    case 0x04:
    case 0x05:
    case 0x06:
    case 0x10:
    case 0x14:
    case 0x15:
    case 0x16:
    case 0x30:
    case 0x31:
    case 0x32:
    case 0x33:
        return static_cast<std::size_t>(length) + 3;
    default:
        return 0;
    }
}

Bytes GatewayEngine::Frame(std::uint8_t command, const Bytes& data) const {
    Bytes out;
    out.reserve(data.size() + 3);
    out.push_back(command);
    out.push_back(static_cast<std::uint8_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    out.push_back(Sum(out.data(), out.size()));
    return out;
}

std::optional<Bytes> GatewayEngine::Handle(const Bytes& frame, std::string* why) {
    changed_ = false;
    if (frame.size() < 3 || frame.size() != static_cast<std::size_t>(frame[1]) + 3) {
        Say(why, Text(SimMsg::SimTraceMalformed));
        return std::nullopt;
    }
    if (frame.back() != Sum(frame.data(), frame.size() - 1)) {
        Say(why, Text(SimMsg::SimTraceWrongChecksum));
        return std::nullopt;
    }
    const std::uint8_t command = frame[0];
    const std::size_t n = frame[1];
    const std::uint8_t* data = frame.data() + 2;
    const bool hw20 = major_ == 2 && minor_ == 0;

    switch (command) {
    case 0x01:
        if (n != 0)
            break;
        Say(why, Text(SimMsg::SimTraceHardwareVersion));
        return Frame(0x01, Bytes{0x05, major_, minor_, 0x00, 0x00, 0x00, 0x00, 0x00});
    case 0x03:
        if (n == 0x0E || n == 0x19) {
            std::copy(data + 1, data + 14, state_.serial.begin());
            if (n == 0x19)
                std::copy(data + 14, data + 25, state_.universal.begin());
            changed_ = true;
            Say(why, Text(n == 0x0E ? SimMsg::SimTraceSerialStored
                                    : SimMsg::SimTraceSerialUniversalStored));
            return Ack(command);
        }
        break;
    case 0x05:
        if (n == 0x0C) {
            std::copy(data + 1, data + 12, state_.universal.begin());
            changed_ = true;
            Say(why, Text(SimMsg::SimTraceUniversalStored));
            return Ack(command);
        }
        break;
    case 0x14:
        if (n == 3 && data[0] == 0x00 && data[1] == 0x55 && data[2] == 0xAA) {
            state_.records.clear();
            changed_ = true;
            Say(why, Text(SimMsg::SimTraceListStarted));
            return Ack(command);
        }
        break;
    case 0x10:
        if (n == 0x0D) {
            // Records must come in order; a gap means a lost frame.
            const std::uint8_t expected = static_cast<std::uint8_t>(state_.records.size());
            if (data[1] != expected) {
                Say(why, Text(SimMsg::SimTraceRecordOutOfSequence));
                return std::nullopt;
            }
            Record r{};
            std::copy(data + 1, data + 13, r.begin());
            state_.records.push_back(r);
            changed_ = true;
            Say(why, Text(SimMsg::SimTraceRecordStored, {std::to_string(state_.records.size())}));
            return Ack(command);
        }
        break;
    case 0x30:
        if (n == 3) {
            state_.validLength = data[2];
            changed_ = true;
            Say(why, Text(SimMsg::SimTraceValidLengthStored));
            return Ack(command);
        }
        break;
    case 0x32:
        if (n == 1) {
            state_.clearOnFault = data[0];
            changed_ = true;
            Say(why, Text(SimMsg::SimTraceClearOnFaultStored));
            return Ack(command);
        }
        break;
    case 0x04:
        if (n == 1) {
            Bytes out;
            out.reserve(1 + state_.serial.size() + state_.universal.size());
            out.push_back(0x00);
            out.insert(out.end(), state_.serial.begin(), state_.serial.end());
            if (hw20)
                out.insert(out.end(), state_.universal.begin(), state_.universal.end());
            Say(why, Text(SimMsg::SimTraceSerialRead));
            return Frame(0x04, out);
        }
        break;
    case 0x06:
        if (n == 1) {
            Bytes out;
            out.reserve(1 + state_.universal.size());
            out.push_back(0x00);
            out.insert(out.end(), state_.universal.begin(), state_.universal.end());
            Say(why, Text(SimMsg::SimTraceUniversalRead));
            return Frame(0x06, out);
        }
        break;
    case 0x15:
        if (n == 1) {
            const std::size_t count = state_.records.size();
            Say(why, Text(SimMsg::SimTraceRecordCountRead));
            return Frame(0x15, Bytes{0x00, static_cast<std::uint8_t>(count >> 8),
                                     static_cast<std::uint8_t>(count & 0xFF)});
        }
        break;
    case 0x16:
        if (n == 2) {
            const std::size_t first = static_cast<std::size_t>(data[1]) * kPageRecords;
            Bytes out{0x00};
            for (std::size_t i = first; i < first + kPageRecords && i < state_.records.size(); ++i)
                out.insert(out.end(), state_.records[i].begin(), state_.records[i].end());
            Say(why, Text(SimMsg::SimTraceRecordPageRead, {std::to_string(data[1])}));
            return Frame(0x16, out);
        }
        break;
    case 0x31:
        if (n == 0) {
            Say(why, Text(SimMsg::SimTraceValidLengthRead));
            return Frame(0x31, Bytes{0x00, 0x00, state_.validLength});
        }
        break;
    case 0x33:
        if (n == 0) {
            Say(why, Text(SimMsg::SimTraceClearOnFaultRead));
            return Frame(0x33, Bytes{state_.clearOnFault});
        }
        break;
    default:
        break;
    }
    Say(why, Text(SimMsg::SimTraceNotUnderstood));
    return std::nullopt;
}

} // namespace varkel::sim
