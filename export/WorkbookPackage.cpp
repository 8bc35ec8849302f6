#include "export/WorkbookPackage.h"

#include "export/ExportCatalog.h"
#include "export/XmlScanner.h"
#include "export/ZipLibrary.h"
#include "model/Catalog.h"
#include "model/Utf8.h"

#include <filesystem>
#include <memory>
#include <system_error>
#include <unordered_set>

namespace varkel {

namespace {

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Removes every element with that local name whose attribute has a value
// the test accepts; the rest of the text stays as it was.
template <typename Test>
std::string RemoveElements(const std::string& xml, const std::string& localName,
                           const std::string& attribute, Test test) {
    std::string out;
    std::size_t copied = 0;
    XmlScanner scanner(xml);
    XmlTag tag;
    while (scanner.Next(tag)) {
        if (tag.closing || tag.LocalName() != localName)
            continue;
        const std::string* value = tag.Attribute(attribute);
        if (!value || !test(*value))
            continue;
        std::size_t end = scanner.SkipElement(tag);
        if (end == std::string::npos)
            return xml;
        out.append(xml, copied, tag.begin - copied);
        copied = end;
    }
    if (scanner.Failed())
        return xml;
    out.append(xml, copied, std::string::npos);
    return out;
}

struct ArchiveCloser {
    const ZipLibrary* zip;
    void operator()(zip_t* archive) const { zip->zip_discard(archive); }
};
struct FileCloser {
    const ZipLibrary* zip;
    void operator()(zip_file_t* file) const { zip->zip_fclose(file); }
};

} // namespace

WorkbookPackage::OpenResult WorkbookPackage::Open(const std::string& path, std::string& detail,
                                                  std::size_t maxTotalSize) {
    entries_.clear();
    std::error_code ec;
    auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) {
        detail = ec ? ec.message() : std::string("No such file or directory");
        return CannotRead;
    }
    if (std::filesystem::is_directory(status)) {
        detail = "Is a directory";
        return CannotRead;
    }
    // A FIFO or a device would block the archive reader.
    if (!std::filesystem::is_regular_file(status)) {
        detail = Text(Msg::FileNotAFile, {path});
        return CannotRead;
    }

    const ZipLibrary* zip = ZipLibrary::Get(detail);
    if (!zip)
        return CannotRead;
    int code = 0;
    std::unique_ptr<zip_t, ArchiveCloser> archive(zip->zip_open(path.c_str(), ZIP_RDONLY, &code),
                                                  ArchiveCloser{zip});
    if (!archive) {
        zip_error_t error;
        zip->zip_error_init_with_code(&error, code);
        detail = zip->zip_error_strerror(&error);
        zip->zip_error_fini(&error);
        return code == ZIP_ER_NOENT || code == ZIP_ER_OPEN || code == ZIP_ER_READ ? CannotRead
                                                                                  : NotPackage;
    }
    const zip_int64_t count = zip->zip_get_num_entries(archive.get(), 0);
    if (count < 0 || static_cast<zip_uint64_t>(count) > kMaxParts) {
        detail = Text(ExportMsg::ExportTooManyParts);
        return NotPackage;
    }
    std::size_t total = 0;
    // Names read so far, so that a package of many entries is not searched
    // once per entry.
    std::unordered_set<std::string> names;
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        const char* name = zip->zip_get_name(archive.get(), index, 0);
        if (!name) {
            detail = zip->zip_strerror(archive.get());
            return NotPackage;
        }
        Entry entry;
        entry.name = name;
        // Part names compare without ASCII case: of two entries with one
        // name, no reader can say which is the part.
        std::string key = entry.name;
        for (char& c : key)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        if (!names.insert(key).second) {
            detail = Text(ExportMsg::ListDuplicatePart, {EscapedText(entry.name)});
            return NotPackage;
        }
        zip_stat_t stat;
        if (zip->zip_stat_index(archive.get(), index, 0, &stat) != 0) {
            detail = zip->zip_strerror(archive.get());
            return NotPackage;
        }
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
            detail = Text(ExportMsg::ListPartEncrypted);
            return Encrypted;
        }
        if ((stat.valid & ZIP_STAT_SIZE) && stat.size > maxTotalSize - total) {
            detail = Text(ExportMsg::ExportPackageTooLarge);
            return TooLarge;
        }
        if (!EndsWith(entry.name, "/")) {
            std::unique_ptr<zip_file_t, FileCloser> file(
                zip->zip_fopen_index(archive.get(), index, 0), FileCloser{zip});
            if (!file) {
                detail = zip->zip_strerror(archive.get());
                return NotPackage;
            }
            char buffer[65536];
            for (;;) {
                zip_int64_t got = zip->zip_fread(file.get(), buffer, sizeof buffer);
                if (got < 0) {
                    detail = zip->zip_file_strerror(file.get());
                    return NotPackage;
                }
                if (got == 0)
                    break;
                total += static_cast<std::size_t>(got);
                if (total > maxTotalSize) {
                    detail = Text(ExportMsg::ExportPackageTooLarge);
                    return TooLarge;
                }
                entry.data.append(buffer, static_cast<std::size_t>(got));
            }
        }
        entries_.push_back(std::move(entry));
    }
    return Opened;
}

void WorkbookPackage::AddPart(const std::string& name, const std::string& data) {
    if (Entry* entry = FindEntry(name))
        entry->data = data;
    else
        entries_.push_back({name, data});
}

WorkbookPackage::Entry* WorkbookPackage::FindEntry(const std::string& name) {
    return const_cast<Entry*>(static_cast<const WorkbookPackage*>(this)->FindEntry(name));
}

const WorkbookPackage::Entry* WorkbookPackage::FindEntry(const std::string& name) const {
    for (const Entry& entry : entries_) {
        if (entry.name == name)
            return &entry;
    }
    for (const Entry& entry : entries_) {
        if (EqualIgnoringCase(entry.name, name))
            return &entry;
    }
    return nullptr;
}

const std::string* WorkbookPackage::Part(const std::string& name) const {
    const Entry* entry = FindEntry(name);
    return entry ? &entry->data : nullptr;
}

bool WorkbookPackage::SetPart(const std::string& name, const std::string& data) {
    Entry* entry = FindEntry(name);
    if (!entry)
        return false;
    entry->data = data;
    return true;
}

bool WorkbookPackage::RemovePart(const std::string& name) {
    const Entry* entry = FindEntry(name);
    if (!entry)
        return false;
    entries_.erase(entries_.begin() + (entry - entries_.data()));
    return true;
}

std::vector<std::string> WorkbookPackage::PartNames() const {
    std::vector<std::string> names;
    for (const Entry& entry : entries_)
        names.push_back(entry.name);
    return names;
}

std::string WorkbookPackage::RelationshipsPart(const std::string& part) {
    std::size_t slash = part.rfind('/');
    if (slash == std::string::npos)
        return "_rels/" + part + ".rels";
    return part.substr(0, slash + 1) + "_rels/" + part.substr(slash + 1) + ".rels";
}

std::string WorkbookPackage::ResolveTarget(const std::string& sourcePart,
                                           const std::string& target) {
    std::string path;
    if (!target.empty() && target[0] == '/') {
        path = target.substr(1);
    } else {
        std::size_t slash = sourcePart.rfind('/');
        path =
            (slash == std::string::npos ? std::string() : sourcePart.substr(0, slash + 1)) + target;
    }
    // Fold "." and ".." segments.
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t slash = path.find('/', start);
        if (slash == std::string::npos)
            slash = path.size();
        std::string segment = path.substr(start, slash - start);
        if (segment == "..") {
            if (!segments.empty())
                segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = slash + 1;
    }
    std::string resolved;
    for (const std::string& segment : segments) {
        if (!resolved.empty())
            resolved += '/';
        resolved += segment;
    }
    return resolved;
}

std::string WorkbookPackage::RelationshipTarget(const std::string& sourcePart,
                                                const std::string& typeSuffix) const {
    const std::string* rels = Part(RelationshipsPart(sourcePart));
    if (!rels)
        return std::string();
    XmlScanner scanner(*rels);
    XmlTag tag;
    while (scanner.Next(tag)) {
        if (tag.closing || tag.LocalName() != "Relationship")
            continue;
        const std::string* type = tag.Attribute("Type");
        const std::string* target = tag.Attribute("Target");
        const std::string* mode = tag.Attribute("TargetMode");
        if (type && target && EndsWith(*type, typeSuffix) && !(mode && *mode == "External"))
            return ResolveTarget(sourcePart, *target);
    }
    return std::string();
}

std::string WorkbookPackage::WorkbookPart() const {
    std::string part = RelationshipTarget("", "/officeDocument");
    if (part.empty())
        part = "xl/workbook.xml";
    return Part(part) ? part : std::string();
}

std::string WorkbookPackage::FindSheet(const std::string& sheetName) const {
    const std::string workbook = WorkbookPart();
    if (workbook.empty())
        return std::string();
    const std::string& workbookXml = *Part(workbook);

    // The relationship id of the sheet; a name differing only in ASCII
    // case is taken when there is no exact one, as spreadsheet programs
    // treat sheet names.
    std::string id, idIgnoringCase;
    XmlScanner scanner(workbookXml);
    XmlTag tag;
    while (scanner.Next(tag)) {
        if (tag.closing || tag.LocalName() != "sheet")
            continue;
        const std::string* name = tag.Attribute("name");
        const std::string* relationship = nullptr;
        for (const auto& [key, value] : tag.attributes) {
            if (EndsWith(key, ":id"))
                relationship = &value;
        }
        if (!name || !relationship)
            continue;
        if (*name == sheetName) {
            id = *relationship;
            break;
        }
        if (idIgnoringCase.empty() && EqualIgnoringCase(*name, sheetName))
            idIgnoringCase = *relationship;
    }
    if (id.empty())
        id = idIgnoringCase;
    if (id.empty())
        return std::string();

    const std::string* rels = Part(RelationshipsPart(workbook));
    if (!rels)
        return std::string();
    XmlScanner relsScanner(*rels);
    while (relsScanner.Next(tag)) {
        if (tag.closing || tag.LocalName() != "Relationship")
            continue;
        const std::string* relId = tag.Attribute("Id");
        const std::string* target = tag.Attribute("Target");
        if (relId && target && *relId == id) {
            std::string part = ResolveTarget(workbook, *target);
            const Entry* entry = FindEntry(part);
            return entry ? entry->name : std::string();
        }
    }
    return std::string();
}

std::vector<std::string> WorkbookPackage::SheetNames() const {
    std::vector<std::string> names;
    const std::string workbook = WorkbookPart();
    if (workbook.empty())
        return names;
    XmlScanner scanner(*Part(workbook));
    XmlTag tag;
    while (scanner.Next(tag)) {
        if (tag.closing || tag.LocalName() != "sheet")
            continue;
        if (const std::string* name = tag.Attribute("name"))
            names.push_back(*name);
    }
    return names;
}

void WorkbookPackage::DropCalcChain() {
    const std::string workbook = WorkbookPart();
    if (workbook.empty())
        return;
    std::string chain = RelationshipTarget(workbook, "/calcChain");
    if (chain.empty() && Part("xl/calcChain.xml"))
        chain = "xl/calcChain.xml";
    if (chain.empty())
        return;
    if (const Entry* entry = FindEntry(chain))
        chain = entry->name;
    RemovePart(chain);

    const std::string relsPart = RelationshipsPart(workbook);
    if (const std::string* rels = Part(relsPart)) {
        SetPart(relsPart, RemoveElements(*rels, "Relationship", "Type", [](const std::string& v) {
                    return EndsWith(v, "/calcChain");
                }));
    }
    if (const std::string* types = Part("[Content_Types].xml")) {
        const std::string partName = "/" + chain;
        SetPart("[Content_Types].xml",
                RemoveElements(*types, "Override", "PartName", [&](const std::string& v) {
                    return EqualIgnoringCase(v, partName);
                }));
    }
}

bool WorkbookPackage::Write(std::string& bytes, std::string& detail) const {
    const ZipLibrary* zip = ZipLibrary::Get(detail);
    if (!zip)
        return false;
    zip_error_t error;
    zip->zip_error_init(&error);
    zip_source_t* memory = zip->zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!memory) {
        detail = zip->zip_error_strerror(&error);
        zip->zip_error_fini(&error);
        return false;
    }
    // The source must outlive the archive, which writes into it on close.
    zip->zip_source_keep(memory);
    zip_t* archive = zip->zip_open_from_source(memory, ZIP_TRUNCATE, &error);
    if (!archive) {
        detail = zip->zip_error_strerror(&error);
        zip->zip_error_fini(&error);
        zip->zip_source_free(memory);
        return false;
    }
    bool ok = true;
    for (const Entry& entry : entries_) {
        if (EndsWith(entry.name, "/")) {
            if (zip->zip_dir_add(archive, entry.name.c_str(), ZIP_FL_ENC_UTF_8) < 0)
                ok = false;
        } else {
            zip_source_t* data =
                zip->zip_source_buffer(archive, entry.data.data(), entry.data.size(), 0);
            if (!data) {
                ok = false;
            } else if (zip->zip_file_add(archive, entry.name.c_str(), data, ZIP_FL_ENC_UTF_8) < 0) {
                zip->zip_source_free(data);
                ok = false;
            }
        }
        if (!ok) {
            detail = zip->zip_strerror(archive);
            break;
        }
    }
    if (!ok) {
        zip->zip_discard(archive);
        zip->zip_source_free(memory);
        zip->zip_error_fini(&error);
        return false;
    }
    if (zip->zip_close(archive) != 0) {
        detail = zip->zip_strerror(archive);
        zip->zip_discard(archive);
        zip->zip_source_free(memory);
        zip->zip_error_fini(&error);
        return false;
    }

    bytes.clear();
    if (zip->zip_source_open(memory) != 0) {
        detail = zip->zip_error_strerror(zip->zip_source_error(memory));
        zip->zip_source_free(memory);
        zip->zip_error_fini(&error);
        return false;
    }
    char buffer[65536];
    zip_int64_t got;
    while ((got = zip->zip_source_read(memory, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, static_cast<std::size_t>(got));
    if (got < 0) {
        detail = zip->zip_error_strerror(zip->zip_source_error(memory));
        ok = false;
    }
    zip->zip_source_close(memory);
    zip->zip_source_free(memory);
    zip->zip_error_fini(&error);
    return ok;
}

} // namespace varkel
