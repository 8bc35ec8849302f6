#include "cli/CliText.h"

#include "model/Catalog.h"
#include "model/TextTable.h"

#include <iostream>

namespace varkel::cli {

std::string L(std::string_view chinese, std::string_view english) {
    return std::string(GetTextLanguage() == TextLanguage::English ? english : chinese);
}

std::string Fmt(std::string_view pattern, std::initializer_list<std::string> args) {
    return FillPlaceholders(std::string(pattern), args);
}

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
