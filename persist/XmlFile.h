#pragma once
#include <cstddef>
#include <string>

class TiXmlDocument;

namespace varkel {

struct FileIdentity;
struct WriteGuard;

// Limits that keep a hostile file from exhausting memory or the stack. A
// saved configuration is a few hundred kilobytes deep eight levels.
inline constexpr std::size_t kMaxXmlFileSize = std::size_t{16} * 1024 * 1024;
inline constexpr std::size_t kMaxXmlDepth = 256;
inline constexpr std::size_t kMaxXmlAttributes = 1;

// Reads and parses a configuration file into an empty document: anything
// but a regular file is refused before it is read, the bytes are checked
// (size, no NUL), decoded from the code page named by the declaration
// (GB2312 family unless it says UTF-8), measured for nesting and attributes
// and parsed; a text the code page could not store back is refused. False
// with a message naming the file and the fault. identity (when given)
// receives the identity of the file read.
bool ReadXmlFile(const std::string& path, TiXmlDocument& document, std::string& error,
                 FileIdentity* identity = nullptr);

// Prints the document, encodes it in the code page and writes it over the
// path through a temporary file in the same folder, so that the previous
// file survives any failure. False with a message naming the file and the
// fault; a text the code page cannot store is named by its item.
// With a guard, a file changed on disk since it was read is left alone.
bool WriteXmlFile(const TiXmlDocument& document, const std::string& path, std::string& error,
                  WriteGuard* guard = nullptr);

} // namespace varkel
