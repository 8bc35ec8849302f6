#include "probe/ProbeTypes.h"

#include "model/Catalog.h"
#include "probe/ProbeCatalog.h"

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
        return Text(ProbeMsg::ProbeStatusOk);
    case ProbeStatus::Exception:
        return Text(ProbeMsg::ProbeStatusException,
                    {std::to_string(result.exception), ExceptionName(result.exception)});
    case ProbeStatus::Timeout:
        return Text(ProbeMsg::ProbeStatusTimeout);
    case ProbeStatus::BadCheck:
        return Text(ProbeMsg::ProbeStatusBadCheck);
    case ProbeStatus::Mismatch:
        return Text(ProbeMsg::ProbeStatusMismatch);
    case ProbeStatus::PortFailed:
        break;
    }
    return Text(ProbeMsg::ProbeStatusPort);
}

std::string ExceptionName(int exception) {
    switch (exception) {
    case 1:
        return Text(ProbeMsg::ProbeExceptionIllegalFunction);
    case 2:
        return Text(ProbeMsg::ProbeExceptionIllegalAddress);
    case 3:
        return Text(ProbeMsg::ProbeExceptionIllegalValue);
    case 4:
        return Text(ProbeMsg::ProbeExceptionDeviceFailure);
    case 5:
        return Text(ProbeMsg::ProbeExceptionAcknowledge);
    case 6:
        return Text(ProbeMsg::ProbeExceptionBusy);
    case 8:
        return Text(ProbeMsg::ProbeExceptionParity);
    case 10:
        return Text(ProbeMsg::ProbeExceptionGatewayPath);
    case 11:
        return Text(ProbeMsg::ProbeExceptionGatewayTarget);
    default:
        return Text(ProbeMsg::ProbeExceptionUnknown);
    }
}

} // namespace varkel
