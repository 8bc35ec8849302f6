#pragma once
#include "model/ResultCode.h"
#include <cstdint>
#include <string>

namespace varkel {

// Checks of typed values; each returns a result code (0, 6, 7 or 8).
[[nodiscard]] ResultCode CheckDecimal(const std::string& text, std::int32_t minimum,
                                      std::int32_t maximum);
[[nodiscard]] ResultCode CheckHex(const std::string& text, std::uint32_t minimum,
                                  std::uint32_t maximum);

// Value of at most four hexadecimal digits; other characters count 0, a
// longer text is 0.
std::uint32_t HexValue(const std::string& text);

// A mapping address text turned to capitals and cut before its last "H"
// (empty when it has none), then read with HexValue.
std::uint32_t MappingAddressValue(const std::string& text);

} // namespace varkel
