// The largest configuration file the loader accepts (just under the 16 MB
// limit: one node with thousands of copies of a command) loaded and
// checked, and the hostile files of that size it refuses. Each must take
// under one second.
#include "model/ConfigCheck.h"
#include "model/Project.h"
#include "persist/ModelXml.h"
#include "persist/XmlFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::string BenchPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("varkel_bench_filesize_" + std::to_string(::getpid()) + "_" + name))
        .string();
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A saved one-command configuration with its command repeated until the
// file is as large as the limit allows; answers the number of commands.
int WriteLargest(const std::string& path) {
    varkel::Project project;
    varkel::Command* command = project.GetSubnet().CreateNode()->CreateCommand(2);
    command->GetItem(varkel::Command::RegisterRow)->SetValue("0");
    command->GetItem(varkel::Command::DataNumberRow)->SetValue("1");
    command->GetItem(varkel::Command::MnemonicRow)->SetValue("泵站");
    project.AutoMap();
    if (!SaveFile(project, path))
        return 0;
    std::string text = ReadAll(path);
    const std::size_t start = text.rfind('\n', text.find("<Command ")) + 1;
    const std::size_t end = text.find("</Command>", start) + std::string("</Command>\r\n").size();
    const std::string copy = text.substr(start, end - start);
    std::string copies;
    int count = 1;
    while (text.size() + copies.size() + copy.size() <= varkel::kMaxXmlFileSize) {
        copies += copy;
        ++count;
    }
    text.insert(start, copies);
    WriteAll(path, text);
    return count;
}

void BM_LoadLargestAcceptedFile(benchmark::State& state) {
    const std::string path = BenchPath("largest.xml");
    const int commands = WriteLargest(path);
    for (auto _ : state) {
        varkel::Project project;
        if (!varkel::LoadFile(project, path))
            state.SkipWithError("the largest file was refused");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    state.counters["commands"] = commands;
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadLargestAcceptedFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CheckLargestAcceptedFile(benchmark::State& state) {
    const std::string path = BenchPath("largest.xml");
    WriteLargest(path);
    varkel::Project project;
    if (!varkel::LoadFile(project, path)) {
        state.SkipWithError("the largest file was refused");
        return;
    }
    std::size_t problems = 0;
    for (auto _ : state)
        problems = varkel::CheckConfiguration(project).problems.size();
    state.counters["problems"] = static_cast<double>(problems);
    std::filesystem::remove(path);
}
BENCHMARK(BM_CheckLargestAcceptedFile)->Unit(benchmark::kMillisecond)->Iterations(3);

// One element with as many attributes as the limit's bytes hold.
void BM_RefuseAttributeBomb(benchmark::State& state) {
    const std::string path = BenchPath("attributes.xml");
    std::string bomb = "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n<Norrin";
    for (int i = 0; bomb.size() + 32 < varkel::kMaxXmlFileSize; ++i)
        bomb += " a" + std::to_string(i) + "=\"x\"";
    bomb += " />\r\n";
    WriteAll(path, bomb);
    for (auto _ : state) {
        varkel::Project project;
        if (varkel::LoadFile(project, path))
            state.SkipWithError("the attribute bomb was accepted");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_RefuseAttributeBomb)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
