// Automatic mapping, the whole pre-download check and the copy an undo
// step takes, on a full node.
#include "model/Project.h"

#include <benchmark/benchmark.h>

using namespace varkel;

namespace {

void FillNode(Project& project) {
    Node* node = project.GetSubnet().CreateNode();
    static constexpr int kFunctions[] = {0, 1, 2, 3, 4, 5, 12, 13};
    for (int i = 0; i < kMaxCommands; ++i) {
        Command* c = node->CreateCommand(kFunctions[i % 8]);
        c->GetItem(1)->SetValue(std::to_string(i * 10));
        if (c->GetItem(2)->GetEnable() == 1)
            c->GetItem(2)->SetValue("1");
    }
}

void BM_AutoMap(benchmark::State& state) {
    Project project;
    FillNode(project);
    for (auto _ : state)
        benchmark::DoNotOptimize(project.AutoMap());
}
BENCHMARK(BM_AutoMap);

void BM_PreDownloadCheck(benchmark::State& state) {
    Project project;
    FillNode(project);
    project.AutoMap();
    for (auto _ : state) {
        int result = StopCode(project.GetSubnet().Validate());
        MemoryCounts input{};
        MemoryCounts output{};
        project.GetSubnet().MarkMemoryUse(input, output, 0);
        result |= project.CheckMemoryMaps(input, output);
        result |= project.GetSubnet().CheckConflicts();
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_PreDownloadCheck);

// An undo step copies the configuration before and after the change, and
// restores a copy of one of them.
void BM_UndoSnapshot(benchmark::State& state) {
    Project project;
    FillNode(project);
    for (auto _ : state) {
        Project copy;
        copy.CopyFrom(project);
        benchmark::DoNotOptimize(copy.GetCommandCount());
    }
}
BENCHMARK(BM_UndoSnapshot);

void BM_UndoRestore(benchmark::State& state) {
    Project project;
    FillNode(project);
    Project saved;
    saved.CopyFrom(project);
    for (auto _ : state) {
        Project copy;
        copy.CopyFrom(saved);
        project.TakeFrom(copy);
        project.ReleaseRetired();
    }
}
BENCHMARK(BM_UndoRestore);

} // namespace

BENCHMARK_MAIN();
