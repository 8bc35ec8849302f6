#include "persist/CsvList.h"

#include "model/Catalog.h"
#include "model/Utf8.h"
#include "persist/Gb2312.h"
#include "persist/PersistCatalog.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace varkel {

namespace {

bool StartsWith(const std::string& text, const char* prefix, std::size_t length) {
    return text.size() >= length && text.compare(0, length, prefix, length) == 0;
}

// Reads a whole file of at most the limit; false with the reason otherwise.
CommandTable::Status Slurp(const std::string& path, std::string& bytes, std::string& error) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status) || std::filesystem::is_directory(status)) {
        error = Text(Msg::ListMissing,
                     {path, ec ? ec.message()
                               : (std::filesystem::exists(status) ? "Is a directory"
                                                                  : "No such file or directory")});
        return CommandTable::Missing;
    }
    // A FIFO or a device would block the read.
    if (!std::filesystem::is_regular_file(status)) {
        error = Text(Msg::FileNotAFile, {path});
        return CommandTable::Missing;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = Text(Msg::ListMissing, {path, "cannot open"});
        return CommandTable::Missing;
    }
    // Read one byte past the limit rather than trusting the size on disk,
    // which a device or a growing file does not give.
    bytes.assign(CommandTable::kMaxFileSize + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > CommandTable::kMaxFileSize) {
        error = Text(Msg::ListTooLarge, {path, std::to_string(CommandTable::kMaxFileSize)});
        return CommandTable::Unreadable;
    }
    if (in.bad()) {
        error = Text(Msg::ListMissing, {path, "read error"});
        return CommandTable::Missing;
    }
    return CommandTable::Read;
}

} // namespace

CommandTable::Status CsvList::ReadFile(const std::string& path, CommandTable& table,
                                       std::string& error) {
    std::string bytes;
    if (CommandTable::Status status = Slurp(path, bytes, error); status != CommandTable::Read)
        return status;
    return Parse(bytes, std::filesystem::path(path).filename().string(), table, error);
}

CommandTable::Status CsvList::Parse(const std::string& bytes, const std::string& name,
                                    CommandTable& table, std::string& error) {
    table = CommandTable();
    table.sheet = name;
    if (bytes.size() > CommandTable::kMaxFileSize) {
        error = Text(Msg::ListTooLarge, {name, std::to_string(CommandTable::kMaxFileSize)});
        return CommandTable::Unreadable;
    }
    if (StartsWith(bytes, "\xFF\xFE", 2) || StartsWith(bytes, "\xFE\xFF", 2)) {
        error = Text(PersistMsg::ListUtf16, {name});
        return CommandTable::Unreadable;
    }
    if (bytes.find('\0') != std::string::npos) {
        error = Text(PersistMsg::ListNulByte, {name});
        return CommandTable::Unreadable;
    }
    std::string text;
    std::size_t bad = 0;
    if (StartsWith(bytes, "\xEF\xBB\xBF", 3)) {
        text = bytes.substr(3);
        if (!IsValidUtf8(text, &bad)) {
            error = Text(PersistMsg::ListBadEncoding, {name, std::to_string(bad + 3)});
            return CommandTable::Unreadable;
        }
    } else if (IsValidUtf8(bytes)) {
        text = bytes;
    } else if (!DecodeGb2312(bytes, text, &bad)) {
        error = Text(PersistMsg::ListBadEncoding, {name, std::to_string(bad)});
        return CommandTable::Unreadable;
    }

    // The delimiter the header row uses, outside quotes.
    char delimiter = ',';
    {
        int commas = 0, semicolons = 0;
        bool quoted = false;
        for (char c : text) {
            if (c == '"')
                quoted = !quoted;
            else if (!quoted && (c == '\n' || c == '\r'))
                break;
            else if (!quoted && c == ',')
                ++commas;
            else if (!quoted && c == ';')
                ++semicolons;
        }
        if (semicolons > commas)
            delimiter = ';';
    }

    int row = 1, column = 1;
    std::string field;
    std::size_t p = 0;
    const std::size_t size = text.size();
    bool fieldStarted = false;
    while (p < size) {
        const char c = text[p];
        if (c == '"' && !fieldStarted) {
            // A quoted field: "" is a quote; the closing quote must end it.
            const int startRow = row;
            ++p;
            bool closed = false;
            while (p < size) {
                if (text[p] == '"') {
                    if (p + 1 < size && text[p + 1] == '"') {
                        field += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    closed = true;
                    break;
                }
                field += text[p++];
                if (field.size() > CommandTable::kMaxCellSize)
                    break;
            }
            if (field.size() > CommandTable::kMaxCellSize) {
                table.AddCell(startRow, column, field, error); // refused: sets the error
                return CommandTable::Unreadable;
            }
            if (!closed ||
                (p < size && text[p] != delimiter && text[p] != '\n' && text[p] != '\r')) {
                error = Text(PersistMsg::ListBadQuote, {name, std::to_string(startRow)});
                return CommandTable::Unreadable;
            }
            fieldStarted = true;
            continue;
        }
        if (c == delimiter || c == '\n' || c == '\r') {
            if (!table.AddCell(row, column, std::move(field), error))
                return CommandTable::Unreadable;
            field.clear();
            fieldStarted = false;
            if (c == delimiter) {
                ++column;
            } else {
                if (c == '\r' && p + 1 < size && text[p + 1] == '\n')
                    ++p;
                ++row;
                column = 1;
            }
            ++p;
            continue;
        }
        field += c;
        fieldStarted = true;
        ++p;
        if (field.size() > CommandTable::kMaxCellSize) {
            table.AddCell(row, column, field, error); // refused: sets the error
            return CommandTable::Unreadable;
        }
    }
    if (!table.AddCell(row, column, std::move(field), error))
        return CommandTable::Unreadable;
    return CommandTable::Read;
}

} // namespace varkel
