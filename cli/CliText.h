#pragma once
#include <string>

namespace varkel::cli {

// Prints one line to standard error / standard output.
void PrintError(const std::string& text);
void PrintLine(const std::string& text);

// CR LF of the core's texts made into plain line feeds for a terminal.
std::string TerminalText(std::string text);

} // namespace varkel::cli
