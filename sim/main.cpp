// varkel-sim: a virtual gateway on a pseudo-terminal, for trying a
// configuration without hardware and for tests. With --subnet it also runs
// the configuration it holds as the gateway's Modbus master and shows its
// PLC side over Modbus TCP.
#include "cli/ProgramLanguage.h"
#include "link/PosixSerialPort.h"
#include "model/Catalog.h"
#include "model/CycleEstimate.h"
#include "model/TextTable.h"
#include "sim/GatewayRuntime.h"
#include "sim/GatewaySim.h"
#include "sim/PlcServer.h"
#include "sim/SimCatalog.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <thread>

namespace {

using namespace varkel::sim;
using varkel::ProbeCommand;
using varkel::SimMsg;
using varkel::Text;
using varkel::TextLanguage;

std::atomic<bool> stopRequested{false};

void OnSignal(int) {
    stopRequested = true;
}

std::string Hex(const Bytes& bytes) {
    std::string out;
    char b[4];
    for (auto v : bytes) {
        std::snprintf(b, sizeof b, "%02X ", v);
        out += b;
    }
    if (!out.empty())
        out.pop_back();
    return out;
}

std::string HexText(const std::vector<std::uint8_t>& bytes) {
    return Hex(bytes);
}

// The values an exchange carried: those written, or those read.
std::string Values(const RuntimeExchange& e) {
    std::string out;
    char b[8];
    auto add = [&](const char* format, unsigned v) {
        std::snprintf(b, sizeof b, format, v);
        out += out.empty() ? "" : " ";
        out += b;
    };
    const bool write = e.sent.IsWrite();
    for (std::uint16_t r : write ? e.write.registers : e.result.registers)
        add("%04X", r);
    for (std::uint8_t bit : write ? e.write.bits : e.result.bits)
        add("%u", bit);
    if (out.empty())
        return "";
    return (write ? " = [" : " -> [") + out + "]";
}

bool ParseVersion(const std::string& text, std::uint8_t& major, std::uint8_t& minor) {
    unsigned a = 0, b = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%u.%u%c", &a, &b, &tail) != 2 || a > 255 || b > 255)
        return false;
    major = static_cast<std::uint8_t>(a);
    minor = static_cast<std::uint8_t>(b);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    varkel::SetTextLanguage(varkel::cli::ProgramLanguage(argc, argv));

    CLI::App app{Text(SimMsg::SimDescription)};
    std::string hw = "2.1";
    std::string linkPath;
    std::string statePath;
    std::string faultName = "none";
    std::string language;
    int faultAt = 0;
    bool wireTiming = false;
    bool trace = false;
    std::string subnetPath;
    std::string plcAddress = PlcServer::kDefaultAddress;
    bool allowWrites = false;
    app.add_option("--hw", hw, Text(SimMsg::SimHwHelp));
    app.add_option("--link", linkPath, Text(SimMsg::SimLinkHelp));
    app.add_option("--state", statePath, Text(SimMsg::SimStateHelp));
    app.add_flag("--wire-timing", wireTiming, Text(SimMsg::SimWireTimingHelp));
    app.add_flag("--trace", trace, Text(SimMsg::SimTraceHelp));
    app.add_option("--fault", faultName, Text(SimMsg::SimFaultHelp));
    app.add_option("--fault-at", faultAt, Text(SimMsg::SimFaultAtHelp));
    app.add_option("--subnet", subnetPath, Text(SimMsg::SimSubnetHelp));
    app.add_option("--plc", plcAddress, Text(SimMsg::SimPlcHelp));
    app.add_flag("--allow-writes", allowWrites, Text(SimMsg::SimAllowWritesHelp));
    app.add_option("--lang", language, Text(SimMsg::SimLangHelp))
        ->check(CLI::IsMember({"en", "zh"}));
    app.footer(Text(SimMsg::SimPlcLayout));
    varkel::cli::LocaliseHelp(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return varkel::cli::ExitAfterParseError(app, e);
    }

    SimOptions options;
    options.wireTiming = wireTiming;
    // It runs for days and shows what it exchanges only through the trace.
    options.logLimit = 0;
    if (!ParseVersion(hw, options.hwMajor, options.hwMinor)) {
        std::cerr << Text(SimMsg::SimBadHardwareVersion) << "\n";
        return 2;
    }
    if (!Fault::Parse(faultName, options.fault.kind) || faultAt < 0) {
        std::cerr << Text(SimMsg::SimUnknownFault, {faultName}) << "\n";
        return 2;
    }
    options.fault.atFrame = faultAt;

    GatewaySim sim(options);
    if (!statePath.empty() && std::filesystem::exists(statePath)) {
        GatewayState state;
        std::string error;
        // Refuse to start rather than overwrite a file we could not read.
        if (!LoadState(state, statePath, &error)) {
            std::cerr << Text(SimMsg::SimCannotLoadState, {error}) << "\n";
            return 1;
        }
        sim.SetState(state);
    }

    std::mutex outputMutex;
    // A download stops the run; its closing fieldbus frame (or, when it was
    // given up, a quiet configuration line) starts the new configuration.
    std::atomic<bool> downloading{false};
    std::atomic<bool> downloaded{false};
    std::atomic<long long> lastConfigFrame{0};
    GatewayRuntime runtime;
    runtime.AllowWrites(allowWrites);
    const bool running = !subnetPath.empty();
    if (trace || running) {
        sim.SetTraceCallback([&](const Exchanged& e) {
            if (running && !e.request.empty() && !e.reply.empty()) {
                const std::uint8_t command = e.request[0];
                if (command == 0x03 || command == 0x05 || command == 0x14 || command == 0x10) {
                    lastConfigFrame = std::chrono::steady_clock::now().time_since_epoch().count();
                    if (!downloading.exchange(true))
                        runtime.RequestStop();
                } else if ((command == 0x30 || command == 0x32) && downloading) {
                    downloaded = true;
                }
            }
            if (!trace)
                return;
            std::lock_guard lock(outputMutex);
            std::cout << "<- " << Hex(e.request) << "\n";
            if (!e.reply.empty())
                std::cout << "-> " << Hex(e.reply) << "\n";
            std::cout << "   " << e.what << std::endl;
        });
    }
    if (trace && running) {
        runtime.SetExchangeCallback([&](const RuntimeExchange& e) {
            const ProbeCommand& c = e.sent;
            varkel::sim::CommandState state;
            state.status = e.status;
            state.exception = e.result.exception;
            const std::string status = CommandStatusText(state);
            std::lock_guard lock(outputMutex);
            std::cout << Text(SimMsg::SimTraceExchange,
                              {std::to_string(e.cycle), std::to_string(e.command + 1),
                               std::to_string(c.slave), std::to_string(c.function),
                               std::to_string(c.address), std::to_string(c.count), Values(e),
                               status, varkel::FormatMs(e.result.ms)})
                      << std::endl;
        });
        runtime.SetMemoryCallback([&](const MemoryChange& m) {
            std::lock_guard lock(outputMutex);
            std::cout << Text(SimMsg::SimTraceMemory,
                              {Text(m.output ? SimMsg::SimMemoryOutput : SimMsg::SimMemoryInput),
                               std::to_string(m.first), HexText(m.before), HexText(m.after)})
                      << std::endl;
        });
    }
    if (!statePath.empty()) {
        sim.SetStateCallback([&](const GatewayState& state) {
            std::string error;
            if (!SaveState(state, statePath, &error)) {
                std::lock_guard lock(outputMutex);
                std::cerr << Text(SimMsg::SimCannotSaveState, {error}) << std::endl;
            }
        });
    }

    std::string error;
    if (!sim.Start(&error)) {
        std::cerr << Text(SimMsg::SimCannotOpenPty, {error}) << "\n";
        return 1;
    }
    if (!linkPath.empty()) {
        std::error_code ec;
        if (std::filesystem::is_symlink(linkPath, ec))
            std::filesystem::remove(linkPath, ec);
        std::filesystem::create_symlink(sim.DevicePath(), linkPath, ec);
        if (ec) {
            std::cerr << Text(SimMsg::SimCannotCreateLink, {linkPath, ec.message()}) << "\n";
            return 1;
        }
    }

    PlcServer plc(runtime);
    if (running && !plc.Start(plcAddress, &error)) {
        std::cerr << Text(SimMsg::SimCannotListen, {error}) << "\n";
        return 1;
    }
    // Runs what the gateway holds now.
    auto startRun = [&] {
        RuntimePlan plan;
        std::string why;
        std::lock_guard lock(outputMutex);
        if (!PlanFromState(sim.State(), plan, &why)) {
            std::cerr << Text(SimMsg::SimCannotRun, {why}) << std::endl;
            return;
        }
        const std::size_t commands = plan.commands.size();
        const bool universal = plan.universal;
        const bool writes = std::any_of(plan.commands.begin(), plan.commands.end(),
                                        [](const ProbeCommand& c) { return c.IsWrite(); });
        runtime.SetPlan(std::move(plan));
        runtime.Start(subnetPath);
        if (universal) {
            std::cerr << Text(SimMsg::RunStateUniversal) << std::endl;
            return;
        }
        std::cerr << Text(SimMsg::SimRunStarted, {subnetPath, std::to_string(commands)})
                  << std::endl;
        if (writes && !allowWrites && !varkel::IsPseudoTerminal(subnetPath))
            std::cerr << Text(SimMsg::SimWritesHeld, {subnetPath}) << std::endl;
    };

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    {
        std::lock_guard lock(outputMutex);
        std::cout << sim.DevicePath() << std::endl;
        std::cerr << Text(SimMsg::SimReady,
                          {std::to_string(options.hwMajor), std::to_string(options.hwMinor),
                           sim.DevicePath(), linkPath.empty() ? "" : " (" + linkPath + ")"})
                  << std::endl;
        if (running)
            std::cerr << Text(SimMsg::SimPlcListening, {plc.Address()}) << std::endl;
    }
    if (running)
        startRun();
    // A download given up half way runs what it left after this long.
    constexpr std::chrono::seconds kAbandonedDownload{5};
    bool stopped = false;
    while (!stopRequested && !sim.Vanished()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (!running || !downloading)
            continue;
        if (!stopped) {
            runtime.Stop();
            stopped = true;
            std::lock_guard lock(outputMutex);
            std::cerr << Text(SimMsg::SimRunStopped) << std::endl;
        }
        const auto quiet = std::chrono::steady_clock::now().time_since_epoch() -
                           std::chrono::steady_clock::duration(lastConfigFrame.load());
        if (downloaded || quiet > kAbandonedDownload) {
            downloaded = false;
            downloading = false;
            stopped = false;
            startRun();
        }
    }
    runtime.Stop();
    plc.Stop();
    sim.Stop();
    if (!linkPath.empty()) {
        std::error_code ec;
        if (std::filesystem::is_symlink(linkPath, ec) &&
            std::filesystem::read_symlink(linkPath, ec) == sim.DevicePath())
            std::filesystem::remove(linkPath, ec);
    }
    return 0;
}
