#pragma once
#include "model/PlcTags.h"

#include <string>
#include <vector>

namespace varkel {

// The table as CSV: "name,type,address,comment", one row a tag, CR LF line
// ends, UTF-8 with a byte-order mark when asked.
std::string PlcTagsCsv(const PlcTagTable& table, bool byteOrderMark = true);

// The table as an IEC 61131-3 global variable list: a heading comment
// naming the table, then VAR_GLOBAL, one "name AT address : TYPE; (* comment *)"
// a line, END_VAR. UTF-8, CR LF line ends.
std::string PlcTagsIec(const PlcTagTable& table);

// The sheet name and columns of the S7 tag table workbook.
inline constexpr const char* kS7TagSheet = "PLC Tags";
const std::vector<std::string>& S7TagColumns();

// The table as an S7 tag table workbook (.xlsx): one sheet "PLC Tags",
// a header row, a tag a row, every cell a text. False with the reason in
// detail when the package cannot be made.
bool PlcTagsWorkbook(const PlcTagTable& table, std::string& bytes, std::string& detail);

// Writes the table in its options' format, atomically: a failure leaves no
// file and an existing one untouched. False with a message in the active
// language in error. Refuses a table with problems.
bool WritePlcTagFile(const PlcTagTable& table, const std::string& path, std::string& error);

} // namespace varkel
