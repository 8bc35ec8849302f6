#pragma once
#include "model/ResultCode.h"
#include <string>
#include <vector>

namespace varkel {

// One problem that would stop a download, with what it concerns. The
// download, the command line's check, the probe and the desktop program
// all take them from the same checks.
struct ConfigProblem {
    // ItemEmpty, IllegalCharacter, OutOfRange, MappingConflict or
    // MappingOverflow.
    ResultCode code = Success;
    std::string where; // the object path, for example "Node(1) / #0 03 Read ..."
    std::string what;  // the item or the detail
    // For the memory problems (conflicts, overflows): the positions of the
    // first node's commands concerned, every one of them also where the
    // conflicting pairs are too many to list one by one.
    std::vector<int> commands{};
    // What a download that stops at this problem tells the user; empty for
    // the problems only the listing finds.
    std::string message{};
};

// The code a download stops with at the first of the problems, Success for none.
inline ResultCode StopCode(const std::vector<ConfigProblem>& problems) {
    return problems.empty() ? Success : problems.front().code;
}

} // namespace varkel
