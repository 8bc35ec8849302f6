#pragma once
#include <cstddef>
#include <string>

namespace varkel::cli {

// Columns a UTF-8 text takes on a terminal: Chinese characters take two.
std::size_t DisplayWidth(const std::string& text);

// The text cut to at most the given columns (whole characters), then padded
// with spaces to exactly that many when pad is set.
std::string FitWidth(const std::string& text, std::size_t columns, bool pad);

} // namespace varkel::cli
