#include "link/LinkCatalog.h"

namespace varkel {

// One case a text, Chinese first. The switch has no default, so the compiler
// names any identifier that has no text.
// clang-format off
TextPair TextPairOf(LinkMsg id) {
    switch (id) {
    // Gateway link
    case LinkMsg::LinkVersionQuery: return {"查询硬件版本", "Hardware version query"};
    case LinkMsg::LinkSerialSettings: return {"串口参数", "Serial settings"};
    case LinkMsg::LinkUniversalSettings: return {"通用模式参数", "Universal mode settings"};
    case LinkMsg::LinkCommandListStart: return {"命令记录开始", "Start of command records"};
    case LinkMsg::LinkCommandRecord: return {"命令记录 {}", "Command record {}"};
    case LinkMsg::LinkFieldbusSwitch: return {"现场总线开关", "Fieldbus switch"};
    case LinkMsg::LinkReadSerialSettings: return {"读取串口参数", "Reading serial settings"};
    case LinkMsg::LinkReadUniversalSettings: return {"读取通用模式参数", "Reading universal mode settings"};
    case LinkMsg::LinkReadRecordCount: return {"读取命令记录数", "Reading number of command records"};
    case LinkMsg::LinkReadRecordPage: return {"读取命令记录，第 {} 页", "Reading command records, page {}"};
    case LinkMsg::LinkReadFieldbusSwitch: return {"读取现场总线开关", "Reading fieldbus switch"};
    case LinkMsg::TraceSent: return {"发送     ", "sent     "};
    case LinkMsg::TraceReceived: return {"接收     ", "received "};
    case LinkMsg::TraceFailed: return {"失败     ", "failed   "};
    case LinkMsg::TraceShortTerminal: return {"  ({}/{} 字节)", "  ({}/{} bytes)"};
    case LinkMsg::TraceShortLog: return {"(收到 {} / {} 字节)", "({} of {} bytes)"};
    case LinkMsg::LinkRefusedValue: return {"{} / {}：\"{}\" — {}（可接受：{}）", "{} / {}: \"{}\" — {} (accepted: {})"};
    case LinkMsg::LinkRefusedDownload: return {"以下数值编辑器不会接受，未向网关发送任何数据：", "These values would be refused by the editor; nothing was sent to the gateway:"};

    // a transfer stopped by the user, or never answered
    case LinkMsg::LinkUploadCancelled: return {"上传已被用户取消，未作任何更改。", "Upload cancelled by the user; nothing was changed."};
    case LinkMsg::LinkDownloadCancelled: return {"下载已被用户取消，网关未接收任何配置。", "Download cancelled by the user; the gateway took none of the configuration."};
    case LinkMsg::LinkDownloadCancelledPartly:
        return {"下载已被用户取消：网关已确认本次下载的 {} 帧并保留了它们，现存的是不完整的配置，请再次下载。",
                "Download cancelled by the user: the gateway acknowledged {} of the download's frames and keeps what it acknowledged, so it holds part of this configuration; download again to complete it."};
    case LinkMsg::LinkNoGatewayAnswered: return {"{}：{} 上没有网关应答", "{}: no gateway answered on {}"};

    case LinkMsg::Count: break;
    }
    return {"", ""};
}
// clang-format on

} // namespace varkel
