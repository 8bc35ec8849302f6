#pragma once
#include "sim/GatewayRuntime.h"
#include "sim/ModbusTcpServer.h"

#include <string>

namespace varkel::sim {

// The gateway's PLC side over Modbus TCP (the layout in sim/PlcRequest.h):
// any Modbus client reads the runtime's memories and statuses and writes
// its output memory as the PLC would.
class PlcServer {
public:
    // Loopback, the port a PLC program is told unless the user picks one.
    static constexpr const char* kDefaultAddress = "127.0.0.1:1502";

    explicit PlcServer(GatewayRuntime& runtime);
    ~PlcServer() { Stop(); }
    PlcServer(const PlcServer&) = delete;
    PlcServer& operator=(const PlcServer&) = delete;

    bool Start(const std::string& address, std::string* error) {
        return server_.Start(address, error);
    }
    void Stop() { server_.Stop(); }
    std::string Address() const { return server_.Address(); }
    int Port() const { return server_.Port(); }
    int DroppedClients() const { return server_.DroppedClients(); }

private:
    GatewayRuntime& runtime_;
    ModbusTcpServer server_;
};

} // namespace varkel::sim
