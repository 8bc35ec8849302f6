#include "persist/XmlUtil.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <tinyxml.h>

namespace varkel {

std::string ValueOf(const TiXmlElement* element) {
    if (!element)
        return {};
    const char* value = element->Attribute("Value");
    return value ? std::string(value) : std::string();
}

const TiXmlElement* FindChildByValue(const TiXmlElement* parent, const std::string& value) {
    if (!parent)
        return nullptr;
    for (const TiXmlElement* child = parent->FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        const char* v = child->Attribute("Value");
        if (value == (v ? v : ""))
            return child;
    }
    return nullptr;
}

int NumberOf(const TiXmlElement* element, NumberFault* fault) {
    const std::string text = ValueOf(element);
    long long value = 0;
    bool ok = !text.empty() && text.size() <= 10;
    for (char c : text) {
        if (c < '0' || c > '9') {
            ok = false;
            break;
        }
        value = value * 10 + (c - '0');
    }
    if (ok && value <= INT_MAX)
        return static_cast<int>(value);
    if (fault && !fault->found) {
        fault->found = true;
        fault->tag = element ? element->Value() : "";
        const TiXmlNode* parent = element ? element->Parent() : nullptr;
        fault->owner = parent && parent->ToElement() ? ValueOf(parent->ToElement()) : "";
        fault->value = text;
    }
    return 0;
}

TiXmlElement* AppendElement(TiXmlElement* parent, const std::string& tag,
                            const std::string& value) {
    auto* element = new TiXmlElement(tag);
    element->SetAttribute("Value", value);
    parent->LinkEndChild(element);
    return element;
}

TiXmlElement* AppendElement(TiXmlElement* parent, const std::string& tag, int value) {
    return AppendElement(parent, tag, std::to_string(value));
}

void AppendEscaped(std::string& out, const std::string& value) {
    for (char ch : value) {
        auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "&#x%02X;", c);
                out += buf;
            } else {
                out += ch;
            }
        }
    }
}

namespace {

constexpr const char* kEol = "\r\n";

void Indent(std::string& out, int depth) {
    for (int i = 0; i < depth; ++i)
        out += "    ";
}

void PrintAttribute(std::string& out, const char* name, const char* value) {
    // The usual quote is the double one; a value holding one is put in
    // single quotes, as the reference printer does. Both are escaped anyway.
    const char quote = std::strchr(value, '"') ? '\'' : '"';
    out += name;
    out += '=';
    out += quote;
    AppendEscaped(out, value);
    out += quote;
}

void PrintElement(std::string& out, const TiXmlElement* element, int depth) {
    Indent(out, depth);
    out += '<';
    out += element->Value();
    for (const TiXmlAttribute* a = element->FirstAttribute(); a; a = a->Next()) {
        out += ' ';
        PrintAttribute(out, a->Name(), a->Value());
    }
    const TiXmlElement* child = element->FirstChildElement();
    if (!child) {
        out += " />";
        return;
    }
    out += '>';
    for (; child; child = child->NextSiblingElement()) {
        out += kEol;
        PrintElement(out, child, depth + 1);
    }
    out += kEol;
    Indent(out, depth);
    out += "</";
    out += element->Value();
    out += '>';
}

} // namespace

std::string PrintXml(const TiXmlDocument& document) {
    std::string out;
    out.reserve(std::size_t{64} * 1024);
    for (const TiXmlNode* node = document.FirstChild(); node; node = node->NextSibling()) {
        if (const TiXmlDeclaration* decl = node->ToDeclaration()) {
            out += "<?xml ";
            if (*decl->Version()) {
                PrintAttribute(out, "version", decl->Version());
                out += ' ';
            }
            if (*decl->Encoding()) {
                PrintAttribute(out, "encoding", decl->Encoding());
                out += ' ';
            }
            if (*decl->Standalone()) {
                PrintAttribute(out, "standalone", decl->Standalone());
                out += ' ';
            }
            out += "?>";
            out += kEol;
        } else if (const TiXmlElement* element = node->ToElement()) {
            PrintElement(out, element, 0);
            out += kEol;
        }
    }
    return out;
}

namespace {

// The measure below reads markup as TinyXML does, quirks included, so that
// nothing can hide nesting from it; wherever TinyXML gives up, it stops
// too, since nothing deeper is built after that.
class DepthReader {
public:
    explicit DepthReader(const std::string& text) : text_(text), n_(text.size()) {}

    // The offset of the first start tag with more than limit attributes.
    std::size_t FindCrowded(std::size_t limit) {
        attributeLimit_ = limit;
        Measure(static_cast<std::size_t>(-2));
        return crowdedAt_;
    }

    XmlShape Shape(std::size_t depthLimit, std::size_t attributeLimit) {
        attributeLimit_ = attributeLimit;
        XmlShape shape;
        shape.depth = Measure(depthLimit);
        shape.crowdedAt = crowdedAt_;
        return shape;
    }

    // The deepest nesting; a crowded tag is noted and read to its end.
    std::size_t Measure(std::size_t limit) {
        std::size_t depth = 0;
        std::size_t deepest = 0;
        while (SkipText('<')) {
            if (StartsWith("<?xml", true)) {
                i_ += 5;
                if (!SkipDeclaration())
                    break;
            } else if (StartsWith("<!--")) {
                SkipPast("-->", 4);
            } else if (StartsWith("<![CDATA[")) {
                SkipPast("]]>", 9);
            } else if (StartsWith("</")) {
                if (depth > 0)
                    --depth;
                SkipPast(">", 2);
            } else if (i_ + 1 < n_ && IsNameStart(text_[i_ + 1])) {
                tagAt_ = i_;
                ++depth;
                if (depth > deepest) {
                    deepest = depth;
                    if (deepest > limit)
                        return limit + 1;
                }
                ++i_;
                bool empty = false;
                if (!ReadStartTag(empty))
                    break;
                if (empty)
                    --depth;
            } else {
                // "<!", "<?" and a '<' before no name: up to the first '>'.
                SkipPast(">", 1);
            }
        }
        return deepest;
    }

private:
    static bool IsBlank(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    }
    // Letters, '_' and every byte of a multi-byte character.
    static bool IsNameStart(char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
               static_cast<unsigned char>(c) >= 127;
    }
    static bool IsNameChar(char c) {
        return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == ':';
    }

    bool StartsWith(const char* word, bool ignoreCase = false) const {
        std::size_t at = i_;
        for (std::size_t k = 0; word[k]; ++k, ++at) {
            if (at >= n_)
                return false;
            char c = text_[at];
            if (ignoreCase && c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            if (c != word[k])
                return false;
        }
        return true;
    }
    void SkipPast(const char* end, std::size_t opening) {
        std::size_t found = text_.find(end, i_ + opening);
        i_ = found == std::string::npos ? n_ : found + std::strlen(end);
    }
    // Blanks, and the byte order marks the parser takes for blanks.
    void SkipBlanks() {
        while (i_ < n_) {
            if (IsBlank(text_[i_]))
                ++i_;
            else if (text_[i_] == '\xEF' && (text_.compare(i_, 3, "\xEF\xBB\xBF") == 0 ||
                                             text_.compare(i_, 3, "\xEF\xBF\xBE") == 0 ||
                                             text_.compare(i_, 3, "\xEF\xBF\xBF") == 0))
                i_ += 3;
            else
                break;
        }
    }
    // Text up to the end character, which it stops at. A character
    // reference runs from "&#" to the first ';' after it, whatever lies
    // between, when the digits before that ';' go back to an 'x' (or '#');
    // any other reference ends the parser's reading.
    bool SkipText(char end) {
        while (i_ < n_ && text_[i_] != end) {
            // Straight to the end character or the next '&', whichever
            // comes first: nothing else matters here.
            const char* from = text_.data() + i_;
            const std::size_t left = n_ - i_;
            const void* stop = std::memchr(from, end, left);
            const std::size_t upTo =
                stop ? static_cast<std::size_t>(static_cast<const char*>(stop) - from) : left;
            const void* amp = std::memchr(from, '&', upTo);
            if (!amp) {
                i_ += upTo;
                break;
            }
            i_ += static_cast<std::size_t>(static_cast<const char*>(amp) - from);
            if (i_ + 2 >= n_ || text_[i_ + 1] != '#') {
                ++i_;
                continue;
            }
            const bool hex = text_[i_ + 2] == 'x';
            std::size_t semi = text_.find(';', i_ + (hex ? 3 : 2));
            if (semi == std::string::npos)
                return false;
            for (std::size_t q = semi - 1; text_[q] != (hex ? 'x' : '#'); --q) {
                const char c = text_[q];
                const bool digit = (c >= '0' && c <= '9') ||
                                   (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
                if (!digit)
                    return false;
            }
            i_ = semi + 1;
        }
        return i_ < n_;
    }
    bool ReadName() {
        if (i_ >= n_ || !IsNameStart(text_[i_]))
            return false;
        while (i_ < n_ && IsNameChar(text_[i_]))
            ++i_;
        return true;
    }
    // name = value, the value quoted or up to a blank, '/' or '>'.
    bool ReadAttribute() {
        SkipBlanks();
        if (!ReadName())
            return false;
        SkipBlanks();
        if (i_ >= n_ || text_[i_] != '=')
            return false;
        ++i_;
        SkipBlanks();
        if (i_ >= n_)
            return false;
        const char quote = text_[i_];
        if (quote == '"' || quote == '\'') {
            ++i_;
            if (!SkipText(quote))
                return false;
            ++i_;
            return true;
        }
        for (; i_ < n_ && !IsBlank(text_[i_]) && text_[i_] != '/' && text_[i_] != '>'; ++i_)
            if (text_[i_] == '"' || text_[i_] == '\'')
                return false;
        return i_ < n_;
    }
    // From just past '<': the name, the attributes and the end of the tag.
    bool ReadStartTag(bool& empty) {
        SkipBlanks();
        if (!ReadName())
            return false;
        for (std::size_t attributes = 0;; ++attributes) {
            if (attributes > attributeLimit_ && crowdedAt_ == std::string::npos)
                crowdedAt_ = tagAt_;
            SkipBlanks();
            if (i_ >= n_)
                return false;
            if (text_[i_] == '/') {
                if (i_ + 1 >= n_ || text_[i_ + 1] != '>')
                    return false;
                i_ += 2;
                empty = true;
                return true;
            }
            if (text_[i_] == '>') {
                ++i_;
                return true;
            }
            if (!ReadAttribute())
                return false;
        }
    }
    // From just past "<?xml": version, encoding and standalone are read as
    // attributes, anything else up to a blank or '>'.
    bool SkipDeclaration() {
        while (i_ < n_) {
            if (text_[i_] == '>') {
                ++i_;
                return true;
            }
            SkipBlanks();
            if (StartsWith("version", true) || StartsWith("encoding", true) ||
                StartsWith("standalone", true)) {
                if (!ReadAttribute())
                    return false;
            } else {
                while (i_ < n_ && text_[i_] != '>' && !IsBlank(text_[i_]))
                    ++i_;
            }
        }
        return false;
    }

    const std::string& text_;
    const std::size_t n_;
    std::size_t i_ = 0;
    std::size_t tagAt_ = 0;
    std::size_t attributeLimit_ = static_cast<std::size_t>(-1);
    std::size_t crowdedAt_ = std::string::npos;
};

} // namespace

std::size_t NestingDepth(const std::string& text, std::size_t limit) {
    return DepthReader(text).Measure(limit);
}

std::size_t FindCrowdedTag(const std::string& text, std::size_t limit) {
    return DepthReader(text).FindCrowded(limit);
}

XmlShape MeasureXml(const std::string& text, std::size_t depthLimit, std::size_t attributeLimit) {
    return DepthReader(text).Shape(depthLimit, attributeLimit);
}

} // namespace varkel
