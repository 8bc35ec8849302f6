// Where answered data lands in the input memory, and how values read back.
#include "probe/MemoryImage.h"
#include "probe/ValueDecoder.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

using Bytes = std::vector<std::uint8_t>;

ProbeCommand RegisterCommand(int mapByte, int count, Swapping swapping) {
    ProbeCommand c;
    c.configuredFunction = c.function = 3;
    c.count = count;
    c.mapByte = mapByte;
    c.swapping = swapping;
    return c;
}

ProbeResult Answered(int command, std::vector<std::uint16_t> registers) {
    ProbeResult r;
    r.status = ProbeStatus::Ok;
    r.command = command;
    r.registers = std::move(registers);
    return r;
}

Bytes Slice(const MemoryImage& image, int from, int count) {
    return Bytes(image.Bytes().begin() + from, image.Bytes().begin() + from + count);
}

TEST(MemoryImage, PlacesRegistersByTheirByteSwapping) {
    MemoryImage image;
    const std::vector<std::uint16_t> abcd = {0xAABB, 0xCCDD, 0x1122};
    image.Place(RegisterCommand(0, 3, Swapping::None), Answered(0, abcd));
    image.Place(RegisterCommand(10, 3, Swapping::TwoBytes), Answered(1, abcd));
    image.Place(RegisterCommand(20, 3, Swapping::FourBytes), Answered(2, abcd));
    EXPECT_EQ(Slice(image, 0, 6), (Bytes{0xAA, 0xBB, 0xCC, 0xDD, 0x11, 0x22}));
    EXPECT_EQ(Slice(image, 10, 6), (Bytes{0xBB, 0xAA, 0xDD, 0xCC, 0x22, 0x11}));
    // A B C D stored as D C B A; the last single register stays as it came.
    EXPECT_EQ(Slice(image, 20, 6), (Bytes{0xDD, 0xCC, 0xBB, 0xAA, 0x11, 0x22}));
    EXPECT_EQ(image.Owner(0), 0);
    EXPECT_EQ(image.Owner(15), 1);
    EXPECT_EQ(image.Owner(25), 2);
    EXPECT_EQ(image.Owner(6), MemoryImage::kUnfilled);
    EXPECT_EQ(image.Owner(26), MemoryImage::kUnfilled);
    EXPECT_EQ(image.Hex().substr(0, 12), "AABBCCDD1122");
    EXPECT_EQ(image.Hex().size(), 336u);
}

TEST(MemoryImage, PacksBitsLeastSignificantFirstFromTheOffset) {
    MemoryImage image;
    ProbeCommand coils;
    coils.configuredFunction = coils.function = 2;
    coils.count = 10;
    coils.mapByte = 12;
    coils.bitOffset = 3;
    ProbeResult r;
    r.status = ProbeStatus::Ok;
    r.command = 4;
    r.bits = {1, 1, 0, 1, 0, 0, 0, 1, 1, 1};
    image.Place(coils, r);
    // Bits 3..7 of byte 12 take 1 1 0 1 0; bits 0..4 of byte 13 take 0 0 1 1 1.
    EXPECT_EQ(image.Bytes()[12], 0b01011000);
    EXPECT_EQ(image.Bytes()[13], 0b00011100);
    EXPECT_EQ(image.Owner(12), 4);
    EXPECT_EQ(image.Owner(13), 4);
    EXPECT_EQ(MemoryImage::RangeText(coils), "12.3-13.4");
    EXPECT_EQ(MemoryImage::RangeText(RegisterCommand(12, 2, Swapping::None)), "12.0-15.7");
}

TEST(MemoryImage, LeavesOutFailedReadsAndOutputCommands) {
    MemoryImage image;
    ProbeResult failed = Answered(0, {0x1234});
    failed.status = ProbeStatus::Timeout;
    image.Place(RegisterCommand(0, 1, Swapping::None), failed);
    ProbeCommand output = RegisterCommand(2, 1, Swapping::None);
    output.output = true;
    image.Place(output, Answered(1, {0x5678}));
    // Data running past the end of the memory is cut, not written beyond it.
    image.Place(RegisterCommand(166, 2, Swapping::None), Answered(2, {0x0102, 0x0304}));
    EXPECT_EQ(image.Owner(0), MemoryImage::kUnfilled);
    EXPECT_EQ(image.Owner(2), MemoryImage::kUnfilled);
    EXPECT_EQ(Slice(image, 166, 2), (Bytes{0x01, 0x02}));
}

TEST(ValueDecoder, ReadsRegisterPairsInEachByteOrder) {
    // 123.456f is 42 F6 E9 79.
    const std::vector<std::uint16_t> abcd = {0x42F6, 0xE979};
    using F = ValueDecoder::Format;
    using O = ValueDecoder::Order;
    EXPECT_EQ(ValueDecoder::DecodeRegisters(abcd, F::Float32, O::ABCD),
              std::vector<std::string>{"123.456"});
    EXPECT_EQ(ValueDecoder::DecodeRegisters({0xE979, 0x42F6}, F::Float32, O::CDAB),
              std::vector<std::string>{"123.456"});
    EXPECT_EQ(ValueDecoder::DecodeRegisters({0xF642, 0x79E9}, F::Float32, O::BADC),
              std::vector<std::string>{"123.456"});
    EXPECT_EQ(ValueDecoder::DecodeRegisters({0x79E9, 0xF642}, F::Float32, O::DCBA),
              std::vector<std::string>{"123.456"});
    EXPECT_EQ(ValueDecoder::DecodeRegisters({0xFFFF, 0xFFFE}, F::Int32, O::ABCD),
              std::vector<std::string>{"-2"});
    EXPECT_EQ(ValueDecoder::DecodeRegisters({0xFFFE, 0xFFFF}, F::Int32, O::CDAB),
              std::vector<std::string>{"-2"});
    // A last odd register makes no 32-bit value.
    EXPECT_EQ(ValueDecoder::DecodeRegisters({1, 2, 3}, F::Int32, O::ABCD).size(), 1u);
    EXPECT_EQ(ValueDecoder::DecodeRegisters({0xFF85, 0x0102}, F::Signed16, O::ABCD),
              (std::vector<std::string>{"-123", "258"}));
    EXPECT_EQ(ValueDecoder::DecodeRegisters({0xFF85}, F::Unsigned16, O::ABCD),
              std::vector<std::string>{"65413"});
    EXPECT_EQ(ValueDecoder::DecodeRegisters({0x0102}, F::Hex, O::BADC),
              std::vector<std::string>{"0201"});
}

TEST(ValueDecoder, DefaultOrderReadsBackWhatTheGatewayStored) {
    const std::vector<std::uint16_t> sent = {0x42F6, 0xE979};
    for (Swapping s : {Swapping::None, Swapping::TwoBytes, Swapping::FourBytes}) {
        const Bytes stored = MemoryImage::StoredBytes(s, sent);
        EXPECT_EQ(ValueDecoder::Decode(stored, ValueDecoder::Format::Float32,
                                       ValueDecoder::DefaultOrder(s)),
                  std::vector<std::string>{"123.456"})
            << static_cast<int>(s);
    }
}

} // namespace
} // namespace varkel
