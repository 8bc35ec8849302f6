#pragma once
#include "sim/GatewaySim.h"

#include <QString>

#include <memory>
#include <mutex>
#include <string>

namespace varkel {

// The gateway built into the program: the simulator engine on a
// pseudo-terminal, so that a download and an upload can be tried without
// hardware. It lives from its first use to the end of the program and keeps
// what was downloaded to it in a small file, so that it still holds it in
// the next run.
class VirtualGateway {
public:
    VirtualGateway() = default;
    ~VirtualGateway();
    VirtualGateway(const VirtualGateway&) = delete;
    VirtualGateway& operator=(const VirtualGateway&) = delete;

    // The one the transfer dialog offers.
    static VirtualGateway& Shared();

    // Starts it unless it runs; the device path to open, or empty with the
    // reason in error.
    std::string Device(std::string* error = nullptr);
    bool IsRunning() const;
    void Stop();

    // Where the gateway keeps its state between runs; empty keeps nothing.
    // Takes effect at the next start.
    void SetStateFile(const QString& path);
    QString StateFile() const;
    // The default state file in the program's data folder.
    static QString DefaultStateFile();

    // The simulator itself, for tests; nullptr before the first start.
    sim::GatewaySim* Simulator() { return sim_.get(); }

private:
    mutable std::mutex mutex_;
    std::unique_ptr<sim::GatewaySim> sim_;
    QString stateFile_ = DefaultStateFile();
};

} // namespace varkel
