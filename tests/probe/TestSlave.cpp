#include "TestSlave.h"

#include <gtest/gtest.h>
#include <modbus/modbus.h>

#include <chrono>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace varkel::test {

TestSlave::TestSlave(int unit, int size) : unit_(unit) {
    mapping_ = modbus_mapping_new(size, size, size, size);
    for (int i = 0; i < size; ++i) {
        mapping_->tab_bits[i] = i % 3 == 0;
        mapping_->tab_input_bits[i] = i % 2;
        mapping_->tab_registers[i] = static_cast<std::uint16_t>(0x1000 + i);
        mapping_->tab_input_registers[i] = static_cast<std::uint16_t>(0x2000 + i);
    }
}

TestSlave::~TestSlave() {
    Stop();
    modbus_mapping_free(mapping_);
}

bool TestSlave::Start() {
    if (!pty_.Open(nullptr) || ::socketpair(AF_UNIX, SOCK_STREAM, 0, pair_) != 0)
        return false;
    context_ = modbus_new_rtu("/dev/null", 19200, 'N', 8, 1);
    modbus_set_slave(context_, unit_);
    modbus_set_socket(context_, pty_.Fd());
    running_ = true;
    thread_ = std::thread([this] { Run(); });
    return true;
}

void TestSlave::Stop() {
    running_ = false;
    if (thread_.joinable())
        thread_.join();
    if (context_) {
        modbus_set_socket(context_, -1);
        modbus_free(context_);
        context_ = nullptr;
    }
    for (int& fd : pair_) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    pty_.Close();
}

void TestSlave::Run() {
    std::uint8_t request[MODBUS_RTU_MAX_ADU_LENGTH];
    while (running_) {
        if (vanish_) {
            pty_.Close();
            break;
        }
        const int fd = pty_.Fd();
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN)) {
            if (p.revents & POLLHUP)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        const int length = modbus_receive(context_, request);
        if (length > 0)
            Serve(request, length);
    }
}

// The reply libmodbus would send, caught on a socket pair instead of the line.
std::vector<std::uint8_t> TestSlave::Capture(const std::uint8_t* request, int length) {
    modbus_set_socket(context_, pair_[1]);
    if (refused_ == request[1])
        modbus_reply_exception(context_, request, MODBUS_EXCEPTION_ILLEGAL_FUNCTION);
    else
        modbus_reply(context_, request, length, mapping_);
    modbus_set_socket(context_, pty_.Fd());
    std::vector<std::uint8_t> reply(MODBUS_RTU_MAX_ADU_LENGTH);
    const ssize_t n = ::recv(pair_[0], reply.data(), reply.size(), MSG_DONTWAIT);
    reply.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return reply;
}

void TestSlave::Serve(const std::uint8_t* request, int length) {
    ++requests_;
    const int function = request[1];
    if (function == 5 || function == 6 || function == 15 || function == 16)
        ADD_FAILURE() << "the slave received write request, function " << function;
    const Mode mode = mode_;
    if (mode == Mode::Silent)
        return;
    std::vector<std::uint8_t> reply = Capture(request, length);
    if (reply.size() < 4)
        return;
    switch (mode) {
    case Mode::BadCrc:
        reply.back() ^= 0x5A;
        break;
    case Mode::WrongUnit:
    case Mode::WrongFunction: {
        // Sent with a valid CRC, built by libmodbus.
        std::vector<std::uint8_t> raw(reply.begin(), reply.end() - 2);
        if (mode == Mode::WrongUnit)
            raw[0] = static_cast<std::uint8_t>(raw[0] + 1);
        else
            raw[1] = static_cast<std::uint8_t>(raw[1] == 3 ? 4 : 3);
        modbus_send_raw_request(context_, raw.data(), static_cast<int>(raw.size()));
        return;
    }
    default:
        break;
    }
    [[maybe_unused]] auto n = ::write(pty_.Fd(), reply.data(), reply.size());
}

} // namespace varkel::test
