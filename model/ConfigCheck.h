#pragma once
#include "model/ConfigProblem.h"
#include "model/ResultCode.h"

#include <string>
#include <vector>

namespace varkel {

class Project;

struct CheckReport {
    // The code the download itself would stop with (its own checks, in its
    // own order), or the first problem's code when only the pairwise
    // conflict check finds one; Success when clean.
    ResultCode code = Success;
    std::vector<ConfigProblem> problems;
};

// Every check a download makes before it sends a byte (empty values, memory
// marking, the memory scan) and the node's pairwise conflict check, listing
// every problem rather than stopping at the first. Shows no message.
CheckReport CheckConfiguration(const Project& project);

// Label of a command in problem and difference reports: "#index name".
std::string CommandLabel(int index, const std::string& name);

} // namespace varkel
