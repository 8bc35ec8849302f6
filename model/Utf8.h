#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace varkel {

// Decodes one UTF-8 sequence at p (p < text.size()); returns its length,
// or 0 when it is broken (bad lead byte, overlong, surrogate, past
// U+10FFFF or cut short).
std::size_t DecodeUtf8(const std::string& text, std::size_t p, std::uint32_t& code);

// True when the text is well-formed UTF-8 (no overlong forms, no
// surrogates, nothing past U+10FFFF); otherwise false with the offset of
// the first bad sequence in badOffset.
bool IsValidUtf8(const std::string& text, std::size_t* badOffset = nullptr);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, std::uint32_t code);

// U+0000 to U+001F and U+007F: no text of ours holds them.
inline bool IsControlCharacter(std::uint32_t code) {
    return code < 0x20 || code == 0x7F;
}

// A text as a message quotes it: control characters and bytes that are no
// UTF-8 written as \xHH, never raw, and a long text cut after about
// maxBytes with "..." so that a hostile cell cannot flood the message.
std::string EscapedText(const std::string& text, std::size_t maxBytes = 80);

} // namespace varkel
