#pragma once
#include "model/PortOpenError.h"

#include <string>

namespace varkel {

// Looks at a port's path before it is opened: a missing path and anything
// but a character device (a FIFO, a regular file, a folder) are refused
// without opening it, so that nothing waits on a FIFO and no other program's
// pipe sees a reader. No failure for a character device.
PortOpenError CheckPortPath(const std::string& device);

// The opened descriptor must be a terminal (not /dev/null or /dev/zero),
// also in case the path was swapped after CheckPortPath.
PortOpenError CheckPortDescriptor(int fd, const std::string& device);

// The reason for an errno value met while opening a port; call names the
// failing system call for the detail.
PortOpenError PortErrorFromErrno(const std::string& device, const char* call, int err);

// The group that owns a device, or empty when it cannot be told.
std::string DeviceGroup(const std::string& device);

} // namespace varkel
