#pragma once
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

// Guards a replacing write against losing another program's change.
struct WriteGuard {
    // The file as it was read; the write is refused when it differs.
    std::optional<FileIdentity> expected;
    // Set when the write was refused because the file changed on disk.
    bool changedOnDisk = false;
    // The file as written, after a successful write.
    FileIdentity written;
};

// Writes bytes to the path through a temporary file in the same folder and
// a rename; the target keeps its permissions, a new file gets the default
// ones. A symbolic link is written through, also when its target does not
// exist yet. False with the system's reason in error.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error,
                         WriteGuard* guard = nullptr);

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
