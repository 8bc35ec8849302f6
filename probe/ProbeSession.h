#pragma once
#include "probe/MemoryImage.h"
#include "probe/ProbeChannel.h"
#include "probe/ProbePlan.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace varkel {

// How a probe run ended.
struct ProbeOutcome {
    int code = 0;        // 0, PortOpenFailed or PortIoFailed
    std::string message; // why the port failed, empty otherwise
    PortOpenError port;  // why the port did not open, when that was the reason
    int passes = 0;      // passes completed
    int failed = 0;      // results reported other than answered, a stopped pass's too
    bool stopped = false;
};

// How the port took the line, once it is open.
struct ProbeOpened {
    // A pseudo-terminal that does not carry the line's parity or data bits.
    bool framingDropped = false;
};

// One run of a plan's commands against the slaves: opens the port with the
// subnet's settings, sends the passes, reports each result and pass, and
// releases the port on every way out. Runs on a worker of its own or on the
// caller's thread; the callbacks are called on the thread that runs it.
class ProbeSession {
public:
    using ResultCallback = std::function<void(const ProbeResult&)>;
    using PassCallback = std::function<void(const PassSummary&, const MemoryImage&)>;
    using FinishedCallback = std::function<void(const ProbeOutcome&)>;
    using OpenedCallback = std::function<void(const ProbeOpened&)>;
    using ChannelFactory = std::function<std::unique_ptr<ProbeChannel>(const ProbeLine&)>;

    explicit ProbeSession(ProbePlan plan);
    ~ProbeSession();
    ProbeSession(const ProbeSession&) = delete;
    ProbeSession& operator=(const ProbeSession&) = delete;

    void SetResultCallback(ResultCallback callback) { onResult_ = std::move(callback); }
    void SetPassCallback(PassCallback callback) { onPass_ = std::move(callback); }
    void SetFinishedCallback(FinishedCallback callback) { onFinished_ = std::move(callback); }
    // Called once the port is open, before the first request.
    void SetOpenedCallback(OpenedCallback callback) { onOpened_ = std::move(callback); }
    // For tests: another channel than the line's own.
    void SetChannelFactory(ChannelFactory factory) { factory_ = std::move(factory); }

    // Runs the given number of passes (0: until stopped) on this thread.
    ProbeOutcome Run(const std::string& device, int passes);
    // The same on a worker; the finished callback reports the outcome.
    void Start(const std::string& device, int passes);
    // Asks the run to end; it does within one response time-out (and the
    // quiet wait after a failed exchange, 100 ms). Safe from
    // any thread and from a signal handler's flag check.
    void Stop();
    // Waits for a started run to end.
    void Wait();
    bool IsRunning() const { return running_; }
    const ProbePlan& Plan() const { return plan_; }

private:
    bool Pause(int ms);

    ProbePlan plan_;
    ResultCallback onResult_;
    PassCallback onPass_;
    FinishedCallback onFinished_;
    OpenedCallback onOpened_;
    ChannelFactory factory_;
    std::thread worker_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
};

} // namespace varkel
