#pragma once
#include "export/CommandTable.h"

#include <cstddef>
#include <string>

namespace varkel {

// Reads command lists for the import: a workbook (.xlsx, told by its
// content, not its name) or a CSV text. The limits keep a hostile file from
// taking memory or time; every one is a clear refusal, never a cut.
class ListReader {
public:
    enum Status {
        Read = 0,
        Missing = 1,    // no such file, or it cannot be opened
        Unreadable = 2, // not a list this reader takes, or over a limit
    };

    // The file on disk, and a workbook's parts unpacked together.
    static constexpr std::size_t kMaxFileSize = 16u * 1024u * 1024u;
    // One cell's text, as spreadsheet programs allow.
    static constexpr std::size_t kMaxCellSize = 32767;
    // Rows holding anything; a node takes 48 commands.
    static constexpr int kMaxRows = 1000;
    // Columns holding anything.
    static constexpr int kMaxColumns = 256;

    // The command list of a file; error gets the reason of a failure.
    static Status ReadFile(const std::string& path, CommandTable& table, std::string& error);
    // The sheet of a workbook file that holds the command list: the export's
    // order list sheet in either language, else the first sheet.
    static Status ReadWorkbook(const std::string& path, CommandTable& table, std::string& error);
    // A CSV text with a header row: UTF-8 with or without byte-order mark,
    // or GB18030; comma or semicolon, whichever the header row uses;
    // quoted fields. name is the list's name in messages.
    static Status ParseCsv(const std::string& bytes, const std::string& name, CommandTable& table,
                           std::string& error);
};

} // namespace varkel
