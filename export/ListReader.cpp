#include "export/ListReader.h"

#include "export/ExportCatalog.h"
#include "export/SheetXml.h"
#include "export/WorkbookPackage.h"
#include "export/XmlScanner.h"
#include "model/Catalog.h"
#include "model/FileWrite.h"
#include "model/TextTable.h"
#include "model/Utf8.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace varkel {

namespace {

constexpr int kOrderListKey = 16; // the sheet the export writes the commands into
constexpr std::size_t kMaxXmlDepth = 64;

const char* const kCompoundFile = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

bool StartsWith(const std::string& text, const char* prefix, std::size_t length) {
    return text.size() >= length && text.compare(0, length, prefix, length) == 0;
}

// Spreadsheet programs write characters XML cannot carry as "_xHHHH_".
std::string DecodeCellEscapes(const std::string& text) {
    if (text.find("_x") == std::string::npos)
        return text;
    std::string out;
    out.reserve(text.size());
    for (std::size_t p = 0; p < text.size();) {
        unsigned code = 0;
        if (text[p] == '_' && p + 6 < text.size() && text[p + 1] == 'x' && text[p + 6] == '_') {
            const char* first = text.data() + p + 2;
            auto [end, ec] = std::from_chars(first, first + 4, code, 16);
            if (ec == std::errc() && end == first + 4) {
                std::string decoded = XmlUnescape("&#" + std::to_string(code) + ";");
                out += decoded;
                p += 7;
                continue;
            }
        }
        out += text[p++];
    }
    return out;
}

// A number cell as the spreadsheet shows a whole number: 40.0 and 4E+1 are
// the register number 40. Other numbers stay as written.
std::string NumberText(const std::string& raw) {
    double value = 0;
    const char* first = raw.data();
    const char* last = raw.data() + raw.size();
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || !std::isfinite(value) || std::fabs(value) > 1e15 ||
        value != std::floor(value))
        return raw;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value));
    return buffer;
}

// Walks the elements of a part, checking that they nest.
class ElementWalk {
public:
    explicit ElementWalk(const std::string& xml) : xml_(xml), scanner_(xml) {}

    // The next tag; false at the end (then Malformed() tells a bad end).
    bool Next(XmlTag& tag) {
        if (!scanner_.Next(tag)) {
            malformed_ = scanner_.Failed() || !open_.empty();
            return false;
        }
        if (tag.closing) {
            if (open_.empty() || open_.back() != tag.name) {
                malformed_ = true;
                return false;
            }
            open_.pop_back();
        } else if (!tag.empty) {
            if (open_.size() >= kMaxXmlDepth) {
                malformed_ = true;
                return false;
            }
            open_.push_back(tag.name);
        }
        return true;
    }
    bool Malformed() const { return malformed_; }
    // The text between the end of one tag and the start of the next.
    std::string TextBetween(std::size_t from, std::size_t to) const {
        return to > from ? XmlUnescape(xml_.substr(from, to - from)) : std::string();
    }

private:
    const std::string& xml_;
    XmlScanner scanner_;
    std::vector<std::string> open_;
    bool malformed_ = false;
};

bool IsWellFormed(const std::string& xml) {
    ElementWalk walk(xml);
    XmlTag tag;
    while (walk.Next(tag)) {
    }
    return !walk.Malformed();
}

// The shared strings: the text of every t element of each item, phonetic
// runs left out.
bool ReadSharedStrings(const std::string& xml, std::vector<std::string>& strings) {
    ElementWalk walk(xml);
    XmlTag tag;
    std::string current;
    bool inItem = false;
    int phonetic = 0;
    std::size_t textStart = std::string::npos;
    while (walk.Next(tag)) {
        const std::string local = tag.LocalName();
        if (!tag.closing) {
            if (local == "si" && !tag.empty) {
                inItem = true;
                current.clear();
            } else if (local == "si") {
                strings.emplace_back();
            } else if (local == "rPh" && !tag.empty) {
                ++phonetic;
            } else if (local == "t" && inItem && phonetic == 0 && !tag.empty) {
                textStart = tag.end;
            }
        } else if (local == "t" && textStart != std::string::npos) {
            current += walk.TextBetween(textStart, tag.begin);
            textStart = std::string::npos;
        } else if (local == "rPh") {
            --phonetic;
        } else if (local == "si") {
            strings.push_back(current);
            inItem = false;
        }
    }
    return !walk.Malformed();
}

// The part a workbook relationship of that type points to, or empty.
std::string WorkbookRelated(const WorkbookPackage& package, const std::string& workbook,
                            const std::string& typeSuffix) {
    const std::string* rels = package.Part(WorkbookPackage::RelationshipsPart(workbook));
    if (!rels)
        return std::string();
    XmlScanner scanner(*rels);
    XmlTag tag;
    while (scanner.Next(tag)) {
        const std::string* type = tag.Attribute("Type");
        const std::string* target = tag.Attribute("Target");
        if (!tag.closing && type && target && type->size() >= typeSuffix.size() &&
            type->compare(type->size() - typeSuffix.size(), typeSuffix.size(), typeSuffix) == 0)
            return WorkbookPackage::ResolveTarget(workbook, *target);
    }
    return std::string();
}

// The cells of one worksheet into the table. Shared strings are nullptr
// when the workbook has no such part.
CommandTable::Status ReadSheetCells(const std::string& xml, const std::vector<std::string>* shared,
                                    const std::string& partName, const std::string& fileName,
                                    CommandTable& table, std::string& error) {
    ElementWalk walk(xml);
    XmlTag tag;
    bool inSheetData = false, inRow = false;
    int row = 0, column = 0;
    std::string type, value, inlineText;
    bool inCell = false, inInline = false;
    int phonetic = 0;
    std::size_t valueStart = std::string::npos, textStart = std::string::npos;
    const std::string sheet = EscapedText(table.sheet);
    // Well-formed but not a sheet a spreadsheet program writes: said with
    // what is wrong and where.
    const auto wrong = [&](std::string message) {
        error = std::move(message);
        return CommandTable::Unreadable;
    };
    while (walk.Next(tag)) {
        const std::string local = tag.LocalName();
        if (local == "sheetData") {
            inSheetData = !tag.closing && !tag.empty;
            continue;
        }
        if (!inSheetData)
            continue;
        if (local == "row" && tag.closing) {
            inRow = false;
        } else if (local == "row") {
            int next = row + 1;
            if (const std::string* r = tag.Attribute("r")) {
                int ignored = 0;
                if (!ParseCellReference("A" + *r, next, ignored) || r->empty() || (*r)[0] == '$')
                    return wrong(
                        Text(ExportMsg::ListRowNumber,
                             {sheet, EscapedText(*r), std::to_string(SheetCells::kMaxRow)}));
                if (next == row)
                    return wrong(Text(ExportMsg::ListRowTwice, {sheet, std::to_string(row)}));
                if (next < row)
                    return wrong(Text(ExportMsg::ListRowOrder,
                                      {sheet, std::to_string(next), std::to_string(row)}));
            }
            row = next;
            column = 0;
            inRow = !tag.empty;
        } else if (local == "c" && !tag.closing) {
            int next = column + 1;
            const std::string* r = tag.Attribute("r");
            if (!inRow)
                return wrong(Text(ExportMsg::ListCellOutsideRow,
                                  {sheet, std::to_string(row), EscapedText(r ? *r : "")}));
            if (r) {
                int cellRow = 0;
                if (!ParseCellReference(*r, cellRow, next))
                    return wrong(Text(ExportMsg::ListCellReference,
                                      {sheet, std::to_string(row), EscapedText(*r)}));
                if (cellRow != row)
                    return wrong(Text(ExportMsg::ListCellOutsideRow,
                                      {sheet, std::to_string(row), EscapedText(*r)}));
                if (next == column)
                    return wrong(Text(ExportMsg::ListCellTwice, {sheet, EscapedText(*r)}));
                if (next < column)
                    return wrong(
                        Text(ExportMsg::ListCellOrder,
                             {sheet, EscapedText(*r), CommandTable::CellName(row, column)}));
            }
            column = next;
            const std::string* t = tag.Attribute("t");
            type = t ? *t : std::string();
            value.clear();
            inlineText.clear();
            inCell = !tag.empty;
        } else if (inCell && local == "v") {
            if (!tag.closing && !tag.empty)
                valueStart = tag.end;
            else if (tag.closing && valueStart != std::string::npos)
                value += walk.TextBetween(valueStart, tag.begin);
            if (tag.closing)
                valueStart = std::string::npos;
        } else if (inCell && local == "is") {
            inInline = !tag.closing && !tag.empty;
        } else if (inInline && local == "rPh") {
            phonetic += tag.closing ? -1 : (tag.empty ? 0 : 1);
        } else if (inInline && local == "t" && phonetic == 0) {
            if (!tag.closing && !tag.empty)
                textStart = tag.end;
            else if (tag.closing && textStart != std::string::npos)
                inlineText += walk.TextBetween(textStart, tag.begin);
            if (tag.closing)
                textStart = std::string::npos;
        } else if (inCell && local == "c" && tag.closing) {
            inCell = false;
            // The limit holds for the cell as the file holds it: a number
            // such as 40.000... shrinks to "40" only once it is read.
            const auto tooLarge = [&](std::size_t size) {
                if (size <= CommandTable::kMaxCellSize)
                    return false;
                error = Text(Msg::ListCellTooLarge, {CommandTable::CellName(row, column), sheet,
                                                     std::to_string(CommandTable::kMaxCellSize)});
                return true;
            };
            if (tooLarge(type == "inlineStr" ? inlineText.size() : value.size()))
                return CommandTable::Unreadable;
            std::string text;
            if (type == "s") {
                const std::string cell = CommandTable::CellName(row, column);
                if (!shared)
                    return wrong(
                        Text(ExportMsg::ListSharedMissing, {sheet, cell, EscapedText(value)}));
                std::size_t index = 0;
                auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), index);
                if (ec != std::errc() || end != value.data() + value.size() ||
                    index >= shared->size())
                    return wrong(
                        Text(ExportMsg::ListSharedIndex,
                             {sheet, cell, EscapedText(value), std::to_string(shared->size())}));
                if (tooLarge((*shared)[index].size()))
                    return CommandTable::Unreadable;
                text = DecodeCellEscapes((*shared)[index]);
            } else if (type == "inlineStr") {
                text = DecodeCellEscapes(inlineText);
            } else if (type == "str") {
                text = DecodeCellEscapes(value);
            } else if (type == "b") {
                text = value == "1" ? "TRUE" : (value == "0" ? "FALSE" : value);
            } else if (type.empty() || type == "n") {
                text = NumberText(value);
            } else {
                text = value; // an error value such as #N/A, as shown
            }
            if (!table.AddCell(row, column, std::move(text), error))
                return CommandTable::Unreadable;
        }
    }
    if (walk.Malformed()) {
        error = Text(ExportMsg::ListMalformed, {EscapedText(partName), fileName});
        return CommandTable::Unreadable;
    }
    return CommandTable::Read;
}

// The first eight bytes of a regular file; empty for anything else, which
// is not opened at all, so that a FIFO is never waited on.
std::string FileStart(const std::string& path) {
    bool notRegular = false;
    int err = 0;
    const int fd = OpenRegularFile(path, notRegular, err);
    if (fd < 0)
        return {};
    char magic[8] = {};
    std::size_t got = 0;
    while (got < sizeof magic) {
        const ssize_t n = ::read(fd, magic + got, sizeof magic - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return std::string(magic, got);
}

} // namespace

bool ListReader::IsWorkbookFile(const std::string& path) {
    const std::string start = FileStart(path);
    return StartsWith(start, "PK\x03\x04", 4) || StartsWith(start, "PK\x05\x06", 4) ||
           StartsWith(start, kCompoundFile, 8);
}

CommandTable::Status ListReader::ReadWorkbook(const std::string& path, CommandTable& table,
                                              std::string& error) {
    table = CommandTable();
    const std::string fileName = FileName(path);
    if (FileStart(path) == std::string(kCompoundFile, 8)) {
        error = Text(ExportMsg::ListEncrypted, {fileName});
        return CommandTable::Unreadable;
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > CommandTable::kMaxFileSize) {
        error = Text(Msg::ListTooLarge, {path, std::to_string(CommandTable::kMaxFileSize)});
        return CommandTable::Unreadable;
    }

    WorkbookPackage package;
    std::string detail;
    switch (package.Open(path, detail, CommandTable::kMaxFileSize)) {
    case WorkbookPackage::Opened:
        break;
    case WorkbookPackage::CannotRead:
        error = Text(Msg::ListMissing, {path, detail});
        return CommandTable::Missing;
    case WorkbookPackage::Encrypted:
        error = Text(ExportMsg::ListEncrypted, {fileName});
        return CommandTable::Unreadable;
    case WorkbookPackage::TooLarge:
        error = Text(Msg::ListTooLarge, {path, std::to_string(CommandTable::kMaxFileSize)});
        return CommandTable::Unreadable;
    case WorkbookPackage::NotPackage:
        error = Text(ExportMsg::ListNotWorkbook, {fileName, detail});
        return CommandTable::Unreadable;
    }

    // Macros are refused whatever the file is called: the import never runs
    // them, but a list that carries them is not the export's.
    const std::string* types = package.Part("[Content_Types].xml");
    if (package.Part("xl/vbaProject.bin") ||
        (types && types->find("macroEnabled") != std::string::npos)) {
        error = Text(ExportMsg::ListMacros, {fileName});
        return CommandTable::Unreadable;
    }
    const std::string workbook = package.WorkbookPart();
    if (workbook.empty()) {
        error = Text(ExportMsg::ListNotWorkbook, {fileName, "no workbook part"});
        return CommandTable::Unreadable;
    }
    if (!IsWellFormed(*package.Part(workbook))) {
        error = Text(ExportMsg::ListMalformed, {EscapedText(workbook), fileName});
        return CommandTable::Unreadable;
    }

    std::vector<std::string> names = package.SheetNames();
    std::string sheetName;
    for (TextLanguage language :
         {GetTextLanguage(), TextLanguage::Chinese, TextLanguage::English}) {
        const std::string wanted = LocalText(kOrderListKey, language);
        for (const std::string& name : names) {
            if (sheetName.empty() && name == wanted)
                sheetName = name;
        }
    }
    if (sheetName.empty() && !names.empty())
        sheetName = names.front();
    const std::string sheetPart = sheetName.empty() ? std::string() : package.FindSheet(sheetName);
    if (sheetPart.empty()) {
        error = Text(ExportMsg::ListNoSheet, {fileName});
        return CommandTable::Unreadable;
    }

    std::vector<std::string> shared;
    std::string sharedPart = WorkbookRelated(package, workbook, "/sharedStrings");
    if (sharedPart.empty())
        sharedPart = "xl/sharedStrings.xml";
    const std::string* sharedXml = package.Part(sharedPart);
    if (sharedXml && !ReadSharedStrings(*sharedXml, shared)) {
        error = Text(ExportMsg::ListMalformed, {EscapedText(sharedPart), fileName});
        return CommandTable::Unreadable;
    }
    table.sheet = sheetName;
    return ReadSheetCells(*package.Part(sheetPart), sharedXml ? &shared : nullptr, sheetPart,
                          fileName, table, error);
}

} // namespace varkel
