#pragma once
#include "link/Frame.h"
#include "model/ResultCode.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace varkel {

// The replies the gateway sends, one per kind of request.
enum class ReplyKind {
    Acknowledgement,    // command, 00h, command: every download frame
    FirstVersion,       // 01h, the first of the two version queries
    Version,            // 01h, the second one
    SerialSettings,     // 04h, 17 bytes
    LongSerialSettings, // 04h, 28 bytes, hardware 2.0
    UniversalSettings,  // 06h
    RecordCount,        // 15h
    RecordPage,         // 16h, 12 bytes a record plus 4
    ValidLength,        // 31h
    ClearOnFault,       // 33h
};

// Which parts of a reply are examined. Fields that are not examined may
// hold anything; that is how the gateways in the field answer.
struct ReplyRule {
    static constexpr int kAny = -1;
    static constexpr int kRequestCommand = -2; // the command byte of the request

    ReplyKind kind;
    std::size_t length;  // bytes read; 0: given with the request (record pages)
    int command;         // byte 0
    int lengthByte;      // byte 1
    bool checksum;       // the last byte is the sum of the ones before it...
    int checksumWaived;  // ...unless byte 0 holds this value
    bool whole;          // every byte read for must have arrived
    const char* refusal; // trace note when the reply is refused
};

const ReplyRule& RuleOf(ReplyKind kind);

// A reply as the transfer uses it: the bytes read for, with the ones that
// did not arrive left 0 (a refused reply is never taken over), and whether
// it passed its rule.
struct DecodedReply {
    ResultCode result = Success; // or CheckError
    Bytes bytes;                 // length bytes
    std::string refusal;         // why it was refused, for the trace
};

// The one check every reply the link reads goes through. arrived holds
// what came (at most length bytes are taken; the link drains the rest);
// requestCommand is what the request was sent with; length 0 takes the
// rule's length.
DecodedReply DecodeReply(ReplyKind kind, std::uint8_t requestCommand, const std::uint8_t* arrived,
                         std::size_t count, std::size_t length = 0);
inline DecodedReply DecodeReply(ReplyKind kind, std::uint8_t requestCommand, const Bytes& arrived,
                                std::size_t length = 0) {
    return DecodeReply(kind, requestCommand, arrived.data(), arrived.size(), length);
}

} // namespace varkel
