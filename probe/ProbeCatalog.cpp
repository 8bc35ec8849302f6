#include "probe/ProbeCatalog.h"

namespace varkel {

// One case a text, Chinese first. The switch has no default, so the compiler
// names any identifier that has no text.
// clang-format off
TextPair TextPairOf(ProbeMsg id) {
    switch (id) {
    // Commissioning probe
    case ProbeMsg::ProbeLineRefused: return {"串口不接受配置的线路设置 ({} 波特, 校验 {}); 未打开端口", "The serial port does not take the configured line settings ({} baud, parity {}); the port was not opened"};
    case ProbeMsg::ProbeParityRefused: return {"串口驱动不支持 \"奇偶校验方式\" = {}; 端口未以其他设置打开", "The serial driver does not support \"Parity\" = {}; the port was not opened with other settings"};
    case ProbeMsg::ProbePortLost: return {"端口 {} 失效 (设备被拔出?): {}", "The port {} failed (device unplugged?): {}"};
    case ProbeMsg::ProbeItemMissing: return {"缺少参数项", "Parameter item missing"};
    case ProbeMsg::ProbeUniversalMode: return {"子网为通用模式: 没有可测试的 Modbus 命令", "The subnet is in universal mode: there are no Modbus commands to test"};
    case ProbeMsg::ProbeNoCommands: return {"没有节点或节点没有命令", "No node, or the node has no commands"};
    case ProbeMsg::ProbeExceptionIllegalFunction: return {"非法功能", "Illegal function"};
    case ProbeMsg::ProbeExceptionIllegalAddress: return {"非法数据地址", "Illegal data address"};
    case ProbeMsg::ProbeExceptionIllegalValue: return {"非法数据值", "Illegal data value"};
    case ProbeMsg::ProbeExceptionDeviceFailure: return {"从站设备故障", "Server device failure"};
    case ProbeMsg::ProbeExceptionAcknowledge: return {"确认", "Acknowledge"};
    case ProbeMsg::ProbeExceptionBusy: return {"从站设备忙", "Server device busy"};
    case ProbeMsg::ProbeExceptionParity: return {"存储奇偶校验错误", "Memory parity error"};
    case ProbeMsg::ProbeExceptionGatewayPath: return {"网关路径不可用", "Gateway path unavailable"};
    case ProbeMsg::ProbeExceptionGatewayTarget: return {"网关目标设备无响应", "Gateway target device failed to respond"};
    case ProbeMsg::ProbeExceptionUnknown: return {"未知异常", "Unknown exception"};
    case ProbeMsg::ProbeStatusOk: return {"已应答", "answered"};
    case ProbeMsg::ProbeStatusException: return {"异常 {} ({})", "exception {} ({})"};
    case ProbeMsg::ProbeStatusTimeout: return {"超时无应答", "no answer within the time-out"};
    case ProbeMsg::ProbeStatusBadCheck: return {"校验错误 (CRC/LRC)", "bad CRC or LRC"};
    case ProbeMsg::ProbeStatusMismatch: return {"从站地址或功能码不符", "answer from the wrong slave or with the wrong function"};
    case ProbeMsg::ProbeStatusPort: return {"端口失效", "port failed"};

    case ProbeMsg::Count: break;
    }
    return {"", ""};
}
// clang-format on

} // namespace varkel
