#pragma once
#include <functional>
#include <optional>
#include <string>

namespace varkel {

// What tells whether a file is still the one read: a change by another
// program alters at least one of these.
struct FileIdentity {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = -1;
    long long modifiedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file a path names, following links. False when it
// cannot be examined.
bool IdentifyFile(const std::string& path, FileIdentity& identity);

// The advisory lock every writer of this tool takes on the folder a file is
// replaced in, so that two of its writers take turns: the command line from
// before it reads a file until it has replaced it, the window only around
// its check and rename. Other programs do not know it; the replacement
// itself guards against them. The folder, not a file beside the target, so
// that nothing is left behind.
class FolderLock {
public:
    FolderLock() = default;
    ~FolderLock() { Release(); }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // How long a writer waits for another one before giving up.
    static constexpr int kWaitMs = 10000;

    // Locks the folder the path is written in (after following links),
    // waiting up to waitMs. True also when the folder cannot be opened for
    // the lock (it cannot then be written either, or allows no reading):
    // the write goes on without it. False when another writer kept it.
    bool Acquire(const std::string& path, int waitMs = kWaitMs);
    void Release();
    // Whether this lock covers the folder a path is written in.
    bool Covers(const std::string& path) const;

private:
    int fd_ = -1;
    unsigned long long device_ = 0;
    unsigned long long inode_ = 0;
};

// Guards a replacing write against losing another program's change.
struct WriteGuard {
    // The file as it was read; the write is refused when it differs.
    std::optional<FileIdentity> expected;
    // Set when the write was refused because the file changed on disk.
    bool changedOnDisk = false;
    // The file as written, after a successful write.
    FileIdentity written;
    // The caller's lock of the target's folder, held since it read the
    // file; without it the write takes the lock itself.
    const FolderLock* held = nullptr;
};

// Writes bytes to the path through a temporary file in the same folder and
// a rename; the target keeps its permissions, a new file gets the default
// ones. A symbolic link is written through, also when its target does not
// exist yet. The folder is locked (FolderLock) across the check and the
// rename. With an expected identity the new file is exchanged with the
// target and what came out compared with the file read: another program's
// file is put back and the write refused (changedOnDisk). Where the file
// system cannot exchange, the target is compared just before the rename.
// False with the reason in error.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error,
                         WriteGuard* guard = nullptr);

// For tests only: called with the target once the folder is locked, just
// before the new file replaces it, so that a test can act there as another
// program or writer would. No option or setting of the programs reaches it.
void SetBeforeReplaceHook(std::function<void(const std::string& target)> hook);

// The path a chain of symbolic links ends at, whether or not that file
// exists; the path itself when it is no link.
std::string FollowLinks(const std::string& path);

// Opens a file for reading when it is a regular file after following
// links, without blocking on a FIFO or a device on the way. The descriptor,
// or -1 with the reason: notRegular for anything but a regular file, else
// the errno value in err. identity (when given) receives the opened file's.
int OpenRegularFile(const std::string& path, bool& notRegular, int& err,
                    FileIdentity* identity = nullptr);

// The system's text for an errno value.
std::string SystemReason(int err);

} // namespace varkel
