#include "model/CycleEstimate.h"

#include "model/Catalog.h"
#include "model/Command.h"
#include "model/Node.h"
#include "model/Subnet.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace varkel {
namespace {

// The baud-rate choices, in choice order.
constexpr int kBaudRates[] = {300, 600, 1200, 2400, 9600, 19200, 38400, 57600, 115200};

// Bytes of one frame without the check: request and reply, by function.
FrameChars PlainBytes(int code, long long n) {
    const long long coilBytes = (std::max(n, 0LL) + 7) / 8;
    const long long wordBytes = 2 * std::max(n, 0LL);
    switch (code) {
    case 1:
    case 2:
        return {6, 3 + coilBytes}; // reply: address, function, byte count, data
    case 3:
    case 4:
        return {6, 3 + wordBytes};
    case 5:
    case 6:
        return {6, 6}; // the reply echoes the request
    case 15:
        return {7 + coilBytes, 6};
    case 16:
        return {7 + wordBytes, 6};
    default:
        return {6, 6};
    }
}

int BaudRate(const Subnet& subnet) {
    const int choice = subnet.BaudRateCode();
    if (choice >= 0 && choice < static_cast<int>(std::size(kBaudRates)))
        return kBaudRates[choice];
    // An item without its choices: the value itself, when it is one of them.
    const ParamItem* item = subnet.GetItem(Subnet::BaudRateIndex);
    const int value = item ? item->IntValue() : 0;
    return std::find(std::begin(kBaudRates), std::end(kBaudRates), value) != std::end(kBaudRates)
               ? value
               : 0;
}

bool IsAscii(const Subnet& subnet) {
    const int code = subnet.TransmissionModeCode();
    if (code >= 0)
        return code == 1;
    const ParamItem* item = subnet.GetItem(Subnet::CommModeIndex);
    return item && item->GetValue() == "ASCII";
}

bool HasParity(const Subnet& subnet) {
    // "None" is the first choice; an item read without choices is taken as
    // having none only when it is empty.
    const int code = subnet.ParityCode();
    if (code >= 0)
        return code != 0;
    const ParamItem* item = subnet.GetItem(Subnet::ParityIndex);
    return item && !item->GetValue().empty() && item->GetValue() != "None" &&
           item->GetValue() != "无";
}

int StopBits(const Subnet& subnet) {
    const int code = subnet.StopBitsCode();
    if (code >= 0)
        return code == 1 ? 2 : 1;
    const ParamItem* item = subnet.GetItem(Subnet::StopBitsIndex);
    return item && item->GetValue() == "2" ? 2 : 1;
}

} // namespace

FrameChars FrameLength(int functionCode, long long dataNumber, bool ascii) {
    FrameChars bytes = PlainBytes(functionCode, dataNumber);
    if (ascii)
        // ":", two characters a byte and the LRC byte, CR LF.
        return {1 + 2 * (bytes.request + 1) + 2, 1 + 2 * (bytes.reply + 1) + 2};
    return {bytes.request + 2, bytes.reply + 2};
}

int CharacterBits(int dataBits, bool parity, int stopBits) {
    return 1 + dataBits + (parity ? 1 : 0) + stopBits;
}

CycleEstimate EstimateCycle(const Subnet& subnet, double turnaroundMs) {
    CycleEstimate e;
    e.turnaroundMs = std::max(turnaroundMs, 0.0);
    if (subnet.GetProtocolType() != ProtocolType::ModbusMaster) {
        e.status = CycleEstimate::UniversalMode;
        return e;
    }
    e.baudRate = BaudRate(subnet);
    if (e.baudRate <= 0) {
        e.status = CycleEstimate::UnknownBaudRate;
        return e;
    }
    e.ascii = IsAscii(subnet);
    e.charBits =
        CharacterBits(subnet.DataBitsCode() == 1 ? 7 : 8, HasParity(subnet), StopBits(subnet));
    e.charMs = 1000.0 * e.charBits / e.baudRate;
    e.pollDelayMs = std::max(subnet.GetIntValue(Subnet::PollDelayIndex), 0);
    e.responseTimeoutMs = std::max(subnet.ResponseTimeout(), 0);
    e.scanRatio = std::max(subnet.ScanRatio(), 1);

    const double silentMs = e.ascii ? 0.0 : kRtuSilenceChars * e.charMs;
    double quickSum = 0, slowSum = 0, worstSum = 0;
    for (int n = 0; n < subnet.GetNodeCount(); ++n) {
        const Node* node = subnet.GetNodeAt(n);
        for (int c = 0; c < node->GetCommandCount(); ++c) {
            const Command* command = node->GetCommandAt(c);
            CommandTiming t;
            t.node = n;
            t.index = c;
            t.function = command->GetFunctionCode();
            const FrameChars chars =
                FrameLength(t.function, command->GetIntValue(Command::DataNumberRow), e.ascii);
            t.requestChars = chars.request;
            t.replyChars = chars.reply;
            t.requestMs = static_cast<double>(chars.request) * e.charMs + silentMs;
            t.replyMs = static_cast<double>(chars.reply) * e.charMs + silentMs;
            t.lineMs = t.requestMs + t.replyMs;
            t.slow = command->GetChoiceIndex(Command::ScanningRow) == 1;
            const double cost = t.lineMs + e.turnaroundMs + e.pollDelayMs;
            (t.slow ? slowSum : quickSum) += cost;
            worstSum += t.requestMs + e.responseTimeoutMs + e.pollDelayMs;
            e.longestReplyMs = std::max(e.longestReplyMs, t.replyMs);
            e.commands.push_back(t);
        }
    }
    e.quickCycleMs = quickSum + slowSum / e.scanRatio;
    e.slowCycleMs = e.scanRatio * e.quickCycleMs;
    e.worstCycleMs = worstSum;
    return e;
}

bool InScanCycle(bool slowScan, long long cycle, int scanRatio) {
    if (!slowScan)
        return true;
    const long long ratio = scanRatio < 1 ? 1 : scanRatio;
    return (cycle - 1) % ratio == 0;
}

std::string FormatMs(double ms) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", ms);
    return text;
}

std::string EstimateSummary(const CycleEstimate& e) {
    switch (e.status) {
    case CycleEstimate::UniversalMode:
        return Text(Msg::EstimateUniversalMode);
    case CycleEstimate::UnknownBaudRate:
        return Text(Msg::EstimateUnknownBaudRate);
    case CycleEstimate::Ready:
        break;
    }
    return Text(Msg::EstimateSummary,
                {FormatMs(e.quickCycleMs), FormatMs(e.slowCycleMs), FormatMs(e.worstCycleMs)});
}

std::vector<std::string> EstimateWarnings(const CycleEstimate& e) {
    std::vector<std::string> out;
    if (e.status != CycleEstimate::Ready)
        return out;
    if (e.TimeoutTooShort())
        out.push_back(Text(Msg::EstimateTimeoutTooShort,
                           {FormatMs(e.responseTimeoutMs), FormatMs(e.longestReplyMs),
                            std::to_string(e.baudRate)}));
    if (e.CycleTooLong())
        out.push_back(Text(Msg::EstimateCycleTooLong, {FormatMs(e.quickCycleMs)}));
    return out;
}

} // namespace varkel
