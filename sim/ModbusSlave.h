#pragma once
#include "model/CycleEstimate.h"
#include "sim/Pty.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

struct _modbus;
struct _modbus_mapping_t;

namespace varkel::sim {

struct SlaveOptions {
    std::set<int> units{1};   // unit ids that answer; others stay silent
    int highestAddress = 999; // addresses above answer "illegal data address"
    bool ascii = false;
    int lineBaud = 0; // take the time of a line at this baud; 0 for no delay
    // Bits a character takes on the line; 0 for those of the settings the
    // master opened the port with (start, data, parity, stop).
    int bitsPerCharacter = 0;
    // With line timing: the time between the end of a request and the start
    // of its answer, the same the cycle estimate assumes unless told.
    double turnaroundMs = kDefaultTurnaroundMs;
};

// A Modbus slave on a pseudo-terminal, answered by libmodbus's server side:
// holding register n holds n, input register n counts up from n once a
// second, coil n is on when n is a multiple of 3, input n when n is odd.
// libmodbus sits behind a socket pair so that the slave can serve several
// unit ids, take line time and speak ASCII (as a TCP frame to libmodbus).
class ModbusSlave {
public:
    explicit ModbusSlave(const SlaveOptions& options = {});
    ~ModbusSlave();
    ModbusSlave(const ModbusSlave&) = delete;
    ModbusSlave& operator=(const ModbusSlave&) = delete;

    bool Start(std::string* error = nullptr);
    void Stop();
    const std::string& DevicePath() const { return pty_.DevicePath(); }

    int Requests() const { return requests_; }
    int WriteRequests() const { return writes_; }

private:
    void Run();
    bool TakeFrame(std::vector<std::uint8_t>& buffer, std::vector<std::uint8_t>& frame);
    void Serve(const std::vector<std::uint8_t>& frame);
    std::vector<std::uint8_t> Answer(const std::vector<std::uint8_t>& request);
    void TakeLineTime(std::chrono::steady_clock::time_point from, std::size_t request,
                      std::size_t reply) const;
    int LineCharacterBits() const;
    void RefreshInputs();

    SlaveOptions options_;
    Pty pty_;
    int hold_ = -1;
    int pair_[2] = {-1, -1};
    int wake_[2] = {-1, -1};
    _modbus* context_ = nullptr;
    _modbus_mapping_t* mapping_ = nullptr;
    std::thread thread_;
    std::atomic<bool> running_{false};
    std::atomic<int> requests_{0};
    std::atomic<int> writes_{0};
    std::chrono::steady_clock::time_point started_;
};

} // namespace varkel::sim
