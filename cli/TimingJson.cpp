#include "cli/TimingJson.h"

#include "model/CycleEstimate.h"
#include "model/IoList.h"

#include <cmath>

namespace varkel::cli {
namespace {

// Microsecond resolution keeps the figures stable across platforms.
double Rounded(double ms) {
    return std::round(ms * 1000.0) / 1000.0;
}

const char* StatusName(CycleEstimate::Status status) {
    switch (status) {
    case CycleEstimate::UniversalMode:
        return "universal_mode";
    case CycleEstimate::UnknownBaudRate:
        return "unknown_baud_rate";
    case CycleEstimate::Ready:
        break;
    }
    return "ready";
}

} // namespace

Json EstimateJson(const CycleEstimate& e) {
    Json json;
    json["status"] = StatusName(e.status);
    json["mode"] = e.ascii ? "ascii" : "rtu";
    json["baud_rate"] = e.baudRate;
    json["char_bits"] = e.charBits;
    json["char_ms"] = Rounded(e.charMs);
    json["turnaround_ms"] = Rounded(e.turnaroundMs);
    json["delay_ms"] = Rounded(e.pollDelayMs);
    json["response_timeout_ms"] = Rounded(e.responseTimeoutMs);
    json["scan_ratio"] = e.scanRatio;
    json["quick_cycle_ms"] = Rounded(e.quickCycleMs);
    json["slow_cycle_ms"] = Rounded(e.slowCycleMs);
    json["worst_cycle_ms"] = Rounded(e.worstCycleMs);
    json["timeout_too_short"] = e.TimeoutTooShort();
    json["cycle_above_one_second"] = e.CycleTooLong();
    Json commands = Json::array();
    for (const CommandTiming& t : e.commands) {
        Json c;
        c["node"] = t.node;
        c["index"] = t.index;
        c["function"] = t.function;
        c["request_chars"] = t.requestChars;
        c["reply_chars"] = t.replyChars;
        c["line_ms"] = Rounded(t.lineMs);
        c["scan"] = t.slow ? "slow" : "quick";
        commands.push_back(c);
    }
    json["commands"] = commands;
    return json;
}

Json IoListJson(const IoList& list) {
    Json rows = Json::array();
    for (const IoRow& row : list.rows) {
        const std::vector<std::string> fields = IoRowFields(row);
        Json item;
        item["tag"] = row.tag;
        item["memory"] = fields[1];
        item["byte"] = row.byte;
        item["bit_first"] = row.bitFirst;
        item["bit_last"] = row.bitLast;
        item["slave"] = row.slave;
        item["function"] = row.function;
        item["modbus_address"] = row.modbusAddress;
        item["swap"] = fields[8];
        item["scan"] = fields[9];
        rows.push_back(item);
    }
    return rows;
}

} // namespace varkel::cli
