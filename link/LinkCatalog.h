#pragma once
#include "model/Catalog.h"

namespace varkel {

// The texts of the gateway link, Chinese and English side by side
// (LinkCatalog.cpp); Text(LinkMsg::...) gives the active language's.
enum class LinkMsg {
    // Gateway link
    LinkVersionQuery,
    LinkSerialSettings,
    LinkUniversalSettings,
    LinkCommandListStart,
    LinkCommandRecord, // {}: record number from 1
    LinkFieldbusSwitch,
    LinkReadSerialSettings,
    LinkReadUniversalSettings,
    LinkReadRecordCount,
    LinkReadRecordPage, // {}: page number from 0
    LinkReadFieldbusSwitch,
    TraceSent,
    TraceReceived,
    TraceFailed,
    TraceShortTerminal, // {}: bytes read, {}: bytes asked for
    TraceShortLog,      // the same
    LinkRefusedValue,   // {}: object, {}: item, {}: value, {}: message, {}: accepted
    LinkRefusedDownload,

    // a transfer stopped by the user, or never answered
    LinkUploadCancelled,
    LinkDownloadCancelled,
    LinkDownloadCancelledPartly, // {}: frames acknowledged
    LinkNoGatewayAnswered,       // {}: the read failure, {}: port name

    // Not a text: the number of identifiers above.
    Count
};

TextPair TextPairOf(LinkMsg id);

} // namespace varkel
