#include "model/PortOpenError.h"

#include "model/Catalog.h"
#include "model/ResultCode.h"

namespace varkel {
namespace {

std::string KindText(PortPathKind kind) {
    switch (kind) {
    case PortPathKind::Fifo:
        return Text(Msg::PortKindFifo);
    case PortPathKind::RegularFile:
        return Text(Msg::PortKindFile);
    case PortPathKind::Folder:
        return Text(Msg::PortKindFolder);
    case PortPathKind::Socket:
        return Text(Msg::PortKindSocket);
    case PortPathKind::OtherDevice:
    case PortPathKind::Unknown:
        break;
    }
    return Text(Msg::PortKindDevice);
}

std::string Reason(const PortOpenError& e) {
    // No device to name: none was given, or the port is the built-in one.
    if (e.device.empty())
        return e.detail.empty() ? Text(Msg::LinkNoPortGiven) : e.detail;
    switch (e.failure) {
    case OpenFailure::Missing:
        return Text(Msg::LinkPortMissing, {e.device});
    case OpenFailure::Permission:
        // root owns the device only where no group is meant to use it.
        return e.group.empty() || e.group == "root"
                   ? Text(Msg::LinkPermissionHintNoGroup, {e.device})
                   : Text(Msg::LinkPermissionHint, {e.device, e.group, e.group});
    case OpenFailure::Busy:
        return Text(Msg::LinkPortBusy, {e.device});
    case OpenFailure::NotTerminal:
        return Text(Msg::LinkPortNotTerminal, {e.device, KindText(e.kind)});
    case OpenFailure::Settings:
        return Text(Msg::LinkPortSettings, {e.device, e.detail});
    case OpenFailure::Other:
    case OpenFailure::None:
        break;
    }
    return e.detail.empty() ? e.device : e.device + ": " + e.detail;
}

} // namespace

std::string PortOpenText(const PortOpenError& error) {
    return ResultMessage(PortOpenFailed) + "\n" + Reason(error);
}

} // namespace varkel
