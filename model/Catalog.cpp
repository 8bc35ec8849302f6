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

    // File layer (persist/)

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
    case Msg::LinkVirtualGatewayFailed: return {"无法启动虚拟网关：{}", "The virtual gateway could not be started: {}"};
    case Msg::TraceSent: return {"发送     ", "sent     "};
    case Msg::TraceReceived: return {"接收     ", "received "};
    case Msg::TraceFailed: return {"失败     ", "failed   "};
    case Msg::TraceShortTerminal: return {"  ({}/{} 字节)", "  ({}/{} bytes)"};
    case Msg::TraceShortLog: return {"(收到 {} / {} 字节)", "({} of {} bytes)"};
    case Msg::LinkCliPort: return {"串口设备, 例如 /dev/ttyUSB0", "Serial device, for example /dev/ttyUSB0"};
    case Msg::LinkCliTrace: return {"在标准错误输出上以十六进制和时间戳打印每一帧", "Print every frame in hex with time stamps on standard error"};
    case Msg::LinkCliDownload: return {"把配置下载到网关 (在终端上显示进度)", "Download the configuration to a gateway (with a progress display on a terminal)"};
    case Msg::LinkCliPace: return {"每帧发送后等待应答前的间隔, 毫秒 (默认 100)", "Pause after each frame before its acknowledgement is read, in milliseconds (default 100)"};
    case Msg::LinkCliUpload: return {"从网关上传配置到基础配置中, 仅在上传成功时保存到 OUT", "Upload a gateway's configuration into the base configuration and save OUT only when the upload succeeded"};
    case Msg::LinkCliOutput: return {"输出文件", "Output file"};
    case Msg::LinkCliBase: return {"上传所依据的配置 (默认: 新的默认配置)", "Configuration to upload into (default: a new default one)"};
    case Msg::LinkCliPorts: return {"列出串口, 每行一个", "List the serial ports, one per line"};

    // Spreadsheet export (export/)

    // Command line (cli/)

    // Virtual gateway and virtual slave (sim/)

    // Commissioning probe (probe/)

    // Timing estimate and I/O list
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
