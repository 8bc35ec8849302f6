#include "export/XmlScanner.h"

#include "model/Utf8.h"

#include <cstdint>
#include <string_view>

namespace varkel {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsNameEnd(char c) {
    return IsSpace(c) || c == '>' || c == '/' || c == '=';
}

} // namespace

std::string XmlTag::LocalName() const {
    std::size_t colon = name.find(':');
    return colon == std::string::npos ? name : name.substr(colon + 1);
}

std::string XmlTag::Prefix() const {
    std::size_t colon = name.find(':');
    return colon == std::string::npos ? std::string() : name.substr(0, colon + 1);
}

const std::string* XmlTag::Attribute(const std::string& qualifiedName) const {
    for (const auto& [key, value] : attributes) {
        if (key == qualifiedName)
            return &value;
    }
    return nullptr;
}

const std::string* XmlTag::AttributeByLocalName(const std::string& localName) const {
    for (const auto& [key, value] : attributes) {
        std::size_t colon = key.find(':');
        std::string local = colon == std::string::npos ? key : key.substr(colon + 1);
        if (local == localName && key.rfind("xmlns", 0) != 0)
            return &value;
    }
    return nullptr;
}

bool XmlScanner::Next(XmlTag& tag) {
    while (!failed_) {
        std::size_t lt = text_.find('<', pos_);
        if (lt == std::string::npos) {
            pos_ = text_.size();
            return false;
        }
        pos_ = lt;
        auto skipPast = [this](const char* terminator) {
            std::size_t found = text_.find(terminator, pos_);
            if (found == std::string::npos) {
                failed_ = true;
                return;
            }
            pos_ = found + std::char_traits<char>::length(terminator);
        };
        if (text_.compare(pos_, 4, "<!--") == 0) {
            skipPast("-->");
        } else if (text_.compare(pos_, 9, "<![CDATA[") == 0) {
            skipPast("]]>");
        } else if (text_.compare(pos_, 2, "<?") == 0) {
            skipPast("?>");
        } else if (text_.compare(pos_, 2, "<!") == 0) {
            // A doctype; internal subsets do not occur in workbooks.
            skipPast(">");
        } else {
            return ParseTag(tag);
        }
    }
    return false;
}

bool XmlScanner::ParseTag(XmlTag& tag) {
    tag = XmlTag();
    tag.begin = pos_;
    std::size_t p = pos_ + 1;
    const std::size_t size = text_.size();
    if (p < size && text_[p] == '/') {
        tag.closing = true;
        ++p;
    }
    std::size_t nameStart = p;
    while (p < size && !IsNameEnd(text_[p]))
        ++p;
    tag.name = text_.substr(nameStart, p - nameStart);
    if (tag.name.empty()) {
        failed_ = true;
        return false;
    }
    for (;;) {
        while (p < size && IsSpace(text_[p]))
            ++p;
        if (p >= size) {
            failed_ = true;
            return false;
        }
        if (text_[p] == '>') {
            ++p;
            break;
        }
        if (text_[p] == '/' && p + 1 < size && text_[p + 1] == '>' && !tag.closing) {
            tag.empty = true;
            p += 2;
            break;
        }
        if (tag.closing) {
            failed_ = true;
            return false;
        }
        std::size_t keyStart = p;
        while (p < size && !IsNameEnd(text_[p]))
            ++p;
        std::string key = text_.substr(keyStart, p - keyStart);
        while (p < size && IsSpace(text_[p]))
            ++p;
        if (key.empty() || p >= size || text_[p] != '=') {
            failed_ = true;
            return false;
        }
        ++p;
        while (p < size && IsSpace(text_[p]))
            ++p;
        if (p >= size || (text_[p] != '"' && text_[p] != '\'')) {
            failed_ = true;
            return false;
        }
        char quote = text_[p++];
        std::size_t close = text_.find(quote, p);
        if (close == std::string::npos) {
            failed_ = true;
            return false;
        }
        tag.attributes.emplace_back(std::move(key), XmlUnescape(text_.substr(p, close - p)));
        p = close + 1;
    }
    tag.end = p;
    pos_ = p;
    return true;
}

std::size_t XmlScanner::SkipElement(const XmlTag& start) {
    if (start.empty)
        return start.end;
    int depth = 1;
    XmlTag tag;
    while (Next(tag)) {
        if (tag.closing) {
            if (--depth == 0)
                return tag.name == start.name ? tag.end : std::string::npos;
        } else if (!tag.empty) {
            ++depth;
        }
    }
    failed_ = true;
    return std::string::npos;
}

std::string XmlEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text) {
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
        case '\r':
            // A bare CR would be turned into LF by every XML reader.
            out += "&#13;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string XmlUnescape(const std::string& text) {
    std::size_t amp = text.find('&');
    if (amp == std::string::npos)
        return text;
    std::string out = text.substr(0, amp);
    std::size_t p = amp;
    while (p < text.size()) {
        if (text[p] != '&') {
            out += text[p++];
            continue;
        }
        // A reference is short: look for its end only that far, or a long
        // run of '&' would be searched to the end once per '&'.
        std::size_t semi = std::string_view(text).substr(p, 13).find(';');
        if (semi != std::string_view::npos)
            semi += p;
        if (semi == std::string::npos || semi - p > 12) {
            out += text[p++];
            continue;
        }
        std::string entity = text.substr(p + 1, semi - p - 1);
        bool known = true;
        if (entity == "amp")
            out += '&';
        else if (entity == "lt")
            out += '<';
        else if (entity == "gt")
            out += '>';
        else if (entity == "quot")
            out += '"';
        else if (entity == "apos")
            out += '\'';
        else if (entity.size() > 1 && entity[0] == '#') {
            bool hex = entity[1] == 'x' || entity[1] == 'X';
            std::string digits = entity.substr(hex ? 2 : 1);
            std::uint32_t code = 0;
            known = !digits.empty();
            for (char d : digits) {
                int v = -1;
                if (d >= '0' && d <= '9')
                    v = d - '0';
                else if (hex && d >= 'a' && d <= 'f')
                    v = d - 'a' + 10;
                else if (hex && d >= 'A' && d <= 'F')
                    v = d - 'A' + 10;
                if (v < 0 || code > 0x10FFFF) {
                    known = false;
                    break;
                }
                code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(v);
            }
            if (known && code <= 0x10FFFF)
                AppendUtf8(out, code);
            else
                known = false;
        } else {
            known = false;
        }
        if (known) {
            p = semi + 1;
        } else {
            out += text[p++];
        }
    }
    return out;
}

} // namespace varkel
