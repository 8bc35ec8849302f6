#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace varkel {

// One tag of an XML text: where it lies and what it says.
struct XmlTag {
    std::size_t begin = 0; // offset of '<'
    std::size_t end = 0;   // offset just past '>'
    std::string name;      // qualified name as written, e.g. "x:row"
    bool closing = false;  // </name>
    bool empty = false;    // <name/>
    std::vector<std::pair<std::string, std::string>> attributes; // values unescaped

    // Name without its namespace prefix.
    std::string LocalName() const;
    // Prefix with its colon ("x:"), or empty.
    std::string Prefix() const;
    // Value of the first attribute with that qualified name, or nullptr.
    const std::string* Attribute(const std::string& qualifiedName) const;
    // Value of the first attribute with that local name (any prefix).
    const std::string* AttributeByLocalName(const std::string& localName) const;
};

// Walks the tags of an XML text without building a tree, so that callers can
// rewrite some elements and copy every other byte unchanged. Text, comments,
// processing instructions, CDATA and the doctype are stepped over.
class XmlScanner {
public:
    explicit XmlScanner(const std::string& text, std::size_t start = 0)
        : text_(text), pos_(start) {}

    // The next start, end or empty tag; false at the end of the text or on
    // malformed markup (then Failed() is true).
    bool Next(XmlTag& tag);
    bool Failed() const { return failed_; }
    std::size_t Position() const { return pos_; }

    // From just past a start tag, moves past its matching end tag and
    // returns the offset just past it; npos when it is missing.
    std::size_t SkipElement(const XmlTag& start);

private:
    bool ParseTag(XmlTag& tag);

    const std::string& text_;
    std::size_t pos_;
    bool failed_ = false;
};

// Escapes text for an element's content or a double-quoted attribute value.
std::string XmlEscape(const std::string& text);
// Resolves the predefined entities and character references; malformed
// references are kept as they are.
std::string XmlUnescape(const std::string& text);

} // namespace varkel
