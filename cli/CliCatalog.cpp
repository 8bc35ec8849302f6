#include "cli/CliCatalog.h"

namespace varkel {

// One case a text, Chinese first. The switch has no default, so the compiler
// names any identifier that has no text.
// clang-format off
TextPair TextPairOf(CliMsg id) {
    switch (id) {
    // Gateway link
    case CliMsg::LinkCliPort:
        return {"串口设备, 例如 /dev/ttyUSB0; 多次给出时同时传输到每个网关",
                "Serial device, for example /dev/ttyUSB0; given more than once, every gateway at the same time"};
    case CliMsg::LinkCliTrace: return {"在标准错误输出上以十六进制和时间戳打印每一帧", "Print every frame in hex with time stamps on standard error"};
    case CliMsg::LinkCliDownload: return {"把配置下载到网关 (在终端上显示进度)", "Download the configuration to a gateway (with a progress display on a terminal)"};
    case CliMsg::LinkCliPace: return {"每帧发送后等待应答前的间隔, 毫秒 (默认 100)", "Pause after each frame before its acknowledgement is read, in milliseconds (default 100)"};
    case CliMsg::LinkCliUpload: return {"从网关上传配置到基础配置中, 仅在上传成功时保存到 OUT", "Upload a gateway's configuration into the base configuration and save OUT only when the upload succeeded"};
    case CliMsg::LinkCliOutput:
        return {"输出文件 (多个串口时为文件夹, 每个网关写入 <串口名>.xml)",
                "Output file (with several ports a folder: one <port name>.xml a gateway)"};
    case CliMsg::LinkCliBase: return {"上传所依据的配置 (默认: 新的默认配置)", "Configuration to upload into (default: a new default one)"};
    case CliMsg::LinkCliPorts: return {"列出串口, 每行一个", "List the serial ports, one per line"};
    case CliMsg::LinkCliRefusedExit: return {"已写入, 但含有编辑器不会接受的数值 (退出状态 2)", "Written, but it holds values the editor would refuse (exit status 2)"};

    // Command line
    case CliMsg::CliDescription:
        return {"Varkel 网关配置工具的命令行界面: 不打开窗口完成配置工具的每项工作。",
                "Varkel gateway configuration from the command line: every job of the configuration tool without a window."};
    case CliMsg::CliFooter:
        return {"退出状态: 0 成功; 1 diff 发现差异; 3-11, 13 结果代码 (与网关操作相同); 14 probe 有命令未返回数据; 64 用法错误或拒绝的编辑; 65 输入不是有效配置; 66 输入文件缺失、不可读或不是普通文件; 73 无法写入输出, 或文件在读取后已被修改。失败时不写入任何文件。详见 docs/cli.md。",
                "Exit status: 0 success; 1 diff found differences; 3-11, 13 the result code of the operation; 14 probe: a command returned no data; 64 usage error or refused edit; 65 input is not a valid configuration; 66 input file missing, unreadable or not a regular file; 73 output cannot be written, or the file changed on disk since it was read. Nothing is written on failure. See docs/cli.md."};
    case CliMsg::CliVersionHelp: return {"显示版本并退出", "Print the version and exit"};
    case CliMsg::CliLangHelp:
        return {"文本语言: zh (中文) 或 en (英文); 未给出时按区域设置 (LC_ALL, LC_MESSAGES, LANG)",
                "Text language: zh (Chinese) or en (English); by the locale (LC_ALL, LC_MESSAGES, LANG) when not given"};
    case CliMsg::CliAnswerHelp:
        return {"核心提出问题时给出的固定回答: yes (默认), no 或 cancel; 不会等待键盘输入",
                "Fixed answer to any question the core asks: yes (the default), no or cancel; the keyboard is never read"};
    case CliMsg::CliSeeHelp: return {"使用 --help 查看用法。", "Run with --help for the usage."};
    case CliMsg::CliInternalError: return {"内部错误: {}", "Internal error: {}"};
    case CliMsg::CliFileHelp: return {"配置文件", "Configuration file"};
    case CliMsg::CliCannotSwitchUniversal: return {"无法切换到通用模式", "Cannot switch to universal mode"};
    case CliMsg::CliAutoMapMasterOnly:
        return {"自动映射仅在 Modbus 主站模式下可用",
                "Auto mapping is only offered in Modbus master mode"};
    case CliMsg::CliNoNodeInUniversal:
        return {"通用模式下不能增加节点",
                "Nodes cannot be added in universal mode"};
    case CliMsg::CliSubnetHasNode:
        return {"子网已有节点 {}; 只能有一个节点",
                "The subnet already has the node {}; it can have only one"};
    case CliMsg::CliNodeNotAdded: return {"无法增加节点", "The node could not be added"};
    case CliMsg::CliNoNodeAddOne:
        return {"没有节点 {} (子网有 {} 个节点; 请先用 add-node 增加节点)",
                "There is no node {} (the subnet has {} nodes; add one with add-node)"};
    case CliMsg::CliFunctionUnsupported:
        return {"不支持功能索引 {} ({}); 支持的索引: 0-5, 12, 13",
                "Function index {} ({}) is not supported; supported are 0-5, 12 and 13"};
    case CliMsg::CliCommandNotAdded: return {"无法增加命令", "The command could not be added"};
    case CliMsg::CliInvalidRow: return {"行号无效: \"{}\"", "Invalid row: \"{}\""};
    case CliMsg::CliNoRow: return {"{} 没有第 {} 行", "{} has no row {}"};
    case CliMsg::CliRowShownOnly:
        return {"{} 第 {} 行 \"{}\" 只能查看, 不能编辑",
                "{} row {} (\"{}\") is shown only and cannot be edited"};
    case CliMsg::CliRowGreyed:
        return {"{} 第 {} 行 \"{}\" 当前不可编辑 (灰色)",
                "{} row {} (\"{}\") is greyed and cannot be edited now"};
    case CliMsg::CliNotAChoice:
        return {"\"{}\" 不是 \"{}\" 的选项; 可选: {}",
                "\"{}\" is not a choice of \"{}\"; the choices are: {}"};
    case CliMsg::CliNodeName: return {"节点名称: {}", "node name: {}"};
    case CliMsg::CliProtocolType: return {"协议类型: {}", "protocol type: {}"};
    case CliMsg::CliRowValue: return {"第 {} 行 {}: {}", "row {} {}: {}"};
    case CliMsg::CliRowEnabled: return {"第 {} 行 {}: 可编辑", "row {} {}: enabled"};
    case CliMsg::CliRowDisabled: return {"第 {} 行 {}: 不可编辑", "row {} {}: greyed"};
    case CliMsg::CliNewHelp:
        return {"写入一个新的默认配置 (构造时的默认值)",
                "Write a new default configuration (the construction defaults)"};
    case CliMsg::CliOutputHelp: return {"输出文件", "Output file"};
    case CliMsg::CliUniversalHelp:
        return {"像参数表格那样把协议类型切换为通用模式",
                "Switch the protocol type to universal mode, as the grid would"};
    case CliMsg::CliAutoMapHelp:
        return {"自动计算全部映射地址并保存 (默认保存到原文件); 溢出时退出状态 13, 映射仍保存",
                "Recalculate every mapping address and save (in place by default); on an overflow exit 13, the mapping is still saved"};
    case CliMsg::CliOutputDefaultHelp: return {"输出文件 (默认: FILE)", "Output file (default: FILE)"};
    case CliMsg::CliAddNodeHelp:
        return {"增加节点, 如编辑器的“增加节点” (仅在 Modbus 主站模式且子网尚无节点时)",
                "Add a node as the editor's Add Node does (only in Modbus master mode and while the subnet has no node)"};
    case CliMsg::CliAddCommandHelp:
        return {"在节点 N 上增加功能索引为 INDEX 的命令, 如编辑器的“增加命令”; 第一个节点最多 48 条命令 (超出时退出状态 8)",
                "Add a command of function index INDEX to node N as the editor's Add Command does; the first node holds at most 48 commands (exit 8 beyond)"};
    case CliMsg::CliFunctionHelp:
        return {"功能索引 0-13: 0=01 1=02 2=03 3=04 4=05 5=06 12=15 13=16 (6-11 不支持)",
                "Function index 0-13: 0=01 1=02 2=03 3=04 4=05 5=06 12=15 13=16 (6-11 are not supported)"};
    case CliMsg::CliNodeHelp: return {"节点序号, 从 0 开始 (默认 0)", "Node number from 0 (default 0)"};
    case CliMsg::CliSetHelp:
        return {"按参数表格的规则在 TARGET 的 ROW 行提交 VALUE; 拒绝的值以其结果代码 (6, 7, 8) 退出, 文件不变; 不可编辑的行退出状态 64",
                "Commit VALUE at ROW of TARGET through the parameter grid's rules; a refused value exits with its code (6, 7 or 8) and the file stays as it was; a row that cannot be edited exits 64"};
    case CliMsg::CliTargetHelp:
        return {"fieldbus, subnet, node:N 或 command:N:M (N, M 从 0 开始)",
                "fieldbus, subnet, node:N or command:N:M (N and M from 0)"};
    case CliMsg::CliRowHelp: return {"参数表格的行号, 从 0 开始", "Row of the parameter grid, from 0"};
    case CliMsg::CliValueHelp:
        return {"输入的值, 或选项参数的某个选项文本 (可为空: \"\")",
                "The typed value, or the text of one of a choice item's choices (may be empty: \"\")"};
    case CliMsg::CliExportFailed: return {"导出失败: {}", "The export failed: {}"};
    case CliMsg::CliExportHelp:
        return {"把配置导出为由模板生成的工作簿 (.xlsx)",
                "Export the configuration to a workbook (.xlsx) made from the template"};
    case CliMsg::CliWorkbookHelp: return {"输出的工作簿 (.xlsx)", "Output workbook (.xlsx)"};
    case CliMsg::CliTemplateHelp:
        return {"模板工作簿 (默认: 程序附带的当前语言模板)",
                "Template workbook (default: the one shipped with the program for the active language)"};
    case CliMsg::CliMemoryUse:
        return {"{} {}-{}: 已用 {} 位, 冲突 {} 位, 溢出 {} 位",
                "{} {}-{}: {} bits used, {} in conflict, {} overflowing"};
    case CliMsg::CliOverflowBits: return {"溢出位 (超出 {}): {}", "overflow bits (beyond {}): {}"};
    case CliMsg::CliFileNotFound: return {"找不到文件: {}", "File not found: {}"};
    case CliMsg::CliFileIsFolder: return {"这是一个文件夹, 不是配置文件: {}", "This is a folder, not a file: {}"};
    case CliMsg::CliCannotRead: return {"无法读取文件 {}: {}", "Cannot read the file {}: {}"};
    case CliMsg::CliNotRegularFile:
        return {"这不是普通文件（管道、设备或套接字）, 不读取: {}",
                "This is not a regular file (a pipe, device or socket); not read: {}"};
    case CliMsg::CliChangedOnDisk:
        return {"文件在读取后已被其他程序修改, 未写入, 以免丢失其修改: {}",
                "The file changed on disk since it was read; not written, so that the other change is not lost: {}"};
    case CliMsg::CliNotAConfiguration: return {"{} 不是有效的配置文件", "{} is not a valid configuration"};
    case CliMsg::CliIncomplete:
        return {"{} 不是完整的配置文件: 缺少{}",
                "{} is not a complete configuration: {} missing"};
    case CliMsg::CliFieldbusItems: return {"现场总线参数", "the fieldbus items"};
    case CliMsg::CliSubnetItems: return {"子网参数", "the subnet items"};
    case CliMsg::CliMasterItems: return {"Modbus主站参数", "the Modbus master items"};
    case CliMsg::CliUniversalItems: return {"通用模式参数", "the universal mode items"};
    case CliMsg::CliSlaveAddressOf: return {"{} 的从站地址", "the slave address of {}"};
    case CliMsg::CliCommandItemsOf: return {"{} 的命令 {} 的参数", "the items of {}'s command {}"};
    case CliMsg::CliWriteFolder: return {"无法写入 {}: 这是一个文件夹", "Cannot write {}: it is a folder"};
    case CliMsg::CliWriteNoFolder:
        return {"无法写入 {}: 文件夹 {} 不存在",
                "Cannot write {}: the folder {} does not exist"};
    case CliMsg::CliWriteFolderReadOnly:
        return {"无法写入 {}: 文件夹 {} 不可写",
                "Cannot write {}: the folder {} is not writable"};
    case CliMsg::CliCannotWrite: return {"无法写入 {}", "Cannot write {}"};
    case CliMsg::CliFixedMark: return {"  (只读)", "  (fixed)"};
    case CliMsg::CliGreyedMark: return {"  (灰色)", "  (greyed)"};
    case CliMsg::CliHiddenNodes:
        return {"  (以下节点保留在配置中, 但在通用模式下不显示于树中)",
                "  (the nodes below are kept, but the tree does not show them in universal mode)"};
    case CliMsg::CliFunctionIndex: return {", 功能索引 ", ", function index "};
    case CliMsg::CliNoProblems: return {"未发现问题", "No problems found"};
    case CliMsg::CliProblemsFound: return {"发现 {} 个问题", "{} problems found"};
    case CliMsg::CliInputMemory: return {"输入存储区", "Input memory"};
    case CliMsg::CliOutputMemory: return {"输出存储区", "Output memory"};
    case CliMsg::CliMapLegend:
        return {"每行 8 字节, 每字节从位 0 开始: . 未用  # 已用  X 冲突",
                "8 bytes a line, each byte from bit 0: . free  # used  X conflict"};
    case CliMsg::CliConfigurationsEqual: return {"两个配置相同", "The configurations are equal"};
    case CliMsg::CliDifferences: return {"{} 处不同", "{} differences"};
    case CliMsg::CliTextDifferences: return {"{} 处仅文本不同", "{} differences in texts only"};
    case CliMsg::CliTextDifferencesHeading:
        return {"仅文本不同 (设置相同):", "Different in texts only (the same settings):"};
    case CliMsg::CliDiffTextsHelp:
        return {"另列出仅文本不同之处: 名称, 帮助文本, 以另一种语言写成的选项; 它们不影响退出状态",
                "Also list the differences in texts only: names, help texts, choices written in the other language; they do not change the exit status"};
    case CliMsg::CliShowHelp:
        return {"显示配置: 默认为可读的树, --json 为供脚本使用的稳定 JSON",
                "Print the configuration: a readable tree by default, stable JSON for scripts with --json"};
    case CliMsg::CliJsonHelp: return {"以 JSON 输出", "Print JSON"};
    case CliMsg::CliCheckHelp:
        return {"做下载前的全部检查 (空值, 存储区标记与扫描, 节点命令两两冲突), 列出每个问题; 退出状态为第一个问题的结果代码, 无问题为 0",
                "Run every check a download makes before it sends a byte (empty values, memory marking and scan, the node's pairwise conflict check) and list every problem; exit with the first problem's result code, 0 when clean"};
    case CliMsg::CliMapHelp: return {"显示输入和输出存储区每一位的使用情况", "Show the use of both memories bit by bit"};
    case CliMsg::CliMapJsonHelp:
        return {"以 JSON 输出: used, conflict, overflow 位列表",
                "Print JSON: lists of used, conflict and overflow bits"};
    case CliMsg::CliDiffHelp:
        return {"逐项比较两个配置的设置 (以中文或英文制作的文件按文本的键比较); 相同退出 0, 不同退出 1",
                "Compare the settings of two configurations field by field (texts of either language by their key); exit 0 when equal, 1 when they differ"};
    case CliMsg::CliFirstFileHelp: return {"第一个配置文件", "First configuration file"};
    case CliMsg::CliSecondFileHelp: return {"第二个配置文件", "Second configuration file"};
    case CliMsg::CliUnknownTarget:
        return {"无法识别的对象 \"{}\": 应为 fieldbus, subnet, node:N 或 command:N:M",
                "Unknown target \"{}\": expected fieldbus, subnet, node:N or command:N:M"};
    case CliMsg::CliNoNode:
        return {"没有节点 {} (子网有 {} 个节点)",
                "There is no node {} (the subnet has {} nodes)"};
    case CliMsg::CliNoCommand:
        return {"{} 没有命令 {} (共 {} 条命令)",
                "{} has no command {} (it has {} commands)"};
    case CliMsg::CliAnswerYes: return {"是", "yes"};
    case CliMsg::CliAnswerNo: return {"否", "no"};
    case CliMsg::CliAnswerCancel: return {"取消", "cancel"};

    // download / upload on several ports at once
    case CliMsg::CliPortsFromHelp:
        return {"列有串口的文件, 每行一个设备 (空行和以 # 开头的行除外)",
                "File listing the ports, one device a line (blank lines and lines starting with # left out)"};
    case CliMsg::CliCompareHelp:
        return {"参考配置: 逐个串口列出网关中的配置与它的差异 (有差异时退出状态为 1)",
                "Reference configuration: list per port how the gateway's configuration differs from it (exit 1 when one does)"};
    case CliMsg::CliPortListUnreadable:
        return {"无法读取串口列表 {}: 请给出每行一个串口的文本文件", "Cannot read the port list {}: give a text file with one port a line"};
    case CliMsg::CliNoPort: return {"未给出串口: 请使用 --port 或 --ports-from", "No port given: use --port or --ports-from"};
    case CliMsg::CliTooManyPorts: return {"一次最多 {} 个串口", "At most {} ports at once"};
    case CliMsg::CliPortTwice: return {"串口 {} 给出了两次", "The port {} is given twice"};
    case CliMsg::CliPortNoFileName: return {"串口 {} 没有可用作文件名的名称", "The port {} has no name to use for a file"};
    case CliMsg::CliPortFileClash:
        return {"串口 {} 和 {} 会写入同一个文件 {}", "The ports {} and {} would both be written to {}"};
    case CliMsg::CliPortWaiting: return {"等待", "waiting"};
    case CliMsg::CliPortOk: return {"ok", "ok"};
    case CliMsg::CliSummaryPort: return {"串口", "Port"};
    case CliMsg::CliSummaryResult: return {"结果", "Result"};
    case CliMsg::CliSummaryTime: return {"用时", "Time"};
    case CliMsg::CliSummaryHardware: return {"硬件版本", "Hardware"};
    case CliMsg::CliCompareSame: return {"{}: 与 {} 相同", "{}: the same as {}"};
    case CliMsg::CliCompareDiffers: return {"{}: {} 处与 {} 不同", "{}: {} differences from {}"};

    // CLI11's own words in the help and its error messages
    case CliMsg::CliLabelUsage: return {"用法", "Usage"};
    case CliMsg::CliLabelOptions: return {"选项", "Options"};
    case CliMsg::CliLabelOptionsBadge: return {"选项", "OPTIONS"};
    case CliMsg::CliLabelSubcommands: return {"子命令", "Subcommands"};
    case CliMsg::CliLabelSubcommand: return {"子命令", "SUBCOMMAND"};
    case CliMsg::CliLabelPositionals: return {"位置参数", "Positionals"};
    case CliMsg::CliLabelRequired: return {"必需", "REQUIRED"};
    case CliMsg::CliLabelNeeds: return {"需要", "Needs"};
    case CliMsg::CliLabelExcludes: return {"不能同用", "Excludes"};
    case CliMsg::CliTypeText: return {"文本", "TEXT"};
    case CliMsg::CliTypeInt: return {"整数", "INT"};
    case CliMsg::CliTypeUint: return {"非负整数", "UINT"};
    case CliMsg::CliTypeFloat: return {"数值", "FLOAT"};
    case CliMsg::CliRangeIn: return {"范围", "in"};
    case CliMsg::CliHelpHelp: return {"显示本帮助信息并退出", "Print this help message and exit"};
    case CliMsg::CliErrorExtra: return {"多余的参数：{}", "The following argument was not expected: {}"};
    case CliMsg::CliErrorSubcommand: return {"需要给出一个子命令", "A subcommand is required"};
    case CliMsg::CliErrorRequired: return {"缺少必需的 {}", "{} is required"};
    case CliMsg::CliErrorRange: return {"{}：值 {} 不在 {} 到 {} 的范围内", "{}: Value {} not in range {} to {}"};
    case CliMsg::CliErrorConvert: return {"{}：无法识别的值 {}", "{}: Value {} could not be converted"};
    case CliMsg::CliErrorNotIn: return {"{}：{} 不是 {} 之一", "{}: {} not in {}"};
    case CliMsg::CliErrorMissingValue: return {"{} 后缺少值", "{}: a value is missing"};
    case CliMsg::CliErrorExcludes: return {"{} 不能与 {} 同时使用", "{} excludes {}"};
    case CliMsg::CliErrorRequires: return {"{} 需要同时给出 {}", "{} requires {}"};
    case CliMsg::CliErrorOther: return {"命令行有误：{}", "{}"};

    // Commissioning probe
    case CliMsg::ProbePassLine: return {"第 {} 轮: {} ms, {} 条应答, {} 条失败", "Pass {}: {} ms, {} answered, {} failed"};
    case CliMsg::ProbeFailedSummary: return {"{} 个结果未返回数据", "{} results returned no data"};
    case CliMsg::ProbeHeaderData: return {"数据", "Data"};
    case CliMsg::ProbeCliAbout: return {"调试命令: 用 PC 串口向从站发送配置的 Modbus 命令 (只读, 从不写入), 显示应答和 Profibus 主站将看到的输入存储区", "Test the commands: send the configured Modbus commands from the PC's serial port to the slaves (reads only, nothing is ever written), show the answers and the input memory the Profibus master will see"};
    case CliMsg::ProbeCliPort: return {"Modbus 子网上的串口 (或 varkel-slave 的设备)", "Serial port on the Modbus subnet (or the device of varkel-slave)"};
    case CliMsg::ProbeCliPasses: return {"轮数 (默认 1)", "Number of passes (default 1)"};
    case CliMsg::ProbeCliWatch: return {"持续轮询直到 Ctrl+C", "Keep polling until Ctrl+C"};
    case CliMsg::ProbeCliJson: return {"每个结果输出一行 JSON 对象, 每轮之后一行轮次对象", "One JSON object a line per result, and one per pass"};
    case CliMsg::ProbeCliImage: return {"每轮之后显示输入存储区映像", "Print the input memory image after each pass"};
    case CliMsg::ProbeCliFormat: return {"寄存器的显示格式: hex, uint16, int16, int32, float32 (默认 hex 与十进制)", "How registers are shown: hex, uint16, int16, int32, float32 (default hex and decimal)"};
    case CliMsg::ProbeCliOrder: return {"32 位值的字节顺序: ABCD, CDAB, BADC, DCBA (默认按命令的字节交换)", "Byte order of 32-bit values: ABCD, CDAB, BADC, DCBA (default follows the command's byte swapping)"};
    case CliMsg::ProbeCliPassProgress: return {"第 {} 轮 {}/{}", "pass {} {}/{}"};

    // Timing estimate and I/O list
    case CliMsg::EstimateLine: return {"{} 波特, 每字符 {} 位 ({} ms); 从站应答前假定 {} ms; 轮询延时 {} ms; 响应等待 {} ms; 扫描比率 {}", "{} baud, {} bits a character ({} ms); {} ms assumed before a slave answers; {} ms delay between polls; {} ms response timeout; scan ratio {}"};
    case CliMsg::EstimateTableHead: return {"节点  命令  功能码  请求字符  应答字符  线路 ms  扫描", "node  command  function  request chars  reply chars  line ms  scan"};
    case CliMsg::EstimateNoCommands: return {"没有 Modbus 命令", "No Modbus commands"};
    case CliMsg::EstimateHelp: return {"由配置估算轮询周期: 每条命令的线路时间, 快速/慢速扫描周期, 从站不应答时的周期", "Estimate the polling cycle from the configuration: each command's line time, the quick-scan and slow-scan cycles, the cycle when no slave answers"};
    case CliMsg::EstimateTurnaroundHelp: return {"假定的从站应答前时间 (ms, 默认 5)", "Assumed time a slave takes before it answers (ms, default 5)"};
    case CliMsg::IoListHelp: return {"PLC I/O 列表: 每个寄存器或线圈在 Profibus 数据中的位置 (CSV 或 JSON)", "PLC I/O list: where each register or coil lies in the Profibus data (CSV or JSON)"};
    case CliMsg::IoListOutputHelp: return {"写入 CSV 文件 (UTF-8, 带字节顺序标记); 默认输出到标准输出", "Write a CSV file (UTF-8 with a byte-order mark); standard output by default"};

    // PLC tag tables
    case CliMsg::TagsHelp: return {"PLC 标签表: 每个寄存器或线圈一个标签 (名称, 类型, 地址, 注释), 供 PLC 编程工具导入 (csv, s7 工作簿, iec 文本)", "PLC tag table: a tag (name, type, address, comment) for each register or coil, for the PLC's engineering tool to import (csv, s7 workbook, iec text)"};
    case CliMsg::TagsFormatHelp: return {"文件格式: csv (name,type,address,comment), s7 (工作表 \"PLC Tags\" 的 .xlsx), iec (IEC 61131-3 VAR_GLOBAL 文本)", "File format: csv (name,type,address,comment), s7 (.xlsx with the sheet \"PLC Tags\"), iec (IEC 61131-3 VAR_GLOBAL text)"};
    case CliMsg::TagsInputBaseHelp: return {"PLC 映射网关输入区的字节地址 (默认 0)", "Byte address at which the PLC maps the gateway's input area (default 0)"};
    case CliMsg::TagsOutputBaseHelp: return {"PLC 映射网关输出区的字节地址 (默认 0)", "Byte address at which the PLC maps the gateway's output area (default 0)"};
    case CliMsg::TagsTypeHelp: return {"寄存器命令 N (从 1 数起, 同工作簿) 的类型: INT, UINT, WORD, DINT, UDINT, DWORD, REAL; 可多次给出", "Type of register command N (counted from 1, as in the workbook): INT, UINT, WORD, DINT, UDINT, DWORD, REAL; may be given more than once"};
    case CliMsg::TagsTableHelp: return {"标签表名称 (s7 的 Path 列, iec 文本的标题; 默认 Varkel)", "Name of the tag table (the s7 Path column, the iec text's heading; default Varkel)"};
    case CliMsg::TagsIecByteHelp: return {"iec: 字和双字按字节编址 (字节 256 处的字为 IW256); 默认按字编址 (为 IW128)", "iec: words and double words byte-addressed (the word at byte 256 is IW256); by default word-indexed (IW128)"};
    case CliMsg::TagsOutputHelp: return {"写入的文件", "The file to write"};
    case CliMsg::TagsJsonHelp: return {"在标准输出上以 JSON 列出标签", "List the tags as JSON on standard output"};
    case CliMsg::TagsBadType: return {"--type {}: 应为 N=类型, 类型为 {} 之一", "--type {}: expected N=TYPE with TYPE one of {}"};
    case CliMsg::TagsTypedTwice: return {"--type 为命令 {} 给出了两次", "--type names command {} twice"};
    case CliMsg::TagsNeedOutput: return {"请用 -o 指定要写入的文件 (或用 --json 在标准输出上列出标签)", "Name the file to write with -o (or list the tags on standard output with --json)"};

    // Import of command lists
    case CliMsg::ImportSummary: return {"已导入 {} 条命令", "{} commands imported"};
    case CliMsg::ImportRefusedSummary: return {"列表被拒绝: {} 个问题, 配置未改变", "The list was refused: {} problems, the configuration is unchanged"};
    case CliMsg::ImportCliHelp: return {"从工作簿 (.xlsx, 导出的格式) 或 CSV 导入第一个节点的命令列表; 每个值按参数表格的规则提交, 任一值被拒绝时文件不变, 并列出每个问题 (工作表, 行, 列); 退出状态同 set, 列表不可读时 65", "Import the first node's command list from a workbook (.xlsx, in the export's layout) or CSV; every value is committed through the parameter grid's rules; when any value is refused the file stays as it was and every problem is listed (sheet, row, column); exit codes as for set, 65 for an unreadable list"};
    case CliMsg::ImportCliFromHelp: return {"命令列表 (.xlsx 或 .csv)", "Command list (.xlsx or .csv)"};
    case CliMsg::ImportCliAppendHelp: return {"追加到节点已有命令之后 (默认替换全部命令)", "Append to the node's commands (by default they are replaced)"};
    case CliMsg::ImportCliAutoMapHelp: return {"导入后运行自动映射", "Run Auto Mapping after the import"};

    case CliMsg::Count: break;
    }
    return {"", ""};
}
// clang-format on

} // namespace varkel
