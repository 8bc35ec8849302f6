// Whole-file writes that never leave a half-written file behind: both the
// configuration file and the exported workbook go through here.
#include "model/FileWrite.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varkel {

std::string SystemReason(int err) {
    char buf[256];
    // The GNU strerror_r returns the text it chose.
    return strerror_r(err, buf, sizeof buf);
}

namespace {

void CloseQuietly(int fd) {
    if (fd >= 0)
        ::close(fd);
}

FileIdentity IdentityOf(const struct stat& st) {
    FileIdentity id;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = st.st_size;
    id.modifiedNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return id;
}

} // namespace

bool IdentifyFile(const std::string& path, FileIdentity& identity) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    identity = IdentityOf(st);
    return true;
}

std::string FollowLinks(const std::string& path) {
    std::string current = path;
    // The system's own limit on links followed in one lookup.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat lst {};
        if (::lstat(current.c_str(), &lst) != 0 || !S_ISLNK(lst.st_mode))
            return current;
        std::string target(static_cast<std::size_t>(PATH_MAX), '\0');
        ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size())
            return current;
        target.resize(static_cast<std::size_t>(n));
        if (target[0] != '/') {
            std::size_t slash = current.rfind('/');
            if (slash != std::string::npos)
                target = current.substr(0, slash + 1) + target;
        }
        current = target;
    }
    return current;
}

int OpenRegularFile(const std::string& path, bool& notRegular, int& err, FileIdentity* identity) {
    notRegular = false;
    err = 0;
    // Looked at before opening, so that opening has no effect on a device;
    // looked at again on the descriptor in case the file was swapped.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        err = errno;
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        notRegular = true;
        return -1;
    }
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        err = errno;
        return -1;
    }
    if (::fstat(fd, &st) != 0) {
        err = errno;
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        notRegular = true;
        ::close(fd);
        return -1;
    }
    int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (identity)
        *identity = IdentityOf(st);
    return fd;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error,
                         WriteGuard* guard) {
    if (guard)
        guard->changedOnDisk = false;
    if (path.empty()) {
        error = SystemReason(ENOENT);
        return false;
    }
    // Write through a symbolic link to its target, not over the link, also
    // when the target is still to be created.
    const std::string target = FollowLinks(path);
    std::size_t slash = target.rfind('/');
    std::string dir = slash == std::string::npos ? std::string(".") : target.substr(0, slash + 1);
    std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    if (base.empty()) {
        error = SystemReason(EISDIR);
        return false;
    }
    std::string temp = (slash == std::string::npos ? std::string() : dir) + "." + base + ".XXXXXX";

    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = SystemReason(errno);
        return false;
    }
    auto fail = [&](int err) {
        CloseQuietly(fd);
        ::unlink(temp.c_str());
        error = SystemReason(err);
        return false;
    };

    // Keep the permissions of the file being replaced; a new file gets what
    // the process would create by default.
    struct stat st {};
    mode_t mode;
    if (::stat(target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0)
        return fail(errno);

    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        return fail(errno);
    struct stat written {};
    if (::fstat(fd, &written) != 0)
        return fail(errno);
    int closeResult = ::close(fd);
    fd = -1;
    if (closeResult != 0)
        return fail(errno);
    // Another program's change since the file was read would be lost
    // silently by the rename.
    if (guard && guard->expected) {
        FileIdentity now;
        if (!IdentifyFile(target, now) || !(now == *guard->expected)) {
            guard->changedOnDisk = true;
            ::unlink(temp.c_str());
            error = SystemReason(ESTALE);
            return false;
        }
    }
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return fail(errno);
    if (guard)
        guard->written = IdentityOf(written);
    // Make the rename itself durable; a failure here loses nothing.
    int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

} // namespace varkel
