#include "link/ReplyDecoder.h"

#include "model/ResultCode.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace varkel {
namespace {

constexpr int kAny = ReplyRule::kAny;
constexpr int kEcho = ReplyRule::kRequestCommand;

// What each reply is held to. Every reply must arrive whole; the settings
// replies 04h (short form) and 06h are taken whatever their checksum (the
// gateways answer them so), the pages whatever their frame bytes. The first
// of the two version answers is not trusted, so not examined at all.
// clang-format off
constexpr std::array<ReplyRule, 10> kRules{{
    //  kind                           length command lengthByte checksum waived whole refusal
    {ReplyKind::Acknowledgement,       3,  kEcho, 0x00, true,  kAny, true,  "reply differs from the acknowledgement"},
    {ReplyKind::FirstVersion,          11, kAny,  kAny, false, kAny, false, nullptr},
    {ReplyKind::Version,               11, kAny,  kAny, true,  0x01, true,  "version reply: wrong checksum"},
    {ReplyKind::SerialSettings,        17, 0x04,  0x0E, false, kAny, true,  "settings reply: wrong command or length"},
    {ReplyKind::LongSerialSettings,    28, 0x04,  kAny, true,  kAny, true,  "settings reply: wrong command or checksum"},
    {ReplyKind::UniversalSettings,     15, 0x06,  0x0C, false, kAny, true,  "universal settings reply: wrong command or length"},
    {ReplyKind::RecordCount,           6,  0x15,  kAny, true,  kAny, true,  "record count reply: wrong command or checksum"},
    {ReplyKind::RecordPage,            0,  kAny,  kAny, false, kAny, true,  nullptr},
    {ReplyKind::ValidLength,           6,  0x31,  kAny, true,  kAny, true,  "fieldbus reply: wrong command or checksum"},
    {ReplyKind::ClearOnFault,          4,  0x33,  kAny, true,  kAny, true,  "fieldbus reply: wrong command or checksum"},
}};
// clang-format on

bool Matches(int rule, std::uint8_t value, std::uint8_t requestCommand) {
    if (rule == kAny)
        return true;
    return value == (rule == kEcho ? requestCommand : rule);
}

} // namespace

const ReplyRule& RuleOf(ReplyKind kind) {
    const auto* rule = std::find_if(kRules.begin(), kRules.end(),
                                    [kind](const ReplyRule& r) { return r.kind == kind; });
    return *rule; // every kind has its row
}

DecodedReply DecodeReply(ReplyKind kind, std::uint8_t requestCommand, const std::uint8_t* arrived,
                         std::size_t count, std::size_t length) {
    const ReplyRule& rule = RuleOf(kind);
    DecodedReply reply;
    if (length == 0)
        length = rule.length;
    reply.bytes.assign(length, 0);
    const std::size_t taken = std::min(count, length);
    if (taken > 0)
        std::memcpy(reply.bytes.data(), arrived, taken);

    if (taken == 0 && length > 0) {
        reply.result = CheckError;
        reply.refusal = "reply: nothing arrived";
        return reply;
    }
    if (rule.whole && taken < length) {
        reply.result = CheckError;
        reply.refusal = "reply too short: " + std::to_string(taken) + " of " +
                        std::to_string(length) + " bytes";
        return reply;
    }
    const Bytes& b = reply.bytes;
    bool ok = true;
    if (length >= 1)
        ok = Matches(rule.command, b[0], requestCommand);
    if (ok && length >= 2)
        ok = Matches(rule.lengthByte, b[1], requestCommand);
    if (ok && rule.checksum && length >= 1 &&
        !(rule.checksumWaived != kAny && b[0] == rule.checksumWaived))
        ok = b[length - 1] == ByteSum(b.data(), length - 1);
    if (!ok) {
        reply.result = CheckError;
        reply.refusal = rule.refusal ? rule.refusal : "reply refused";
    }
    return reply;
}

} // namespace varkel
