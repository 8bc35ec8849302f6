#include "sim/ModbusSlave.h"

#include "probe/ModbusAscii.h"
#include "sim/LineClock.h"

#include <modbus/modbus.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace varkel::sim {
namespace {

// A frame that stops arriving for this long is taken as it is.
constexpr int kGapMs = 50;

void Drain(int fd) {
    std::uint8_t scrap[512];
    while (::recv(fd, scrap, sizeof scrap, MSG_DONTWAIT) > 0) {
    }
}

int Word(const std::uint8_t* at) {
    return at[0] << 8 | at[1];
}

// The write a request's PDU (function and data) makes, if it is one.
bool WriteOf(const std::uint8_t* pdu, std::size_t size, ReceivedWrite& write) {
    if (size < 5)
        return false;
    write.function = pdu[0];
    write.address = Word(pdu + 1);
    write.values.clear();
    switch (write.function) {
    case 5:
        write.values.push_back(Word(pdu + 3) == 0xFF00 ? 1 : 0);
        return true;
    case 6:
        write.values.push_back(static_cast<std::uint16_t>(Word(pdu + 3)));
        return true;
    case 15:
    case 16: {
        const int count = Word(pdu + 3);
        const std::size_t bytes = write.function == 15 ? static_cast<std::size_t>((count + 7) / 8)
                                                       : static_cast<std::size_t>(2 * count);
        if (size < 6 + bytes)
            return false;
        for (int i = 0; i < count; ++i)
            write.values.push_back(
                write.function == 15
                    ? static_cast<std::uint16_t>(pdu[6 + i / 8] >> (i % 8) & 1)
                    : static_cast<std::uint16_t>(Word(pdu + 6 + 2 * static_cast<std::size_t>(i))));
        return true;
    }
    default:
        return false;
    }
}

} // namespace

ModbusSlave::ModbusSlave(const SlaveOptions& options) : options_(options) {}

ModbusSlave::~ModbusSlave() {
    Stop();
}

bool ModbusSlave::Start(std::string* error) {
    Stop();
    auto fail = [&](const char* what) {
        if (error)
            *error = std::string(what) + ": " + std::strerror(errno);
        Stop();
        return false;
    };
    if (!pty_.Open(error))
        return false;
    // Holding the device side open keeps the master side from reporting a
    // hang-up between two users, so a new opener is answered at once.
    hold_ = ::open(pty_.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (hold_ < 0)
        return fail("open");
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair_) != 0)
        return fail("socketpair");
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, tcpPair_) != 0)
        return fail("socketpair");
    if (::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0)
        return fail("pipe");
    context_ = options_.ascii ? modbus_new_tcp("127.0.0.1", 502)
                              : modbus_new_rtu("/dev/null", 19200, 'N', 8, 1);
    tcpContext_ = modbus_new_tcp("127.0.0.1", 502);
    if (!context_ || !tcpContext_)
        return fail("modbus_new");
    modbus_set_socket(context_, pair_[1]);
    modbus_set_socket(tcpContext_, tcpPair_[1]);
    const int size = options_.highestAddress + 1;
    mapping_ = modbus_mapping_new(size, size, size, size);
    if (!mapping_)
        return fail("modbus_mapping_new");
    pinned_.assign(static_cast<std::size_t>(size), false);
    received_.clear();
    for (int i = 0; i < size; ++i) {
        mapping_->tab_bits[i] = i % 3 == 0;
        mapping_->tab_input_bits[i] = i % 2;
        mapping_->tab_registers[i] = static_cast<std::uint16_t>(i);
    }
    started_ = std::chrono::steady_clock::now();
    RefreshInputs();
    running_ = true;
    thread_ = std::thread([this] { Run(); });
    return true;
}

void ModbusSlave::Stop() {
    if (tcp_) {
        tcp_->Stop();
        tcp_.reset();
    }
    if (thread_.joinable()) {
        running_ = false;
        const char c = 0;
        [[maybe_unused]] auto n = ::write(wake_[1], &c, 1);
        thread_.join();
    }
    for (_modbus** context : {&context_, &tcpContext_}) {
        if (*context) {
            modbus_set_socket(*context, -1);
            modbus_free(*context);
            *context = nullptr;
        }
    }
    if (mapping_) {
        modbus_mapping_free(mapping_);
        mapping_ = nullptr;
    }
    for (int* fds : {pair_, tcpPair_, wake_}) {
        for (int i = 0; i < 2; ++i) {
            if (fds[i] >= 0)
                ::close(fds[i]);
            fds[i] = -1;
        }
    }
    if (hold_ >= 0)
        ::close(hold_);
    hold_ = -1;
    pty_.Close();
}

void ModbusSlave::RefreshInputs() {
    if (!options_.countInputs)
        return;
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                             std::chrono::steady_clock::now() - started_)
                             .count();
    for (int i = 0; i <= options_.highestAddress; ++i)
        if (!pinned_[static_cast<std::size_t>(i)])
            mapping_->tab_input_registers[i] = static_cast<std::uint16_t>(i + seconds);
}

// The pseudo-terminal keeps the settings the master opened it with, while
// it passes every byte at once.
int ModbusSlave::LineCharacterBits() const {
    if (options_.bitsPerCharacter > 0)
        return options_.bitsPerCharacter;
    termios tio{};
    if (::tcgetattr(hold_, &tio) != 0)
        return 10;
    const tcflag_t size = tio.c_cflag & CSIZE;
    const int dataBits = size == CS5 ? 5 : size == CS6 ? 6 : size == CS7 ? 7 : 8;
    return CharacterBits(dataBits, tio.c_cflag & PARENB, tio.c_cflag & CSTOPB ? 2 : 1);
}

// The request on the line, the silent interval that ends an RTU frame, the
// turnaround and the answer on the line, all counted from the request's
// arrival, so our own work is inside that time.
void ModbusSlave::TakeLineTime(std::chrono::steady_clock::time_point from, std::size_t request,
                               std::size_t reply) const {
    if (options_.lineBaud <= 0)
        return;
    const double charNs = 1e9 * LineCharacterBits() / options_.lineBaud;
    const double silentChars = options_.ascii ? 0.0 : kRtuSilenceChars;
    const double ns = (static_cast<double>(request + reply) + silentChars) * charNs +
                      std::max(options_.turnaroundMs, 0.0) * 1e6;
    WaitUntil(from + std::chrono::nanoseconds(static_cast<long long>(ns)));
}

// A whole request at the front of the buffer: ASCII up to its LF, RTU by
// the length its function gives.
bool ModbusSlave::TakeFrame(std::vector<std::uint8_t>& buffer, std::vector<std::uint8_t>& frame) {
    std::size_t length = 0;
    if (options_.ascii) {
        for (std::size_t i = 0; i < buffer.size(); ++i)
            if (buffer[i] == '\n') {
                length = i + 1;
                break;
            }
    } else if (buffer.size() >= 2) {
        const int function = buffer[1];
        if (function >= 1 && function <= 6)
            length = 8;
        else if ((function == 15 || function == 16) && buffer.size() >= 7)
            length = 9 + buffer[6];
        if (length > buffer.size())
            length = 0;
    }
    if (length == 0)
        return false;
    frame.assign(buffer.begin(), buffer.begin() + static_cast<long>(length));
    buffer.erase(buffer.begin(), buffer.begin() + static_cast<long>(length));
    return true;
}

void ModbusSlave::Run() {
    std::vector<std::uint8_t> buffer;
    while (running_) {
        pollfd fds[2] = {{pty_.Fd(), POLLIN, 0}, {wake_[0], POLLIN, 0}};
        const int r = ::poll(fds, 2, buffer.empty() ? -1 : kGapMs);
        if (!running_)
            break;
        if (r < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (r == 0) {
            // A frame that never completed: whatever it was, it gets no answer.
            if (!options_.ascii && buffer.size() >= 2)
                Serve(buffer);
            buffer.clear();
            continue;
        }
        if (fds[0].revents & POLLIN) {
            std::uint8_t chunk[512];
            const ssize_t n = ::read(pty_.Fd(), chunk, sizeof chunk);
            if (n > 0)
                buffer.insert(buffer.end(), chunk, chunk + n);
        } else if (fds[0].revents & (POLLHUP | POLLERR)) {
            // Nobody has the device open: wait for the next opener.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        std::vector<std::uint8_t> frame;
        while (TakeFrame(buffer, frame))
            Serve(frame);
        if (buffer.size() > 1024)
            buffer.clear();
    }
}

std::vector<std::uint8_t> ModbusSlave::Answer(_modbus* context, const int* pair,
                                              const std::vector<std::uint8_t>& request, int unit,
                                              const std::uint8_t* pdu, std::size_t pduSize,
                                              bool overTcp) {
    Drain(pair[0]);
    Drain(pair[1]);
    if (::send(pair[0], request.data(), request.size(), MSG_NOSIGNAL) !=
        static_cast<ssize_t>(request.size()))
        return {};
    std::uint8_t indication[MODBUS_TCP_MAX_ADU_LENGTH];
    const int length = modbus_receive(context, indication);
    if (length <= 0)
        return {}; // bad CRC or a broken frame: a real slave stays silent
    const bool tcpFramed = context == tcpContext_ || options_.ascii;
    const int function = indication[tcpFramed ? 7 : 1];
    if (function == 5 || function == 6 || function == 15 || function == 16)
        ++writes_;
    RefreshInputs();
    if (modbus_reply(context, indication, length, mapping_) <= 0)
        return {};
    std::vector<std::uint8_t> reply(MODBUS_TCP_MAX_ADU_LENGTH);
    const ssize_t n = ::recv(pair[0], reply.data(), reply.size(), MSG_DONTWAIT);
    reply.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    // Kept when the slave took it: the answer is no exception.
    const std::size_t at = tcpFramed ? 7 : 1;
    ReceivedWrite write;
    if (reply.size() > at && reply[at] == function && WriteOf(pdu, pduSize, write)) {
        write.time = std::chrono::system_clock::now();
        write.unit = unit;
        write.overTcp = overTcp;
        received_.push_back(write);
    }
    return reply;
}

std::vector<std::uint8_t> ModbusSlave::AnswerTcp(const std::uint8_t* frame, std::size_t size) {
    if (size < 8)
        return {};
    std::vector<std::uint8_t> reply;
    std::size_t before = 0;
    std::vector<ReceivedWrite> accepted;
    {
        std::lock_guard lock(mutex_);
        before = received_.size();
        reply = Answer(tcpContext_, tcpPair_, std::vector<std::uint8_t>(frame, frame + size),
                       frame[6], frame + 7, size - 7, true);
        accepted.assign(received_.begin() + static_cast<long>(before), received_.end());
    }
    if (onWrite_)
        for (const ReceivedWrite& w : accepted)
            onWrite_(w);
    return reply;
}

bool ModbusSlave::ServeTcp(const std::string& address, std::string* error) {
    if (!running_) {
        if (error)
            *error = address;
        return false;
    }
    tcp_ = std::make_unique<ModbusTcpServer>(
        [this](const std::uint8_t* frame, std::size_t size) { return AnswerTcp(frame, size); });
    if (!tcp_->Start(address, error)) {
        tcp_.reset();
        return false;
    }
    return true;
}

std::uint16_t ModbusSlave::HoldingRegister(int address) const {
    std::lock_guard lock(mutex_);
    return mapping_ && address >= 0 && address <= options_.highestAddress
               ? mapping_->tab_registers[address]
               : 0;
}

bool ModbusSlave::SetHoldingRegister(int address, std::uint16_t value) {
    std::lock_guard lock(mutex_);
    if (!mapping_ || address < 0 || address > options_.highestAddress)
        return false;
    mapping_->tab_registers[address] = value;
    return true;
}

std::uint16_t ModbusSlave::InputRegister(int address) const {
    std::lock_guard lock(mutex_);
    return mapping_ && address >= 0 && address <= options_.highestAddress
               ? mapping_->tab_input_registers[address]
               : 0;
}

bool ModbusSlave::SetInputRegister(int address, std::uint16_t value) {
    std::lock_guard lock(mutex_);
    if (!mapping_ || address < 0 || address > options_.highestAddress)
        return false;
    mapping_->tab_input_registers[address] = value;
    pinned_[static_cast<std::size_t>(address)] = true;
    return true;
}

bool ModbusSlave::Coil(int address) const {
    std::lock_guard lock(mutex_);
    return mapping_ && address >= 0 && address <= options_.highestAddress &&
           mapping_->tab_bits[address];
}

bool ModbusSlave::SetCoil(int address, bool on) {
    std::lock_guard lock(mutex_);
    if (!mapping_ || address < 0 || address > options_.highestAddress)
        return false;
    mapping_->tab_bits[address] = on ? 1 : 0;
    return true;
}

bool ModbusSlave::DiscreteInput(int address) const {
    std::lock_guard lock(mutex_);
    return mapping_ && address >= 0 && address <= options_.highestAddress &&
           mapping_->tab_input_bits[address];
}

bool ModbusSlave::SetDiscreteInput(int address, bool on) {
    std::lock_guard lock(mutex_);
    if (!mapping_ || address < 0 || address > options_.highestAddress)
        return false;
    mapping_->tab_input_bits[address] = on ? 1 : 0;
    return true;
}

std::vector<ReceivedWrite> ModbusSlave::Writes() const {
    std::lock_guard lock(mutex_);
    return received_;
}

void ModbusSlave::ClearWrites() {
    std::lock_guard lock(mutex_);
    received_.clear();
}

void ModbusSlave::Serve(const std::vector<std::uint8_t>& frame) {
    ++requests_;
    const auto arrived = std::chrono::steady_clock::now();
    // The answer under the tables' lock; the writes it took are told after.
    auto Locked = [this](auto&& answer) {
        std::vector<ReceivedWrite> accepted;
        std::vector<std::uint8_t> out;
        {
            std::lock_guard lock(mutex_);
            const std::size_t before = received_.size();
            out = answer();
            accepted.assign(received_.begin() + static_cast<long>(before), received_.end());
        }
        if (onWrite_)
            for (const ReceivedWrite& w : accepted)
                onWrite_(w);
        return out;
    };
    std::vector<std::uint8_t> reply;
    if (options_.ascii) {
        std::vector<std::uint8_t> message;
        const std::string text(frame.begin(), frame.end());
        if (ModbusAscii::Decode(text, message) != ModbusAscii::Decoded::Ok || message.size() < 2 ||
            !options_.units.count(message[0]))
            return;
        // MBAP header: transaction, protocol 0, length of unit and PDU.
        std::vector<std::uint8_t> request = {0,
                                             1,
                                             0,
                                             0,
                                             static_cast<std::uint8_t>(message.size() >> 8),
                                             static_cast<std::uint8_t>(message.size() & 0xFF)};
        request.insert(request.end(), message.begin(), message.end());
        const auto answer = Locked([&] {
            modbus_set_slave(context_, message[0]);
            return Answer(context_, pair_, request, message[0], message.data() + 1,
                          message.size() - 1, false);
        });
        if (answer.size() < 8)
            return;
        const std::string encoded =
            ModbusAscii::Encode(std::vector<std::uint8_t>(answer.begin() + 6, answer.end()));
        reply.assign(encoded.begin(), encoded.end());
    } else {
        if (!options_.units.count(frame[0]))
            return;
        reply = Locked([&] {
            modbus_set_slave(context_, frame[0]);
            return Answer(context_, pair_, frame, frame[0], frame.data() + 1,
                          frame.size() > 3 ? frame.size() - 3 : 0, false);
        });
    }
    if (reply.empty())
        return;
    TakeLineTime(arrived, frame.size(), reply.size());
    std::size_t done = 0;
    while (done < reply.size()) {
        const ssize_t n = ::write(pty_.Fd(), reply.data() + done, reply.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            pollfd p{pty_.Fd(), POLLOUT, 0};
            ::poll(&p, 1, 100);
        } else {
            break;
        }
    }
}

} // namespace varkel::sim
