#pragma once
#include "model/ConfigProblem.h"
#include "model/Node.h"
#include "model/ResultCode.h"
#include "probe/MasterChannel.h"
#include "probe/MemoryImage.h"
#include "sim/GatewayState.h"

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace varkel {
class Project;
}

namespace varkel::sim {

// The subnet's "Polling mode of outputting commands", by its downloaded code.
enum class OutputMode { Continuous = 1, Disable = 2, ChangeOfState = 3 };

// What the gateway runs: the line, its timing and the commands in download
// order, each with the function it sends (writes as writes).
struct RuntimePlan {
    bool universal = false; // universal mode: nothing is polled
    ProbeLine line;
    OutputMode outputMode = OutputMode::Continuous;
    bool clearAfterTwoFaults = false; // "Clear after twice faults of input-data" Open
    std::vector<ProbeCommand> commands;
};

// The plan of what a gateway holds after a download. False, with the reason
// in the active language, for a setting or record no gateway could run (an
// unknown code, a mapping outside its memory).
bool PlanFromState(const GatewayState& state, RuntimePlan& plan, std::string* why);
// The plan of a configuration, refused as the probe refuses it (the checks
// a download makes); returns Success or the first problem's code.
[[nodiscard]] ResultCode PlanFromProject(const Project& project, RuntimePlan& plan,
                                         std::vector<ConfigProblem>& problems);

// A command's status as the PLC side gives it.
enum class CommandStatus : std::uint8_t {
    NotPolled = 0,
    Answered = 1,
    Timeout = 2,
    Exception = 3, // the code in CommandState::exception
    BadReply = 4,
    Held = 5, // not sent: its output mode (or the missing --allow-writes) holds it
};

struct CommandState {
    CommandStatus status = CommandStatus::NotPolled;
    int exception = 0;
    long long requests = 0;
    long long answered = 0;
    long long timeouts = 0;
    long long exceptions = 0;
    long long badReplies = 0;
    int faultsInRow = 0;
    double lastMs = 0; // round trip of the last exchange

    // The status register: the exception code in the high byte, the status
    // in the low byte.
    std::uint16_t Word() const {
        return static_cast<std::uint16_t>(
            (status == CommandStatus::Exception ? exception : 0) << 8 | static_cast<int>(status));
    }
};

enum class RunState {
    Stopped,
    Running,
    Universal,  // universal mode: not run, only configuration frames answered
    NoCommands, // nothing to poll
    PortLost,   // the port did not open or went away; tried again each cycle
};

// Everything a front end shows, copied at one moment.
struct RuntimeSnapshot {
    RunState state = RunState::Stopped;
    std::string portError;   // why the port is not open, in the active language
    bool writesHeld = false; // a real port without permission to write
    long long cycles = 0;    // completed cycles
    double lastCycleMs = 0;  // from the end of the cycle before to the end of the last
    double meanCycleMs = 0;  // over the completed cycles of this run
    MemoryBytes input{};
    MemoryBytes output{};
    std::vector<CommandState> commands; // by plan position
};

// One exchange on the line, reported after it.
struct RuntimeExchange {
    long long cycle = 0; // counted from 1
    int command = 0;     // plan position
    ProbeCommand sent;
    ModbusWrite write; // the values sent, write commands only
    ProbeResult result;
    CommandStatus status = CommandStatus::NotPolled;
};

// A range of one memory that changed.
struct MemoryChange {
    bool output = false;
    int first = 0; // first changed byte
    std::vector<std::uint8_t> before;
    std::vector<std::uint8_t> after;
};

// What the PLC side reads, copied at one moment.
struct PlcTables {
    MemoryBytes input{};
    MemoryBytes output{};
    std::array<std::uint16_t, kMaxCommands> status{};
    std::uint32_t cycles = 0;
    std::uint16_t lastCycleTenthsMs = 0;
};

// The gateway at work as a Modbus master: polls the plan's commands round
// after round on a serial line, reads into the input memory, writes from
// the output memory by the output mode, and clears a failing read's input
// data when told. Runs on a worker thread of its own (Start/Stop) or on the
// caller's (Run). Every public function is safe from any thread; the
// callbacks are set before the run starts and are called on the run's
// thread (the output memory's changes on the thread that changes it), with
// no lock held, so they may call Snapshot or SetOutput.
class GatewayRuntime {
public:
    using ChannelFactory = std::function<std::unique_ptr<MasterChannel>(const ProbeLine&)>;
    using ExchangeCallback = std::function<void(const RuntimeExchange&)>;
    using MemoryCallback = std::function<void(const MemoryChange&)>;
    using CycleCallback = std::function<void(long long cycles, double ms)>;

    GatewayRuntime();
    explicit GatewayRuntime(RuntimePlan plan);
    ~GatewayRuntime();
    GatewayRuntime(const GatewayRuntime&) = delete;
    GatewayRuntime& operator=(const GatewayRuntime&) = delete;

    // A new plan while stopped (ignored while running): statuses and
    // counters start again; both memories keep their bytes.
    void SetPlan(RuntimePlan plan);
    RuntimePlan Plan() const;
    // Writes go to a port that is not a pseudo-terminal only when allowed;
    // held writes show status 5.
    void AllowWrites(bool allow) { writesAllowed_ = allow; }
    void SetChannelFactory(ChannelFactory factory) { factory_ = std::move(factory); }
    void SetExchangeCallback(ExchangeCallback callback) { onExchange_ = std::move(callback); }
    void SetMemoryCallback(MemoryCallback callback) { onMemory_ = std::move(callback); }
    void SetCycleCallback(CycleCallback callback) { onCycle_ = std::move(callback); }

    // Runs on a worker until Stop; false when already running.
    bool Start(const std::string& device);
    // Asks the run to end without waiting: it does within one response
    // time-out. Safe from the callbacks.
    void RequestStop();
    // Asks the run to end and waits for it; the port is released.
    void Stop();
    bool IsRunning() const { return running_; }
    // Runs the given number of completed cycles (0: until stopped) on this
    // thread; returns the cycles completed.
    long long Run(const std::string& device, long long cycles);

    RuntimeSnapshot Snapshot() const;
    PlcTables PlcView() const;
    MemoryBytes Input() const;
    MemoryBytes Output() const;
    // Sets output bytes from `first` on (what the PLC writes); bytes past
    // the memory's end are left out.
    void SetOutput(int first, const std::vector<std::uint8_t>& bytes);

private:
    long long Loop(const std::string& device, long long cycles);
    bool Pause(std::chrono::milliseconds wait);
    bool PauseForOutput(std::chrono::milliseconds wait);
    void Record(int index, const ProbeResult& result, CommandStatus status, bool sent);
    void Publish(const MemoryChange& change) const;

    mutable std::mutex mutex_; // guards everything below up to the callbacks
    std::condition_variable wake_;
    RuntimePlan plan_;
    RuntimeSnapshot state_;
    long long outputVersion_ = 0;
    double cycleSumMs_ = 0;

    ChannelFactory factory_;
    ExchangeCallback onExchange_;
    MemoryCallback onMemory_;
    CycleCallback onCycle_;
    std::atomic<bool> writesAllowed_{false};
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
    std::thread worker_;
};

// The words of a run state and of a status, in the active language.
std::string RunStateText(const RuntimeSnapshot& snapshot);
std::string CommandStatusText(const CommandState& state);

} // namespace varkel::sim
