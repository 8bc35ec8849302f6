// The polling-cycle estimate and the I/O list of a full node: both run on
// every edit in the desktop program's status bar.
#include "model/CycleEstimate.h"
#include "model/IoList.h"
#include "model/Project.h"

#include <benchmark/benchmark.h>

using namespace varkel;

namespace {

void FillNode(Project& project) {
    Node* node = project.GetSubnet().CreateNode();
    static constexpr int kFunctions[] = {0, 1, 2, 3, 4, 5, 12, 13};
    for (int i = 0; i < kMaxCommands; ++i) {
        Command* c = node->CreateCommand(kFunctions[i % 8]);
        c->GetItem(Command::RegisterRow)->SetValue(std::to_string(i * 10));
        if (c->GetItem(Command::DataNumberRow)->GetEnable() == 1)
            c->GetItem(Command::DataNumberRow)->SetValue("2");
        ParamItem* scan = c->GetItem(Command::ScanningRow);
        scan->SetValue(scan->GetChoices()[static_cast<std::size_t>(i % 3 == 0)]);
    }
    project.AutoMap();
}

void BM_EstimateCycle48(benchmark::State& state) {
    Project project;
    FillNode(project);
    for (auto _ : state)
        benchmark::DoNotOptimize(EstimateCycle(project.GetSubnet()).quickCycleMs);
}
BENCHMARK(BM_EstimateCycle48)->Unit(benchmark::kMicrosecond);

void BM_IoList48(benchmark::State& state) {
    Project project;
    FillNode(project);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildIoList(project.GetSubnet()).rows.size());
}
BENCHMARK(BM_IoList48)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
