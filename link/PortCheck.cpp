#include "link/PortCheck.h"

#include "model/FileWrite.h"

#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varkel {
namespace {

PortOpenError NotTerminal(const std::string& device, PortPathKind kind) {
    PortOpenError error;
    error.failure = OpenFailure::NotTerminal;
    error.device = device;
    error.kind = kind;
    error.detail = SystemReason(ENOTTY);
    return error;
}

PortPathKind KindOf(mode_t mode) {
    if (S_ISFIFO(mode))
        return PortPathKind::Fifo;
    if (S_ISREG(mode))
        return PortPathKind::RegularFile;
    if (S_ISDIR(mode))
        return PortPathKind::Folder;
    if (S_ISSOCK(mode))
        return PortPathKind::Socket;
    return PortPathKind::OtherDevice;
}

} // namespace

PortOpenError CheckPortPath(const std::string& device) {
    if (device.empty()) {
        PortOpenError error;
        error.failure = OpenFailure::Missing;
        return error;
    }
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0)
        return PortErrorFromErrno(device, "stat", errno);
    if (!S_ISCHR(st.st_mode))
        return NotTerminal(device, KindOf(st.st_mode));
    return {};
}

PortOpenError CheckPortDescriptor(int fd, const std::string& device) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return PortErrorFromErrno(device, "fstat", errno);
    if (!S_ISCHR(st.st_mode))
        return NotTerminal(device, KindOf(st.st_mode));
    if (!::isatty(fd))
        return NotTerminal(device, PortPathKind::OtherDevice);
    return {};
}

PortOpenError PortErrorFromErrno(const std::string& device, const char* call, int err) {
    PortOpenError error;
    error.device = device;
    error.detail = std::string(call) + ": " + SystemReason(err);
    switch (err) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
        error.failure = OpenFailure::Missing;
        break;
    case EACCES:
    case EPERM:
        error.failure = OpenFailure::Permission;
        error.group = DeviceGroup(device);
        break;
    case EBUSY:
    case EWOULDBLOCK:
        error.failure = OpenFailure::Busy;
        break;
    case ENOTTY:
        error.failure = OpenFailure::NotTerminal;
        error.kind = PortPathKind::OtherDevice;
        break;
    case EISDIR:
        error.failure = OpenFailure::NotTerminal;
        error.kind = PortPathKind::Folder;
        break;
    default:
        error.failure = OpenFailure::Other;
        break;
    }
    return error;
}

std::string DeviceGroup(const std::string& device) {
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0)
        return {};
    group grp{};
    group* found = nullptr;
    char buffer[4096];
    if (::getgrgid_r(st.st_gid, &grp, buffer, sizeof buffer, &found) != 0 || !found)
        return {};
    return found->gr_name;
}

} // namespace varkel
