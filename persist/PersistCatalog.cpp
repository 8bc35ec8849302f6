#include "persist/PersistCatalog.h"

namespace varkel {

// One case a text, Chinese first. The switch has no default, so the compiler
// names any identifier that has no text.
// clang-format off
TextPair TextPairOf(PersistMsg id) {
    switch (id) {
    // File layer
    case PersistMsg::FileCannotOpen: return {"无法打开文件\"{}\"：{}。", "Cannot open the file \"{}\": {}."};
    case PersistMsg::FileTooLarge:
        return {"文件\"{}\"过大（超过16 MB），不是配置文件。",
                "The file \"{}\" is too large (over 16 MB) for a configuration file."};
    case PersistMsg::FileReadFailed: return {"读取文件\"{}\"失败：{}。", "Reading the file \"{}\" failed: {}."};
    case PersistMsg::FileEmpty: return {"文件\"{}\"是空的。", "The file \"{}\" is empty."};
    case PersistMsg::FileHoldsNul:
        return {"文件\"{}\"含有空字节，不是XML配置文件。",
                "The file \"{}\" holds NUL bytes; it is not an XML configuration file."};
    case PersistMsg::FileBadUtf8:
        return {"文件\"{}\"不是有效的UTF-8文本（第{}字节）。",
                "The file \"{}\" is not valid UTF-8 text (at byte {})."};
    case PersistMsg::FileBadGb2312:
        return {"文件\"{}\"含有GB2312代码页以外的字节，保存时无法写回（第{}字节，第{}行，元素\"{}\"）。",
                "The file \"{}\" holds bytes that are not GB2312 text and could not be saved back (at byte {}, line {}, element \"{}\")."};
    case PersistMsg::FileTooDeep:
        return {"文件\"{}\"的元素嵌套过深（超过{}层），不是配置文件。",
                "The file \"{}\" nests its elements too deeply (over {} levels) for a configuration file."};
    case PersistMsg::FileBadXml:
        return {"文件\"{}\"不是有效的XML：{}（第{}行）。",
                "The file \"{}\" is not valid XML: {} (line {})."};
    case PersistMsg::XmlError: return {"XML 错误", "XML error"};
    case PersistMsg::XmlErrorOpening: return {"无法打开文件", "the file cannot be opened"};
    case PersistMsg::XmlErrorElement: return {"元素无法解析", "an element cannot be read"};
    case PersistMsg::XmlErrorElementName: return {"元素名无法读取", "an element name cannot be read"};
    case PersistMsg::XmlErrorElementValue: return {"元素的内容无法读取", "an element's content cannot be read"};
    case PersistMsg::XmlErrorAttributes: return {"属性无法读取", "the attributes cannot be read"};
    case PersistMsg::XmlErrorEmptyTag: return {"空标签无法解析", "an empty tag cannot be read"};
    case PersistMsg::XmlErrorEndTag: return {"结束标签无法读取", "an end tag cannot be read"};
    case PersistMsg::XmlErrorUnknown: return {"无法识别的内容", "content that is no XML"};
    case PersistMsg::XmlErrorComment: return {"注释无法解析", "a comment cannot be read"};
    case PersistMsg::XmlErrorDeclaration: return {"XML 声明无法解析", "the XML declaration cannot be read"};
    case PersistMsg::XmlErrorDocumentEmpty: return {"文档为空", "the document is empty"};
    case PersistMsg::XmlErrorNul: return {"含有空字符", "it holds a NUL character"};
    case PersistMsg::XmlErrorCdata: return {"CDATA 段无法解析", "a CDATA section cannot be read"};
    case PersistMsg::XmlErrorTopOnly: return {"只能在文档顶层添加", "only the document's top level may hold it"};
    case PersistMsg::FileBadCharReference:
        return {"文件\"{}\"不是有效的XML：字符引用不代表任何字符（第{}行）。",
                "The file \"{}\" is not valid XML: a character reference names no character (line {})."};
    case PersistMsg::FileBadNumber: return {"的元素\"{}\"(属于\"{}\")的值\"{}\"不是十进制整数", "has element \"{}\" of \"{}\" holding \"{}\", not a decimal whole number"};
    case PersistMsg::FileCannotEncode:
        return {"无法保存文件\"{}\"：\"{}\"含有GB2312代码页不能保存的字符。",
                "Cannot save the file \"{}\": \"{}\" holds characters that the GB2312 code page cannot store."};
    case PersistMsg::FileCannotWrite: return {"无法写入文件\"{}\"：{}。", "Cannot write the file \"{}\": {}."};
    case PersistMsg::FileTooManyAttributes:
        return {"文件\"{}\"第{}行的元素\"{}\"属性过多（配置文件的元素最多{}个属性）。",
                "The file \"{}\" has an element with too many attributes at line {} (\"{}\"; a configuration element has at most {})."};
    case PersistMsg::FileCannotStoreBack:
        return {"文件\"{}\"保存时无法写回：\"{}\"（第{}行）含有GB2312代码页不能保存的字符。",
                "The file \"{}\" could not be saved back: \"{}\" (line {}) holds characters that the GB2312 code page cannot store."};
    case PersistMsg::FileChangedOnDisk:
        return {"文件\"{}\"在读取后已被其他程序修改，未保存，以免丢失其修改。",
                "The file \"{}\" changed on disk since it was read; not saved, so that the other change is not lost."};
    case PersistMsg::FileIncomplete:
        return {"文件\"{}\"{}，不是完整的配置文件。",
                "The file \"{}\" {}; it is not a complete configuration file."};
    case PersistMsg::FileLacks: return {"缺少{}", "lacks {}"};
    case PersistMsg::FileNoRoot: return {"没有根元素", "has no root element"};
    case PersistMsg::FileNoProduct: return {"缺少\"Product\"及其语言", "lacks \"Product\" with its language"};

    // Import of command lists
    case PersistMsg::ListNulByte: return {"{} 含有 NUL 字节, 不是文本文件", "{} contains a NUL byte and is no text file"};
    case PersistMsg::ListUtf16: return {"{} 是 UTF-16 编码; 请另存为 UTF-8 或 GB18030", "{} is UTF-16 text; save it as UTF-8 or GB18030"};
    case PersistMsg::ListBadEncoding: return {"{} 既不是 UTF-8 也不是 GB18030 文本 (第 {} 字节)", "{} is neither UTF-8 nor GB18030 text (byte {})"};
    case PersistMsg::ListBadQuote: return {"{} 第 {} 行: 引号字段未结束或格式错误", "{} row {}: a quoted field is not closed or is malformed"};

    case PersistMsg::Count: break;
    }
    return {"", ""};
}
// clang-format on

} // namespace varkel
