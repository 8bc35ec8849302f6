#include "sim/SimCatalog.h"

namespace varkel {

// One case a text, Chinese first. The switch has no default, so the compiler
// names any identifier that has no text.
// clang-format off
TextPair TextPairOf(SimMsg id) {
    switch (id) {
    // Virtual gateway and virtual slave
    case SimMsg::SimDescription: return {"伪终端上的虚拟网关", "Virtual gateway on a pseudo-terminal"};
    case SimMsg::SimHwHelp: return {"硬件版本 主版本.次版本 (2.1)", "Hardware version MAJOR.MINOR (2.1)"};
    case SimMsg::SimLinkHelp: return {"指向设备的符号链接", "Symbolic link to the device"};
    case SimMsg::SimStateHelp: return {"保存下载配置的文件", "File that keeps the downloaded configuration"};
    case SimMsg::SimWireTimingHelp: return {"模拟19200波特率线路耗时", "Take the time of a 19200 baud line"};
    case SimMsg::SimTraceHelp: return {"打印每一帧; 加 --subnet 时还打印每次 Modbus 交换和存储区的每次变化", "Print every frame; with --subnet also every Modbus exchange and every change of the memories"};
    case SimMsg::SimFaultHelp:
        return {"注入的故障: none, silent, short, wrong-ack, bad-version, bad-checksum, vanish",
                "Fault to inject: none, silent, short, wrong-ack, bad-version, bad-checksum, vanish"};
    case SimMsg::SimFaultAtHelp:
        return {"出现故障的请求序号, 从 1 起 (0: 每个请求)",
                "Request number from 1 (0: every request)"};
    case SimMsg::SimLangHelp:
        return {"文本语言: en 或 zh; 未给出时按区域设置 (LC_ALL, LC_MESSAGES, LANG)",
                "Text language: en or zh; by the locale (LC_ALL, LC_MESSAGES, LANG) when not given"};
    case SimMsg::SimBadHardwareVersion:
        return {"硬件版本格式应为 主版本.次版本，例如 2.1",
                "Hardware version must be MAJOR.MINOR, for example 2.1"};
    case SimMsg::SimUnknownFault: return {"未知故障类型：{}", "Unknown fault: {}"};
    case SimMsg::SimCannotLoadState: return {"无法读取状态文件：{}", "Cannot load the state file: {}"};
    case SimMsg::SimCannotSaveState: return {"无法保存状态文件：{}", "Cannot save the state file: {}"};
    case SimMsg::SimCannotOpenPty: return {"无法打开伪终端：{}", "Cannot open a pseudo-terminal: {}"};
    case SimMsg::SimCannotCreateLink: return {"无法创建链接 {}: {}", "Cannot create the link {}: {}"};
    case SimMsg::SimReady:
        return {"虚拟网关，硬件版本 {}.{}，设备：{}{}",
                "Virtual gateway, hardware {}.{}, ready on {}{}"};
    case SimMsg::SimTraceMalformed: return {"格式错误的帧，已忽略", "malformed frame ignored"};
    case SimMsg::SimTraceWrongChecksum: return {"校验和错误，不回答", "wrong checksum, no answer"};
    case SimMsg::SimTraceHardwareVersion: return {"硬件版本", "hardware version"};
    case SimMsg::SimTraceSerialStored: return {"串口参数已保存", "serial settings stored"};
    case SimMsg::SimTraceSerialUniversalStored:
        return {"串口参数和通用模式参数已保存",
                "serial and universal settings stored"};
    case SimMsg::SimTraceUniversalStored: return {"通用模式参数已保存", "universal settings stored"};
    case SimMsg::SimTraceListStarted: return {"命令列表开始", "command list started"};
    case SimMsg::SimTraceRecordOutOfSequence:
        return {"记录顺序错误，不回答",
                "record out of sequence, no answer"};
    case SimMsg::SimTraceRecordStored: return {"记录 {} 已保存", "record {} stored"};
    case SimMsg::SimTraceValidLengthStored:
        return {"有效输入数据长度已保存",
                "length of valid input data stored"};
    case SimMsg::SimTraceClearOnFaultStored: return {"两次故障后清零已保存", "clear after twice faults stored"};
    case SimMsg::SimTraceSerialRead: return {"串口参数已读出", "serial settings read"};
    case SimMsg::SimTraceUniversalRead: return {"通用模式参数已读出", "universal settings read"};
    case SimMsg::SimTraceRecordCountRead: return {"记录数已读出", "record count read"};
    case SimMsg::SimTraceRecordPageRead: return {"记录页 {} 已读出", "record page {} read"};
    case SimMsg::SimTraceValidLengthRead: return {"有效输入数据长度已读出", "length of valid input data read"};
    case SimMsg::SimTraceClearOnFaultRead: return {"两次故障后清零已读出", "clear after twice faults read"};
    case SimMsg::SimTraceNotUnderstood: return {"无法识别的请求，不回答", "request not understood, no answer"};
    case SimMsg::SimFaultSilent: return {"[故障: 不回答]", "[fault: silent]"};
    case SimMsg::SimFaultShortReply: return {"[故障: 回答过短]", "[fault: short answer]"};
    case SimMsg::SimFaultWrongReply: return {"[故障: 错误的回答]", "[fault: wrong answer]"};
    case SimMsg::SimFaultBadVersion: return {"[故障: 错误的版本标记]", "[fault: wrong version mark]"};
    case SimMsg::SimFaultBadChecksum: return {"[故障: 错误的校验和]", "[fault: wrong checksum]"};
    case SimMsg::SimFaultVanish: return {"[故障: 设备消失]", "[fault: device vanished]"};
    case SimMsg::SimPipeFailed: return {"无法创建管道", "pipe failed"};
    case SimMsg::SimStateNotAStateFile: return {"不是虚拟网关状态文件", "not a virtual gateway state file"};
    case SimMsg::SimStateLineNotUnderstood: return {"第 {} 行无法识别", "line {} is not understood"};
    case SimMsg::SimStateCannotWrite: return {"无法写入 {}", "cannot write {}"};
    case SimMsg::SimStateCannotReplace: return {"无法替换 {}", "cannot replace {}"};
    case SimMsg::SimStateCannotRead: return {"无法读取 {}", "cannot read {}"};
    case SimMsg::SlaveAbout: return {"伪终端上的虚拟 Modbus 从站 (libmodbus 服务端), 供调试命令试用", "A virtual Modbus slave on a pseudo-terminal (libmodbus's server side), for trying the command test"};
    case SimMsg::SlaveUnitOption: return {"应答的从站地址, 可多次给出 (默认 1)", "Unit id that answers; may be given more than once (default 1)"};
    case SimMsg::SlaveLimitOption: return {"最高地址; 更高地址应答 \"非法数据地址\" (默认 999)", "Highest address; higher ones answer \"illegal data address\" (default 999)"};
    case SimMsg::SlaveAsciiOption: return {"使用 Modbus ASCII 而非 RTU", "Speak Modbus ASCII instead of RTU"};
    case SimMsg::SlaveBaudOption: return {"模拟该波特率下线路耗时 (0: 不模拟)", "Take the line time of this baud rate (0: none)"};
    case SimMsg::SlaveTurnaroundOption: return {"模拟线路耗时时, 请求结束到应答开始的毫秒数", "With line time: milliseconds from the end of a request to the answer"};
    case SimMsg::SlaveLinkOption: return {"指向设备的符号链接", "Symbolic link to the device"};
    case SimMsg::SlaveLangOption: return {"文本语言: zh 或 en; 未给出时按区域设置 (LC_ALL, LC_MESSAGES, LANG)", "Text language: zh or en; by the locale (LC_ALL, LC_MESSAGES, LANG) when not given"};
    case SimMsg::SlaveCannotOpen: return {"无法打开伪终端: {}", "Cannot open a pseudo-terminal: {}"};
    case SimMsg::SlaveCannotLink: return {"无法创建链接 {}: {}", "Cannot create the link {}: {}"};
    case SimMsg::SlaveReady: return {"虚拟 Modbus 从站 ({}, 从站地址 {}) 就绪: {}", "Virtual Modbus slave ({}, unit ids {}) ready on {}"};
    case SimMsg::RunBadSetting: return {"保存的配置无法运行: {}无效", "The configuration held cannot run: its {} is not valid"};
    case SimMsg::RunSettingProtocol: return {"协议类型", "protocol type"};
    case SimMsg::RunSettingBaud: return {"波特率", "baud rate"};
    case SimMsg::RunSettingFraming: return {"数据位, 校验, 停止位或传输模式", "data bits, parity, stop bits or transmission mode"};
    case SimMsg::RunSettingOutputMode: return {"输出命令轮询方式", "polling mode of outputting commands"};
    case SimMsg::RunBadRecord: return {"保存的配置无法运行: 命令 {} 的{}无效", "The configuration held cannot run: command {} has an invalid {}"};
    case SimMsg::RunRecordFunction: return {"功能码", "function code"};
    case SimMsg::RunRecordRange: return {"地址或数据个数", "address or data number"};
    case SimMsg::RunRecordMapping: return {"映射地址", "mapping address"};
    case SimMsg::RunStateStopped: return {"已停止", "stopped"};
    case SimMsg::RunStateRunning: return {"运行中", "running"};
    case SimMsg::RunStateUniversal: return {"通用模式: 网关不轮询, 只应答配置帧", "Universal mode: the gateway polls nothing and only answers configuration frames"};
    case SimMsg::RunStateNoCommands: return {"没有可轮询的命令", "no commands to poll"};
    case SimMsg::RunStatePortLost: return {"端口不可用, 每个周期重试: {}", "the port is not available and is tried again each cycle: {}"};
    case SimMsg::RunStatusNotPolled: return {"尚未轮询", "not yet polled"};
    case SimMsg::RunStatusBadReply: return {"应答错误", "bad reply"};
    case SimMsg::RunStatusHeld: return {"因输出方式未发送", "not sent by its output mode"};
    case SimMsg::SimSubnetHelp: return {"在此串口 (子网) 上运行所保存的配置, 网关作为 Modbus 主站", "Run the configuration held on this serial port (the subnet), the gateway as Modbus master"};
    case SimMsg::SimPlcHelp: return {"PLC 侧 Modbus TCP 的监听地址 HOST:PORT (默认 127.0.0.1:1502, 端口 0 取任一空闲端口)", "Listening address HOST:PORT of the PLC side over Modbus TCP (default 127.0.0.1:1502; port 0 takes any free port)"};
    case SimMsg::SimAllowWritesHelp: return {"允许向非伪终端的真实串口发送写命令 (写入会到达真实设备)", "Allow write commands on a real port that is not a pseudo-terminal (the writes reach real devices)"};
    case SimMsg::SimPlcLayout: return {"PLC 侧 (Modbus TCP, 任意从站地址):\n  输入寄存器 0-83     输入存储区, 寄存器 k = 字节 2k (高) 和 2k+1 (低), 功能码 4\n  保持寄存器 0-83     输出存储区 (PLC 写入), 功能码 3, 6, 16\n  输入寄存器 100-147  命令 n (从 0 起) 的状态在 100+n: 0 尚未轮询, 1 已应答, 2 超时,\n                      3 异常 (异常码在高字节), 4 应答错误, 5 因输出方式未发送\n  输入寄存器 200-201  已完成的周期数 (32 位, 高字在前)\n  输入寄存器 202      上一周期的时间, 单位 0.1 ms\n  其他地址: 异常 02; 格式错误的请求: 异常 03; 其他功能码: 异常 01", "PLC side (Modbus TCP, any unit id):\n  input registers 0-83     input memory, register k = byte 2k (high) and 2k+1 (low), function 4\n  holding registers 0-83   output memory (what the PLC writes), functions 3, 6, 16\n  input registers 100-147  status of command n (from 0) at 100+n: 0 not yet polled, 1 answered,\n                           2 time-out, 3 exception (code in the high byte), 4 bad reply,\n                           5 not sent by its output mode\n  input registers 200-201  completed cycles (32 bits, high word first)\n  input register 202       the last cycle's time in 0.1 ms\n  any other address: exception 02; a malformed request: exception 03; any other function: exception 01"};
    case SimMsg::SimPlcListening: return {"PLC 侧 (Modbus TCP) 监听 {}", "PLC side (Modbus TCP) listening on {}"};
    case SimMsg::SimCannotListen: return {"PLC 侧无法监听: {}", "The PLC side cannot listen: {}"};
    case SimMsg::SimWritesHeld: return {"{} 不是伪终端: 写命令会到达真实设备, 只在加 --allow-writes 时发送; 现在只发送读命令", "{} is not a pseudo-terminal: writes would reach real devices and are sent only with --allow-writes; only read commands go out"};
    case SimMsg::SimRunStopped: return {"正在下载: 运行停止", "A download: the run stops"};
    case SimMsg::SimRunStarted: return {"在 {} 上运行保存的配置: {} 条命令", "Running the configuration held on {}: {} commands"};
    case SimMsg::SimCannotRun: return {"{}", "{}"};
    case SimMsg::SimTraceExchange: return {"周期 {} 命令 {} (从站 {}, 功能码 {}, 地址 {}, 个数 {}){}: {}, {} ms", "cycle {} command {} (unit {}, function {}, address {}, count {}){}: {}, {} ms"};
    case SimMsg::SimTraceMemory: return {"{}存储区字节 {}: {} -> {}", "{} memory from byte {}: {} -> {}"};
    case SimMsg::SimMemoryInput: return {"输入", "input"};
    case SimMsg::SimMemoryOutput: return {"输出", "output"};
    case SimMsg::SlaveTraceHelp: return {"打印收到的每个写请求 (从站地址, 功能码, 地址, 数值)", "Print every write received (unit, function, address, values)"};
    case SimMsg::SlaveTcpHelp: return {"同时在 Modbus TCP (HOST:PORT) 上提供同一数据表, 运行中可读写其数值", "Also serve the same tables over Modbus TCP on HOST:PORT, so values can be read and changed while it runs"};
    case SimMsg::SlaveFixedInputsHelp: return {"输入寄存器 n 保持为 n (不每秒递增)", "Input register n holds n (instead of counting up once a second)"};
    case SimMsg::SlaveTraceWrite: return {"写入: 从站 {}, 功能码 {}, 地址 {}, 数值 {}", "write: unit {}, function {}, address {}, values {}"};
    case SimMsg::SlaveTcpListening: return {"Modbus TCP 数据表: {}", "Modbus TCP tables on {}"};
    case SimMsg::SlaveCannotListen: return {"Modbus TCP 无法监听: {}", "Modbus TCP cannot listen: {}"};

    case SimMsg::Count: break;
    }
    return {"", ""};
}
// clang-format on

} // namespace varkel
