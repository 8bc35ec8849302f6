#include "cli/MemoryUse.h"

#include "cli/CliCatalog.h"
#include "cli/CliText.h"
#include "model/Catalog.h"
#include "model/Project.h"

#include <cstdio>

namespace varkel::cli {
namespace {

std::string Hex4(unsigned value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04XH", value);
    return buffer;
}

// "1344-1359, 1400" from sorted bits.
std::string Ranges(const std::vector<int>& bits) {
    std::string out;
    for (std::size_t i = 0; i < bits.size();) {
        std::size_t j = i;
        while (j + 1 < bits.size() && bits[j + 1] == bits[j] + 1)
            ++j;
        if (!out.empty())
            out += ", ";
        out += std::to_string(bits[i]);
        if (j > i) {
            out += '-';
            out += std::to_string(bits[j]);
        }
        i = j + 1;
    }
    return out;
}

} // namespace

MemoryUse MarkMemory(const Project& project) {
    MemoryUse use;
    // Counting without reporting cannot fail.
    static_cast<void>(project.GetSubnet().MarkMemoryUse(use.input, use.output, false));
    return use;
}

BitClasses ClassifyBits(const MemoryCounts& counts) {
    BitClasses classes;
    for (int bit = 0; bit < kMemoryBits; ++bit) {
        const int count = counts[static_cast<std::size_t>(bit)];
        if (bit >= kMemoryDataBits) {
            if (count != 0)
                classes.overflow.push_back(bit);
        } else if (count == 1) {
            classes.used.push_back(bit);
        } else if (count > 1) {
            classes.conflict.push_back(bit);
        }
    }
    return classes;
}

Json MemoryJson(const MemoryUse& use) {
    auto memory = [](const MemoryCounts& counts) {
        BitClasses classes = ClassifyBits(counts);
        Json json;
        json["used"] = classes.used;
        json["conflict"] = classes.conflict;
        json["overflow"] = classes.overflow;
        return json;
    };
    Json json;
    json["input"] = memory(use.input);
    json["output"] = memory(use.output);
    return json;
}

std::vector<std::string> MemoryMapLines(const MemoryCounts& counts, unsigned base,
                                        const std::string& title) {
    std::vector<std::string> lines;
    BitClasses classes = ClassifyBits(counts);
    lines.push_back(
        Text(CliMsg::CliMemoryUse,
             {title, Hex4(base), Hex4(base + kMemoryBytes - 1),
              std::to_string(classes.used.size() + classes.conflict.size()),
              std::to_string(classes.conflict.size()), std::to_string(classes.overflow.size())}));
    for (int byte = 0; byte < kMemoryBytes; byte += 8) {
        std::string line = Hex4(base + static_cast<unsigned>(byte)) + " ";
        for (int b = byte; b < byte + 8; ++b) {
            line += ' ';
            for (int bit = 0; bit < 8; ++bit) {
                const int count = counts[static_cast<std::size_t>(b * 8 + bit)];
                line += count == 0 ? '.' : count == 1 ? '#' : 'X';
            }
        }
        lines.push_back(line);
    }
    if (!classes.overflow.empty())
        lines.push_back(Text(CliMsg::CliOverflowBits,
                             {Hex4(base + kMemoryBytes - 1), Ranges(classes.overflow)}));
    return lines;
}

} // namespace varkel::cli
