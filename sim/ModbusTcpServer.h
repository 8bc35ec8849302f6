#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace varkel::sim {

// A Modbus TCP server on a thread of its own: listens (through libmodbus)
// on HOST:PORT, frames each client's requests by their header and answers
// them through the handler. A client that sends something no Modbus TCP
// request can be, sends more than it reads (answers pile up) or sends
// without end is dropped; the others go on. Every thread is joined by Stop.
class ModbusTcpServer {
public:
    // A whole request frame in, its answer out; an empty answer drops the
    // client. Called on the server's thread.
    using Handler = std::function<std::vector<std::uint8_t>(const std::uint8_t*, std::size_t)>;

    static constexpr int kMaxClients = 16;

    explicit ModbusTcpServer(Handler handler);
    ~ModbusTcpServer();
    ModbusTcpServer(const ModbusTcpServer&) = delete;
    ModbusTcpServer& operator=(const ModbusTcpServer&) = delete;

    // "HOST:PORT", "PORT" or ":PORT" (loopback); HOST is an IPv4 address,
    // "localhost" or "0.0.0.0" (every interface); port 0 takes a free one.
    bool Start(const std::string& address, std::string* error);
    void Stop();
    // The address listened on, with the port actually taken.
    std::string Address() const { return host_ + ":" + std::to_string(port_); }
    int Port() const { return port_; }
    int DroppedClients() const { return dropped_; }

    // Splits "HOST:PORT"; false for a malformed address.
    static bool ParseAddress(const std::string& text, std::string& host, int& port);

private:
    void Run();

    Handler handler_;
    std::string host_;
    int port_ = 0;
    int listen_ = -1;
    int wake_[2] = {-1, -1};
    std::thread thread_;
    std::atomic<int> dropped_{0};
};

} // namespace varkel::sim
