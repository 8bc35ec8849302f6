// varkel-slave: a virtual Modbus slave on a pseudo-terminal, for trying
// the command test without hardware.
#include "cli/ProgramLanguage.h"
#include "model/Catalog.h"
#include "model/TextTable.h"
#include "sim/ModbusSlave.h"
#include "sim/SimCatalog.h"

#include <CLI/CLI.hpp>

#include <atomic>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <thread>

namespace {

std::atomic<bool> stopRequested{false};

void OnSignal(int) {
    stopRequested = true;
}

// CLI::Range lets "nan" through: every comparison with NaN is false.
const CLI::Validator kNotNan(
    [](std::string& input) {
        double value = 0;
        return CLI::detail::lexical_cast(input, value) && std::isnan(value)
                   ? "Value " + input + " is not a number"
                   : std::string();
    },
    "");

} // namespace

int main(int argc, char** argv) {
    using namespace varkel;
    SetTextLanguage(cli::ProgramLanguage(argc, argv));

    CLI::App app{Text(SimMsg::SlaveAbout), "varkel-slave"};
    std::vector<int> units;
    sim::SlaveOptions options;
    std::string linkPath, language, tcpAddress;
    bool trace = false, fixedInputs = false;
    app.add_option("--unit", units, Text(SimMsg::SlaveUnitOption))->check(CLI::Range(1, 247));
    app.add_option("--limit", options.highestAddress, Text(SimMsg::SlaveLimitOption))
        ->check(CLI::Range(0, 65535));
    app.add_flag("--ascii", options.ascii, Text(SimMsg::SlaveAsciiOption));
    app.add_option("--baud", options.lineBaud, Text(SimMsg::SlaveBaudOption))
        ->check(CLI::Range(0, 115200));
    app.add_option("--turnaround", options.turnaroundMs, Text(SimMsg::SlaveTurnaroundOption))
        ->check(kNotNan)
        ->check(CLI::Range(0.0, 1000.0));
    app.add_option("--link", linkPath, Text(SimMsg::SlaveLinkOption));
    app.add_flag("--trace", trace, Text(SimMsg::SlaveTraceHelp));
    app.add_option("--tcp", tcpAddress, Text(SimMsg::SlaveTcpHelp));
    app.add_flag("--fixed-inputs", fixedInputs, Text(SimMsg::SlaveFixedInputsHelp));
    app.add_option("--lang", language, Text(SimMsg::SlaveLangOption))
        ->check(CLI::IsMember({"zh", "en"}));
    cli::LocaliseHelp(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return cli::ExitAfterParseError(app, e);
    }
    if (!units.empty())
        options.units = std::set<int>(units.begin(), units.end());

    options.countInputs = !fixedInputs;
    sim::ModbusSlave slave(options);
    std::mutex outputMutex;
    if (trace) {
        slave.SetWriteCallback([&](const sim::ReceivedWrite& w) {
            std::string values;
            char b[8];
            for (std::uint16_t v : w.values) {
                std::snprintf(b, sizeof b, w.function == 5 || w.function == 15 ? "%u" : "%04X",
                              static_cast<unsigned>(v));
                values += (values.empty() ? "" : " ") + std::string(b);
            }
            std::lock_guard lock(outputMutex);
            std::cout << Text(SimMsg::SlaveTraceWrite,
                              {std::to_string(w.unit), std::to_string(w.function),
                               std::to_string(w.address), values})
                      << std::endl;
        });
    }
    std::string error;
    if (!slave.Start(&error)) {
        std::cerr << Text(SimMsg::SlaveCannotOpen, {error}) << "\n";
        return 1;
    }
    if (!tcpAddress.empty() && !slave.ServeTcp(tcpAddress, &error)) {
        std::cerr << Text(SimMsg::SlaveCannotListen, {error}) << "\n";
        return 1;
    }
    if (!linkPath.empty()) {
        std::error_code ec;
        if (std::filesystem::is_symlink(linkPath, ec))
            std::filesystem::remove(linkPath, ec);
        std::filesystem::create_symlink(slave.DevicePath(), linkPath, ec);
        if (ec) {
            std::cerr << Text(SimMsg::SlaveCannotLink, {linkPath, ec.message()}) << "\n";
            return 1;
        }
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::string unitList;
    for (int unit : options.units)
        unitList += (unitList.empty() ? "" : ",") + std::to_string(unit);
    {
        std::lock_guard lock(outputMutex);
        std::cout << slave.DevicePath() << std::endl;
        std::cerr << Text(SimMsg::SlaveReady,
                          {options.ascii ? "ASCII" : "RTU", unitList,
                           slave.DevicePath() + (linkPath.empty() ? "" : " (" + linkPath + ")")})
                  << std::endl;
        if (!tcpAddress.empty())
            std::cerr << Text(SimMsg::SlaveTcpListening, {slave.TcpAddress()}) << std::endl;
    }
    while (!stopRequested)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    slave.Stop();
    if (!linkPath.empty()) {
        std::error_code ec;
        if (std::filesystem::is_symlink(linkPath, ec) &&
            std::filesystem::read_symlink(linkPath, ec) == slave.DevicePath())
            std::filesystem::remove(linkPath, ec);
    }
    return 0;
}
