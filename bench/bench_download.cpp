// Download of a full 48-command configuration to the virtual gateway taking
// the time of a real 19200 baud line, against the floor of that line.
#include "link/Download.h"
#include "link/SerialLink.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "sim/GatewaySim.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using namespace varkel;

void FillProject(Project& project) {
    Node* node = project.GetSubnet().CreateNode();
    for (int i = 0; i < kMaxCommands; ++i) {
        Command* command = node->CreateCommand(2);
        command->GetItem(Command::RegisterRow)->SetValue(std::to_string(i * 10));
        command->GetItem(Command::DataNumberRow)->SetValue("1");
    }
    project.AutoMap();
}

// The second version request follows the fixed version pause, every later
// frame the link's pace; every byte both ways takes its time on the line.
double FloorMs(const std::vector<sim::Exchanged>& log, int paceMs) {
    double bytes = 0;
    for (const auto& e : log)
        bytes += static_cast<double>(e.request.size() + e.reply.size());
    const double byteMs =
        std::chrono::duration<double, std::milli>(sim::GatewaySim::kByteTime).count();
    const double pauses = SerialLink::kVersionPauseMs +
                          static_cast<double>(paceMs) * static_cast<double>(log.size() - 2);
    return bytes * byteMs + pauses;
}

void BM_Download48(benchmark::State& state) {
    const int paceMs = static_cast<int>(state.range(0));
    sim::SimOptions options;
    options.wireTiming = true;
    sim::GatewaySim gateway(options);
    if (!gateway.Start()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    Project project;
    FillProject(project);
    double measuredMs = 0;
    double floorMs = 0;
    for (auto _ : state) {
        gateway.ClearLog();
        SerialLink link;
        link.SetPaceMs(paceMs);
        auto start = std::chrono::steady_clock::now();
        if (link.Open(gateway.DevicePath()) != Success || Download(project, link) != Success) {
            state.SkipWithError("download failed");
            return;
        }
        link.Close();
        measuredMs +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        floorMs += FloorMs(gateway.Log(), paceMs);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["measured_ms"] = measuredMs / n;
    state.counters["floor_ms"] = floorMs / n;
    state.counters["ratio"] = measuredMs / floorMs;
    state.counters["frames"] = static_cast<double>(gateway.Log().size());
}

BENCHMARK(BM_Download48)->Arg(100)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Download48)->Arg(0)->Iterations(10)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
