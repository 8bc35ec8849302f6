#include "model/Catalog.h"

#include "model/TextTable.h"

namespace varkel {

// One case a text, Chinese first. The switch has no default, so the compiler
// names any identifier that has no text.
// clang-format off
TextPair TextPairOf(Msg id) {
    switch (id) {
    // Common
    case Msg::UnknownError: return {"未知错误", "Unknown error"};

    // File layer (persist/)

    // Gateway link (link/)

    // Spreadsheet export (export/)

    // Command line (cli/)

    // Virtual gateway and virtual slave (sim/)

    // Commissioning probe (probe/)

    // Timing estimate and I/O list
    }
    return {"", ""};
}
// clang-format on

std::string FillPlaceholders(const std::string& pattern, std::initializer_list<std::string> args) {
    std::string out;
    out.reserve(pattern.size());
    auto arg = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '{' && i + 1 < pattern.size() && pattern[i + 1] == '}' &&
            arg != args.end()) {
            out += *arg++;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string Text(Msg id) {
    TextPair pair = TextPairOf(id);
    return GetTextLanguage() == TextLanguage::English ? pair.english : pair.chinese;
}

std::string Text(Msg id, std::initializer_list<std::string> args) {
    return FillPlaceholders(Text(id), args);
}

} // namespace varkel
