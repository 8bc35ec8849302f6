// The one UTF-8 decoder: the file layer checks texts with it, the
// spreadsheet export escapes what a sheet cannot hold.
#include "model/Utf8.h"

namespace varkel {

std::size_t DecodeUtf8(const std::string& text, std::size_t p, std::uint32_t& code) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(p);
    std::size_t length;
    std::uint32_t minimum;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (p + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(p + i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(p + i) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool IsValidUtf8(const std::string& text, std::size_t* badOffset) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    std::uint32_t code = 0;
    while (i < n) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = DecodeUtf8(text, i, code);
        if (length == 0) {
            if (badOffset)
                *badOffset = i;
            return false;
        }
        i += length;
    }
    return true;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string EscapedText(const std::string& text, std::size_t maxBytes) {
    std::string out;
    std::size_t p = 0;
    while (p < text.size()) {
        if (out.size() >= maxBytes) {
            out += "...";
            break;
        }
        std::uint32_t code = 0;
        const std::size_t length = DecodeUtf8(text, p, code);
        if (length == 0 || IsControlCharacter(code)) {
            static const char digits[] = "0123456789ABCDEF";
            const auto byte = static_cast<unsigned char>(text[p]);
            out += "\\x";
            out += digits[byte >> 4];
            out += digits[byte & 0x0F];
            ++p;
            continue;
        }
        out.append(text, p, length);
        p += length;
    }
    return out;
}

} // namespace varkel
