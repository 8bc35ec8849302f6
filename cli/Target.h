#pragma once
#include "model/TreeEntry.h"

#include <string>

namespace varkel {
class Project;
}

namespace varkel::cli {

// Finds the object a target names: "fieldbus", "subnet", "node:N" or
// "command:N:M" (command M of node N, both from 0). Returns false with the
// reason when the text is malformed or names no object.
bool ParseTarget(Project& project, const std::string& text, TreeEntry& entry, std::string& error);

// A whole non-negative decimal number that fits an int; false otherwise.
bool ParseIndex(const std::string& text, int& value);

} // namespace varkel::cli
