// Our only hand-made Modbus framing, against frames written out by hand.
#include "probe/ModbusAscii.h"
#include "probe/AsciiChannel.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ModbusAscii, EncodesReadRequestsWithLrc) {
    // Read holding registers 40108-40110 of slave 1: 01 03 00 6B 00 03, LRC 8E.
    EXPECT_EQ(ModbusAscii::Encode(ModbusAscii::ReadRequest(1, 3, 0x6B, 3)), ":0103006B00038E\r\n");
    // Read coils 20-56 of slave 17: 11 01 00 13 00 25, sum 4A, LRC B6.
    EXPECT_EQ(ModbusAscii::Encode(ModbusAscii::ReadRequest(0x11, 1, 0x13, 0x25)),
              ":110100130025B6\r\n");
    EXPECT_EQ(ModbusAscii::Encode({0xF7, 0x04, 0xFF, 0xFF, 0x00, 0x01}), ":F704FFFF000106\r\n");
}

TEST(ModbusAscii, DecodesAnswersAndRefusesDamage) {
    Bytes message;
    ASSERT_EQ(ModbusAscii::Decode(":010306022B0000006465\r\n", message), ModbusAscii::Decoded::Ok);
    EXPECT_EQ(message, (Bytes{0x01, 0x03, 0x06, 0x02, 0x2B, 0x00, 0x00, 0x00, 0x64}));
    // Lower-case digits are accepted as well.
    ASSERT_EQ(ModbusAscii::Decode(":010306022b0000006465\r\n", message), ModbusAscii::Decoded::Ok);

    EXPECT_EQ(ModbusAscii::Decode(":010306022B0000006466\r\n", message),
              ModbusAscii::Decoded::BadLrc);
    EXPECT_EQ(ModbusAscii::Decode(":010306022B0000006565\r\n", message),
              ModbusAscii::Decoded::BadLrc);
    EXPECT_TRUE(message.empty());
    EXPECT_EQ(ModbusAscii::Decode(":0103G6022B0000006465\r\n", message),
              ModbusAscii::Decoded::BadFrame);
    EXPECT_EQ(ModbusAscii::Decode(":010306022B000000646\r\n", message),
              ModbusAscii::Decoded::BadFrame);
    EXPECT_EQ(ModbusAscii::Decode("010306022B0000006465\r\n", message),
              ModbusAscii::Decoded::BadFrame);
    EXPECT_EQ(ModbusAscii::Decode(":01\r\n", message), ModbusAscii::Decoded::BadFrame);
    EXPECT_EQ(ModbusAscii::Decode(":010306022B", message), ModbusAscii::Decoded::Incomplete);
    EXPECT_EQ(ModbusAscii::Decode("", message), ModbusAscii::Decoded::Incomplete);
}

ProbeCommand Registers(int count) {
    ProbeCommand c;
    c.configuredFunction = c.function = 3;
    c.slave = 1;
    c.count = count;
    return c;
}

TEST(AsciiChannel, InterpretsAnswersToTheRequestSent) {
    ProbeResult r;
    AsciiChannel::Interpret(Registers(2), {1, 3, 4, 0x12, 0x34, 0xAB, 0xCD}, r);
    EXPECT_EQ(r.status, ProbeStatus::Ok);
    EXPECT_EQ(r.registers, (std::vector<std::uint16_t>{0x1234, 0xABCD}));

    ProbeCommand coils;
    coils.configuredFunction = coils.function = 1;
    coils.slave = 1;
    coils.count = 10;
    AsciiChannel::Interpret(coils, {1, 1, 2, 0xCD, 0x01}, r);
    EXPECT_EQ(r.status, ProbeStatus::Ok);
    EXPECT_EQ(r.bits, (std::vector<std::uint8_t>{1, 0, 1, 1, 0, 0, 1, 1, 1, 0}));

    AsciiChannel::Interpret(Registers(2), {1, 0x83, 2}, r);
    EXPECT_EQ(r.status, ProbeStatus::Exception);
    EXPECT_EQ(r.exception, 2);

    // Another slave, another function, a short or long data part.
    AsciiChannel::Interpret(Registers(2), {2, 3, 4, 0, 1, 0, 2}, r);
    EXPECT_EQ(r.status, ProbeStatus::Mismatch);
    AsciiChannel::Interpret(Registers(2), {1, 4, 4, 0, 1, 0, 2}, r);
    EXPECT_EQ(r.status, ProbeStatus::Mismatch);
    AsciiChannel::Interpret(Registers(2), {1, 3, 2, 0, 1}, r);
    EXPECT_EQ(r.status, ProbeStatus::Mismatch);
    AsciiChannel::Interpret(Registers(2), {1, 3, 4, 0, 1, 0}, r);
    EXPECT_EQ(r.status, ProbeStatus::Mismatch);
    EXPECT_TRUE(r.registers.empty());
}

} // namespace
} // namespace varkel
