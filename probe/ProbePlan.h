#pragma once
#include "model/ConfigCheck.h"
#include "model/ResultCode.h"
#include "probe/ProbeTypes.h"

#include <string>
#include <vector>

namespace varkel {

class Project;

// What the probe sends: the subnet's line and the node's commands, read
// and checked from a configuration.
class ProbePlan {
public:
    // Fills the plan; returns Success, or the code of the first problem with every
    // problem listed. Universal mode, no node and no command are refused with
    // ValidationError; otherwise the problems are those of the check a
    // download makes (CheckConfiguration), so every front end judges a
    // configuration alike.
    [[nodiscard]] ResultCode Build(const Project& project, std::vector<ConfigProblem>& problems);

    const ProbeLine& Line() const { return line_; }
    void SetLine(const ProbeLine& line) { line_ = line; }
    const std::vector<ProbeCommand>& Commands() const { return commands_; }
    std::vector<ProbeCommand>& Commands() { return commands_; }
    // Whether a command goes out in a pass (counted from 1): slow-scan
    // commands only in passes 1, 1 + N, 1 + 2N, ...
    bool InPass(const ProbeCommand& command, int pass) const;

private:
    ProbeLine line_;
    std::vector<ProbeCommand> commands_;
};

} // namespace varkel
