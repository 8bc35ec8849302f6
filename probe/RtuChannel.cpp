#include "probe/RtuChannel.h"

#include "link/PortCheck.h"
#include "link/PosixSerialPort.h"
#include "model/Catalog.h"
#include "model/CycleEstimate.h"
#include "model/ResultCode.h"

#include <modbus/modbus.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <thread>
#include <sys/file.h>
#include <termios.h>

namespace varkel {
namespace {

// libmodbus sets the line without reading it back; a driver that drops a
// setting must not leave the port open with another line than configured.
bool LineTaken(int fd, const ProbeLine& line) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0)
        return false;
    const tcflag_t size = line.dataBits == 7 ? CS7 : CS8;
    const bool stop2 = line.stopBits == 2;
    bool parity = true;
    if (line.parity == 'N')
        parity = !(tio.c_cflag & PARENB);
    else if (line.parity == 'E' || line.parity == 'O')
        parity = (tio.c_cflag & PARENB) && bool(tio.c_cflag & PARODD) == (line.parity == 'O');
    return (tio.c_cflag & CSIZE) == size && bool(tio.c_cflag & CSTOPB) == stop2 && parity;
}

// Mark and space parity are not libmodbus settings: the line is opened
// without parity and then given stick parity, and read back to be sure.
bool SetStickParity(int fd, char parity) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0)
        return false;
    tio.c_cflag |= PARENB | CMSPAR;
    if (parity == 'M')
        tio.c_cflag |= PARODD;
    else
        tio.c_cflag &= ~PARODD;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0)
        return false;
    termios now{};
    const tcflag_t wanted = PARENB | PARODD | CMSPAR;
    return ::tcgetattr(fd, &now) == 0 && (now.c_cflag & wanted) == (tio.c_cflag & wanted);
}

} // namespace

RtuChannel::~RtuChannel() {
    Close();
}

int RtuChannel::Open(const std::string& device, const ProbeLine& line, std::string& error) {
    Close();
    framingDropped_ = false;
    // libmodbus opens whatever it is given: a FIFO, a file or a folder is
    // refused first, as the transfers refuse it.
    openError_ = CheckPortPath(device);
    if (openError_.Failed()) {
        error = device + ": " + openError_.detail;
        return PortOpenFailed;
    }
    // A pseudo-terminal carries 8 bits without parity whatever it is told,
    // and the C library refuses to set only what it drops: it is opened so.
    const bool virtualLine = IsPseudoTerminal(device);
    framingDropped_ = virtualLine && (line.parity != 'N' || line.dataBits == 7);
    const bool stick = !virtualLine && (line.parity == 'M' || line.parity == 'S');
    ProbeLine opened = line;
    if (stick || virtualLine)
        opened.parity = 'N';
    if (virtualLine)
        opened.dataBits = 8;
    context_ = modbus_new_rtu(device.c_str(), line.baud, opened.parity, opened.dataBits,
                              line.stopBits);
    if (!context_) {
        error = Text(Msg::ProbeLineRefused, {std::to_string(line.baud), ParityName(line.parity)});
        return PortOpenFailed;
    }
    if (modbus_connect(context_) != 0) {
        openError_ = PortErrorFromErrno(device, "open", errno);
        error = device + ": " + openError_.detail;
        Close();
        return PortOpenFailed;
    }
    const int fd = modbus_get_socket(context_);
    // The same exclusion as the transfers: no second program on the line.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        openError_ = PortErrorFromErrno(device, "flock", errno);
        error = device + ": " + openError_.detail;
        Close();
        return PortOpenFailed;
    }
    if (!LineTaken(fd, opened)) {
        error = Text(Msg::ProbeLineRefused, {std::to_string(line.baud), ParityName(line.parity)});
        Close();
        return PortOpenFailed;
    }
    if (stick && !SetStickParity(fd, line.parity)) {
        error = Text(Msg::ProbeParityRefused, {ParityName(line.parity)});
        Close();
        return PortOpenFailed;
    }
    modbus_set_response_timeout(context_, static_cast<std::uint32_t>(line.responseTimeoutMs / 1000),
                                static_cast<std::uint32_t>(line.responseTimeoutMs % 1000) * 1000);
    // A gap of this long inside an answer ends it; generous for USB adapters.
    modbus_set_byte_timeout(context_, 0, 100000);
    modbus_flush(context_);
    const int bits = CharacterBits(line.dataBits, line.parity != 'N', line.stopBits);
    silent_ = std::chrono::nanoseconds(
        line.baud > 0 ? static_cast<long long>(kRtuSilenceChars * 1e9 * bits / line.baud) : 0);
    return Success;
}

void RtuChannel::Close() {
    if (!context_)
        return;
    modbus_close(context_);
    modbus_free(context_);
    context_ = nullptr;
}

void RtuChannel::Read(const ProbeCommand& command, ProbeResult& result) {
    result.registers.clear();
    result.bits.clear();
    result.exception = 0;
    if (!context_) {
        result.status = ProbeStatus::PortFailed;
        return;
    }
    modbus_set_slave(context_, command.slave);
    // Whatever a confused slave left on the line belongs to no request.
    modbus_flush(context_);
    const auto start = std::chrono::steady_clock::now();
    int rc = -1;
    if (command.IsRegisters()) {
        result.registers.assign(static_cast<std::size_t>(command.count), 0);
        rc = command.function == 3
                 ? modbus_read_registers(context_, command.address, command.count,
                                         result.registers.data())
                 : modbus_read_input_registers(context_, command.address, command.count,
                                               result.registers.data());
    } else {
        result.bits.assign(static_cast<std::size_t>(command.count), 0);
        rc = command.function == 1
                 ? modbus_read_bits(context_, command.address, command.count, result.bits.data())
                 : modbus_read_input_bits(context_, command.address, command.count,
                                          result.bits.data());
    }
    const int error = errno;
    const auto end = std::chrono::steady_clock::now();
    result.ms = std::chrono::duration<double, std::milli>(end - start).count();
    // A frame ends with 3.5 characters of silence: only then does a gateway
    // take the answer as whole and start its delay before the next request.
    std::this_thread::sleep_until(end + silent_);
    if (rc == command.count) {
        result.status = ProbeStatus::Ok;
        return;
    }
    result.registers.clear();
    result.bits.clear();
    if (rc >= 0) {
        result.status = ProbeStatus::Mismatch;
    } else if (error == ETIMEDOUT) {
        result.status = ProbeStatus::Timeout;
    } else if (error > MODBUS_ENOBASE && error <= EMBXGTAR) {
        result.status = ProbeStatus::Exception;
        result.exception = error - MODBUS_ENOBASE;
    } else if (error == EMBBADCRC) {
        result.status = ProbeStatus::BadCheck;
    } else if (error == EMBBADSLAVE || error == EMBBADDATA || error == EMBBADEXC ||
               error == EMBUNKEXC || error == EMBMDATA) {
        result.status = ProbeStatus::Mismatch;
    } else {
        result.status = ProbeStatus::PortFailed;
        result.detail = modbus_strerror(error);
    }
}

} // namespace varkel
