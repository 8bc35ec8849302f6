#include "sim/Pty.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace varkel::sim {

bool Pty::Open(std::string* error) {
    Close();
    auto fail = [&](const char* what) {
        if (error)
            *error = std::string(what) + ": " + std::strerror(errno);
        Close();
        return false;
    };
    fd_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0)
        return fail("posix_openpt");
    if (::grantpt(fd_) != 0 || ::unlockpt(fd_) != 0)
        return fail("unlockpt");
    char name[128];
    if (::ptsname_r(fd_, name, sizeof name) != 0)
        return fail("ptsname");
    path_ = name;
    // Raw from the start: an echoing line discipline would send the
    // gateway's replies back to it before the other side sets its mode.
    int slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0)
        return fail("open");
    termios tio{};
    if (::tcgetattr(slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(slave, TCSANOW, &tio);
    }
    ::close(slave);
    int flags = ::fcntl(fd_, F_GETFL);
    ::fcntl(fd_, F_SETFL, flags | O_NONBLOCK);
    return true;
}

void Pty::Close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace varkel::sim
