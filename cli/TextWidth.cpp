#include "cli/TextWidth.h"

#include "model/Utf8.h"

namespace varkel::cli {
namespace {

// East Asian wide and full-width characters (the ranges a Chinese text uses).
bool IsWide(std::uint32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// The character at `at`: its length in bytes and its width in columns. A
// byte that starts no whole sequence counts as one narrow character.
std::size_t Step(const std::string& text, std::size_t at, std::size_t& width) {
    std::uint32_t code = 0;
    const std::size_t length = DecodeUtf8(text, at, code);
    width = length > 0 && IsWide(code) ? 2 : 1;
    return length > 0 ? length : 1;
}

} // namespace

std::size_t DisplayWidth(const std::string& text) {
    std::size_t width = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t w = 0;
        at += Step(text, at, w);
        width += w;
    }
    return width;
}

std::string FitWidth(const std::string& text, std::size_t columns, bool pad) {
    std::string out;
    std::size_t width = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t w = 0;
        const std::size_t length = Step(text, at, w);
        if (width + w > columns)
            break;
        out.append(text, at, length);
        width += w;
        at += length;
    }
    if (pad)
        out.append(columns - width, ' ');
    return out;
}

} // namespace varkel::cli
