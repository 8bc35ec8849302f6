#include "probe/RtuChannel.h"

#include "link/PortCheck.h"
#include "link/PosixSerialPort.h"
#include "model/Catalog.h"
#include "model/CycleEstimate.h"
#include "model/ResultCode.h"
#include "probe/ModbusAscii.h"
#include "probe/ProbeCatalog.h"

#include <modbus/modbus.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

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

// Discards what arrives until the line has been silent for the quiet gap,
// within a limit so that a line full of noise cannot hold the probe. A port
// that fails here fails the next exchange, which reports it.
void DrainUntilQuiet(int fd, std::chrono::milliseconds quiet, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::uint8_t scrap[256];
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd p{fd, POLLIN, 0};
        const int r = ::poll(&p, 1, static_cast<int>(quiet.count()));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0 || !(p.revents & POLLIN) || ::read(fd, scrap, sizeof scrap) <= 0)
            return;
    }
}

} // namespace

RtuChannel::~RtuChannel() {
    Close();
}

ResultCode RtuChannel::Open(const std::string& device, const ProbeLine& line, std::string& error) {
    Close();
    line_ = line;
    settle_ = false;
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
    context_ =
        modbus_new_rtu(device.c_str(), line.baud, opened.parity, opened.dataBits, line.stopBits);
    if (!context_) {
        error =
            Text(ProbeMsg::ProbeLineRefused, {std::to_string(line.baud), ParityName(line.parity)});
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
        error =
            Text(ProbeMsg::ProbeLineRefused, {std::to_string(line.baud), ParityName(line.parity)});
        Close();
        return PortOpenFailed;
    }
    if (stick && !SetStickParity(fd, line.parity)) {
        error = Text(ProbeMsg::ProbeParityRefused, {ParityName(line.parity)});
        Close();
        return PortOpenFailed;
    }
    modbus_set_response_timeout(context_, static_cast<std::uint32_t>(line.responseTimeoutMs / 1000),
                                static_cast<std::uint32_t>(line.responseTimeoutMs % 1000) * 1000);
    // No time-out between bytes: the whole answer must be in within the
    // response time-out, however slowly its bytes come.
    modbus_set_byte_timeout(context_, 0, 0);
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

bool RtuChannel::Exchange(const std::vector<std::uint8_t>& request,
                          std::vector<std::uint8_t>& answer, ProbeResult& result) {
    result.registers.clear();
    result.bits.clear();
    result.exception = 0;
    answer.clear();
    if (!context_) {
        result.status = ProbeStatus::PortFailed;
        return false;
    }
    modbus_set_slave(context_, request.empty() ? 0 : request[0]);
    // Whatever a confused slave left on the line belongs to no request; the
    // rest of a late answer is waited out, or it would answer this request.
    if (settle_)
        DrainUntilQuiet(modbus_get_socket(context_), QuietGap(line_),
                        std::chrono::milliseconds(line_.responseTimeoutMs));
    modbus_flush(context_);
    settle_ = true; // until a valid answer says otherwise
    // The raw exchange, so that the answer's own bytes are judged: libmodbus
    // turns exception numbers it does not know into other errors.
    const auto start = std::chrono::steady_clock::now();
    std::uint8_t reply[MODBUS_RTU_MAX_ADU_LENGTH];
    int rc = modbus_send_raw_request(context_, request.data(), static_cast<int>(request.size()));
    if (rc >= 0)
        rc = modbus_receive_confirmation(context_, reply);
    const int error = errno;
    const auto end = std::chrono::steady_clock::now();
    result.ms = std::chrono::duration<double, std::milli>(end - start).count();
    // A frame ends with 3.5 characters of silence: only then does a gateway
    // take the answer as whole and start its delay before the next request.
    // A sleep wakes late by a fraction of a millisecond; the last part of the
    // interval is watched instead, which costs little beside the frame.
    constexpr auto kWatched = std::chrono::microseconds(250);
    if (silent_ > kWatched)
        std::this_thread::sleep_until(end + silent_ - kWatched);
    while (std::chrono::steady_clock::now() < end + silent_)
        std::this_thread::yield();
    if (rc > 2) {
        // Unit, function and data; the CRC was checked on receipt.
        answer.assign(reply, reply + rc - 2);
        return true;
    }
    // Another unit's answer, or one longer than any frame: a mismatch.
    if (rc >= 0 || error == EMBBADDATA || error == EMBMDATA) {
        result.status = ProbeStatus::Mismatch;
    } else if (error == ETIMEDOUT) {
        result.status = ProbeStatus::Timeout;
    } else if (error == EMBBADCRC) {
        result.status = ProbeStatus::BadCheck;
    } else {
        result.status = ProbeStatus::PortFailed;
        result.detail = modbus_strerror(error);
    }
    return false;
}

} // namespace varkel
