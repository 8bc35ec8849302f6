// varkel-sim: a virtual gateway on a pseudo-terminal, for trying a
// configuration without hardware and for tests.
#include "cli/ProgramLanguage.h"
#include "model/Catalog.h"
#include "model/TextTable.h"
#include "sim/GatewaySim.h"

#include <CLI/CLI.hpp>

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
using varkel::Msg;
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

    CLI::App app{Text(Msg::SimDescription)};
    std::string hw = "2.1";
    std::string linkPath;
    std::string statePath;
    std::string faultName = "none";
    std::string language;
    int faultAt = 0;
    bool wireTiming = false;
    bool trace = false;
    app.add_option("--hw", hw, Text(Msg::SimHwHelp));
    app.add_option("--link", linkPath, Text(Msg::SimLinkHelp));
    app.add_option("--state", statePath, Text(Msg::SimStateHelp));
    app.add_flag("--wire-timing", wireTiming, Text(Msg::SimWireTimingHelp));
    app.add_flag("--trace", trace, Text(Msg::SimTraceHelp));
    app.add_option("--fault", faultName, Text(Msg::SimFaultHelp));
    app.add_option("--fault-at", faultAt, Text(Msg::SimFaultAtHelp));
    app.add_option("--lang", language, Text(Msg::SimLangHelp))->check(CLI::IsMember({"en", "zh"}));
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
        std::cerr << Text(Msg::SimBadHardwareVersion) << "\n";
        return 2;
    }
    if (!Fault::Parse(faultName, options.fault.kind) || faultAt < 0) {
        std::cerr << Text(Msg::SimUnknownFault, {faultName}) << "\n";
        return 2;
    }
    options.fault.atFrame = faultAt;

    GatewaySim sim(options);
    if (!statePath.empty() && std::filesystem::exists(statePath)) {
        GatewayState state;
        std::string error;
        // Refuse to start rather than overwrite a file we could not read.
        if (!LoadState(state, statePath, &error)) {
            std::cerr << Text(Msg::SimCannotLoadState, {error}) << "\n";
            return 1;
        }
        sim.SetState(state);
    }

    std::mutex outputMutex;
    if (trace) {
        sim.SetTraceCallback([&](const Exchanged& e) {
            std::lock_guard lock(outputMutex);
            std::cout << "<- " << Hex(e.request) << "\n";
            if (!e.reply.empty())
                std::cout << "-> " << Hex(e.reply) << "\n";
            std::cout << "   " << e.what << std::endl;
        });
    }
    if (!statePath.empty()) {
        sim.SetStateCallback([&](const GatewayState& state) {
            std::string error;
            if (!SaveState(state, statePath, &error)) {
                std::lock_guard lock(outputMutex);
                std::cerr << Text(Msg::SimCannotSaveState, {error}) << std::endl;
            }
        });
    }

    std::string error;
    if (!sim.Start(&error)) {
        std::cerr << Text(Msg::SimCannotOpenPty, {error}) << "\n";
        return 1;
    }
    if (!linkPath.empty()) {
        std::error_code ec;
        if (std::filesystem::is_symlink(linkPath, ec))
            std::filesystem::remove(linkPath, ec);
        std::filesystem::create_symlink(sim.DevicePath(), linkPath, ec);
        if (ec) {
            std::cerr << Text(Msg::SimCannotCreateLink, {linkPath, ec.message()}) << "\n";
            return 1;
        }
    }

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    {
        std::lock_guard lock(outputMutex);
        std::cout << sim.DevicePath() << std::endl;
        std::cerr << Text(Msg::SimReady,
                          {std::to_string(options.hwMajor), std::to_string(options.hwMinor),
                           sim.DevicePath(), linkPath.empty() ? "" : " (" + linkPath + ")"})
                  << std::endl;
    }
    while (!stopRequested && !sim.Vanished())
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    sim.Stop();
    if (!linkPath.empty()) {
        std::error_code ec;
        if (std::filesystem::is_symlink(linkPath, ec) &&
            std::filesystem::read_symlink(linkPath, ec) == sim.DevicePath())
            std::filesystem::remove(linkPath, ec);
    }
    return 0;
}
