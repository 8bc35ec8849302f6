#pragma once
#include <string>

namespace varkel {
class FolderLock;
class Project;
struct FileIdentity;
} // namespace varkel

namespace varkel::cli {

// 0 when the path names a regular file that can be opened for reading
// (after following links); otherwise prints why and returns 66. A FIFO or
// device is refused before it is opened, so that nothing waits on it.
int CheckInputFile(const std::string& path);

// Loads a configuration file into a freshly constructed project. Returns 0,
// or after printing the reason 66 (missing, unreadable, a folder or any other
// file that is not a regular one) or 65 (not a configuration: unparsable,
// foreign language, parts missing). identity (when given) receives the
// identity of the file read, for SaveConfiguration's check.
int LoadConfiguration(const std::string& path, Project& project, FileIdentity* identity = nullptr);

// What is missing from a loaded configuration, or empty when it is whole.
std::string MissingParts(const Project& project);

// 0 when a file can be created at the path (its folder exists and is
// writable, and the path is not a folder); otherwise prints why and returns 73.
int CheckWritable(const std::string& path);

// Locks the folder of a file to be edited in place before it is read, so
// that another writer of this tool waits until the edit has replaced it (and
// then reads its result). Returns 0, or 73 after printing the reason when
// another writer kept the folder locked.
int LockForEdit(const std::string& path, FolderLock& lock);

// Writes the configuration to a temporary file beside the path and renames
// it over the path only when complete, so that a failure leaves whatever was
// there untouched. With readAs, what is replaced must be the file read
// (device, inode, size, modification time). held is the caller's lock from
// LockForEdit. Returns 0, or 73 after printing the reason.
int SaveConfiguration(Project& project, const std::string& path,
                      const FileIdentity* readAs = nullptr, const FolderLock* held = nullptr);

} // namespace varkel::cli
