// Reply decoding and the upload on arbitrary gateway answers. The first
// input byte picks the hardware version and the fieldbus's protocol type,
// the rest is the gateway's replies (see ReplyStreamTransport). Every
// reply is checked on its own by each rule, then the upload reads the
// replies in turn; what it takes over must survive the file layout.
#include "FuzzSupport.h"
#include "FuzzTransport.h"
#include "link/ReplyDecoder.h"
#include "link/SerialLink.h"
#include "link/TraceLine.h"
#include "link/Upload.h"
#include "model/ResultCode.h"
#include "persist/ModelXml.h"

#include <tinyxml.h>

#include <cstdio>
#include <memory>

namespace {

using namespace varkel;

constexpr ReplyKind kKinds[] = {
    ReplyKind::Acknowledgement, ReplyKind::FirstVersion,       ReplyKind::Version,
    ReplyKind::SerialSettings,  ReplyKind::LongSerialSettings, ReplyKind::UniversalSettings,
    ReplyKind::RecordCount,     ReplyKind::RecordPage,         ReplyKind::ValidLength,
    ReplyKind::ClearOnFault,
};

void DecodeEveryKind(std::uint8_t requestCommand, const std::uint8_t* data, std::size_t size) {
    for (ReplyKind kind : kKinds) {
        const ReplyRule& rule = RuleOf(kind);
        const std::size_t length =
            rule.length > 0 ? rule.length : 4 + 12 * (size > 0 ? data[0] % 9 : 0);
        DecodedReply reply = DecodeReply(kind, requestCommand, data, size, length);
        VARKEL_FUZZ_EXPECT(reply.bytes.size() == length, "decoded reply of the wrong length");
        if (reply.result == Success) {
            VARKEL_FUZZ_EXPECT(size > 0, "nothing accepted as a reply");
            VARKEL_FUZZ_EXPECT(!rule.whole || size >= length, "a short reply accepted");
        } else {
            VARKEL_FUZZ_EXPECT(reply.result == CheckError, "a reply refused with another code");
            VARKEL_FUZZ_EXPECT(!reply.refusal.empty(), "a reply refused without a reason");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    DecodeEveryKind(data[0], data + 1, size - 1);

    const std::uint8_t major = data[0] & 0x03;
    const std::uint8_t minor = (data[0] >> 2) & 0x03;
    const ProtocolType fieldbusProtocol =
        (data[0] & 0x10) ? ProtocolType::Universal : ProtocolType::ModbusMaster;

    SerialLink link(std::make_unique<fuzz::ReplyStreamTransport>(data + 1, size - 1));
    link.SetPaceMs(0);
    const auto start = std::chrono::steady_clock::now();
    link.SetTraceCallback(
        [start](const TraceEvent& event) { (void)TraceLine(event, start, TraceForm{}); });
    if (link.Open("fuzz") != Success)
        return 0;

    Project project;
    int result = Upload(project.GetSubnet(), link, major, minor);
    if (result == Success)
        result = Upload(project.GetFieldbus(), link, fieldbusProtocol, major, minor);
    const bool known = result == Success || result == CheckError || result == PortIoFailed ||
                       result == CommandUploadError;
    if (!known)
        std::fprintf(stderr, "upload: result %d\n", result);
    VARKEL_FUZZ_EXPECT(known, "upload failed with an unexpected code");
    if (result != Success)
        return 0;

    // What the gateway holds is written to the file and read back unchanged.
    TiXmlDocument document;
    auto* root = new TiXmlElement("Root");
    document.LinkEndChild(root);
    SaveXml(project.GetSubnet(), root);
    SaveXml(project.GetFieldbus(), root);
    Project again;
    LoadXml(again.GetSubnet(), root);
    LoadXml(again.GetFieldbus(), root);
    VARKEL_FUZZ_EXPECT(fuzz::Snapshot(again) == fuzz::Snapshot(project),
                       "an uploaded configuration reads back different from its file");
    return 0;
}
