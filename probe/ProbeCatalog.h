#pragma once
#include "model/Catalog.h"

namespace varkel {

// The texts of the commissioning probe, Chinese and English side by side
// (ProbeCatalog.cpp); Text(ProbeMsg::...) gives the active language's.
enum class ProbeMsg {
    // Commissioning probe
    ProbeLineRefused,
    ProbeParityRefused,
    ProbePortLost,
    ProbeItemMissing,
    ProbeUniversalMode,
    ProbeNoCommands,
    ProbeExceptionIllegalFunction,
    ProbeExceptionIllegalAddress,
    ProbeExceptionIllegalValue,
    ProbeExceptionDeviceFailure,
    ProbeExceptionAcknowledge,
    ProbeExceptionBusy,
    ProbeExceptionParity,
    ProbeExceptionGatewayPath,
    ProbeExceptionGatewayTarget,
    ProbeExceptionUnknown,
    ProbeStatusOk,
    ProbeStatusException,
    ProbeStatusTimeout,
    ProbeStatusBadCheck,
    ProbeStatusMismatch,
    ProbeStatusPort,

    // Not a text: the number of identifiers above.
    Count
};

TextPair TextPairOf(ProbeMsg id);

} // namespace varkel
