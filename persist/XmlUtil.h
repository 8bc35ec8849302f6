#pragma once
#include <cstddef>
#include <string>

class TiXmlDocument;
class TiXmlElement;

namespace varkel {

// The "Value" attribute of an element; empty when the element or the
// attribute is missing.
std::string ValueOf(const TiXmlElement* element);

// The first child element whose "Value" attribute equals the text byte for
// byte, whatever its tag; nullptr when none. A missing attribute counts as
// empty.
const TiXmlElement* FindChildByValue(const TiXmlElement* parent, const std::string& value);

// The first whole number of a file that the writer cannot have written:
// its element's tag, the Value of the element it belongs to and the text.
struct NumberFault {
    bool found = false;
    std::string tag;
    std::string owner;
    std::string value;
};

// The "Value" of an element that holds a whole number: decimal digits as
// the writer prints them ("%d" of a value that is never negative). Anything
// else (blanks, a sign, hex, trailing letters, a value past int) gives 0 and
// is kept in the fault, when there is one and it holds none yet.
int NumberOf(const TiXmlElement* element, NumberFault* fault);

// Appends a new element with the tag and its "Value" attribute as the last
// child of the parent and returns it.
TiXmlElement* AppendElement(TiXmlElement* parent, const std::string& tag, const std::string& value);
TiXmlElement* AppendElement(TiXmlElement* parent, const std::string& tag, int value);

// An attribute value escaped for a quoted attribute: the five XML special
// characters as entities and every byte below 0x20 as a hexadecimal
// character reference. "&" is always escaped, so a literal "&#x41;" in a
// value comes back as written.
void AppendEscaped(std::string& out, const std::string& value);

// Prints the document: the declaration, then the elements one per line,
// indented by four blanks per level, childless elements in their empty form,
// lines ended by CR LF. Only declarations and elements are printed. The
// result is UTF-8, like the texts of the tree.
std::string PrintXml(const TiXmlDocument& document);

// The deepest element nesting of an XML text, counted without building a
// tree; stops counting and answers limit + 1 as soon as the depth passes
// the limit. The parser recurses once per level, so a hostile file must be
// measured before it is parsed.
std::size_t NestingDepth(const std::string& text, std::size_t limit);

// The offset of the first start tag holding more than limit attributes, or
// npos. The parser's attribute handling takes time growing with the square
// of their number, so this too is measured before parsing.
std::size_t FindCrowdedTag(const std::string& text, std::size_t limit);

// Both measures in one reading of the text: depth as NestingDepth answers
// it with depthLimit, crowdedAt as FindCrowdedTag with attributeLimit
// (meaningless when depth passed its limit, where the reading stops).
struct XmlShape {
    std::size_t depth = 0;
    std::size_t crowdedAt = std::string::npos;
};
XmlShape MeasureXml(const std::string& text, std::size_t depthLimit, std::size_t attributeLimit);

} // namespace varkel
