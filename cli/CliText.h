#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

namespace varkel::cli {

// The command line's own texts exist in Chinese and English; the active
// text language (--lang) picks one.
std::string L(std::string_view chinese, std::string_view english);

// Replaces each "{}" of the pattern by the next argument, in order.
std::string Fmt(std::string_view pattern, std::initializer_list<std::string> args);

// Prints one line to standard error / standard output.
void PrintError(const std::string& text);
void PrintLine(const std::string& text);

// CR LF of the core's texts made into plain line feeds for a terminal.
std::string TerminalText(std::string text);

} // namespace varkel::cli
