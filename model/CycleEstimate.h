#pragma once
#include <string>
#include <vector>

namespace varkel {

class Subnet;

// Assumed time a slave needs between the end of a request and the start of
// its reply when the user gives none.
inline constexpr double kDefaultTurnaroundMs = 5.0;

// Frame length of one request and its reply: bytes in RTU (address,
// function, data, CRC), characters in ASCII (":", two characters a byte,
// LRC, CR LF). The RTU silent interval is not counted here.
struct FrameChars {
    long long request = 0;
    long long reply = 0;
};
FrameChars FrameLength(int functionCode, long long dataNumber, bool ascii);

// Bits on the line per character: start, data, parity when used, stop.
int CharacterBits(int dataBits, bool parity, int stopBits);

// The silence that ends an RTU frame, in characters (an ASCII frame ends
// with its CR LF instead).
inline constexpr double kRtuSilenceChars = 3.5;

// The polling schedule: a quick-scan command goes out in every cycle, a
// slow-scan command once every scanRatio cycles, in cycles 1, 1 + ratio,
// 1 + 2 ratio, ... (cycles counted from 1). The estimate, the probe and the
// gateway's runtime all poll by it.
bool InScanCycle(bool slowScan, long long cycle, int scanRatio);

struct CommandTiming {
    int node = 0;  // position of the node in the subnet
    int index = 0; // position of the command in its node
    int function = -1;
    long long requestChars = 0;
    long long replyChars = 0;
    double requestMs = 0; // request on the line, with the RTU silent interval
    double replyMs = 0;   // reply on the line, with the RTU silent interval
    double lineMs = 0;    // both together
    bool slow = false;
};

struct CycleEstimate {
    enum Status { Ready = 0, UniversalMode, UnknownBaudRate };
    Status status = Ready;
    bool ascii = false;
    int baudRate = 0;
    int charBits = 0;
    double charMs = 0;
    double turnaroundMs = kDefaultTurnaroundMs;
    double pollDelayMs = 0;
    double responseTimeoutMs = 0;
    int scanRatio = 1;
    double quickCycleMs = 0; // one pass: quick commands and the share of slow ones
    double slowCycleMs = 0;  // until every slow command has been sent once
    double worstCycleMs = 0; // a pass with every slow command when no slave answers
    double longestReplyMs = 0;
    std::vector<CommandTiming> commands;

    // Problems the figures show.
    bool TimeoutTooShort() const { return commands.size() && responseTimeoutMs < longestReplyMs; }
    bool CycleTooLong() const { return quickCycleMs > 1000.0; }
};

// The polling cycle of the subnet's Modbus master from its settings and
// commands alone: line time of every exchange plus turnaround and the delay
// between polls. It is an estimate; the gateway's own processing time is not
// known and not counted.
CycleEstimate EstimateCycle(const Subnet& subnet, double turnaroundMs = kDefaultTurnaroundMs);

// Milliseconds with one decimal, as every front end shows them.
std::string FormatMs(double ms);

// One line for reports: "quick-scan cycle ... ms, slow-scan cycle ... ms",
// or why there is no estimate.
std::string EstimateSummary(const CycleEstimate& estimate);

// The problems of an estimate, one sentence each; empty when there are none.
std::vector<std::string> EstimateWarnings(const CycleEstimate& estimate);

} // namespace varkel
