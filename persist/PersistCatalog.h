#pragma once
#include "model/Catalog.h"

namespace varkel {

// The texts of the file layer, Chinese and English side by side
// (PersistCatalog.cpp); Text(PersistMsg::...) gives the active language's.
enum class PersistMsg {
    // File layer
    FileCannotOpen,
    FileTooLarge,
    FileReadFailed,
    FileEmpty,
    FileHoldsNul,
    FileBadUtf8,
    FileBadGb2312,
    FileTooDeep,
    FileBadXml,
    // The XML parser's reasons, in the order of its error numbers.
    XmlError,
    XmlErrorOpening,
    XmlErrorElement,
    XmlErrorElementName,
    XmlErrorElementValue,
    XmlErrorAttributes,
    XmlErrorEmptyTag,
    XmlErrorEndTag,
    XmlErrorUnknown,
    XmlErrorComment,
    XmlErrorDeclaration,
    XmlErrorDocumentEmpty,
    XmlErrorNul,
    XmlErrorCdata,
    XmlErrorTopOnly,
    FileBadCharReference,
    FileBadNumber, // {}: element tag, {}: its owner's Value, {}: the value
    FileCannotEncode,
    FileCannotWrite,
    FileTooManyAttributes, // {}: file, {}: line, {}: element, {}: limit
    FileCannotStoreBack,   // {}: file, {}: element, {}: line
    FileChangedOnDisk,     // {}: file
    FileIncomplete,
    FileLacks,
    FileNoRoot,
    FileNoProduct,

    // Import of command lists
    ListNulByte,
    ListUtf16,
    ListBadEncoding,
    ListBadQuote,

    // Not a text: the number of identifiers above.
    Count
};

TextPair TextPairOf(PersistMsg id);

} // namespace varkel
