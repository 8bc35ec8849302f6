// Saving and loading a configuration with the full 48 commands.
#include "model/Project.h"
#include "persist/ModelXml.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string BenchFile() {
    return (std::filesystem::temp_directory_path() /
            ("varkel_bench_persist_" + std::to_string(::getpid()) + ".xml"))
        .string();
}

void FillFull(varkel::Project& project) {
    varkel::Node* node = project.GetSubnet().CreateNode();
    const int functions[] = {0, 1, 2, 3, 4, 5, 12, 13};
    for (int i = 0; i < varkel::kMaxCommands; ++i) {
        varkel::Command* command = node->CreateCommand(functions[i % 8]);
        command->GetItem(varkel::Command::RegisterRow)->SetValue(std::to_string(i * 10));
        command->GetItem(varkel::Command::DataNumberRow)->SetValue("1");
        command->GetItem(varkel::Command::MnemonicRow)->SetValue("泵站 " + std::to_string(i));
    }
    project.AutoMap();
}

void BM_Save48Commands(benchmark::State& state) {
    varkel::Project project;
    FillFull(project);
    const std::string path = BenchFile();
    for (auto _ : state) {
        if (!SaveFile(project, path))
            state.SkipWithError("save failed");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_Save48Commands)->Unit(benchmark::kMillisecond);

void BM_Load48Commands(benchmark::State& state) {
    varkel::Project project;
    FillFull(project);
    const std::string path = BenchFile();
    if (!SaveFile(project, path)) {
        state.SkipWithError("save failed");
        return;
    }
    varkel::Project loaded;
    for (auto _ : state) {
        if (!LoadFile(loaded, path))
            state.SkipWithError("load failed");
        loaded.ReleaseRetired();
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_Load48Commands)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
