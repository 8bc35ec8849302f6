// Saving and loading a whole configuration file.
#include "model/Catalog.h"
#include "model/FileWrite.h"
#include "model/Project.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"
#include "persist/ModelXml.h"
#include "persist/PersistCatalog.h"
#include "persist/XmlFile.h"
#include "persist/XmlUtil.h"

#include <cstdio>
#include <ctime>
#include <tinyxml.h>

namespace varkel {
namespace {

// The header's maker strings; written at every save, never read.
constexpr const char* kMakerName = "Varkel";
constexpr const char* kMakerTel = "-";
constexpr const char* kMakerAddress = "-";
constexpr const char* kMakerAuthor = "Varkel developers";

TiXmlElement* StartDocument(TiXmlDocument& document) {
    document.LinkEndChild(new TiXmlDeclaration("1.0", "gb2312", ""));
    auto* root = new TiXmlElement("Norrin");
    root->SetAttribute("Value", "Norrin");
    document.LinkEndChild(root);
    return root;
}

std::string LocalTimeText() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%4.4d-%2.2d-%2.2d %2.2d:%2.2d:%2.2d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return buf;
}

// The language element of the header, by position; nullptr when the file
// has none.
const TiXmlElement* LanguageElement(const TiXmlElement* root) {
    const TiXmlElement* product = FindChildByValue(root, "Product");
    if (!product)
        return nullptr;
    const TiXmlElement* first = product->FirstChildElement();
    return first ? first->NextSiblingElement() : nullptr;
}

// What a configuration must have before it may replace the one in memory;
// the English and Chinese description of the first missing part, or empty.
std::string MissingPart(const TiXmlElement* root) {
    auto lacks = [](const char* what) { return Text(PersistMsg::FileLacks, {what}); };
    const TiXmlElement* subnet = FindChildByValue(root, "Subnet");
    if (!subnet)
        return lacks("\"Subnet\"");
    const TiXmlElement* protocol = FindChildByValue(subnet, "ProtocalType");
    if (!protocol)
        return lacks("\"ProtocalType\"");
    if (!protocol->NextSiblingElement())
        return lacks("\"CurrentModeType\"");
    if (!FindChildByValue(protocol, "MasterModeItemList"))
        return lacks("\"MasterModeItemList\"");
    if (!FindChildByValue(protocol, "CommonModeItemList"))
        return lacks("\"CommonModeItemList\"");
    if (!FindChildByValue(subnet, "ItemList"))
        return lacks("\"Subnet\\ItemList\"");
    const TiXmlElement* fieldbus = FindChildByValue(root, "Profilebus");
    if (!fieldbus)
        return lacks("\"Profilebus\"");
    if (!fieldbus->FirstChildElement())
        return lacks("\"Profilebus\\ItemList\"");
    return {};
}

std::string FileFault(const std::string& path, const std::string& fault) {
    return Text(PersistMsg::FileIncomplete, {path, fault});
}

// Reads a file as far as its language check: the root element, or nullptr
// with the reason in err.
const TiXmlElement* ReadRoot(const std::string& path, TiXmlDocument& document, std::string& err,
                             FileIdentity* identity) {
    err.clear();
    if (!ReadXmlFile(path, document, err, identity))
        return nullptr;
    const TiXmlElement* root = document.FirstChildElement();
    if (!root) {
        err = FileFault(path, Text(PersistMsg::FileNoRoot));
        return nullptr;
    }
    if (!LanguageElement(root)) {
        err = FileFault(path, Text(PersistMsg::FileNoProduct));
        return nullptr;
    }
    if (!IsOwnLanguage(root)) {
        err = LocalText(kKeyLanguageMismatch);
        return nullptr;
    }
    return root;
}

// The whole load into a configuration of its own, which the caller takes
// over only when it is complete.
bool LoadStaged(Project& staged, const std::string& path, std::string& err,
                FileIdentity* identity) {
    TiXmlDocument document;
    const TiXmlElement* root = ReadRoot(path, document, err, identity);
    if (!root)
        return false;
    if (std::string missing = MissingPart(root); !missing.empty()) {
        err = FileFault(path, missing);
        return false;
    }
    NumberFault fault;
    LoadXml(staged.GetSubnet(), root, &fault);
    LoadXml(staged.GetFieldbus(), root, &fault);
    if (fault.found) {
        err =
            FileFault(path, Text(PersistMsg::FileBadNumber, {fault.tag, fault.owner, fault.value}));
        return false;
    }
    return true;
}

} // namespace

bool IsOwnLanguage(const TiXmlElement* root) {
    const TiXmlElement* language = LanguageElement(root);
    return language && ValueOf(language) == "Chinese";
}

bool SaveFile(const Project& project, const std::string& path, std::string* error,
              WriteGuard* guard) {
    std::string local;
    std::string& err = error ? *error : local;
    err.clear();
    TiXmlDocument document;
    TiXmlElement* root = StartDocument(document);
    SaveHeader(project, root);
    SaveProduct(project, root);
    SaveXml(project.GetSubnet(), root);
    SaveXml(project.GetFieldbus(), root);
    return WriteXmlFile(document, path, err, guard);
}

bool LoadFile(Project& project, const std::string& path, std::string* error,
              FileIdentity* identity) {
    std::string local;
    std::string& err = error ? *error : local;
    // A failure leaves the configuration in memory untouched.
    Project staged;
    FileIdentity read;
    if (!LoadStaged(staged, path, err, &read))
        return false;
    project.TakeFrom(staged);
    if (identity)
        *identity = read;
    return true;
}

bool PreloadFile(Project& staged, const std::string& path, FileIdentity* identity) {
    std::string err;
    return LoadStaged(staged, path, err, identity);
}

void SaveHeader(const Project&, TiXmlElement* root) {
    if (!root)
        return;
    TiXmlElement* company = AppendElement(root, "Company", "Company");
    AppendElement(company, "Name", kMakerName);
    AppendElement(company, "Tel", kMakerTel);
    AppendElement(company, "Address", kMakerAddress);
    AppendElement(company, "Author", kMakerAuthor);
    AppendElement(company, "Version", "1.0.0.0");
    AppendElement(company, "DateTime", LocalTimeText());
}

void SaveProduct(const Project&, TiXmlElement* root) {
    if (!root)
        return;
    TiXmlElement* product = AppendElement(root, "Product", "Product");
    AppendElement(product, "ProductName", "TRX10");
    AppendElement(product, "Language", "Chinese");
}

} // namespace varkel
