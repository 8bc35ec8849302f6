// Whole-file writes that never leave a half-written file behind: both the
// configuration file and the exported workbook go through here.
#include "model/FileWrite.h"

#include <cerrno>
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

} // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error) {
    if (path.empty()) {
        error = SystemReason(ENOENT);
        return false;
    }
    // Write through a symbolic link to its target, not over the link.
    std::string target = path;
    struct stat lst {};
    if (::lstat(path.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
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
    int closeResult = ::close(fd);
    fd = -1;
    if (closeResult != 0)
        return fail(errno);
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return fail(errno);
    // Make the rename itself durable; a failure here loses nothing.
    int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

} // namespace varkel
