// Commands that answer how fast and where: estimate, iolist.
#include "cli/CliApp.h"
#include "cli/CliCatalog.h"
#include "cli/CliText.h"
#include "cli/ConfigurationFile.h"
#include "cli/ExitCodes.h"
#include "cli/TimingJson.h"
#include "model/Catalog.h"
#include "model/CycleEstimate.h"
#include "model/FileWrite.h"
#include "model/IoList.h"
#include "model/Project.h"
#include "model/TextTable.h"

#include <CLI/CLI.hpp>

#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <vector>

namespace varkel::cli {
namespace {

// CLI::Range lets "nan" through: every comparison with NaN is false.
const CLI::Validator kNotNan(
    [](std::string& input) {
        double value = 0;
        return CLI::detail::lexical_cast(input, value) && std::isnan(value)
                   ? "Value " + input + " is not a number"
                   : std::string();
    },
    "");

void PrintJson(const Json& json) {
    std::cout << json.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

// A character lasts well under a millisecond at the usual rates.
std::string Ms3(double ms) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", ms);
    return text;
}

// Columns on a terminal: Chinese characters take two.
std::size_t DisplayWidth(const std::string& text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80)
            continue;
        width += byte >= 0xE0 ? 2 : 1;
    }
    return width;
}

// The table's header names its columns, two blanks apart; each value is
// set flush right under its name, the last one (a word) flush left.
std::vector<std::size_t> ColumnEnds(const std::string& header) {
    std::vector<std::size_t> ends;
    std::size_t start = 0;
    for (;;) {
        const std::size_t gap = header.find("  ", start);
        const std::string name = header.substr(start, gap == std::string::npos ? gap : gap - start);
        ends.push_back((ends.empty() ? 0 : ends.back() + 2) + DisplayWidth(name));
        if (gap == std::string::npos)
            return ends;
        start = header.find_first_not_of(' ', gap);
    }
}

std::string TableRow(const std::vector<std::string>& cells, const std::vector<std::size_t>& ends) {
    std::string line;
    std::size_t used = 0;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const std::size_t width = DisplayWidth(cells[c]);
        const bool last = c + 1 == cells.size();
        const std::size_t end = !last && c < ends.size() ? ends[c] : used + 2 + width;
        const std::size_t pad = end > used + width ? end - used - width : (c ? 1 : 0);
        line += std::string(pad, ' ') + cells[c];
        used += pad + width;
    }
    return line;
}

int RunEstimate(const std::string& file, double turnaroundMs, bool json) {
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    const CycleEstimate e = EstimateCycle(project->GetSubnet(), turnaroundMs);
    for (const std::string& warning : EstimateWarnings(e))
        PrintError(warning);
    if (json) {
        PrintJson(EstimateJson(e));
        return 0;
    }
    if (e.status != CycleEstimate::Ready) {
        PrintLine(EstimateSummary(e));
        return 0;
    }
    PrintLine(Text(CliMsg::EstimateLine,
                   {std::to_string(e.baudRate), std::to_string(e.charBits), Ms3(e.charMs),
                    FormatMs(e.turnaroundMs), FormatMs(e.pollDelayMs),
                    FormatMs(e.responseTimeoutMs), std::to_string(e.scanRatio)}));
    if (e.commands.empty()) {
        PrintLine(Text(CliMsg::EstimateNoCommands));
    } else {
        const std::string header = Text(CliMsg::EstimateTableHead);
        const std::vector<std::size_t> ends = ColumnEnds(header);
        PrintLine(header);
        for (const CommandTiming& t : e.commands)
            PrintLine(TableRow({std::to_string(t.node), std::to_string(t.index),
                                std::to_string(t.function), std::to_string(t.requestChars),
                                std::to_string(t.replyChars), FormatMs(t.lineMs),
                                LocalText(t.slow ? 55 : 56)},
                               ends));
    }
    PrintLine(EstimateSummary(e));
    return 0;
}

int RunIoList(const std::string& file, const std::string& out, bool json) {
    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    const IoList list = BuildIoList(project->GetSubnet());
    if (list.outside > 0)
        PrintError(Text(Msg::IoListOutsideMemory, {std::to_string(list.outside)}));
    if (json) {
        PrintJson(IoListJson(list));
        return 0;
    }
    if (out.empty()) {
        // A terminal or a pipe gets no byte-order mark; files do.
        std::cout << IoListCsv(list, false);
        return 0;
    }
    if (int code = CheckWritable(out))
        return code;
    std::string error;
    if (!WriteFileAtomically(out, IoListCsv(list, true), error)) {
        PrintError(Text(CliMsg::CliCannotWrite, {out}) + ": " + error);
        return kExitCantWrite;
    }
    PrintLine(Text(Msg::IoListWritten, {out, std::to_string(list.rows.size())}));
    return 0;
}

} // namespace

void AddTimingCommands(CLI::App& app, CliContext& context) {
    {
        auto* cmd = app.add_subcommand("estimate", Text(CliMsg::EstimateHelp));
        auto file = AddFileArgument(cmd);
        auto turnaround = std::make_shared<double>(kDefaultTurnaroundMs);
        auto json = std::make_shared<bool>(false);
        cmd->add_option("--turnaround", *turnaround, Text(CliMsg::EstimateTurnaroundHelp))
            ->check(kNotNan)
            ->check(CLI::Range(0.0, 60000.0));
        cmd->add_flag("--json", *json, Text(CliMsg::CliJsonHelp));
        cmd->callback([&context, file, turnaround, json] {
            context.exitCode = RunEstimate(*file, *turnaround, *json);
        });
    }
    {
        auto* cmd = app.add_subcommand("iolist", Text(CliMsg::IoListHelp));
        auto file = AddFileArgument(cmd);
        auto out = std::make_shared<std::string>();
        auto json = std::make_shared<bool>(false);
        cmd->add_option("-o,--output", *out, Text(CliMsg::IoListOutputHelp));
        cmd->add_flag("--json", *json, Text(CliMsg::CliJsonHelp));
        cmd->callback(
            [&context, file, out, json] { context.exitCode = RunIoList(*file, *out, *json); });
    }
}

} // namespace varkel::cli
