#pragma once
#include <cstddef>
#include <string>

namespace varkel {

// Texts live as UTF-8 in memory and as the Chinese Windows code page on
// disk. Writing uses GBK, which gives the GB2312 bytes for every GB2312
// character and also holds characters such as U+00B7 and U+2014 that a
// strict GB2312 table maps to other code points. Reading uses GBK too:
// every byte sequence it decodes encodes back to the same bytes, so a file
// that loads can always be saved; anything beyond it is refused at load.

// Converts UTF-8 to GBK bytes. False when the text holds a character the
// code page cannot store, or is not valid UTF-8; out is then unspecified.
bool EncodeGb2312(const std::string& utf8, std::string& out);
// Whether a configuration file can hold the text: valid UTF-8 whose every
// character the code page has.
bool IsGb2312Text(const std::string& utf8);

// Converts GB2312/GBK bytes to UTF-8. False on a byte sequence that is not
// valid in the code page (the GBK user-defined areas and four-byte GB18030
// sequences among them); badOffset (when given) receives the offset
// of the first bad byte.
bool DecodeGb2312(const std::string& bytes, std::string& utf8, std::size_t* badOffset = nullptr);

} // namespace varkel
