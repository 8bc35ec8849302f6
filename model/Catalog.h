#pragma once
#include <initializer_list>
#include <string>

namespace varkel {

// Texts this program adds to the key-to-text table: every message, label and
// trace text that is not one of the table's keys lives here once, Chinese and
// English side by side (model/Catalog.cpp), and follows the active text
// language. Each area keeps its own section so that additions stay together.
enum class Msg {
    // Common
    UnknownError,

    // File layer (persist/)

    // Gateway link (link/)
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
    LinkPermissionHint,        // {}: device, {} {}: group
    LinkPermissionHintNoGroup, // {}: device
    LinkPortBusy,              // {}: device
    LinkPortMissing,           // {}: device
    LinkVirtualGatewayFailed,  // {}: why
    TraceSent,
    TraceReceived,
    TraceFailed,
    TraceShortTerminal, // {}: bytes read, {}: bytes asked for
    TraceShortLog,      // the same
    LinkCliPort,
    LinkCliTrace,
    LinkCliDownload,
    LinkCliPace,
    LinkCliUpload,
    LinkCliOutput,
    LinkCliBase,
    LinkCliPorts,

    // Spreadsheet export (export/)

    // Command line (cli/)

    // Virtual gateway and virtual slave (sim/)

    // Commissioning probe (probe/)

    // Timing estimate and I/O list
};

// The text of the active language.
std::string Text(Msg id);
// The same with each "{}" replaced by the next argument, in order.
std::string Text(Msg id, std::initializer_list<std::string> args);

// Both languages of a text, for callers that need the other one too.
struct TextPair {
    const char* chinese;
    const char* english;
};
TextPair TextPairOf(Msg id);

// Replaces each "{}" of the pattern by the next argument, in order.
std::string FillPlaceholders(const std::string& pattern, std::initializer_list<std::string> args);

} // namespace varkel
