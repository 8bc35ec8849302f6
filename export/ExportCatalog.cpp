#include "export/ExportCatalog.h"

namespace varkel {

// One case a text, Chinese first. The switch has no default, so the compiler
// names any identifier that has no text.
// clang-format off
TextPair TextPairOf(ExportMsg id) {
    switch (id) {
    // Spreadsheet export
    case ExportMsg::ExportTemplateUnreadable:
        return {"无法读取模板工作簿：{}（{}）",
                "Cannot read the template workbook {} ({})"};
    case ExportMsg::ExportTemplateInvalid:
        return {"模板文件不是有效的工作簿（.xlsx）：{}（{}）",
                "The template is not a valid workbook (.xlsx): {} ({})"};
    case ExportMsg::ExportSheetMissing:
        return {"模板工作簿中没有名为“{}”的工作表：{}",
                "The template workbook has no sheet named \"{}\": {}"};
    case ExportMsg::ExportCannotWrite: return {"无法写入工作簿：{}（{}）", "Cannot write the workbook {} ({})"};
    case ExportMsg::ExportNoWorkbookPart: return {"缺少工作簿部件", "no workbook part"};
    case ExportMsg::ExportCannotReadSheet: return {"无法读取工作表 {}", "cannot read sheet {}"};
    case ExportMsg::ExportTooManyParts: return {"部件过多", "too many parts"};
    case ExportMsg::ExportPackageTooLarge: return {"内容过大", "too large"};
    case ExportMsg::ExportNoZipLibrary:
        return {"无法加载压缩库 {}：{}。请安装软件包 {}。",
                "cannot load the zip library {}: {}. Install the package {}."};

    // Timing estimate and I/O list
    case ExportMsg::IoListSheetTitle: return {"IO 列表", "IO list"}; // "/" is not allowed in a sheet name

    // PLC tag tables
    case ExportMsg::PlcTagsWriteFailed: return {"无法写入 PLC 标签表 {}: {}", "Cannot write the PLC tag table {}: {}"};

    // Import of command lists
    case ExportMsg::ListNotWorkbook: return {"{} 不是可读的 .xlsx 工作簿 ({})", "{} is not a readable .xlsx workbook ({})"};
    case ExportMsg::ListEncrypted: return {"{} 已加密或是旧的二进制格式 (.xls); 请另存为无密码的 .xlsx 工作簿或 CSV", "{} is encrypted or in the old binary format (.xls); save it as an .xlsx workbook without a password, or as CSV"};
    case ExportMsg::ListPartEncrypted: return {"部件需要密码", "a part needs a password"};
    case ExportMsg::ListMacros: return {"{} 含有宏; 请另存为普通的 .xlsx 工作簿", "{} contains macros; save it as a plain .xlsx workbook"};
    case ExportMsg::ListNoSheet: return {"{} 中没有工作表", "{} holds no worksheet"};
    case ExportMsg::ListMalformed: return {"{} 中的 {} 不是格式正确的 XML", "The part {} of {} is not well-formed XML"};
    case ExportMsg::ListDuplicatePart: return {"有两个条目都名为 {}, 无法确定用哪一个", "two entries are named {}, so which one is meant is ambiguous"};
    case ExportMsg::ListRowNumber: return {"{}: 行号 \"{}\" 不在 1 到 {} 之间", "{}: the row number \"{}\" is not from 1 to {}"};
    case ExportMsg::ListRowTwice: return {"{}: 第 {} 行出现两次", "{}: row {} comes twice"};
    case ExportMsg::ListRowOrder: return {"{}: 第 {} 行排在第 {} 行之后", "{}: row {} comes after row {}"};
    case ExportMsg::ListCellReference: return {"{} 第 {} 行: \"{}\" 不是单元格引用 (A1 到 XFD1048576)", "{} row {}: \"{}\" is no cell reference (A1 to XFD1048576)"};
    case ExportMsg::ListCellOutsideRow: return {"{} 第 {} 行: 单元格 \"{}\" 不在这一行中", "{} row {}: the cell \"{}\" lies outside its row"};
    case ExportMsg::ListCellTwice: return {"{}: 单元格 {} 出现两次", "{}: cell {} comes twice"};
    case ExportMsg::ListCellOrder: return {"{}: 单元格 {} 排在单元格 {} 之后", "{}: cell {} comes after cell {}"};
    case ExportMsg::ListSharedIndex: return {"{} 单元格 {}: 共享字符串 \"{}\" 不存在 (工作簿共有 {} 个)", "{} cell {}: shared string \"{}\" does not exist (the workbook holds {})"};
    case ExportMsg::ListSharedMissing: return {"{} 单元格 {}: 引用共享字符串 \"{}\", 但工作簿没有共享字符串部件", "{} cell {}: refers to shared string \"{}\", but the workbook has no shared strings part"};

    case ExportMsg::Count: break;
    }
    return {"", ""};
}
// clang-format on

} // namespace varkel
