#pragma once
#include <string>

namespace varkel {

// Writes bytes to the path through a temporary file in the same folder and
// a rename; the target keeps its permissions, a new file gets the default
// ones. False with the system's reason in error.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error);

// The system's text for an errno value.
std::string SystemReason(int err);

} // namespace varkel
