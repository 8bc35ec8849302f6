#pragma once
#include <string>
#include <vector>

namespace varkel {
class Project;
}

namespace varkel::cli {

// One field that differs between two configurations.
struct Difference {
    std::string path;  // e.g. "subnet.master[7]", "node[0].command[2][9]", "node[0]"
    std::string name;  // the item's name, when the path is an item
    std::string field; // "value", "enable", "state", "name", "functionIndex", "count", ...
    std::string a;     // the field in the first configuration ("" when absent)
    std::string b;     // the field in the second configuration
};

// Compares the settings of two configurations field by field: the protocol
// type; every item of the fieldbus and of the subnet's three lists by row
// (value, state, enable flag); the nodes and the commands by position (name,
// function index, items). Names, help texts and choices of items are texts of
// the language they were made in, not settings, and are not compared.
std::vector<Difference> DiffProjects(const Project& a, const Project& b);

// One difference as diff prints it: path, name, field: "a" -> "b".
std::string DifferenceLine(const Difference& difference);

} // namespace varkel::cli
