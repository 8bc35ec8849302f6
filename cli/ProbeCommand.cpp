// varkel-cli probe: the configured Modbus commands sent from the PC.
#include "cli/CliApp.h"
#include "cli/CliCatalog.h"
#include "cli/CliText.h"
#include "cli/ConfigurationFile.h"
#include "cli/ExitCodes.h"
#include "model/Catalog.h"
#include "model/ConfigCheck.h"
#include "model/CycleEstimate.h"
#include "model/PortOpenError.h"
#include "model/Project.h"
#include "model/ResultCode.h"
#include "probe/MemoryImage.h"
#include "probe/ProbeCatalog.h"
#include "probe/ProbeSession.h"
#include "probe/ValueDecoder.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <optional>
#include <unistd.h>

namespace varkel::cli {
namespace {

std::atomic<bool> interrupted{false};

void OnInterrupt(int) {
    interrupted = true;
}

struct ProbeOptions {
    std::string port;
    int passes = 1;
    bool watch = false;
    bool json = false;
    bool image = false;
    std::string format;
    std::string order;
};

std::string DataText(const ProbeCommand& command, const ProbeResult& result,
                     const ProbeOptions& options) {
    std::string out;
    if (!command.IsRegisters()) {
        for (std::uint8_t bit : result.bits)
            out += bit ? '1' : '0';
        return out;
    }
    std::vector<std::string> values;
    if (options.format.empty()) {
        values = ValueDecoder::RawRegisters(result.registers);
    } else {
        ValueDecoder::Format format = ValueDecoder::Format::Hex;
        for (auto f : {ValueDecoder::Format::Hex, ValueDecoder::Format::Unsigned16,
                       ValueDecoder::Format::Signed16, ValueDecoder::Format::Int32,
                       ValueDecoder::Format::Float32})
            if (options.format == ValueDecoder::FormatName(f))
                format = f;
        ValueDecoder::Order order = ValueDecoder::DefaultOrder(command.swapping);
        for (auto o : {ValueDecoder::Order::ABCD, ValueDecoder::Order::CDAB,
                       ValueDecoder::Order::BADC, ValueDecoder::Order::DCBA})
            if (options.order == ValueDecoder::OrderName(o))
                order = o;
        values = ValueDecoder::DecodeRegisters(result.registers, format, order);
    }
    for (const std::string& value : values)
        out += (out.empty() ? "" : " ") + value;
    return out;
}

std::string MemoryText(const ProbeCommand& command) {
    return Text(command.output ? Msg::ProbeOutputMemory : Msg::ProbeInputMemory) + " " +
           MemoryImage::RangeText(command);
}

nlohmann::json ResultJson(const ProbeCommand& command, const ProbeResult& result) {
    nlohmann::json j;
    j["pass"] = result.pass;
    j["command"] = command.index;
    j["name"] = command.name;
    j["function"] = command.function;
    j["configured_function"] = command.configuredFunction;
    j["write_checked"] = command.IsWriteChecked();
    j["slave"] = command.slave;
    j["address"] = command.address;
    j["count"] = command.count;
    j["status"] = StatusName(result.status);
    j["exception"] = result.status == ProbeStatus::Exception ? nlohmann::json(result.exception)
                                                             : nlohmann::json(nullptr);
    if (command.IsRegisters())
        j["registers"] = result.registers;
    else
        j["bits"] = result.bits;
    j["ms"] = static_cast<double>(static_cast<long long>(result.ms * 10 + 0.5)) / 10;
    j["memory"] = command.output ? "output" : "input";
    j["first_byte"] = command.FirstBit() / 8;
    j["last_byte"] = command.LastBit() / 8;
    return j;
}

void PrintImage(const MemoryImage& image) {
    PrintLine(Text(Msg::ProbeImageTitle));
    char text[16];
    for (int row = 0; row < kMemoryBytes; row += 8) {
        std::string bytes, owners;
        for (int i = row; i < row + 8; ++i) {
            std::snprintf(text, sizeof text, " %02X", image.Bytes()[static_cast<std::size_t>(i)]);
            bytes += text;
            const int owner = image.Owner(i);
            std::snprintf(text, sizeof text, owner == MemoryImage::kUnfilled ? " --" : " #%-2d",
                          owner);
            owners += text;
        }
        std::snprintf(text, sizeof text, "%3d:", row);
        PrintLine(text + bytes + "   " + owners);
    }
    PrintLine(Text(Msg::ProbeImageUnfilled));
    PrintLine(Text(Msg::ProbeImageNote));
}

void PrintProblems(const std::vector<ConfigProblem>& problems) {
    PrintError(Text(Msg::ProbeProblemsTitle));
    for (const ConfigProblem& problem : problems)
        PrintError(FillPlaceholders("[{}] {}: {}: {}",
                                    {std::to_string(problem.code), ResultMessage(problem.code),
                                     problem.where, problem.what}));
}

int RunProbe(const std::string& file, const ProbeOptions& options) {
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    // Refused before the port opens, with the problems check lists.
    if (project->GetSubnet().GetProtocolType() != ProtocolType::ModbusMaster) {
        PrintError(Text(ProbeMsg::ProbeUniversalMode));
        return kExitUsage;
    }
    ProbePlan plan;
    std::vector<ConfigProblem> problems;
    if (int code = plan.Build(*project, problems)) {
        PrintProblems(problems);
        return code == ValidationError ? kExitUsage : code;
    }

    // What the configuration alone predicts, beside what the line measured.
    const CycleEstimate estimate = EstimateCycle(project->GetSubnet());
    const bool progress = !options.json && ::isatty(STDERR_FILENO) == 1;
    const auto& commands = plan.Commands();
    ProbeSession session(plan);
    std::mutex outputMutex;
    int done = 0;
    session.SetResultCallback([&](const ProbeResult& result) {
        std::lock_guard<std::mutex> lock(outputMutex);
        const ProbeCommand& command = commands[static_cast<std::size_t>(result.command)];
        ++done;
        if (options.json) {
            std::cout << ResultJson(command, result).dump() << std::endl;
            return;
        }
        if (progress && (options.watch || options.passes > 1))
            std::cerr << "\r"
                      << Text(CliMsg::ProbeCliPassProgress,
                              {std::to_string(result.pass), std::to_string(result.command + 1),
                               std::to_string(commands.size())})
                      << "   \r" << std::flush;
        char head[96];
        std::snprintf(head, sizeof head, "%-3d %2d  %3d  %5d %4d  %7.1f  ", command.index,
                      command.function, command.slave, command.address, command.count, result.ms);
        std::string line = FillPlaceholders("{}{} | {} | {} | {}",
                                            {head, MemoryText(command), StatusText(result),
                                             DataText(command, result, options), command.name});
        if (command.IsWriteChecked())
            line += " (" + Text(Msg::ProbeWriteChecked, {std::to_string(command.function)}) + ")";
        PrintLine(line);
    });
    session.SetPassCallback([&](const PassSummary& summary, const MemoryImage& image) {
        std::lock_guard<std::mutex> lock(outputMutex);
        char ms[32];
        std::snprintf(ms, sizeof ms, "%.1f", summary.ms);
        if (options.json) {
            nlohmann::json j;
            j["pass"] = summary.pass;
            j["pass_ms"] = static_cast<double>(static_cast<long long>(summary.ms * 10 + 0.5)) / 10;
            j["image"] = image.Hex();
            if (estimate.status == CycleEstimate::Ready)
                j["estimate_ms"] =
                    static_cast<double>(static_cast<long long>(estimate.quickCycleMs * 10 + 0.5)) /
                    10;
            std::cout << j.dump() << std::endl;
            return;
        }
        std::string line = Text(CliMsg::ProbePassLine,
                                {std::to_string(summary.pass), ms, std::to_string(summary.answered),
                                 std::to_string(summary.failed)});
        if (estimate.status == CycleEstimate::Ready)
            line += " (" + Text(Msg::ProbeEstimateLine, {FormatMs(estimate.quickCycleMs)}) + ")";
        PrintLine(line);
        if (options.image)
            PrintImage(image);
        PrintLine("");
    });
    if (!options.json)
        PrintLine(FillPlaceholders("#   fc slave addr count   ms      {} | {} | {}",
                                   {Text(Msg::ProbeHeaderMemory), Text(Msg::ProbeHeaderStatus),
                                    Text(CliMsg::ProbeHeaderData)}));

    // Said once, on standard error, so that --json output stays clean.
    session.SetOpenedCallback([&](const ProbeOpened& opened) {
        if (!opened.framingDropped)
            return;
        std::lock_guard<std::mutex> lock(outputMutex);
        PrintError(Text(Msg::ProbeFramingNotCarried, {options.port}));
    });

    std::optional<ProbeOutcome> outcome;
    std::mutex finishMutex;
    session.SetFinishedCallback([&](const ProbeOutcome& o) {
        std::lock_guard<std::mutex> lock(finishMutex);
        outcome = o;
    });
    interrupted = false;
    auto previousInt = std::signal(SIGINT, OnInterrupt);
    auto previousTerm = std::signal(SIGTERM, OnInterrupt);
    session.Start(options.port, options.watch ? 0 : options.passes);
    while (session.IsRunning()) {
        if (interrupted)
            session.Stop();
        ::usleep(20000);
    }
    session.Wait();
    std::signal(SIGINT, previousInt);
    std::signal(SIGTERM, previousTerm);
    if (progress)
        std::cerr << std::string(40, ' ') << "\r" << std::flush;

    ProbeOutcome result = outcome.value_or(ProbeOutcome{});
    if (result.code != Success) {
        PrintError(result.port.Failed() ? PortOpenText(result.port)
                                        : ResultMessage(result.code) + ": " + result.message);
        return result.code;
    }
    if (result.stopped && !options.json)
        PrintError(Text(Msg::ProbeStopped));
    if (result.failed > 0) {
        PrintError(Text(CliMsg::ProbeFailedSummary, {std::to_string(result.failed)}));
        return kExitProbeFailed;
    }
    return 0;
}

} // namespace

void AddProbeCommand(CLI::App& app, CliContext& context) {
    auto* cmd = app.add_subcommand("probe", Text(CliMsg::ProbeCliAbout));
    auto options = std::make_shared<ProbeOptions>();
    auto file = AddFileArgument(cmd);
    cmd->add_option("--port", options->port, Text(CliMsg::ProbeCliPort))->required();
    auto* passes = cmd->add_option("--passes", options->passes, Text(CliMsg::ProbeCliPasses))
                       ->check(CLI::Range(1, 1000000));
    cmd->add_flag("--watch", options->watch, Text(CliMsg::ProbeCliWatch))->excludes(passes);
    cmd->add_flag("--json", options->json, Text(CliMsg::ProbeCliJson));
    cmd->add_flag("--image", options->image, Text(CliMsg::ProbeCliImage));
    cmd->add_option("--format", options->format, Text(CliMsg::ProbeCliFormat))
        ->check(CLI::IsMember({"hex", "uint16", "int16", "int32", "float32"}));
    cmd->add_option("--order", options->order, Text(CliMsg::ProbeCliOrder))
        ->check(CLI::IsMember({"ABCD", "CDAB", "BADC", "DCBA"}));
    cmd->callback([&context, file, options] { context.exitCode = RunProbe(*file, *options); });
}

} // namespace varkel::cli
