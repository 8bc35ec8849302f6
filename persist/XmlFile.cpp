#include "persist/XmlFile.h"

#include "model/Catalog.h"
#include "model/FileWrite.h"
#include "model/Utf8.h"
#include "persist/Gb2312.h"
#include "persist/PersistCatalog.h"
#include "persist/XmlUtil.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <tinyxml.h>
#include <unistd.h>

namespace varkel {

namespace {

// The parser's reason in the active language: its own description is
// English only, and would stand inside a Chinese message.
std::string ParserReason(int errorId) {
    static constexpr PersistMsg kReasons[] = {
        PersistMsg::XmlError,
        PersistMsg::XmlErrorOpening,
        PersistMsg::XmlErrorElement,
        PersistMsg::XmlErrorElementName,
        PersistMsg::XmlErrorElementValue,
        PersistMsg::XmlErrorAttributes,
        PersistMsg::XmlErrorEmptyTag,
        PersistMsg::XmlErrorEndTag,
        PersistMsg::XmlErrorUnknown,
        PersistMsg::XmlErrorComment,
        PersistMsg::XmlErrorDeclaration,
        PersistMsg::XmlErrorDocumentEmpty,
        PersistMsg::XmlErrorNul,
        PersistMsg::XmlErrorCdata,
        PersistMsg::XmlErrorTopOnly,
    };
    // errorId 0 is "no error"; the reasons start at the first error.
    const int at = errorId - TiXmlBase::TIXML_ERROR;
    if (at < 0 || at >= static_cast<int>(std::size(kReasons)))
        return Text(PersistMsg::XmlError);
    return Text(kReasons[at]);
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
            if (!path.empty())
                path.insert(0, 1, '\\');
            path.insert(0, value);
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

// The line, from 1, of a byte offset.
std::size_t LineAt(const std::string& text, std::size_t offset) {
    offset = std::min(offset, text.size());
    return 1 + static_cast<std::size_t>(std::count(
                   text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

// The name of the last start tag opened before an offset, for a message.
std::string TagBefore(const std::string& text, std::size_t offset) {
    std::size_t at = text.rfind('<', offset == 0 ? 0 : offset - 1);
    while (at != std::string::npos && at + 1 < text.size() &&
           (text[at + 1] == '/' || text[at + 1] == '?' || text[at + 1] == '!'))
        at = at == 0 ? std::string::npos : text.rfind('<', at - 1);
    if (at == std::string::npos)
        return "?";
    std::size_t end = at + 1;
    while (end < text.size() && end - at < 64 &&
           (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '_'))
        ++end;
    return end > at + 1 ? text.substr(at + 1, end - at - 1) : std::string("?");
}

// The character a reference at `at` ("&#") names, when it has the plain
// form a saved file uses: a few decimal digits, or 'x' and a few hex
// digits, then ';'. -1 for any other form.
long ReferenceValue(const std::string& text, std::size_t at) {
    std::size_t i = at + 2;
    const bool hex = i < text.size() && text[i] == 'x';
    if (hex)
        ++i;
    const std::size_t first = i;
    long value = 0;
    for (; i < text.size() && i - first <= 5; ++i) {
        const char c = text[i];
        unsigned digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            break;
        value = value * (hex ? 16 : 10) + digit;
    }
    const std::size_t digits = i - first;
    if (digits == 0 || digits > (hex ? 4u : 5u) || i >= text.size() || text[i] != ';')
        return -1;
    return value;
}

// What the character references of a text can bring in, in one pass.
struct References {
    // One could stand for no character (a surrogate, beyond U+10FFFF,
    // zero). References as a saved file holds them, such as &#x0D;, a few
    // digits naming a character of the basic plane, cannot, and spare the
    // walk over the whole tree.
    bool mayBreak = false;
    // Every one plainly names an ASCII character, as the line breaks of a
    // saved file do.
    bool onlyAscii = true;
};

References ScanReferences(const std::string& text) {
    References found;
    for (std::size_t at = text.find("&#");
         at != std::string::npos && (!found.mayBreak || found.onlyAscii);
         at = text.find("&#", at + 2)) {
        const long value = ReferenceValue(text, at);
        if (value <= 0 || value > 0xFFFF || (value >= 0xD800 && value <= 0xDFFF))
            found.mayBreak = true;
        if (value <= 0 || value >= 0x80)
            found.onlyAscii = false;
    }
    return found;
}

// The parser's own tab size, for the columns of its messages.
constexpr int kTabSize = 4;

} // namespace

bool ReadXmlFile(const std::string& path, TiXmlDocument& document, std::string& error,
                 FileIdentity* identity) {
    auto fail = [&](auto message, const std::string& detail = {}, const std::string& more = {},
                    const std::string& last = {}) {
        error = Text(message, {path, detail, more, last});
        return false;
    };
    // A FIFO or a device would block the read or never end it.
    bool notRegular = false;
    int openErrno = 0;
    FileIdentity opened;
    const int fd = OpenRegularFile(path, notRegular, openErrno, &opened);
    if (fd < 0)
        return notRegular ? fail(Msg::FileNotAFile)
                          : fail(PersistMsg::FileCannotOpen, SystemReason(openErrno));
    if (static_cast<unsigned long long>(opened.size) > kMaxXmlFileSize) {
        ::close(fd);
        return fail(PersistMsg::FileTooLarge);
    }
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(opened.size) + 1);
    std::size_t got = 0;
    int readErrno = 0;
    // Read one byte more than the size said, to notice a file that grew.
    while (got < bytes.size()) {
        ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            readErrno = errno;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (readErrno != 0)
        return fail(PersistMsg::FileReadFailed, SystemReason(readErrno));
    if (got > kMaxXmlFileSize || got > static_cast<std::size_t>(opened.size))
        return fail(PersistMsg::FileTooLarge);
    bytes.resize(got);
    if (bytes.empty())
        return fail(PersistMsg::FileEmpty);
    if (bytes.find('\0') != std::string::npos)
        return fail(PersistMsg::FileHoldsNul);

    std::string text;
    std::size_t bad = 0;
    bool fromCodePage = false;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        text = bytes.substr(3);
        if (!IsValidUtf8(text, &bad))
            return fail(PersistMsg::FileBadUtf8, std::to_string(bad + 3));
    } else if (std::string enc = DeclaredEncoding(bytes); enc == "utf-8" || enc == "utf8") {
        text = std::move(bytes);
        if (!IsValidUtf8(text, &bad))
            return fail(PersistMsg::FileBadUtf8, std::to_string(bad));
    } else if (!DecodeGb2312(bytes, text, &bad)) {
        return fail(PersistMsg::FileBadGb2312, std::to_string(bad),
                    std::to_string(LineAt(bytes, bad)), TagBefore(bytes, bad));
    } else {
        fromCodePage = true;
    }

    // Every element of the format carries its one Value attribute.
    const XmlShape shape = MeasureXml(text, kMaxXmlDepth, kMaxXmlAttributes);
    if (shape.depth > kMaxXmlDepth)
        return fail(PersistMsg::FileTooDeep, std::to_string(kMaxXmlDepth));
    if (const std::size_t at = shape.crowdedAt; at != std::string::npos)
        return fail(PersistMsg::FileTooManyAttributes, std::to_string(LineAt(text, at)),
                    TagBefore(text, at + 1), std::to_string(kMaxXmlAttributes));

    // A reference to no character (a surrogate, beyond U+10FFFF) leaves
    // broken text behind. The text is valid UTF-8 by now, so without such a
    // character reference there is nothing to look for.
    const References references = ScanReferences(text);
    const bool mayBreak = references.mayBreak;
    // What loads must save again: a character the code page cannot store
    // (written as a reference, or in a UTF-8 file) is refused now rather
    // than at every later save. Every character decoded from the code page
    // encodes back into it, so then only a reference can bring in another.
    const bool mayNotStore = !fromCodePage || !references.onlyAscii;
    const TiXmlElement* broken = nullptr;
    const TiXmlElement* unstorable = nullptr;
    auto parse = [&](int tabSize) {
        document.Clear();
        document.SetTabSize(tabSize);
        // The text is UTF-8 now, whatever the declaration says; only the
        // UTF-8 mode turns a character reference such as &#x6CF5; into the
        // whole character rather than its lowest byte.
        document.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
        if (document.Error())
            return false;
        broken = mayBreak ? FindBrokenText(document.FirstChildElement()) : nullptr;
        if (broken)
            return false;
        for (const TiXmlElement* e = document.FirstChildElement(); mayNotStore && e;
             e = e->NextSiblingElement())
            if ((unstorable = FindUnencodable(e)))
                return false;
        return true;
    };
    // Lines are counted only for a message that names one: counting takes
    // the parser a tenth of its time, and a file that loads needs none.
    if (!parse(0)) {
        parse(kTabSize);
        if (document.Error())
            return fail(PersistMsg::FileBadXml, ParserReason(document.ErrorId()),
                        std::to_string(document.ErrorRow()));
        if (broken)
            return fail(PersistMsg::FileBadCharReference, std::to_string(broken->Row()));
        if (unstorable)
            return fail(PersistMsg::FileCannotStoreBack, DescribeElement(unstorable),
                        std::to_string(unstorable->Row()));
    }
    if (identity)
        *identity = opened;
    return true;
}

bool WriteXmlFile(const TiXmlDocument& document, const std::string& path, std::string& error,
                  WriteGuard* guard) {
    std::string bytes;
    if (!EncodeGb2312(PrintXml(document), bytes)) {
        std::string where;
        const TiXmlElement* bad = nullptr;
        for (const TiXmlElement* e = document.FirstChildElement(); e && !bad;
             e = e->NextSiblingElement())
            bad = FindUnencodable(e);
        where = bad ? DescribeElement(bad) : std::string("?");
        error = Text(PersistMsg::FileCannotEncode, {path, where});
        return false;
    }
    std::string reason;
    if (!WriteFileAtomically(path, bytes, reason, guard)) {
        error = Text(guard && guard->changedOnDisk ? PersistMsg::FileChangedOnDisk
                                                   : PersistMsg::FileCannotWrite,
                     {path, reason});
        return false;
    }
    return true;
}

} // namespace varkel
