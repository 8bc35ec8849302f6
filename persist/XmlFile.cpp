#include "persist/XmlFile.h"

#include "model/FileWrite.h"
#include "model/TextTable.h"
#include "persist/Gb2312.h"
#include "persist/XmlUtil.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <tinyxml.h>
#include <unistd.h>

namespace varkel {

std::string PersistText(const char* chinese, const char* english) {
    return GetTextLanguage() == TextLanguage::Chinese ? chinese : english;
}

namespace {

std::string Format(const std::string& pattern, const std::string& a, const std::string& b = {},
                   const std::string& c = {}) {
    // Tiny positional formatter: %1, %2, %3; texts may hold any bytes.
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '3') {
            out += pattern[i + 1] == '1' ? a : pattern[i + 1] == '2' ? b : c;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string ToLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The encoding named by an XML declaration at the start of the text, lower
// case; empty when there is none.
std::string DeclaredEncoding(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() &&
           (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
        ++i;
    if (text.compare(i, 5, "<?xml") != 0)
        return {};
    std::size_t end = text.find("?>", i);
    if (end == std::string::npos || end - i > 1024)
        return {};
    std::string decl = text.substr(i, end - i);
    std::size_t at = decl.find("encoding");
    if (at == std::string::npos)
        return {};
    at = decl.find('=', at);
    if (at == std::string::npos)
        return {};
    ++at;
    while (at < decl.size() && (decl[at] == ' ' || decl[at] == '\t'))
        ++at;
    if (at >= decl.size() || (decl[at] != '"' && decl[at] != '\''))
        return {};
    std::size_t close = decl.find(decl[at], at + 1);
    if (close == std::string::npos)
        return {};
    return ToLower(decl.substr(at + 1, close - at - 1));
}

// Describes where in the tree an element stands, for a message: the names
// of the owning node and command and of the item, such as
// "Node(1)\03 Read Holding Registers\Mnemonic".
std::string DescribeElement(const TiXmlElement* element) {
    std::string path;
    for (const TiXmlNode* n = element; n && n->ToElement(); n = n->Parent()) {
        const std::string tag = n->Value();
        if (tag == "Item" || tag == "Node" || tag == "Command") {
            const std::string value = ValueOf(n->ToElement());
            path = path.empty() ? value : value + "\\" + path;
        }
    }
    return path.empty() ? element->Value() + std::string(" ") + ValueOf(element) : path;
}

// The first element whose tag or attribute value the code page cannot hold.
const TiXmlElement* FindUnencodable(const TiXmlElement* element) {
    std::string scratch;
    bool fine = EncodeGb2312(element->Value(), scratch);
    for (const TiXmlAttribute* a = element->FirstAttribute(); fine && a; a = a->Next())
        fine = EncodeGb2312(a->Name(), scratch) && EncodeGb2312(a->Value(), scratch);
    if (!fine)
        return element;
    for (const TiXmlElement* child = element->FirstChildElement(); child;
         child = child->NextSiblingElement())
        if (const TiXmlElement* bad = FindUnencodable(child))
            return bad;
    return nullptr;
}

// The first element, from this one on in document order, whose tag or
// attribute texts are not valid UTF-8.
const TiXmlElement* FindBrokenText(const TiXmlElement* element) {
    for (; element; element = element->NextSiblingElement()) {
        bool fine = IsValidUtf8(element->Value());
        for (const TiXmlAttribute* a = element->FirstAttribute(); fine && a; a = a->Next())
            fine = IsValidUtf8(a->Name()) && IsValidUtf8(a->Value());
        if (!fine)
            return element;
        if (const TiXmlElement* bad = FindBrokenText(element->FirstChildElement()))
            return bad;
    }
    return nullptr;
}

void CloseQuietly(int fd) {
    if (fd >= 0)
        ::close(fd);
}

} // namespace

bool ReadXmlFile(const std::string& path, TiXmlDocument& document, std::string& error) {
    auto fail = [&](const std::string& pattern, const std::string& detail = {},
                    const std::string& more = {}) {
        error = Format(pattern, path, detail, more);
        return false;
    };
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return fail(PersistText("无法打开文件\"%1\"：%2。", "Cannot open the file \"%1\": %2."),
                    SystemReason(errno));
    if (!S_ISREG(st.st_mode))
        return fail(PersistText("\"%1\"不是一个文件。", "\"%1\" is not a file."));
    if (static_cast<unsigned long long>(st.st_size) > kMaxXmlFileSize)
        return fail(PersistText("文件\"%1\"过大（超过16 MB），不是配置文件。",
                                "The file \"%1\" is too large (over 16 MB) for a configuration "
                                "file."));

    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return fail(PersistText("无法打开文件\"%1\"：%2。", "Cannot open the file \"%1\": %2."),
                    SystemReason(errno));
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t got = 0;
    // Read one byte more than the size said, to notice a file that grew.
    while (got < bytes.size()) {
        std::size_t n = std::fread(bytes.data() + got, 1, bytes.size() - got, file);
        if (n == 0)
            break;
        got += n;
    }
    bool readError = std::ferror(file) != 0;
    int readErrno = errno;
    std::fclose(file);
    if (readError)
        return fail(PersistText("读取文件\"%1\"失败：%2。", "Reading the file \"%1\" failed: %2."),
                    SystemReason(readErrno));
    if (got > kMaxXmlFileSize)
        return fail(PersistText("文件\"%1\"过大（超过16 MB），不是配置文件。",
                                "The file \"%1\" is too large (over 16 MB) for a configuration "
                                "file."));
    bytes.resize(got);
    if (bytes.empty())
        return fail(PersistText("文件\"%1\"是空的。", "The file \"%1\" is empty."));
    if (bytes.find('\0') != std::string::npos)
        return fail(PersistText("文件\"%1\"含有空字节，不是XML配置文件。",
                                "The file \"%1\" holds NUL bytes; it is not an XML "
                                "configuration file."));

    std::string text;
    std::size_t bad = 0;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        text = bytes.substr(3);
        if (!IsValidUtf8(text, &bad))
            return fail(PersistText("文件\"%1\"不是有效的UTF-8文本（第%2字节）。",
                                    "The file \"%1\" is not valid UTF-8 text (at byte %2)."),
                        std::to_string(bad + 3));
    } else if (std::string enc = DeclaredEncoding(bytes); enc == "utf-8" || enc == "utf8") {
        text = std::move(bytes);
        if (!IsValidUtf8(text, &bad))
            return fail(PersistText("文件\"%1\"不是有效的UTF-8文本（第%2字节）。",
                                    "The file \"%1\" is not valid UTF-8 text (at byte %2)."),
                        std::to_string(bad));
    } else if (!DecodeGb2312(bytes, text, &bad)) {
        return fail(PersistText("文件\"%1\"含有GB2312代码页以外的字节（第%2字节）。",
                                "The file \"%1\" holds bytes that are not GB2312 text (at byte "
                                "%2)."),
                    std::to_string(bad));
    }

    if (NestingDepth(text, kMaxXmlDepth) > kMaxXmlDepth)
        return fail(PersistText("文件\"%1\"的元素嵌套过深（超过%2层），不是配置文件。",
                                "The file \"%1\" nests its elements too deeply (over %2 levels) "
                                "for a configuration file."),
                    std::to_string(kMaxXmlDepth));

    // The text is UTF-8 now, whatever the declaration says; only the UTF-8
    // mode turns a character reference such as &#x6CF5; into the whole
    // character rather than its lowest byte.
    document.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
    if (document.Error())
        return fail(PersistText("文件\"%1\"不是有效的XML：%2（第%3行）。",
                                "The file \"%1\" is not valid XML: %2 (line %3)."),
                    document.ErrorDesc(), std::to_string(document.ErrorRow()));
    // A reference to no character (a surrogate, beyond U+10FFFF) leaves
    // broken text behind.
    if (const TiXmlElement* bad = FindBrokenText(document.FirstChildElement()))
        return fail(PersistText("文件\"%1\"不是有效的XML：字符引用不代表任何字符（第%2行）。",
                                "The file \"%1\" is not valid XML: a character reference "
                                "names no character (line %2)."),
                    std::to_string(bad->Row()));
    return true;
}

bool WriteXmlFile(const TiXmlDocument& document, const std::string& path, std::string& error) {
    std::string bytes;
    if (!EncodeGb2312(PrintXml(document), bytes)) {
        std::string where;
        const TiXmlElement* bad = nullptr;
        for (const TiXmlElement* e = document.FirstChildElement(); e && !bad;
             e = e->NextSiblingElement())
            bad = FindUnencodable(e);
        where = bad ? DescribeElement(bad) : std::string("?");
        error = Format(PersistText("无法保存文件\"%1\"：\"%2\"含有GB2312代码页不能保存的字符。",
                                   "Cannot save the file \"%1\": \"%2\" holds characters that "
                                   "the GB2312 code page cannot store."),
                       path, where);
        return false;
    }
    std::string reason;
    if (!WriteFileAtomically(path, bytes, reason)) {
        error = Format(PersistText("无法写入文件\"%1\"：%2。", "Cannot write the file \"%1\": %2."),
                       path, reason);
        return false;
    }
    return true;
}

} // namespace varkel
