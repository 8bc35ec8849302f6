#include "model/ConfigCheck.h"

#include "model/Catalog.h"
#include "model/CommitRules.h"
#include "model/Node.h"
#include "model/Project.h"
#include "model/ResultCode.h"

#include <algorithm>
#include <utility>

namespace varkel {
namespace {

// First and last data bit a command counts in one memory; first is -1
// when it counts none.
struct BitSpan {
    int first = -1;
    int last = -1;
};

BitSpan SpanOf(const MemoryCounts& counts) {
    BitSpan span;
    for (int bit = 0; bit < kMemoryDataBits; ++bit) {
        if (counts[static_cast<std::size_t>(bit)] > 0) {
            if (span.first < 0)
                span.first = bit;
            span.last = bit;
        }
    }
    return span;
}

// A command's mapping as the node's pairwise check compares it: first and
// last bit from the mapping address on, and the direction.
struct MappingRange {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    int direction = InputDirection;
};

MappingRange RangeOf(const Command& command) {
    MappingRange range;
    std::uint32_t address = 0;
    int offset = 0, length = 0;
    command.GetMappingBits(address, offset, length, range.direction);
    range.start = address * 8 + static_cast<std::uint32_t>(offset);
    range.end = range.start + static_cast<std::uint32_t>(length) - 1;
    return range;
}

// Everything the conflict listing needs of one command, worked out once:
// with 48 commands it compares over a thousand pairs.
struct CommandBits {
    const Command* command = nullptr;
    std::string label;
    MemoryCounts input{};
    MemoryCounts output{};
    BitSpan inputSpan;
    BitSpan outputSpan;
    bool overflows = false;
    MappingRange range;
};

// First and last bit of a range where both commands count, or -1. Only
// the bits both spans cover can be shared.
std::pair<int, int> SharedBits(const MemoryCounts& a, BitSpan spanA, const MemoryCounts& b,
                               BitSpan spanB) {
    int first = -1, last = -1;
    if (spanA.first < 0 || spanB.first < 0)
        return {first, last};
    const int end = std::min(spanA.last, spanB.last);
    for (int bit = std::max(spanA.first, spanB.first); bit <= end; ++bit) {
        if (a[static_cast<std::size_t>(bit)] > 0 && b[static_cast<std::size_t>(bit)] > 0) {
            if (first < 0)
                first = bit;
            last = bit;
        }
    }
    return {first, last};
}

// Whether the commands share any bit, for pairs only counted: stops at the
// first shared one.
bool ShareAnyBit(const MemoryCounts& a, BitSpan spanA, const MemoryCounts& b, BitSpan spanB) {
    if (spanA.first < 0 || spanB.first < 0 || spanA.first > spanB.last || spanB.first > spanA.last)
        return false;
    const int end = std::min(spanA.last, spanB.last);
    for (int bit = std::max(spanA.first, spanB.first); bit <= end; ++bit)
        if (a[static_cast<std::size_t>(bit)] > 0 && b[static_cast<std::size_t>(bit)] > 0)
            return true;
    return false;
}

bool Overflows(const MemoryCounts& counts) {
    for (int bit = kMemoryDataBits; bit < kMemoryBits; ++bit)
        if (counts[static_cast<std::size_t>(bit)] != 0)
            return true;
    return false;
}

// The pairwise comparison of the node's conflict check, either way round.
bool PairConflicts(const MappingRange& x, const MappingRange& y) {
    if (x.direction != y.direction)
        return false;
    auto within = [](std::uint32_t v, std::uint32_t lo, std::uint32_t hi) {
        return v >= lo && v <= hi;
    };
    return within(x.start, y.start, y.end) || within(x.end, y.start, y.end) ||
           within(y.start, x.start, x.end) || within(y.end, x.start, x.end);
}

std::string BitRange(const std::pair<int, int>& bits) {
    return bits.first == bits.second
               ? std::to_string(bits.first)
               : std::to_string(bits.first) + "-" + std::to_string(bits.second);
}

} // namespace

std::string CommandLabel(int index, const std::string& name) {
    std::string label = "#";
    // People count commands from 1, as the workbook does.
    label += std::to_string(index + 1);
    label += ' ';
    label += name;
    return label;
}

CheckReport CheckConfiguration(const Project& project) {
    CheckReport report;
    const Subnet& subnet = project.GetSubnet();
    std::vector<ConfigProblem>& out = report.problems;

    // The download's own checks in its own order, for its result code.
    const std::vector<ConfigProblem> stops = subnet.Validate();
    report.code = StopCode(stops);
    if (report.code == Success) {
        MemoryCounts input{}, output{};
        // Counting without reporting cannot fail.
        static_cast<void>(subnet.MarkMemoryUse(input, output, false));
        report.code = project.CheckMemoryMaps(input, output);
    }

    // Empty values, as the download finds them.
    for (const ConfigProblem& problem : stops)
        if (problem.code == ItemEmpty)
            out.push_back(problem);

    // Memory use of the first node's commands, one command at a time so that
    // every overlap is named.
    const Node* node = subnet.GetNodeAt(0);
    std::vector<CommandBits> bits;
    if (node) {
        for (int c = 0; c < node->GetCommandCount(); ++c) {
            CommandBits entry;
            entry.command = node->GetCommandAt(c);
            entry.label = node->GetName() + " / " + CommandLabel(c, entry.command->GetName());
            static_cast<void>(entry.command->MarkMemoryUse(entry.input, entry.output, false));
            entry.inputSpan = SpanOf(entry.input);
            entry.outputSpan = SpanOf(entry.output);
            entry.overflows = Overflows(entry.input) || Overflows(entry.output);
            entry.range = RangeOf(*entry.command);
            bits.push_back(std::move(entry));
        }
    }
    // The first node beyond the gateway's limit, as the download refuses it.
    if (node)
        for (const ConfigProblem& problem : node->Validate())
            if (problem.code == OutOfRange)
                out.push_back(problem);

    // Thousands of copies of a command conflict in millions of pairs: they
    // are counted, and only the first are listed.
    constexpr std::size_t kListedPairs = 100;
    std::size_t pairs = 0;
    std::vector<int> unlisted; // commands of the pairs past the listed ones
    auto conflict = [&](ConfigProblem problem) {
        if (pairs++ < kListedPairs)
            out.push_back(std::move(problem));
        else
            unlisted.insert(unlisted.end(), problem.commands.begin(), problem.commands.end());
    };
    const std::size_t n = bits.size();
    std::vector<bool> reported(n * n, false);
    std::vector<ConfigProblem> overflows;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            for (int memory = 0; memory < 2; ++memory) {
                if (pairs >= kListedPairs) {
                    // Past the listed ones only the count matters.
                    if (memory == 0 ? ShareAnyBit(bits[i].input, bits[i].inputSpan, bits[j].input,
                                                  bits[j].inputSpan)
                                    : ShareAnyBit(bits[i].output, bits[i].outputSpan,
                                                  bits[j].output, bits[j].outputSpan)) {
                        reported[i * n + j] = true;
                        ++pairs;
                        unlisted.insert(unlisted.end(), {static_cast<int>(i), static_cast<int>(j)});
                    }
                    continue;
                }
                auto shared = memory == 0 ? SharedBits(bits[i].input, bits[i].inputSpan,
                                                       bits[j].input, bits[j].inputSpan)
                                          : SharedBits(bits[i].output, bits[i].outputSpan,
                                                       bits[j].output, bits[j].outputSpan);
                if (shared.first < 0)
                    continue;
                reported[i * n + j] = true;
                conflict({MappingConflict,
                          bits[i].label + " <> " + bits[j].label,
                          FillPlaceholders(memory == 0 ? Text(Msg::CheckInputBits)
                                                       : Text(Msg::CheckOutputBits),
                                           {BitRange(shared)}),
                          {static_cast<int>(i), static_cast<int>(j)}});
            }
        }
        if (bits[i].overflows)
            overflows.push_back({MappingOverflow,
                                 bits[i].label,
                                 Overflows(bits[i].input) ? Text(Msg::CheckBeyondInput)
                                                          : Text(Msg::CheckBeyondOutput),
                                 {static_cast<int>(i)}});
    }
    out.insert(out.end(), overflows.begin(), overflows.end());

    // The node's pairwise check also compares ranges beyond the memory.
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            if (!reported[i * n + j] && PairConflicts(bits[i].range, bits[j].range))
                conflict({MappingConflict,
                          bits[i].label + " <> " + bits[j].label,
                          Text(Msg::CheckRangesOverlap),
                          {static_cast<int>(i), static_cast<int>(j)}});
    if (pairs > kListedPairs) {
        std::sort(unlisted.begin(), unlisted.end());
        unlisted.erase(std::unique(unlisted.begin(), unlisted.end()), unlisted.end());
        out.push_back({MappingConflict, node->GetName(),
                       Text(Msg::CheckConflictsSummary,
                            {std::to_string(pairs), std::to_string(kListedPairs)}),
                       std::move(unlisted)});
    }

    // Values the editor would refuse: the download stops at them after its
    // own checks.
    const std::vector<RefusedValue> refused = RefusedValues(project);
    for (const RefusedValue& value : refused)
        out.push_back(
            {value.code, value.where,
             FillPlaceholders("{}: \"{}\" ({})", {value.item, value.value, value.accepted})});
    if (report.code == Success && !refused.empty())
        report.code = refused.front().code;

    if (report.code == Success && !out.empty())
        report.code = out.front().code;
    return report;
}

} // namespace varkel
