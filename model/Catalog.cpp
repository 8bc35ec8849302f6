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
    case Msg::FileCannotOpen: return {"无法打开文件\"{}\"：{}。", "Cannot open the file \"{}\": {}."};
    case Msg::FileNotAFile: return {"\"{}\"不是一个文件。", "\"{}\" is not a file."};
    case Msg::FileTooLarge:
        return {"文件\"{}\"过大（超过16 MB），不是配置文件。",
                "The file \"{}\" is too large (over 16 MB) for a configuration file."};
    case Msg::FileReadFailed: return {"读取文件\"{}\"失败：{}。", "Reading the file \"{}\" failed: {}."};
    case Msg::FileEmpty: return {"文件\"{}\"是空的。", "The file \"{}\" is empty."};
    case Msg::FileHoldsNul:
        return {"文件\"{}\"含有空字节，不是XML配置文件。",
                "The file \"{}\" holds NUL bytes; it is not an XML configuration file."};
    case Msg::FileBadUtf8:
        return {"文件\"{}\"不是有效的UTF-8文本（第{}字节）。",
                "The file \"{}\" is not valid UTF-8 text (at byte {})."};
    case Msg::FileBadGb2312:
        return {"文件\"{}\"含有GB2312代码页以外的字节，保存时无法写回（第{}字节，第{}行，元素\"{}\"）。",
                "The file \"{}\" holds bytes that are not GB2312 text and could not be saved back (at byte {}, line {}, element \"{}\")."};
    case Msg::FileTooDeep:
        return {"文件\"{}\"的元素嵌套过深（超过{}层），不是配置文件。",
                "The file \"{}\" nests its elements too deeply (over {} levels) for a configuration file."};
    case Msg::FileBadXml:
        return {"文件\"{}\"不是有效的XML：{}（第{}行）。",
                "The file \"{}\" is not valid XML: {} (line {})."};
    case Msg::FileBadCharReference:
        return {"文件\"{}\"不是有效的XML：字符引用不代表任何字符（第{}行）。",
                "The file \"{}\" is not valid XML: a character reference names no character (line {})."};
    case Msg::FileCannotEncode:
        return {"无法保存文件\"{}\"：\"{}\"含有GB2312代码页不能保存的字符。",
                "Cannot save the file \"{}\": \"{}\" holds characters that the GB2312 code page cannot store."};
    case Msg::FileCannotWrite: return {"无法写入文件\"{}\"：{}。", "Cannot write the file \"{}\": {}."};
    case Msg::FileTooManyAttributes:
        return {"文件\"{}\"第{}行的元素\"{}\"属性过多（配置文件的元素最多{}个属性）。",
                "The file \"{}\" has an element with too many attributes at line {} (\"{}\"; a configuration element has at most {})."};
    case Msg::FileCannotStoreBack:
        return {"文件\"{}\"保存时无法写回：\"{}\"（第{}行）含有GB2312代码页不能保存的字符。",
                "The file \"{}\" could not be saved back: \"{}\" (line {}) holds characters that the GB2312 code page cannot store."};
    case Msg::FileChangedAskOverwrite:
        return {"文件\"{}\"在打开后已被其他程序修改。\r\n覆盖其修改并保存（是），还是取消保存（否）？",
                "The file \"{}\" changed on disk since it was opened.\r\nOverwrite the other change and save (Yes), or cancel the save (No)?"};
    case Msg::FileChangedWarning:
        return {"文件\"{}\"已被其他程序修改；保存时将询问是否覆盖。",
                "The file \"{}\" was changed on disk by another program; saving will ask before overwriting it."};
    case Msg::FileFolderBusy:
        return {"另一个 Varkel 程序一直在该文件夹中写入", "another Varkel program kept writing in its folder"};
    case Msg::FileChangedOnDisk:
        return {"文件\"{}\"在读取后已被其他程序修改，未保存，以免丢失其修改。",
                "The file \"{}\" changed on disk since it was read; not saved, so that the other change is not lost."};
    case Msg::FileBadNumber: return {"的元素\"{}\"(属于\"{}\")的值\"{}\"不是十进制整数", "has element \"{}\" of \"{}\" holding \"{}\", not a decimal whole number"};
    case Msg::FileIncomplete:
        return {"文件\"{}\"{}，不是完整的配置文件。",
                "The file \"{}\" {}; it is not a complete configuration file."};
    case Msg::FileLacks: return {"缺少{}", "lacks {}"};
    case Msg::FileNoRoot: return {"没有根元素", "has no root element"};
    case Msg::FileNoProduct: return {"缺少\"Product\"及其语言", "lacks \"Product\" with its language"};

    // Gateway link (link/)
    case Msg::LinkVersionQuery: return {"查询硬件版本", "Hardware version query"};
    case Msg::LinkSerialSettings: return {"串口参数", "Serial settings"};
    case Msg::LinkUniversalSettings: return {"通用模式参数", "Universal mode settings"};
    case Msg::LinkCommandListStart: return {"命令记录开始", "Start of command records"};
    case Msg::LinkCommandRecord: return {"命令记录 {}", "Command record {}"};
    case Msg::LinkFieldbusSwitch: return {"现场总线开关", "Fieldbus switch"};
    case Msg::LinkReadSerialSettings: return {"读取串口参数", "Reading serial settings"};
    case Msg::LinkReadUniversalSettings: return {"读取通用模式参数", "Reading universal mode settings"};
    case Msg::LinkReadRecordCount: return {"读取命令记录数", "Reading number of command records"};
    case Msg::LinkReadRecordPage: return {"读取命令记录，第 {} 页", "Reading command records, page {}"};
    case Msg::LinkReadFieldbusSwitch: return {"读取现场总线开关", "Reading fieldbus switch"};
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
    case Msg::LinkVirtualGatewayFailed: return {"无法启动虚拟网关：{}", "The virtual gateway could not be started: {}"};
    case Msg::TraceSent: return {"发送     ", "sent     "};
    case Msg::TraceReceived: return {"接收     ", "received "};
    case Msg::TraceFailed: return {"失败     ", "failed   "};
    case Msg::TraceShortTerminal: return {"  ({}/{} 字节)", "  ({}/{} bytes)"};
    case Msg::TraceShortLog: return {"(收到 {} / {} 字节)", "({} of {} bytes)"};
    case Msg::LinkCliPort:
        return {"串口设备, 例如 /dev/ttyUSB0; 多次给出时同时传输到每个网关",
                "Serial device, for example /dev/ttyUSB0; given more than once, every gateway at the same time"};
    case Msg::LinkCliTrace: return {"在标准错误输出上以十六进制和时间戳打印每一帧", "Print every frame in hex with time stamps on standard error"};
    case Msg::LinkCliDownload: return {"把配置下载到网关 (在终端上显示进度)", "Download the configuration to a gateway (with a progress display on a terminal)"};
    case Msg::LinkCliPace: return {"每帧发送后等待应答前的间隔, 毫秒 (默认 100)", "Pause after each frame before its acknowledgement is read, in milliseconds (default 100)"};
    case Msg::LinkCliUpload: return {"从网关上传配置到基础配置中, 仅在上传成功时保存到 OUT", "Upload a gateway's configuration into the base configuration and save OUT only when the upload succeeded"};
    case Msg::LinkCliOutput:
        return {"输出文件 (多个串口时为文件夹, 每个网关写入 <串口名>.xml)",
                "Output file (with several ports a folder: one <port name>.xml a gateway)"};
    case Msg::LinkCliBase: return {"上传所依据的配置 (默认: 新的默认配置)", "Configuration to upload into (default: a new default one)"};
    case Msg::LinkCliPorts: return {"列出串口, 每行一个", "List the serial ports, one per line"};
    case Msg::LinkRefusedValue: return {"{} / {}：\"{}\" — {}（可接受：{}）", "{} / {}: \"{}\" — {} (accepted: {})"};
    case Msg::LinkRefusedDownload: return {"以下数值编辑器不会接受，未向网关发送任何数据：", "These values would be refused by the editor; nothing was sent to the gateway:"};
    case Msg::LinkRefusedUpload: return {"网关中保存了编辑器不会接受的数值：", "The gateway holds values the editor would refuse:"};
    case Msg::LinkCliRefusedExit: return {"已写入, 但含有编辑器不会接受的数值 (退出状态 2)", "Written, but it holds values the editor would refuse (exit status 2)"};
    case Msg::LinkCancelled: return {"已被用户取消", "Cancelled by the user"};
    case Msg::LinkUploadCancelled: return {"上传已被用户取消，未作任何更改。", "Upload cancelled by the user; nothing was changed."};
    case Msg::LinkDownloadCancelled: return {"下载已被用户取消，网关未接收任何配置。", "Download cancelled by the user; the gateway took none of the configuration."};
    case Msg::LinkDownloadCancelledPartly:
        return {"下载已被用户取消：网关已确认本次下载的 {} 帧并保留了它们，现存的是不完整的配置，请再次下载。",
                "Download cancelled by the user: the gateway acknowledged {} of the download's frames and keeps what it acknowledged, so it holds part of this configuration; download again to complete it."};
    case Msg::LinkNoGatewayAnswered: return {"{}：{} 上没有网关应答", "{}: no gateway answered on {}"};

    // Spreadsheet export (export/)
    case Msg::ExportTemplateUnreadable:
        return {"无法读取模板工作簿：{}（{}）",
                "Cannot read the template workbook {} ({})"};
    case Msg::ExportTemplateInvalid:
        return {"模板文件不是有效的工作簿（.xlsx）：{}（{}）",
                "The template is not a valid workbook (.xlsx): {} ({})"};
    case Msg::ExportSheetMissing:
        return {"模板工作簿中没有名为“{}”的工作表：{}",
                "The template workbook has no sheet named \"{}\": {}"};
    case Msg::ExportCannotWrite: return {"无法写入工作簿：{}（{}）", "Cannot write the workbook {} ({})"};
    case Msg::ExportNoWorkbookPart: return {"缺少工作簿部件", "no workbook part"};
    case Msg::ExportCannotReadSheet: return {"无法读取工作表 {}", "cannot read sheet {}"};
    case Msg::ExportTooManyParts: return {"部件过多", "too many parts"};
    case Msg::ExportPackageTooLarge: return {"内容过大", "too large"};
    case Msg::ExportNoZipLibrary:
        return {"无法加载压缩库 {}：{}。请安装软件包 {}。",
                "cannot load the zip library {}: {}. Install the package {}."};

    // Command line (cli/)
    case Msg::CliDescription:
        return {"Varkel 网关配置工具的命令行界面: 不打开窗口完成配置工具的每项工作。",
                "Varkel gateway configuration from the command line: every job of the configuration tool without a window."};
    case Msg::CliFooter:
        return {"退出状态: 0 成功; 1 diff 发现差异; 3-11, 13 结果代码 (与网关操作相同); 14 probe 有命令未返回数据; 64 用法错误或拒绝的编辑; 65 输入不是有效配置; 66 输入文件缺失、不可读或不是普通文件; 73 无法写入输出, 或文件在读取后已被修改。失败时不写入任何文件。详见 docs/cli.md。",
                "Exit status: 0 success; 1 diff found differences; 3-11, 13 the result code of the operation; 14 probe: a command returned no data; 64 usage error or refused edit; 65 input is not a valid configuration; 66 input file missing, unreadable or not a regular file; 73 output cannot be written, or the file changed on disk since it was read. Nothing is written on failure. See docs/cli.md."};
    case Msg::CliVersionHelp: return {"显示版本并退出", "Print the version and exit"};
    case Msg::CliLangHelp:
        return {"文本语言: zh (中文) 或 en (英文); 未给出时按区域设置 (LC_ALL, LC_MESSAGES, LANG)",
                "Text language: zh (Chinese) or en (English); by the locale (LC_ALL, LC_MESSAGES, LANG) when not given"};
    case Msg::CliAnswerHelp:
        return {"核心提出问题时给出的固定回答: yes (默认), no 或 cancel; 不会等待键盘输入",
                "Fixed answer to any question the core asks: yes (the default), no or cancel; the keyboard is never read"};
    case Msg::CliSeeHelp: return {"使用 --help 查看用法。", "Run with --help for the usage."};
    case Msg::CliInternalError: return {"内部错误: {}", "Internal error: {}"};
    case Msg::CliFileHelp: return {"配置文件", "Configuration file"};
    case Msg::CliCannotSwitchUniversal: return {"无法切换到通用模式", "Cannot switch to universal mode"};
    case Msg::CliAutoMapMasterOnly:
        return {"自动映射仅在 Modbus 主站模式下可用",
                "Auto mapping is only offered in Modbus master mode"};
    case Msg::CliNoNodeInUniversal:
        return {"通用模式下不能增加节点",
                "Nodes cannot be added in universal mode"};
    case Msg::CliSubnetHasNode:
        return {"子网已有节点 {}; 只能有一个节点",
                "The subnet already has the node {}; it can have only one"};
    case Msg::CliNodeNotAdded: return {"无法增加节点", "The node could not be added"};
    case Msg::CliNoNodeAddOne:
        return {"没有节点 {} (子网有 {} 个节点; 请先用 add-node 增加节点)",
                "There is no node {} (the subnet has {} nodes; add one with add-node)"};
    case Msg::CliFunctionUnsupported:
        return {"不支持功能索引 {} ({}); 支持的索引: 0-5, 12, 13",
                "Function index {} ({}) is not supported; supported are 0-5, 12 and 13"};
    case Msg::CliCommandNotAdded: return {"无法增加命令", "The command could not be added"};
    case Msg::CliInvalidRow: return {"行号无效: \"{}\"", "Invalid row: \"{}\""};
    case Msg::CliNoRow: return {"{} 没有第 {} 行", "{} has no row {}"};
    case Msg::CliRowShownOnly:
        return {"{} 第 {} 行 \"{}\" 只能查看, 不能编辑",
                "{} row {} (\"{}\") is shown only and cannot be edited"};
    case Msg::CliRowGreyed:
        return {"{} 第 {} 行 \"{}\" 当前不可编辑 (灰色)",
                "{} row {} (\"{}\") is greyed and cannot be edited now"};
    case Msg::CliNotAChoice:
        return {"\"{}\" 不是 \"{}\" 的选项; 可选: {}",
                "\"{}\" is not a choice of \"{}\"; the choices are: {}"};
    case Msg::CliNodeName: return {"节点名称: {}", "node name: {}"};
    case Msg::CliProtocolType: return {"协议类型: {}", "protocol type: {}"};
    case Msg::CliRowValue: return {"第 {} 行 {}: {}", "row {} {}: {}"};
    case Msg::CliRowEnabled: return {"第 {} 行 {}: 可编辑", "row {} {}: enabled"};
    case Msg::CliRowDisabled: return {"第 {} 行 {}: 不可编辑", "row {} {}: greyed"};
    case Msg::CliNewHelp:
        return {"写入一个新的默认配置 (构造时的默认值)",
                "Write a new default configuration (the construction defaults)"};
    case Msg::CliOutputHelp: return {"输出文件", "Output file"};
    case Msg::CliUniversalHelp:
        return {"像参数表格那样把协议类型切换为通用模式",
                "Switch the protocol type to universal mode, as the grid would"};
    case Msg::CliAutoMapHelp:
        return {"自动计算全部映射地址并保存 (默认保存到原文件); 溢出时退出状态 13, 映射仍保存",
                "Recalculate every mapping address and save (in place by default); on an overflow exit 13, the mapping is still saved"};
    case Msg::CliOutputDefaultHelp: return {"输出文件 (默认: FILE)", "Output file (default: FILE)"};
    case Msg::CliAddNodeHelp:
        return {"增加节点, 如编辑器的“增加节点” (仅在 Modbus 主站模式且子网尚无节点时)",
                "Add a node as the editor's Add Node does (only in Modbus master mode and while the subnet has no node)"};
    case Msg::CliAddCommandHelp:
        return {"在节点 N 上增加功能索引为 INDEX 的命令, 如编辑器的“增加命令”; 第一个节点最多 48 条命令 (超出时退出状态 8)",
                "Add a command of function index INDEX to node N as the editor's Add Command does; the first node holds at most 48 commands (exit 8 beyond)"};
    case Msg::CliFunctionHelp:
        return {"功能索引 0-13: 0=01 1=02 2=03 3=04 4=05 5=06 12=15 13=16 (6-11 不支持)",
                "Function index 0-13: 0=01 1=02 2=03 3=04 4=05 5=06 12=15 13=16 (6-11 are not supported)"};
    case Msg::CliNodeHelp: return {"节点序号, 从 0 开始 (默认 0)", "Node number from 0 (default 0)"};
    case Msg::CliSetHelp:
        return {"按参数表格的规则在 TARGET 的 ROW 行提交 VALUE; 拒绝的值以其结果代码 (6, 7, 8) 退出, 文件不变; 不可编辑的行退出状态 64",
                "Commit VALUE at ROW of TARGET through the parameter grid's rules; a refused value exits with its code (6, 7 or 8) and the file stays as it was; a row that cannot be edited exits 64"};
    case Msg::CliTargetHelp:
        return {"fieldbus, subnet, node:N 或 command:N:M (N, M 从 0 开始)",
                "fieldbus, subnet, node:N or command:N:M (N and M from 0)"};
    case Msg::CliRowHelp: return {"参数表格的行号, 从 0 开始", "Row of the parameter grid, from 0"};
    case Msg::CliValueHelp:
        return {"输入的值, 或选项参数的某个选项文本 (可为空: \"\")",
                "The typed value, or the text of one of a choice item's choices (may be empty: \"\")"};
    case Msg::CliExportFailed: return {"导出失败: {}", "The export failed: {}"};
    case Msg::CliExportHelp:
        return {"把配置导出为由模板生成的工作簿 (.xlsx)",
                "Export the configuration to a workbook (.xlsx) made from the template"};
    case Msg::CliWorkbookHelp: return {"输出的工作簿 (.xlsx)", "Output workbook (.xlsx)"};
    case Msg::CliTemplateHelp:
        return {"模板工作簿 (默认: 程序附带的当前语言模板)",
                "Template workbook (default: the one shipped with the program for the active language)"};
    case Msg::CliMemoryUse:
        return {"{} {}-{}: 已用 {} 位, 冲突 {} 位, 溢出 {} 位",
                "{} {}-{}: {} bits used, {} in conflict, {} overflowing"};
    case Msg::CliOverflowBits: return {"溢出位 (超出 {}): {}", "overflow bits (beyond {}): {}"};
    case Msg::CliFileNotFound: return {"找不到文件: {}", "File not found: {}"};
    case Msg::CliFileIsFolder: return {"这是一个文件夹, 不是配置文件: {}", "This is a folder, not a file: {}"};
    case Msg::CliCannotRead: return {"无法读取文件 {}: {}", "Cannot read the file {}: {}"};
    case Msg::CliNotRegularFile:
        return {"这不是普通文件（管道、设备或套接字）, 不读取: {}",
                "This is not a regular file (a pipe, device or socket); not read: {}"};
    case Msg::CliChangedOnDisk:
        return {"文件在读取后已被其他程序修改, 未写入, 以免丢失其修改: {}",
                "The file changed on disk since it was read; not written, so that the other change is not lost: {}"};
    case Msg::CliNotAConfiguration: return {"{} 不是有效的配置文件", "{} is not a valid configuration"};
    case Msg::CliIncomplete:
        return {"{} 不是完整的配置文件: 缺少{}",
                "{} is not a complete configuration: {} missing"};
    case Msg::CliFieldbusItems: return {"现场总线参数", "the fieldbus items"};
    case Msg::CliSubnetItems: return {"子网参数", "the subnet items"};
    case Msg::CliMasterItems: return {"Modbus主站参数", "the Modbus master items"};
    case Msg::CliUniversalItems: return {"通用模式参数", "the universal mode items"};
    case Msg::CliSlaveAddressOf: return {"{} 的从站地址", "the slave address of {}"};
    case Msg::CliCommandItemsOf: return {"{} 的命令 {} 的参数", "the items of {}'s command {}"};
    case Msg::CliWriteFolder: return {"无法写入 {}: 这是一个文件夹", "Cannot write {}: it is a folder"};
    case Msg::CliWriteNoFolder:
        return {"无法写入 {}: 文件夹 {} 不存在",
                "Cannot write {}: the folder {} does not exist"};
    case Msg::CliWriteFolderReadOnly:
        return {"无法写入 {}: 文件夹 {} 不可写",
                "Cannot write {}: the folder {} is not writable"};
    case Msg::CliCannotWrite: return {"无法写入 {}", "Cannot write {}"};
    case Msg::CliFixedMark: return {"  (只读)", "  (fixed)"};
    case Msg::CliGreyedMark: return {"  (灰色)", "  (greyed)"};
    case Msg::CliHiddenNodes:
        return {"  (以下节点保留在配置中, 但在通用模式下不显示于树中)",
                "  (the nodes below are kept, but the tree does not show them in universal mode)"};
    case Msg::CliFunctionIndex: return {", 功能索引 ", ", function index "};
    case Msg::CliNoProblems: return {"未发现问题", "No problems found"};
    case Msg::CliProblemsFound: return {"发现 {} 个问题", "{} problems found"};
    case Msg::CliInputMemory: return {"输入存储区", "Input memory"};
    case Msg::CliOutputMemory: return {"输出存储区", "Output memory"};
    case Msg::CliMapLegend:
        return {"每行 8 字节, 每字节从位 0 开始: . 未用  # 已用  X 冲突",
                "8 bytes a line, each byte from bit 0: . free  # used  X conflict"};
    case Msg::CliConfigurationsEqual: return {"两个配置相同", "The configurations are equal"};
    case Msg::CliDifferences: return {"{} 处不同", "{} differences"};
    case Msg::CliTextDifferences: return {"{} 处仅文本不同", "{} differences in texts only"};
    case Msg::CliTextDifferencesHeading:
        return {"仅文本不同 (设置相同):", "Different in texts only (the same settings):"};
    case Msg::CliDiffTextsHelp:
        return {"另列出仅文本不同之处: 名称, 帮助文本, 以另一种语言写成的选项; 它们不影响退出状态",
                "Also list the differences in texts only: names, help texts, choices written in the other language; they do not change the exit status"};
    case Msg::CliShowHelp:
        return {"显示配置: 默认为可读的树, --json 为供脚本使用的稳定 JSON",
                "Print the configuration: a readable tree by default, stable JSON for scripts with --json"};
    case Msg::CliJsonHelp: return {"以 JSON 输出", "Print JSON"};
    case Msg::CliCheckHelp:
        return {"做下载前的全部检查 (空值, 存储区标记与扫描, 节点命令两两冲突), 列出每个问题; 退出状态为第一个问题的结果代码, 无问题为 0",
                "Run every check a download makes before it sends a byte (empty values, memory marking and scan, the node's pairwise conflict check) and list every problem; exit with the first problem's result code, 0 when clean"};
    case Msg::CliMapHelp: return {"显示输入和输出存储区每一位的使用情况", "Show the use of both memories bit by bit"};
    case Msg::CliMapJsonHelp:
        return {"以 JSON 输出: used, conflict, overflow 位列表",
                "Print JSON: lists of used, conflict and overflow bits"};
    case Msg::CliDiffHelp:
        return {"逐项比较两个配置的设置 (以中文或英文制作的文件按文本的键比较); 相同退出 0, 不同退出 1",
                "Compare the settings of two configurations field by field (texts of either language by their key); exit 0 when equal, 1 when they differ"};
    case Msg::CliFirstFileHelp: return {"第一个配置文件", "First configuration file"};
    case Msg::CliSecondFileHelp: return {"第二个配置文件", "Second configuration file"};
    case Msg::CliUnknownTarget:
        return {"无法识别的对象 \"{}\": 应为 fieldbus, subnet, node:N 或 command:N:M",
                "Unknown target \"{}\": expected fieldbus, subnet, node:N or command:N:M"};
    case Msg::CliNoNode:
        return {"没有节点 {} (子网有 {} 个节点)",
                "There is no node {} (the subnet has {} nodes)"};
    case Msg::CliNoCommand:
        return {"{} 没有命令 {} (共 {} 条命令)",
                "{} has no command {} (it has {} commands)"};
    case Msg::CliAnswerYes: return {"是", "yes"};
    case Msg::CliAnswerNo: return {"否", "no"};
    case Msg::CliAnswerCancel: return {"取消", "cancel"};
    case Msg::CliPortsFromHelp:
        return {"列有串口的文件, 每行一个设备 (空行和以 # 开头的行除外)",
                "File listing the ports, one device a line (blank lines and lines starting with # left out)"};
    case Msg::CliCompareHelp:
        return {"参考配置: 逐个串口列出网关中的配置与它的差异 (有差异时退出状态为 1)",
                "Reference configuration: list per port how the gateway's configuration differs from it (exit 1 when one does)"};
    case Msg::CliPortListUnreadable:
        return {"无法读取串口列表 {}: 请给出每行一个串口的文本文件", "Cannot read the port list {}: give a text file with one port a line"};
    case Msg::CliNoPort: return {"未给出串口: 请使用 --port 或 --ports-from", "No port given: use --port or --ports-from"};
    case Msg::CliTooManyPorts: return {"一次最多 {} 个串口", "At most {} ports at once"};
    case Msg::CliPortTwice: return {"串口 {} 给出了两次", "The port {} is given twice"};
    case Msg::CliPortNoFileName: return {"串口 {} 没有可用作文件名的名称", "The port {} has no name to use for a file"};
    case Msg::CliPortFileClash:
        return {"串口 {} 和 {} 会写入同一个文件 {}", "The ports {} and {} would both be written to {}"};
    case Msg::CliPortWaiting: return {"等待", "waiting"};
    case Msg::CliPortOk: return {"ok", "ok"};
    case Msg::CliSummaryPort: return {"串口", "Port"};
    case Msg::CliSummaryResult: return {"结果", "Result"};
    case Msg::CliSummaryTime: return {"用时", "Time"};
    case Msg::CliSummaryHardware: return {"硬件版本", "Hardware"};
    case Msg::CliCompareSame: return {"{}: 与 {} 相同", "{}: the same as {}"};
    case Msg::CliCompareDiffers: return {"{}: {} 处与 {} 不同", "{}: {} differences from {}"};
    case Msg::CliLabelUsage: return {"用法", "Usage"};
    case Msg::CliLabelOptions: return {"选项", "Options"};
    case Msg::CliLabelOptionsBadge: return {"选项", "OPTIONS"};
    case Msg::CliLabelSubcommands: return {"子命令", "Subcommands"};
    case Msg::CliLabelSubcommand: return {"子命令", "SUBCOMMAND"};
    case Msg::CliLabelPositionals: return {"位置参数", "Positionals"};
    case Msg::CliLabelRequired: return {"必需", "REQUIRED"};
    case Msg::CliLabelNeeds: return {"需要", "Needs"};
    case Msg::CliLabelExcludes: return {"不能同用", "Excludes"};
    case Msg::CliTypeText: return {"文本", "TEXT"};
    case Msg::CliTypeInt: return {"整数", "INT"};
    case Msg::CliTypeUint: return {"非负整数", "UINT"};
    case Msg::CliTypeFloat: return {"数值", "FLOAT"};
    case Msg::CliRangeIn: return {"范围", "in"};
    case Msg::CliHelpHelp: return {"显示本帮助信息并退出", "Print this help message and exit"};
    case Msg::CliErrorExtra: return {"多余的参数：{}", "The following argument was not expected: {}"};
    case Msg::CliErrorSubcommand: return {"需要给出一个子命令", "A subcommand is required"};
    case Msg::CliErrorRequired: return {"缺少必需的 {}", "{} is required"};
    case Msg::CliErrorRange: return {"{}：值 {} 不在 {} 到 {} 的范围内", "{}: Value {} not in range {} to {}"};
    case Msg::CliErrorConvert: return {"{}：无法识别的值 {}", "{}: Value {} could not be converted"};
    case Msg::CliErrorNotIn: return {"{}：{} 不是 {} 之一", "{}: {} not in {}"};
    case Msg::CliErrorMissingValue: return {"{} 后缺少值", "{}: a value is missing"};
    case Msg::CliErrorExcludes: return {"{} 不能与 {} 同时使用", "{} excludes {}"};
    case Msg::CliErrorRequires: return {"{} 需要同时给出 {}", "{} requires {}"};
    case Msg::CliErrorOther: return {"命令行有误：{}", "{}"};

    // Virtual gateway and virtual slave (sim/)
    case Msg::SimDescription: return {"伪终端上的虚拟网关", "Virtual gateway on a pseudo-terminal"};
    case Msg::SimHwHelp: return {"硬件版本 主版本.次版本 (2.1)", "Hardware version MAJOR.MINOR (2.1)"};
    case Msg::SimLinkHelp: return {"指向设备的符号链接", "Symbolic link to the device"};
    case Msg::SimStateHelp: return {"保存下载配置的文件", "File that keeps the downloaded configuration"};
    case Msg::SimWireTimingHelp: return {"模拟19200波特率线路耗时", "Take the time of a 19200 baud line"};
    case Msg::SimTraceHelp: return {"打印每一帧; 加 --subnet 时还打印每次 Modbus 交换和存储区的每次变化", "Print every frame; with --subnet also every Modbus exchange and every change of the memories"};
    case Msg::SimFaultHelp:
        return {"注入的故障: none, silent, short, wrong-ack, bad-version, bad-checksum, vanish",
                "Fault to inject: none, silent, short, wrong-ack, bad-version, bad-checksum, vanish"};
    case Msg::SimFaultAtHelp:
        return {"出现故障的请求序号, 从 1 起 (0: 每个请求)",
                "Request number from 1 (0: every request)"};
    case Msg::SimLangHelp:
        return {"文本语言: en 或 zh; 未给出时按区域设置 (LC_ALL, LC_MESSAGES, LANG)",
                "Text language: en or zh; by the locale (LC_ALL, LC_MESSAGES, LANG) when not given"};
    case Msg::SimBadHardwareVersion:
        return {"硬件版本格式应为 主版本.次版本，例如 2.1",
                "Hardware version must be MAJOR.MINOR, for example 2.1"};
    case Msg::SimUnknownFault: return {"未知故障类型：{}", "Unknown fault: {}"};
    case Msg::SimCannotLoadState: return {"无法读取状态文件：{}", "Cannot load the state file: {}"};
    case Msg::SimCannotSaveState: return {"无法保存状态文件：{}", "Cannot save the state file: {}"};
    case Msg::SimCannotOpenPty: return {"无法打开伪终端：{}", "Cannot open a pseudo-terminal: {}"};
    case Msg::SimCannotCreateLink: return {"无法创建链接 {}: {}", "Cannot create the link {}: {}"};
    case Msg::SimReady:
        return {"虚拟网关，硬件版本 {}.{}，设备：{}{}",
                "Virtual gateway, hardware {}.{}, ready on {}{}"};
    case Msg::SimTraceMalformed: return {"格式错误的帧，已忽略", "malformed frame ignored"};
    case Msg::SimTraceWrongChecksum: return {"校验和错误，不回答", "wrong checksum, no answer"};
    case Msg::SimTraceHardwareVersion: return {"硬件版本", "hardware version"};
    case Msg::SimTraceSerialStored: return {"串口参数已保存", "serial settings stored"};
    case Msg::SimTraceSerialUniversalStored:
        return {"串口参数和通用模式参数已保存",
                "serial and universal settings stored"};
    case Msg::SimTraceUniversalStored: return {"通用模式参数已保存", "universal settings stored"};
    case Msg::SimTraceListStarted: return {"命令列表开始", "command list started"};
    case Msg::SimTraceRecordOutOfSequence:
        return {"记录顺序错误，不回答",
                "record out of sequence, no answer"};
    case Msg::SimTraceRecordStored: return {"记录 {} 已保存", "record {} stored"};
    case Msg::SimTraceValidLengthStored:
        return {"有效输入数据长度已保存",
                "length of valid input data stored"};
    case Msg::SimTraceClearOnFaultStored: return {"两次故障后清零已保存", "clear after twice faults stored"};
    case Msg::SimTraceSerialRead: return {"串口参数已读出", "serial settings read"};
    case Msg::SimTraceUniversalRead: return {"通用模式参数已读出", "universal settings read"};
    case Msg::SimTraceRecordCountRead: return {"记录数已读出", "record count read"};
    case Msg::SimTraceRecordPageRead: return {"记录页 {} 已读出", "record page {} read"};
    case Msg::SimTraceValidLengthRead: return {"有效输入数据长度已读出", "length of valid input data read"};
    case Msg::SimTraceClearOnFaultRead: return {"两次故障后清零已读出", "clear after twice faults read"};
    case Msg::SimTraceNotUnderstood: return {"无法识别的请求，不回答", "request not understood, no answer"};
    case Msg::SimFaultSilent: return {"[故障: 不回答]", "[fault: silent]"};
    case Msg::SimFaultShortReply: return {"[故障: 回答过短]", "[fault: short answer]"};
    case Msg::SimFaultWrongReply: return {"[故障: 错误的回答]", "[fault: wrong answer]"};
    case Msg::SimFaultBadVersion: return {"[故障: 错误的版本标记]", "[fault: wrong version mark]"};
    case Msg::SimFaultBadChecksum: return {"[故障: 错误的校验和]", "[fault: wrong checksum]"};
    case Msg::SimFaultVanish: return {"[故障: 设备消失]", "[fault: device vanished]"};
    case Msg::SimPipeFailed: return {"无法创建管道", "pipe failed"};
    case Msg::SimStateNotAStateFile: return {"不是虚拟网关状态文件", "not a virtual gateway state file"};
    case Msg::SimStateLineNotUnderstood: return {"第 {} 行无法识别", "line {} is not understood"};
    case Msg::SimStateCannotWrite: return {"无法写入 {}", "cannot write {}"};
    case Msg::SimStateCannotReplace: return {"无法替换 {}", "cannot replace {}"};
    case Msg::SimStateCannotRead: return {"无法读取 {}", "cannot read {}"};
    case Msg::SlaveAbout: return {"伪终端上的虚拟 Modbus 从站 (libmodbus 服务端), 供调试命令试用", "A virtual Modbus slave on a pseudo-terminal (libmodbus's server side), for trying the command test"};
    case Msg::SlaveUnitOption: return {"应答的从站地址, 可多次给出 (默认 1)", "Unit id that answers; may be given more than once (default 1)"};
    case Msg::SlaveLimitOption: return {"最高地址; 更高地址应答 \"非法数据地址\" (默认 999)", "Highest address; higher ones answer \"illegal data address\" (default 999)"};
    case Msg::SlaveAsciiOption: return {"使用 Modbus ASCII 而非 RTU", "Speak Modbus ASCII instead of RTU"};
    case Msg::SlaveBaudOption: return {"模拟该波特率下线路耗时 (0: 不模拟)", "Take the line time of this baud rate (0: none)"};
    case Msg::SlaveLinkOption: return {"指向设备的符号链接", "Symbolic link to the device"};
    case Msg::SlaveTurnaroundOption: return {"模拟线路耗时时, 请求结束到应答开始的毫秒数", "With line time: milliseconds from the end of a request to the answer"};
    case Msg::SlaveLangOption: return {"文本语言: zh 或 en; 未给出时按区域设置 (LC_ALL, LC_MESSAGES, LANG)", "Text language: zh or en; by the locale (LC_ALL, LC_MESSAGES, LANG) when not given"};
    case Msg::SlaveCannotOpen: return {"无法打开伪终端: {}", "Cannot open a pseudo-terminal: {}"};
    case Msg::SlaveCannotLink: return {"无法创建链接 {}: {}", "Cannot create the link {}: {}"};
    case Msg::SlaveReady: return {"虚拟 Modbus 从站 ({}, 从站地址 {}) 就绪: {}", "Virtual Modbus slave ({}, unit ids {}) ready on {}"};
    case Msg::RunBadSetting: return {"保存的配置无法运行: {}无效", "The configuration held cannot run: its {} is not valid"};
    case Msg::RunSettingProtocol: return {"协议类型", "protocol type"};
    case Msg::RunSettingBaud: return {"波特率", "baud rate"};
    case Msg::RunSettingFraming: return {"数据位, 校验, 停止位或传输模式", "data bits, parity, stop bits or transmission mode"};
    case Msg::RunSettingOutputMode: return {"输出命令轮询方式", "polling mode of outputting commands"};
    case Msg::RunBadRecord: return {"保存的配置无法运行: 命令 {} 的{}无效", "The configuration held cannot run: command {} has an invalid {}"};
    case Msg::RunRecordFunction: return {"功能码", "function code"};
    case Msg::RunRecordRange: return {"地址或数据个数", "address or data number"};
    case Msg::RunRecordMapping: return {"映射地址", "mapping address"};
    case Msg::RunStateStopped: return {"已停止", "stopped"};
    case Msg::RunStateRunning: return {"运行中", "running"};
    case Msg::RunStateUniversal: return {"通用模式: 网关不轮询, 只应答配置帧", "Universal mode: the gateway polls nothing and only answers configuration frames"};
    case Msg::RunStateNoCommands: return {"没有可轮询的命令", "no commands to poll"};
    case Msg::RunStatePortLost: return {"端口不可用, 每个周期重试: {}", "the port is not available and is tried again each cycle: {}"};
    case Msg::RunStatusNotPolled: return {"尚未轮询", "not yet polled"};
    case Msg::RunStatusBadReply: return {"应答错误", "bad reply"};
    case Msg::RunStatusHeld: return {"因输出方式未发送", "not sent by its output mode"};
    case Msg::SimSubnetHelp: return {"在此串口 (子网) 上运行所保存的配置, 网关作为 Modbus 主站", "Run the configuration held on this serial port (the subnet), the gateway as Modbus master"};
    case Msg::SimPlcHelp: return {"PLC 侧 Modbus TCP 的监听地址 HOST:PORT (默认 127.0.0.1:1502, 端口 0 取任一空闲端口)", "Listening address HOST:PORT of the PLC side over Modbus TCP (default 127.0.0.1:1502; port 0 takes any free port)"};
    case Msg::SimAllowWritesHelp: return {"允许向非伪终端的真实串口发送写命令 (写入会到达真实设备)", "Allow write commands on a real port that is not a pseudo-terminal (the writes reach real devices)"};
    case Msg::SimPlcLayout: return {"PLC 侧 (Modbus TCP, 任意从站地址):\n  输入寄存器 0-83     输入存储区, 寄存器 k = 字节 2k (高) 和 2k+1 (低), 功能码 4\n  保持寄存器 0-83     输出存储区 (PLC 写入), 功能码 3, 6, 16\n  输入寄存器 100-147  命令 n (从 0 起) 的状态在 100+n: 0 尚未轮询, 1 已应答, 2 超时,\n                      3 异常 (异常码在高字节), 4 应答错误, 5 因输出方式未发送\n  输入寄存器 200-201  已完成的周期数 (32 位, 高字在前)\n  输入寄存器 202      上一周期的时间, 单位 0.1 ms\n  其他地址: 异常 02; 格式错误的请求: 异常 03; 其他功能码: 异常 01", "PLC side (Modbus TCP, any unit id):\n  input registers 0-83     input memory, register k = byte 2k (high) and 2k+1 (low), function 4\n  holding registers 0-83   output memory (what the PLC writes), functions 3, 6, 16\n  input registers 100-147  status of command n (from 0) at 100+n: 0 not yet polled, 1 answered,\n                           2 time-out, 3 exception (code in the high byte), 4 bad reply,\n                           5 not sent by its output mode\n  input registers 200-201  completed cycles (32 bits, high word first)\n  input register 202       the last cycle's time in 0.1 ms\n  any other address: exception 02; a malformed request: exception 03; any other function: exception 01"};
    case Msg::SimPlcListening: return {"PLC 侧 (Modbus TCP) 监听 {}", "PLC side (Modbus TCP) listening on {}"};
    case Msg::SimCannotListen: return {"PLC 侧无法监听: {}", "The PLC side cannot listen: {}"};
    case Msg::SimWritesHeld: return {"{} 不是伪终端: 写命令会到达真实设备, 只在加 --allow-writes 时发送; 现在只发送读命令", "{} is not a pseudo-terminal: writes would reach real devices and are sent only with --allow-writes; only read commands go out"};
    case Msg::SimRunStopped: return {"正在下载: 运行停止", "A download: the run stops"};
    case Msg::SimRunStarted: return {"在 {} 上运行保存的配置: {} 条命令", "Running the configuration held on {}: {} commands"};
    case Msg::SimCannotRun: return {"{}", "{}"};
    case Msg::SimTraceExchange: return {"周期 {} 命令 {} (从站 {}, 功能码 {}, 地址 {}, 个数 {}){}: {}, {} ms", "cycle {} command {} (unit {}, function {}, address {}, count {}){}: {}, {} ms"};
    case Msg::SimTraceMemory: return {"{}存储区字节 {}: {} -> {}", "{} memory from byte {}: {} -> {}"};
    case Msg::SimMemoryInput: return {"输入", "input"};
    case Msg::SimMemoryOutput: return {"输出", "output"};
    case Msg::SlaveTraceHelp: return {"打印收到的每个写请求 (从站地址, 功能码, 地址, 数值)", "Print every write received (unit, function, address, values)"};
    case Msg::SlaveTcpHelp: return {"同时在 Modbus TCP (HOST:PORT) 上提供同一数据表, 运行中可读写其数值", "Also serve the same tables over Modbus TCP on HOST:PORT, so values can be read and changed while it runs"};
    case Msg::SlaveFixedInputsHelp: return {"输入寄存器 n 保持为 n (不每秒递增)", "Input register n holds n (instead of counting up once a second)"};
    case Msg::SlaveTraceWrite: return {"写入: 从站 {}, 功能码 {}, 地址 {}, 数值 {}", "write: unit {}, function {}, address {}, values {}"};
    case Msg::SlaveTcpListening: return {"Modbus TCP 数据表: {}", "Modbus TCP tables on {}"};
    case Msg::SlaveCannotListen: return {"Modbus TCP 无法监听: {}", "Modbus TCP cannot listen: {}"};

    // Desktop program (ui/)
    case Msg::GuiDescription: return {"Varkel 网关配置软件", "Varkel gateway configuration tool"};
    case Msg::GuiDeviceHelp:
        return {"网关型号 0 (TRX-10)、1 (TRX-20A) 或 2 (TRC-10)，不再询问",
                "gateway model 0 (TRX-10), 1 (TRX-20A) or 2 (TRC-10), without asking"};
    case Msg::GuiLangHelp: return {"界面语言 zh 或 en", "language zh or en"};
    case Msg::GuiScreenshotHelp:
        return {"显示主窗口，把它画入图片后退出",
                "show the main window, write a picture of it, exit"};
    case Msg::GuiShowHelp:
        return {"与 --screenshot 一起：画出 device、about、command、download、upload、conflict 或 timing 对话框",
                "with --screenshot: picture the device, about, command, download, upload, conflict or timing dialog instead"};
    case Msg::GuiSelectHelp:
        return {"与 --screenshot 一起：先选中树的第 N 项 (从 0 起)",
                "with --screenshot: select tree entry N (from 0) first"};
    case Msg::GuiEditHelp:
        return {"与 --screenshot 一起：打开参数表第 N 行的编辑框 (从 0 起)",
                "with --screenshot: open the editor of parameter row N (from 0)"};
    case Msg::GuiFileHelp: return {"要打开的配置文件", "configuration file to open"};
    case Msg::GuiBadDevice: return {"--device 须为 0、1 或 2", "--device must be 0, 1 or 2"};
    case Msg::GuiBadLang: return {"--lang 须为 zh 或 en", "--lang must be zh or en"};
    case Msg::GuiBadShow:
        return {"--show 须为 device、about、command、download、upload、conflict 或 timing",
                "--show must be device, about, command, download, upload, conflict or timing"};
    case Msg::GuiBadEdit: return {"--edit 须为非负整数", "--edit must be a number from 0"};
    case Msg::GuiBadSelect: return {"--select 须为非负整数", "--select must be a number from 0"};
    case Msg::GuiOneFile: return {"只能打开一个文件", "only one file can be opened"};
    case Msg::GuiCannotWritePicture: return {"无法写入图片 {}", "cannot write the picture {}"};
    case Msg::GuiCannotSave: return {"无法保存文件 {}。", "Could not save the file {}."};
    case Msg::GuiFileMissing: return {"文件 {} 不存在。", "The file {} does not exist."};
    case Msg::GuiManualMissing: return {"找不到用户手册 {}。", "The user manual {} was not found."};
    case Msg::GuiCannotOpenManual: return {"无法打开用户手册 {}。", "Could not open the user manual {}."};
    case Msg::GuiExportFailed: return {"输出文档失败。", "The export failed."};
    case Msg::GuiExportNoViewer:
        return {"文档 {} 已输出，但没有找到可以打开它的程序。",
                "The workbook {} was written, but no program was found to open it."};
    case Msg::GuiShotsNeedsValue: return {"{} 缺少取值", "{} needs a value"};
    case Msg::GuiShotsNoSettingsFolder:
        return {"没有存放设置的临时文件夹", "no temporary folder for the settings"};
    case Msg::GuiLanguageNextStart:
        return {"界面语言将在下次启动时切换为 {}。", "The window's language changes to {} at the next start."};

    case Msg::EditUndoPrefix: return {"撤销", "Undo"};
    case Msg::EditRedoPrefix: return {"重做", "Redo"};
    case Msg::EditSetValue: return {"设置 {}", "set {}"};
    case Msg::EditAddNode: return {"添加节点", "add node"};
    case Msg::EditDeleteNode: return {"删除节点 {}", "delete node {}"};
    case Msg::EditAddCommand: return {"添加命令 {}", "add command {}"};
    case Msg::EditDeleteCommands: return {"删除命令", "delete commands"};
    case Msg::EditAutoMapping: return {"自动映射", "auto mapping"};
    case Msg::EditUpload: return {"上载配置", "upload"};
    case Msg::EditPasteCommands: return {"粘贴命令", "paste commands"};
    case Msg::EditDuplicateCommands: return {"复制命令副本", "duplicate commands"};
    case Msg::EditMoveUp: return {"上移命令", "move commands up"};
    case Msg::EditMoveDown: return {"下移命令", "move commands down"};
    case Msg::EditImportCommands: return {"导入命令", "import commands"};
    case Msg::EditCopyMenu: return {"复制命令(&C)", "&Copy Commands"};
    case Msg::EditPasteMenu: return {"粘贴命令(&P)", "&Paste Commands"};
    case Msg::EditDuplicateMenu: return {"生成副本(&I)", "Dupl&icate Commands"};
    case Msg::EditMoveUpMenu: return {"上移(&U)", "Move &Up"};
    case Msg::EditMoveDownMenu: return {"下移(&O)", "Move D&own"};
    case Msg::EditUndoTool: return {"撤销", "Undo"};
    case Msg::EditRedoTool: return {"重做", "Redo"};
    case Msg::EditNothingToPaste:
        return {"剪贴板中没有可粘贴的命令。", "The clipboard holds no commands to paste."};

    // Keyboard operation and the editor's own messages (ui/)
    case Msg::EditValueOutOfRange: return {"{}：{} 超出范围 {}", "{}: {} is out of range {}"};
    case Msg::EditValueRefused: return {"{}：\"{}\" — {}", "{}: \"{}\" — {}"};
    case Msg::EditValueRefusedRange:
        return {"{}：\"{}\" — {}（可接受：{}）", "{}: \"{}\" — {} (accepted: {})"};
    case Msg::EditDeleteNodeAsk:
        return {"节点\"{}\"含有{}条命令。删除该节点及其全部命令吗？",
                "The node \"{}\" holds {} commands. Delete the node and all its commands?"};
    case Msg::EditDownloadConflict:
        return {"以下命令的映射地址冲突，未向网关发送任何数据：\n{}",
                "The mapping addresses of these commands conflict; nothing was sent to the gateway:\n{}"};
    case Msg::EditDownloadOverflow:
        return {"以下命令的映射超出网关内存，未向网关发送任何数据：\n{}",
                "These commands are mapped beyond the gateway's memory; nothing was sent to the gateway:\n{}"};
    case Msg::EditOpenConflictDetect: return {"现在打开冲突检测吗？", "Open Conflict Detect now?"};
    case Msg::EditUnsupportedFunction:
        return {"网关不支持此功能码，不能添加。", "The gateway does not support this function; it cannot be added."};
    case Msg::EditNoWebBrowser:
        return {"无法打开网页浏览器来显示 {}。", "No web browser could be opened for {}."};
    case Msg::EditToolTipSlave: return {"从站地址：{}", "Slave: {}"};
    case Msg::EditToolTipFunction: return {"功能：{}", "Function: {}"};
    case Msg::EditToolTipRegisters: return {"寄存器：{}–{}（{}个）", "Registers: {}–{} ({})"};
    case Msg::EditToolTipMapping: return {"映射：{} 位偏移 {}，{} 位", "Mapping: {} bit offset {}, {} bits"};
    case Msg::EditToolTipMnemonic: return {"助记符：{}", "Mnemonic: {}"};
    case Msg::EditVirtualGateway: return {"内置虚拟网关", "the built-in virtual gateway"};

    // Commissioning probe (probe/)
    case Msg::ProbeLineRefused: return {"串口不接受配置的线路设置 ({} 波特, 校验 {}); 未打开端口", "The serial port does not take the configured line settings ({} baud, parity {}); the port was not opened"};
    case Msg::ProbeParityRefused: return {"串口驱动不支持 \"奇偶校验方式\" = {}; 端口未以其他设置打开", "The serial driver does not support \"Parity\" = {}; the port was not opened with other settings"};
    case Msg::ProbePortLost: return {"端口 {} 失效 (设备被拔出?): {}", "The port {} failed (device unplugged?): {}"};
    case Msg::ProbeItemMissing: return {"缺少参数项", "Parameter item missing"};
    case Msg::ProbeUniversalMode: return {"子网为通用模式: 没有可测试的 Modbus 命令", "The subnet is in universal mode: there are no Modbus commands to test"};
    case Msg::ProbeNoCommands: return {"没有节点或节点没有命令", "No node, or the node has no commands"};
    case Msg::ProbeExceptionIllegalFunction: return {"非法功能", "Illegal function"};
    case Msg::ProbeExceptionIllegalAddress: return {"非法数据地址", "Illegal data address"};
    case Msg::ProbeExceptionIllegalValue: return {"非法数据值", "Illegal data value"};
    case Msg::ProbeExceptionDeviceFailure: return {"从站设备故障", "Server device failure"};
    case Msg::ProbeExceptionAcknowledge: return {"确认", "Acknowledge"};
    case Msg::ProbeExceptionBusy: return {"从站设备忙", "Server device busy"};
    case Msg::ProbeExceptionParity: return {"存储奇偶校验错误", "Memory parity error"};
    case Msg::ProbeExceptionGatewayPath: return {"网关路径不可用", "Gateway path unavailable"};
    case Msg::ProbeExceptionGatewayTarget: return {"网关目标设备无响应", "Gateway target device failed to respond"};
    case Msg::ProbeExceptionUnknown: return {"未知异常", "Unknown exception"};
    case Msg::ProbeStatusOk: return {"已应答", "answered"};
    case Msg::ProbeStatusException: return {"异常 {} ({})", "exception {} ({})"};
    case Msg::ProbeStatusTimeout: return {"超时无应答", "no answer within the time-out"};
    case Msg::ProbeStatusBadCheck: return {"校验错误 (CRC/LRC)", "bad CRC or LRC"};
    case Msg::ProbeStatusMismatch: return {"从站地址或功能码不符", "answer from the wrong slave or with the wrong function"};
    case Msg::ProbeStatusPort: return {"端口失效", "port failed"};
    case Msg::ProbeWriteChecked: return {"写命令: 仅读取其目标 (功能码 {}), 不写入", "write command: its target read with code {}, nothing written"};
    case Msg::ProbeInputMemory: return {"输入", "input"};
    case Msg::ProbeOutputMemory: return {"输出", "output"};
    case Msg::ProbePassLine: return {"第 {} 轮: {} ms, {} 条应答, {} 条失败", "Pass {}: {} ms, {} answered, {} failed"};
    case Msg::ProbeEstimateLine: return {"估算轮询周期 {} ms", "estimated polling cycle {} ms"};
    case Msg::ProbeImageTitle: return {"输入存储区 (Profibus 主站读取的 168 字节)", "Input memory (the 168 bytes the Profibus master reads)"};
    case Msg::ProbeImageUnfilled: return {"-- 未被任何命令填充", "-- filled by no command"};
    case Msg::ProbeImageNote: return {"字节交换按本工具的解释: 不交换 = 寄存器高字节在前; 二字节交换 = 每个寄存器两字节互换; 四字节交换 = 每四字节倒序 (A B C D 存为 D C B A)。", "Byte swapping as this tool interprets the gateway: no swapping = each register's high byte first; two bytes swapping = the two bytes of each register exchanged; four bytes swapping = each group of four bytes reversed (A B C D stored as D C B A)."};
    case Msg::ProbeProblemsTitle: return {"配置不能测试:", "The configuration cannot be tested:"};
    case Msg::ProbeFailedSummary: return {"{} 个结果未返回数据", "{} results returned no data"};
    case Msg::ProbeStopped: return {"已停止", "Stopped"};
    case Msg::ProbeHeaderCommand: return {"命令", "Command"};
    case Msg::ProbeHeaderStatus: return {"状态", "Status"};
    case Msg::ProbeHeaderData: return {"数据", "Data"};
    case Msg::ProbeHeaderMemory: return {"存储位置", "Memory"};
    case Msg::ProbeHeaderTime: return {"时间 (ms)", "Time (ms)"};
    case Msg::ProbeHeaderFunction: return {"功能码", "Function"};
    case Msg::ProbeHeaderSlave: return {"从站", "Slave"};
    case Msg::ProbeHeaderAddress: return {"地址", "Address"};
    case Msg::ProbeHeaderCount: return {"个数", "Count"};
    case Msg::ProbeCliAbout: return {"调试命令: 用 PC 串口向从站发送配置的 Modbus 命令 (只读, 从不写入), 显示应答和 Profibus 主站将看到的输入存储区", "Test the commands: send the configured Modbus commands from the PC's serial port to the slaves (reads only, nothing is ever written), show the answers and the input memory the Profibus master will see"};
    case Msg::ProbeCliPort: return {"Modbus 子网上的串口 (或 varkel-slave 的设备)", "Serial port on the Modbus subnet (or the device of varkel-slave)"};
    case Msg::ProbeCliPasses: return {"轮数 (默认 1)", "Number of passes (default 1)"};
    case Msg::ProbeCliWatch: return {"持续轮询直到 Ctrl+C", "Keep polling until Ctrl+C"};
    case Msg::ProbeCliJson: return {"每个结果输出一行 JSON 对象, 每轮之后一行轮次对象", "One JSON object a line per result, and one per pass"};
    case Msg::ProbeCliImage: return {"每轮之后显示输入存储区映像", "Print the input memory image after each pass"};
    case Msg::ProbeCliFormat: return {"寄存器的显示格式: hex, uint16, int16, int32, float32 (默认 hex 与十进制)", "How registers are shown: hex, uint16, int16, int32, float32 (default hex and decimal)"};
    case Msg::ProbeCliOrder: return {"32 位值的字节顺序: ABCD, CDAB, BADC, DCBA (默认按命令的字节交换)", "Byte order of 32-bit values: ABCD, CDAB, BADC, DCBA (default follows the command's byte swapping)"};
    case Msg::ProbeCliPassProgress: return {"第 {} 轮 {}/{}", "pass {} {}/{}"};
    case Msg::ProbeFramingNotCarried:
        return {"{}：虚拟线路不传送奇偶校验和数据位，测试照常进行",
                "{}: parity and data bits are not carried by a virtual line; the test goes on"};
    case Msg::ProbeVirtualSlave: return {"虚拟从站 (内置)", "Virtual slave (built in)"};
    case Msg::ProbeDialogTitle: return {"测试命令", "Test Commands"};
    case Msg::ProbeMenuText: return {"测试命令(&T)...", "&Test Commands..."};
    case Msg::ProbeToolText: return {"测试命令", "Test Commands"};
    case Msg::ProbePortLabel: return {"端口:", "Port:"};
    case Msg::ProbeStart: return {"开始", "Start"};
    case Msg::ProbeStop: return {"停止", "Stop"};
    case Msg::ProbeSaveLog: return {"保存日志...", "Save Log..."};
    case Msg::ProbePassTime: return {"第 {} 轮: {} ms", "Pass {}: {} ms"};
    case Msg::ProbeTrendHeader: return {"曲线", "Trend"};
    case Msg::ProbeFormatHeader: return {"格式", "Format"};
    case Msg::ProbeOrderHeader: return {"字节顺序", "Byte order"};
    case Msg::ProbeValuesHeader: return {"数值", "Values"};
    case Msg::ProbePause: return {"暂停", "Pause"};
    case Msg::ProbeResetZoom: return {"复位缩放", "Reset zoom"};
    case Msg::ProbeTimeAxis: return {"时间 (s)", "Time (s)"};
    case Msg::ProbeValueAxis: return {"数值", "Value"};
    case Msg::ProbeNoTrendChart:
        return {"无法加载趋势图：{}", "The trend chart could not be loaded: {}"};
    case Msg::ProbeImageDecoded: return {"所选命令在存储区中的字节按 {} 读取: {}", "The selected command's bytes in memory as {}: {}"};
    case Msg::ProbeImageOrderNote: return {"* 标出得出表格数值的字节顺序, 即 PLC 一侧读取这些字节应采用的顺序。", "* marks the byte order that gives the table's values: the order the PLC's side must read these bytes in."};
    case Msg::ProbeImageOwner: return {"字节 {}: {}", "Byte {}: {}"};
    case Msg::ProbeLogFilter: return {"CSV 文件 (*.csv)", "CSV files (*.csv)"};
    case Msg::ProbeLogSaveFailed: return {"无法写入 {}", "Cannot write {}"};
    case Msg::ProbeRunning: return {"正在 {} 上测试 (只读取, 从不写入设备)", "Testing on {} (reads only: nothing is ever written to a device)"};
    case Msg::ProbeSlaveFailed: return {"无法启动虚拟从站: {}", "The virtual slave could not be started: {}"};
    case Msg::ProbeNoPort: return {"请选择端口", "Choose a port"};

    // Timing estimate and I/O list
    case Msg::EstimateUniversalMode: return {"通用模式: 网关不轮询从站, 没有可估算的轮询周期", "Universal mode: the gateway polls no slave, so there is no polling cycle to estimate"};
    case Msg::EstimateUnknownBaudRate: return {"波特率不是网关提供的值, 无法估算轮询周期", "The baud rate is not one the gateway offers: no polling cycle can be estimated"};
    case Msg::EstimateSummary: return {"估算快速扫描周期 {} ms, 慢速扫描周期 {} ms, 从站不应答时 {} ms", "Estimated quick-scan cycle {} ms, slow-scan cycle {} ms, {} ms when no slave answers"};
    case Msg::EstimateLine: return {"{} 波特, 每字符 {} 位 ({} ms); 从站应答前假定 {} ms; 轮询延时 {} ms; 响应等待 {} ms; 扫描比率 {}", "{} baud, {} bits a character ({} ms); {} ms assumed before a slave answers; {} ms delay between polls; {} ms response timeout; scan ratio {}"};
    case Msg::EstimateTableHead: return {"节点  命令  功能码  请求字符  应答字符  线路 ms  扫描", "node  command  function  request chars  reply chars  line ms  scan"};
    case Msg::EstimateTimeoutTooShort: return {"响应等待时间 ({} ms) 短于最长应答在线路上所需的时间 ({} ms, {} 波特)", "The response timeout ({} ms) is shorter than the longest reply takes on the line ({} ms at {} baud)"};
    case Msg::EstimateCycleTooLong: return {"估算的快速扫描周期 ({} ms) 超过一秒", "The estimated quick-scan cycle ({} ms) is above one second"};
    case Msg::EstimateNoCommands: return {"没有 Modbus 命令", "No Modbus commands"};
    case Msg::IoListOutsideMemory: return {"{} 个数据元素位于存储区之外, 未列入 I/O 列表", "{} data elements lie outside the memory and are not in the I/O list"};
    case Msg::IoListWritten: return {"I/O 列表已写入 {} ({} 行)", "I/O list written to {} ({} rows)"};
    case Msg::IoListWriteFailed: return {"无法写入 I/O 列表 {}: {}", "Cannot write the I/O list {}: {}"};
    case Msg::IoListSheetTitle: return {"IO 列表", "IO list"}; // "/" is not allowed in a sheet name
    case Msg::EstimateHelp: return {"由配置估算轮询周期: 每条命令的线路时间, 快速/慢速扫描周期, 从站不应答时的周期", "Estimate the polling cycle from the configuration: each command's line time, the quick-scan and slow-scan cycles, the cycle when no slave answers"};
    case Msg::EstimateTurnaroundHelp: return {"假定的从站应答前时间 (ms, 默认 5)", "Assumed time a slave takes before it answers (ms, default 5)"};
    case Msg::IoListHelp: return {"PLC I/O 列表: 每个寄存器或线圈在 Profibus 数据中的位置 (CSV 或 JSON)", "PLC I/O list: where each register or coil lies in the Profibus data (CSV or JSON)"};
    case Msg::IoListOutputHelp: return {"写入 CSV 文件 (UTF-8, 带字节顺序标记); 默认输出到标准输出", "Write a CSV file (UTF-8 with a byte-order mark); standard output by default"};

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
    case Msg::PlcTagsWriteFailed: return {"无法写入 PLC 标签表 {}: {}", "Cannot write the PLC tag table {}: {}"};
    case Msg::PlcTagsNone: return {"配置中没有可生成标签的寄存器或线圈", "The configuration has no register or coil to make a tag of"};
    case Msg::TagsHelp: return {"PLC 标签表: 每个寄存器或线圈一个标签 (名称, 类型, 地址, 注释), 供 PLC 编程工具导入 (csv, s7 工作簿, iec 文本)", "PLC tag table: a tag (name, type, address, comment) for each register or coil, for the PLC's engineering tool to import (csv, s7 workbook, iec text)"};
    case Msg::TagsFormatHelp: return {"文件格式: csv (name,type,address,comment), s7 (工作表 \"PLC Tags\" 的 .xlsx), iec (IEC 61131-3 VAR_GLOBAL 文本)", "File format: csv (name,type,address,comment), s7 (.xlsx with the sheet \"PLC Tags\"), iec (IEC 61131-3 VAR_GLOBAL text)"};
    case Msg::TagsInputBaseHelp: return {"PLC 映射网关输入区的字节地址 (默认 0)", "Byte address at which the PLC maps the gateway's input area (default 0)"};
    case Msg::TagsOutputBaseHelp: return {"PLC 映射网关输出区的字节地址 (默认 0)", "Byte address at which the PLC maps the gateway's output area (default 0)"};
    case Msg::TagsTypeHelp: return {"寄存器命令 N (从 1 数起, 同工作簿) 的类型: INT, UINT, WORD, DINT, UDINT, DWORD, REAL; 可多次给出", "Type of register command N (counted from 1, as in the workbook): INT, UINT, WORD, DINT, UDINT, DWORD, REAL; may be given more than once"};
    case Msg::TagsTableHelp: return {"标签表名称 (s7 的 Path 列, iec 文本的标题; 默认 Varkel)", "Name of the tag table (the s7 Path column, the iec text's heading; default Varkel)"};
    case Msg::TagsIecByteHelp: return {"iec: 字和双字按字节编址 (字节 256 处的字为 IW256); 默认按字编址 (为 IW128)", "iec: words and double words byte-addressed (the word at byte 256 is IW256); by default word-indexed (IW128)"};
    case Msg::TagsOutputHelp: return {"写入的文件", "The file to write"};
    case Msg::TagsJsonHelp: return {"在标准输出上以 JSON 列出标签", "List the tags as JSON on standard output"};
    case Msg::TagsBadType: return {"--type {}: 应为 N=类型, 类型为 {} 之一", "--type {}: expected N=TYPE with TYPE one of {}"};
    case Msg::TagsTypedTwice: return {"--type 为命令 {} 给出了两次", "--type names command {} twice"};
    case Msg::TagsNeedOutput: return {"请用 -o 指定要写入的文件 (或用 --json 在标准输出上列出标签)", "Name the file to write with -o (or list the tags on standard output with --json)"};

    // Import of command lists (model/, persist/, export/)
    case Msg::ListMissing: return {"找不到或无法打开列表文件 {}: {}", "The list {} is missing or cannot be opened: {}"};
    case Msg::ListTooLarge: return {"列表 {} 超过 {} 字节的上限", "The list {} is larger than the limit of {} bytes"};
    case Msg::ListNotWorkbook: return {"{} 不是可读的 .xlsx 工作簿 ({})", "{} is not a readable .xlsx workbook ({})"};
    case Msg::ListEncrypted: return {"{} 已加密或是旧的二进制格式 (.xls); 请另存为无密码的 .xlsx 工作簿或 CSV", "{} is encrypted or in the old binary format (.xls); save it as an .xlsx workbook without a password, or as CSV"};
    case Msg::ListPartEncrypted: return {"部件需要密码", "a part needs a password"};
    case Msg::ListMacros: return {"{} 含有宏; 请另存为普通的 .xlsx 工作簿", "{} contains macros; save it as a plain .xlsx workbook"};
    case Msg::ListNoSheet: return {"{} 中没有工作表", "{} holds no worksheet"};
    case Msg::ListMalformed: return {"{} 中的 {} 不是格式正确的 XML", "The part {} of {} is not well-formed XML"};
    case Msg::ListTooManyRows: return {"{} 的非空行超过 {} 行", "{} has more than {} non-empty rows"};
    case Msg::ListTooManyColumns: return {"{} 的单元格 {} 超出第 {} 列", "Cell {} of {} lies beyond column {}"};
    case Msg::ListCellTooLarge: return {"{} 的单元格 {} 超过 {} 字节", "Cell {} of {} is longer than {} bytes"};
    case Msg::ListNulByte: return {"{} 含有 NUL 字节, 不是文本文件", "{} contains a NUL byte and is no text file"};
    case Msg::ListUtf16: return {"{} 是 UTF-16 编码; 请另存为 UTF-8 或 GB18030", "{} is UTF-16 text; save it as UTF-8 or GB18030"};
    case Msg::ListBadEncoding: return {"{} 既不是 UTF-8 也不是 GB18030 文本 (第 {} 字节)", "{} is neither UTF-8 nor GB18030 text (byte {})"};
    case Msg::ListBadQuote: return {"{} 第 {} 行: 引号字段未结束或格式错误", "{} row {}: a quoted field is not closed or is malformed"};
    case Msg::ListNoHeader: return {"{} 中没有表头行", "{} has no header row"};
    case Msg::ListDuplicatePart: return {"有两个条目都名为 {}, 无法确定用哪一个", "two entries are named {}, so which one is meant is ambiguous"};
    case Msg::ListRowNumber: return {"{}: 行号 \"{}\" 不在 1 到 {} 之间", "{}: the row number \"{}\" is not from 1 to {}"};
    case Msg::ListRowTwice: return {"{}: 第 {} 行出现两次", "{}: row {} comes twice"};
    case Msg::ListRowOrder: return {"{}: 第 {} 行排在第 {} 行之后", "{}: row {} comes after row {}"};
    case Msg::ListCellReference: return {"{} 第 {} 行: \"{}\" 不是单元格引用 (A1 到 XFD1048576)", "{} row {}: \"{}\" is no cell reference (A1 to XFD1048576)"};
    case Msg::ListCellOutsideRow: return {"{} 第 {} 行: 单元格 \"{}\" 不在这一行中", "{} row {}: the cell \"{}\" lies outside its row"};
    case Msg::ListCellTwice: return {"{}: 单元格 {} 出现两次", "{}: cell {} comes twice"};
    case Msg::ListCellOrder: return {"{}: 单元格 {} 排在单元格 {} 之后", "{}: cell {} comes after cell {}"};
    case Msg::ListSharedIndex: return {"{} 单元格 {}: 共享字符串 \"{}\" 不存在 (工作簿共有 {} 个)", "{} cell {}: shared string \"{}\" does not exist (the workbook holds {})"};
    case Msg::ListSharedMissing: return {"{} 单元格 {}: 引用共享字符串 \"{}\", 但工作簿没有共享字符串部件", "{} cell {}: refers to shared string \"{}\", but the workbook has no shared strings part"};
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
    case Msg::ImportSummary: return {"已导入 {} 条命令", "{} commands imported"};
    case Msg::ImportRefusedSummary: return {"列表被拒绝: {} 个问题, 配置未改变", "The list was refused: {} problems, the configuration is unchanged"};
    case Msg::ImportNoRows: return {"{} 只有表头, 没有命令数据行", "{} has a header but no command rows"};
    case Msg::ImportNothingToAppend: return {"{} 没有命令数据行: 没有可追加的命令, 配置未改变", "{} has no command rows: nothing is appended, the configuration is unchanged"};
    case Msg::ImportControlCharacter: return {"{}：\"{}\" — {}（控制字符 {}）", "{}: \"{}\" — {} (control character {})"};
    case Msg::ImportCodePageCharacter: return {"{}：\"{}\" — {}（配置文件的代码页 GB2312 无法保存 \"{}\"）", "{}: \"{}\" — {} (the configuration file's code page, GB2312, cannot hold \"{}\")"};
    case Msg::ImportCliHelp: return {"从工作簿 (.xlsx, 导出的格式) 或 CSV 导入第一个节点的命令列表; 每个值按参数表格的规则提交, 任一值被拒绝时文件不变, 并列出每个问题 (工作表, 行, 列); 退出状态同 set, 列表不可读时 65", "Import the first node's command list from a workbook (.xlsx, in the export's layout) or CSV; every value is committed through the parameter grid's rules; when any value is refused the file stays as it was and every problem is listed (sheet, row, column); exit codes as for set, 65 for an unreadable list"};
    case Msg::ImportCliFromHelp: return {"命令列表 (.xlsx 或 .csv)", "Command list (.xlsx or .csv)"};
    case Msg::ImportCliAppendHelp: return {"追加到节点已有命令之后 (默认替换全部命令)", "Append to the node's commands (by default they are replaced)"};
    case Msg::ImportCliAutoMapHelp: return {"导入后运行自动映射", "Run Auto Mapping after the import"};

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

std::string Text(Msg id) {
    TextPair pair = TextPairOf(id);
    return GetTextLanguage() == TextLanguage::English ? pair.english : pair.chinese;
}

std::string Text(Msg id, std::initializer_list<std::string> args) {
    return FillPlaceholders(Text(id), args);
}

} // namespace varkel
