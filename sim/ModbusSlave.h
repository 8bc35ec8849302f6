#pragma once
#include "model/CycleEstimate.h"
#include "sim/Pty.h"

#include "sim/ModbusTcpServer.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
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
    // Input registers count up once a second; false keeps register n at n.
    bool countInputs = true;
};

// A write the slave accepted.
struct ReceivedWrite {
    std::chrono::system_clock::time_point time;
    int unit = 0;
    int function = 0;
    int address = 0;
    std::vector<std::uint16_t> values; // registers, or 0/1 a coil
    bool overTcp = false;              // came from the Modbus TCP side, not the line
};

// A Modbus slave on a pseudo-terminal, answered by libmodbus's server side:
// holding register n holds n, input register n counts up from n once a
// second, coil n is on when n is a multiple of 3, input n when n is odd.
// libmodbus sits behind a socket pair so that the slave can serve several
// unit ids, take line time and speak ASCII (as a TCP frame to libmodbus).
// Every unit id answers from the same tables. The tables can be read and
// changed while it runs, in-process or over Modbus TCP (ServeTcp); the
// writes it accepts are kept in order. Safe from any thread.
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

    // The tables, after Start; an address above the highest is 0 or
    // refused (false). Setting an input register keeps it from counting.
    std::uint16_t HoldingRegister(int address) const;
    bool SetHoldingRegister(int address, std::uint16_t value);
    std::uint16_t InputRegister(int address) const;
    bool SetInputRegister(int address, std::uint16_t value);
    bool Coil(int address) const;
    bool SetCoil(int address, bool on);
    bool DiscreteInput(int address) const;
    bool SetDiscreteInput(int address, bool on);
    int HighestAddress() const { return options_.highestAddress; }

    // The writes accepted since the start (or the last ClearWrites).
    std::vector<ReceivedWrite> Writes() const;
    void ClearWrites();
    // Called after every accepted write, on the thread that served it; set
    // before Start.
    void SetWriteCallback(std::function<void(const ReceivedWrite&)> callback) {
        onWrite_ = std::move(callback);
    }
    // After Start: serves the same tables over Modbus TCP on HOST:PORT too.
    bool ServeTcp(const std::string& address, std::string* error);
    std::string TcpAddress() const { return tcp_ ? tcp_->Address() : std::string(); }

private:
    void Run();
    bool TakeFrame(std::vector<std::uint8_t>& buffer, std::vector<std::uint8_t>& frame);
    void Serve(const std::vector<std::uint8_t>& frame);
    // Hands a request to libmodbus (context and its socket pair) and takes
    // its answer; a write it accepted is recorded. With mutex_ held.
    std::vector<std::uint8_t> Answer(_modbus* context, const int* pair,
                                     const std::vector<std::uint8_t>& request, int unit,
                                     const std::uint8_t* pdu, std::size_t pduSize, bool overTcp);
    std::vector<std::uint8_t> AnswerTcp(const std::uint8_t* frame, std::size_t size);
    void TakeLineTime(std::chrono::steady_clock::time_point from, std::size_t request,
                      std::size_t reply) const;
    int LineCharacterBits() const;
    void RefreshInputs();

    SlaveOptions options_;
    Pty pty_;
    int hold_ = -1;
    int pair_[2] = {-1, -1};
    int wake_[2] = {-1, -1};
    int tcpPair_[2] = {-1, -1};
    _modbus* context_ = nullptr;
    _modbus* tcpContext_ = nullptr;
    _modbus_mapping_t* mapping_ = nullptr;
    std::vector<bool> pinned_; // input registers set by hand
    std::unique_ptr<ModbusTcpServer> tcp_;
    std::function<void(const ReceivedWrite&)> onWrite_;
    mutable std::mutex mutex_; // the tables, the contexts and the writes
    std::vector<ReceivedWrite> received_;
    std::thread thread_;
    std::atomic<bool> running_{false};
    std::atomic<int> requests_{0};
    std::atomic<int> writes_{0};
    std::chrono::steady_clock::time_point started_;
};

} // namespace varkel::sim
