#include "cli/TextWidth.h"

namespace varkel::cli {
namespace {

// Length of the UTF-8 sequence that starts with the byte, 1 for a stray byte.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8)
        return 4;
    if (lead >= 0xE0)
        return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

char32_t CodePoint(const std::string& text, std::size_t at, std::size_t length) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    switch (length) {
    case 2: return char32_t(byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
    case 3: return char32_t(byte(0) & 0x0F) << 12 | char32_t(byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    case 4:
        return char32_t(byte(0) & 0x07) << 18 | char32_t(byte(1) & 0x3F) << 12 |
               char32_t(byte(2) & 0x3F) << 6 | (byte(3) & 0x3F);
    default: return byte(0);
    }
}

// East Asian wide and full-width characters (the ranges a Chinese text uses).
bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace

std::size_t DisplayWidth(const std::string& text) {
    std::size_t width = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = SequenceLength(static_cast<unsigned char>(text[at]));
        if (at + length > text.size())
            length = 1;
        width += IsWide(CodePoint(text, at, length)) ? 2 : 1;
        at += length;
    }
    return width;
}

std::string FitWidth(const std::string& text, std::size_t columns, bool pad) {
    std::string out;
    std::size_t width = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = SequenceLength(static_cast<unsigned char>(text[at]));
        if (at + length > text.size())
            length = 1;
        const std::size_t w = IsWide(CodePoint(text, at, length)) ? 2 : 1;
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
