// Whole-file writes that never leave a half-written file behind: both the
// configuration file and the exported workbook go through here.
#include "model/FileWrite.h"

#include "model/Catalog.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace varkel {

std::string SystemReason(int err) {
    char buf[256];
    // The GNU strerror_r returns the text it chose.
    return strerror_r(err, buf, sizeof buf);
}

namespace {

std::function<void(const std::string&)>& BeforeReplaceHook() {
    static std::function<void(const std::string&)> hook;
    return hook;
}

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

// The folder a resolved target is written in.
std::string FolderOf(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : target.substr(0, slash);
}

enum class Swap { Done, Changed, Unsupported, Failed };

// Puts the new file in place of the target in one step and checks that
// what came out is the file that was read. Another program's file that
// came out instead is put back, so that its change is kept.
Swap ExchangeChecked(const std::string& temp, const std::string& target,
                     const FileIdentity& expected, const struct stat& written, int& err) {
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) != 0) {
        err = errno;
        if (err == EINVAL || err == ENOSYS || err == EOPNOTSUPP)
            return Swap::Unsupported;
        if (err != ENOENT)
            return Swap::Failed;
        // The target is gone: removed by another program since it was read.
        ::unlink(temp.c_str());
        return Swap::Changed;
    }
    struct stat out {};
    if (::lstat(temp.c_str(), &out) == 0 && S_ISREG(out.st_mode) && IdentityOf(out) == expected) {
        ::unlink(temp.c_str());
        return Swap::Done;
    }
    // Back again, as long as the target is still ours; should a third
    // writer have replaced it in this instant, its file stays.
    struct stat now {};
    const bool ours = ::lstat(target.c_str(), &now) == 0 && now.st_dev == written.st_dev &&
                      now.st_ino == written.st_ino;
    if (!ours ||
        ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0 ||
        ::rename(temp.c_str(), target.c_str()) == 0)
        ::unlink(temp.c_str());
    return Swap::Changed;
}

} // namespace

bool FolderLock::Acquire(const std::string& path, int waitMs) {
    Release();
    const int fd = ::open(FolderOf(FollowLinks(path)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            break;
        const int err = errno;
        if (err == EINTR)
            continue;
        // A file system without locks: the write goes on as before.
        if (err != EWOULDBLOCK) {
            ::close(fd);
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    struct stat st {};
    ::fstat(fd, &st);
    device_ = st.st_dev;
    inode_ = st.st_ino;
    fd_ = fd;
    return true;
}

void FolderLock::Release() {
    if (fd_ >= 0)
        ::close(fd_); // releases the lock
    fd_ = -1;
}

bool FolderLock::Covers(const std::string& path) const {
    struct stat st {};
    return fd_ >= 0 && ::stat(FolderOf(FollowLinks(path)).c_str(), &st) == 0 &&
           st.st_dev == device_ && st.st_ino == inode_;
}

void SetBeforeReplaceHook(std::function<void(const std::string&)> hook) {
    BeforeReplaceHook() = std::move(hook);
}

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
                target.insert(0, current, 0, slash + 1);
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
    // Two writers of this tool take turns: around the check and the rename,
    // or from the read on when the caller holds the lock already.
    FolderLock own;
    if (!(guard && guard->held && guard->held->Covers(target)) && !own.Acquire(target)) {
        ::unlink(temp.c_str());
        error = Text(Msg::FileFolderBusy);
        return false;
    }
    if (BeforeReplaceHook())
        BeforeReplaceHook()(target);
    // Another program's change since the file was read would be lost
    // silently by a rename.
    Swap swap = Swap::Unsupported;
    if (guard && guard->expected) {
        int err = 0;
        swap = ExchangeChecked(temp, target, *guard->expected, written, err);
        if (swap == Swap::Failed)
            return fail(err);
        // Where the file system cannot exchange, the target is compared
        // just before the rename.
        FileIdentity now;
        if (swap == Swap::Unsupported &&
            (!IdentifyFile(target, now) || !(now == *guard->expected))) {
            swap = Swap::Changed;
            ::unlink(temp.c_str());
        }
        if (swap == Swap::Changed) {
            guard->changedOnDisk = true;
            error = SystemReason(ESTALE);
            return false;
        }
    }
    if (swap != Swap::Done && ::rename(temp.c_str(), target.c_str()) != 0)
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
