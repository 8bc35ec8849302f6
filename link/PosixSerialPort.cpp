#include "link/PosixSerialPort.h"

#include "link/CancelToken.h"
#include "link/PortCheck.h"
#include "model/CycleEstimate.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace varkel {
namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsUntil(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
    if (left.count() <= 0)
        return 0;
    // Round up so that poll never wakes before the deadline and spins.
    return static_cast<int>((left.count() + 999) / 1000);
}

// Around the moment an answer can first be complete the port is watched
// rather than slept on: waking a sleeping thread when the bytes come takes
// a fraction of a millisecond on an idle or virtual processor, and that
// once per exchange is a good part of a fast transfer. The window is short
// and only opens while an answer is awaited.
constexpr std::chrono::microseconds kWatchBefore{600};
constexpr std::chrono::microseconds kWatchAfter{1000};

std::chrono::nanoseconds CharacterTime(int baud, int bitsPerCharacter) {
    return std::chrono::nanoseconds(1'000'000'000LL * bitsPerCharacter / baud);
}

// Watching costs a processor while it lasts: at most one port per spare
// processor watches at a time, and the others sleep as before, so that many
// transfers at once do not take the processors from each other.
std::atomic<int> watchingPorts{0};

class WatchSlot {
public:
    WatchSlot() = default;
    WatchSlot(const WatchSlot&) = delete;
    WatchSlot& operator=(const WatchSlot&) = delete;
    ~WatchSlot() { Release(); }
    void Release() {
        if (held_)
            watchingPorts.fetch_sub(1);
        held_ = false;
    }
    bool Take() {
        if (held_)
            return true;
        static const int limit =
            std::max(1, static_cast<int>(std::thread::hardware_concurrency()) - 1);
        int now = watchingPorts.load();
        while (now < limit) {
            if (watchingPorts.compare_exchange_weak(now, now + 1)) {
                held_ = true;
                return true;
            }
        }
        return false;
    }

private:
    bool held_ = false;
};

timespec Timespec(Clock::duration left) {
    const auto ns =
        std::max<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(left).count(), 0);
    return timespec{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

} // namespace

namespace {

bool PseudoTerminalDevice(const struct stat& st) {
    if (!S_ISCHR(st.st_mode))
        return false;
    // Unix98 pseudo-terminal slaves (/dev/pts/N) and the old BSD ones.
    const unsigned int number = major(st.st_rdev);
    return (number >= 136 && number <= 143) || number == 3;
}

} // namespace

bool IsPseudoTerminal(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 && PseudoTerminalDevice(st);
}

bool IsPseudoTerminal(const std::string& device) {
    struct stat st {};
    return ::stat(device.c_str(), &st) == 0 && PseudoTerminalDevice(st);
}

PosixSerialPort::~PosixSerialPort() {
    Close();
}

bool PosixSerialPort::Fail(PortOpenError error) {
    error_ = std::move(error);
    errorText_ = error_.detail;
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    return false;
}

bool PosixSerialPort::Fail(OpenFailure failure, const char* what, int error) {
    PortOpenError e = PortErrorFromErrno(device_, what, error);
    e.failure = failure;
    return Fail(std::move(e));
}

bool PosixSerialPort::Open(const std::string& device) {
    Close();
    device_ = device;
    error_ = {};
    errorText_.clear();
    framingDropped_ = false;
    if (PortOpenError refused = CheckPortPath(device); refused.Failed())
        return Fail(std::move(refused));
    // Non-blocking so that a port waiting for carrier cannot hang the open;
    // reads and writes wait in poll with their own time-outs.
    fd_ = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        return Fail(PortErrorFromErrno(device, "open", errno));
    if (PortOpenError refused = CheckPortDescriptor(fd_, device); refused.Failed())
        return Fail(std::move(refused));
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        int error = errno;
        return Fail(error == EWOULDBLOCK ? OpenFailure::Busy : OpenFailure::Other, "flock", error);
    }
    // Keeps other openers out, except the super-user, whom flock stops.
    if (::ioctl(fd_, TIOCEXCL) != 0)
        return Fail(OpenFailure::Settings, "TIOCEXCL", errno);

    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0)
        return Fail(OpenFailure::Settings, "tcgetattr", errno);
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, B19200) != 0 || ::cfsetospeed(&tio, B19200) != 0)
        return Fail(OpenFailure::Settings, "cfsetspeed", errno);
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0)
        return Fail(OpenFailure::Settings, "tcsetattr", errno);
    characterTime_ = CharacterTime(19200, CharacterBits(8, false, 1));
    lineFreeAt_ = {};
    // USB adapters hold received bytes back for their latency timer (16 ms
    // on the common ones) unless asked for low latency, and every exchange
    // would wait for it. Not every driver knows the request; that is fine.
    serial_struct serial{};
    if (::ioctl(fd_, TIOCGSERIAL, &serial) == 0 && !(serial.flags & ASYNC_LOW_LATENCY)) {
        serial.flags |= ASYNC_LOW_LATENCY;
        ::ioctl(fd_, TIOCSSERIAL, &serial);
    }
    ::tcflush(fd_, TCIOFLUSH);
    return true;
}

bool PosixSerialPort::SetLine(int baud, int dataBits, char parity, int stopBits) {
    if (fd_ < 0)
        return false;
    speed_t speed = 0;
    switch (baud) {
    case 300:
        speed = B300;
        break;
    case 600:
        speed = B600;
        break;
    case 1200:
        speed = B1200;
        break;
    case 2400:
        speed = B2400;
        break;
    case 4800:
        speed = B4800;
        break;
    case 9600:
        speed = B9600;
        break;
    case 19200:
        speed = B19200;
        break;
    case 38400:
        speed = B38400;
        break;
    case 57600:
        speed = B57600;
        break;
    case 115200:
        speed = B115200;
        break;
    default:
        return Fail(OpenFailure::Settings, "baud", EINVAL);
    }
    tcflag_t framing = dataBits == 7 ? CS7 : CS8;
    switch (parity) {
    case 'N':
        break;
    case 'E':
        framing |= PARENB;
        break;
    case 'O':
        framing |= PARENB | PARODD;
        break;
    case 'M':
        framing |= PARENB | CMSPAR | PARODD;
        break;
    case 'S':
        framing |= PARENB | CMSPAR;
        break;
    default:
        return Fail(OpenFailure::Settings, "parity", EINVAL);
    }
    // A pseudo-terminal carries 8 bits without parity whatever it is told,
    // and the C library refuses a change of nothing else: it is not asked.
    const bool virtualLine = IsPseudoTerminal(fd_);
    framingDropped_ = virtualLine && framing != CS8;
    if (virtualLine)
        framing = CS8;
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0)
        return Fail(OpenFailure::Settings, "tcgetattr", errno);
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB);
    tio.c_cflag |= framing;
    if (stopBits == 2)
        tio.c_cflag |= CSTOPB;
    if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0)
        return Fail(OpenFailure::Settings, "cfsetspeed", errno);
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0)
        return Fail(OpenFailure::Settings, "tcsetattr", errno);
    // tcsetattr succeeds when any one change took: read back, and refuse
    // a line that is not the one asked for.
    termios now{};
    const tcflag_t wanted = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB;
    if (::tcgetattr(fd_, &now) != 0 || (now.c_cflag & wanted) != (tio.c_cflag & wanted) ||
        ::cfgetospeed(&now) != speed)
        return Fail(OpenFailure::Settings, "tcsetattr", EINVAL);
    characterTime_ = CharacterTime(
        baud, CharacterBits(dataBits == 7 ? 7 : 8, parity != 'N', stopBits == 2 ? 2 : 1));
    return true;
}

void PosixSerialPort::Close() {
    if (fd_ < 0)
        return;
    // The exclusive flag outlives our descriptor on some ttys (a
    // pseudo-terminal whose other side stays open); clear it for the next user.
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_); // also releases the flock
    fd_ = -1;
}

long PosixSerialPort::Write(const std::uint8_t* bytes, std::size_t count, int timeoutMs) {
    if (fd_ < 0)
        return -1;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = ::write(fd_, bytes + done, count - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            lineFreeAt_ = std::max(lineFreeAt_, Clock::now()) + characterTime_ * n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            errorText_ = std::string("write: ") + std::strerror(errno);
            return done > 0 ? static_cast<long>(done) : -1;
        }
        int wait = MillisecondsUntil(deadline);
        if (wait <= 0)
            break;
        pollfd p{fd_, POLLOUT, 0};
        int r = ::poll(&p, 1, wait);
        if (r < 0 && errno != EINTR)
            break;
        if (r > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL)) && !(p.revents & POLLOUT)) {
            errorText_ = "write: device hung up";
            return done > 0 ? static_cast<long>(done) : -1;
        }
    }
    return static_cast<long>(done);
}

long PosixSerialPort::Read(std::uint8_t* buffer, std::size_t count, int intervalMs, int totalMs) {
    if (fd_ < 0)
        return -1;
    if (totalMs <= 0) {
        // Only what has already arrived, without waiting.
        ssize_t n = ::read(fd_, buffer, count);
        if (n >= 0)
            return static_cast<long>(n);
        if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
            return 0;
        errorText_ = std::string("read: ") + std::strerror(errno);
        return -1;
    }
    const auto start = Clock::now();
    const auto totalDeadline = start + std::chrono::milliseconds(totalMs);
    const auto complete = std::max(lineFreeAt_, start) + characterTime_ * static_cast<long>(count);
    const auto watchFrom = complete - kWatchBefore;
    const auto watchUntil = complete + kWatchAfter;
    WatchSlot slot;
    const int cancelFd = cancel_ ? cancel_->WakeDescriptor() : -1;
    auto lastByte = start;
    std::size_t got = 0;
    while (got < count) {
        // Before the first byte only the whole-read limit applies; after it
        // the gap between bytes ends the read as well.
        auto deadline = totalDeadline;
        if (got > 0)
            deadline = std::min(deadline, lastByte + std::chrono::milliseconds(intervalMs));
        const auto now = Clock::now();
        if (now >= deadline)
            break;
        if (now >= watchUntil)
            slot.Release();
        const bool watching = now >= watchFrom && now < watchUntil && slot.Take();
        const auto until = now < watchFrom ? std::min(deadline, watchFrom) : deadline;
        const timespec wait = Timespec(watching ? Clock::duration::zero() : until - now);
        pollfd fds[2] = {{fd_, POLLIN, 0}, {cancelFd, POLLIN, 0}};
        pollfd& p = fds[0];
        int r = ::ppoll(fds, cancelFd >= 0 ? 2 : 1, &wait, nullptr);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            errorText_ = std::string("poll: ") + std::strerror(errno);
            return -1;
        }
        if (r == 0) {
            if (watching)
                ::sched_yield();
            continue; // the loop head decides whether time is up
        }
        if (fds[1].revents & POLLIN) {
            errorText_ = "read: cancelled";
            return -1;
        }
        if (p.revents & POLLIN) {
            ssize_t n = ::read(fd_, buffer + got, count - got);
            if (n > 0) {
                got += static_cast<std::size_t>(n);
                lastByte = Clock::now();
                continue;
            }
            if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK))
                continue;
            errorText_ =
                n == 0 ? "read: end of file" : std::string("read: ") + std::strerror(errno);
            return -1;
        }
        if (p.revents & (POLLERR | POLLHUP | POLLNVAL)) {
            errorText_ = "read: device hung up";
            return -1;
        }
    }
    return static_cast<long>(got);
}

} // namespace varkel
