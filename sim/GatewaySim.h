#pragma once
#include "sim/GatewayEngine.h"
#include "sim/Pty.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace varkel::sim {

// Misbehaviour on purpose, to try the link's handling of a bad gateway.
struct Fault {
    enum Kind {
        None,
        Silent,      // no answer from the chosen frame on
        ShortReply,  // only the first two bytes of the answer
        WrongReply,  // the answer's first byte altered
        BadVersion,  // the version mark of a version answer is not 05h
        BadChecksum, // the answer's last byte altered
        Vanish,      // the device disappears instead of answering
    };
    Kind kind = None;
    int atFrame = 0; // request number from 1; 0 means every request

    // Parses a fault name as the command line gives it.
    static bool Parse(const std::string& name, Kind& kind);
};

struct SimOptions {
    // Exchanges the log keeps, the latest ones; enough for any one transfer
    // a test looks at. A gateway that runs for days and only traces keeps
    // none.
    static constexpr std::size_t kDefaultLogLimit = 4096;

    std::uint8_t hwMajor = 2;
    std::uint8_t hwMinor = 1;
    bool wireTiming = false; // take the time 19200 baud 8N1 takes
    Fault fault;
    std::size_t logLimit = kDefaultLogLimit;
};

// One request the gateway received and what it answered.
struct Exchanged {
    std::chrono::steady_clock::time_point time;
    Bytes request;
    Bytes reply; // empty when it did not answer
    std::string what;
};

// A virtual gateway on a pseudo-terminal, served by a thread of its own.
class GatewaySim {
public:
    // Time of one byte on the line: 10 bits at 19200 baud.
    static constexpr std::chrono::nanoseconds kByteTime{520833};

    explicit GatewaySim(const SimOptions& options = {});
    ~GatewaySim();
    GatewaySim(const GatewaySim&) = delete;
    GatewaySim& operator=(const GatewaySim&) = delete;

    // Opens the pseudo-terminal and starts answering.
    bool Start(std::string* error = nullptr);
    void Stop();
    const std::string& DevicePath() const { return pty_.DevicePath(); }

    GatewayState State() const;
    void SetState(const GatewayState& state);
    // The latest exchanges, oldest first, at most the options' logLimit.
    std::vector<Exchanged> Log() const;
    std::vector<Bytes> Requests() const;
    void ClearLog();
    void SetFault(const Fault& fault);
    bool Vanished() const { return vanished_; }

    // Called on the gateway's thread after every request, and after every
    // request that changed what the gateway keeps.
    void SetTraceCallback(std::function<void(const Exchanged&)> callback);
    void SetStateCallback(std::function<void(const GatewayState&)> callback);

private:
    void Run();
    void Serve(const Bytes& frame, std::chrono::steady_clock::time_point firstByte);
    void Write(const Bytes& bytes);
    void CloseHold();

    SimOptions options_;
    Pty pty_;
    int hold_ = -1; // the device side, held open between two users
    GatewayEngine engine_;
    std::thread thread_;
    int wakeFds_[2] = {-1, -1};
    std::atomic<bool> running_{false};
    std::atomic<bool> vanished_{false};
    int requestCount_ = 0;

    mutable std::mutex mutex_; // guards the engine's state, the log and the callbacks
    std::deque<Exchanged> log_;
    std::function<void(const Exchanged&)> trace_;
    std::function<void(const GatewayState&)> onState_;
};

} // namespace varkel::sim
