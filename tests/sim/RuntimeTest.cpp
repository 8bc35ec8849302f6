// The gateway at work against the virtual slave on a pseudo-terminal: where
// read data land, how many writes each output mode sends, clearing after
// two faults, and the PLC side over Modbus TCP.
#include "probe/ModbusAscii.h"
#include "sim/GatewayRuntime.h"
#include "sim/ModbusSlave.h"
#include "sim/PlcRequest.h"
#include "sim/PlcServer.h"

#include <gtest/gtest.h>
#include <modbus/modbus.h>

#include <atomic>
#include <chrono>
#include <sys/socket.h>
#include <thread>

namespace varkel::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

ProbeCommand Make(int function, int address, int count, int mapByte, int bitOffset = 0,
                  Swapping swapping = Swapping::None) {
    ProbeCommand c;
    c.configuredFunction = c.function = function;
    c.slave = 1;
    c.address = address;
    c.count = count;
    c.mapByte = mapByte;
    c.bitOffset = c.IsRegisters() ? 0 : bitOffset;
    c.swapping = swapping;
    c.output = c.IsWrite();
    return c;
}

RuntimePlan PlanOf(std::vector<ProbeCommand> commands, bool ascii = false) {
    RuntimePlan plan;
    plan.line.ascii = ascii;
    plan.line.baud = 115200;
    plan.line.responseTimeoutMs = 300;
    plan.commands = std::move(commands);
    return plan;
}

// A channel that turns chosen requests into ones the slave refuses (an
// address beyond its tables), so a command fails on purpose while the line
// stays as it is.
class Spoiler : public MasterChannel {
public:
    // Reads of `address` fail after the first `goodReads`; the first
    // `badWrites` writes fail.
    Spoiler(const ProbeLine& line, int address, int goodReads, int badWrites)
        : inner_(MasterChannel::ForLine(line)), address_(address), goodReads_(goodReads),
          badWrites_(badWrites) {}
    ResultCode Open(const std::string& device, const ProbeLine& line, std::string& error) override {
        return inner_->Open(device, line, error);
    }
    void Close() override { inner_->Close(); }
    void Read(const ProbeCommand& command, ProbeResult& result) override {
        ProbeCommand sent = command;
        if (command.address == address_ && goodReads_-- <= 0)
            sent.address = kRefused;
        inner_->Read(sent, result);
    }
    void Write(const ModbusWrite& write, ProbeResult& result) override {
        ModbusWrite sent = write;
        if (badWrites_-- > 0)
            sent.address = kRefused;
        inner_->Write(sent, result);
        // The answer echoes the address sent; judge it against the request.
        if (result.status == ProbeStatus::Ok && sent.address != write.address)
            result.status = ProbeStatus::Mismatch;
    }

private:
    static constexpr int kRefused = 5000;
    std::unique_ptr<MasterChannel> inner_;
    int address_, goodReads_, badWrites_;
};

class RuntimeTest : public ::testing::Test {
protected:
    void StartSlave(bool ascii = false) {
        SlaveOptions options;
        options.ascii = ascii;
        options.countInputs = false;
        slave_ = std::make_unique<ModbusSlave>(options);
        ASSERT_TRUE(slave_->Start());
    }
    std::unique_ptr<ModbusSlave> slave_;
};

TEST_F(RuntimeTest, ReadsLandAtTheirBytesForEveryFunctionAndSwap) {
    for (bool ascii : {false, true}) {
        StartSlave(ascii);
        slave_->SetHoldingRegister(10, 0x1122);
        slave_->SetHoldingRegister(11, 0x3344);
        slave_->SetInputRegister(20, 0xA1B2);
        slave_->SetInputRegister(21, 0xC3D4);
        const struct {
            ProbeCommand command;
            int at;
            Bytes bytes;
        } cases[] = {
            {Make(3, 10, 2, 0), 0, {0x11, 0x22, 0x33, 0x44}},
            {Make(3, 10, 2, 4, 0, Swapping::TwoBytes), 4, {0x22, 0x11, 0x44, 0x33}},
            {Make(3, 10, 2, 8, 0, Swapping::FourBytes), 8, {0x44, 0x33, 0x22, 0x11}},
            {Make(4, 20, 2, 12), 12, {0xA1, 0xB2, 0xC3, 0xD4}},
            {Make(4, 20, 2, 16, 0, Swapping::FourBytes), 16, {0xD4, 0xC3, 0xB2, 0xA1}},
            // Coil n is on for multiples of 3: 0 and 3 land at bits 20.3 and 20.6.
            {Make(1, 0, 5, 20, 3), 20, {0x48}},
            // Input n is on when odd: bits 30.6 to 31.7 hold 0 1 0 1 ...
            {Make(2, 0, 10, 30, 6), 30, {0x80, 0xAA}},
        };
        std::vector<ProbeCommand> commands;
        for (const auto& c : cases)
            commands.push_back(c.command);
        GatewayRuntime runtime(PlanOf(commands, ascii));
        ASSERT_EQ(runtime.Run(slave_->DevicePath(), 1), 1);
        const RuntimeSnapshot s = runtime.Snapshot();
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            const auto& c = cases[i];
            EXPECT_EQ(Bytes(s.input.begin() + c.at, s.input.begin() + c.at + c.bytes.size()),
                      c.bytes)
                << (ascii ? "ASCII " : "RTU ") << i;
            EXPECT_EQ(s.commands[i].status, CommandStatus::Answered);
            EXPECT_EQ(s.commands[i].Word(), 1);
        }
        EXPECT_EQ(s.cycles, 1);
        EXPECT_EQ(s.input[24], 0); // nothing placed between the commands
        slave_.reset();
    }
}

TEST_F(RuntimeTest, WritesFollowTheOutputMode) {
    const struct {
        const char* name;
        OutputMode mode;
        int ratio;
        bool slow;
        int cycles;
        std::vector<int> changeAfter; // cycles after which the PLC changes the output
        int badWrites;
        int requests; // write requests the slave receives
        int accepted;
    } cases[] = {
        {"continuous", OutputMode::Continuous, 1, false, 6, {}, 0, 6, 6},
        {"continuous slow-scan", OutputMode::Continuous, 3, true, 7, {}, 0, 3, 3},
        {"disabled", OutputMode::Disable, 1, false, 5, {2}, 0, 0, 0},
        {"change of state, no change", OutputMode::ChangeOfState, 1, false, 6, {}, 0, 1, 1},
        {"change of state, two changes", OutputMode::ChangeOfState, 1, false, 6, {2, 4}, 0, 3, 3},
        {"change of state, failed write", OutputMode::ChangeOfState, 1, false, 5, {}, 2, 3, 1},
        {"change of state, slow-scan", OutputMode::ChangeOfState, 2, true, 6, {1}, 0, 2, 2},
    };
    StartSlave();
    for (const auto& c : cases) {
        slave_->ClearWrites();
        const int before = slave_->WriteRequests();
        ProbeCommand write = Make(16, 40, 2, 0);
        write.slowScan = c.slow;
        RuntimePlan plan = PlanOf({Make(3, 0, 1, 0), write});
        plan.outputMode = c.mode;
        plan.line.scanRatio = c.ratio;
        GatewayRuntime runtime(std::move(plan));
        runtime.SetChannelFactory([&](const ProbeLine& line) {
            return std::make_unique<Spoiler>(line, -1, 0, c.badWrites);
        });
        runtime.SetOutput(0, {0x12, 0x34, 0x56, 0x78});
        runtime.SetCycleCallback([&](long long cycles, double) {
            for (int after : c.changeAfter)
                if (after == cycles)
                    runtime.SetOutput(0, {static_cast<std::uint8_t>(cycles)});
        });
        EXPECT_EQ(runtime.Run(slave_->DevicePath(), c.cycles), c.cycles) << c.name;
        EXPECT_EQ(slave_->WriteRequests() - before, c.requests) << c.name;
        const auto writes = slave_->Writes();
        EXPECT_EQ(static_cast<int>(writes.size()), c.accepted) << c.name;
        const RuntimeSnapshot s = runtime.Snapshot();
        EXPECT_EQ(s.commands[1].status,
                  c.mode == OutputMode::Disable ? CommandStatus::Held : CommandStatus::Answered)
            << c.name;
        if (!writes.empty()) {
            EXPECT_EQ(writes.back().function, 16);
            EXPECT_EQ(writes.back().address, 40);
            EXPECT_EQ(writes.back().values,
                      (std::vector<std::uint16_t>{
                          static_cast<std::uint16_t>(s.output[0] << 8 | s.output[1]), 0x5678}))
                << c.name;
        }
    }
}

TEST_F(RuntimeTest, ClearsInputDataAfterTwoFaultsOnlyWhenOpen) {
    const struct {
        bool clear;
        int faults;
        bool cleared;
    } cases[] = {{false, 2, false}, {true, 1, false}, {true, 2, true}, {true, 3, true}};
    StartSlave();
    slave_->SetHoldingRegister(7, 0xBEEF);
    for (const auto& c : cases) {
        // The failing register read and coil read (address 7) and a good coil
        // read sharing the coils' byte.
        RuntimePlan plan = PlanOf({Make(3, 7, 1, 0), Make(1, 6, 3, 10, 0), Make(1, 0, 1, 10, 5)});
        plan.clearAfterTwoFaults = c.clear;
        plan.commands[1].address = 7;
        GatewayRuntime runtime(std::move(plan));
        runtime.SetChannelFactory(
            [](const ProbeLine& line) { return std::make_unique<Spoiler>(line, 7, 2, 0); });
        // The spoiler counts both commands' reads: one good cycle, then faults.
        ASSERT_EQ(runtime.Run(slave_->DevicePath(), 1 + c.faults), 1 + c.faults);
        const RuntimeSnapshot s = runtime.Snapshot();
        EXPECT_EQ(s.commands[0].status, CommandStatus::Exception);
        EXPECT_EQ(s.commands[0].Word(), 0x0203);
        EXPECT_EQ(s.commands[0].faultsInRow, c.faults);
        EXPECT_EQ(s.input[0], c.cleared ? 0x00 : 0xBE) << c.clear << c.faults;
        EXPECT_EQ(s.input[1], c.cleared ? 0x00 : 0xEF);
        // Coils 7 to 9 (7 and 9 on... 9 is a multiple of 3) at bits 10.0-10.2;
        // coil 0 (on) at bit 10.5 stays whatever the other command does.
        EXPECT_EQ(s.input[10], c.cleared ? 0x20 : 0x24) << c.clear << c.faults;
    }
}

// A whole request frame for the PLC side.
Bytes Request(Bytes pdu, int unit = 9) {
    Bytes frame{0x12,
                0x34,
                0,
                0,
                0,
                static_cast<std::uint8_t>(pdu.size() + 1),
                static_cast<std::uint8_t>(unit)};
    frame.insert(frame.end(), pdu.begin(), pdu.end());
    return frame;
}

TEST(PlcRequest, AnswersTheLayoutAndRefusesTheRest) {
    PlcTables t;
    t.input[0] = 0xAB;
    t.input[167] = 0xCD;
    t.output[2] = 0x55;
    t.status[0] = 0x0203;
    t.status[47] = 5;
    t.cycles = 0x00012345;
    t.lastCycleTenthsMs = 987;
    const struct {
        Bytes pdu;
        Bytes answer; // PDU of the answer; empty for a frame dropped
        int writeAt;
        Bytes written;
    } cases[] = {
        {{4, 0, 0, 0, 1}, {4, 2, 0xAB, 0x00}, 0, {}},
        {{4, 0, 83, 0, 1}, {4, 2, 0x00, 0xCD}, 0, {}},
        {{4, 0, 83, 0, 2}, {0x84, 2}, 0, {}},           // across the gap
        {{4, 0, 100, 0, 1}, {4, 2, 0x02, 0x03}, 0, {}}, // status, exception code high
        {{4, 0, 147, 0, 1}, {4, 2, 0x00, 0x05}, 0, {}},
        {{4, 0, 148, 0, 1}, {0x84, 2}, 0, {}},
        {{4, 0, 200, 0, 3}, {4, 6, 0x00, 0x01, 0x23, 0x45, 0x03, 0xDB}, 0, {}},
        {{4, 0, 203, 0, 1}, {0x84, 2}, 0, {}},
        {{4, 0, 0, 0, 0}, {0x84, 3}, 0, {}},
        {{3, 0, 1, 0, 1}, {3, 2, 0x55, 0x00}, 0, {}},
        {{3, 0, 100, 0, 1}, {0x83, 2}, 0, {}},
        {{6, 0, 83, 0xBE, 0xEF}, {6, 0, 83, 0xBE, 0xEF}, 166, {0xBE, 0xEF}},
        {{6, 0, 84, 0xBE, 0xEF}, {0x86, 2}, 0, {}},
        {{16, 0, 1, 0, 2, 4, 1, 2, 3, 4}, {16, 0, 1, 0, 2}, 2, {1, 2, 3, 4}},
        {{16, 0, 1, 0, 2, 3, 1, 2, 3}, {0x90, 3}, 0, {}},
        {{16, 0, 83, 0, 2, 4, 1, 2, 3, 4}, {0x90, 2}, 0, {}},
        {{1, 0, 0, 0, 1}, {0x81, 1}, 0, {}},
        {{4, 0, 0}, {0x84, 3}, 0, {}},
    };
    for (const auto& c : cases) {
        const Bytes frame = Request(c.pdu);
        PlcWrite write;
        const Bytes answer = AnswerPlcRequest(frame.data(), frame.size(), t, write);
        ASSERT_GE(answer.size(), 7u);
        EXPECT_EQ(Bytes(answer.begin(), answer.begin() + 7),
                  (Bytes{0x12, 0x34, 0, 0, 0, static_cast<std::uint8_t>(c.answer.size() + 1), 9}));
        EXPECT_EQ(Bytes(answer.begin() + 7, answer.end()), c.answer) << int(c.pdu[0]);
        EXPECT_EQ(write.bytes, c.written);
        EXPECT_EQ(write.first, c.writeAt);
    }
    // Not Modbus TCP at all: the client is dropped.
    Bytes other = Request({4, 0, 0, 0, 1});
    other[2] = 1;
    EXPECT_EQ(ModbusTcpFrameLength(other.data(), other.size()), -1);
    PlcWrite write;
    EXPECT_TRUE(AnswerPlcRequest(other.data(), other.size(), t, write).empty());
    EXPECT_EQ(ModbusTcpFrameLength(other.data(), 5), 0);
    for (std::uint8_t function : {0x00, 0x84, 0x95}) {
        const Bytes answerCode = Request({function, 0, 0, 0, 1});
        EXPECT_TRUE(AnswerPlcRequest(answerCode.data(), answerCode.size(), t, write).empty());
    }
}

// Waits for a condition for at most two seconds.
template <typename F> bool Eventually(F f) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!f()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

TEST_F(RuntimeTest, APlcClientReadsTheMemoriesAndItsOutputsReachTheSlave) {
    StartSlave();
    slave_->SetHoldingRegister(3, 0x0A0B);
    RuntimePlan plan = PlanOf({Make(3, 3, 1, 4), Make(16, 50, 2, 0), Make(5, 10, 1, 8, 1)});
    plan.line.pollDelayMs = 2;
    GatewayRuntime runtime(std::move(plan));
    PlcServer plc(runtime);
    std::string error;
    ASSERT_TRUE(plc.Start("127.0.0.1:0", &error)) << error;
    ASSERT_TRUE(runtime.Start(slave_->DevicePath()));
    ASSERT_TRUE(Eventually([&] { return runtime.Snapshot().cycles >= 2; }));

    modbus_t* client = modbus_new_tcp("127.0.0.1", plc.Port());
    ASSERT_NE(client, nullptr);
    ASSERT_EQ(modbus_connect(client), 0);
    std::uint16_t regs[84] = {};
    ASSERT_EQ(modbus_read_input_registers(client, 0, 84, regs), 84);
    EXPECT_EQ(regs[2], 0x0A0B); // bytes 4 and 5
    ASSERT_EQ(modbus_read_input_registers(client, 100, 3, regs), 3);
    EXPECT_EQ(regs[0], 1);
    EXPECT_EQ(regs[1], 1);
    ASSERT_EQ(modbus_read_input_registers(client, 200, 3, regs), 3);
    EXPECT_GE(regs[0] << 16 | regs[1], 2);
    EXPECT_EQ(modbus_read_input_registers(client, 90, 1, regs), -1); // exception 02

    // The PLC writes: registers 0-1 for the write command, bit 8.1 for the coil.
    const std::uint16_t out[] = {0xCAFE, 0xF00D};
    ASSERT_EQ(modbus_write_registers(client, 0, 2, out), 2);
    ASSERT_EQ(modbus_write_register(client, 4, 0x0200), 1);
    EXPECT_TRUE(Eventually([&] {
        return slave_->HoldingRegister(50) == 0xCAFE && slave_->HoldingRegister(51) == 0xF00D &&
               slave_->Coil(10);
    }));
    ASSERT_EQ(modbus_read_registers(client, 0, 2, regs), 2);
    EXPECT_EQ(regs[0], 0xCAFE);

    // A client speaking something else is dropped; the run and the others go on.
    modbus_t* rogue = modbus_new_tcp("127.0.0.1", plc.Port());
    ASSERT_EQ(modbus_connect(rogue), 0);
    const std::uint8_t garbage[] = {'G', 'E', 'T', ' ', '/', ' ', 'H', 'T', 'T', 'P'};
    ::send(modbus_get_socket(rogue), garbage, sizeof garbage, MSG_NOSIGNAL);
    EXPECT_TRUE(Eventually([&] { return plc.DroppedClients() == 1; }));
    const long long cycles = runtime.Snapshot().cycles;
    EXPECT_TRUE(Eventually([&] { return runtime.Snapshot().cycles > cycles; }));
    EXPECT_EQ(modbus_read_input_registers(client, 0, 1, regs), 1);
    modbus_close(rogue);
    modbus_free(rogue);
    modbus_close(client);
    modbus_free(client);
    runtime.Stop();
    plc.Stop();
}

TEST_F(RuntimeTest, AVanishedPortIsRetriedAndTheRunGoesOn) {
    StartSlave();
    const std::string device = slave_->DevicePath();
    RuntimePlan plan = PlanOf({Make(3, 0, 1, 0)});
    plan.line.responseTimeoutMs = 50;
    GatewayRuntime runtime(std::move(plan));
    ASSERT_TRUE(runtime.Start(device));
    ASSERT_TRUE(Eventually([&] { return runtime.Snapshot().cycles >= 1; }));
    slave_.reset(); // the device goes away
    EXPECT_TRUE(Eventually([&] { return runtime.Snapshot().state == RunState::PortLost; }));
    const RuntimeSnapshot s = runtime.Snapshot();
    EXPECT_FALSE(s.portError.empty());
    EXPECT_TRUE(runtime.IsRunning());
    runtime.Stop();
    EXPECT_FALSE(runtime.IsRunning());
    EXPECT_EQ(runtime.Snapshot().state, RunState::Stopped);
}

TEST(RuntimePlan, ReadsWhatTheGatewayHolds) {
    GatewayState state;
    state.serial = {0x00, 0x06, 0x00, 0x02, 0x01, 0x00, 0x01, 0x01, 0xF4, 0x05, 0x03, 0x00, 0x04};
    state.records.push_back({0, 3, 16, 0x00, 0x10, 0x00, 0x02, 0x40, 0x04, 0, 1, 2});
    state.records.push_back({1, 3, 2, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x10, 5, 0, 0});
    state.clearOnFault = 1;
    RuntimePlan plan;
    std::string why;
    ASSERT_TRUE(PlanFromState(state, plan, &why)) << why;
    EXPECT_EQ(plan.line.baud, 38400);
    EXPECT_EQ(plan.line.parity, 'E');
    EXPECT_EQ(plan.line.stopBits, 2);
    EXPECT_TRUE(plan.line.ascii);
    EXPECT_EQ(plan.line.responseTimeoutMs, 500);
    EXPECT_EQ(plan.line.pollDelayMs, 50);
    EXPECT_EQ(plan.line.scanRatio, 4);
    EXPECT_EQ(plan.outputMode, OutputMode::ChangeOfState);
    EXPECT_TRUE(plan.clearAfterTwoFaults);
    ASSERT_EQ(plan.commands.size(), 2u);
    EXPECT_TRUE(plan.commands[0].output);
    EXPECT_EQ(plan.commands[0].mapByte, 4);
    EXPECT_EQ(plan.commands[0].swapping, Swapping::FourBytes);
    EXPECT_TRUE(plan.commands[0].slowScan);
    EXPECT_EQ(plan.commands[1].FirstBit(), 16 * 8 + 5);

    for (auto spoil : std::vector<std::function<void(GatewayState&)>>{
             [](GatewayState& s) { s.serial[1] = 9; },         // no such baud rate
             [](GatewayState& s) { s.serial[10] = 0; },        // no output mode
             [](GatewayState& s) { s.records[1][2] = 7; },     // unsupported function
             [](GatewayState& s) { s.records[1][7] = 0x40; },  // input in the output memory
             [](GatewayState& s) { s.records[0][6] = 90; }}) { // 90 registers
        GatewayState bad = state;
        spoil(bad);
        EXPECT_FALSE(PlanFromState(bad, plan, &why));
        EXPECT_FALSE(why.empty());
    }
    state.serial[0] = 0x03;
    ASSERT_TRUE(PlanFromState(state, plan, &why));
    EXPECT_TRUE(plan.universal);
    GatewayRuntime runtime(plan);
    std::thread stopper([&] {
        Eventually([&] { return runtime.Snapshot().state == RunState::Universal; });
        runtime.RequestStop();
    });
    EXPECT_EQ(runtime.Run("/dev/null", 0), 0);
    stopper.join();
}

} // namespace
} // namespace varkel::sim
