#include "model/Catalog.h"

#include "model/TextTable.h"

namespace varkel {

// One case a text, Chinese first. The switch has no default, so the compiler
// names any identifier that has no text.
// clang-format off
TextPair TextPairOf(Msg id) {
    switch (id) {
    // Common
    case Msg::UnknownError: return {"未知错误", "Unknown error"};

    // Configuration model (model/)
    case Msg::ItemEmpty: return {"\"{}\"中数据为空", "\"{}\" holds no data"};
    case Msg::MappingConflictPair:
        return {"%s和%s地址映射地址冲突!\r\n%s映射地址为%4.4x+偏移量(%x),所占内存bit位为:%x\r\n%s映射地址为%4.4x+偏移量(%x),所占内存bit位为:%x",
                "The mapping addresses of %s and %s conflict!\r\n%s maps to %4.4x+offset(%x), memory bits used: %x\r\n%s maps to %4.4x+offset(%x), memory bits used: %x"};
    case Msg::CheckInputBits: return {"输入存储区位 {}", "input memory bits {}"};
    case Msg::CheckOutputBits: return {"输出存储区位 {}", "output memory bits {}"};
    case Msg::CheckBeyondInput: return {"超出输入存储区 00A7H", "beyond the input memory (00A7H)"};
    case Msg::CheckBeyondOutput: return {"超出输出存储区 40A7H", "beyond the output memory (40A7H)"};
    case Msg::CheckRangesOverlap: return {"映射地址范围重叠", "mapping ranges overlap"};
    case Msg::CheckTooManyCommands:
        return {"命令数{}超过网关的上限{}", "{} commands, over the gateway's limit of {}"};
    case Msg::CheckConflictsSummary:
        return {"共{}对命令映射地址冲突, 只列出前{}对", "{} pairs of commands conflict in all; the first {} are listed"};

    // File layer (persist/)
    case Msg::FileNotAFile: return {"\"{}\"不是一个文件。", "\"{}\" is not a file."};
    case Msg::FileFolderBusy:
        return {"另一个 Varkel 程序一直在该文件夹中写入", "another Varkel program kept writing in its folder"};

    // Gateway link (link/)
    case Msg::LinkPermissionHint:
        return {"没有使用 {} 的权限。请把当前用户加入拥有该设备的用户组 \"{}\"（例如：sudo usermod -aG {} $USER），然后重新登录。",
                "You have no permission to use {}. Add your user to the group \"{}\" that owns it (for example: sudo usermod -aG {} $USER), then log out and in again."};
    case Msg::LinkPermissionHintNoGroup:
        return {"没有使用 {} 的权限。请让管理员给予读写权限。",
                "You have no permission to use {}. Ask the administrator for read and write access to it."};
    case Msg::LinkPortBusy: return {"{} 正被其他程序或传输占用。", "{} is in use by another program or transfer."};
    case Msg::LinkPortMissing: return {"{} 不存在。", "{} does not exist."};
    case Msg::LinkPortNotTerminal:
        return {"{} 不是串口：它是{}。", "{} is not a serial port: it is {}."};
    case Msg::LinkPortSettings:
        return {"{} 不接受串口参数（{}）。", "{} did not take the line settings ({})."};
    case Msg::LinkNoPortGiven: return {"没有指定串口。", "No serial port was given."};
    case Msg::PortKindFifo: return {"命名管道（FIFO）", "a named pipe (FIFO)"};
    case Msg::PortKindFile: return {"普通文件", "a regular file"};
    case Msg::PortKindFolder: return {"文件夹", "a folder"};
    case Msg::PortKindSocket: return {"套接字", "a socket"};
    case Msg::PortKindDevice: return {"不是终端的设备", "a device that is not a terminal"};
    case Msg::LinkRefusedUpload: return {"网关中保存了编辑器不会接受的数值：", "The gateway holds values the editor would refuse:"};

    // a transfer stopped by the user, or never answered
    case Msg::LinkCancelled: return {"已被用户取消", "Cancelled by the user"};

    // Keyboard operation and the editor's own messages (ui/)
    case Msg::EditValueOutOfRange: return {"{}：{} 超出范围 {}", "{}: {} is out of range {}"};
    case Msg::EditValueRefused: return {"{}：\"{}\" — {}", "{}: \"{}\" — {}"};
    case Msg::EditValueRefusedRange:
        return {"{}：\"{}\" — {}（可接受：{}）", "{}: \"{}\" — {} (accepted: {})"};

    // Commissioning probe (probe/)
    case Msg::ProbeWriteChecked: return {"写命令: 仅读取其目标 (功能码 {}), 不写入", "write command: its target read with code {}, nothing written"};
    case Msg::ProbeInputMemory: return {"输入", "input"};
    case Msg::ProbeOutputMemory: return {"输出", "output"};
    case Msg::ProbeEstimateLine: return {"估算轮询周期 {} ms", "estimated polling cycle {} ms"};
    case Msg::ProbeImageTitle: return {"输入存储区 (Profibus 主站读取的 168 字节)", "Input memory (the 168 bytes the Profibus master reads)"};
    case Msg::ProbeImageUnfilled: return {"-- 未被任何命令填充", "-- filled by no command"};
    case Msg::ProbeImageNote: return {"字节交换按本工具的解释: 不交换 = 寄存器高字节在前; 二字节交换 = 每个寄存器两字节互换; 四字节交换 = 每四字节倒序 (A B C D 存为 D C B A)。", "Byte swapping as this tool interprets the gateway: no swapping = each register's high byte first; two bytes swapping = the two bytes of each register exchanged; four bytes swapping = each group of four bytes reversed (A B C D stored as D C B A)."};
    case Msg::ProbeProblemsTitle: return {"配置不能测试:", "The configuration cannot be tested:"};
    case Msg::ProbeStopped: return {"已停止", "Stopped"};
    case Msg::ProbeHeaderStatus: return {"状态", "Status"};
    case Msg::ProbeHeaderMemory: return {"存储位置", "Memory"};
    case Msg::ProbeHeaderCount: return {"个数", "Count"};
    case Msg::ProbeFramingNotCarried:
        return {"{}：虚拟线路不传送奇偶校验和数据位，测试照常进行",
                "{}: parity and data bits are not carried by a virtual line; the test goes on"};

    // Timing estimate and I/O list
    case Msg::EstimateUniversalMode: return {"通用模式: 网关不轮询从站, 没有可估算的轮询周期", "Universal mode: the gateway polls no slave, so there is no polling cycle to estimate"};
    case Msg::EstimateUnknownBaudRate: return {"波特率不是网关提供的值, 无法估算轮询周期", "The baud rate is not one the gateway offers: no polling cycle can be estimated"};
    case Msg::EstimateSummary: return {"估算快速扫描周期 {} ms, 慢速扫描周期 {} ms, 从站不应答时 {} ms", "Estimated quick-scan cycle {} ms, slow-scan cycle {} ms, {} ms when no slave answers"};
    case Msg::EstimateTimeoutTooShort: return {"响应等待时间 ({} ms) 短于最长应答在线路上所需的时间 ({} ms, {} 波特)", "The response timeout ({} ms) is shorter than the longest reply takes on the line ({} ms at {} baud)"};
    case Msg::EstimateCycleTooLong: return {"估算的快速扫描周期 ({} ms) 超过一秒", "The estimated quick-scan cycle ({} ms) is above one second"};
    case Msg::IoListOutsideMemory: return {"{} 个数据元素位于存储区之外, 未列入 I/O 列表", "{} data elements lie outside the memory and are not in the I/O list"};
    case Msg::IoListWritten: return {"I/O 列表已写入 {} ({} 行)", "I/O list written to {} ({} rows)"};

    // PLC tag tables (model/, export/, cli/)
    case Msg::PlcTagComment: return {"从站 {}, 功能码 {}, Modbus 地址 {}, 命令 {} ({})", "Slave {}, function {}, Modbus address {}, command {} ({})"};
    case Msg::PlcTagSwapTwoWord: return {"二字节交换: 寄存器的字节 A B 存为 B A, PLC 须交换两字节才得到寄存器的值", "two bytes swapping: the register's bytes A B lie as B A, the PLC must exchange them to get the register's value"};
    case Msg::PlcTagSwapTwoPair: return {"二字节交换: 寄存器的字节 A B C D 存为 B A D C, PLC 须按 BADC 顺序读取才得到寄存器的值", "two bytes swapping: the registers' bytes A B C D lie as B A D C, the PLC must read them in the order BADC to get the registers' value"};
    case Msg::PlcTagSwapFourPair: return {"四字节交换: 寄存器的字节 A B C D 存为 D C B A, PLC 须按 DCBA 顺序读取才得到寄存器的值", "four bytes swapping: the registers' bytes A B C D lie as D C B A, the PLC must read them in the order DCBA to get the registers' value"};
    case Msg::PlcTagSwapFourWord: return {"四字节交换: 此字存放 Modbus 地址 {} 的寄存器, 两字节已互换", "four bytes swapping: this word holds the register at Modbus address {} with its two bytes exchanged"};
    case Msg::PlcTagOddComment: return {"寄存器个数为奇数, 最后一个寄存器为 WORD", "odd register count: the last register is a WORD"};
    case Msg::PlcTagOddNote: return {"命令 {} 的寄存器个数为奇数 ({}): 最后一个寄存器作为 WORD 列出", "Command {} has an odd register count ({}): its last register is listed as a WORD"};
    case Msg::PlcTagNoCommand: return {"没有命令 {} (命令从 1 数到 {})", "There is no command {} (commands count from 1 to {})"};
    case Msg::PlcTagNotRegisters: return {"命令 {} 不读写寄存器: 只有寄存器命令 (功能码 3, 4, 6, 16) 可以指定类型", "Command {} has no registers: only register commands (functions 3, 4, 6, 16) take a type"};
    case Msg::PlcTagUnreachable: return {"标签 {} 位于 PLC 字节 {}, 按字编址无法表示 (字须在偶数字节, 双字须在 4 的倍数字节); 请使用按字节编址或更改映射地址", "Tag {} lies at PLC byte {}, which word-indexed addresses cannot express (a word must start at an even byte, a double word at a multiple of 4); use byte addressing or change the mapping"};
    case Msg::PlcTagUnreachableMore: return {"共 {} 个标签无法按字编址", "{} tags in all cannot be word-indexed"};
    case Msg::PlcTagOverlap: return {"标签 {} ({}) 与 {} ({}) 在 PLC 中重叠: 命令 {} 和 {} 映射到相同的字节; 请用\"冲突检测\"查看", "Tags {} ({}) and {} ({}) would overlap in the PLC: commands {} and {} are mapped to the same bytes; see Conflict Detect"};
    case Msg::PlcTagsWritten: return {"PLC 标签表已写入 {} ({} 个标签)", "PLC tag table written to {} ({} tags)"};
    case Msg::PlcTagsNone: return {"配置中没有可生成标签的寄存器或线圈", "The configuration has no register or coil to make a tag of"};

    // Import of command lists (model/, persist/, export/)
    case Msg::ListMissing: return {"找不到或无法打开列表文件 {}: {}", "The list {} is missing or cannot be opened: {}"};
    case Msg::ListTooLarge: return {"列表 {} 超过 {} 字节的上限", "The list {} is larger than the limit of {} bytes"};
    case Msg::ListTooManyRows: return {"{} 的非空行超过 {} 行", "{} has more than {} non-empty rows"};
    case Msg::ListTooManyColumns: return {"{} 的单元格 {} 超出第 {} 列", "Cell {} of {} lies beyond column {}"};
    case Msg::ListCellTooLarge: return {"{} 的单元格 {} 超过 {} 字节", "Cell {} of {} is longer than {} bytes"};
    case Msg::ListNoHeader: return {"{} 中没有表头行", "{} has no header row"};
    case Msg::ImportNoFunctionColumn: return {"表头没有功能码列 (功能码, Function Code 或 function)", "The header has no function column (Function Code or function)"};
    case Msg::ImportDuplicateColumn: return {"列 {} 与列 {} 是同一参数", "Columns {} and {} name the same parameter"};
    case Msg::ImportIgnoredColumn: return {"列 {} (\"{}\") 不是命令参数, 已忽略", "Column {} (\"{}\") is no command parameter and is ignored"};
    case Msg::ImportDerivedColumn: return {"列 {} (\"{}\") 由功能码、数据个数和位偏移量算出, 不导入", "Column {} (\"{}\") follows from the function, data number and bit offset and is not imported"};
    case Msg::ImportUniversalMode: return {"子网处于通用模式, 没有命令可导入", "The subnet is in universal mode, which has no commands to import into"};
    case Msg::ImportNoFunction: return {"缺少功能码", "The function is missing"};
    case Msg::ImportUnknownFunction: return {"\"{}\" 不是支持的功能 (功能码 1, 2, 3, 4, 5, 6, 15, 16 或命令名称)", "\"{}\" is no supported function (function code 1, 2, 3, 4, 5, 6, 15, 16 or the command's name)"};
    case Msg::ImportNotAChoice: return {"\"{}\" 不是选项; 可选: {}", "\"{}\" is not a choice; the choices are: {}"};
    case Msg::ImportGreyed: return {"此功能的该参数不可编辑, 应为空或 \"{}\", 而不是 \"{}\"", "This parameter cannot be edited for this function: leave it empty or \"{}\", not \"{}\""};
    case Msg::ImportRefusedValue: return {"{} (\"{}\")", "{} (\"{}\")"};
    case Msg::ImportProblemCell: return {"{} 第 {} 行 {} 列 ({}): {}", "{} row {} column {} ({}): {}"};
    case Msg::ImportProblemRow: return {"{} 第 {} 行: {}", "{} row {}: {}"};
    case Msg::ImportNoRows: return {"{} 只有表头, 没有命令数据行", "{} has a header but no command rows"};
    case Msg::ImportNothingToAppend: return {"{} 没有命令数据行: 没有可追加的命令, 配置未改变", "{} has no command rows: nothing is appended, the configuration is unchanged"};
    case Msg::ImportControlCharacter: return {"{}：\"{}\" — {}（控制字符 {}）", "{}: \"{}\" — {} (control character {})"};
    case Msg::ImportCodePageCharacter: return {"{}：\"{}\" — {}（配置文件的代码页 GB2312 无法保存 \"{}\"）", "{}: \"{}\" — {} (the configuration file's code page, GB2312, cannot hold \"{}\")"};

    case Msg::MsgCount: break;
    }
    return {"", ""};
}
// clang-format on

std::string FillPlaceholders(const std::string& pattern, std::initializer_list<std::string> args) {
    std::string out;
    out.reserve(pattern.size());
    auto arg = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '{' && i + 1 < pattern.size() && pattern[i + 1] == '}' &&
            arg != args.end()) {
            out += *arg++;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string ActiveText(const TextPair& pair) {
    return GetTextLanguage() == TextLanguage::English ? pair.english : pair.chinese;
}

} // namespace varkel
