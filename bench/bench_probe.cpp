// One probe pass over 48 read commands against the virtual slave taking the
// time of a 19200 baud line, against the floor of that line: every frame's
// time on the wire plus the configured delays between requests.
#include "model/Project.h"
#include "model/ResultCode.h"
#include "probe/ProbeSession.h"
#include "sim/ModbusSlave.h"

#include <benchmark/benchmark.h>

namespace {

using namespace varkel;

constexpr int kBaud = 19200;
constexpr int kBitsPerCharacter = 10; // 8N1

// 48 reads of every kind that together fill the input memory.
void FillProject(Project& project, int delayMs) {
    Subnet& subnet = project.GetSubnet();
    subnet.GetItem(Subnet::PollDelayIndex)->SetValue(std::to_string(delayMs));
    Node* node = subnet.CreateNode();
    const int functions[] = {2, 3, 0, 1}; // 03, 04, 01, 02
    for (int i = 0; i < kMaxCommands; ++i) {
        const int function = functions[i % 4];
        Command* command = node->CreateCommand(function);
        command->GetItem(Command::RegisterRow)->SetValue(std::to_string(i * 10));
        command->GetItem(Command::DataNumberRow)->SetValue(function >= 2 ? "2" : "12");
        command->GetItem(Command::BitOffsetRow)->SetValue("0");
    }
    project.AutoMap();
}

// Request 8 bytes; answer 5 plus the data bytes; the 3.5-character silence
// that ends each of the two frames.
double LineFloorMs(const ProbePlan& plan) {
    double bytes = 0;
    for (const ProbeCommand& c : plan.Commands())
        bytes += 8 + 5 + (c.IsRegisters() ? 2 * c.count : (c.count + 7) / 8) + 7;
    const double delays = static_cast<double>(plan.Line().pollDelayMs) *
                          static_cast<double>(plan.Commands().size() - 1);
    return bytes * kBitsPerCharacter * 1000.0 / kBaud + delays;
}

void BM_ProbePass48(benchmark::State& state) {
    sim::SlaveOptions options;
    options.lineBaud = kBaud;
    options.bitsPerCharacter = kBitsPerCharacter;
    options.turnaroundMs = 0; // the floor is the line alone
    sim::ModbusSlave slave(options);
    if (!slave.Start()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    Project project;
    FillProject(project, static_cast<int>(state.range(0)));
    ProbePlan plan;
    std::vector<ConfigProblem> problems;
    if (plan.Build(project, problems) != Success) {
        state.SkipWithError("configuration refused");
        return;
    }
    const double floorMs = LineFloorMs(plan);
    double measuredMs = 0;
    int failed = 0;
    for (auto _ : state) {
        ProbeSession session(plan);
        session.SetPassCallback([&](const PassSummary& s, const MemoryImage&) {
            measuredMs += s.ms;
            failed += s.failed;
        });
        if (session.Run(slave.DevicePath(), 1).code != Success) {
            state.SkipWithError("port failed");
            return;
        }
    }
    if (failed > 0)
        state.SkipWithError("a command returned no data");
    const double n = static_cast<double>(state.iterations());
    state.counters["pass_ms"] = measuredMs / n;
    state.counters["floor_ms"] = floorMs;
    state.counters["ratio"] = measuredMs / n / floorMs;
}

BENCHMARK(BM_ProbePass48)->Arg(0)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ProbePass48)->Arg(20)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
