#include "cli/CliText.h"

#include <iostream>

namespace varkel::cli {

void PrintError(const std::string& text) {
    std::cerr << TerminalText(text) << std::endl;
}

void PrintLine(const std::string& text) {
    std::cout << text << '\n';
}

std::string TerminalText(std::string text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

} // namespace varkel::cli
