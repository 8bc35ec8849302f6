#include "probe/ProbeTypes.h"

#include "model/Catalog.h"

namespace varkel {

const char* ParityName(char parity) {
    return parity == 'M'   ? "Mark"
           : parity == 'S' ? "Space"
           : parity == 'O' ? "Odd"
           : parity == 'E' ? "Even"
                           : "None";
}

const char* StatusName(ProbeStatus status) {
    switch (status) {
    case ProbeStatus::Ok:
        return "ok";
    case ProbeStatus::Exception:
        return "exception";
    case ProbeStatus::Timeout:
        return "timeout";
    case ProbeStatus::BadCheck:
        return "crc";
    case ProbeStatus::Mismatch:
        return "mismatch";
    case ProbeStatus::PortFailed:
        return "port";
    }
    return "port";
}

std::string StatusText(const ProbeResult& result) {
    switch (result.status) {
    case ProbeStatus::Ok:
        return Text(Msg::ProbeStatusOk);
    case ProbeStatus::Exception:
        return Text(Msg::ProbeStatusException,
                    {std::to_string(result.exception), ExceptionName(result.exception)});
    case ProbeStatus::Timeout:
        return Text(Msg::ProbeStatusTimeout);
    case ProbeStatus::BadCheck:
        return Text(Msg::ProbeStatusBadCheck);
    case ProbeStatus::Mismatch:
        return Text(Msg::ProbeStatusMismatch);
    case ProbeStatus::PortFailed:
        break;
    }
    return Text(Msg::ProbeStatusPort);
}

std::string ExceptionName(int exception) {
    switch (exception) {
    case 1:
        return Text(Msg::ProbeExceptionIllegalFunction);
    case 2:
        return Text(Msg::ProbeExceptionIllegalAddress);
    case 3:
        return Text(Msg::ProbeExceptionIllegalValue);
    case 4:
        return Text(Msg::ProbeExceptionDeviceFailure);
    case 5:
        return Text(Msg::ProbeExceptionAcknowledge);
    case 6:
        return Text(Msg::ProbeExceptionBusy);
    case 8:
        return Text(Msg::ProbeExceptionParity);
    case 10:
        return Text(Msg::ProbeExceptionGatewayPath);
    case 11:
        return Text(Msg::ProbeExceptionGatewayTarget);
    default:
        return Text(Msg::ProbeExceptionUnknown);
    }
}

} // namespace varkel
