#include "sim/GatewayRuntime.h"

#include "link/PosixSerialPort.h"
#include "model/Catalog.h"
#include "model/CycleEstimate.h"
#include "model/Fieldbus.h"
#include "model/MemoryMap.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/Subnet.h"
#include "probe/ProbeCatalog.h"
#include "probe/ProbePlan.h"
#include "sim/SimCatalog.h"

#include <algorithm>
#include <optional>

namespace varkel::sim {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBauds[] = {300, 600, 1200, 2400, 9600, 19200, 38400, 57600, 115200};
constexpr char kParities[] = {'N', 'O', 'E', 'M', 'S'};
// A cycle with nothing due waits this long (or for new output data) before
// the next, so that a run with nothing to send does not spin.
constexpr std::chrono::milliseconds kIdleCycle{10};
// A port that did not open is tried again after the response time-out, but
// not sooner than this.
constexpr std::chrono::milliseconds kReopenWait{100};

CommandStatus StatusOf(ProbeStatus status) {
    switch (status) {
    case ProbeStatus::Ok:
        return CommandStatus::Answered;
    case ProbeStatus::Exception:
        return CommandStatus::Exception;
    case ProbeStatus::BadCheck:
    case ProbeStatus::Mismatch:
        return CommandStatus::BadReply;
    case ProbeStatus::Timeout:
    case ProbeStatus::PortFailed:
        break;
    }
    return CommandStatus::Timeout;
}

bool Fail(std::string* why, const std::string& text) {
    if (why)
        *why = text;
    return false;
}

int Word(const std::uint8_t* at) {
    return at[0] << 8 | at[1];
}

// The changed span between two copies of a memory, if any.
bool Changed(const MemoryBytes& before, const MemoryBytes& after, bool output,
             MemoryChange& change) {
    const auto first = std::mismatch(before.begin(), before.end(), after.begin());
    if (first.first == before.end())
        return false;
    auto last = before.end();
    auto lastAfter = after.end();
    while (*(last - 1) == *(lastAfter - 1)) {
        --last;
        --lastAfter;
    }
    change.output = output;
    change.first = static_cast<int>(first.first - before.begin());
    change.before.assign(first.first, last);
    change.after.assign(first.second, lastAfter);
    return true;
}

} // namespace

bool PlanFromState(const GatewayState& state, RuntimePlan& plan, std::string* why) {
    plan = RuntimePlan{};
    const auto& s = state.serial;
    plan.universal = s[0] == 0x03;
    if (s[0] != 0x00 && s[0] != 0x03)
        return Fail(why, Text(SimMsg::RunBadSetting, {Text(SimMsg::RunSettingProtocol)}));
    if (s[1] >= std::size(kBauds))
        return Fail(why, Text(SimMsg::RunBadSetting, {Text(SimMsg::RunSettingBaud)}));
    if (s[2] > 1 || s[3] >= std::size(kParities) || s[4] > 1 || s[6] > 1)
        return Fail(why, Text(SimMsg::RunBadSetting, {Text(SimMsg::RunSettingFraming)}));
    if (s[10] < 1 || s[10] > 3)
        return Fail(why, Text(SimMsg::RunBadSetting, {Text(SimMsg::RunSettingOutputMode)}));
    plan.line.baud = kBauds[s[1]];
    plan.line.dataBits = s[2] == 1 ? 7 : 8;
    plan.line.parity = kParities[s[3]];
    plan.line.stopBits = s[4] == 1 ? 2 : 1;
    plan.line.ascii = s[6] == 1;
    plan.line.responseTimeoutMs = std::max(Word(&s[7]), 1);
    plan.line.pollDelayMs = 10 * s[9];
    plan.outputMode = static_cast<OutputMode>(s[10]);
    plan.line.scanRatio = std::max<int>(s[12], 1);
    plan.clearAfterTwoFaults = state.clearOnFault == 1;
    if (plan.universal)
        return true;
    for (std::size_t i = 0; i < state.records.size(); ++i) {
        const Record& r = state.records[i];
        ProbeCommand c;
        c.index = static_cast<int>(i);
        c.name = std::to_string(i + 1);
        c.slave = r[1];
        c.configuredFunction = c.function = r[2];
        c.address = Word(&r[3]);
        c.count = Word(&r[5]);
        const int map = Word(&r[7]);
        c.bitOffset = r[9];
        c.slowScan = r[10] == 1;
        c.swapping = r[11] == 1   ? Swapping::TwoBytes
                     : r[11] == 2 ? Swapping::FourBytes
                                  : Swapping::None;
        const std::string which = std::to_string(i + 1);
        const bool read = c.function >= 1 && c.function <= 4;
        if (!read && !c.IsWrite())
            return Fail(why, Text(SimMsg::RunBadRecord, {which, Text(SimMsg::RunRecordFunction)}));
        if ((c.function == 5 || c.function == 6) && c.count != 1)
            c.count = 1; // a single write has no data number of its own
        const int most = plan.line.ascii ? 45 : c.IsRegisters() ? 84 : 400;
        if (c.count < 1 || c.count > most || c.address + c.count > 65536 || c.bitOffset > 7)
            return Fail(why, Text(SimMsg::RunBadRecord, {which, Text(SimMsg::RunRecordRange)}));
        c.output = !read;
        const int base = c.output ? static_cast<int>(kOutputBase) : 0;
        c.mapByte = map - base;
        if (c.IsRegisters())
            c.bitOffset = 0;
        if (c.mapByte < 0 || c.mapByte >= kMemoryBytes || c.LastBit() >= kMemoryDataBits)
            return Fail(why, Text(SimMsg::RunBadRecord, {which, Text(SimMsg::RunRecordMapping)}));
        plan.commands.push_back(c);
    }
    return true;
}

ResultCode PlanFromProject(const Project& project, RuntimePlan& plan,
                           std::vector<ConfigProblem>& problems) {
    plan = RuntimePlan{};
    problems.clear();
    const Subnet& subnet = project.GetSubnet();
    plan.clearAfterTwoFaults =
        project.GetFieldbus().GetChoiceIndex(Fieldbus::ClearOnFaultIndex) == 1;
    const int mode = subnet.OutputPollingMode();
    plan.outputMode =
        mode >= 1 && mode <= 3 ? static_cast<OutputMode>(mode) : OutputMode::Continuous;
    if (subnet.GetProtocolType() != ProtocolType::ModbusMaster) {
        plan.universal = true;
        return Success;
    }
    ProbePlan probe;
    const ResultCode code = probe.Build(project, problems);
    if (code != Success)
        return code;
    plan.line = probe.Line();
    plan.commands = probe.Commands();
    // The probe reads a write command's target; the gateway writes it.
    for (ProbeCommand& c : plan.commands)
        c.function = c.configuredFunction;
    return Success;
}

GatewayRuntime::GatewayRuntime() = default;

GatewayRuntime::GatewayRuntime(RuntimePlan plan) {
    SetPlan(std::move(plan));
}

GatewayRuntime::~GatewayRuntime() {
    Stop();
}

void GatewayRuntime::SetPlan(RuntimePlan plan) {
    if (running_)
        return;
    std::lock_guard lock(mutex_);
    plan_ = std::move(plan);
    state_.commands.assign(plan_.commands.size(), CommandState{});
    state_.cycles = 0;
    state_.lastCycleMs = state_.meanCycleMs = 0;
    state_.portError.clear();
    state_.state = RunState::Stopped;
    cycleSumMs_ = 0;
}

RuntimePlan GatewayRuntime::Plan() const {
    std::lock_guard lock(mutex_);
    return plan_;
}

bool GatewayRuntime::Start(const std::string& device) {
    if (running_.exchange(true))
        return false;
    if (worker_.joinable())
        worker_.join();
    stop_ = false;
    worker_ = std::thread([this, device] { Loop(device, 0); });
    return true;
}

void GatewayRuntime::RequestStop() {
    std::lock_guard lock(mutex_);
    stop_ = true;
    wake_.notify_all();
}

void GatewayRuntime::Stop() {
    RequestStop();
    if (worker_.joinable())
        worker_.join();
}

bool GatewayRuntime::Pause(std::chrono::milliseconds wait) {
    if (wait.count() <= 0)
        return !stop_;
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, wait, [this] { return stop_.load(); });
    return !stop_;
}

bool GatewayRuntime::PauseForOutput(std::chrono::milliseconds wait) {
    std::unique_lock lock(mutex_);
    const long long version = outputVersion_;
    wake_.wait_for(lock, wait, [&] { return stop_.load() || outputVersion_ != version; });
    return !stop_;
}

RuntimeSnapshot GatewayRuntime::Snapshot() const {
    std::lock_guard lock(mutex_);
    return state_;
}

PlcTables GatewayRuntime::PlcView() const {
    PlcTables t;
    std::lock_guard lock(mutex_);
    t.input = state_.input;
    t.output = state_.output;
    for (std::size_t i = 0; i < state_.commands.size() && i < t.status.size(); ++i)
        t.status[i] = state_.commands[i].Word();
    t.cycles = static_cast<std::uint32_t>(state_.cycles);
    t.lastCycleTenthsMs =
        static_cast<std::uint16_t>(std::clamp(state_.lastCycleMs * 10.0 + 0.5, 0.0, 65535.0));
    return t;
}

MemoryBytes GatewayRuntime::Input() const {
    std::lock_guard lock(mutex_);
    return state_.input;
}

MemoryBytes GatewayRuntime::Output() const {
    std::lock_guard lock(mutex_);
    return state_.output;
}

void GatewayRuntime::SetOutput(int first, const std::vector<std::uint8_t>& bytes) {
    MemoryChange change;
    bool changed = false;
    {
        std::lock_guard lock(mutex_);
        const MemoryBytes before = state_.output;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const long at = first + static_cast<long>(i);
            if (at >= 0 && at < kMemoryBytes)
                state_.output[static_cast<std::size_t>(at)] = bytes[i];
        }
        changed = Changed(before, state_.output, true, change);
        if (changed) {
            ++outputVersion_;
            wake_.notify_all();
        }
    }
    if (changed)
        Publish(change);
}

void GatewayRuntime::Publish(const MemoryChange& change) const {
    if (onMemory_)
        onMemory_(change);
}

// Counts one outcome; a read's data go into the input memory, and a read
// failing the second time in a row clears its data when the plan says so.
void GatewayRuntime::Record(int index, const ProbeResult& result, CommandStatus status, bool sent) {
    MemoryChange change;
    bool changed = false;
    {
        std::lock_guard lock(mutex_);
        const ProbeCommand& command = plan_.commands[static_cast<std::size_t>(index)];
        CommandState& s = state_.commands[static_cast<std::size_t>(index)];
        s.status = status;
        s.exception = status == CommandStatus::Exception ? result.exception : 0;
        if (!sent)
            return;
        ++s.requests;
        s.lastMs = result.ms;
        switch (status) {
        case CommandStatus::Answered:
            ++s.answered;
            break;
        case CommandStatus::Timeout:
            ++s.timeouts;
            break;
        case CommandStatus::Exception:
            ++s.exceptions;
            break;
        default:
            ++s.badReplies;
            break;
        }
        s.faultsInRow = status == CommandStatus::Answered ? 0 : s.faultsInRow + 1;
        if (command.IsWrite())
            return;
        const MemoryBytes before = state_.input;
        if (status == CommandStatus::Answered)
            PlaceReadData(state_.input, command, result);
        else if (s.faultsInRow >= 2 && plan_.clearAfterTwoFaults)
            ClearCommandData(state_.input, command);
        changed = Changed(before, state_.input, false, change);
    }
    if (changed)
        Publish(change);
}

long long GatewayRuntime::Run(const std::string& device, long long cycles) {
    if (running_.exchange(true))
        return 0;
    stop_ = false;
    return Loop(device, cycles);
}

long long GatewayRuntime::Loop(const std::string& device, long long cycles) {
    RuntimePlan plan;
    {
        std::lock_guard lock(mutex_);
        plan = plan_;
        state_.commands.assign(plan_.commands.size(), CommandState{});
        state_.cycles = 0;
        state_.lastCycleMs = state_.meanCycleMs = 0;
        state_.portError.clear();
        cycleSumMs_ = 0;
        state_.writesHeld = !writesAllowed_ && !IsPseudoTerminal(device);
        state_.state = plan.universal          ? RunState::Universal
                       : plan.commands.empty() ? RunState::NoCommands
                                               : RunState::Running;
    }
    const bool writesHeld = Snapshot().writesHeld;
    long long completed = 0;
    if (plan.universal || plan.commands.empty()) {
        // Nothing to poll: wait for the stop.
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return stop_.load(); });
        state_.state = RunState::Stopped;
        running_ = false;
        return 0;
    }

    const ProbeLine& line = plan.line;
    std::unique_ptr<MasterChannel> channel;
    bool open = false;
    // What each write command's slave last acknowledged, for change-of-state.
    std::vector<std::optional<ModbusWrite>> acknowledged(plan.commands.size());
    bool first = true;
    auto lastCycleEnd = Clock::now();
    for (long long number = 1; !stop_ && (cycles <= 0 || completed < cycles);) {
        if (!open) {
            channel = factory_ ? factory_(line) : MasterChannel::ForLine(line);
            std::string error;
            open = channel->Open(device, line, error) == Success;
            {
                std::lock_guard lock(mutex_);
                state_.state = open ? RunState::Running : RunState::PortLost;
                state_.portError = open ? "" : error;
            }
            if (!open) {
                // No slave can answer: what was due this cycle timed out.
                for (std::size_t i = 0; i < plan.commands.size(); ++i) {
                    const ProbeCommand& c = plan.commands[i];
                    if (InScanCycle(c.slowScan, number, line.scanRatio) &&
                        (!c.IsWrite() || (plan.outputMode != OutputMode::Disable && !writesHeld))) {
                        ProbeResult timeout;
                        timeout.status = ProbeStatus::Timeout;
                        Record(static_cast<int>(i), timeout, CommandStatus::Timeout, true);
                    }
                }
                Pause(std::max(kReopenWait, std::chrono::milliseconds(line.responseTimeoutMs)));
                continue;
            }
            first = true;
            lastCycleEnd = Clock::now();
        }
        bool complete = true;
        int sent = 0;
        for (std::size_t i = 0; i < plan.commands.size() && !stop_; ++i) {
            const ProbeCommand& command = plan.commands[i];
            if (!InScanCycle(command.slowScan, number, line.scanRatio))
                continue;
            RuntimeExchange exchange;
            exchange.cycle = number;
            exchange.command = static_cast<int>(i);
            exchange.sent = command;
            if (command.IsWrite()) {
                if (plan.outputMode == OutputMode::Disable || writesHeld) {
                    Record(static_cast<int>(i), {}, CommandStatus::Held, false);
                    continue;
                }
                exchange.write = OutputWrite(Output(), command);
                const auto& acked = acknowledged[i];
                if (plan.outputMode == OutputMode::ChangeOfState && acked &&
                    acked->registers == exchange.write.registers &&
                    acked->bits == exchange.write.bits)
                    continue;
            }
            if (!first && !Pause(std::chrono::milliseconds(line.pollDelayMs))) {
                complete = false;
                break;
            }
            first = false;
            ++sent;
            exchange.result.pass = static_cast<int>(number);
            exchange.result.command = static_cast<int>(i);
            exchange.result.time = std::chrono::system_clock::now();
            if (command.IsWrite())
                channel->Write(exchange.write, exchange.result);
            else
                channel->Read(command, exchange.result);
            exchange.status = StatusOf(exchange.result.status);
            if (exchange.result.status == ProbeStatus::Ok && command.IsWrite())
                acknowledged[i] = exchange.write;
            Record(static_cast<int>(i), exchange.result, exchange.status, true);
            if (onExchange_)
                onExchange_(exchange);
            if (exchange.result.status == ProbeStatus::PortFailed) {
                // The port went away: open it again next cycle.
                channel->Close();
                open = false;
                {
                    std::lock_guard lock(mutex_);
                    state_.state = RunState::PortLost;
                    state_.portError =
                        Text(ProbeMsg::ProbePortLost, {device, exchange.result.detail});
                }
                Pause(std::max(kReopenWait, std::chrono::milliseconds(line.responseTimeoutMs)));
                complete = false;
                break;
            }
        }
        if (!complete || stop_)
            continue;
        if (sent == 0 && !PauseForOutput(kIdleCycle))
            continue;
        const auto now = Clock::now();
        const double ms = std::chrono::duration<double, std::milli>(now - lastCycleEnd).count();
        lastCycleEnd = now;
        ++completed;
        ++number;
        long long total = 0;
        {
            std::lock_guard lock(mutex_);
            total = ++state_.cycles;
            state_.lastCycleMs = ms;
            cycleSumMs_ += ms;
            state_.meanCycleMs = cycleSumMs_ / static_cast<double>(state_.cycles);
        }
        if (onCycle_)
            onCycle_(total, ms);
    }
    if (channel)
        channel->Close();
    {
        std::lock_guard lock(mutex_);
        state_.state = RunState::Stopped;
    }
    running_ = false;
    return completed;
}

std::string RunStateText(const RuntimeSnapshot& snapshot) {
    switch (snapshot.state) {
    case RunState::Stopped:
        return Text(SimMsg::RunStateStopped);
    case RunState::Running:
        return Text(SimMsg::RunStateRunning);
    case RunState::Universal:
        return Text(SimMsg::RunStateUniversal);
    case RunState::NoCommands:
        return Text(SimMsg::RunStateNoCommands);
    case RunState::PortLost:
        break;
    }
    return Text(SimMsg::RunStatePortLost, {snapshot.portError});
}

std::string CommandStatusText(const CommandState& state) {
    switch (state.status) {
    case CommandStatus::NotPolled:
        return Text(SimMsg::RunStatusNotPolled);
    case CommandStatus::Answered:
        return Text(ProbeMsg::ProbeStatusOk);
    case CommandStatus::Timeout:
        return Text(ProbeMsg::ProbeStatusTimeout);
    case CommandStatus::Exception:
        return Text(ProbeMsg::ProbeStatusException,
                    {std::to_string(state.exception), ExceptionName(state.exception)});
    case CommandStatus::BadReply:
        return Text(SimMsg::RunStatusBadReply);
    case CommandStatus::Held:
        break;
    }
    return Text(SimMsg::RunStatusHeld);
}

} // namespace varkel::sim
