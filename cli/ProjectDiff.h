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
    std::string name;  // the item's name in the active language, when the path is an item
    std::string field; // "value", "enable", "state", "name", "functionIndex", "count", ...
    std::string a;     // the field in the first configuration ("" when absent)
    std::string b;     // the field in the second configuration
    // The two name the same setting in texts that differ: another language,
    // or an item's name, help text or choices as another version wrote them.
    bool textOnly = false;
};

// Compares the settings of two configurations field by field: the protocol
// type; every item of the fieldbus and of the subnet's three lists by row
// (value, state, enable flag); the nodes and the commands by position (name,
// function index, items). A value that is a table text (a choice such as
// "None" or "无", a fixed text) is compared by its key, a command's name
// that is its function's name likewise, so that a file made in Chinese and
// one made in English of the same configuration are equal; such a value is
// given in the active language. With texts, the differences in texts only
// follow as well (textOnly): those values and names as stored, and the items'
// names, help texts and choices, which are texts of the language the file
// was made in rather than settings.
std::vector<Difference> DiffProjects(const Project& a, const Project& b, bool texts = false);

// One difference as diff prints it: path, name, field: "a" -> "b", control
// characters in the texts written as \xHH.
std::string DifferenceLine(const Difference& difference);

} // namespace varkel::cli
