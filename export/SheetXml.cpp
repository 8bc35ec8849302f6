#include "export/SheetXml.h"

#include "model/CommandTable.h"
#include "model/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace varkel {

namespace {

// Reads a positive decimal number of at most the given value; 0 when the
// text is anything else.
int PositiveNumber(const std::string& text, int limit) {
    if (text.empty() || text.size() > 9)
        return 0;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return value <= limit ? value : 0;
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::string EscapeCode(std::uint32_t code) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "_x%04X_", static_cast<unsigned>(code));
    return buffer;
}

void AppendAttribute(std::string& out, const std::string& key, const std::string& value) {
    out += ' ';
    out += key;
    out += "=\"";
    out += XmlEscape(value);
    out += '"';
}

} // namespace

std::string ColumnName(int column) {
    return CommandTable::ColumnLetters(column);
}

std::string CellReference(int row, int column) {
    return ColumnName(column) + std::to_string(row);
}

bool ParseCellReference(const std::string& reference, int& row, int& column) {
    std::size_t p = 0;
    if (p < reference.size() && reference[p] == '$')
        ++p;
    int col = 0;
    std::size_t letters = 0;
    while (p < reference.size() && ((reference[p] >= 'A' && reference[p] <= 'Z') ||
                                    (reference[p] >= 'a' && reference[p] <= 'z'))) {
        char upper = static_cast<char>(reference[p] & ~0x20);
        col = col * 26 + (upper - 'A' + 1);
        if (++letters > 3)
            return false;
        ++p;
    }
    if (letters == 0 || col > SheetCells::kMaxColumn)
        return false;
    if (p < reference.size() && reference[p] == '$')
        ++p;
    int r = PositiveNumber(reference.substr(p), SheetCells::kMaxRow);
    if (r == 0)
        return false;
    row = r;
    column = col;
    return true;
}

std::string EncodeCellText(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    std::size_t p = 0;
    while (p < text.size()) {
        std::uint32_t code = 0;
        std::size_t length = DecodeUtf8(text, p, code);
        if (length == 0) {
            out += "\xEF\xBF\xBD"; // U+FFFD in place of a broken byte
            ++p;
            continue;
        }
        switch (code) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '\r':
            out += "&#13;";
            break;
        case '\t':
        case '\n':
            out += static_cast<char>(code);
            break;
        case '_':
            // Spreadsheet programs read "_xHHHH_" as an escaped character;
            // escaping the underscore keeps such a text as it is.
            if (p + 6 < text.size() && text[p + 1] == 'x' && IsHexDigit(text[p + 2]) &&
                IsHexDigit(text[p + 3]) && IsHexDigit(text[p + 4]) && IsHexDigit(text[p + 5]) &&
                text[p + 6] == '_')
                out += "_x005F_";
            else
                out += '_';
            break;
        default:
            if (code < 0x20 || code == 0xFFFE || code == 0xFFFF)
                out += EscapeCode(code); // not allowed in XML at all
            else
                out.append(text, p, length);
        }
        p += length;
    }
    return out;
}

bool SheetXml::Load(const std::string& xml) {
    *this = SheetXml();
    xml_ = xml;
    XmlScanner scanner(xml_);
    XmlTag root;
    if (!scanner.Next(root) || root.closing || root.empty || root.LocalName() != "worksheet")
        return false;
    prefix_ = root.Prefix();
    dimensionInsert_ = root.end;
    bool haveSheetData = false;
    bool closed = false;
    XmlTag tag;
    while (scanner.Next(tag)) {
        if (tag.closing) {
            closed = tag.name == root.name;
            break;
        }
        const std::string local = tag.LocalName();
        if (local == "sheetData" && !haveSheetData) {
            if (!ParseSheetData(scanner, tag))
                return false;
            haveSheetData = true;
        } else if (local == "cols" && !haveSheetData) {
            if (!ParseCols(scanner, tag))
                return false;
        } else {
            std::size_t end = scanner.SkipElement(tag);
            if (end == std::string::npos)
                return false;
            if (!haveSheetData && local == "sheetPr") {
                dimensionInsert_ = end;
            } else if (!haveSheetData && local == "dimension") {
                dimensionBegin_ = tag.begin;
                dimensionEnd_ = end;
            }
        }
    }
    return closed && haveSheetData && !scanner.Failed();
}

bool SheetXml::ParseCols(XmlScanner& scanner, const XmlTag& start) {
    if (start.empty)
        return true;
    XmlTag tag;
    while (scanner.Next(tag)) {
        if (tag.closing)
            return tag.name == start.name;
        if (tag.LocalName() == "col") {
            ColumnStyle range;
            const std::string* min = tag.Attribute("min");
            const std::string* max = tag.Attribute("max");
            const std::string* style = tag.Attribute("style");
            range.first = min ? PositiveNumber(*min, SheetCells::kMaxColumn) : 0;
            range.last = max ? PositiveNumber(*max, SheetCells::kMaxColumn) : 0;
            if (style && range.first > 0 && range.last >= range.first) {
                range.style = *style;
                columnStyles_.push_back(range);
            }
        }
        if (scanner.SkipElement(tag) == std::string::npos)
            return false;
    }
    return false;
}

bool SheetXml::ParseSheetData(XmlScanner& scanner, const XmlTag& start) {
    sheetDataName_ = start.name;
    sheetDataBegin_ = start.begin;
    if (start.empty) {
        sheetDataEnd_ = start.end;
        return true;
    }
    XmlTag tag;
    while (scanner.Next(tag)) {
        if (tag.closing) {
            if (tag.name != start.name)
                return false;
            sheetDataEnd_ = tag.end;
            // Rows and cells must be in ascending order; a template that
            // breaks that rule gets it put right.
            std::stable_sort(rows_.begin(), rows_.end(),
                             [](const Row& a, const Row& b) { return a.index < b.index; });
            for (Row& row : rows_) {
                if (!std::is_sorted(
                        row.cells.begin(), row.cells.end(),
                        [](const Cell& a, const Cell& b) { return a.column < b.column; })) {
                    std::stable_sort(
                        row.cells.begin(), row.cells.end(),
                        [](const Cell& a, const Cell& b) { return a.column < b.column; });
                    row.rebuild = true;
                }
            }
            return true;
        }
        if (tag.LocalName() == "row") {
            Row row;
            if (!ParseRow(scanner, tag, row))
                return false;
            if (row.index == 0) {
                row.index = rows_.empty() ? 1 : rows_.back().index + 1;
                row.rebuild = true; // the number is written out from now on
            }
            if (row.index <= SheetCells::kMaxRow)
                rows_.push_back(std::move(row));
        } else {
            std::size_t end = scanner.SkipElement(tag);
            if (end == std::string::npos)
                return false;
            sheetDataTail_ += xml_.substr(tag.begin, end - tag.begin);
        }
    }
    return false;
}

bool SheetXml::ParseRow(XmlScanner& scanner, const XmlTag& start, Row& row) {
    row.name = start.name;
    row.attributes = start.attributes;
    const std::string* r = start.Attribute("r");
    row.index = r ? PositiveNumber(*r, SheetCells::kMaxRow) : 0;
    if (start.empty) {
        row.raw = xml_.substr(start.begin, start.end - start.begin);
        return true;
    }
    XmlTag tag;
    while (scanner.Next(tag)) {
        if (tag.closing) {
            if (tag.name != start.name)
                return false;
            row.raw = xml_.substr(start.begin, tag.end - start.begin);
            return true;
        }
        std::size_t end = scanner.SkipElement(tag);
        if (end == std::string::npos)
            return false;
        std::string raw = xml_.substr(tag.begin, end - tag.begin);
        if (tag.LocalName() != "c") {
            row.tail += raw;
            continue;
        }
        Cell cell;
        cell.raw = std::move(raw);
        int cellRow = 0, column = 0;
        const std::string* reference = tag.Attribute("r");
        if (reference && ParseCellReference(*reference, cellRow, column)) {
            cell.column = column;
        } else {
            cell.column = row.cells.empty() ? 1 : row.cells.back().column + 1;
            cell.hasReference = false;
            row.rebuild = true;
        }
        if (const std::string* style = tag.Attribute("s"))
            cell.style = *style;
        if (cell.column <= SheetCells::kMaxColumn)
            row.cells.push_back(std::move(cell));
    }
    return false;
}

SheetXml::Row& SheetXml::RowAt(int index) {
    auto at = std::lower_bound(rows_.begin(), rows_.end(), index,
                               [](const Row& row, int value) { return row.index < value; });
    if (at != rows_.end() && at->index == index)
        return *at;
    Row row;
    row.index = index;
    row.name = prefix_ + "row";
    row.attributes.emplace_back("r", std::to_string(index));
    row.rebuild = true;
    return *rows_.insert(at, std::move(row));
}

std::string SheetXml::StyleForNewCell(const Row& row, int column) const {
    bool customFormat = false;
    const std::string* rowStyle = nullptr;
    for (const auto& [key, value] : row.attributes) {
        if (key == "customFormat")
            customFormat = value == "1" || value == "true";
        else if (key == "s")
            rowStyle = &value;
    }
    if (customFormat && rowStyle)
        return *rowStyle;
    for (const ColumnStyle& range : columnStyles_) {
        if (column >= range.first && column <= range.last)
            return range.style;
    }
    return std::string();
}

void SheetXml::SetCell(int row, int column, const std::string& text) {
    if (row < 1 || row > SheetCells::kMaxRow || column < 1 || column > SheetCells::kMaxColumn)
        return;
    Row& target = RowAt(row);
    auto at = std::lower_bound(target.cells.begin(), target.cells.end(), column,
                               [](const Cell& cell, int value) { return cell.column < value; });
    const bool exists = at != target.cells.end() && at->column == column;
    Cell cell;
    cell.column = column;
    cell.style = exists ? at->style : StyleForNewCell(target, column);

    const std::string name = prefix_ + "c";
    cell.raw = "<" + name;
    AppendAttribute(cell.raw, "r", CellReference(row, column));
    if (!cell.style.empty())
        AppendAttribute(cell.raw, "s", cell.style);
    if (text.empty()) {
        cell.raw += "/>";
    } else {
        cell.raw += " t=\"inlineStr\"><" + prefix_ + "is><" + prefix_ +
                    "t xml:space=\"preserve\">" + EncodeCellText(text) + "</" + prefix_ + "t></" +
                    prefix_ + "is></" + name + ">";
    }
    if (exists)
        *at = std::move(cell);
    else
        target.cells.insert(at, std::move(cell));
    target.rebuild = true;
    changed_ = true;
}

void SheetXml::SetCells(const SheetCells& cells) {
    for (const auto& [key, text] : cells.Cells())
        SetCell(key.first, key.second, text);
}

std::string SheetXml::BuildRow(const Row& row) const {
    if (!row.rebuild)
        return row.raw;
    std::string out = "<" + row.name;
    bool wroteIndex = false;
    const std::string index = std::to_string(row.index);
    if (!std::any_of(row.attributes.begin(), row.attributes.end(),
                     [](const auto& attribute) { return attribute.first == "r"; })) {
        AppendAttribute(out, "r", index);
        wroteIndex = true;
    }
    for (const auto& [key, value] : row.attributes) {
        if (key == "r") {
            if (!wroteIndex)
                AppendAttribute(out, key, index);
            wroteIndex = true;
        } else if (key == "spans") {
            // A hint of the columns in use; it must cover the cells.
            if (!row.cells.empty())
                AppendAttribute(out, key,
                                std::to_string(row.cells.front().column) + ":" +
                                    std::to_string(row.cells.back().column));
        } else {
            AppendAttribute(out, key, value);
        }
    }
    if (row.cells.empty() && row.tail.empty())
        return out + "/>";
    out += '>';
    for (const Cell& cell : row.cells) {
        if (cell.hasReference) {
            out += cell.raw;
            continue;
        }
        std::size_t nameEnd = 1;
        while (nameEnd < cell.raw.size() &&
               std::string(" \t\r\n/>").find(cell.raw[nameEnd]) == std::string::npos)
            ++nameEnd;
        std::string attribute;
        AppendAttribute(attribute, "r", CellReference(row.index, cell.column));
        out += cell.raw.substr(0, nameEnd) + attribute + cell.raw.substr(nameEnd);
    }
    out += row.tail;
    out += "</" + row.name + ">";
    return out;
}

std::string SheetXml::Dimension() const {
    int firstRow = 0, lastRow = 0, firstColumn = 0, lastColumn = 0;
    for (const Row& row : rows_) {
        if (row.cells.empty())
            continue;
        if (firstRow == 0)
            firstRow = row.index;
        lastRow = row.index;
        int first = row.cells.front().column;
        int last = row.cells.back().column;
        firstColumn = firstColumn == 0 ? first : std::min(firstColumn, first);
        lastColumn = std::max(lastColumn, last);
    }
    if (firstRow == 0)
        return "A1";
    std::string first = CellReference(firstRow, firstColumn);
    std::string last = CellReference(lastRow, lastColumn);
    return first == last ? first : first + ":" + last;
}

std::string SheetXml::Save() const {
    if (!changed_)
        return xml_;
    const std::string dimension = "<" + prefix_ + "dimension ref=\"" + Dimension() + "\"/>";
    std::string out;
    out.reserve(xml_.size() + 4096);
    if (dimensionBegin_ != std::string::npos) {
        out.append(xml_, 0, dimensionBegin_);
        out += dimension;
        out.append(xml_, dimensionEnd_, sheetDataBegin_ - dimensionEnd_);
    } else {
        out.append(xml_, 0, dimensionInsert_);
        out += dimension;
        out.append(xml_, dimensionInsert_, sheetDataBegin_ - dimensionInsert_);
    }
    if (rows_.empty() && sheetDataTail_.empty()) {
        out += "<" + sheetDataName_ + "/>";
    } else {
        out += "<" + sheetDataName_ + ">";
        for (const Row& row : rows_)
            out += BuildRow(row);
        out += sheetDataTail_;
        out += "</" + sheetDataName_ + ">";
    }
    out.append(xml_, sheetDataEnd_, std::string::npos);
    return out;
}

} // namespace varkel
