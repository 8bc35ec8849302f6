// The writing side of the master channels: the request each write function
// puts on the line, how an answer is judged, and the output memory's data
// taken back through the byte swapping the input side places them by.
#include "probe/ModbusWriter.h"
#include "probe/MemoryImage.h"

#include <gtest/gtest.h>

namespace varkel {
namespace {

using Bytes = std::vector<std::uint8_t>;

ModbusWrite Make(int function, std::vector<std::uint16_t> registers, Bytes bits) {
    ModbusWrite w;
    w.slave = 7;
    w.function = function;
    w.address = 0x0102;
    w.registers = std::move(registers);
    w.bits = std::move(bits);
    return w;
}

TEST(ModbusWriter, BuildsEachWriteRequest) {
    const struct {
        ModbusWrite write;
        Bytes request;
    } cases[] = {
        {Make(5, {}, {1}), {7, 5, 1, 2, 0xFF, 0x00}},
        {Make(5, {}, {0}), {7, 5, 1, 2, 0x00, 0x00}},
        {Make(6, {0xBEEF}, {}), {7, 6, 1, 2, 0xBE, 0xEF}},
        {Make(15, {}, {1, 0, 1, 1, 0, 0, 0, 0, 1}), {7, 15, 1, 2, 0, 9, 2, 0x0D, 0x01}},
        {Make(16, {0x1234, 0x5678}, {}), {7, 16, 1, 2, 0, 2, 4, 0x12, 0x34, 0x56, 0x78}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ModbusWriter::Request(c.write), c.request) << c.write.function;
}

TEST(ModbusWriter, JudgesTheAnswerByItsEcho) {
    const ModbusWrite single = Make(6, {0xBEEF}, {});
    const ModbusWrite multiple = Make(16, {1, 2, 3}, {});
    const struct {
        const ModbusWrite* write;
        Bytes answer;
        ProbeStatus status;
        int exception;
    } cases[] = {
        {&single, {7, 6, 1, 2, 0xBE, 0xEF}, ProbeStatus::Ok, 0},
        {&single, {7, 6, 1, 2, 0xBE, 0xEE}, ProbeStatus::Mismatch, 0}, // another value
        {&single, {8, 6, 1, 2, 0xBE, 0xEF}, ProbeStatus::Mismatch, 0}, // another unit
        {&single, {7, 0x86, 2}, ProbeStatus::Exception, 2},
        {&single, {7, 0x86, 0x42}, ProbeStatus::Exception, 0x42}, // a number of its own
        {&single, {7, 0x86, 2, 0}, ProbeStatus::Mismatch, 0},
        {&multiple, {7, 16, 1, 2, 0, 3}, ProbeStatus::Ok, 0},
        {&multiple, {7, 16, 1, 2, 0, 2}, ProbeStatus::Mismatch, 0}, // another count
        {&multiple, {7, 16, 1, 2, 0, 3, 0}, ProbeStatus::Mismatch, 0},
        {&multiple, {7}, ProbeStatus::Mismatch, 0},
    };
    for (const auto& c : cases) {
        ProbeResult r;
        ModbusWriter::InterpretWrite(*c.write, c.answer, r);
        EXPECT_EQ(r.status, c.status) << c.answer.size();
        EXPECT_EQ(r.exception, c.exception);
    }
}

// What a read would place, a write of the same mapping sends back: the
// output side undoes each byte swapping, and bits come from the offset.
TEST(ModbusWriter, OutputDataUndoTheSwapping) {
    for (Swapping swapping : {Swapping::None, Swapping::TwoBytes, Swapping::FourBytes}) {
        ProbeCommand c;
        c.function = 3;
        c.count = 3;
        c.mapByte = 165; // the last register is cut at the memory's end
        c.swapping = swapping;
        ProbeResult r;
        r.status = ProbeStatus::Ok;
        r.registers = {0xAABB, 0xCCDD, 0x1122};
        MemoryBytes memory{};
        PlaceReadData(memory, c, r);
        c.function = 16;
        const ModbusWrite w = OutputWrite(memory, c);
        ASSERT_EQ(w.registers.size(), 3u);
        if (swapping != Swapping::FourBytes) {
            EXPECT_EQ(w.registers[0], 0xAABB) << static_cast<int>(swapping);
        }
        EXPECT_EQ(w.function, 16);
    }
    ProbeCommand coils;
    coils.function = 15;
    coils.count = 5;
    coils.mapByte = 2;
    coils.bitOffset = 6;
    MemoryBytes memory{};
    memory[2] = 0b1100'0000;
    memory[3] = 0b0000'0101;
    EXPECT_EQ(OutputWrite(memory, coils).bits, (Bytes{1, 1, 1, 0, 1}));
    ClearCommandData(memory, coils);
    EXPECT_EQ(memory[2], 0);
    EXPECT_EQ(memory[3], 0); // bit 3.3 is beyond the command and was 0 already
    memory[3] = 0xF8;
    ClearCommandData(memory, coils);
    EXPECT_EQ(memory[3], 0xF8); // bits of other commands stay
}

} // namespace
} // namespace varkel
