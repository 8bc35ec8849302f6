#pragma once
#include "sim/Pty.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

struct _modbus;
struct _modbus_mapping_t;

namespace varkel::test {

// libmodbus's own RTU server on a pseudo-terminal, with misbehaviour on
// demand. Any write request it receives fails the running test.
class TestSlave {
public:
    enum class Mode { Normal, Silent, WrongUnit, BadCrc, WrongFunction };

    // Serves unit ids `unit`; addresses 0 to size - 1 exist.
    explicit TestSlave(int unit = 1, int size = 100);
    ~TestSlave();
    TestSlave(const TestSlave&) = delete;
    TestSlave& operator=(const TestSlave&) = delete;

    bool Start();
    void Stop();
    const std::string& DevicePath() const { return pty_.DevicePath(); }
    void SetMode(Mode mode) { mode_ = mode; }
    // Answers this function with "illegal function".
    void RefuseFunction(int function) { refused_ = function; }
    int Requests() const { return requests_; }
    // Closes the device under the master's feet.
    void Vanish() { vanish_ = true; }

    _modbus_mapping_t* Mapping() { return mapping_; }

private:
    void Run();
    void Serve(const std::uint8_t* request, int length);
    std::vector<std::uint8_t> Capture(const std::uint8_t* request, int length);

    sim::Pty pty_;
    int unit_;
    int pair_[2] = {-1, -1};
    _modbus* context_ = nullptr;
    _modbus_mapping_t* mapping_ = nullptr;
    std::thread thread_;
    std::atomic<bool> running_{false};
    std::atomic<Mode> mode_{Mode::Normal};
    std::atomic<int> refused_{0};
    std::atomic<int> requests_{0};
    std::atomic<bool> vanish_{false};
};

} // namespace varkel::test
