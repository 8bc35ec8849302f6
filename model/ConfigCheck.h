#pragma once
#include <string>
#include <vector>

namespace varkel {

class Project;

// One problem that would stop a download, with what it concerns. The command
// line's check, the command test and the desktop program list the same.
struct ConfigProblem {
    int code = 0;      // result code: 6, 7, 8, 11 or 13
    std::string where; // the object path, for example "Node(1) / #0 03 Read ..."
    std::string what;  // the item or the detail
    // For the memory problems (conflicts, overflows): the positions of the
    // first node's commands concerned, every one of them also where the
    // conflicting pairs are too many to list one by one.
    std::vector<int> commands{};
};

struct CheckReport {
    // The code the download itself would stop with (its own checks, in its
    // own order), or the first problem's code when only the pairwise
    // conflict check finds one; 0 when clean.
    int code = 0;
    std::vector<ConfigProblem> problems;
};

// Every check a download makes before it sends a byte (empty values, memory
// marking, the memory scan) and the node's pairwise conflict check, listing
// every problem rather than stopping at the first. Shows no message.
CheckReport CheckConfiguration(const Project& project);

// Label of a command in problem and difference reports: "#index name".
std::string CommandLabel(int index, const std::string& name);

} // namespace varkel
