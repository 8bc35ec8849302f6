#include "WorkbookReader.h"

#include <tinyxml.h>
#include <zip.h>

#include <cstdlib>

namespace {

const TiXmlDocument* Parse(TiXmlDocument& doc, const std::string& text) {
    TiXmlBase::SetCondenseWhiteSpace(false);
    doc.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
    return doc.Error() || !doc.RootElement() ? nullptr : &doc;
}

std::string LocalName(const std::string& name) {
    std::size_t colon = name.find(':');
    return colon == std::string::npos ? name : name.substr(colon + 1);
}

// Text of every t element below the element (rich text runs included).
std::string TextOf(const TiXmlElement* element) {
    std::string text;
    for (const TiXmlElement* child = element->FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        if (LocalName(child->Value()) == "t") {
            if (child->GetText())
                text += child->GetText();
        } else if (LocalName(child->Value()) == "r") {
            text += TextOf(child);
        }
    }
    return text;
}

// Spreadsheet programs read "_xHHHH_" as the character HHHH.
std::string DecodeEscapes(const std::string& text) {
    std::string out;
    for (std::size_t p = 0; p < text.size();) {
        if (p + 6 < text.size() && text[p] == '_' && text[p + 1] == 'x' && text[p + 6] == '_') {
            std::string hex = text.substr(p + 2, 4);
            char* end = nullptr;
            long code = std::strtol(hex.c_str(), &end, 16);
            if (end == hex.c_str() + 4 && code < 0x80) {
                out += static_cast<char>(code);
                p += 7;
                continue;
            }
        }
        out += text[p++];
    }
    return out;
}

bool ParseReference(const std::string& ref, int& row, int& column) {
    std::size_t p = 0;
    column = 0;
    while (p < ref.size() && ref[p] >= 'A' && ref[p] <= 'Z')
        column = column * 26 + (ref[p++] - 'A' + 1);
    if (p == 0 || p == ref.size())
        return false;
    row = std::atoi(ref.c_str() + p);
    return row > 0;
}

} // namespace

bool WorkbookReader::Open(const std::string& path) {
    parts_.clear();
    order_.clear();
    for (auto& [name, data] : ReadZip(path)) {
        order_.push_back(name);
        parts_[name] = data;
    }
    return !order_.empty();
}

std::string WorkbookReader::Part(const std::string& part) const {
    auto found = parts_.find(part);
    return found == parts_.end() ? std::string() : found->second;
}

std::vector<std::string> WorkbookReader::SheetNames() const {
    std::vector<std::string> names;
    TiXmlDocument doc;
    if (!Parse(doc, Part("xl/workbook.xml")))
        return names;
    const TiXmlElement* sheets = doc.RootElement()->FirstChildElement("sheets");
    for (const TiXmlElement* sheet = sheets ? sheets->FirstChildElement("sheet") : nullptr; sheet;
         sheet = sheet->NextSiblingElement("sheet"))
        names.push_back(sheet->Attribute("name") ? sheet->Attribute("name") : "");
    return names;
}

std::string WorkbookReader::SheetPart(const std::string& sheetName) const {
    TiXmlDocument doc, rels;
    if (!Parse(doc, Part("xl/workbook.xml")) || !Parse(rels, Part("xl/_rels/workbook.xml.rels")))
        return std::string();
    std::string id;
    const TiXmlElement* sheets = doc.RootElement()->FirstChildElement("sheets");
    for (const TiXmlElement* sheet = sheets ? sheets->FirstChildElement("sheet") : nullptr; sheet;
         sheet = sheet->NextSiblingElement("sheet")) {
        if (sheet->Attribute("name") && sheetName == sheet->Attribute("name"))
            id = sheet->Attribute("r:id") ? sheet->Attribute("r:id") : "";
    }
    for (const TiXmlElement* rel = rels.RootElement()->FirstChildElement("Relationship"); rel;
         rel = rel->NextSiblingElement("Relationship")) {
        if (!id.empty() && rel->Attribute("Id") && id == rel->Attribute("Id")) {
            std::string target = rel->Attribute("Target");
            return target[0] == '/' ? target.substr(1) : "xl/" + target;
        }
    }
    return std::string();
}

CellMap WorkbookReader::Cells(const std::string& sheetName, bool* ok) const {
    CellMap cells;
    if (ok)
        *ok = false;
    std::vector<std::string> shared;
    TiXmlDocument sst;
    if (Has("xl/sharedStrings.xml") && Parse(sst, Part("xl/sharedStrings.xml"))) {
        for (const TiXmlElement* si = sst.RootElement()->FirstChildElement(); si;
             si = si->NextSiblingElement())
            shared.push_back(TextOf(si));
    }
    TiXmlDocument doc;
    if (!Parse(doc, Part(SheetPart(sheetName))))
        return cells;
    const TiXmlElement* data = nullptr;
    for (const TiXmlElement* child = doc.RootElement()->FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        if (LocalName(child->Value()) == "sheetData")
            data = child;
    }
    if (!data)
        return cells;
    bool ordered = true;
    int lastRow = 0;
    for (const TiXmlElement* row = data->FirstChildElement(); row;
         row = row->NextSiblingElement()) {
        int rowIndex = row->Attribute("r") ? std::atoi(row->Attribute("r")) : 0;
        ordered = ordered && rowIndex > lastRow;
        lastRow = rowIndex;
        int lastColumn = 0;
        for (const TiXmlElement* c = row->FirstChildElement(); c; c = c->NextSiblingElement()) {
            if (LocalName(c->Value()) != "c")
                continue;
            int r = 0, column = 0;
            if (!c->Attribute("r") || !ParseReference(c->Attribute("r"), r, column) ||
                r != rowIndex || column <= lastColumn)
                ordered = false;
            lastColumn = column;
            CellValue value;
            value.style = c->Attribute("s") ? c->Attribute("s") : "";
            value.type = c->Attribute("t") ? c->Attribute("t") : "";
            const TiXmlElement* v = nullptr;
            const TiXmlElement* is = nullptr;
            for (const TiXmlElement* child = c->FirstChildElement(); child;
                 child = child->NextSiblingElement()) {
                if (LocalName(child->Value()) == "v")
                    v = child;
                if (LocalName(child->Value()) == "is")
                    is = child;
            }
            if (value.type == "inlineStr" && is) {
                value.text = TextOf(is);
            } else if (value.type == "s" && v && v->GetText()) {
                std::size_t index = static_cast<std::size_t>(std::atoi(v->GetText()));
                value.text = index < shared.size() ? shared[index] : "";
            } else if (v && v->GetText()) {
                value.text = v->GetText();
            }
            value.text = DecodeEscapes(value.text);
            cells[{r, column}] = value;
        }
    }
    if (ok)
        *ok = ordered;
    return cells;
}

std::string WorkbookReader::Dimension(const std::string& sheetName) const {
    TiXmlDocument doc;
    if (!Parse(doc, Part(SheetPart(sheetName))))
        return std::string();
    for (const TiXmlElement* child = doc.RootElement()->FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        if (LocalName(child->Value()) == "dimension" && child->Attribute("ref"))
            return child->Attribute("ref");
    }
    return std::string();
}

bool WriteZip(const std::string& path,
              const std::vector<std::pair<std::string, std::string>>& parts) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    for (const auto& [name, data] : parts) {
        zip_source_t* source = zip_source_buffer(archive, data.data(), data.size(), 0);
        if (!source || zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

std::vector<std::pair<std::string, std::string>> ReadZip(const std::string& path) {
    std::vector<std::pair<std::string, std::string>> parts;
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive)
        return parts;
    zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat);
        std::string data(static_cast<std::size_t>(stat.size), '\0');
        zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
        if (!file ||
            zip_fread(file, data.data(), data.size()) != static_cast<zip_int64_t>(data.size())) {
            if (file)
                zip_fclose(file);
            zip_discard(archive);
            return {};
        }
        zip_fclose(file);
        parts.emplace_back(stat.name, data);
    }
    zip_discard(archive);
    return parts;
}
