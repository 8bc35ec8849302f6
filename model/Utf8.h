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

} // namespace varkel
