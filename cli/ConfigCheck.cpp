#include "cli/ConfigCheck.h"

#include "cli/CliText.h"
#include "model/Catalog.h"
#include "model/MessageRecorder.h"
#include "model/Project.h"
#include "model/ResultCode.h"

#include <algorithm>
#include <set>
#include <utility>

namespace varkel::cli {
namespace {

struct CommandBits {
    const Command* command = nullptr;
    std::string label;
    MemoryCounts input{};
    MemoryCounts output{};
};

void CheckEmpty(const ParamItem* item, const std::string& where, std::vector<Problem>& out) {
    if (item && item->GetValue().empty())
        out.push_back({ItemEmpty, where, item->GetName()});
}

void CheckNodeValues(const Node& node, std::vector<Problem>& out) {
    CheckEmpty(node.GetItem(0), node.GetName(), out);
    for (int c = 0; c < node.GetCommandCount(); ++c) {
        const Command* command = node.GetCommandAt(c);
        const std::string where = node.GetName() + " / " + CommandLabel(c, command->GetName());
        for (int row : {Command::RegisterRow, Command::DataNumberRow, Command::MappingRow})
            CheckEmpty(command->GetItem(row), where, out);
        const int index = command->GetFunctionIndex();
        if (index == 0 || index == 1 || index == 4 || index == 12)
            CheckEmpty(command->GetItem(Command::BitOffsetRow), where, out);
    }
}

// First and last bit of a range where both commands count, or -1.
std::pair<int, int> SharedBits(const MemoryCounts& a, const MemoryCounts& b) {
    int first = -1, last = -1;
    for (int bit = 0; bit < kMemoryDataBits; ++bit) {
        if (a[static_cast<std::size_t>(bit)] > 0 && b[static_cast<std::size_t>(bit)] > 0) {
            if (first < 0)
                first = bit;
            last = bit;
        }
    }
    return {first, last};
}

bool Overflows(const MemoryCounts& counts) {
    for (int bit = kMemoryDataBits; bit < kMemoryBits; ++bit)
        if (counts[static_cast<std::size_t>(bit)] != 0)
            return true;
    return false;
}

// The pairwise comparison of the node's conflict check, either way round.
bool PairConflicts(const Command& x, const Command& y) {
    auto range = [](const Command& c, std::uint32_t& start, std::uint32_t& end, int& direction) {
        std::uint32_t address = 0;
        int offset = 0, length = 0;
        c.GetMappingBits(address, offset, length, direction);
        start = address * 8 + static_cast<std::uint32_t>(offset);
        end = start + static_cast<std::uint32_t>(length) - 1;
    };
    std::uint32_t sx, ex, sy, ey;
    int dx, dy;
    range(x, sx, ex, dx);
    range(y, sy, ey, dy);
    if (dx != dy)
        return false;
    auto within = [](std::uint32_t v, std::uint32_t lo, std::uint32_t hi) {
        return v >= lo && v <= hi;
    };
    return within(sx, sy, ey) || within(ex, sy, ey) || within(sy, sx, ex) || within(ey, sx, ex);
}

std::string BitRange(const std::pair<int, int>& bits) {
    return bits.first == bits.second
               ? std::to_string(bits.first)
               : std::to_string(bits.first) + "-" + std::to_string(bits.second);
}

} // namespace

std::string CommandLabel(int index, const std::string& name) {
    return "#" + std::to_string(index) + " " + name;
}

CheckReport CheckConfiguration(Project& project) {
    CheckReport report;
    Subnet& subnet = project.GetSubnet();
    std::vector<Problem>& out = report.problems;

    // The download's own order, for its result code; its message boxes are
    // caught here, the problems are listed below instead.
    {
        MessageRecorder quiet;
        int code = subnet.Validate();
        if (code == Success) {
            MemoryCounts input{}, output{};
            subnet.MarkMemoryUse(input, output, 0);
            code = project.CheckMemoryMaps(input, output);
        }
        report.code = code;
    }

    // Empty values.
    const std::string subnetName = subnet.GetName();
    if (subnet.GetProtocolType() == 0) {
        for (int index :
             {Subnet::ResponseTimeoutIndex, Subnet::PollDelayIndex, Subnet::ScanRatioIndex})
            CheckEmpty(subnet.GetItem(index), subnetName, out);
        if (const Node* node = subnet.GetNodeAt(0))
            CheckNodeValues(*node, out);
    } else {
        for (int index :
             {Subnet::ResponseTimeoutIndex, Subnet::PollDelayIndex, Subnet::ScanRatioIndex,
              Subnet::CharTimeoutIndex, Subnet::CharNumberIndex, Subnet::StartDelimiterIndex,
              Subnet::EndDelimiterIndex, Subnet::SendAutoPeriodIndex})
            CheckEmpty(subnet.GetItem(index), subnetName, out);
        for (int n = 0; n < subnet.GetNodeCount(); ++n)
            CheckNodeValues(*subnet.GetNodeAt(n), out);
    }

    // Memory use of the first node's commands, one command at a time so that
    // every overlap is named.
    const Node* node = subnet.GetNodeAt(0);
    std::vector<CommandBits> bits;
    if (node) {
        for (int c = 0; c < node->GetCommandCount(); ++c) {
            CommandBits entry;
            entry.command = node->GetCommandAt(c);
            entry.label = node->GetName() + " / " + CommandLabel(c, entry.command->GetName());
            entry.command->MarkMemoryUse(entry.input, entry.output, 0);
            bits.push_back(std::move(entry));
        }
    }
    std::set<std::pair<std::size_t, std::size_t>> reported;
    std::vector<Problem> overflows;
    for (std::size_t i = 0; i < bits.size(); ++i) {
        for (std::size_t j = i + 1; j < bits.size(); ++j) {
            for (int memory = 0; memory < 2; ++memory) {
                auto shared = memory == 0 ? SharedBits(bits[i].input, bits[j].input)
                                          : SharedBits(bits[i].output, bits[j].output);
                if (shared.first < 0)
                    continue;
                reported.insert({i, j});
                out.push_back({MappingConflict, bits[i].label + " <> " + bits[j].label,
                               FillPlaceholders(memory == 0 ? Text(Msg::CliInputBits)
                                                            : Text(Msg::CliOutputBits),
                                                {BitRange(shared)})});
            }
        }
        const bool in = Overflows(bits[i].input), outMem = Overflows(bits[i].output);
        if (in || outMem)
            overflows.push_back({MappingOverflow, bits[i].label,
                                 in ? Text(Msg::CliBeyondInput) : Text(Msg::CliBeyondOutput)});
    }
    out.insert(out.end(), overflows.begin(), overflows.end());

    // The node's pairwise check also compares ranges beyond the memory.
    for (std::size_t i = 0; i < bits.size(); ++i)
        for (std::size_t j = i + 1; j < bits.size(); ++j)
            if (!reported.count({i, j}) && PairConflicts(*bits[i].command, *bits[j].command))
                out.push_back({MappingConflict, bits[i].label + " <> " + bits[j].label,
                               Text(Msg::CliRangesOverlap)});

    if (report.code == Success && !out.empty())
        report.code = out.front().code;
    return report;
}

} // namespace varkel::cli
