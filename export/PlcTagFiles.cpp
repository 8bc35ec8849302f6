#include "export/PlcTagFiles.h"

#include "export/ExportCatalog.h"
#include "export/SheetXml.h"
#include "export/WorkbookPackage.h"
#include "model/Catalog.h"
#include "model/FileWrite.h"

namespace varkel {
namespace {

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char ch : text) {
        if (ch == '"')
            out += '"';
        out += ch;
    }
    return out + "\"";
}

// A comment cannot close itself early or break the line it stands on.
std::string IecComment(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\r' || ch == '\n') {
            out += ' ';
        } else if ((ch == '*' && i + 1 < text.size() && text[i + 1] == ')') ||
                   (ch == '(' && i + 1 < text.size() && text[i + 1] == '*')) {
            out += ch;
            out += ' ';
        } else {
            out += ch;
        }
    }
    return out;
}

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
const std::string kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const std::string kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const std::string kPackageRel = "http://schemas.openxmlformats.org/package/2006/relationships";
const std::string kType = "application/vnd.openxmlformats-officedocument.spreadsheetml.";

std::string EscapeAttribute(const std::string& text) {
    std::string out;
    for (char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

// A workbook of one empty sheet, the least a spreadsheet program opens.
void AddSkeleton(WorkbookPackage& package) {
    package.AddPart("[Content_Types].xml",
                    kDecl +
                        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                        "content-types\"><Default Extension=\"rels\" ContentType=\"application/"
                        "vnd.openxmlformats-package.relationships+xml\"/><Default "
                        "Extension=\"xml\" ContentType=\"application/xml\"/>"
                        "<Override PartName=\"/xl/workbook.xml\" ContentType=\"" +
                        kType +
                        "sheet.main+xml\"/><Override PartName=\"/xl/worksheets/sheet1.xml\" "
                        "ContentType=\"" +
                        kType + "worksheet+xml\"/></Types>");
    package.AddPart("_rels/.rels", kDecl + "<Relationships xmlns=\"" + kPackageRel +
                                       "\"><Relationship Id=\"rId1\" Type=\"" + kRel +
                                       "/officeDocument\" Target=\"xl/workbook.xml\"/>"
                                       "</Relationships>");
    package.AddPart("xl/workbook.xml", kDecl + "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" +
                                           kRel + "\"><sheets><sheet name=\"" +
                                           EscapeAttribute(kS7TagSheet) +
                                           "\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>");
    package.AddPart("xl/_rels/workbook.xml.rels",
                    kDecl + "<Relationships xmlns=\"" + kPackageRel +
                        "\"><Relationship Id=\"rId1\" Type=\"" + kRel +
                        "/worksheet\" Target=\"worksheets/sheet1.xml\"/></Relationships>");
}

// Widths that show a whole name, address and most of a comment.
const char* const kSheetStart =
    "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<dimension ref=\"A1\"/><cols>"
    "<col min=\"1\" max=\"1\" width=\"28\" customWidth=\"1\"/>"
    "<col min=\"2\" max=\"4\" width=\"14\" customWidth=\"1\"/>"
    "<col min=\"5\" max=\"5\" width=\"80\" customWidth=\"1\"/>"
    "<col min=\"6\" max=\"10\" width=\"14\" customWidth=\"1\"/>"
    "</cols><sheetData></sheetData></worksheet>";

} // namespace

std::string PlcTagsCsv(const PlcTagTable& table, bool byteOrderMark) {
    std::string out = byteOrderMark ? "\xEF\xBB\xBF" : "";
    out += "name,type,address,comment\r\n";
    for (const PlcTag& tag : table.tags)
        out += CsvField(tag.name) + "," + PlcTagTypeName(tag.type) + "," + tag.address + "," +
               CsvField(tag.comment) + "\r\n";
    return out;
}

std::string PlcTagsIec(const PlcTagTable& table) {
    std::string out = "(* " + IecComment(table.options.table) + " *)\r\nVAR_GLOBAL\r\n";
    for (const PlcTag& tag : table.tags)
        out += "    " + tag.name + " AT " + tag.address + " : " + PlcTagTypeName(tag.type) +
               "; (* " + IecComment(tag.comment) + " *)\r\n";
    out += "END_VAR\r\n";
    return out;
}

const std::vector<std::string>& S7TagColumns() {
    static const std::vector<std::string> columns = {
        "Name",        "Path",           "Data Type",     "Logical Address", "Comment",
        "Hmi Visible", "Hmi Accessible", "Hmi Writeable", "Typeobject ID",   "Version ID"};
    return columns;
}

bool PlcTagsWorkbook(const PlcTagTable& table, std::string& bytes, std::string& detail) {
    WorkbookPackage package;
    AddSkeleton(package);
    SheetXml sheet;
    if (!sheet.Load(kDecl + kSheetStart)) {
        detail = Text(Msg::UnknownError);
        return false;
    }
    const std::vector<std::string>& columns = S7TagColumns();
    for (std::size_t c = 0; c < columns.size(); ++c)
        sheet.SetCell(1, static_cast<int>(c) + 1, columns[c]);
    int row = 2;
    for (const PlcTag& tag : table.tags) {
        const std::string cells[] = {tag.name,
                                     table.options.table,
                                     PlcTagTypeS7Name(tag.type),
                                     tag.address,
                                     tag.comment,
                                     "True",
                                     "True",
                                     "True"};
        for (std::size_t c = 0; c < std::size(cells); ++c)
            sheet.SetCell(row, static_cast<int>(c) + 1, cells[c]);
        ++row;
    }
    package.AddPart("xl/worksheets/sheet1.xml", sheet.Save());
    return package.Write(bytes, detail);
}

bool WritePlcTagFile(const PlcTagTable& table, const std::string& path, std::string& error) {
    if (!table.problems.empty()) {
        error = Text(ExportMsg::PlcTagsWriteFailed, {path, table.problems.front()});
        return false;
    }
    std::string bytes, detail;
    switch (table.options.format) {
    case PlcTagFormat::Csv:
        bytes = PlcTagsCsv(table, true);
        break;
    case PlcTagFormat::Iec:
        bytes = PlcTagsIec(table);
        break;
    case PlcTagFormat::S7:
        if (!PlcTagsWorkbook(table, bytes, detail)) {
            error = Text(ExportMsg::PlcTagsWriteFailed, {path, detail});
            return false;
        }
        break;
    }
    if (!WriteFileAtomically(path, bytes, detail)) {
        error = Text(ExportMsg::PlcTagsWriteFailed, {path, detail});
        return false;
    }
    error.clear();
    return true;
}

} // namespace varkel
