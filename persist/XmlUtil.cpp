#include "persist/XmlUtil.h"

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
    out.reserve(64 * 1024);
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

std::size_t NestingDepth(const std::string& text, std::size_t limit) {
    const std::size_t n = text.size();
    std::size_t depth = 0;
    std::size_t deepest = 0;
    std::size_t i = 0;
    auto skipPast = [&](const char* end) {
        std::size_t found = text.find(end, i);
        i = found == std::string::npos ? n : found + std::strlen(end);
    };
    while (i < n) {
        if (text[i] != '<') {
            ++i;
            continue;
        }
        if (text.compare(i, 4, "<!--") == 0) {
            i += 4;
            skipPast("-->");
        } else if (text.compare(i, 9, "<![CDATA[") == 0) {
            i += 9;
            skipPast("]]>");
        } else if (i + 1 < n && (text[i + 1] == '?' || text[i + 1] == '!')) {
            i += 2;
            skipPast(">");
        } else if (i + 1 < n && text[i + 1] == '/') {
            if (depth > 0)
                --depth;
            i += 2;
            skipPast(">");
        } else {
            // A start tag: read to its end, skipping quoted attribute values,
            // and see whether it closes itself.
            ++depth;
            if (depth > deepest) {
                deepest = depth;
                if (deepest > limit)
                    return limit + 1;
            }
            ++i;
            char quote = 0;
            char last = 0;
            for (; i < n; ++i) {
                char c = text[i];
                if (quote) {
                    if (c == quote)
                        quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '>') {
                    break;
                } else if (c == '<') {
                    // An unfinished tag: the parser will refuse it; count
                    // the next one as a tag of its own.
                    break;
                }
                last = c;
            }
            if (i < n && text[i] == '>') {
                if (last == '/')
                    --depth;
                ++i;
            }
        }
    }
    return deepest;
}

} // namespace varkel
