// The gateway's runtime against the virtual slave taking the time of a
// 19200 baud line: the measured cycle against the cycle estimate
// (`varkel-cli estimate`) for RTU and ASCII, with and without a poll delay,
// scan ratio 1 and 10; and how fast the PLC side answers a read of the
// whole input memory while 48 commands run.
#include "model/Command.h"
#include "model/CycleEstimate.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "model/Subnet.h"
#include "sim/GatewayRuntime.h"
#include "sim/ModbusSlave.h"
#include "sim/PlcServer.h"

#include <benchmark/benchmark.h>
#include <modbus/modbus.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

using namespace varkel;

constexpr int kBaud = 19200;

// Reads of every kind, half of them slow-scan, and two writes, mapped one
// after the other.
void FillProject(Project& project, int commands, bool ascii, int delayMs, int ratio) {
    Subnet& subnet = project.GetSubnet();
    subnet.GetItem(Subnet::CommModeIndex)->SetValue(ascii ? "ASCII" : "RTU");
    subnet.GetItem(Subnet::PollDelayIndex)->SetValue(std::to_string(delayMs));
    subnet.GetItem(Subnet::ScanRatioIndex)->SetValue(std::to_string(ratio));
    subnet.SetChoiceIndex(Subnet::PollingModeIndex, 0); // continuous output
    Node* node = subnet.CreateNode();
    const int functions[] = {2, 3, 0, 1, 13, 12}; // 03, 04, 01, 02, 16, 15
    for (int i = 0; i < commands; ++i) {
        const int function = i < commands - 2 ? functions[i % 4] : functions[4 + i % 2];
        Command* command = node->CreateCommand(function);
        command->GetItem(Command::RegisterRow)->SetValue(std::to_string(i * 10));
        command->GetItem(Command::DataNumberRow)
            ->SetValue(function == 2 || function == 3 || function == 13 ? "2" : "12");
        command->GetItem(Command::BitOffsetRow)->SetValue("0");
        ParamItem* scanning = command->GetItem(Command::ScanningRow);
        scanning->SetValue(scanning->GetChoices()[static_cast<std::size_t>(i % 2)]);
    }
    project.AutoMap();
}

std::unique_ptr<sim::ModbusSlave> LineSlave(bool ascii) {
    sim::SlaveOptions options;
    options.ascii = ascii;
    options.lineBaud = kBaud;
    auto slave = std::make_unique<sim::ModbusSlave>(options);
    return slave->Start() ? std::move(slave) : nullptr;
}

// Args: ASCII (0/1), poll delay in ms, scan ratio.
void BM_CycleAgainstEstimate(benchmark::State& state) {
    const bool ascii = state.range(0) != 0;
    const int delay = static_cast<int>(state.range(1));
    const int ratio = static_cast<int>(state.range(2));
    auto slave = LineSlave(ascii);
    if (!slave) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    Project project;
    FillProject(project, 8, ascii, delay, ratio);
    sim::RuntimePlan plan;
    std::vector<ConfigProblem> problems;
    if (sim::PlanFromProject(project, plan, problems) != Success) {
        state.SkipWithError("configuration refused");
        return;
    }
    const CycleEstimate estimate = EstimateCycle(project.GetSubnet());
    // Whole rounds of the slow-scan commands, after a first cycle that
    // opens the port.
    const long long cycles = ratio == 1 ? 10 : 2LL * ratio;
    double meanMs = 0;
    long long failed = 0;
    for (auto _ : state) {
        sim::GatewayRuntime runtime(plan);
        double sum = 0;
        runtime.SetCycleCallback([&](long long n, double ms) {
            if (n > 1)
                sum += ms;
        });
        runtime.Run(slave->DevicePath(), cycles + 1);
        meanMs = sum / static_cast<double>(cycles);
        for (const auto& c : runtime.Snapshot().commands)
            failed += c.requests - c.answered;
    }
    if (failed > 0)
        state.SkipWithError("a command was not answered");
    state.counters["cycle_ms"] = meanMs;
    state.counters["estimate_ms"] = estimate.quickCycleMs;
    state.counters["ratio"] = meanMs / estimate.quickCycleMs;
}

BENCHMARK(BM_CycleAgainstEstimate)
    ->ArgNames({"ascii", "delay_ms", "scan_ratio"})
    ->ArgsProduct({{0, 1}, {0, 20}, {1, 10}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// 48 commands at 19200 baud with a 20 ms poll delay; a Modbus TCP client
// reads the 84 input registers over and over.
void BM_PlcReadWhileRunning(benchmark::State& state) {
    auto slave = LineSlave(false);
    if (!slave) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    Project project;
    FillProject(project, kMaxCommands, false, 20, 10);
    sim::RuntimePlan plan;
    std::vector<ConfigProblem> problems;
    if (sim::PlanFromProject(project, plan, problems) != Success) {
        state.SkipWithError("configuration refused");
        return;
    }
    sim::GatewayRuntime runtime(plan);
    sim::PlcServer plc(runtime);
    std::string error;
    if (!plc.Start("127.0.0.1:0", &error) || !runtime.Start(slave->DevicePath())) {
        state.SkipWithError("the PLC side did not start");
        return;
    }
    modbus_t* client = modbus_new_tcp("127.0.0.1", plc.Port());
    if (!client || modbus_connect(client) != 0) {
        state.SkipWithError("no connection");
        return;
    }
    std::vector<double> times;
    std::uint16_t registers[84];
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (modbus_read_input_registers(client, 0, 84, registers) != 84) {
            state.SkipWithError("read refused");
            break;
        }
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        // A PLC reads once a scan, not back to back.
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    modbus_close(client);
    modbus_free(client);
    const long long cycles = runtime.Snapshot().cycles;
    runtime.Stop();
    plc.Stop();
    if (times.empty())
        return;
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["p99_ms"] = times[times.size() * 99 / 100];
    state.counters["cycles_meanwhile"] = static_cast<double>(cycles);
}

BENCHMARK(BM_PlcReadWhileRunning)->Iterations(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
