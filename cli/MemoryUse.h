#pragma once
#include "cli/ProjectJson.h"
#include "model/MemoryMap.h"

#include <string>
#include <vector>

namespace varkel {
class Project;
}

namespace varkel::cli {

// The use counts of both memories, marked as a download marks them.
struct MemoryUse {
    MemoryCounts input{};
    MemoryCounts output{};
};
MemoryUse MarkMemory(const Project& project);

// Bits used once within the memory, used more than once within it, and
// counted beyond it.
struct BitClasses {
    std::vector<int> used, conflict, overflow;
};
BitClasses ClassifyBits(const MemoryCounts& counts);

// {"input":{"used":[..],"conflict":[..],"overflow":[..]},"output":{..}}
Json MemoryJson(const MemoryUse& use);

// A compact map: one line per 8 bytes, one character per bit, bit 0 of
// each byte first; "." free, "#" used, "X" used more than once, and the
// overflow bits listed after.
std::vector<std::string> MemoryMapLines(const MemoryCounts& counts, unsigned base,
                                        const std::string& title);

} // namespace varkel::cli
