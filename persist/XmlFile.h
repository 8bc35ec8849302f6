#pragma once
#include <cstddef>
#include <string>

class TiXmlDocument;

namespace varkel {

// Limits that keep a hostile file from exhausting memory or the stack. A
// saved configuration is a few hundred kilobytes deep eight levels.
inline constexpr std::size_t kMaxXmlFileSize = 16 * 1024 * 1024;
inline constexpr std::size_t kMaxXmlDepth = 256;

// Reads and parses a configuration file into an empty document: the bytes
// are checked (size, no NUL), decoded from the code page named by the
// declaration (GB2312 family unless it says UTF-8), measured for nesting
// and parsed. False with a message naming the file and the fault.
bool ReadXmlFile(const std::string& path, TiXmlDocument& document, std::string& error);

// Prints the document, encodes it in the code page and writes it over the
// path through a temporary file in the same folder, so that the previous
// file survives any failure. False with a message naming the file and the
// fault; a text the code page cannot store is named by its item.
bool WriteXmlFile(const TiXmlDocument& document, const std::string& path, std::string& error);

} // namespace varkel
