// The PLC side's request decoding on arbitrary bytes, taken as a client's
// stream the way the server takes it: frames cut by their header, each
// answered. An answer is a well-formed Modbus TCP frame for the same
// transaction and unit; a write stays inside the output memory; a stream
// that is no Modbus TCP ends the client, never the server.
#include "FuzzSupport.h"
#include "sim/PlcRequest.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varkel::sim;
    PlcTables tables;
    for (std::size_t i = 0; i < tables.input.size(); ++i)
        tables.input[i] = static_cast<std::uint8_t>(i);
    tables.cycles = 0x01020304;
    std::vector<std::uint8_t> stream(data, data + size);
    std::size_t at = 0;
    while (at < stream.size()) {
        const long length = ModbusTcpFrameLength(stream.data() + at, stream.size() - at);
        if (length <= 0 || static_cast<std::size_t>(length) > stream.size() - at)
            break; // dropped, or waiting for more
        VARKEL_FUZZ_EXPECT(length >= 8 && length <= 260, "frame length out of bounds");
        const std::uint8_t* frame = stream.data() + at;
        PlcWrite write;
        const std::vector<std::uint8_t> answer =
            AnswerPlcRequest(frame, static_cast<std::size_t>(length), tables, write);
        if (answer.empty()) {
            // No request (a function code of 0 or of an answer): dropped.
            VARKEL_FUZZ_EXPECT(write.bytes.empty(), "write from a dropped frame");
            VARKEL_FUZZ_EXPECT(frame[7] == 0 || frame[7] >= 0x80, "a request left unanswered");
            break;
        }
        VARKEL_FUZZ_EXPECT(answer.size() >= 9 && answer.size() <= 260, "answer size");
        VARKEL_FUZZ_EXPECT(answer[0] == frame[0] && answer[1] == frame[1], "transaction");
        VARKEL_FUZZ_EXPECT(answer[2] == 0 && answer[3] == 0, "protocol");
        VARKEL_FUZZ_EXPECT(static_cast<std::size_t>(answer[4] << 8 | answer[5]) ==
                               answer.size() - 6,
                           "answer length field");
        VARKEL_FUZZ_EXPECT(answer[6] == frame[6], "unit");
        const bool exception = answer[7] & 0x80;
        VARKEL_FUZZ_EXPECT((answer[7] & 0x7F) == frame[7], "function");
        VARKEL_FUZZ_EXPECT(!exception || (answer.size() == 9 && answer[8] >= 1 && answer[8] <= 3),
                           "exception form");
        VARKEL_FUZZ_EXPECT(write.bytes.empty() || (!exception && write.first >= 0 &&
                                                   write.first + write.bytes.size() <= 168),
                           "write outside the output memory");
        at += static_cast<std::size_t>(length);
    }
    return 0;
}
